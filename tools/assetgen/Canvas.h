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
QImage Render(int width, int height, const PaintFn& paint, int factor = kSupersample);

// Averages factor x factor blocks (premultiplied), exact and deterministic.
QImage Downsample(const QImage& big, int factor);

// Frames of equal size side by side in one strip.
QImage JoinFrames(const std::vector<QImage>& frames);

}  // namespace assetgen
