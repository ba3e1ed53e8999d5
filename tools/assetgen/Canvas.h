#pragma once

#include <QImage>
#include <QPainter>

#include <functional>
#include <vector>

namespace assetgen {

// Pictures are painted this many times larger and averaged down, which gives
// clean edges to textures, outlines and text alike.
inline constexpr int kSupersample = 4;

using PaintFn = std::function<void(QPainter&)>;

// A width x height picture painted by `paint` in its own pixel coordinates,
// supersampled and averaged down. Transparent where nothing was painted.
// At a `scale` above 1 the result has scale times as many pixels each way,
// painted by the same code in the same coordinates, only finer.
QImage Render(int width, int height, const PaintFn& paint, int factor = kSupersample, int scale = 1);

// Averages factor x factor blocks (premultiplied), exact and deterministic.
QImage Downsample(const QImage& big, int factor);

// Frames of equal size side by side in one strip.
QImage JoinFrames(const std::vector<QImage>& frames);

}  // namespace assetgen
