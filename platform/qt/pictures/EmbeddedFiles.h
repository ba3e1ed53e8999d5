#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include <QByteArray>
#include <QIcon>
#include <QImage>

namespace platform::qt {

// The embedded pictures, sounds and icon. Everything is looked up when first
// asked for, so start-up loads nothing before it is drawn. Use it from the
// user-interface thread only.
class EmbeddedFiles final {
public:
    // The one shared instance.
    static EmbeddedFiles& Instance();

    // Picture `id` drawn `fineness` times finer (1: the catalogue's bitmap;
    // or one of res::kFinerScales), decoded on first use and kept, in
    // QImage::Format_RGB32 for quick opaque (scaled) copies; nullptr when there
    // is no such picture. The pointer stays valid for the life of the instance.
    const QImage* Bitmap(int id, int fineness = 1);

    // The complete WAVE file called `name`, read straight from the program's
    // image without a copy; empty when there is no such sound.
    QByteArray Wave(std::string_view name);

    // Draws a picture in place of the embedded one (those with words, in the
    // player's language); a null image leaves the embedded one. Set before
    // the first picture is asked for.
    using PictureDrawer = std::function<QImage(int id, int fineness)>;
    void DrawInstead(PictureDrawer drawer) {
        m_drawer = std::move(drawer);
        m_bitmaps.clear();
    }

    // The main window's icon: the two images of the icon file, with the
    // larger desktop renderings added. Null when no icon file is embedded.
    QIcon WindowIcon();

private:
    std::map<std::pair<int, int>, QImage> m_bitmaps;         // decoded pictures by id and fineness; null: absent
    std::map<std::string, QByteArray, std::less<>> m_waves;  // sound files, by name, once found
    PictureDrawer m_drawer;                                  // pictures drawn at run time, or none
    QIcon m_icon;
    bool m_iconLoaded = false;
};

}  // namespace platform::qt
