#pragma once

#include <QImage>
#include <QPoint>

#include <cstdint>

#include "engine/Settings.h"

// One screenshot: the real main window with a seeded board at play.
struct Shot {
    const char* file;          // the PNG's name in the output folder
    int size;                  // board edge N
    int count;                 // glimbles placed on the board
    game_settings::Skin skin;  // the tile set
    std::uint32_t ticks;       // the tick count that seeds the board
    int found;                 // glimbles the player has collected so far
    int empty;                 // empty tiles the player has uncovered so far
};

// The screenshots of the README.
inline constexpr Shot kShots[] = {
    {"tiny-grass.png", 8, 8, game_settings::Skin::Grass, 20061, 3, 16},
    {"huge-sand.png", 20, 20, game_settings::Skin::Sand, 20061, 9, 110},
};

// What one shot rendered.
struct Rendered {
    QImage window;  // the main window as grabbed: menu bar, edge, board and status strip
    QImage view;    // the view's own retained picture
    QPoint viewAt;  // where the view lies in `window`
    int score;      // the Points after the clicks
    int remaining;  // glimbles still hidden after the clicks
};

// Opens the game's main window over settings kept in memory (the player's
// own are never read), plays the shot's clicks through the view and grabs
// the window. Needs a QApplication.
Rendered RenderShot(const Shot& shot);
