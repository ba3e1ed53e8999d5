// The game on Wayland: a private headless compositor (weston) started by this
// program, and the game built as the program builds it on Qt's Wayland
// platform. Its window is shown fitted to the Tiny board, refitted when the
// size changes to Huge, and a click on a covered tile plays it.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>

#if defined(__SANITIZE_ADDRESS__)
#include <sanitizer/lsan_interface.h>
#endif

#include "engine/Puzzle.h"
#include "engine/TileCode.h"
#include "platform/qt/pictures/EmbeddedFiles.h"
#include "resources/BoardSizes.h"
#include "resources/CommandIds.h"
#include "shell/GameServices.h"
#include "shell/MainFrame.h"
#include "shell/QuelmApp.h"
#include "shell/QuelmView.h"
#include "shell/ViewGeometry.h"

namespace {

constexpr char kSocket[] = "wayland-glimbles";
constexpr int kWaitMs = 20'000;  // for anything the compositor has a part in, on a loaded machine

// Why the game could not be put on Wayland here; empty when it was.
std::string g_unavailable;

// True once `condition` holds, checked every 20 ms for up to `ms`.
template <typename Condition>
bool WaitUntil(Condition condition, int ms) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
}

// weston on the headless back end, drawing with pixman into memory, with its
// socket in `runtimeDir` and all it prints in `log`. It is ended with this
// object, and by the system if this program dies first.
class Compositor {
public:
    Compositor(const QString& runtimeDir, const QString& log) : m_log(log) {
        const QString weston = QStandardPaths::findExecutable(QStringLiteral("weston"));
        if (weston.isEmpty()) {
            m_failure = "weston is not installed";
            return;
        }
        const QByteArray program = QFile::encodeName(weston);
        const QByteArray logFile = QFile::encodeName(log);
        const QByteArray socketArgument = QByteArrayLiteral("--socket=") + kSocket;
        const char* const arguments[] = {program.constData(),
                                         "--backend=headless-backend.so",
                                         "--use-pixman",
                                         "--no-config",
                                         "--width=1280",
                                         "--height=1024",
                                         "--idle-time=0",
                                         socketArgument.constData(),
                                         nullptr};
        const pid_t parent = getpid();
        m_pid = fork();
        if (m_pid == 0) {
            // Only calls that are safe between fork and exec.
            prctl(PR_SET_PDEATHSIG, SIGTERM);
            if (getppid() != parent) _exit(127);
            const int out = open(logFile.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
            if (out >= 0) {
                dup2(out, STDOUT_FILENO);
                dup2(out, STDERR_FILENO);
            }
            execv(program.constData(), const_cast<char* const*>(arguments));
            _exit(127);
        }
        if (m_pid < 0) {
            m_failure = std::string("could not start weston: ") + std::strerror(errno);
            return;
        }

        // Up once its socket takes connections.
        const QByteArray socketPath = QFile::encodeName(runtimeDir + QLatin1Char('/') + QLatin1String(kSocket));
        int status = 0;
        const bool up = WaitUntil(
            [&] {
                if (m_pid > 0 && waitpid(m_pid, &status, WNOHANG) == m_pid) m_pid = -1;
                return m_pid < 0 || Accepts(socketPath);
            },
            kWaitMs);
        if (m_pid < 0) {
            m_failure = "weston ended at start-up: " + Log();
        } else if (!up) {
            m_failure = "weston's socket took no connection within 20 s: " + Log();
        }
    }

    ~Compositor() {
        if (m_pid <= 0) return;
        kill(m_pid, SIGTERM);
        int status = 0;
        if (!WaitUntil([&] { return waitpid(m_pid, &status, WNOHANG) == m_pid; }, 5000)) {
            kill(m_pid, SIGKILL);
            waitpid(m_pid, &status, 0);
        }
    }

    Compositor(const Compositor&) = delete;
    Compositor& operator=(const Compositor&) = delete;

    // Empty when weston is up.
    const std::string& Failure() const { return m_failure; }

private:
    static bool Accepts(const QByteArray& path) {
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        if (static_cast<size_t>(path.size()) >= sizeof(address.sun_path)) return false;
        std::memcpy(address.sun_path, path.constData(), static_cast<size_t>(path.size()));
        const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
        if (fd < 0) return false;
        const bool connected = connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0;
        close(fd);
        return connected;
    }

    std::string Log() const {
        QFile file(m_log);
        if (!file.open(QIODevice::ReadOnly)) return "(no log)";
        return file.readAll().right(2000).toStdString();
    }

    QString m_log;
    pid_t m_pid = -1;
    std::string m_failure;
};

// The game with the program's own services, over a settings file that starts
// it on the Tiny board with the tips already seen, so nothing covers the
// board. The sound module is not looked for: the game is silent.
class Wayland : public ::testing::Test {
protected:
    void SetUp() override {
        if (!g_unavailable.empty()) GTEST_SKIP() << g_unavailable;
        const QString ini = qEnvironmentVariable("XDG_CONFIG_HOME") + QStringLiteral("/Pellix/Glimbles.ini");
        QDir().mkpath(QFileInfo(ini).absolutePath());
        QFile file(ini);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("[General]\nShowTips=1\nSize=8\n");
        file.close();

        m_services = std::make_unique<DesktopServices>(QStringList{});
        m_app = std::make_unique<CQuelmApp>(m_services->View());
        ASSERT_TRUE(m_app->InitInstance());
    }

