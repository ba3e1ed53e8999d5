#pragma once

#include "resources/ResourceIds.h"

// The two tile sets: which pictures draw the covered, found and empty tiles.
namespace res {

// Every tile strip holds square frames of this edge side by side.
inline constexpr int kTileFrame = 40;
// A number strip shows 0 to 14; numbers from 15 on come from its high strip,
// which shows 15 to 20.
inline constexpr int kNumberFrames = 15;
inline constexpr int kHighNumberFrames = 6;
// A covered strip shows six looks.
inline constexpr int kLookFrames = 6;

struct TileSet {
    int found;      // a glimble and the number k in frame k
    int empty;      // the number k in frame k
    int covered;    // the six looks of a covered tile
    int foundHigh;  // the found numbers from 15 on
    int emptyHigh;  // the empty numbers from 15 on
};

inline constexpr TileSet kGrassTiles{IDB_GRASS_FOUND, IDB_GRASS_EMPTY, IDB_GRASS_COVERED, IDB_GRASS_FOUND_HIGH,
                                     IDB_GRASS_EMPTY_HIGH};
inline constexpr TileSet kSandTiles{IDB_SAND_FOUND, IDB_SAND_EMPTY, IDB_SAND_COVERED, IDB_SAND_FOUND_HIGH,
                                    IDB_SAND_EMPTY_HIGH};
// Both sets, in the order of the stored tile-set number: 0 Grass, 1 Sand.
inline constexpr TileSet kTileSets[] = {kGrassTiles, kSandTiles};

}  // namespace res
