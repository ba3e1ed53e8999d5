#pragma once

#include <QString>

// Why `path` cannot be opened as the document, or an empty text when it can.
// The name is opened once, without waiting (a FIFO or a device there never
// blocks, even one swapped in while it is looked at), and only a plain file
// that can be read is a document; nothing is read from it.
QString CannotOpenReason(const QString& path);
