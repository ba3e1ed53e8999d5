#pragma once

#include <QString>

#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/SettingsStore.h"

namespace platform::qt {

// The settings store on a per-user INI file (see IniText.h for its layout
// and SettingsFile.h for what may lie at its path).
//
// Every call opens the file afresh: a read sees what another running copy
// wrote a moment ago, and a save goes to disk before it returns. A save
// runs under a lock file, merges its changes into the file's current
// contents and replaces the file in one rename once every byte is written,
// so two copies writing different keys lose neither, and neither a crash
// nor a full disk nor a file-size limit ever leaves half a file.
// Texts are kept exactly as long as they are valid UTF-8; invalid byte
// sequences come back as U+FFFD.
class IniFileStore final : public ISettingsStore {
public:
    // The current user's file, $XDG_CONFIG_HOME/Pellix/Glimbles.ini, or
    // ~/.config/Pellix/Glimbles.ini when the variable is unset or empty.
    IniFileStore();
    // A store kept in the INI file `iniFile`; an empty name is no store at
    // all. What saves killed before they finished left beside it goes.
    explicit IniFileStore(QString iniFile);

    std::optional<std::string> Read(std::string_view key) override;
    void WriteAll(std::span<const SettingsChange> changes) override;

    // The file behind the store; empty when there is none.
    const QString& FileName() const { return m_fileName; }

    // Where the current user's file lives, or an empty text when the
    // environment names no home folder, or only an empty or relative one
    // (then nothing is stored).
    static QString UserFileName();

private:
    QString m_fileName;
};

}  // namespace platform::qt
