#pragma once

#include <QString>

#include <optional>
#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace platform::qt {

// The settings store on a per-user INI file, through QSettings.
//
// Every call opens the file afresh: a read sees what another running copy
// wrote a moment ago, and a write goes to disk before it returns. QSettings
// writes under a lock file, merges the change into the file's current
// contents and replaces the file in one rename, so two copies writing
// different keys lose neither, and a crash never leaves half a file.
// Texts are kept exactly as long as they are valid UTF-8; invalid byte
// sequences come back as U+FFFD.
class QtSettingsStore final : public ISettingsStore {
public:
    // The current user's file, $XDG_CONFIG_HOME/Pellix/Glimbles.ini, or
    // ~/.config/Pellix/Glimbles.ini when the variable is unset or empty.
    QtSettingsStore();
    // A store kept in the INI file `iniFile`; an empty name is no store at all.
    explicit QtSettingsStore(QString iniFile);

    std::optional<std::string> Read(std::string_view key) override;
    void Write(std::string_view key, std::string_view text) override;

    // The file behind the store; empty when there is none.
    const QString& FileName() const { return m_fileName; }

    // Where the current user's file lives, or an empty text when the
    // environment names no home folder at all (then nothing is stored).
    static QString UserFileName();

private:
    QString m_fileName;
};

}  // namespace platform::qt
