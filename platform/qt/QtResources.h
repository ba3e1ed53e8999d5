#pragma once

#include <map>
#include <string>
#include <string_view>

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <QKeySequence>
#include <QRect>
#include <QSize>
#include <QString>

#include "platform/ResourceLookup.h"
#include "resources/DialogLayouts.h"
#include "resources/KeyTable.h"

class QFontMetrics;

namespace platform::qt {

// Where each embedded file lives in Qt's resource system.
QString BitmapPath(int id);             // ":/bitmaps/<id>.bmp"
QString WavePath(std::string_view name);  // ":/sounds/<NAME>.wav"
QString IconPngPath(int size);          // ":/icons/glimbles-<size>.png"
QString IconFilePath();                 // ":/icons/glimbles.ico", the window icon's two images

// The embedded pictures, sounds and icon. Everything is looked up when first
// asked for, so start-up loads nothing before it is drawn. Use it from the
// user-interface thread only.
class QtResources final : public IResources {
public:
    // The one shared instance.
    static QtResources& Instance();

    // Picture `id`, decoded on first use and kept, in QImage::Format_RGB32 for
    // quick opaque (scaled) copies; nullptr when there is no such picture.
    // The pointer stays valid for the life of the instance.
    const QImage* Bitmap(int id);

    // The complete WAVE file called `name`, read straight from the program's
    // image without a copy; empty when there is no such sound.
    QByteArray Wave(std::string_view name);

    // The main window's icon: the two images of the icon file, with the
    // larger desktop renderings added. Null when no icon file is embedded.
    QIcon WindowIcon();

    std::span<const std::uint8_t> FindWave(std::string_view name) override;
    bool HasBitmap(int id) override;
    std::optional<PictureSize> BitmapSize(int id) override;

private:
    std::map<int, QImage> m_bitmaps;            // decoded pictures; a null image marks one that is absent
    std::map<std::string, QByteArray, std::less<>> m_waves;  // sound files, by name, once found
    QIcon m_icon;
    bool m_iconLoaded = false;
};

// The Qt shortcut for an entry of the key table.
QKeySequence KeySequenceOf(const res::KeyEntry& entry);

// Dialog base units of a font in pixels: the average width of the letters
// A-Z and a-z, and the line height.
QSize DialogBaseUnits(const QFontMetrics& metrics);

// A rectangle in dialog units converted to pixels for the given base units,
// rounding each edge to the nearest pixel (a quarter of the base width per
// horizontal unit, an eighth of the base height per vertical unit).
QRect DialogUnitsToPixels(QSize baseUnits, res::DluRect rect);

}  // namespace platform::qt
