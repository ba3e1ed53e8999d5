#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <span>
#include <string>

// The text of the settings file, in the INI layout that QSettings reads and
// writes, so files written by earlier versions of the game read the same and
// files written now read the same in them:
//
//   [General]          the keys without a group
//   Size=14
//
//   [8_8_8_0]          one section per first part of a key
//   Rez=57
//
// Reading follows QSettings' rules: quotes, backslash escapes, "%XX" in
// names, ";" comments, the last line naming a key wins. A value that
// QSettings would turn into something other than one text (a list at its
// unquoted commas, or an "@Type(...)" value) reads as its line holds it.
namespace platform::qt::ini {

// One key, its parts joined by single slashes, and its new text.
struct Change {
    QString key;
    QString text;
};

// The text `contents` holds under `key`, or nullopt when no line names it.
std::optional<std::string> FindText(QByteArrayView contents, const QString& key);

// The file `contents` with every change made: each key keeps its place and
// new keys follow the others of their section, new sections the others.
// Every key is written as the text it reads as, in QSettings' own form, so
// lines it could not read are dropped.
QByteArray Merge(QByteArrayView contents, std::span<const Change> changes);

}  // namespace platform::qt::ini
