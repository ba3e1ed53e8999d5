// The main window in another language: every menu, every name a screen reader
// reads and the help window's buttons come through translation, and the
// pictures with words are drawn in it.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include "engine/TileCode.h"
#include "platform/fake/RecordingShellOpen.h"
#include "platform/qt/pictures/EmbeddedFiles.h"
#include "resources/Pictures.h"
#include "resources/ResourceIds.h"
#include "shell/HelpWindow.h"
#include "shell/Language.h"
#include "shell/PicturesInLanguage.h"
#include "shell/ViewAccessible.h"
#include "tests/TestAccess.h"
#include "tests/fakes/PseudoLanguage.h"
#include "tests/shell/ShellRig.h"

namespace {

void ExpectTranslated(const QList<QAction*>& actions, const QString& where) {
    for (QAction* action : actions) {
        if (action->isSeparator() || action->text().isEmpty()) continue;  // a key alone, with no words
        const QString text = action->text();
        EXPECT_TRUE(PseudoLanguage::IsPseudo(text)) << where.toStdString() << ": " << text.toStdString();
        if (QMenu* menu = action->menu()) ExpectTranslated(menu->actions(), where + " > " + text);
    }
}

TEST(TranslatedWindow, MenusAndSpokenNamesComeThroughTranslation) {
    const PseudoLanguageInstalled pseudo;
    ShellRig rig;
    rig.Start();
    const QList<QAction*> bar = rig.Frame().menuBar()->actions();
    ASSERT_FALSE(bar.isEmpty());
    ExpectTranslated(bar, QStringLiteral("menu bar"));
    const QAction* newGame = bar.front()->menu()->actions().front();
    EXPECT_EQ(newGame->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_N)) << "the shortcut stays";

    QAccessibleInterface* view = QAccessible::queryAccessibleInterface(&rig.View());
    ASSERT_NE(view, nullptr);
    // The board, and the two counters within the (unnamed) status strip.
    QAccessibleInterface* strip = view->child(1);
    ASSERT_NE(strip, nullptr);
    for (QAccessibleInterface* part : {view->child(0), strip->child(0), strip->child(1)}) {
        const QString name = part->text(QAccessible::Name);
        EXPECT_TRUE(PseudoLanguage::IsPseudo(name) && name.contains(QRegularExpression(QStringLiteral("\\d"))))
            << name.toStdString();
    }
    for (const int code : {0, tile::Empty(2), tile::Found(1)}) {
        const QString said = DescribeTile(2, 4, code);
        EXPECT_TRUE(PseudoLanguage::IsPseudo(said) && said.contains('3') && said.contains('5')) << said.toStdString();
    }
    for (const QString& said : {DescribeOutcome(tile::Found(1)), DescribeOutcome(tile::Empty(0)), DescribeStatus(63, 7),
                                DescribeWin(40, true), DescribeWin(40, false)}) {
        EXPECT_TRUE(PseudoLanguage::IsPseudo(said) && !said.contains('%')) << said.toStdString();
    }

    platform::fake::RecordingShellOpen shell;
    const HelpWindow help(shell, nullptr);
    ExpectTranslated(help.findChildren<QAction*>(), QStringLiteral("help window"));
}

TEST(TranslatedWindow, EveryLanguagesMenuBarFitsTheSmallestBoard) {
    for (const QString& code : ShippedLanguages()) {
        const SpokenLanguage language(code);
        ShellRig rig;
        rig.settings.values = {{"Size", "8"}, {"ShowTips", "1"}};
        rig.Start();
        rig.Frame().show();
        QApplication::processEvents();
        QMenuBar* bar = rig.Frame().menuBar();
        const int top = bar->actionGeometry(bar->actions().front()).top();
        for (QAction* title : bar->actions()) {
            const QRect at = bar->actionGeometry(title);
            EXPECT_TRUE(bar->rect().contains(at) && at.top() == top)
                << code.toStdString() << ": " << title->text().toStdString() << " off the bar's one line";
        }
    }
}

TEST(TranslatedWindow, PicturesWithWordsAreDrawnInTheLanguage) {
    auto& files = platform::qt::EmbeddedFiles::Instance();
    const QImage english = *files.Bitmap(res::IDB_OK);
    const QImage panel = *files.Bitmap(res::IDB_STATUS_PANEL);
    {
        const PseudoLanguageInstalled pseudo;
        ASSERT_TRUE(DrawPicturesInLanguage()) << "the DejaVu faces are missing";
        for (const int id : {res::IDB_OK, res::IDB_POINTS_LABEL, res::IDB_TIP_FIRST}) {
            for (const int fineness : {1, 2, 3}) {
                const QImage* drawn = files.Bitmap(id, fineness);
                ASSERT_NE(drawn, nullptr) << id;
                EXPECT_EQ(drawn->size(), QSize(res::FindPicture(id)->width, res::FindPicture(id)->height) * fineness);
            }
        }
        EXPECT_NE(*files.Bitmap(res::IDB_OK), english) << "the OK button still reads in English";
        EXPECT_EQ(*files.Bitmap(res::IDB_STATUS_PANEL), panel) << "a picture without words stays as it is";
    }
    files.DrawInstead({});
    EXPECT_EQ(*files.Bitmap(res::IDB_OK), english);
}

}  // namespace
