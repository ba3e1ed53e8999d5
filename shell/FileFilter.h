#pragma once

#include <QCoreApplication>
#include <QString>

// The one filter the standard Open and Save As dialogs offer: every file,
// with or without a dot in its name ("*.*" would need one here).
inline QString AllFilesFilter() { return QCoreApplication::translate("File dialogs", "All Files (*)"); }
