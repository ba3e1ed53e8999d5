#pragma once

// A screen reader on a test's desktop, as a blind player runs one: Orca with
// a home of its own, speaking through speech-dispatcher, which runs on a
// private PulseAudio server with a null sink. The speech-dispatcher's output
// module writes each utterance it is given to a file, a line each, instead of
// speaking it, so speech never waits. Orca's own debug output tells what Orca
// said too ("SPEECH OUTPUT:" lines), complete once Orca has ended: Orca
// writes it through a buffer.

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QStringList>
#include <QTemporaryDir>
#include <QThread>

#include <unistd.h>

#include <string>
#include <utility>

#include "PulseRig.h"
#include "tests/shell/DesktopRig.h"

namespace orca_rig {

// Why Orca cannot be run here (a program missing), or empty when it can.
inline QString Missing() {
    if (const QString missing = desktop::MissingTool({QStringLiteral("orca"), QStringLiteral("speech-dispatcher")});
        !missing.isEmpty())
        return missing + QStringLiteral(" is not installed (Debian: orca, speech-dispatcher)");
    if (!QFileInfo(QStringLiteral("/usr/lib/speech-dispatcher-modules/sd_generic")).isExecutable())
        return QStringLiteral("speech-dispatcher's generic output module is not installed");
    if (const std::string missing = pulse_rig::Missing(); !missing.empty()) return QString::fromStdString(missing);
    return {};
}

class ScreenReader {
public:
    // Starts the sound server, speech-dispatcher and Orca on the desktop of
    // `desktop` (its environment with the session bus in it), and waits for
    // Orca's first words.
    explicit ScreenReader(const QProcessEnvironment& desktop) : m_env(desktop) {
        if (!m_dir.isValid()) {
            m_failure = QStringLiteral("cannot make a temporary folder");
            return;
        }
        std::string error;
        if (!m_sound.Start(error)) {
            m_failure = QString::fromStdString(error);
            return;
        }
        for (const char* folder : {"home", "speechd/modules", "speechd-log"}) QDir(m_dir.path()).mkpath(folder);
        WriteFile(QStringLiteral("speechd/speechd.conf"),
                  "AddModule \"rig\" \"sd_generic\" \"rig.conf\"\nDefaultModule rig\n");
        // $DATA comes quoted and with its own quotes escaped by the module, in
        // UTF-8 rather than the module's default Latin-1; an utterance is cut
        // into pieces only at a delimiter, and "~" is none of the game's.
        WriteFile(QStringLiteral("speechd/modules/rig.conf"),
                  R"(GenericExecuteSynth "printf '%s\\n' \'$DATA\' >> )" + Path("spoken.txt").toUtf8() +
                      "\"\nGenericDelimiters \"~\"\nGenericLanguage \"en\" \"en\" \"utf-8\"\n"
                      "AddVoice \"en\" \"MALE1\" \"rig\"\n");

        const QString home = Path("home");
        m_env.insert(QStringLiteral("HOME"), home);
        m_env.insert(QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
        m_env.insert(QStringLiteral("XDG_DATA_HOME"), home + QStringLiteral("/.local/share"));
        m_env.insert(QStringLiteral("XDG_CACHE_HOME"), home + QStringLiteral("/.cache"));
        m_env.insert(QStringLiteral("PULSE_SERVER"), QString::fromStdString(m_sound.Address()));
        m_env.insert(QStringLiteral("SPEECHD_ADDRESS"), QStringLiteral("unix_socket:") + Path("speechd.sock"));

        m_speech.setProcessEnvironment(m_env);
        m_speech.setProcessChannelMode(QProcess::MergedChannels);
        m_speech.start(QStringLiteral("speech-dispatcher"),
                       {QStringLiteral("--run-single"), QStringLiteral("--timeout"), QStringLiteral("0"),
                        QStringLiteral("--config-dir"), Path("speechd"), QStringLiteral("--communication-method"),
                        QStringLiteral("unix_socket"), QStringLiteral("--socket-path"), Path("speechd.sock"),
                        QStringLiteral("--log-dir"), Path("speechd-log")});
        if (!WaitUntil([this] { return QFileInfo::exists(Path("speechd.sock")); }, 10'000)) {
            m_failure = QStringLiteral("speech-dispatcher did not open its socket: ") +
                        QString::fromLocal8Bit(m_speech.readAll());
            return;
        }

        // Orca refuses to start while another of the same user runs.
        if (const auto others = desktop::Output(QStringLiteral("pgrep"),
                                                {QStringLiteral("-u"), QString::number(getuid()), QStringLiteral("-x"),
                                                 QStringLiteral("orca")},
                                                m_env)) {
            m_failure = QStringLiteral("another Orca of this user is running: ") + others->simplified();
            return;
        }
        m_orca.setProcessEnvironment(m_env);
        m_orca.setProcessChannelMode(QProcess::MergedChannels);
        m_orca.start(QStringLiteral("orca"), {QStringLiteral("--debug-file=") + Path("orca.log")});
        if (!WaitUntil([this] { return !Heard().isEmpty() || m_orca.state() == QProcess::NotRunning; }, 30'000) ||
            Heard().isEmpty()) {
            m_orca.waitForFinished(1000);
            m_failure = QStringLiteral("Orca did not speak: ") + QString::fromLocal8Bit(m_orca.readAll());
        }
    }

    ~ScreenReader() { Stop(); }

    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    // Empty once Orca has spoken; why it has not otherwise.
    const QString& Failure() const { return m_failure; }

    // Ends Orca, which writes the rest of its debug output, and the speech
    // server.
    void Stop() {
        for (QProcess* p : {&m_orca, &m_speech}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            if (!p->waitForFinished(5000)) p->kill();
            p->waitForFinished();
        }
    }

    // Every utterance the speech server was given so far.
    QStringList Heard() const {
        QFile spoken(Path("spoken.txt"));
        if (!spoken.open(QIODevice::ReadOnly)) return {};
        QStringList heard;
        while (!spoken.atEnd()) heard << QString::fromUtf8(spoken.readLine()).trimmed();
        return heard;
    }

    // Every utterance of Orca's debug output, its lines kept.
    QStringList Logged() const {
        QFile log(Path("orca.log"));
        if (!log.open(QIODevice::ReadOnly)) return {};
        // "12:28:26.533982 - SPEECH OUTPUT: 'space ' {'established': False}",
        // and a line at a time while Orca reads a whole page:
        // "DEFAULT SAY ALL: [label | ] 'Glimbles, small and shy...' (133-198, current: 133)".
        static const QRegularExpression said(QStringLiteral(R"(- SPEECH OUTPUT: '(.*)' ?\{.*\}$)"));
        static const QRegularExpression sayAll(QStringLiteral(R"(SAY ALL: \[.*\] '(.*)' \(\d+-\d+.*\)$)"));
        // An utterance of several lines goes on up to the line that ends it.
        static const QRegularExpression begun(QStringLiteral(R"(- SPEECH OUTPUT: '(.*)$)"));
        static const QRegularExpression ended(QStringLiteral(R"(^(.*)' ?\{.*\}$)"));
        QStringList logged;
        QStringList open;  // the lines of an utterance not yet ended
        while (!log.atEnd()) {
            const QString line = QString::fromUtf8(log.readLine()).trimmed();
            if (const QRegularExpressionMatch m = said.match(line); m.hasMatch()) {
                logged << m.captured(1).trimmed();
            } else if (const QRegularExpressionMatch a = sayAll.match(line); a.hasMatch()) {
                logged << a.captured(1).trimmed();
            } else if (const QRegularExpressionMatch b = begun.match(line); b.hasMatch()) {
                open = {b.captured(1)};
            } else if (!open.isEmpty()) {
                const QRegularExpressionMatch e = ended.match(line);
                open << (e.hasMatch() ? e.captured(1) : line);
                if (e.hasMatch()) logged << std::exchange(open, {}).join(QLatin1Char('\n')).trimmed();
            }
        }
        return logged;
    }

    // The first utterance heard after the first `from` that matches
    // `pattern`, waiting up to `ms` for it; empty when none came.
    QString WaitFor(const QRegularExpression& pattern, qsizetype from, int ms) const {
        QString found;
        WaitUntil(
            [&] {
                const QStringList heard = Heard();
                for (qsizetype i = from; i < heard.size() && found.isEmpty(); ++i)
                    if (pattern.match(heard[i]).hasMatch()) found = heard[i];
                return !found.isEmpty();
            },
            ms);
        return found;
    }

    // What was heard, a line each, for failure messages.
    QString Transcript() const { return Heard().join(QLatin1Char('\n')); }

private:
    QString Path(const char* name) const { return m_dir.filePath(QLatin1String(name)); }
    void WriteFile(const QString& name, const QByteArray& text) const {
        QFile file(m_dir.filePath(name));
        if (file.open(QIODevice::WriteOnly)) file.write(text);
    }
    template <typename Done>
    static bool WaitUntil(Done done, int ms) {
        QElapsedTimer waited;
        waited.start();
        while (!done()) {
            if (waited.elapsed() > ms) return false;
            QThread::msleep(100);
        }
        return true;
    }

    QTemporaryDir m_dir;
    pulse_rig::Server m_sound;
    QProcessEnvironment m_env;
    QProcess m_speech;  // ended after Orca, which speaks as it ends
    QProcess m_orca;
    QString m_failure;
};

}  // namespace orca_rig
