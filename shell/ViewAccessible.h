#pragma once

#include <QString>

// What a tile says to a screen reader, in the player's language: "column 3,
// row 5, covered", "column 3, row 5, 2 on its lines", "column 3, row 5,
// glimble found, 1 on its lines"; column and row counted from 1.
QString DescribeTile(int column, int row, int code);
