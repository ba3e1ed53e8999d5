#pragma once

#include "tools/assetgen/Fonts.h"

#include <QString>

#include <vector>

// Right-to-left writing for the pictures: one line of a right-to-left
// paragraph put into the order it is drawn in, left to right. It follows the
// implicit rules of the Unicode bidirectional algorithm, without explicit
// embeddings: Hebrew runs right to left with its brackets mirrored, while a
// stretch of Latin words or a number ("8 × 8", "N/2") keeps its own order and
// is placed as a unit; punctuation between takes the direction around it.
namespace assetgen {

// Whether `text` holds a letter of a right-to-left script.
bool HasRightToLeftLetters(const QString& text);

// The runs of one line in drawing order.
std::vector<TextRun> VisualOrder(const std::vector<TextRun>& line);
QString VisualOrder(const QString& line);

}  // namespace assetgen
