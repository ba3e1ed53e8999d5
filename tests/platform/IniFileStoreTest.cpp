// The settings store on real INI files: exact texts, hand-edited and damaged
// files, folders and files that refuse access, and where the file lives.
#include "platform/qt/settings/IniFileStore.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>

#include <sys/stat.h>

#include <string>
#include <vector>

#include "SettingsStoreRig.h"

namespace {

using platform::qt::IniFileStore;
using settings_rig::HelperStore;
using settings_rig::ObeyFilePermissions;
using settings_rig::ReadFile;
using settings_rig::ScratchFolder;
using settings_rig::WriteFile;

// Texts that the INI syntax gives a meaning of its own.
const std::vector<std::string> kAwkwardTexts = {
    "    ",
    " lead",
    "trail ",
    "a,b",
    "a, b",
    ",",
    "\"quoted\"",
    "'single'",
    "back\\slash",
    "\\n not a newline",
    "@at",
    "@@double",
    "@Variant(AAAAAQAAAAE=)",
    "@ByteArray(abc)",
    "@Invalid()",
    "a=b",
    "semi;colon",
    "#hash",
    "[General]",
    "été Ωmega Grüße",
    "",
    "line1\nline2",
    "cr\rlf\r\n",
    "tab\there",
    std::string("nul\0inside", 10),
    "\x01\x1f control",
    "%41 percent",
    std::string(5000, 'x'),
};

TEST(IniFileStore, AwkwardTextsRoundTripThroughTheFile) {
    ScratchFolder folder;
    {
        IniFileStore store(folder.File());
        for (std::size_t i = 0; i < kAwkwardTexts.size(); ++i) {
            store.Write("Texts/k" + std::to_string(i), kAwkwardTexts[i]);
        }
    }
    // Read back by another process, which must parse the file itself.
    HelperStore other(folder.File());
    for (std::size_t i = 0; i < kAwkwardTexts.size(); ++i) {
        EXPECT_EQ(other.Read("Texts/k" + std::to_string(i)), kAwkwardTexts[i]) << "text " << i;
    }
    // And the other way round.
    for (std::size_t i = 0; i < kAwkwardTexts.size(); ++i) {
        other.Write("Back/k" + std::to_string(i), kAwkwardTexts[i]);
    }
    IniFileStore store(folder.File());
    for (std::size_t i = 0; i < kAwkwardTexts.size(); ++i) {
        EXPECT_EQ(store.Read("Back/k" + std::to_string(i)), kAwkwardTexts[i]) << "text " << i;
    }
}

TEST(IniFileStore, FilesOfEarlierVersionsReadTheSameAndOursReadTheSameInThem) {
    // Earlier versions of the game kept this file through QSettings.
    ScratchFolder folder;
    const QString theirs = folder.Path() + "/theirs.ini";
    {
        QSettings ini(theirs, QSettings::IniFormat);
        for (std::size_t i = 0; i < kAwkwardTexts.size(); ++i) {
            ini.setValue("Texts/k" + QString::number(i), QString::fromStdString(kAwkwardTexts[i]));
        }
    }
    IniFileStore earlier(theirs);
    IniFileStore store(folder.File());
    for (std::size_t i = 0; i < kAwkwardTexts.size(); ++i) {
        EXPECT_EQ(earlier.Read("Texts/k" + std::to_string(i)), kAwkwardTexts[i]) << "text " << i;
        store.Write("Texts/k" + std::to_string(i), kAwkwardTexts[i]);
    }
    const QSettings ours(folder.File(), QSettings::IniFormat);
    for (std::size_t i = 0; i < kAwkwardTexts.size(); ++i) {
        EXPECT_EQ(ours.value("Texts/k" + QString::number(i)).toString().toStdString(), kAwkwardTexts[i])
            << "text " << i;
    }
}

TEST(IniFileStore, SeveralChangesLandInOneSave) {
    ScratchFolder folder;
    WriteFile(folder.File(), "[General]\nSize=8\nSkin=0\n");
    IniFileStore store(folder.File());
    const platform::SettingsChange changes[] = {
        {"Size", "14"}, {"8_8_8_0/Rez", "57"}, {"Number", "7"}, {"Size", "11"}, {"", "ignored"}};
    store.WriteAll(changes);
    EXPECT_EQ(ReadFile(folder.File()), "[General]\nSize=11\nSkin=0\nNumber=7\n\n[8_8_8_0]\nRez=57\n");
}

TEST(IniFileStore, KeysLandAsTheirSectionsAndAbsentKeysReadAsAbsent) {
    ScratchFolder folder;
    IniFileStore store(folder.File());
    EXPECT_EQ(store.Read("Size"), std::nullopt);
    store.Write("Size", "14");
    store.Write("8_8_8_0/Rez", "57");
    EXPECT_EQ(ReadFile(folder.File()), "[General]\nSize=14\n\n[8_8_8_0]\nRez=57\n");
    EXPECT_EQ(store.Read("Size"), "14");
    EXPECT_EQ(store.Read("8_8_8_0/Rez"), "57");
    EXPECT_EQ(store.Read("8_8_8_0/Name"), std::nullopt);
    EXPECT_EQ(store.Read(""), std::nullopt);
    store.Write("", "ignored");
    store.Write("/", "ignored");
    EXPECT_EQ(ReadFile(folder.File()), "[General]\nSize=14\n\n[8_8_8_0]\nRez=57\n");
}

struct HandEdit {
    const char* name;
    const char* line;  // as typed into the file
    const char* key;
    std::optional<std::string> expected;
};

class IniFileStoreHandEdited : public testing::TestWithParam<HandEdit> {};

TEST_P(IniFileStoreHandEdited, ReadsTheTextTheLineHolds) {
    ScratchFolder folder;
    WriteFile(folder.File(), QByteArray("[General]\nOther=kept\n") + GetParam().line + "\n");
    IniFileStore store(folder.File());
    EXPECT_EQ(store.Read(GetParam().key), GetParam().expected);
    EXPECT_EQ(store.Read("Other"), "kept");
}

INSTANTIATE_TEST_SUITE_P(
    Lines, IniFileStoreHandEdited,
    testing::Values(
        // What QSettings would split into a list comes back as typed.
        HandEdit{"CommaAndSpace", "LasName=Smith, John", "LasName", "Smith, John"},
        HandEdit{"EmptyListItems", "LasName=a,b,,c ,", "LasName", "a,b,,c ,"},
        HandEdit{"QuotedListItem", "LasName=\"a\", b", "LasName", "\"a\", b"},
        HandEdit{"CommaInASection", "[8_8_8_0]\nName=Lee, Ann", "8_8_8_0/Name", "Lee, Ann"},
        // Values QSettings would turn into other types come back as typed too.
        HandEdit{"Variant", "Size=@Variant(AAAAAQAAAA4=)", "Size", "@Variant(AAAAAQAAAA4=)"},
        HandEdit{"DamagedVariant", "Size=@Variant(garbage)", "Size", "@Variant(garbage)"},
        HandEdit{"ByteArray", "Size=@ByteArray(14)", "Size", "@ByteArray(14)"},
        HandEdit{"Rect", "Size=@Rect(1 2 3 4)", "Size", "@Rect(1 2 3 4)"},
        HandEdit{"Invalid", "Size=@Invalid()", "Size", "@Invalid()"},
        // Plain INI syntax keeps its meaning.
        HandEdit{"SpacesAroundAreDropped", "Size= 14 ", "Size", "14"},
        HandEdit{"TabsAroundAreDroppedBlanksInsideStay", "LasName=\t a \t b \t", "LasName", "a \t b"},
        HandEdit{"EqualsSignsAfterTheFirst", "LasName==a=b", "LasName", "=a=b"},
        HandEdit{"ControlCharactersAsTheyStand", "LasName=a\x01\x7f", "LasName", "a\x01\x7f"},
        HandEdit{"OnlyBlanks", "LasName= \t ", "LasName", ""},
        HandEdit{"QuotesKeepSpaces", "Size=\" 14\"", "Size", " 14"}, HandEdit{"LeadingAt", "Size=@foo", "Size", "@foo"},
        HandEdit{"DoubledAt", "Size=@@foo", "Size", "@foo"},
        HandEdit{"LastOfTwoLines", "Size=1\nSize=17", "Size", "17"}, HandEdit{"ReadsEmptyValue", "Size=", "Size", ""},
        HandEdit{"JunkLinesAndBrokenSection", "garbage without equals\n=no key\n[broken\nSize=11", "broken/Size", "11"},
        HandEdit{"KeysHeedCase", "size=14", "Size", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(IniFileStore, JunkAndHugeLinesLeaveTheGoodKeysReadable) {
    ScratchFolder folder;
    QByteArray junk;
    for (int i = 0; i < 4; ++i) {
        for (int c = 0; c < 256; ++c) junk += static_cast<char>(c);
    }
    WriteFile(folder.File(), junk + "\n[General]\nSize=14\nBig=" + QByteArray(1 << 20, 'x') +
                                 "\nList=" + QByteArray(1 << 20, ',') + "\n[8_8_8_0]\nRez=57\n");
    IniFileStore store(folder.File());
    EXPECT_EQ(store.Read("Size"), "14");
    EXPECT_EQ(store.Read("8_8_8_0/Rez"), "57");
    EXPECT_EQ(store.Read("Big"), std::string(1 << 20, 'x'));
    EXPECT_EQ(store.Read("List"), std::string(1 << 20, ','));
    // A write keeps every key that could be read.
    store.Write("Skin", "1");
    IniFileStore fresh(folder.File());
    EXPECT_EQ(fresh.Read("Size"), "14");
    EXPECT_EQ(fresh.Read("8_8_8_0/Rez"), "57");
    EXPECT_EQ(fresh.Read("Skin"), "1");
}

TEST(IniFileStore, WritingKeepsHandEditedValuesOfOtherKeys) {
    ScratchFolder folder;
    WriteFile(folder.File(), "[General]\nLasName=Smith, John\n[8_8_8_0]\nName=\"A, B\"\n");
    IniFileStore store(folder.File());
    store.Write("Size", "20");
    HelperStore other(folder.File());
    EXPECT_EQ(other.Read("LasName"), "Smith, John");
    EXPECT_EQ(other.Read("8_8_8_0/Name"), "A, B");
    EXPECT_EQ(other.Read("Size"), "20");
}

TEST(IniFileStore, AWriteReplacesTheFileAndLeavesNoStrayFiles) {
    ScratchFolder folder;
    IniFileStore store(folder.File());
    store.Write("Size", "8");
    struct stat before {};
    ASSERT_EQ(stat(folder.File().toLocal8Bit().constData(), &before), 0);
    store.Write("Size", "11");
    struct stat after {};
    ASSERT_EQ(stat(folder.File().toLocal8Bit().constData(), &after), 0);
    EXPECT_NE(before.st_ino, after.st_ino) << "the file was rewritten in place, not replaced";
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden | QDir::System), QStringList{"Glimbles.ini"});
}

TEST(IniFileStore, ReadingNeverCreatesTheFileOrItsFolder) {
    ScratchFolder folder;
    const QString file = folder.Path() + "/Pellix/Glimbles.ini";
    IniFileStore store(file);
    EXPECT_EQ(store.Read("Size"), std::nullopt);
    EXPECT_FALSE(QFileInfo::exists(folder.Path() + "/Pellix"));
    store.Write("Size", "17");  // the first write makes both
    EXPECT_EQ(ReadFile(file), "[General]\nSize=17\n");
}

TEST(IniFileStore, SeesWhatAnotherCopyWroteAfterItsOwnRead) {
    ScratchFolder folder;
    IniFileStore store(folder.File());
    store.Write("Size", "8");
    EXPECT_EQ(store.Read("Size"), "8");
    HelperStore other(folder.File());
    other.Write("Size", "20");
    EXPECT_EQ(store.Read("Size"), "20");
    other.Write("LasName", "Ann");
    EXPECT_EQ(store.Read("LasName"), "Ann");
}

// ---- Files and folders that refuse access -------------------------------

TEST(IniFileStoreAccess, AFolderWhereTheFileShouldBeReadsAsEmptyAndTakesNoWrites) {
    ScratchFolder folder;
    ASSERT_TRUE(QDir().mkpath(folder.File()));
    IniFileStore store(folder.File());
    EXPECT_EQ(store.Read("Size"), std::nullopt);
    store.Write("Size", "14");
    EXPECT_TRUE(QFileInfo(folder.File()).isDir());
    EXPECT_EQ(store.Read("Size"), std::nullopt);
}

TEST(IniFileStoreAccess, AFileWhereTheFolderShouldBeTakesNoWrites) {
    ScratchFolder folder;
    WriteFile(folder.Path() + "/Pellix", "not a folder");
    IniFileStore store(folder.Path() + "/Pellix/Glimbles.ini");
    store.Write("Size", "14");
    EXPECT_EQ(store.Read("Size"), std::nullopt);
    EXPECT_EQ(ReadFile(folder.Path() + "/Pellix"), "not a folder");
}

TEST(IniFileStoreAccess, NoFileNameMeansNoStore) {
    IniFileStore store{QString()};
    store.Write("Size", "14");
    EXPECT_EQ(store.Read("Size"), std::nullopt);
}

// Sets a file's or folder's permission bits for one test.
void SetMode(const QString& path, mode_t mode) { ASSERT_EQ(chmod(path.toLocal8Bit().constData(), mode), 0); }

TEST(IniFileStoreAccess, AnUnreadableFileReadsAsEmptyAndIsNeverWrittenOver) {
    ScratchFolder folder;
    const QByteArray good = "[General]\nSize=14\n";
    WriteFile(folder.File(), good);
    SetMode(folder.File(), 0);
    {
        ObeyFilePermissions obey;
        QFile probe(folder.File());
        if (probe.open(QIODevice::ReadOnly)) GTEST_SKIP() << "file permissions are not enforced here";
        IniFileStore store(folder.File());
        EXPECT_EQ(store.Read("Size"), std::nullopt);
        store.Write("Skin", "1");
    }
    SetMode(folder.File(), 0600);
    EXPECT_EQ(ReadFile(folder.File()), good);
}

TEST(IniFileStoreAccess, AReadOnlyFileKeepsItsValueAndReadsDoNotSeeTheFailedWrite) {
    ScratchFolder folder;
    const QByteArray good = "[General]\nSize=14\n";
    WriteFile(folder.File(), good);
    SetMode(folder.File(), 0444);
    {
        ObeyFilePermissions obey;
        QFile probe(folder.File());
        if (probe.open(QIODevice::ReadWrite)) GTEST_SKIP() << "file permissions are not enforced here";
        IniFileStore store(folder.File());
        EXPECT_EQ(store.Read("Size"), "14");
        store.Write("Size", "20");
        EXPECT_EQ(store.Read("Size"), "14");
        EXPECT_EQ(IniFileStore(folder.File()).Read("Size"), "14");
    }
    EXPECT_EQ(ReadFile(folder.File()), good);
    // Once the file may be written again, only the new write lands.
    SetMode(folder.File(), 0644);
    IniFileStore store(folder.File());
    store.Write("Skin", "1");
    EXPECT_EQ(ReadFile(folder.File()), "[General]\nSize=14\nSkin=1\n");
}

TEST(IniFileStoreAccess, AReadOnlyFolderKeepsTheFileWhole) {
    ScratchFolder folder;
    const QByteArray good = "[General]\nSize=14\n";
    WriteFile(folder.File(), good);
    SetMode(folder.Path(), 0555);
    {
        ObeyFilePermissions obey;
        QFile probe(folder.Path() + "/probe");
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            SetMode(folder.Path(), 0755);
            GTEST_SKIP() << "folder permissions are not enforced here";
        }
        IniFileStore store(folder.File());
        store.Write("Size", "20");
        EXPECT_EQ(store.Read("Size"), "14");
    }
    SetMode(folder.Path(), 0755);
    EXPECT_EQ(ReadFile(folder.File()), good);
    EXPECT_EQ(QDir(folder.Path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Glimbles.ini"});
}

// ---- Where the file lives -------------------------------------------------

// What the helper reports for `env`: the store's file and QSettings' choice.
QStringList Where(const QProcessEnvironment& env) {
    settings_rig::EnsureApplication();
    QProcess helper;
    helper.setProcessEnvironment(env);
    helper.start(GLIMBLES_SETTINGS_HELPER, {"where"});
    EXPECT_TRUE(helper.waitForFinished());
    return QString::fromLocal8Bit(helper.readAllStandardOutput()).split('\n');
}

QProcessEnvironment EnvWith(const QString& configHome, const QString& home) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove("XDG_CONFIG_HOME");
    env.remove("HOME");
    if (!configHome.isNull()) env.insert("XDG_CONFIG_HOME", configHome);
    if (!home.isNull()) env.insert("HOME", home);
    return env;
}

TEST(IniFileStoreLocation, FollowsXdgConfigHomeThenHomeLikeQSettings) {
    ScratchFolder config;
    ScratchFolder home;
    const QString inConfig = config.Path() + "/Pellix/Glimbles.ini";
    const QString inHome = home.Path() + "/.config/Pellix/Glimbles.ini";

    EXPECT_EQ(Where(EnvWith(config.Path(), home.Path())).mid(0, 2), (QStringList{inConfig, inConfig}));
    EXPECT_EQ(Where(EnvWith(QString(), home.Path())).mid(0, 2), (QStringList{inHome, inHome}));
    EXPECT_EQ(Where(EnvWith("", home.Path())).mid(0, 2), (QStringList{inHome, inHome}));
    // A relative XDG_CONFIG_HOME is ignored, as the XDG rules ask.
    EXPECT_EQ(Where(EnvWith("relative/config", home.Path())).value(0), inHome);
    // No home at all, or an empty or relative one: no store, rather than
    // one below the folder the game started in.
    for (const QString& noHome : {QString(), QString(""), QString("relative/home"), QString(".")}) {
        EXPECT_EQ(Where(EnvWith(QString(), noHome)).value(0), "") << "HOME=" << noHome.toStdString();
        EXPECT_EQ(Where(EnvWith("relative/config", noHome)).value(0), "") << "HOME=" << noHome.toStdString();
    }
}

TEST(IniFileStoreLocation, TheDefaultStoreWritesThereAndNowhereElse) {
    ScratchFolder config;
    ScratchFolder home;
    {
        HelperStore user("-", EnvWith(config.Path(), home.Path()));
        EXPECT_EQ(user.Read("Size"), std::nullopt);
        user.Write("Size", "17");
        EXPECT_EQ(user.Read("Size"), "17");
    }
    EXPECT_EQ(ReadFile(config.Path() + "/Pellix/Glimbles.ini"), "[General]\nSize=17\n");
    EXPECT_TRUE(QDir(home.Path()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden));
}

TEST(IniFileStoreLocation, WithoutAHomeNothingIsStoredAndNothingBreaks) {
    HelperStore user("-", EnvWith(QString(), QString()));
    EXPECT_EQ(user.Read("Size"), std::nullopt);
    user.Write("Size", "17");
    EXPECT_EQ(user.Read("Size"), std::nullopt);
}

}  // namespace
