// The tips dialog: the tip cycle across openings, Next Tip, and when the
// check box is stored.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QTest>

#include <vector>

#include "dialogs/Tips.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingShellOpen.h"
#include "shell/GameDialogs.h"
#include "tests/TestAccess.h"
#include "tests/dialogs/EmbeddedPictures.h"
#include "tests/dialogs/ModalAnswers.h"

namespace {

using platform::fake::MemorySettingsStore;

// Opens the tips through the game's dialogs and answers with `answer`.
void OpenTips(MemorySettingsStore& store, std::function<void(CTips&)> answer) {
    platform::fake::RecordingShellOpen shell;
    GameDialogs dialogs(store, shell, EmbeddedPictures());
    ModalAnswers answers;
    answers.Then<CTips>(std::move(answer));
    dialogs.RunTips();
}

int ShowTipsWrites(const MemorySettingsStore& store) {
    int n = 0;
    for (const auto& w : store.writes) n += w.key == "ShowTips" ? 1 : 0;
    return n;
}

TEST(Tips, SixOpeningsCycleThroughTheFiveTips) {
    MemorySettingsStore store;
    std::vector<int> shown;
    for (int i = 0; i < 6; ++i) {
        OpenTips(store, [&shown](CTips& d) {
            shown.push_back(TestAccess::TipBitmap(d));
            QTest::mouseClick(d.CloseButton(), Qt::LeftButton);
        });
    }
    EXPECT_EQ(shown, (std::vector<int>{150, 151, 152, 153, 154, 150}));
    EXPECT_EQ(store.values["TipsNumber"], "1");
    EXPECT_EQ(store.values["ShowTips"], "0");
}

TEST(Tips, NextTipOnTheFifthTipStartsAgain) {
    MemorySettingsStore store;
    store.values["TipsNumber"] = "4";
    OpenTips(store, [&store](CTips& d) {
        EXPECT_EQ(TestAccess::TipBitmap(d), 154);
        QTest::mouseClick(d.NextButton(), Qt::LeftButton);
        EXPECT_EQ(TestAccess::TipBitmap(d), 150);
        EXPECT_EQ(store.values["TipsNumber"], "1") << "stored at each showing";
        QTest::mouseClick(d.NextButton(), Qt::LeftButton);
        EXPECT_EQ(TestAccess::TipBitmap(d), 151);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_EQ(store.values["TipsNumber"], "2") << "kept although the dialog was cancelled";
}

TEST(Tips, CheckBoxFollowsTheFirstCharacterOfShowTips) {
    struct Case {
        const char* stored;  // nullptr: absent
        bool ticked;
    };
    const Case cases[] = {{nullptr, false}, {"1", true},  {"10", true}, {"0", false},
                          {"2", false},     {"x", false}, {"", false},  {" 1", false}};
    for (const Case& c : cases) {
        MemorySettingsStore store;
        if (c.stored != nullptr) store.values["ShowTips"] = c.stored;
        OpenTips(store, [&c](CTips& d) {
            EXPECT_EQ(d.ShowCheck()->isChecked(), c.ticked) << (c.stored ? c.stored : "(absent)");
            EXPECT_EQ(d.ShowCheck()->text(), QStringLiteral("Do not show this dialog on the start."));
            QTest::keyClick(&d, Qt::Key_Escape);
        });
    }
}

TEST(Tips, CloseAndTheCloseBoxStoreTheBoxButEscDoesNot) {
    struct Case {
        const char* how;
        std::function<void(CTips&)> end;
        int showTipsWrites;
    };
    const Case cases[] = {
        {"Close button", [](CTips& d) { QTest::mouseClick(d.CloseButton(), Qt::LeftButton); }, 1},
        {"Enter", [](CTips& d) { QTest::keyClick(&d, Qt::Key_Return); }, 1},
        {"close box", [](CTips& d) { d.close(); }, 1},
        {"Esc", [](CTips& d) { QTest::keyClick(&d, Qt::Key_Escape); }, 0},
    };
    for (const Case& c : cases) {
        MemorySettingsStore store;
        store.values = {{"ShowTips", "0"}};
        OpenTips(store, [&c](CTips& d) {
            QTest::mouseClick(d.ShowCheck(), Qt::LeftButton);  // tick it
            ASSERT_TRUE(d.ShowCheck()->isChecked());
            c.end(d);
        });
        EXPECT_EQ(ShowTipsWrites(store), c.showTipsWrites) << c.how;
        EXPECT_EQ(store.values["ShowTips"], c.showTipsWrites == 1 ? "1" : "0") << c.how;
    }
}

TEST(Tips, NothingIsReadOrWrittenUntilItShows) {
    MemorySettingsStore store;
    {
        CTips dialog(store, EmbeddedPictures(), nullptr);
        EXPECT_EQ(TestAccess::TipBitmap(dialog), 0);
    }
    EXPECT_TRUE(store.reads.empty());
    EXPECT_TRUE(store.writes.empty());
}

TEST(Tips, PictureAreaStaysClearOfTheControls) {
    MemorySettingsStore store;
    CTips dialog(store, EmbeddedPictures(), nullptr);
    const QRect picture(CTips::kPictureLeft, CTips::kPictureTop, CTips::kPictureWidth, CTips::kPictureHeight);
    EXPECT_TRUE(dialog.rect().contains(picture));
    for (QWidget* control : {static_cast<QWidget*>(dialog.CloseButton()), static_cast<QWidget*>(dialog.NextButton()),
                             static_cast<QWidget*>(dialog.ShowCheck())}) {
        EXPECT_FALSE(control->geometry().intersects(picture)) << control->metaObject()->className();
        EXPECT_TRUE(dialog.rect().contains(control->geometry()));
    }
}

TEST(Tips, SmallFontsGrowTheUnitsLargeOnesAreKept) {
    // A font much smaller than the layout was made for would put the
    // controls over the picture.
    const QSize small = CTips::BaseUnitsClearOfPicture({3, 7});
    EXPECT_GE(small.width() * 336 / 4, 460);
    EXPECT_GE(small.height() * 130 / 8, 205);
    EXPECT_EQ(CTips::BaseUnitsClearOfPicture({8, 16}), QSize(8, 16));
}

}  // namespace
