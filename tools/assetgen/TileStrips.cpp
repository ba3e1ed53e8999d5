#include "tools/assetgen/TileStrips.h"

#include "tools/assetgen/Catalogue.h"

namespace assetgen {
namespace {

constexpr NumberStrip kNumberStrips[] = {
    {res::IDB_GRASS_EMPTY, World::Grass, Uncovered::Empty, kNoStrip},
    {res::IDB_GRASS_FOUND, World::Grass, Uncovered::Found, kNoStrip},
    {res::IDB_SAND_EMPTY, World::Sand, Uncovered::Empty, kNoStrip},
    {res::IDB_SAND_FOUND, World::Sand, Uncovered::Found, kNoStrip},
    {res::IDB_GRASS_FOUND_HIGH, World::Grass, Uncovered::Found, res::IDB_GRASS_FOUND},
    {res::IDB_GRASS_EMPTY_HIGH, World::Grass, Uncovered::Empty, res::IDB_GRASS_EMPTY},
    {res::IDB_SAND_FOUND_HIGH, World::Sand, Uncovered::Found, res::IDB_SAND_FOUND},
    {res::IDB_SAND_EMPTY_HIGH, World::Sand, Uncovered::Empty, res::IDB_SAND_EMPTY},
};

constexpr LookStrip kLookStrips[] = {
    {res::IDB_GRASS_COVERED, World::Grass},
    {res::IDB_SAND_COVERED, World::Sand},
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
