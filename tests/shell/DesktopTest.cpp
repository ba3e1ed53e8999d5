// The real program on a real X desktop with a window manager: where its
// window opens, that a size change keeps its corner, where the manual opens,
// and that normal play prints nothing.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <cstdlib>

#include "tests/shell/DesktopRig.h"

namespace {

using desktop::kCaption;

// Skips the test when the desktop's tools are missing or it did not start.
#define REQUIRE_DESKTOP(screen)                                                                \
    do {                                                                                       \
        if (const QString missing = desktop::MissingTool(desktop::kTools); !missing.isEmpty()) \
            GTEST_SKIP() << missing.toStdString() << " is not installed";                      \
        if (!(screen).Ready()) GTEST_SKIP() << "the X display or openbox did not start";       \
    } while (false)

TEST(Desktop, TheWindowManagerPlacesEachNewWindow) {
    desktop::Desktop screen;
    REQUIRE_DESKTOP(screen);
    screen.StoreSettings("[General]\nShowTips=1\n");

    std::vector<desktop::Geometry> places;
    for (int copy = 0; copy < 2; ++copy) {
        QProcess& game = screen.StartGame();
        const unsigned long window = screen.WaitForWindow(game, kCaption);
        ASSERT_NE(window, 0u) << "copy " << copy << " showed no window";
        // The game asks for no place of its own: the window manager chooses.
        EXPECT_FALSE(screen.Property(window, "WM_NORMAL_HINTS").contains("location"))
            << screen.Property(window, "WM_NORMAL_HINTS").toStdString();
        const auto at = screen.GeometryOf(window);
        ASSERT_TRUE(at.has_value());
        places.push_back(*at);
    }
    EXPECT_FALSE(places[0].x == places[1].x && places[0].y == places[1].y)
        << "the second copy opened exactly on top of the first, at " << places[0].x << ", " << places[0].y;
}

TEST(Desktop, ASizeChangeKeepsTheTopLeftCorner) {
    desktop::Desktop screen;
    REQUIRE_DESKTOP(screen);
    screen.StoreSettings("[General]\nShowTips=1\nSize=20\nNumber=20\n");
    QProcess& game = screen.StartGame();
    const unsigned long window = screen.WaitForWindow(game, kCaption);
    ASSERT_NE(window, 0u);
    const auto huge = screen.GeometryOf(window);
    ASSERT_TRUE(huge.has_value());

    // Options > Set Size > Tiny, from the keyboard.
    ASSERT_TRUE(screen.Xdotool({"windowactivate", "--sync", QString::number(window)}));
    for (const char* key : {"alt", "Right", "Down", "Right", "Return"}) {
        ASSERT_TRUE(screen.Xdotool({"key", key}));
        QThread::msleep(150);
    }
    std::optional<desktop::Geometry> tiny;
    for (int i = 0; i < 100; ++i) {
        tiny = screen.GeometryOf(window);
        if (tiny && tiny->width < huge->width) break;
        QThread::msleep(100);
    }
    ASSERT_TRUE(tiny.has_value());
    EXPECT_LT(tiny->width, huge->width) << "the size command did not reach the game";
    EXPECT_EQ(tiny->x, huge->x);
    EXPECT_EQ(tiny->y, huge->y);
}

// The help window opens by the game: to its right, to its left or on it,
// whichever the screen has room for, and never off the screen.
TEST(Desktop, TheManualOpensByTheGameAndOnTheScreen) {
    enum class By { Right, Left, On };
    const struct {
        const char* game;
        int x, y;  // where the game is moved
        By help;
    } cases[] = {
        // The first opening, before the help window's own frame is known.
        {"at the right edge, low", desktop::kScreenWidth - 340, desktop::kScreenHeight - 440, By::Left},
        {"at the left edge", 1, 80, By::Right},
        {"in the middle", desktop::kScreenWidth / 2 - 170, 300, By::On},
    };
    desktop::Desktop screen;
    REQUIRE_DESKTOP(screen);
    screen.StoreSettings("[General]\nShowTips=1\n");
    QProcess& game = screen.StartGame();
    const unsigned long window = screen.WaitForWindow(game, kCaption);
    ASSERT_NE(window, 0u);
    for (const auto& c : cases) {
        ASSERT_TRUE(screen.Xdotool({"windowmove", "--sync", QString::number(window), QString::number(c.x),
                                    QString::number(c.y)}));
        ASSERT_TRUE(screen.Xdotool({"windowactivate", "--sync", QString::number(window)}));
        ASSERT_TRUE(screen.Xdotool({"key", "F1"}));
        const unsigned long help = screen.WaitForWindow(game, "2Glimbles Help");
        ASSERT_NE(help, 0u) << c.game;
        // Where the help window stands once it has found its place: at the
        // first opening it moves a little when its own frame becomes known.
        std::optional<desktop::Geometry> g, h;
        bool onScreen = false;
        int off = 0;  // from the side it should touch, or from the game's middle
        for (int i = 0; i < 30 && !(onScreen && off == 0); ++i) {
            QThread::msleep(i == 0 ? 0 : 100);
            g = screen.FrameOf(window);
            h = screen.FrameOf(help);
            if (!g || !h) continue;
            onScreen = h->x >= 0 && h->y >= 0 && h->x + h->width <= desktop::kScreenWidth &&
                       h->y + h->height <= desktop::kScreenHeight;
            off = c.help == By::Right  ? h->x - (g->x + g->width)
                  : c.help == By::Left ? g->x - (h->x + h->width)
                                       : std::abs((h->x + h->width / 2) - (g->x + g->width / 2));
        }
        ASSERT_TRUE(g && h);
        EXPECT_TRUE(onScreen) << c.game << ": off the screen at " << h->x << ", " << h->y << ", " << h->width << " x "
                              << h->height;
        EXPECT_EQ(off, 0) << c.game << ": not in its place; the game at " << g->x << ", " << g->y << ", " << g->width
                          << " x " << g->height << ", the manual at " << h->x << ", " << h->y;
        screen.Xdotool({"windowactivate", "--sync", QString::number(help)});
        screen.Xdotool({"key", "Escape"});
        for (int i = 0; i < 100 && screen.Xdotool({"search", "--all", "--onlyvisible", "--pid",
                                                   QString::number(game.processId()), "--name", "^2Glimbles Help$"});
             ++i) {
            QThread::msleep(100);
        }
    }
}

TEST(Desktop, NormalPlayPrintsNothing) {
    desktop::Desktop screen;
    REQUIRE_DESKTOP(screen);
    screen.StoreSettings("[General]\nShowTips=1\n");
    // No launcher for web pages on this desktop, and no sound server.
    QTemporaryDir emptyPath;
    QProcessEnvironment environment = screen.Environment();
    environment.insert("PATH", emptyPath.path());
    QProcess& game = screen.StartGame(environment);
    const unsigned long window = screen.WaitForWindow(game, kCaption);
    ASSERT_NE(window, 0u);

    ASSERT_TRUE(screen.Xdotool({"windowactivate", "--sync", QString::number(window)}));
    for (const char* tile : {"20", "60", "100", "140"}) {
        EXPECT_TRUE(screen.Xdotool({"mousemove", "--window", QString::number(window), tile, tile, "click", "1"}));
        QThread::msleep(200);
    }
    // The manual opens in the game's own window, with no browser to be had.
    EXPECT_TRUE(screen.Xdotool({"key", "F1"}));
    const unsigned long help = screen.WaitForWindow(game, "2Glimbles Help");
    EXPECT_NE(help, 0u) << "no help window";
    if (help != 0) {
        screen.Xdotool({"windowactivate", "--sync", QString::number(help)});
        for (const char* key : {"Tab", "Return", "Escape"}) {  // follows its first link, then closes
            screen.Xdotool({"key", key});
            QThread::msleep(200);
        }
        EXPECT_FALSE(screen.Xdotool({"search", "--all", "--onlyvisible", "--pid", QString::number(game.processId()),
                                     "--name", "^2Glimbles Help$"}))
            << "Esc left the help window open";
    }
    QThread::msleep(300);
    EXPECT_EQ(game.state(), QProcess::Running);

    // Game > Exit, from the keyboard.
    screen.Xdotool({"windowactivate", "--sync", QString::number(window)});
    for (const char* key : {"alt", "Down", "Up", "Return"}) {
        EXPECT_TRUE(screen.Xdotool({"key", key}));
        QThread::msleep(150);
    }
    EXPECT_TRUE(game.waitForFinished(10'000)) << "Exit did not end the game";
    EXPECT_EQ(game.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game.exitCode(), 0);
    EXPECT_EQ(desktop::Desktop::Stop(game).toStdString(), "");
}

}  // namespace
