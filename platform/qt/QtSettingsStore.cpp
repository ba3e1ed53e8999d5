#include "platform/qt/QtSettingsStore.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStringList>
#include <QTemporaryFile>
#include <QVariant>

#include <utility>

namespace platform::qt {
namespace {

// Where the file lives below the user's configuration folder: the
// organisation's folder and the application's name.
constexpr char kUserFile[] = "Pellix/Glimbles.ini";
constexpr char kConfigBelowHome[] = ".config";  // used when XDG_CONFIG_HOME is unusable
// The INI section that holds the keys without a group.
constexpr char kGeneralSection[] = "General";

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// A key as QSettings keeps it: parts joined by single slashes, none at either end.
QString NormalizedKey(const QString& key) {
    return key.split(QLatin1Char('/'), Qt::SkipEmptyParts).join(QLatin1Char('/'));
}

// The text of `key` exactly as its line in the file holds it: everything
// after the first "=", without the white space around it. Used for values
// that QSettings would turn into something other than one text (a list at
// the commas, or an "@Type(...)" value). Like QSettings, the last line that
// names the key wins.
std::optional<std::string> LiteralValue(const QString& fileName, const QString& key) {
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    const QByteArray contents = file.readAll();

    QString section;  // the group of the lines that follow, "" for the top level
    std::optional<QByteArray> found;
    for (const QByteArray& rawLine : contents.split('\n')) {
        const QByteArray line = rawLine.trimmed();
        if (line.startsWith('[')) {
            const qsizetype close = line.indexOf(']');
            section = QString::fromUtf8(line.mid(1, close < 0 ? -1 : close - 1)).trimmed();
            if (section == QLatin1String(kGeneralSection)) section.clear();
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals < 0) continue;
        const QString name = QString::fromUtf8(line.left(equals)).trimmed();
        const QString fullKey = section.isEmpty() ? name : section + QLatin1Char('/') + name;
        if (NormalizedKey(fullKey) == key) found = line.mid(equals + 1).trimmed();
    }
    if (!found) return std::nullopt;
    return QString::fromUtf8(*found).toStdString();
}

// True when QSettings can save into `fileName` right now: its folder exists
// or can be made and takes new files (QSettings needs a lock file and a
// temporary file there), and an existing file opens for reading and writing.
// Checked beforehand because a change that QSettings fails to save stays
// pending in its per-process copy of the file, where later reads would see
// it although the file never held it.
bool CanSave(const QString& fileName) {
    const QFileInfo info(fileName);
    if (!QDir().mkpath(info.absolutePath())) return false;
    if (info.exists()) {
        QFile file(fileName);
        if (!file.open(QIODevice::ReadWrite)) return false;
    }
    QTemporaryFile probe(fileName);  // "<file>.XXXXXX" beside the file, removed again at once
    return probe.open();
}

}  // namespace

QtSettingsStore::QtSettingsStore() : QtSettingsStore(UserFileName()) {}

QtSettingsStore::QtSettingsStore(QString iniFile) : m_fileName(std::move(iniFile)) {
    if (!m_fileName.isEmpty()) m_fileName = QFileInfo(m_fileName).absoluteFilePath();
}

QString QtSettingsStore::UserFileName() {
    // A relative XDG_CONFIG_HOME is ignored, as the XDG rules ask.
    const QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!configHome.isEmpty() && QDir::isAbsolutePath(configHome)) {
        return QDir::cleanPath(configHome + QLatin1Char('/') + QLatin1String(kUserFile));
    }
    const QString home = qEnvironmentVariable("HOME");
    if (home.isEmpty()) return {};
    return QDir::cleanPath(QDir(home).absoluteFilePath(QLatin1String(kConfigBelowHome)) +
                           QLatin1Char('/') + QLatin1String(kUserFile));
}

std::optional<std::string> QtSettingsStore::Read(std::string_view key) {
    const QString normalized = NormalizedKey(FromUtf8(key));
    if (m_fileName.isEmpty() || normalized.isEmpty()) return std::nullopt;

    // A new QSettings checks the file on disk, so changes by other copies show.
    const QSettings ini(m_fileName, QSettings::IniFormat);
    if (!ini.contains(normalized)) return std::nullopt;
    const QVariant value = ini.value(normalized);
    if (value.typeId() == QMetaType::QString) return value.toString().toStdString();
    return LiteralValue(m_fileName, normalized);
}

void QtSettingsStore::Write(std::string_view key, std::string_view text) {
    const QString normalized = NormalizedKey(FromUtf8(key));
    if (m_fileName.isEmpty() || normalized.isEmpty() || !CanSave(m_fileName)) return;

    QSettings ini(m_fileName, QSettings::IniFormat);
    // A file that exists but cannot be read is never written over. A file
    // with syntax errors is: its readable keys are kept, the rest dropped.
    if (ini.status() == QSettings::AccessError) return;
    ini.setValue(normalized, FromUtf8(text));
    ini.sync();  // under QSettings' lock: re-read, merge, write a temporary file, rename
}

}  // namespace platform::qt
