#pragma once

#include <QString>
#include <QTimer>

#include <chrono>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "platform/SettingsStore.h"
#include "platform/qt/settings/IniText.h"

namespace platform::qt {

// The settings store on a per-user INI file (see IniText.h for its layout
// and SettingsFile.h for what may lie at its path).
//
// Every call opens the file afresh: a read sees what another running copy
// wrote a moment ago, and a save goes to disk before it returns unless
// another copy's save holds the file (see below). A save runs under a lock
// file, merges its changes into the file's current contents and replaces
// the file in one rename once every byte is written, so two copies writing
// different keys lose neither, and neither a crash nor a full disk nor a
// file-size limit ever leaves half a file.
//
// A save waits only briefly for another copy's save, so the window never
// freezes for long. When the lock stays taken, its changes are kept: reads
// through this store see them at once, later changes to the same keys
// replace them, and they are saved, all in one save, with the next write,
// on a timer in the store's thread (when it runs an event loop), or when
// the store goes, which waits for the lock as long as a hung copy may
// plausibly need before it gives up.
//
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
    // Saves the changes still kept.
    ~IniFileStore() override;
    IniFileStore(const IniFileStore&) = delete;
    IniFileStore& operator=(const IniFileStore&) = delete;

    std::optional<std::string> Read(std::string_view key) override;
    void WriteAll(std::span<const SettingsChange> changes) override;

    // The file behind the store; empty when there is none.
    const QString& FileName() const { return m_fileName; }

    // Where the current user's file lives, or an empty text when the
    // environment names no home folder, or only an empty or relative one
    // (then nothing is stored).
    static QString UserFileName();

private:
    // Saves the changes kept, waiting up to `lockWait` for the lock; false,
    // keeping them, when another save held it all that time.
    bool SaveKept(std::chrono::milliseconds lockWait);
    void RetryLater();

    QString m_fileName;
    std::vector<ini::Change> m_kept;  // not saved yet: the lock was taken; each key once
    QTimer m_retry;
};

}  // namespace platform::qt
