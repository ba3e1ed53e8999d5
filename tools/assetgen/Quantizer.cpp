#include "tools/assetgen/Quantizer.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace assetgen {
namespace {

constexpr int kRefineRounds = 4;
// Channel weights of the colour distance: the eye is most sensitive to green.
constexpr std::array<double, 3> kWeight{2.0, 4.0, 3.0};

struct Entry {
    std::array<int, 3> rgb;
    double count;
};

std::array<int, 3> Channels(QRgb c) { return {qRed(c), qGreen(c), qBlue(c)}; }

double Distance(const std::array<int, 3>& a, const std::array<double, 3>& b) {
    double d = 0;
    for (int k = 0; k < 3; ++k) d += kWeight[k] * (a[k] - b[k]) * (a[k] - b[k]);
    return d;
}

std::vector<Entry> CountColours(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::map<QRgb, double> counts;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(row[x]) >= kOpaqueAlpha) counts[row[x] | 0xFF000000u] += 1;
    }
    std::vector<Entry> entries;
    entries.reserve(counts.size());
    for (const auto& [rgb, n] : counts) entries.push_back({Channels(rgb), n});
    return entries;
}

// A box of the median cut: a range of the entries and its weighted spread.
struct Box {
    std::size_t begin, end;
    double spread;  // weighted sum of squared distances to the mean
    int axis;       // channel with the largest spread
    std::array<double, 3> mean;
};

Box MakeBox(const std::vector<Entry>& e, std::size_t begin, std::size_t end) {
    Box box{begin, end, 0, 0, {0, 0, 0}};
    double n = 0;
    std::array<double, 3> sum{}, sq{};
    for (std::size_t i = begin; i < end; ++i) {
        n += e[i].count;
        for (int k = 0; k < 3; ++k) {
            sum[k] += e[i].count * e[i].rgb[k];
            sq[k] += e[i].count * e[i].rgb[k] * e[i].rgb[k];
        }
    }
    double best = -1;
    for (int k = 0; k < 3; ++k) {
        box.mean[k] = sum[k] / n;
        const double var = kWeight[k] * (sq[k] - sum[k] * sum[k] / n);
        box.spread += var;
        if (var > best) {
            best = var;
            box.axis = k;
        }
    }
    return box;
}

std::vector<std::array<double, 3>> MedianCut(std::vector<Entry>& e, int maxColours) {
    std::vector<Box> boxes{MakeBox(e, 0, e.size())};
    while (static_cast<int>(boxes.size()) < maxColours) {
        std::size_t pick = boxes.size();
        for (std::size_t i = 0; i < boxes.size(); ++i)
            if (boxes[i].end - boxes[i].begin > 1 && (pick == boxes.size() || boxes[i].spread > boxes[pick].spread))
                pick = i;
        if (pick == boxes.size()) break;
        const Box box = boxes[pick];
        const int axis = box.axis;
        std::sort(e.begin() + static_cast<std::ptrdiff_t>(box.begin), e.begin() + static_cast<std::ptrdiff_t>(box.end),
                  [axis](const Entry& a, const Entry& b) {
                      if (a.rgb[axis] != b.rgb[axis]) return a.rgb[axis] < b.rgb[axis];
                      return a.rgb < b.rgb;
                  });
        double total = 0;
        for (std::size_t i = box.begin; i < box.end; ++i) total += e[i].count;
        double run = 0;
        std::size_t split = box.begin + 1;
        for (std::size_t i = box.begin; i < box.end - 1; ++i) {
            run += e[i].count;
            split = i + 1;
            if (run >= total / 2) break;
        }
        boxes[pick] = MakeBox(e, box.begin, split);
        boxes.push_back(MakeBox(e, split, box.end));
    }
    std::vector<std::array<double, 3>> means;
    means.reserve(boxes.size());
    for (const Box& b : boxes) means.push_back(b.mean);
    return means;
}

std::size_t Nearest(const std::array<int, 3>& c, const std::vector<std::array<double, 3>>& palette) {
    std::size_t best = 0;
    double bestD = std::numeric_limits<double>::max();
    for (std::size_t i = 0; i < palette.size(); ++i) {
        const double d = Distance(c, palette[i]);
        if (d < bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

void Refine(const std::vector<Entry>& e, std::vector<std::array<double, 3>>& palette) {
    for (int round = 0; round < kRefineRounds; ++round) {
        std::vector<std::array<double, 3>> sum(palette.size(), {0, 0, 0});
        std::vector<double> n(palette.size(), 0);
        for (const Entry& entry : e) {
            const std::size_t i = Nearest(entry.rgb, palette);
            n[i] += entry.count;
            for (int k = 0; k < 3; ++k) sum[i][k] += entry.count * entry.rgb[k];
        }
        for (std::size_t i = 0; i < palette.size(); ++i)
            if (n[i] > 0)
                for (int k = 0; k < 3; ++k) palette[i][k] = sum[i][k] / n[i];
    }
}

int ToByte(double v) { return std::clamp(static_cast<int>(std::lround(v)), 0, 255); }

}  // namespace

std::vector<QRgb> BuildPalette(const QImage& image, int maxColours) {
    std::vector<Entry> entries = CountColours(image);
    std::vector<QRgb> palette;
    if (static_cast<int>(entries.size()) <= maxColours) {
        for (const Entry& e : entries) palette.push_back(qRgb(e.rgb[0], e.rgb[1], e.rgb[2]));
        return palette;
    }
    std::vector<std::array<double, 3>> means = MedianCut(entries, maxColours);
    Refine(entries, means);
    for (const auto& m : means) palette.push_back(qRgb(ToByte(m[0]), ToByte(m[1]), ToByte(m[2])));
    std::sort(palette.begin(), palette.end());
    palette.erase(std::unique(palette.begin(), palette.end()), palette.end());
    return palette;
}

std::vector<std::uint8_t> MapToPalette(const QImage& source, const std::vector<QRgb>& palette) {
    const QImage image = source.convertToFormat(QImage::Format_ARGB32);
    std::vector<std::array<double, 3>> targets;
    targets.reserve(palette.size());
    for (QRgb c : palette) targets.push_back({double(qRed(c)), double(qGreen(c)), double(qBlue(c))});
    std::map<QRgb, std::uint8_t> cache;
    std::vector<std::uint8_t> indices;
    indices.reserve(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = row[x] | 0xFF000000u;
            auto it = cache.find(c);
            if (it == cache.end())
                it = cache.emplace(c, static_cast<std::uint8_t>(Nearest(Channels(c), targets))).first;
            indices.push_back(it->second);
        }
    }
    return indices;
}

IndexedImage Quantize8(const QImage& image) {
    IndexedImage out;
    out.width = image.width();
    out.height = image.height();
    const std::vector<QRgb> palette = BuildPalette(image, kBmpPaletteEntries);
    out.palette.fill(qRgb(0, 0, 0));
    std::copy(palette.begin(), palette.end(), out.palette.begin());
    out.indices = MapToPalette(image, palette);
    return out;
}

}  // namespace assetgen
