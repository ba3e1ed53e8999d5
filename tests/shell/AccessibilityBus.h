#pragma once

// The desktop's accessibility bus for black-box tests: a private session bus
// with the accessibility bus launched on it, as a screen reader finds them.

#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QThread>

#include "tests/shell/DesktopRig.h"

namespace desktop {

inline constexpr char kBusLauncher[] = "/usr/libexec/at-spi-bus-launcher";

// Why the desktop with its accessibility bus cannot start here, or empty
// when it can.
inline QString CannotStartTheBus() {
    if (const QString missing = MissingTool(kTools + QStringList{QStringLiteral("dbus-run-session"),
                                                                 QStringLiteral("dbus-send")});
        !missing.isEmpty())
        return missing + QStringLiteral(" is not installed");
    if (!QFileInfo(QLatin1String(kBusLauncher)).isExecutable())
        return QLatin1String(kBusLauncher) + QStringLiteral(" is not installed (at-spi2-core)");
    return {};
}

// A private session bus, ended when this ends, with the accessibility bus
// launched on it.
class AccessibilityBus {
public:
    explicit AccessibilityBus(const QProcessEnvironment& desktop) : m_env(desktop) {
        // The session lives as long as its child, which tells the bus's
        // address and then waits for its input to close.
        m_session.setProcessEnvironment(m_env);
        m_session.start(QStringLiteral("dbus-run-session"),
                        {QStringLiteral("--"), QStringLiteral("sh"), QStringLiteral("-c"),
                         QStringLiteral("echo \"$DBUS_SESSION_BUS_ADDRESS\"; exec cat >/dev/null")});
        QString address;
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 10'000 && !address.endsWith(QLatin1Char('\n'))) {
            if (m_session.waitForReadyRead(500)) address += QString::fromLocal8Bit(m_session.readAllStandardOutput());
            if (m_session.state() == QProcess::NotRunning) break;
        }
        address = address.trimmed();
        if (address.isEmpty()) {
            m_failure = QStringLiteral("dbus-run-session told no bus address");
            return;
        }
        m_env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), address);

        m_launcher.setProcessEnvironment(m_env);
        m_launcher.start(QLatin1String(kBusLauncher), {QStringLiteral("--launch-immediately")});
        // Up once it owns its name on the session bus.
        for (int i = 0; i < 100; ++i) {
            const auto owned =
                Output(QStringLiteral("dbus-send"),
                       {QStringLiteral("--session"), QStringLiteral("--print-reply"),
                        QStringLiteral("--dest=org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                        QStringLiteral("org.freedesktop.DBus.NameHasOwner"), QStringLiteral("string:org.a11y.Bus")},
                       m_env);
            if (owned && owned->contains(QStringLiteral("boolean true"))) return;
            if (m_launcher.state() == QProcess::NotRunning) break;
            QThread::msleep(100);
        }
        m_failure = QStringLiteral("the accessibility bus did not come up: ") +
                    QString::fromLocal8Bit(m_launcher.readAllStandardError());
    }

    ~AccessibilityBus() {
        m_launcher.terminate();
        if (!m_launcher.waitForFinished(3000)) m_launcher.kill();
        m_launcher.waitForFinished();
        m_session.closeWriteChannel();
        if (!m_session.waitForFinished(3000)) m_session.kill();
        m_session.waitForFinished();
    }

    // Empty when both buses are up.
    const QString& Failure() const { return m_failure; }
    // The desktop's environment with the session bus in it.
    const QProcessEnvironment& Environment() const { return m_env; }
    // The same for the game, with Qt's accessibility on from its start.
    QProcessEnvironment GameEnvironment() const {
        QProcessEnvironment environment = m_env;
        environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        environment.insert(QStringLiteral("QT_ACCESSIBILITY"), QStringLiteral("1"));
        return environment;
    }

private:
    QProcessEnvironment m_env;
    QProcess m_session;
    QProcess m_launcher;
    QString m_failure;
};

}  // namespace desktop
