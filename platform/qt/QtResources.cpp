#include "platform/qt/QtResources.h"

#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QImageReader>
#include <QResource>

#include "resources/Pictures.h"

namespace platform::qt {
namespace {

// Sound names are plain words; anything else cannot name a sound.
bool IsPlainName(std::string_view name) {
    if (name.empty()) return false;
    for (const char c : name) {
        const bool plain = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
        if (!plain) return false;
    }
    return true;
}

// A file of the resource system, or nothing for a folder or a missing path.
bool IsResourceFile(const QString& path) { return QFileInfo(path).isFile(); }

struct NamedKey {
    res::Key key;
    Qt::Key qtKey;
};
constexpr NamedKey kNamedKeys[] = {
    {res::Key::Backspace, Qt::Key_Backspace},
    {res::Key::Insert, Qt::Key_Insert},
    {res::Key::Delete, Qt::Key_Delete},
    {res::Key::F6, Qt::Key_F6},
};

struct ModifierFlag {
    res::Modifiers flag;
    Qt::KeyboardModifier qtModifier;
};
constexpr ModifierFlag kModifiers[] = {
    {res::kCtrl, Qt::ControlModifier},
    {res::kShift, Qt::ShiftModifier},
    {res::kAlt, Qt::AltModifier},
};

constexpr int kLetterCount = 26;
constexpr int kHorizontalUnitsPerBase = 4;  // a horizontal dialog unit is a quarter of the base width
constexpr int kVerticalUnitsPerBase = 8;    // a vertical dialog unit is an eighth of the base height

// value * base / units, rounded to the nearest whole number (halves away from zero).
int ScaleRounded(int value, int base, int units) {
    const long long product = static_cast<long long>(value) * base;
    const long long half = units / 2;
    return static_cast<int>(product >= 0 ? (product + half) / units : -((-product + half) / units));
}

}  // namespace

QString BitmapPath(int id) { return QStringLiteral(":/bitmaps/%1.bmp").arg(id); }

QString WavePath(std::string_view name) {
    return QStringLiteral(":/sounds/%1.wav").arg(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
}

QString IconPngPath(int size) { return QStringLiteral(":/icons/glimbles-%1.png").arg(size); }

QString IconFilePath() { return QStringLiteral(":/icons/glimbles.ico"); }

QtResources& QtResources::Instance() {
    static QtResources instance;
    return instance;
}

const QImage* QtResources::Bitmap(int id) {
    auto it = m_bitmaps.find(id);
    if (it == m_bitmaps.end()) {
        QImage image;
        if (IsResourceFile(BitmapPath(id)) && image.load(BitmapPath(id), "BMP")) {
            image.convertTo(QImage::Format_RGB32);
        }
        it = m_bitmaps.emplace(id, std::move(image)).first;
    }
    return it->second.isNull() ? nullptr : &it->second;
}

QByteArray QtResources::Wave(std::string_view name) {
    if (!IsPlainName(name)) return {};
    if (const auto it = m_waves.find(name); it != m_waves.end()) return it->second;

    const QString path = WavePath(name);
    if (!IsResourceFile(path)) return {};
    const QResource resource(path);
    QByteArray bytes;
    if (resource.compressionAlgorithm() == QResource::NoCompression) {
        // The program's image holds the file as it is: lend its bytes.
        bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(resource.data()),
                                        static_cast<qsizetype>(resource.size()));
    } else {
        bytes = resource.uncompressedData();  // kept below, so the bytes live on
    }
    m_waves.emplace(std::string(name), bytes);
    return bytes;
}

std::span<const std::uint8_t> QtResources::FindWave(std::string_view name) {
    const QByteArray bytes = Wave(name);
    // The bytes belong to the program's image or to m_waves, both lasting.
    return {reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

bool QtResources::HasBitmap(int id) {
    if (const auto it = m_bitmaps.find(id); it != m_bitmaps.end()) return !it->second.isNull();
    return IsResourceFile(BitmapPath(id));
}

std::optional<PictureSize> QtResources::BitmapSize(int id) {
    if (const auto it = m_bitmaps.find(id); it != m_bitmaps.end()) {
        if (it->second.isNull()) return std::nullopt;
        return PictureSize{it->second.width(), it->second.height()};
    }
    if (!IsResourceFile(BitmapPath(id))) return std::nullopt;
    QImageReader reader(BitmapPath(id), "BMP");
    const QSize size = reader.size();  // reads the header only
    if (!size.isValid()) return std::nullopt;
    return PictureSize{size.width(), size.height()};
}

QIcon QtResources::WindowIcon() {
    if (m_iconLoaded) return m_icon;
    m_iconLoaded = true;
    const bool haveIconFile = QFile::exists(IconFilePath());
    if (haveIconFile) m_icon.addFile(IconFilePath());  // both images of the icon file
    for (const int size : res::kIconPngSizes) {
        const bool coveredByIconFile = haveIconFile && size <= res::kIconImageSizes[0];
        if (!coveredByIconFile && QFile::exists(IconPngPath(size))) m_icon.addFile(IconPngPath(size), QSize(size, size));
    }
    return m_icon;
}

QKeySequence KeySequenceOf(const res::KeyEntry& entry) {
    int qtKey = 0;
    for (const NamedKey& k : kNamedKeys) {
        if (k.key == entry.key) qtKey = k.qtKey;
    }
    const auto code = static_cast<int>(entry.key);
    if (qtKey == 0 && code >= 'A' && code <= 'Z') qtKey = Qt::Key_A + (code - 'A');
    if (qtKey == 0) return {};

    Qt::KeyboardModifiers modifiers;
    for (const ModifierFlag& m : kModifiers) {
        if (entry.modifiers & m.flag) modifiers |= m.qtModifier;
    }
    return QKeySequence(QKeyCombination(modifiers, static_cast<Qt::Key>(qtKey)));
}

QSize DialogBaseUnits(const QFontMetrics& metrics) {
    const int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    // The average over both cases, rounded: (letters / 26 + 1) / 2.
    return {(letters / kLetterCount + 1) / 2, metrics.height()};
}

QRect DialogUnitsToPixels(QSize baseUnits, res::DluRect rect) {
    const int left = ScaleRounded(rect.x, baseUnits.width(), kHorizontalUnitsPerBase);
    const int top = ScaleRounded(rect.y, baseUnits.height(), kVerticalUnitsPerBase);
    const int right = ScaleRounded(rect.x + rect.w, baseUnits.width(), kHorizontalUnitsPerBase);
    const int bottom = ScaleRounded(rect.y + rect.h, baseUnits.height(), kVerticalUnitsPerBase);
    return {left, top, right - left, bottom - top};
}

}  // namespace platform::qt
