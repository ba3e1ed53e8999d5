#pragma once

#include <QString>

// What a tile says to a screen reader, in the player's language: "column 3,
// row 5, covered", "column 3, row 5, 2 on its lines", "column 3, row 5,
// glimble found, 1 on its lines"; column and row counted from 1.
QString DescribeTile(int column, int row, int code);

// What the game says after a move, in the player's language: what the tile
// played shows now ("Glimble found, 2 on its lines."; nothing for a covered
// tile), then the status or, once the last glimble is found, the win.
QString DescribeOutcome(int code);
// "Points 63. Glimbles left: 7."
QString DescribeStatus(int points, int left);
// The won game with its points, and whether they earned a place in the best
// results.
QString DescribeWin(int points, bool earnedPlace);
