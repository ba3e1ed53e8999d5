#pragma once

#include <array>
#include <cstdint>
#include <string_view>

// The program's version block. The fixed numeric versions read 1.2.0.0 while
// the version strings (and the About box) read 1.5.
namespace res {

struct VersionString {
    std::string_view key;
    std::string_view value;
};

struct VersionBlock {
    std::array<int, 4> fileVersion;     // major, minor, patch, build
    std::array<int, 4> productVersion;  // major, minor, patch, build
    std::uint32_t fileFlagsMask;        // which file flags are meaningful
    std::uint32_t fileFlags;            // 0: a plain release build
    std::uint32_t fileOs;               // the system code the block records
    std::uint32_t fileType;             // an application
    std::uint32_t fileSubtype;          // none
    std::uint16_t language;             // US English
    std::uint16_t codePage;             // Unicode (1200)
    std::array<VersionString, 6> strings;
};

inline constexpr std::uint32_t kOsWindows32 = 0x00040004;  // the system code of kVersion
inline constexpr std::uint32_t kFileTypeApp = 1;           // the file-type code of an application

inline constexpr VersionBlock kVersion = {
    {1, 2, 0, 0},
    {1, 2, 0, 0},
    0x3F,
    0,
    kOsWindows32,
    kFileTypeApp,
    0,
    0x0409,
    0x04B0,
    {{
        {"FileDescription", "Game Application"},
        {"FileVersion", "1, 5, 0, 0"},
        {"InternalName", "quelm"},
        {"OriginalFilename", "glimbles.EXE"},
        {"ProductName", "Game"},
        {"ProductVersion", "1, 5, 0, 0"},
    }},
};

}  // namespace res
