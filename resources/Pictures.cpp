#include "resources/Pictures.h"

#include "resources/ResourceIds.h"

namespace res {
namespace {

constexpr PictureInfo kPictures[] = {
    {IDB_GRASS_EMPTY, 600, 40, 8, 15, "Grass empty tile showing the number k; frames 0 to 9 are the digits"},
    {IDB_GRASS_COVERED, 240, 40, 8, 6, "Grass covered tile, looks 0 to 5"},
    {IDB_GRASS_FOUND, 600, 40, 8, 15, "Grass found tile: a glimble and the number k"},
    {IDB_ARROW_DECREASE, 90, 30, 24, 3, "decrease arrow pointing left: normal, lit, pressed"},
    {IDB_ARROW_INCREASE, 90, 30, 24, 3, "increase arrow pointing right: normal, lit, pressed"},
    {IDB_STATUS_PANEL, 320, 60, 24, 1, "status strip panel"},
    {IDB_POINTS_LABEL, 80, 40, 24, 1, "label plate: Points"},
    {IDB_GLIMBLES_LABEL, 100, 40, 24, 1, "label plate: Glimbles"},
    {IDB_OK, 120, 50, 24, 1, "OK button, normal"},
    {IDB_OK_PRESSED, 120, 50, 24, 1, "OK button, pressed"},
    {IDB_CANCEL, 120, 50, 24, 1, "Cancel button, normal"},
    {IDB_CANCEL_PRESSED, 120, 50, 24, 1, "Cancel button, pressed"},
    {IDB_SAND_COVERED, 240, 40, 8, 6, "Sand covered tile, looks 0 to 5"},
    {IDB_SAND_EMPTY, 600, 40, 8, 15, "Sand empty tile showing the number k"},
    {IDB_SAND_FOUND, 600, 40, 8, 15, "Sand found tile: a glimble and the number k"},
    {IDB_TIP_FIRST + 0, 450, 200, 8, 1, "tip 1: what the number of a selected tile counts"},
    {IDB_TIP_FIRST + 1, 450, 200, 8, 1, "tip 2: the found tile, and several glimbles in one place"},
    {IDB_TIP_FIRST + 2, 450, 200, 8, 1, "tip 3: the status strip, Points and glimbles still hidden"},
    {IDB_TIP_FIRST + 3, 450, 200, 8, 1, "tip 4: choosing the number of glimbles and the board size"},
    {IDB_TIP_FIRST + 4, 450, 200, 8, 1, "tip 5: a strategy hint"},
    {IDB_GRASS_FOUND_HIGH, 240, 40, 8, 6, "Grass found tile: a glimble and the number 15 + k"},
    {IDB_GRASS_EMPTY_HIGH, 240, 40, 8, 6, "Grass empty tile showing the number 15 + k"},
    {IDB_SAND_FOUND_HIGH, 240, 40, 8, 6, "Sand found tile: a glimble and the number 15 + k"},
    {IDB_SAND_EMPTY_HIGH, 240, 40, 8, 6, "Sand empty tile showing the number 15 + k"},
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
