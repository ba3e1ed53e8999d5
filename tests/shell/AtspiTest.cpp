// The real program read through the desktop's accessibility bus, as a screen
// reader reads it: a private session bus with its accessibility bus, the game
// on Xvfb with openbox, and read_tree.py asking the bus what the board holds
// before and after a move played from the keyboard.
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QSet>
#include <QTranslator>

#include "shell/Language.h"
#include "tests/shell/AccessibilityBus.h"
#include "tests/shell/DesktopRig.h"

namespace {

using desktop::AccessibilityBus;
using desktop::kCaption;

// A python3 that has the accessibility bus's bindings, or empty. Debian's own
// comes first: another python3 earlier on the PATH may lack them.
QString PythonWithBindings() {
    QStringList candidates = {QStringLiteral("/usr/bin/python3")};
    if (const QString onPath = QStandardPaths::findExecutable(QStringLiteral("python3")); !onPath.isEmpty())
        candidates << onPath;
    for (const QString& python : candidates) {
        if (QFileInfo(python).isExecutable() &&
            desktop::Output(python, {QStringLiteral("-c"), QStringLiteral("import pyatspi")},
                            QProcessEnvironment::systemEnvironment()))
            return python;
    }
    return {};
}

// What read_tree.py found, as tab-separated fields per line.
struct Reading {
    bool complete = false;  // every awaited line was found
    QList<QStringList> lines;
    QString text;

