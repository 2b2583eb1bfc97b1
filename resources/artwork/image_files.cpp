#include "image_files.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>

namespace {

void Put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(static_cast<uint8_t>(v));
    out.push_back(static_cast<uint8_t>(v >> 8));
}

void Put32(std::vector<uint8_t>& out, uint32_t v) {
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

bool Save(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(out);
}

void PutInfoHeader(std::vector<uint8_t>& out, int width, int height, int bits, uint32_t imageSize, uint32_t colours) {
    Put32(out, 40);
    Put32(out, static_cast<uint32_t>(width));
    Put32(out, static_cast<uint32_t>(height));
    Put16(out, 1);
    Put16(out, static_cast<uint32_t>(bits));
    Put32(out, 0);  // BI_RGB
    Put32(out, imageSize);
    Put32(out, 3780);  // 96 dpi
    Put32(out, 3780);
    Put32(out, colours);
    Put32(out, colours);
}

std::vector<uint8_t> BitmapFile(int width, int height, int bits, const std::vector<uint8_t>& palette,
                                const std::vector<uint8_t>& rows) {
    std::vector<uint8_t> out;
    const uint32_t offset = 14 + 40 + static_cast<uint32_t>(palette.size());
    out.push_back('B');
    out.push_back('M');
    Put32(out, offset + static_cast<uint32_t>(rows.size()));
    Put32(out, 0);
    Put32(out, offset);
    PutInfoHeader(out, width, height, bits, static_cast<uint32_t>(rows.size()),
                  static_cast<uint32_t>(palette.size() / 4));
    out.insert(out.end(), palette.begin(), palette.end());
    out.insert(out.end(), rows.begin(), rows.end());
    return out;
}

// Median cut over the distinct colours, weighted by how often they occur.
struct Bucket {
    std::vector<std::pair<uint32_t, uint32_t>> colours;  // 0xRRGGBB, count
    int Channel(uint32_t c, int k) const { return (c >> (16 - 8 * k)) & 0xFF; }
    int WidestChannel(int* range) const {
        int best = 0;
        *range = -1;
        for (int k = 0; k < 3; ++k) {
            int lo = 255, hi = 0;
            for (auto& [c, n] : colours) {
                lo = std::min(lo, Channel(c, k));
                hi = std::max(hi, Channel(c, k));
            }
            if (hi - lo > *range) { *range = hi - lo; best = k; }
        }
        return best;
    }
};

std::vector<uint32_t> MakePalette(const std::map<uint32_t, uint32_t>& counts, size_t size) {
    std::vector<Bucket> buckets(1);
    for (auto& entry : counts) buckets[0].colours.push_back(entry);
    while (buckets.size() < size) {
        // Split the bucket with the widest spread, weighted by its pixels.
        size_t pick = buckets.size();
        double score = 0;
        for (size_t i = 0; i < buckets.size(); ++i) {
            if (buckets[i].colours.size() < 2) continue;
            int range;
            buckets[i].WidestChannel(&range);
            uint64_t pixels = 0;
            for (auto& entry : buckets[i].colours) pixels += entry.second;
            const double s = range * std::sqrt(static_cast<double>(pixels));
            if (s > score) { score = s; pick = i; }
        }
        if (pick == buckets.size()) break;
        Bucket& b = buckets[pick];
        int range;
        const int k = b.WidestChannel(&range);
        std::sort(b.colours.begin(), b.colours.end(),
                  [&](auto& x, auto& y) { return b.Channel(x.first, k) < b.Channel(y.first, k); });
        uint64_t total = 0, half = 0;
        for (auto& entry : b.colours) total += entry.second;
        size_t split = 0;
        while (split < b.colours.size() - 1 && half + b.colours[split].second <= total / 2) half += b.colours[split++].second;
        split = std::max<size_t>(split, 1);
        Bucket upper;
        upper.colours.assign(b.colours.begin() + static_cast<std::ptrdiff_t>(split), b.colours.end());
        b.colours.resize(split);
        buckets.push_back(std::move(upper));
    }
    std::vector<uint32_t> palette;
    for (auto& b : buckets) {
        double sum[3] = {0, 0, 0}, n = 0;
        for (auto& [c, count] : b.colours) {
            for (int k = 0; k < 3; ++k) sum[k] += b.Channel(c, k) * static_cast<double>(count);
            n += count;
        }
        uint32_t c = 0;
        for (int k = 0; k < 3; ++k) c = (c << 8) | static_cast<uint32_t>(std::lround(sum[k] / n));
        palette.push_back(c);
    }
    return palette;
}

std::vector<uint8_t> IconImage(const RgbaImage& image) {
    std::vector<uint8_t> out;
    const uint32_t maskStride = ((static_cast<uint32_t>(image.width) + 31) / 32) * 4;
    const uint32_t size = static_cast<uint32_t>(image.width * image.height * 4) + maskStride * image.height;
    PutInfoHeader(out, image.width, image.height * 2, 32, size, 0);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = &image.rgba[(static_cast<size_t>(y) * image.width + x) * 4];
            out.insert(out.end(), {p[2], p[1], p[0], p[3]});
        }
    }
    // The AND mask keeps the screen where the image is fully transparent.
    for (int y = image.height - 1; y >= 0; --y) {
        std::vector<uint8_t> row(maskStride, 0);
        for (int x = 0; x < image.width; ++x)
            if (image.rgba[(static_cast<size_t>(y) * image.width + x) * 4 + 3] == 0) row[x / 8] |= 0x80 >> (x % 8);
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}

