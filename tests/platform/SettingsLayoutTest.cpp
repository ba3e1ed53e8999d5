// The file a save writes: sections in the order of their first key, keys in
// theirs, however the file had them scattered; and a store of very many
// groups saves and reads as any other (a save that grew with the square of
// the groups would run into ctest's timeout here).
#include "platform/qt/settings/IniFileStore.h"
#include "platform/qt/settings/IniText.h"

#include <QByteArray>

#include <string>
#include <vector>

#include "SettingsStoreRig.h"
#include "tests/TestNames.h"

namespace {

using platform::qt::IniFileStore;
using platform::qt::ini::Change;
using settings_rig::ReadFile;
using settings_rig::ScratchFolder;
using settings_rig::WriteFile;

struct Layout {
    const char* name;
    const char* before;
    std::vector<Change> changes;
    const char* after;
};

class SettingsLayout : public testing::TestWithParam<Layout> {};

TEST_P(SettingsLayout, SectionsAndKeysKeepTheOrderOfTheirFirstLine) {
    EXPECT_EQ(platform::qt::ini::Merge(GetParam().before, GetParam().changes), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsLayout,
    testing::Values(
        Layout{"ScatteredSectionsJoinAtTheirFirstPlace",
               "[a]\nx=1\n[b]\ny=2\n[a]\nz=3\n[b]\nw=4\n",
               {},
               "[a]\nx=1\nz=3\n\n[b]\ny=2\nw=4\n"},
        Layout{"UngroupedKeysAfterAGroup",
               "[b]\ny=2\n[General]\nSize=1\n[b]\nz=3\n",
               {{"Skin", "0"}},
               "[b]\ny=2\nz=3\n\n[General]\nSize=1\nSkin=0\n"},
        Layout{"UngroupedKeysBeforeTheFirstHeader",
               "Size=1\n[b]\ny=2\n[General]\nSkin=0\n",
               {},
               "[General]\nSize=1\nSkin=0\n\n[b]\ny=2\n"},
        Layout{"NewKeysFollowTheirSectionNewSectionsTheOthers",
               "[a]\nx=1\n[b]\ny=2\n",
               {{"b/n", "5"}, {"c/n", "6"}, {"a/n", "4"}, {"Size", "7"}, {"c/m", "8"}},
               "[a]\nx=1\nn=4\n\n[b]\ny=2\nn=5\n\n[c]\nn=6\nm=8\n\n[General]\nSize=7\n"},
        Layout{"ARepeatedKeyKeepsItsFirstPlace",
               "[a]\nx=1\ny=2\n[c]\nv=0\n[a]\nx=3\n",
               {{"a/y", "9"}, {"a/x", "4"}},
               "[a]\nx=4\ny=9\n\n[c]\nv=0\n"},
        Layout{"GroupsDifferingInCaseStayApart", "[a]\nx=1\n[A]\nx=2\n[a]\ny=3\n", {}, "[a]\nx=1\ny=3\n\n[A]\nx=2\n"},
        Layout{"AGroupNamedGeneralIsNotTheUngroupedKeys",
               "",
               {{"general/x", "1"}, {"Size", "2"}, {"General/y", "3"}, {"general/z", "4"}},
               "[%general]\nx=1\nz=4\n\n[General]\nSize=2\n\n[%General]\ny=3\n"},
        Layout{"QuotedTextsBetweenOthers",
               "[a]\nx=1\n",
               {{"a/q", "a,b"}, {"a/s", " lead"}, {"b/t", "trail "}, {"a/u", "plain"}},
               "[a]\nx=1\nq=\"a,b\"\ns=\" lead\"\nu=plain\n\n[b]\nt=\"trail \"\n"}),
    [](const auto& info) { return testnames::TestName(info.param.name); });

TEST(SettingsLargeStore, SavesIntoAndReadsFromAHundredThousandGroups) {
    constexpr int kGroups = 100000;
    ScratchFolder folder;
    QByteArray contents = "[General]\nSize=14\n";
    for (int g = 0; g < kGroups; ++g)
        contents += "\n[g" + QByteArray::number(g) + "]\nRez=" + QByteArray::number(g) + "\n";
    WriteFile(folder.File(), contents);

    IniFileStore store(folder.File());
    store.Write("Size", "20");
    store.Write("g99999/Name", "Ann");
    store.Write("new/Rez", "1");
    EXPECT_EQ(store.Read("g0/Rez"), "0");
    EXPECT_EQ(store.Read("g99999/Rez"), "99999");
    EXPECT_EQ(store.Read("g99999/Name"), "Ann");
    contents.replace("Size=14", "Size=20");
    contents += "Name=Ann\n\n[new]\nRez=1\n";
    EXPECT_EQ(ReadFile(folder.File()), contents);
}

}  // namespace
