#include "platform/qt/settings/IniFileStore.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

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

// A key as the file names it: parts joined by single slashes, none at either end.
QString NormalizedKey(std::string_view key) {
    return ToQString(key).split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

}  // namespace

IniFileStore::IniFileStore() : IniFileStore(UserFileName()) {}

IniFileStore::IniFileStore(QString iniFile) : m_fileName(std::move(iniFile)) {
    if (m_fileName.isEmpty()) return;
    m_fileName = QFileInfo(m_fileName).absoluteFilePath();
    settings_file::RemoveStaleTemporaries(m_fileName);
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
    const std::optional<QByteArray> contents = settings_file::Read(m_fileName);
    if (!contents) return std::nullopt;
    return ini::FindText(*contents, normalized);
}

void IniFileStore::WriteAll(std::span<const SettingsChange> changes) {
    if (m_fileName.isEmpty()) return;
    std::vector<ini::Change> normalized;
    normalized.reserve(changes.size());
    for (const SettingsChange& change : changes) {
        QString key = NormalizedKey(change.key);
        if (!key.isEmpty()) normalized.push_back({std::move(key), ToQString(change.text)});
    }
    if (normalized.empty()) return;
    // A file with syntax errors is written over: its readable keys are kept, the rest dropped.
    settings_file::Save(m_fileName, [&normalized](QByteArrayView current) { return ini::Merge(current, normalized); });
}

}  // namespace platform::qt