    void TearDown() override {
        m_app.reset();
        m_services.reset();
        QApplication::processEvents();
    }

    CMainFrame& Frame() const { return *m_app->MainFrame(); }
    CQuelmView& View() const { return *m_app->View(); }
    CPuzzle& Puzzle() const { return *m_app->View()->Puzzle(); }
    QWindow* Window() const { return Frame().windowHandle(); }

    // The area under the menu bar the game fits its window to: W + 4 by
    // Hb + 62 for a board of W by Hb pixels.
    QSize ClientArea() const {
        return {Puzzle().GetBoardWidth() + 2 * view::kEdge, Puzzle().GetBoardHeight() + view::kFrameClientExtra};
    }
    // The window fitted to the board: the menu bar over that area. Qt's own
    // title bar on Wayland lies outside it, in the frame margins.
    QSize FittedSize() const { return ClientArea() + QSize(0, Frame().menuBar()->height()); }
    // The view's picture once it has been drawn for this board: W by Hb + 60.
    QSize PictureSize() const {
        return QSize(Puzzle().GetBoardWidth(), Puzzle().GetBoardHeight() + 60) * View().WindowScale();
    }

    // True once the window is on the compositor's screen at its fitted size
    // and the view has been painted for the board.
    bool ShownFitted() const {
        return Window() != nullptr && Window()->isExposed() && Window()->size() == FittedSize() &&
               Frame().size() == FittedSize() && View().WindowImage().size() == PictureSize();
    }

    void ExpectShownFitted(const char* board) const {
        ASSERT_NE(Window(), nullptr);
        EXPECT_TRUE(Window()->isExposed()) << "the " << board << " window is not on the screen";
        EXPECT_EQ(Frame().centralWidget()->size(), ClientArea()) << board;
        EXPECT_EQ(Window()->size(), FittedSize()) << "the Wayland window is not fitted to " << board;
        EXPECT_EQ(Frame().size(), FittedSize()) << board;
        EXPECT_EQ(View().WindowImage().size(), PictureSize()) << "the view was not drawn for " << board;
    }

    // The menu item that gives `command`, in any menu or submenu.
    QAction* MenuItem(int command) const {
        QList<QAction*> pending = Frame().menuBar()->actions();
        while (!pending.empty()) {
            QAction* action = pending.takeLast();
            if (QMenu* menu = action->menu()) {
                pending += menu->actions();
            } else if (action->data().toInt() == command) {
                return action;
            }
        }
        return nullptr;
    }

