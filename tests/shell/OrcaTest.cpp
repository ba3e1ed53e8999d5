// The real program with a real screen reader: Orca, started by the test on a
// private desktop with its accessibility bus, speaks what a move from the
// keyboard did, the points and the glimbles left on G, the end of a game won
// by keys alone, the numbers and words of the dialogs, and the manual. Each utterance is
// awaited at the speech server and found in Orca's own log at the end.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include <algorithm>
#include <memory>
#include <set>
#include <utility>

#include "resources/TipTexts.h"
#include "tests/shell/AccessibilityBus.h"
#include "tests/shell/DesktopRig.h"
#include "tests/shell/OrcaRig.h"

namespace {

constexpr int kWaitMs = 20'000;
constexpr int kBoard = 8;  // the board the tests play, its tiles counted from 1 as Orca says them

QRegularExpression Whole(const QString& pattern) {
    return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

// The game with Orca on a desktop of its own, the settings given stored.
class SpokenGame {
public:
    // Why it could not start, for a skip, or empty when it runs.
    QString Start(const QByteArray& settings) {
        if (QString why = desktop::CannotStartTheBus(); !why.isEmpty()) return why;
        if (QString why = orca_rig::Missing(); !why.isEmpty()) return why;
        if (!m_screen.Ready()) return QStringLiteral("the X display or openbox did not start");
        m_screen.StoreSettings(settings);
        m_bus = std::make_unique<desktop::AccessibilityBus>(m_screen.Environment());
        if (!m_bus->Failure().isEmpty()) return QStringLiteral("no accessibility bus: ") + m_bus->Failure();
        m_orca = std::make_unique<orca_rig::ScreenReader>(m_bus->Environment());
        if (!m_orca->Failure().isEmpty()) return QStringLiteral("Orca cannot start here: ") + m_orca->Failure();

        m_game = &m_screen.StartGame(m_bus->GameEnvironment());
        return {};
    }

    // Brings the window up and waits until Orca has presented it; false when
    // it never did.
    bool Present() {
        const unsigned long window = m_screen.WaitForWindow(*m_game, desktop::kCaption);
        return window != 0 && m_screen.Xdotool({"windowactivate", "--sync", QString::number(window)}) &&
               !m_orca->WaitFor(Whole(QStringLiteral(R"(Glimbles - Glimbles\b.*)")), 0, kWaitMs).isEmpty();
    }

    // Presses `keys` (xdotool's names, several at once) and returns the
    // first utterance after them that is `pattern` whole, or empty when none
    // came.
    QString Say(const QStringList& keys, const QString& pattern) {
        m_keys = keys.join(QLatin1Char(' '));
        m_since = m_orca->Heard().size();
        QStringList arguments{QStringLiteral("key")};
        arguments << keys;
        if (!m_screen.Xdotool(arguments)) return {};
        return Then(pattern);
    }

    // The first utterance since the last keys, after any found for them so
    // far, that is `pattern` whole; empty when none came.
    QString Then(const QString& pattern) {
        QString said = m_orca->WaitFor(Whole(pattern), m_since, kWaitMs);
        if (said.isEmpty()) m_missed << m_keys + QStringLiteral(": ") + pattern;
        else m_said << said;
        m_since = std::max(m_since, m_orca->Heard().indexOf(said, m_since) + 1);
        return said;
    }

    // Ends the game and Orca; what went wrong on the way, or empty.
    QString Stop() {
        QStringList wrong = m_missed;
        if (m_game->state() != QProcess::Running) wrong << QStringLiteral("the game ended by itself");
        desktop::Desktop::Stop(*m_game);
        m_orca->Stop();
        const QStringList logged = m_orca->Logged();
        // An utterance of several lines is heard a line at a time.
        for (const QString& words : std::as_const(m_said)) {
            if (std::none_of(logged.begin(), logged.end(), [&words](const QString& utterance) {
                    return utterance.split(QLatin1Char('\n')).contains(words);
                }))
                wrong << QStringLiteral("not in Orca's log: ") + words;
        }
        if (!m_missed.isEmpty()) wrong << QStringLiteral("Orca said:\n") + m_orca->Transcript();
        return wrong.join(QLatin1Char('\n'));
    }

private:
    desktop::Desktop m_screen;
    std::unique_ptr<desktop::AccessibilityBus> m_bus;
    std::unique_ptr<orca_rig::ScreenReader> m_orca;
    QProcess* m_game = nullptr;
    QString m_keys;         // the keys pressed last
    qsizetype m_since = 0;  // the first utterance not yet awaited since them
    QStringList m_said;     // each utterance awaited and heard
    QStringList m_missed;   // each one awaited in vain, with its keys
};

// What a click on the board says: the tile, then the points and glimbles
// left, or the win.
const QString kOutcome = QStringLiteral(
    R"((Glimble found|Empty), (\d+) on its lines\. )"
    R"((Points (\d+)\. Glimbles left: \d+\.|Won! Points: \d+, (enough|too few) for a place in the best results\. .*))");

TEST(ScreenReader, OrcaSpeaksEveryMoveTheStatusOnGAndAGameWonByKeys) {
    SpokenGame game;
    if (const QString why = game.Start("[General]\nShowTips=1\nSize=8\nNumber=4\n"); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(game.Present()) << game.Stop().toStdString();

    // Space shows the cursor on its tile; the status on G.
    EXPECT_FALSE(game.Say({"space"}, QStringLiteral(R"(column 1, row 1, covered\.)")).isEmpty());
    EXPECT_FALSE(game.Say({"g"}, QStringLiteral(R"(Points 64\. Glimbles left: 4\.)")).isEmpty());

    // Sweeps the board row by row, each way in turn, until the game is won:
    // a found tile is clicked again while it still gives glimbles, and a tile
    // that sees none on its lines rules them all out.
    std::set<std::pair<int, int>> ruledOut;
    int column = 1;
    int row = 1;
    bool won = false;
    QString endedWith;  // the win as said
    for (int y = 1; y <= kBoard && !won; ++y) {
        for (int i = 1; i <= kBoard && !won; ++i) {
            const int x = y % 2 == 1 ? i : kBoard + 1 - i;
            if (ruledOut.count({x, y}) != 0) continue;
            QStringList moves;
            for (; row < y; ++row) moves << QStringLiteral("Down");
            for (; column < x; ++column) moves << QStringLiteral("Right");
            for (; column > x; --column) moves << QStringLiteral("Left");
            if (!moves.isEmpty()) {
                ASSERT_FALSE(game.Say(moves, QStringLiteral("column %1, row %2, covered\\.").arg(x).arg(y)).isEmpty())
                    << game.Stop().toStdString();
            }
            int pointsBefore = -1;
            for (;;) {
                const QRegularExpressionMatch said = Whole(kOutcome).match(game.Say({"space"}, kOutcome));
                ASSERT_TRUE(said.hasMatch()) << game.Stop().toStdString();
                won = said.captured(3).startsWith(QStringLiteral("Won"));
                if (won) endedWith = said.captured(3);
                const int points = said.captured(4).toInt();
                if (won || said.captured(1) == QStringLiteral("Empty") || points == pointsBefore) {
                    if (said.captured(2) == QStringLiteral("0")) {
                        for (int k = 1; k <= kBoard; ++k) {
                            for (const auto& tile :
                                 {std::pair{k, y}, std::pair{x, k}, std::pair{k, y - x + k}, std::pair{k, y + x - k}})
                                ruledOut.insert(tile);
                        }
                    }
                    break;
                }
                pointsBefore = points;  // a glimble found: the tile may hold another
            }
        }
    }
    ASSERT_TRUE(won) << "the board was swept without a win\n" << game.Stop().toStdString();

    // A positive result earns a place in the empty table: the name prompt
    // says the points with its question, and Enter takes the name offered.
    // (A sweep that ran out of points earns none and is asked nothing.)
    if (!endedWith.startsWith(QStringLiteral("Won! Points: 0,")) && !endedWith.contains(QStringLiteral("too few"))) {
        EXPECT_FALSE(game.Then(QStringLiteral(R"(Enter your name dialog Points \d+, a place among the best results\.)"))
                         .isEmpty());
        EXPECT_FALSE(game.Say({"Return"}, QStringLiteral(R"(.*\. Won! Points: \d+, enough for a place .*)")).isEmpty())
            << "the win was not said again after the prompt";
    }
    const QString wrong = game.Stop();
    EXPECT_TRUE(wrong.isEmpty()) << wrong.toStdString();
}

TEST(ScreenReader, OrcaSpeaksTheCountPickersNumbersTheTipsTheBestResultsAndTheManual) {
    SpokenGame game;
    if (const QString why = game.Start("[General]\nShowTips=1\nSize=8\nNumber=4\n"
                                       "[8_8_4_0]\nRez=56\nName=Jo\n[8_8_4_1]\nRez=40\nName=Ann Lee\n");
        !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    ASSERT_TRUE(game.Present()) << game.Stop().toStdString();

    QStringList titles;
    for (const res::TipText& tip : res::kTipTexts)
        titles << QRegularExpression::escape(QString::fromUtf8(tip.title.English()));
    const QString tip = QStringLiteral("Tips for 2Glimbles dialog (%1)").arg(titles.join(QLatin1Char('|')));

    struct Step {
        QStringList keys;
        QString said;
        QString thenSaid = {};  // said next, apart
    };
    const Step steps[] = {
        // Options, Number of Glimbles: the number has the focus as a spin
        // button, with its range; each step says the new number.
        {{"F10", "Right", "Down", "Return"}, R"(Number of Glimbles 4 spin button\.)", R"(minimum 4, maximum 8\.)"},
        {{"Right"}, "5"},
        {{"Up"}, "6"},
        {{"Left"}, "5"},
        {{"Escape"}, R"(Game board panel\.)"},
        // Game, Show Tips: a tip is read as the dialog opens, and another at
        // Next Tip.
        {{"F10", "Down", "Down", "Return"}, tip},
        {{"Tab"}, R"(Next Tip push button\.)"},
        {{"space"}, tip},
        {{"Escape"}, R"(Game board panel\.)"},
        // Help, Best Results: the caption and each place taken, as it opens.
        {{"F10", "Left", "Down", "Down", "Return"},
         R"(Best Results dialog Best results, 8 × 8 board, 4 glimbles 1\. Jo, points 56 2\. Ann Lee, points 40\.)"},
        {{"Escape"}, R"(Game board panel\.)"},
        // F1, then Orca's Say All: the manual is read from its top.
        // Say All once the page has the focus, which Orca presents after the
        // window (Qt makes a text browser a label).
        {{"F1"}, R"(2Glimbles Help\.)", R"(label\.)"},
        {{"KP_Add"}, R"(Glimbles, small and shy, hide under the tiles of a square board\.)"},
    };
    QStringList tipsHeard;
    for (const Step& step : steps) {
        const QString said = game.Say(step.keys, step.said);
        if (step.said == tip) tipsHeard << said;
        if (!step.thenSaid.isEmpty()) game.Then(step.thenSaid);
    }
    ASSERT_EQ(tipsHeard.size(), 2);
    EXPECT_NE(tipsHeard[0], tipsHeard[1]) << "Next Tip read the same tip again";
    const QString wrong = game.Stop();
    EXPECT_TRUE(wrong.isEmpty()) << wrong.toStdString();
}

}  // namespace
