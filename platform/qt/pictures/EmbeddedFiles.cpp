#include "platform/qt/pictures/EmbeddedFiles.h"

#include <QFile>
#include <QFileInfo>

#include "platform/qt/pictures/ResourceFiles.h"
#include "resources/Pictures.h"
#include "resources/Sounds.h"

namespace platform::qt {
namespace {

// A file of the resource system, or nothing for a folder or a missing path.
bool IsResourceFile(const QString& path) { return QFileInfo(path).isFile(); }

}  // namespace

EmbeddedFiles& EmbeddedFiles::Instance() {
    static EmbeddedFiles instance;
    return instance;
}

const QImage* EmbeddedFiles::Bitmap(int id, int fineness) {
    const std::pair key{id, fineness};
    auto it = m_bitmaps.find(key);
    if (it == m_bitmaps.end()) {
        const QString path = BitmapPath(id, fineness);
        QImage image = m_drawer ? m_drawer(id, fineness) : QImage();
        if (image.isNull() && IsResourceFile(path)) image.load(path, fineness == 1 ? "BMP" : "PNG");
        if (!image.isNull()) image.convertTo(QImage::Format_RGB32);
        // A finer picture is taken only at its exact size: its frames must
        // lie where the catalogue's frames lie, times the fineness.
        const res::PictureInfo* info = res::FindPicture(id);
        if (fineness != 1 && (info == nullptr || image.size() != QSize(info->width, info->height) * fineness))
            image = QImage();
        it = m_bitmaps.emplace(key, std::move(image)).first;
    }
    return it->second.isNull() ? nullptr : &it->second;
}

QByteArray EmbeddedFiles::Wave(std::string_view name) {
    if (res::FindSound(name) == nullptr) return {};  // only the catalogue's sounds are embedded
    if (const auto it = m_waves.find(name); it != m_waves.end()) return it->second;

    QByteArray bytes = EmbeddedBytes(WavePath(name));
    if (bytes.isEmpty()) return {};
    m_waves.emplace(std::string(name), bytes);
    return bytes;
}

QIcon EmbeddedFiles::WindowIcon() {
    if (m_iconLoaded) return m_icon;
    m_iconLoaded = true;
    const bool haveIconFile = QFile::exists(IconFilePath());
    if (haveIconFile) m_icon.addFile(IconFilePath());  // both images of the icon file
    for (const int size : res::kIconPngSizes) {
        const bool coveredByIconFile = haveIconFile && size <= res::kIconImageSizes[0];
        if (!coveredByIconFile && QFile::exists(IconPngPath(size)))
            m_icon.addFile(IconPngPath(size), QSize(size, size));
    }
    return m_icon;
}

}  // namespace platform::qt
