#pragma once
// Shared by the settings store tests: a scratch folder per test, file helpers,
// the helper process (also under a file-size limit), and (from
// ObeyFilePermissions.h) a guard under which even root obeys file permissions.

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

#include <sys/resource.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <csignal>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tests/platform/ObeyFilePermissions.h"

namespace settings_rig {

// QProcess wants an application object; the tests run without a window.
inline void EnsureApplication() {
    static int argc = 1;
    static char name[] = "settings_tests";
    static char* argv[] = {name, nullptr};
    if (QCoreApplication::instance() == nullptr) new QCoreApplication(argc, argv);
}

// A path as the system calls take it.
inline QByteArray Local(const QString& path) { return QFile::encodeName(path); }

inline QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

inline void WriteFile(const QString& path, const QByteArray& contents) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(contents), contents.size());
}

// A scratch folder that holds one settings file, "Glimbles.ini".
class ScratchFolder {
public:
    ScratchFolder() { EXPECT_TRUE(m_dir.isValid()); }
    QString Path() const { return m_dir.path(); }
    QString File() const { return m_dir.filePath("Glimbles.ini"); }

private:
    QTemporaryDir m_dir;
};

// A second copy of the store in its own process (settings_store_helper serve).
class HelperStore {
public:
    // How long an answer may take before the helper counts as hung.
    static constexpr int kAnswerWaitMs = 30000;
    static constexpr int kCannotLimit = 125;  // the helper's exit code when the limit cannot be set

    // `fileSizeLimit`: the helper runs under that limit on the files it
    // writes, with SIGXFSZ ignored, so a write past it fails with EFBIG.
    explicit HelperStore(const QString& file, const QProcessEnvironment& env = QProcessEnvironment::systemEnvironment(),
                         std::optional<rlim_t> fileSizeLimit = std::nullopt) {
        EnsureApplication();
        m_process.setProcessEnvironment(env);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        if (fileSizeLimit) {
            m_process.setChildProcessModifier([limit = *fileSizeLimit] {
                const rlimit size{limit, limit};
                if (setrlimit(RLIMIT_FSIZE, &size) != 0) _exit(kCannotLimit);
                std::signal(SIGXFSZ, SIG_IGN);  // kept across exec
            });
        }
        m_process.start(GLIMBLES_SETTINGS_HELPER, {"serve", file});
        m_started = m_process.waitForStarted();
        EXPECT_TRUE(m_started) << "cannot start the helper";
    }
    ~HelperStore() {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(kAnswerWaitMs)) m_process.kill();
        m_process.waitForFinished();
    }
    HelperStore(const HelperStore&) = delete;
    HelperStore& operator=(const HelperStore&) = delete;

    void Write(const std::string& key, const std::string& text) { WriteAll({{key, text}}); }
    // All the changes in one save.
    void WriteAll(const std::vector<std::pair<std::string, std::string>>& changes) {
        std::string command = "W";
        for (const auto& [key, text] : changes) {
            command += " " + key + " " + QByteArray::fromStdString(text).toHex().toStdString();
        }
        EXPECT_EQ(Ask(command), "ok");
    }
    std::optional<std::string> Read(const std::string& key) {
        const std::string answer = Ask("R " + key);
        if (answer.rfind('V', 0) == 0) {  // "V hex"; an empty text is "V" alone
            return QByteArray::fromHex(QByteArray::fromStdString(answer.substr(1))).toStdString();
        }
        EXPECT_EQ(answer, "A");
        return std::nullopt;
    }

private:
    std::string Ask(const std::string& command) {
        if (!m_started) return {};
        m_process.write(QByteArray::fromStdString(command + "\n"));
        m_process.waitForBytesWritten();
        while (!m_process.canReadLine()) {
            if (!m_process.waitForReadyRead(kAnswerWaitMs)) {
                ADD_FAILURE() << "the helper gave no answer to \"" << command << '"';
                m_process.kill();
                m_started = false;
                return {};
            }
        }
        return m_process.readLine().trimmed().toStdString();
    }

    QProcess m_process;
    bool m_started = false;
};

}  // namespace settings_rig
