// The picture, sound and version tables against the catalogue.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "resources/Pictures.h"
#include "resources/ResourceIds.h"
#include "resources/Sounds.h"
#include "resources/TileSets.h"
#include "resources/VersionInfo.h"

namespace {

struct PictureRow {
    int id;
    int width;
    int height;
    int depth;
    int frames;
};

// The catalogue's pictures, with the four strips for numbers 15 to 20.
constexpr PictureRow kPictureRows[] = {
    {130, 600, 40, 8, 15}, {131, 240, 40, 8, 6},  {132, 600, 40, 8, 15}, {133, 90, 30, 24, 3},  {134, 90, 30, 24, 3},
    {135, 320, 60, 24, 1}, {136, 80, 40, 24, 1},  {137, 100, 40, 24, 1}, {139, 120, 50, 24, 1}, {140, 120, 50, 24, 1},
    {141, 120, 50, 24, 1}, {142, 120, 50, 24, 1}, {146, 240, 40, 8, 6},  {147, 600, 40, 8, 15}, {148, 600, 40, 8, 15},
    {150, 450, 200, 8, 1}, {151, 450, 200, 8, 1}, {152, 450, 200, 8, 1}, {153, 450, 200, 8, 1}, {154, 450, 200, 8, 1},
    {155, 240, 40, 8, 6},  {156, 240, 40, 8, 6},  {157, 240, 40, 8, 6},  {158, 240, 40, 8, 6},
};

TEST(PictureTable, HoldsEveryCataloguePictureAndNoOther) {
    ASSERT_EQ(res::AllPictures().size(), std::size(kPictureRows));
    for (const PictureRow& row : kPictureRows) {
        const res::PictureInfo* p = res::FindPicture(row.id);
        ASSERT_NE(p, nullptr) << row.id;
        EXPECT_EQ(p->width, row.width) << row.id;
        EXPECT_EQ(p->height, row.height) << row.id;
        EXPECT_EQ(p->bitsPerPixel, row.depth) << row.id;
        EXPECT_EQ(p->frameCount, row.frames) << row.id;
        EXPECT_EQ(p->PaletteEntries(), row.depth == 8 ? 256 : 0) << row.id;
    }
}

TEST(PictureTable, StripsAreCutIntoSquareFrames) {
    for (const res::PictureInfo& p : res::AllPictures()) {
        if (p.frameCount == 1) continue;
        EXPECT_EQ(p.FrameWidth() * p.frameCount, p.width) << p.id;
        EXPECT_EQ(p.FrameWidth(), p.height) << p.id;
    }
}

TEST(PictureTable, TileSetsUseTileStrips) {
    // The stored tile-set number indexes the sets: 0 Grass, 1 Sand.
    const int expected[][5] = {{132, 130, 131, 155, 156}, {148, 147, 146, 157, 158}};
    ASSERT_EQ(std::size(res::kTileSets), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i) {
        const res::TileSet& set = res::kTileSets[i];
        const int ids[] = {set.found, set.empty, set.covered, set.foundHigh, set.emptyHigh};
        const int frames[] = {res::kNumberFrames, res::kNumberFrames, 6, res::kHighNumberFrames,
                              res::kHighNumberFrames};
        for (std::size_t k = 0; k < std::size(ids); ++k) {
            EXPECT_EQ(ids[k], expected[i][k]) << "set " << i << " strip " << k;
            const res::PictureInfo* p = res::FindPicture(ids[k]);
            ASSERT_NE(p, nullptr) << ids[k];
            EXPECT_EQ(p->frameCount, frames[k]) << ids[k];
            EXPECT_EQ(p->FrameWidth(), res::kTileFrame) << ids[k];
            EXPECT_EQ(p->height, res::kTileFrame) << ids[k];
        }
    }
    EXPECT_EQ(res::kTileFrame, 40);
    EXPECT_EQ(res::IDB_DIGITS, res::IDB_GRASS_EMPTY);
}

TEST(PictureTable, UnknownIdsAreAbsent) {
    // 138, 143, 144 and 149 are dialogs, 128 the icon; none is a picture.
    for (const int id : {0, -1, 128, 129, 138, 143, 144, 145, 149, 159, 65535}) {
        EXPECT_EQ(res::FindPicture(id), nullptr) << id;
    }
}

TEST(PictureTable, IconHasTheTwoWindowImages) {
    EXPECT_EQ(std::set<int>(std::begin(res::kIconImageSizes), std::end(res::kIconImageSizes)), (std::set<int>{16, 32}));
    EXPECT_EQ(res::kIconColours, 16);
}

struct SoundRow {
    std::string name;
    int channels;
    int rate;
    int bits;
    int dataBytes;
    double seconds;
    bool extended;  // 18-byte format chunk, "fact" and "LIST"
};

const SoundRow kSoundRows[] = {
    {"MOVE", 2, 22050, 16, 86484, 0.98, true},
    {"SELECT", 2, 22050, 16, 22920, 0.26, true},
    {"BEST", 1, 11025, 8, 25972, 2.36, false},
    {"WIN", 1, 11025, 16, 87038, 3.95, false},
};

TEST(SoundTable, HoldsEveryCatalogueSound) {
    ASSERT_EQ(res::AllSounds().size(), std::size(kSoundRows));
    for (const SoundRow& row : kSoundRows) {
        const res::SoundInfo* s = res::FindSound(row.name);
        ASSERT_NE(s, nullptr) << row.name;
        EXPECT_EQ(s->channels, row.channels) << row.name;
        EXPECT_EQ(s->sampleRate, row.rate) << row.name;
        EXPECT_EQ(s->bitsPerSample, row.bits) << row.name;
        EXPECT_EQ(s->dataBytes, row.dataBytes) << row.name;
        EXPECT_EQ(s->FormatChunkBytes(), row.extended ? 18 : 16) << row.name;
        // The byte count holds whole sample frames and lasts as long as catalogued.
        EXPECT_EQ(s->dataBytes % s->BlockAlign(), 0) << row.name;
        const double seconds = static_cast<double>(s->dataBytes) / (s->BlockAlign() * s->sampleRate);
        EXPECT_NEAR(seconds, row.seconds, 0.005) << row.name;
    }
}

TEST(SoundTable, UnknownNamesAreAbsent) {
    for (const char* name : {"", "move", "Move", "MOVE ", "BEEP", "WAVE", "MOVE.wav"}) {
        EXPECT_EQ(res::FindSound(name), nullptr) << '"' << name << '"';
    }
}

TEST(VersionBlock, MatchesTheCatalogue) {
    const res::VersionBlock& v = res::kVersion;
    EXPECT_EQ(v.fileVersion, (std::array<int, 4>{1, 2, 0, 0}));
    EXPECT_EQ(v.productVersion, (std::array<int, 4>{1, 2, 0, 0}));
    EXPECT_EQ(v.fileFlagsMask, 0x3Fu);
    EXPECT_EQ(v.fileFlags, 0u);
    EXPECT_EQ(v.fileOs, 0x00040004u);
    EXPECT_EQ(v.fileType, 1u);
    EXPECT_EQ(v.fileSubtype, 0u);
    EXPECT_EQ(v.language, 0x0409);
    EXPECT_EQ(v.codePage, 1200);
    const std::pair<std::string_view, std::string_view> strings[] = {
        {"FileDescription", "Game Application"}, {"FileVersion", "1, 5, 0, 0"}, {"InternalName", "quelm"},
        {"OriginalFilename", "glimbles.EXE"},    {"ProductName", "Game"},       {"ProductVersion", "1, 5, 0, 0"},
    };
    ASSERT_EQ(v.strings.size(), std::size(strings));
    for (std::size_t i = 0; i < v.strings.size(); ++i) {
        EXPECT_EQ(v.strings[i].key, strings[i].first);
        EXPECT_EQ(v.strings[i].value, strings[i].second);
    }
}

}  // namespace
