#include "resources/Sounds.h"

#include "resources/ResourceIds.h"

namespace res {
namespace {

constexpr SoundInfo kSounds[] = {
    {kSoundMove, 2, 22050, 16, 86484, WaveLayout::Extended},
    {kSoundSelect, 2, 22050, 16, 22920, WaveLayout::Extended},
    {kSoundBest, 1, 11025, 8, 25972, WaveLayout::Plain},
    {kSoundWin, 1, 11025, 16, 87038, WaveLayout::Plain},
};

}  // namespace

std::span<const SoundInfo> AllSounds() { return kSounds; }

const SoundInfo* FindSound(std::string_view name) {
    for (const SoundInfo& s : kSounds) {
        if (s.name == name) return &s;
    }
    return nullptr;
}

}  // namespace res
