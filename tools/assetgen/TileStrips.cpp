#include "tools/assetgen/TileStrips.h"

#include "tools/assetgen/Catalogue.h"

#include <iterator>

#include "resources/TileSets.h"

namespace assetgen {
namespace {

// The world of each tile set, in the catalogue's order of sets.
constexpr World kWorlds[] = {World::Grass, World::Sand};
static_assert(std::size(kWorlds) == std::size(res::kTileSets));

constexpr const res::TileSet& Set(World world) { return res::kTileSets[static_cast<int>(world)]; }

constexpr NumberStrip Numbers(World world, Uncovered kind) {
    const res::TileSet& set = Set(world);
    return {kind == Uncovered::Found ? set.found : set.empty, world, kind, kNoStrip};
}

constexpr NumberStrip HighNumbers(World world, Uncovered kind) {
    const res::TileSet& set = Set(world);
    const bool found = kind == Uncovered::Found;
    return {found ? set.foundHigh : set.emptyHigh, world, kind, found ? set.found : set.empty};
}

constexpr NumberStrip kNumberStrips[] = {
    Numbers(World::Grass, Uncovered::Empty),     Numbers(World::Grass, Uncovered::Found),
    Numbers(World::Sand, Uncovered::Empty),      Numbers(World::Sand, Uncovered::Found),
    HighNumbers(World::Grass, Uncovered::Found), HighNumbers(World::Grass, Uncovered::Empty),
    HighNumbers(World::Sand, Uncovered::Found),  HighNumbers(World::Sand, Uncovered::Empty),
};

constexpr LookStrip kLookStrips[] = {
    {Set(World::Grass).covered, World::Grass},
    {Set(World::Sand).covered, World::Sand},
};

}  // namespace

std::span<const NumberStrip> NumberStrips() { return kNumberStrips; }

std::span<const LookStrip> LookStrips() { return kLookStrips; }

int FirstNumber(const NumberStrip& strip) {
    if (strip.continues == kNoStrip) return 0;
    for (const NumberStrip& before : kNumberStrips)
        if (before.id == strip.continues) return FirstNumber(before) + Picture(before.id).frameCount;
    return 0;
}

int CoveredStripId(World world) {
    for (const LookStrip& strip : kLookStrips)
        if (strip.world == world) return strip.id;
    return kNoStrip;
}

StripFrame NumberFrame(World world, Uncovered kind, int number) {
    for (const NumberStrip& strip : kNumberStrips) {
        if (strip.world != world || strip.kind != kind) continue;
        const int frame = number - FirstNumber(strip);
        if (frame >= 0 && frame < Picture(strip.id).frameCount) return {strip.id, frame};
    }
    return {kNoStrip, 0};
}

}  // namespace assetgen
