#pragma once

#include <QString>
#include <QStringList>

// The file named on the command line, opened as the document at start, or
// an empty text when none is named. `arguments` are the program's, its name
// first, with Qt's own options already taken out. Words starting with "-"
// are options and skipped, up to a "--" after which every word is a name;
// the first name counts.
QString CommandLineFile(const QStringList& arguments);
