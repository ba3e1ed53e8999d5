#pragma once

// A real X desktop for black-box tests of the game: a private Xvfb display
// with openbox managing it, and the real program started on it with its own
// settings folder. The windows are found and driven with xdotool, read with
// xprop, as a player's desktop would see them.

#include <gtest/gtest.h>

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThread>

#include <memory>
#include <optional>
#include <vector>

namespace desktop {

// The game window's caption when it starts with no file open.
inline constexpr char kCaption[] = "Glimbles - Glimbles";

// The screen's size in pixels.
inline constexpr int kScreenWidth = 1280;
inline constexpr int kScreenHeight = 1024;

// The tools a test needs, or the first one missing.
inline QString MissingTool(const QStringList& tools) {
    for (const QString& tool : tools) {
        if (QStandardPaths::findExecutable(tool).isEmpty()) return tool;
    }
    return {};
}

// Runs `program` to its end and returns what it printed, or nullopt when it
// failed or did not end within 10 s.
inline std::optional<QString> Output(const QString& program, const QStringList& arguments,
                                     const QProcessEnvironment& environment) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    if (!process.waitForFinished(10'000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        process.kill();
        process.waitForFinished();
        return std::nullopt;
    }
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

struct Geometry {
    int x = 0, y = 0, width = 0, height = 0;
};

class Desktop {
public:
    Desktop() {
        if (!m_home.isValid()) return;
        // The display picks a free number and tells it on the given descriptor.
        m_xvfb.start(QStringLiteral("Xvfb"),
                     {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"), QStringLiteral("0"),
                      QStringLiteral("%1x%2x24").arg(kScreenWidth).arg(kScreenHeight), QStringLiteral("-nolisten"),
                      QStringLiteral("tcp")});
        QString number;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 15'000 && !number.endsWith(QLatin1Char('\n'))) {
            if (m_xvfb.waitForReadyRead(500)) number += QString::fromLatin1(m_xvfb.readAllStandardOutput());
        }
        number = number.trimmed();
        if (number.isEmpty()) return;

        QDir(m_home.path()).mkpath(QStringLiteral("runtime"));
        QFile::setPermissions(m_home.filePath(QStringLiteral("runtime")),
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        m_env = QProcessEnvironment();
        m_env.insert(QStringLiteral("PATH"), qEnvironmentVariable("PATH"));
        // The sanitizer run's options (suppressions among them) reach the game too.
        for (const char* name : {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"}) {
            if (qEnvironmentVariableIsSet(name)) m_env.insert(QLatin1String(name), qEnvironmentVariable(name));
        }
        m_env.insert(QStringLiteral("DISPLAY"), QLatin1Char(':') + number);
        m_env.insert(QStringLiteral("HOME"), m_home.path());
        m_env.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_home.filePath(QStringLiteral("runtime")));
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_home.filePath(QStringLiteral("config")));
        m_env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        m_env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + m_home.filePath(QStringLiteral("none")));

        m_wm.setProcessEnvironment(m_env);
        m_wm.start(QStringLiteral("openbox"), {});
        // openbox is up once it has claimed the screen's window manager selection.
        for (int i = 0; i < 100 && !m_ready; ++i) {
            const auto owner = Output(QStringLiteral("xprop"),
                                      {QStringLiteral("-root"), QStringLiteral("_NET_SUPPORTING_WM_CHECK")}, m_env);
            m_ready = owner && owner->contains(QStringLiteral("window id"));
            if (!m_ready) QThread::msleep(100);
        }
    }

    ~Desktop() {
        for (auto& game : m_games) Stop(*game);
        for (QProcess* p : {&m_wm, &m_xvfb}) {
            p->terminate();
            if (!p->waitForFinished(3000)) p->kill();
            p->waitForFinished();
        }
    }

    bool Ready() const { return m_ready; }
    const QProcessEnvironment& Environment() const { return m_env; }
    QString ConfigFile() const { return m_home.filePath(QStringLiteral("config/Pellix/Glimbles.ini")); }

    // Writes the settings file the next game starts with.
    void StoreSettings(const QByteArray& ini) const {
        QDir().mkpath(QFileInfo(ConfigFile()).absolutePath());
        QFile file(ConfigFile());
        if (file.open(QIODevice::WriteOnly)) file.write(ini);
    }

