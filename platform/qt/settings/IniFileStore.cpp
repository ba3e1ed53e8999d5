#include "platform/qt/settings/IniFileStore.h"

#include <QAbstractEventDispatcher>
#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>
#include <utility>
#include <vector>

#include "platform/qt/Text.h"
#include "platform/qt/settings/IniText.h"
#include "platform/qt/settings/SettingsFile.h"

namespace platform::qt {
namespace {

// Where the file lives below the user's configuration folder: the
// organisation's folder and the application's name.
constexpr char kUserFile[] = "Pellix/Glimbles.ini";
constexpr char kConfigBelowHome[] = ".config";  // used when XDG_CONFIG_HOME is unusable

// How long a save waits for another copy's save before it keeps its changes
// for later: the window waits meanwhile. A save holds the lock a few
// milliseconds, that of a store of many groups some tens.
constexpr std::chrono::milliseconds kLockWait{100};
// How soon kept changes try again.
constexpr std::chrono::milliseconds kRetryInterval{250};
// How long kept changes wait for the lock when the store goes; a lock held
// longer belongs to a copy that hangs, and they are dropped.
constexpr std::chrono::milliseconds kLastLockWait{10000};

// A key as the file names it: parts joined by single slashes, none at either end.
QString NormalizedKey(std::string_view key) {
    return ToQString(key).split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

}  // namespace

IniFileStore::IniFileStore() : IniFileStore(UserFileName()) {}

IniFileStore::IniFileStore(QString iniFile) : m_fileName(std::move(iniFile)) {
    m_retry.setSingleShot(true);
    m_retry.setInterval(kRetryInterval);
    m_retry.callOnTimeout([this] {
        if (!SaveKept(kLockWait)) RetryLater();
    });
    if (m_fileName.isEmpty()) return;
    m_fileName = QFileInfo(m_fileName).absoluteFilePath();
    settings_file::RemoveStaleTemporaries(m_fileName);
}

IniFileStore::~IniFileStore() {
    if (!m_kept.empty()) SaveKept(kLastLockWait);
}

QString IniFileStore::UserFileName() {
    // A relative XDG_CONFIG_HOME is ignored, as the XDG rules ask.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome)) {
        return QDir::cleanPath(configHome + QLatin1Char('/') + QLatin1String(kUserFile));
    }
    // An empty or relative HOME names no home: the file never lands below
    // whatever folder the game was started in.
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty() || !QDir::isAbsolutePath(home)) return {};
    return QDir::cleanPath(home + QLatin1Char('/') + QLatin1String(kConfigBelowHome) + QLatin1Char('/') +
                           QLatin1String(kUserFile));
}

std::optional<std::string> IniFileStore::Read(std::string_view key) {
    const QString normalized = NormalizedKey(key);
    if (m_fileName.isEmpty() || normalized.isEmpty()) return std::nullopt;
    const auto kept = std::find_if(m_kept.begin(), m_kept.end(),
                                   [&normalized](const ini::Change& change) { return change.key == normalized; });
    if (kept != m_kept.end()) return kept->text.toStdString();
    const std::optional<QByteArray> contents = settings_file::Read(m_fileName);
    if (!contents) return std::nullopt;
    return ini::FindText(*contents, normalized);
}

void IniFileStore::WriteAll(std::span<const SettingsChange> changes) {
    if (m_fileName.isEmpty()) return;
    bool any = false;
    for (const SettingsChange& change : changes) {
        QString key = NormalizedKey(change.key);
        if (key.isEmpty()) continue;
        any = true;
        const auto kept = std::find_if(m_kept.begin(), m_kept.end(),
                                       [&key](const ini::Change& earlier) { return earlier.key == key; });
        if (kept != m_kept.end()) {
            kept->text = ToQString(change.text);
        } else {
            m_kept.push_back({std::move(key), ToQString(change.text)});
        }
    }
    if (any && !SaveKept(kLockWait)) RetryLater();
}

bool IniFileStore::SaveKept(std::chrono::milliseconds lockWait) {
    // A file with syntax errors is written over: its readable keys are kept, the rest dropped.
    const settings_file::SaveResult result = settings_file::Save(m_fileName, lockWait, [this](QByteArrayView current) {
        return ini::Merge(current, m_kept);
    });
    if (result == settings_file::SaveResult::kBusy) return false;
    m_kept.clear();  // saved, or failed for good: a failed save is dropped
    m_retry.stop();
    return true;
}

void IniFileStore::RetryLater() {
    // Without an event loop in this thread the timer could never fire: the
    // changes then wait for the next write or for the store to go.
    if (QAbstractEventDispatcher::instance() != nullptr) m_retry.start();
}

}  // namespace platform::qt
