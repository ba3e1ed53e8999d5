// The About box: its texts, and the button that opens the maker's page.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <string>
#include <vector>

#include "dialogs/AboutDlg.h"
#include "platform/fake/MemorySettingsStore.h"
#include "platform/fake/RecordingShellOpen.h"
#include "resources/CommandIds.h"
#include "shell/GameDialogs.h"
#include "tests/dialogs/EmbeddedPictures.h"
#include "tests/dialogs/ModalAnswers.h"

namespace {

using RecordingShell = platform::fake::RecordingShellOpen;

QStringList Labels(const QDialog& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>()) texts << label->text();
    return texts;
}

TEST(AboutDlg, GetMoreGamesOpensTheMakersPageAndStaysOpen) {
    for (bool browserTakesIt : {true, false}) {
        platform::fake::MemorySettingsStore store;
        RecordingShell shell;
        shell.accept = browserTakesIt;
        GameDialogs dialogs(store, shell, EmbeddedPictures());
        ModalAnswers answers;
        answers.Then<CAboutDlg>([](CAboutDlg& d) {
            auto* more = d.ControlAs<QPushButton>(res::IDC_GET_MORE_GAMES);
            ASSERT_NE(more, nullptr);
            EXPECT_EQ(more->text(), QStringLiteral("Get More Games"));
            QTest::mouseClick(more, Qt::LeftButton);
            QTest::mouseClick(more, Qt::LeftButton);
            EXPECT_TRUE(d.isVisible());
            QTest::mouseClick(d.ControlAs<QPushButton>(res::IDOK), Qt::LeftButton);
        });
        dialogs.RunAbout();
        EXPECT_EQ(shell.urls, (std::vector<std::string>(2, "http://www.pellix.com/?FROM_GLIMBLES")));
        EXPECT_TRUE(store.reads.empty());
        EXPECT_TRUE(store.writes.empty());
    }
}

TEST(AboutDlg, ShowsNameVersionAndNoticeAndEnterCloses) {
    RecordingShell shell;
    ModalAnswers answers;
    answers.Then<CAboutDlg>([](CAboutDlg& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("About 2Glimbles"));
        const QStringList texts = Labels(d);
        EXPECT_TRUE(texts.contains(QStringLiteral("2 Glimbles Version 1.5"))) << texts.join('|').toStdString();
        EXPECT_TRUE(texts.contains(QString::fromUtf8(res::kMakersNotice.english)));
        EXPECT_EQ(d.focusWidget(), d.Control(res::IDOK));
        QTest::keyClick(&d, Qt::Key_Return);
    });
    CAboutDlg dialog(shell, EmbeddedPictures(), nullptr);
    EXPECT_EQ(dialog.exec(), QDialog::Accepted);
    EXPECT_TRUE(shell.urls.empty());
}

}  // namespace