    QList<QStringList> All(const QString& kind) const {
        QList<QStringList> found;
        for (const QStringList& line : lines)
            if (line.first() == kind) found << line;
        return found;
    }
    // The value of the counter named by `word` and its number ("Points 63"),
    // or empty when none reads so.
    QString Counter(const QString& word) const {
        for (const QStringList& line : All(QStringLiteral("counter")))
            if (line.size() == 3 && line[1] == word + QLatin1Char(' ') + line[2]) return line[2];
        return {};
    }
    QString CellName(int index) const {
        for (const QStringList& line : All(QStringLiteral("cell")))
            if (line.size() == 6 && line[1].toInt() == index) return line[5];
        return {};
    }
};

// Reads the game's board until the reading has every line of `until`, for
// up to `seconds`.
Reading Read(const QString& python, const QProcessEnvironment& environment, qint64 pid, const QStringList& until,
             int seconds, const QStringList& options = {}) {
    QStringList arguments = {QStringLiteral(GLIMBLES_READ_TREE), QString::number(pid), QStringLiteral("--timeout"),
                             QString::number(seconds)};
    arguments << options;
    for (const QString& line : until) arguments << QStringLiteral("--until") << line;
    QProcess reader;
    reader.setProcessEnvironment(environment);
    reader.start(python, arguments);
    Reading reading;
    if (!reader.waitForFinished((seconds + 10) * 1000)) {
        reader.kill();
        reader.waitForFinished();
        reading.text = QStringLiteral("read_tree.py did not end");
        return reading;
    }
    reading.complete = reader.exitStatus() == QProcess::NormalExit && reader.exitCode() == 0;
    reading.text = QString::fromUtf8(reader.readAllStandardOutput()) + QString::fromUtf8(reader.readAllStandardError());
    for (const QString& line : reading.text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        reading.lines << line.split(QLatin1Char('\t'));
    return reading;
}

// Why the accessibility bus cannot be read here, or empty when it can.
QString CannotReadTheBus() {
    if (QString why = desktop::CannotStartTheBus(); !why.isEmpty()) return why;
    if (PythonWithBindings().isEmpty()) return QStringLiteral("no python3 with pyatspi (python3-pyatspi)");
    return {};
}

TEST(AccessibilityBridge, AScreenReaderReadsTheBoardAndTheMoveAKeyPlays) {
    if (const QString why = CannotReadTheBus(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    const QString python = PythonWithBindings();

    desktop::Desktop screen;
    if (!screen.Ready()) GTEST_SKIP() << "the X display or openbox did not start";
    screen.StoreSettings("[General]\nShowTips=1\nSize=8\nNumber=8\n");
    const AccessibilityBus bus(screen.Environment());
    ASSERT_TRUE(bus.Failure().isEmpty()) << bus.Failure().toStdString();

    QProcess& game = screen.StartGame(bus.GameEnvironment());
    const unsigned long window = screen.WaitForWindow(game, kCaption);
    ASSERT_NE(window, 0u) << "the game showed no window";

    // The board as the game starts.
    const Reading start = Read(python, bus.Environment(), game.processId(), {"counter\tPoints 64\t64"}, 15);
    ASSERT_TRUE(start.complete) << start.text.toStdString();
    ASSERT_EQ(start.All("pane").size(), 1);
    EXPECT_EQ(start.All("pane").first().value(2), "2") << "the board and the status strip";
    EXPECT_EQ(start.All("strip"), QList<QStringList>({{"strip", "3"}})) << "two counters and the notice";
    EXPECT_EQ(start.All("table"), QList<QStringList>({{"table", "Board, 8 by 8 tiles", "8", "8", "64"}}));
    static const QRegularExpression tileName(
        QStringLiteral(R"(^column ([1-8]), row ([1-8]), (covered|(glimble found, )?\d+ on its lines)$)"));
    QSet<QString> names;
    for (const QStringList& cell : start.All("cell")) {
        ASSERT_EQ(cell.size(), 6);
        const QRegularExpressionMatch m = tileName.match(cell[5]);
        EXPECT_TRUE(m.hasMatch()) << "cell " << cell[1].toStdString() << ": " << cell[5].toStdString();
        // Row by row, each cell in its own place and with the table as its parent.
        EXPECT_EQ(m.captured(1).toInt(), cell[3].toInt() + 1) << cell[5].toStdString();
        EXPECT_EQ(m.captured(2).toInt(), cell[2].toInt() + 1) << cell[5].toStdString();
        EXPECT_EQ(cell[4], "Board, 8 by 8 tiles") << cell[5].toStdString();
        names << cell[5];
    }
    EXPECT_EQ(names.size(), 64) << start.text.toStdString();
    EXPECT_EQ(start.CellName(0), "column 1, row 1, covered");
    EXPECT_EQ(start.All("at"), QList<QStringList>({{"at", "0", "0", "column 1, row 1, covered"},
                                                   {"at", "7", "7", "column 8, row 8, covered"}}));
    EXPECT_EQ(start.Counter("Glimbles"), "8");
    EXPECT_TRUE(start.All("missing").isEmpty()) << start.text.toStdString();
    EXPECT_TRUE(start.All("focused").isEmpty()) << "a tile has the focus before the cursor shows";

    // The first Space shows the cursor on the top-left tile, which the game
    // tells as that cell gaining the focus, and plays nothing.
    ASSERT_TRUE(screen.Xdotool({"windowactivate", "--sync", QString::number(window)}));
    QProcess listener;
    listener.setProcessEnvironment(bus.Environment());
    listener.start(python,
                   {GLIMBLES_READ_TREE, QString::number(game.processId()), "--focus-events", "--timeout", "15"});
    ASSERT_TRUE(listener.waitForStarted());
    QString heard;
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 15'000 && !heard.contains("listening\n") && listener.state() == QProcess::Running)
        if (listener.waitForReadyRead(200)) heard += QString::fromUtf8(listener.readAllStandardOutput());
    ASSERT_TRUE(heard.contains("listening\n")) << QString::fromUtf8(listener.readAllStandardError()).toStdString();
    ASSERT_TRUE(screen.Xdotool({"key", "space"}));
    ASSERT_TRUE(listener.waitForFinished(15'000));
    heard += QString::fromUtf8(listener.readAllStandardOutput());
    EXPECT_TRUE(heard.contains("\nfocus\tcolumn 1, row 1, covered\n")) << "no focus event for the cursor's cell:\n"
                                                                       << heard.toStdString();
    const Reading shown = Read(python, bus.Environment(), game.processId(), {}, 5);
    EXPECT_EQ(shown.Counter("Points"), "64") << "the first key played a tile";
    EXPECT_EQ(shown.CellName(0), "column 1, row 1, covered");

    ASSERT_TRUE(screen.Xdotool({"key", "space"}));
    const Reading played = Read(python, bus.Environment(), game.processId(), {"counter\tPoints 63\t63"}, 10);
    EXPECT_TRUE(played.complete) << "Points did not read 63 after the move:\n" << played.text.toStdString();
    EXPECT_TRUE(tileName.match(played.CellName(0)).hasMatch()) << played.CellName(0).toStdString();
    EXPECT_NE(played.CellName(0), "column 1, row 1, covered") << "the played tile still reads covered";
    static const QRegularExpression notice(QStringLiteral(R"(^(Glimble found|Empty), \d+ on its lines\. )"
                                                          R"(Points 63\. Glimbles left: [78]\.$)"));
    EXPECT_TRUE(notice.match(played.All("notice").value(0).value(1)).hasMatch()) << played.text.toStdString();

    EXPECT_EQ(game.state(), QProcess::Running);
    desktop::Desktop::Stop(game);
}

// Reads the names of every object of the game's windows until each line of
// `until` ("ROLE\tNAME") is among them.
Reading ReadNames(const QString& python, const QProcessEnvironment& environment, qint64 pid, const QStringList& until) {
    QStringList arguments{QStringLiteral("--names")};
    for (const QString& line : until) arguments << QStringLiteral("--until") << line;
    return Read(python, environment, pid, until, 15, arguments);
}

// A catalogue text as a translation shows it in a menu or on a button: its
// access key's mark and a menu item's shortcut left out.
QString Shown(const QTranslator& language, const char* context, const char* english) {
    return language.translate(context, english).section(QLatin1Char('\t'), 0, 0).remove(QLatin1Char('&'));
}

TEST(AccessibilityBridge, AGermanDesktopGetsTheGameAndQtsOwnDialogsInGerman) {
    if (const QString why = CannotReadTheBus(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    const QString python = PythonWithBindings();
    QTranslator german;
    ASSERT_TRUE(german.load(TranslationFile(QStringLiteral("de"))));
    QTranslator qtGerman;
    if (!qtGerman.load(QStringLiteral("qtbase_de"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        GTEST_SKIP() << "Qt's German translation is not installed (qt6-translations-l10n)";

    desktop::Desktop screen;
    if (!screen.Ready()) GTEST_SKIP() << "the X display or openbox did not start";
    screen.StoreSettings("[General]\nShowTips=0\nSize=8\nNumber=8\n");
    const AccessibilityBus bus(screen.Environment());
    ASSERT_TRUE(bus.Failure().isEmpty()) << bus.Failure().toStdString();
    QProcessEnvironment environment = bus.GameEnvironment();
    environment.insert(QStringLiteral("LANG"), QStringLiteral("de_DE.UTF-8"));
    QProcess& game = screen.StartGame(environment);
    const unsigned long window = screen.WaitForWindow(game, kCaption);
    ASSERT_NE(window, 0u) << "the game showed no window";

    // The menu bar, the strip and the tips that open at the start.
    const QStringList start{"menu item\t" + Shown(german, "Menu bar", "Game"),
                            "menu item\t" + Shown(german, "Menu bar", "Options"),
                            "label\t" + Shown(german, "Screen reader", "Points %1").arg(64),
                            "dialog\t" + Shown(german, "Tips dialog", "Tips for 2Glimbles"),
                            "push button\t" + Shown(german, "Tips dialog", "Next Tip")};
    const Reading opened = ReadNames(python, bus.Environment(), game.processId(), start);
    EXPECT_TRUE(opened.complete) << opened.text.toStdString();

    // Qt's own Open dialog speaks German too.
    ASSERT_TRUE(screen.Xdotool({"key", "Escape"}));
    ASSERT_TRUE(screen.Xdotool({"windowactivate", "--sync", QString::number(window)}));
    ASSERT_TRUE(screen.Xdotool({"key", "ctrl+o"}));
    const QStringList open{"dialog\t" + Shown(german, "File dialogs", "Open"),
                           "push button\t" + Shown(qtGerman, "QPlatformTheme", "Cancel")};
    const Reading file = ReadNames(python, bus.Environment(), game.processId(), open);
    EXPECT_TRUE(file.complete) << file.text.toStdString();
    EXPECT_EQ(game.state(), QProcess::Running);
    desktop::Desktop::Stop(game);
}

}  // namespace
