#pragma once

#include <QByteArray>
#include <QFileInfo>
#include <QResource>
#include <QString>

#include <string_view>

#include "platform/qt/Text.h"

// Where each embedded file lives in Qt's resource system, and its bytes.
namespace platform::qt {

// Picture `id` as the catalogue has it (fineness 1), or drawn finer.
inline QString BitmapPath(int id, int fineness = 1) {
    if (fineness == 1) return QStringLiteral(":/bitmaps/%1.bmp").arg(id);
    return QStringLiteral(":/bitmaps/%1x/%2.png").arg(fineness).arg(id);
}
inline QString WavePath(std::string_view name) { return QStringLiteral(":/sounds/%1.wav").arg(ToQString(name)); }
inline QString IconPngPath(int size) { return QStringLiteral(":/icons/glimbles-%1.png").arg(size); }
// The window icon's two images.
inline QString IconFilePath() { return QStringLiteral(":/icons/glimbles.ico"); }

// The bytes of the embedded file at `path`, lent straight from the program's
// image when it is stored as it is (the game stores its files so); empty for a
// missing file or a folder.
inline QByteArray EmbeddedBytes(const QString& path) {
    if (!QFileInfo(path).isFile()) return {};
    const QResource resource(path);
    if (!resource.isValid() || resource.size() == 0) return {};
    if (resource.compressionAlgorithm() != QResource::NoCompression) return resource.uncompressedData();
    return QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                   static_cast<qsizetype>(resource.size()));
}

}  // namespace platform::qt