std::vector<uint8_t> IconFile(int type, const std::vector<RgbaImage>& images, int hotX, int hotY) {
    std::vector<uint8_t> out;
    Put16(out, 0);
    Put16(out, static_cast<uint32_t>(type));
    Put16(out, static_cast<uint32_t>(images.size()));
    std::vector<std::vector<uint8_t>> data;
    for (const RgbaImage& image : images) data.push_back(IconImage(image));
    uint32_t offset = 6 + 16 * static_cast<uint32_t>(images.size());
    for (size_t i = 0; i < images.size(); ++i) {
        out.push_back(static_cast<uint8_t>(images[i].width));
        out.push_back(static_cast<uint8_t>(images[i].height));
        out.push_back(0);  // no palette
        out.push_back(0);
        if (type == 1) {
            Put16(out, 1);   // planes
            Put16(out, 32);  // bits
        } else {
            Put16(out, static_cast<uint32_t>(hotX));
            Put16(out, static_cast<uint32_t>(hotY));
        }
        Put32(out, static_cast<uint32_t>(data[i].size()));
        Put32(out, offset);
        offset += static_cast<uint32_t>(data[i].size());
    }
    for (auto& d : data) out.insert(out.end(), d.begin(), d.end());
    return out;
}

}  // namespace

bool WriteRaw(const std::string& path, const RgbaImage& strip, int frames) {
    char header[21] = {};
    std::snprintf(header, sizeof header, "w=%d,h=%d,n=%d", strip.width, strip.height, frames);
    std::vector<uint8_t> out(header, header + 20);
    out.insert(out.end(), strip.rgba.begin(), strip.rgba.end());
    return Save(path, out);
}

bool WriteBitmap24(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    const size_t stride = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    std::vector<uint8_t> rows(stride * height, 0);
    for (int y = 0; y < height; ++y) {
        uint8_t* row = &rows[static_cast<size_t>(height - 1 - y) * stride];
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            row[x * 3] = p[2];
            row[x * 3 + 1] = p[1];
            row[x * 3 + 2] = p[0];
        }
    }
    return Save(path, BitmapFile(width, height, 24, {}, rows));
}

bool WriteBitmap8(const std::string& path, int width, int height, const std::vector<uint8_t>& rgb) {
    std::map<uint32_t, uint32_t> counts;
    for (size_t i = 0; i < rgb.size(); i += 3)
        ++counts[(uint32_t{rgb[i]} << 16) | (uint32_t{rgb[i + 1]} << 8) | rgb[i + 2]];
    // The transparent magenta must stay exact: it gets an entry of its own.
    const uint32_t magenta = 0xFF00FF;
    const bool keyed = counts.erase(magenta) > 0;
    std::vector<uint32_t> palette = MakePalette(counts, keyed ? 255 : 256);
    if (keyed) palette.push_back(magenta);

    std::map<uint32_t, uint8_t> nearest;
    auto indexOf = [&](uint32_t c) {
        auto found = nearest.find(c);
        if (found != nearest.end()) return found->second;
        int best = 0;
        long bestDistance = -1;
        for (size_t i = 0; i < palette.size(); ++i) {
            if (palette[i] == magenta && c != magenta) continue;
            long d = 0;
            for (int k = 0; k < 3; ++k) {
                const long delta = static_cast<long>((c >> (8 * k)) & 0xFF) - static_cast<long>((palette[i] >> (8 * k)) & 0xFF);
                d += delta * delta;
            }
            if (bestDistance < 0 || d < bestDistance) { bestDistance = d; best = static_cast<int>(i); }
        }
        return nearest[c] = static_cast<uint8_t>(best);
    };

    std::vector<uint8_t> table;
    for (uint32_t c : palette) table.insert(table.end(), {uint8_t(c), uint8_t(c >> 8), uint8_t(c >> 16), 0});
    const size_t stride = (static_cast<size_t>(width) + 3) & ~size_t{3};
    std::vector<uint8_t> rows(stride * height, 0);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const uint8_t* p = &rgb[(static_cast<size_t>(y) * width + x) * 3];
            rows[static_cast<size_t>(height - 1 - y) * stride + x] =
                indexOf((uint32_t{p[0]} << 16) | (uint32_t{p[1]} << 8) | p[2]);
        }
    }
    return Save(path, BitmapFile(width, height, 8, table, rows));
}

bool WriteIcon(const std::string& path, const std::vector<RgbaImage>& images) {
    return Save(path, IconFile(1, images, 0, 0));
}

bool WriteCursor(const std::string& path, const RgbaImage& image, int hotX, int hotY) {
    return Save(path, IconFile(2, {image}, hotX, hotY));
}
