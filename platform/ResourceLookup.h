#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace platform {

// Width and height of a picture, in pixels.
struct PictureSize {
    int width = 0;
    int height = 0;
    friend bool operator==(const PictureSize&, const PictureSize&) = default;
};

// The program's embedded pictures and sounds, looked up by id or name at the
// moment of use. Nothing found is an answer, never an error.
class IResources {
public:
    virtual ~IResources() = default;

    // The complete RIFF WAVE image of the sound called `name` ("MOVE",
    // "SELECT", "BEST", "WIN"), or an empty span when there is none. The
    // bytes stay valid and unchanged for the life of the program.
    virtual std::span<const std::uint8_t> FindWave(std::string_view name) = 0;

    // Whether the picture with resource id `id` exists.
    virtual bool HasBitmap(int id) = 0;

    // The size of picture `id`, or nothing when there is no such picture.
    virtual std::optional<PictureSize> BitmapSize(int id) = 0;
};

}  // namespace platform
