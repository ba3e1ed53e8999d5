// Damaged settings files through the INI text's reading and merging: a merged
// change always reads back as written, merging it again changes nothing, and
// every other key of the game reads as it did before.
#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>

#include <QByteArray>
#include <QString>

#include "fuzz/FuzzCheck.h"
#include "platform/qt/settings/IniText.h"

namespace ini = platform::qt::ini;

namespace {

// Keys of the kinds the game keeps: plain, in a best-results section, and
// one in a section named like the keys without a group.
const std::array<QString, 6> kKeys = {
    QStringLiteral("Size"),         QStringLiteral("LasName"),         QStringLiteral("8_8_8_0/Rez"),
    QStringLiteral("8_8_8_0/Name"), QStringLiteral("20_20_20_9/Name"), QStringLiteral("General/Size"),
};

}  // namespace

// The first byte picks the key, the text runs to the first newline, and the
// rest is the file as it lies on disk.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const QString& key = kKeys[data[0] % kKeys.size()];
    const QByteArray input(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    const qsizetype newline = input.indexOf('\n');
    const QByteArray textBytes = newline < 0 ? input : input.left(newline);
    const QByteArray contents = newline < 0 ? QByteArray() : input.mid(newline + 1);
    const QString text = QString::fromUtf8(textBytes);

    const ini::Change change{key, text};
    const QByteArray merged = ini::Merge(contents, {&change, 1});
    const std::optional<std::string> read = ini::FindText(merged, key);
    fuzz::Check(read.has_value() && *read == text.toStdString(), "a merged text reads back as written");
    fuzz::Check(ini::Merge(merged, {&change, 1}) == merged, "merging the same change again changes nothing");
    for (const QString& other : kKeys) {
        if (other == key) continue;
        fuzz::Check(ini::FindText(merged, other) == ini::FindText(contents, other),
                    "a change leaves the other keys as they read");
    }
    return 0;
}
