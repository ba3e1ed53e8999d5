// A won game's result recorded through the real name prompt, with the sounds
// the engine plays; and where the dialogs open.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QMainWindow>
#include <QTest>

#include <string>
#include <vector>

#include "dialogs/BestResultsDlg.h"
#include "dialogs/BitmapButton.h"
#include "dialogs/GetNameDlg.h"
#include "engine/Puzzle.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingShellOpen.h"
#include "platform/fake/RecordingSurface.h"
#include "resources/CommandIds.h"
#include "shell/GameDialogs.h"
#include "tests/dialogs/EmbeddedPictures.h"
#include "tests/dialogs/ModalAnswers.h"

namespace {

using platform::fake::Event;
using platform::fake::MemorySettingsStore;

struct DialogsRig {
    DialogsRig() { puzzle.Init(8, 8, 8); }
    std::vector<std::string> Sounds() const {
        std::vector<std::string> names;
        for (const Event& e : log.events) {
            if (e.kind == Event::Kind::Sound) names.push_back(e.sound);
        }
        return names;
    }
    platform::fake::EventLog log;
    platform::fake::RecordingSound sound{log};
    platform::fake::FixedTickSource ticks{3};
    CPuzzle puzzle{sound, ticks};
    MemorySettingsStore store;
    platform::fake::RecordingShellOpen shell;
    GameDialogs dialogs{store, shell, EmbeddedPictures()};
};

void TypeAndConfirm(CGetNameDlg& d, const QString& name) {
    d.NameEdit()->setFocus();
    d.NameEdit()->selectAll();
    QTest::keyClicks(d.NameEdit(), name);
    QTest::mouseClick(d.ControlAs<CBitmapButton>(res::IDOK), Qt::LeftButton);
}

TEST(GameDialogsRecordResult, FirstResultAsksTheNameAfterBest) {
    DialogsRig rig;
    ModalAnswers answers;
    answers.Then<CGetNameDlg>([&rig](CGetNameDlg& d) {
        EXPECT_EQ(rig.Sounds(), std::vector<std::string>{"BEST"}) << "BEST plays before the prompt";
        EXPECT_EQ(d.NameEdit()->text(), QStringLiteral("    "));
        EXPECT_EQ(d.accessibleDescription(), QStringLiteral("Points 57, a place among the best results"))
            << "a screen reader hears the points with the prompt";
        TypeAndConfirm(d, QStringLiteral("Anna"));
    });
    rig.dialogs.RecordResult(rig.puzzle, 8, 8, 8, 57);
    EXPECT_EQ(rig.Sounds(), std::vector<std::string>{"BEST"});
    EXPECT_EQ(rig.store.values["8_8_8_0/Rez"], "57");
    EXPECT_EQ(rig.store.values["8_8_8_0/Name"], "Anna");
    EXPECT_EQ(rig.store.values["LasName"], "Anna");
    EXPECT_EQ(rig.store.values["8_8_8_9/Rez"], "0");
}

TEST(GameDialogsRecordResult, SoundOffStillAsksButPlaysNothing) {
    DialogsRig rig;
    rig.puzzle.SetSoundOff(1);
    ModalAnswers answers;
    answers.Then<CGetNameDlg>([](CGetNameDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); });
    rig.dialogs.RecordResult(rig.puzzle, 8, 8, 8, 12);
    EXPECT_TRUE(rig.Sounds().empty());
    EXPECT_EQ(rig.store.values["8_8_8_0/Name"], "    ");
    EXPECT_EQ(rig.store.values["LasName"], "    ");
}

TEST(GameDialogsRecordResult, UnnamedEntryMovedDownAsksAgainWithTheNewName) {
    DialogsRig rig;
    rig.store.values = {{"8_8_8_0/Rez", "30"}, {"8_8_8_0/Name", ""}, {"LasName", "Old"}};
    ModalAnswers answers;
    answers
        .Then<CGetNameDlg>([](CGetNameDlg& d) {
            EXPECT_EQ(d.NameEdit()->text(), QStringLiteral("Old"));
            TypeAndConfirm(d, QStringLiteral("Anna"));
        })
        .Then<CGetNameDlg>([](CGetNameDlg& d) {
            EXPECT_EQ(d.NameEdit()->text(), QStringLiteral("Anna"));
            d.close();  // the close box keeps the offered name
        });
    rig.dialogs.RecordResult(rig.puzzle, 8, 8, 8, 40);
    EXPECT_EQ(rig.Sounds(), (std::vector<std::string>{"BEST", "BEST"}));
    EXPECT_EQ(rig.store.values["8_8_8_0/Name"], "Anna");
    EXPECT_EQ(rig.store.values["8_8_8_1/Rez"], "30");
    EXPECT_EQ(rig.store.values["8_8_8_1/Name"], "Anna");
    EXPECT_EQ(rig.store.values["LasName"], "Anna");
}

TEST(GameDialogs, DialogsOpenCentredOverTheMainWindow) {
    DialogsRig rig;
    QMainWindow main;
    main.setGeometry(200, 150, 700, 600);
    main.show();
    main.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    EXPECT_EQ(GameDialogs::Owner(), &main);

    ModalAnswers answers;
    answers.Then<CBestResultsDlg>([&main](CBestResultsDlg& d) {
        EXPECT_EQ(d.parentWidget(), &main);
        const QPoint offset = d.frameGeometry().center() - main.frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
        QTest::mouseClick(d.ControlAs<CBitmapButton>(res::IDOK), Qt::LeftButton);
    });
    rig.dialogs.RunBestResults(rig.puzzle);
    EXPECT_TRUE(rig.store.writes.empty());
}

}  // namespace
