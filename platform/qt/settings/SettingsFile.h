#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <chrono>
#include <functional>
#include <optional>

// The settings file on disk, read and replaced safely whatever lies at its
// path. Only a regular file, or a symbolic link to one, is ever read or
// written. Anything else there (a folder, a device, a FIFO, a socket, or a
// link to one of them or to nothing at all) is no store: it reads as empty,
// takes no writes and is never opened for writing, replaced or created. A
// link to a missing file counts as no store rather than creating a file
// wherever the link points. The store is the player's alone: a file, or a
// link or the file it points to, that belongs to another user, and a file
// in a folder that every user may write (without the sticky bit), are no
// store and never followed. Folders the game makes are 0700, a new file and
// every temporary file 0600; a file replaced keeps its mode.
namespace platform::qt::settings_file {

// A save writes its new contents into "<file name>.save-XXXXXX" beside the
// file (XXXXXX letters and digits) and renames that over the file.
inline constexpr char kTemporaryInfix[] = ".save-";
inline constexpr int kTemporarySuffixLength = 6;
// A temporary file this old is left over from a copy of the game that died
// while saving; the next save, or the next start, removes it. Younger ones
// are left alone.
inline constexpr std::chrono::seconds kStaleTemporaryAge{10};
// A lock file this old is abandoned: a save holds the lock for milliseconds
// (well under a second even for a file of megabytes), so a lock this old
// belongs to a copy that hangs, or it is the empty lock file of a copy
// killed while it was taking the lock, which names no copy to ask after.
inline constexpr std::chrono::seconds kStaleLockAge{5};

// The contents of the file at `path`, or nullopt when it is absent, cannot
// be read or is no store. Never blocks on what it finds there.
std::optional<QByteArray> Read(const QString& path);

// What became of a save.
enum class SaveResult {
    kSaved,
    kBusy,    // another save held the lock all the time the save waited: the file is untouched
    kFailed,  // any other step failed (see Save): the file is untouched
};

// One save, `path` being absolute: under the lock file "<path>.lock" (the
// one QSettings takes, so older copies of the game wait for it too), taken
// within `lockWait`, reads the current contents (empty when the file does
// not exist yet, making its folders), writes `change(contents)` to a
// temporary file, checks that every byte reached the disk and renames it
// over the file, keeping the file's permissions; a link keeps pointing at
// the file, which is the one replaced. A lock left by a copy of the game
// that died is taken over at once, any other once kStaleLockAge old.
// kFailed, with the file untouched, when any other step fails: a file that
// cannot be read and written, a folder that takes no new files, a short
// write (a full disk, a file-size limit), no store at the path.
SaveResult Save(const QString& path, std::chrono::milliseconds lockWait,
                const std::function<QByteArray(QByteArrayView)>& change);

// Removes the temporary files that saves killed before their rename left
// beside the file at `path`, an absolute path: ours by name and owner, and
// kStaleTemporaryAge old. Only a look into the folder when there are none.
void RemoveStaleTemporaries(const QString& path);

}  // namespace platform::qt::settings_file
