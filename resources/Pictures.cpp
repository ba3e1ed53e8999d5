#include "resources/Pictures.h"

#include "resources/ResourceIds.h"
#include "resources/StatusStrip.h"
#include "resources/TileSets.h"

namespace res {
namespace {

using namespace status_strip;
constexpr int kTile = kTileFrame;
constexpr int kNumbers = kTile * kNumberFrames;
constexpr int kLooksWidth = kTile * kLookFrames;
constexpr int kHigh = kTile * kHighNumberFrames;
constexpr int kArrows = kArrowFrame * 3;

constexpr PictureInfo kPictures[] = {
    {IDB_GRASS_EMPTY, kNumbers, kTile, 8, kNumberFrames,
     "Grass empty tile showing the number k; frames 0 to 9 are the digits"},
    {IDB_GRASS_COVERED, kLooksWidth, kTile, 8, kLookFrames, "Grass covered tile, looks 0 to 5"},
    {IDB_GRASS_FOUND, kNumbers, kTile, 8, kNumberFrames, "Grass found tile: a glimble and the number k"},
    {IDB_ARROW_DECREASE, kArrows, kArrowFrame, 24, 3, "decrease arrow pointing left: normal, lit, pressed"},
    {IDB_ARROW_INCREASE, kArrows, kArrowFrame, 24, 3, "increase arrow pointing right: normal, lit, pressed"},
    {IDB_STATUS_PANEL, kPanelWidth, kHeight, 24, 1, "status strip panel"},
    {IDB_POINTS_LABEL, kPointsLabelWidth, kLabelHeight, 24, 1, "label plate: Points"},
    {IDB_GLIMBLES_LABEL, kGlimblesLabelWidth, kLabelHeight, 24, 1, "label plate: Glimbles"},
    {IDB_OK, kButtonWidth, kButtonHeight, 24, 1, "OK button, normal"},
    {IDB_OK_PRESSED, kButtonWidth, kButtonHeight, 24, 1, "OK button, pressed"},
    {IDB_CANCEL, kButtonWidth, kButtonHeight, 24, 1, "Cancel button, normal"},
    {IDB_CANCEL_PRESSED, kButtonWidth, kButtonHeight, 24, 1, "Cancel button, pressed"},
    {IDB_SAND_COVERED, kLooksWidth, kTile, 8, kLookFrames, "Sand covered tile, looks 0 to 5"},
    {IDB_SAND_EMPTY, kNumbers, kTile, 8, kNumberFrames, "Sand empty tile showing the number k"},
    {IDB_SAND_FOUND, kNumbers, kTile, 8, kNumberFrames, "Sand found tile: a glimble and the number k"},
    {IDB_TIP_FIRST + 0, kTipWidth, kTipHeight, 8, 1, "tip 1: what the number of a selected tile counts"},
    {IDB_TIP_FIRST + 1, kTipWidth, kTipHeight, 8, 1, "tip 2: the found tile, and several glimbles in one place"},
    {IDB_TIP_FIRST + 2, kTipWidth, kTipHeight, 8, 1, "tip 3: the status strip, Points and glimbles still hidden"},
    {IDB_TIP_FIRST + 3, kTipWidth, kTipHeight, 8, 1, "tip 4: choosing the number of glimbles and the board size"},
    {IDB_TIP_FIRST + 4, kTipWidth, kTipHeight, 8, 1, "tip 5: a strategy hint"},
    {IDB_GRASS_FOUND_HIGH, kHigh, kTile, 8, kHighNumberFrames, "Grass found tile: a glimble and the number 15 + k"},
    {IDB_GRASS_EMPTY_HIGH, kHigh, kTile, 8, kHighNumberFrames, "Grass empty tile showing the number 15 + k"},
    {IDB_SAND_FOUND_HIGH, kHigh, kTile, 8, kHighNumberFrames, "Sand found tile: a glimble and the number 15 + k"},
    {IDB_SAND_EMPTY_HIGH, kHigh, kTile, 8, kHighNumberFrames, "Sand empty tile showing the number 15 + k"},
};

static_assert(IDB_TIP_LAST - IDB_TIP_FIRST == 4, "five tip pictures");

}  // namespace

std::span<const PictureInfo> AllPictures() { return kPictures; }

const PictureInfo* FindPicture(int id) {
    for (const PictureInfo& p : kPictures) {
        if (p.id == id) return &p;
    }
    return nullptr;
}

}  // namespace res