    std::unique_ptr<DesktopServices> m_services;
    std::unique_ptr<CQuelmApp> m_app;
};

TEST_F(Wayland, TheWindowOpensFittedToTheTinyBoard) {
    ASSERT_EQ(Puzzle().GetColumns(), 8);
    EXPECT_TRUE(QTest::qWaitFor([this] { return ShownFitted(); }, kWaitMs));
    ExpectShownFitted("Tiny");
    EXPECT_EQ(Window()->title(), QStringLiteral("Glimbles - Glimbles"));
}

TEST_F(Wayland, ASizeChangeRefitsTheWindowToTheHugeBoard) {
    ASSERT_TRUE(QTest::qWaitFor([this] { return ShownFitted(); }, kWaitMs)) << "the Tiny window never showed";
    const QSize tiny = Window()->size();

    QAction* huge = MenuItem(res::kLargestBoard.command);
    ASSERT_NE(huge, nullptr);
    huge->trigger();
    ASSERT_EQ(Puzzle().GetColumns(), 20);
    EXPECT_TRUE(QTest::qWaitFor([this] { return ShownFitted(); }, kWaitMs));
    ExpectShownFitted("Huge");
    EXPECT_GT(Window()->width(), tiny.width());
    EXPECT_GT(Window()->height(), tiny.height());
}

TEST_F(Wayland, AClickOnACoveredTilePlaysIt) {
    ASSERT_TRUE(QTest::qWaitFor([this] { return ShownFitted(); }, kWaitMs)) << "the window never showed";
    const int column = 3;
    const int row = 5;
    ASSERT_TRUE(tile::IsCovered(Puzzle().GetTile(column, row)));
    ASSERT_EQ(Puzzle().GetScore(), 64);
    const int cell = Puzzle().GetCellSize();
    const qreal scale = View().WindowScale();
    const auto picture = [&](QRect logical) {
        return View().WindowImage().copy(
            QRectF(QRectF(logical).topLeft() * scale, QRectF(logical).size() * scale).toAlignedRect());
    };
    const QRect tileRect(column * cell, row * cell, cell, cell);
    const QRect pointsRect = View().Parts()[CQuelmView::kPointsPart].rect();
    const QImage tileBefore = picture(tileRect);
    const QImage pointsBefore = picture(pointsRect);

    QTest::mouseClick(&View(), Qt::LeftButton, Qt::NoModifier, tileRect.center());
    EXPECT_TRUE(QTest::qWaitFor([this] { return Puzzle().GetScore() != 64; }, kWaitMs)) << "the click was not played";
    EXPECT_EQ(Puzzle().GetScore(), 63);
    EXPECT_EQ(View().Parts()[CQuelmView::kPointsPart].value(), 63);
    EXPECT_FALSE(tile::IsCovered(Puzzle().GetTile(column, row)));
    // The window shows it: the tile and the Points counter are drawn anew.
    EXPECT_TRUE(QTest::qWaitFor([&] { return picture(tileRect) != tileBefore; }, kWaitMs))
        << "the uncovered tile was not drawn";
    EXPECT_TRUE(QTest::qWaitFor([&] { return picture(pointsRect) != pointsBefore; }, kWaitMs))
        << "the Points counter was not drawn anew";
    EXPECT_TRUE(Window()->isExposed());
}

}  // namespace

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    // Listing the tests needs no compositor.
    if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();

    // Settings, the runtime folder (only ours may enter it) and the
    // compositor's log in a temporary folder; no sound server.
    QTemporaryDir home;
    if (!home.isValid()) return 2;
    const QString runtime = home.filePath(QStringLiteral("runtime"));
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    qputenv("HOME", QFile::encodeName(home.path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral("config"))));
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime));
    qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(home.filePath(QStringLiteral("none"))));
    qunsetenv("WAYLAND_SOCKET");

    const Compositor compositor(runtime, home.filePath(QStringLiteral("weston.log")));
    std::unique_ptr<QApplication> application;
    g_unavailable = compositor.Failure();
    if (g_unavailable.empty()) {
        qputenv("WAYLAND_DISPLAY", kSocket);
        // Offscreen only when the Wayland plug-in cannot start, so that the
        // tests can say so.
        qputenv("QT_QPA_PLATFORM", "wayland;offscreen");
        QApplication::setApplicationName(QStringLiteral("glimbles"));
        QApplication::setOrganizationName(QStringLiteral("Pellix"));
        QApplication::setDesktopFileName(QStringLiteral("com.pellix.glimbles"));
        application = std::make_unique<QApplication>(argc, argv);
        QApplication::setWindowIcon(platform::qt::EmbeddedFiles::Instance().WindowIcon());
        if (QGuiApplication::platformName() != QLatin1String("wayland"))
            g_unavailable = "Qt's Wayland platform plug-in did not start (got \"" +
                            QGuiApplication::platformName().toStdString() + "\")";
    }
    const int result = RUN_ALL_TESTS();
    if (!application) return result;

    // Qt 6.4's Wayland plug-in can hang for good when the application object
    // is destroyed: the display's event thread waits in wl_display_read_events
    // for a read that no one makes. The games are gone by now, so the program
    // ends here with the application object alive, after removing the
    // temporary folder and checking for leaks (Qt's own state is still
    // reachable then). The compositor is not stopped first, as the plug-in would end
    // the program on the lost connection: the system ends it once this
    // program is gone, as asked for at its start.
    home.remove();
#if defined(__SANITIZE_ADDRESS__)
    __lsan_do_leak_check();
#endif
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(result);
}
