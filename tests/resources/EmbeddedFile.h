#pragma once

#include <optional>

#include <QByteArray>
#include <QFile>
#include <QString>

namespace testapp {

// The bytes of an embedded file, or nothing when it is missing.
inline std::optional<QByteArray> ReadEmbedded(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    return file.readAll();
}

}  // namespace testapp
