#pragma once

#include <QString>

// The one filter the standard Open and Save As dialogs offer.
inline const QString kAllFilesFilter = QStringLiteral("All Files (*.*)");