    // Starts the game, in this desktop's environment unless another is given;
    // with `limits`, under prlimit with those options, which runs the game in
    // its own process.
    QProcess& StartGame(const QProcessEnvironment& environment, const QStringList& limits = {}) {
        m_games.push_back(std::make_unique<QProcess>());
        QProcess& game = *m_games.back();
        game.setProcessEnvironment(environment);
        if (limits.isEmpty()) {
            game.start(QStringLiteral(GLIMBLES_PROGRAM), {});
        } else {
            game.start(QStringLiteral("prlimit"),
                       limits + QStringList{QStringLiteral("--"), QStringLiteral(GLIMBLES_PROGRAM)});
        }
        game.waitForStarted();
        return game;
    }
    QProcess& StartGame() { return StartGame(m_env); }

    // The id of the visible window of `game` whose title is `title`, waiting
    // up to 20 s for it to show; 0 when it never does.
    unsigned long WaitForWindow(const QProcess& game, const QString& title) const {
        for (int i = 0; i < 200; ++i) {
            const auto found = Output(QStringLiteral("xdotool"),
                                      {QStringLiteral("search"), QStringLiteral("--all"),
                                       QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                       QString::number(game.processId()), QStringLiteral("--name"),
                                       QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$')},
                                      m_env);
            if (found && !found->trimmed().isEmpty()) return found->split(QLatin1Char('\n')).first().toULong();
            QThread::msleep(100);
        }
        return 0;
    }

    // The window's place on the screen and its size, as the desktop sees them.
    std::optional<Geometry> GeometryOf(unsigned long window) const {
        const auto text = Output(QStringLiteral("xdotool"),
                                 {QStringLiteral("getwindowgeometry"), QString::number(window)}, m_env);
        if (!text) return std::nullopt;
        static const QRegularExpression pattern(QStringLiteral(R"(Position: (-?\d+),(-?\d+).*Geometry: (\d+)x(\d+))"),
                                                QRegularExpression::DotMatchesEverythingOption);
        const QRegularExpressionMatch m = pattern.match(*text);
        if (!m.hasMatch()) return std::nullopt;
        return Geometry{m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt()};
    }

    // The window's frame, its decorations included, where the window manager
    // put it on the screen. (xdotool's position of a decorated window is off
    // by the decorations' width and height.)
    std::optional<Geometry> FrameOf(unsigned long window) const {
        const auto text = Output(QStringLiteral("xwininfo"), {QStringLiteral("-id"), QString::number(window)}, m_env);
        if (!text) return std::nullopt;
        static const QRegularExpression inside(
            QStringLiteral(
                R"(Absolute upper-left X:\s+(-?\d+).*Absolute upper-left Y:\s+(-?\d+).*Width: (\d+).*Height: (\d+))"),
            QRegularExpression::DotMatchesEverythingOption);
        static const QRegularExpression edges(QStringLiteral(R"(= (\d+), (\d+), (\d+), (\d+))"));
        const QRegularExpressionMatch m = inside.match(*text);
        const QRegularExpressionMatch e = edges.match(Property(window, QStringLiteral("_NET_FRAME_EXTENTS")));
        if (!m.hasMatch() || !e.hasMatch()) return std::nullopt;
        const int left = e.captured(1).toInt(), right = e.captured(2).toInt();
        const int top = e.captured(3).toInt(), bottom = e.captured(4).toInt();
        return Geometry{m.captured(1).toInt() - left, m.captured(2).toInt() - top, m.captured(3).toInt() + left + right,
                        m.captured(4).toInt() + top + bottom};
    }

    // Runs xdotool with `arguments`; true when it succeeded.
    bool Xdotool(const QStringList& arguments) const {
        return Output(QStringLiteral("xdotool"), arguments, m_env).has_value();
    }

    // What xprop tells of the window's property `name`.
    QString Property(unsigned long window, const QString& name) const {
        return Output(QStringLiteral("xprop"), {QStringLiteral("-id"), QString::number(window), name}, m_env)
            .value_or(QString());
    }

    // Ends the game and returns what it printed on standard error.
    static QByteArray Stop(QProcess& game) {
        if (game.state() != QProcess::NotRunning) {
            game.terminate();
            if (!game.waitForFinished(5000)) game.kill();
            game.waitForFinished();
        }
        return game.readAllStandardError();
    }

private:
    QTemporaryDir m_home;
    QProcess m_xvfb;
    QProcess m_wm;
    QProcessEnvironment m_env;
    std::vector<std::unique_ptr<QProcess>> m_games;
    bool m_ready = false;
};

// The tools of the desktop; a test without them is skipped.
inline const QStringList kTools = {QStringLiteral("Xvfb"), QStringLiteral("openbox"), QStringLiteral("xdotool"),
                                   QStringLiteral("xprop"), QStringLiteral("xwininfo")};

}  // namespace desktop
