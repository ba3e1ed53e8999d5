#pragma once

#include <QByteArray>

#include <cstdint>

// The numbers of the file formats the generator writes (BMP, ICO, WAV), all
// least significant byte first.
namespace assetgen {

inline void PutU16(QByteArray& out, std::uint32_t v) {
    out.append(static_cast<char>(v & 0xFF));
    out.append(static_cast<char>((v >> 8) & 0xFF));
}

inline void PutU32(QByteArray& out, std::uint32_t v) {
    for (int shift = 0; shift < 32; shift += 8) out.append(static_cast<char>((v >> shift) & 0xFF));
}

}  // namespace assetgen
