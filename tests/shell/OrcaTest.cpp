// The real program with a real screen reader: Orca, started by the test on a
// private desktop with its accessibility bus, speaks what a move from the
// keyboard did and, on G, the points and the glimbles left. Each utterance is
// awaited at the speech server and found in Orca's own log at the end.
#include <gtest/gtest.h>

#include <QRegularExpression>

#include "tests/shell/AccessibilityBus.h"
#include "tests/shell/DesktopRig.h"
#include "tests/shell/OrcaRig.h"

namespace {

constexpr int kWaitMs = 20'000;

QRegularExpression Whole(const char* pattern) {
    return QRegularExpression(QLatin1Char('^') + QLatin1String(pattern) + QLatin1Char('$'));
}

TEST(ScreenReader, OrcaSpeaksWhatAMoveDidAndTheStatusOnG) {
    if (const QString why = desktop::CannotStartTheBus(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    if (const QString why = orca_rig::Missing(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    desktop::Desktop screen;
    if (!screen.Ready()) GTEST_SKIP() << "the X display or openbox did not start";
    screen.StoreSettings("[General]\nShowTips=1\nSize=8\nNumber=8\n");
    const desktop::AccessibilityBus bus(screen.Environment());
    ASSERT_TRUE(bus.Failure().isEmpty()) << bus.Failure().toStdString();
    orca_rig::ScreenReader orca(bus.Environment());
    if (!orca.Failure().isEmpty()) GTEST_SKIP() << "Orca cannot start here: " << orca.Failure().toStdString();

    QProcessEnvironment environment = bus.Environment();
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    environment.insert(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("1"));
    QProcess& game = screen.StartGame(environment);
    const unsigned long window = screen.WaitForWindow(game, desktop::kCaption);
    ASSERT_NE(window, 0u) << "the game showed no window";
    ASSERT_TRUE(screen.Xdotool({"windowactivate", "--sync", QString::number(window)}));
    ASSERT_FALSE(orca.WaitFor(Whole(R"(Glimbles - Glimbles\b.*)"), 0, kWaitMs).isEmpty())
        << "Orca never presented the game's window:\n"
        << orca.Transcript().toStdString();

    // Each key, and what Orca says to it.
    struct Step {
        const char* key;
        const char* said;
    };
    const Step steps[] = {
        {"space", R"(column 1, row 1, covered\.)"},  // shows the cursor on its tile
        {"space", R"((Glimble found|Empty), \d+ on its lines\. Points 63\. Glimbles left: [78]\.)"},
        {"g", R"(Points 63\. Glimbles left: [78]\.)"},
    };
    QStringList said;
    for (const Step& step : steps) {
        const qsizetype before = orca.Heard().size();
        ASSERT_TRUE(screen.Xdotool({"key", step.key}));
        said << orca.WaitFor(Whole(step.said), before, kWaitMs);
        EXPECT_FALSE(said.last().isEmpty())
            << "after " << step.key << " Orca did not say " << step.said << "; it said:\n"
            << orca.Heard().mid(before).join(QLatin1Char('\n')).toStdString();
    }
    EXPECT_EQ(game.state(), QProcess::Running);
    desktop::Desktop::Stop(game);
    orca.Stop();
    const QStringList logged = orca.Logged();
    for (const QString& words : said)
        EXPECT_TRUE(logged.contains(words)) << "not in Orca's log: " << words.toStdString();
}

}  // namespace
