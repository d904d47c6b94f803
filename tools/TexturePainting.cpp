#include "tools/TexturePainting.h"

#include <algorithm>
#include <cmath>

namespace burgeon::tools {

namespace {

double latticeValue(int x, int y, int period, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(((x % period) + period) % period) * 374761393u +
                      static_cast<std::uint32_t>(((y % period) + period) % period) * 668265263u +
                      seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xffffff) / static_cast<double>(0x1000000);
}

} // namespace

Color mix(const Color& a, const Color& b, double amount) {
    return {a.r + (b.r - a.r) * amount, a.g + (b.g - a.g) * amount, a.b + (b.b - a.b) * amount};
}

Color scaled(const Color& c, double factor) {
    return {c.r * factor, c.g * factor, c.b * factor};
}

RgbColor toPixel(const Color& c) {
    const auto channel = [](double v) {
        return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
    };
    return {channel(c.r), channel(c.g), channel(c.b)};
}

double valueNoise(double x, double y, int cells, std::uint32_t seed) {
    const double fx = x * cells / TextureSide;
    const double fy = y * cells / TextureSide;
    const int ix = static_cast<int>(std::floor(fx));
    const int iy = static_cast<int>(std::floor(fy));
    const auto smooth = [](double t) { return t * t * (3.0 - 2.0 * t); };
    const double tx = smooth(fx - ix);
    const double ty = smooth(fy - iy);
    const double top =
        latticeValue(ix, iy, cells, seed) * (1 - tx) + latticeValue(ix + 1, iy, cells, seed) * tx;
    const double bottom = latticeValue(ix, iy + 1, cells, seed) * (1 - tx) +
                          latticeValue(ix + 1, iy + 1, cells, seed) * tx;
    return top * (1 - ty) + bottom * ty;
}

double layeredNoise(double x, double y, std::uint32_t seed) {
    return 0.5 * valueNoise(x, y, 4, seed) + 0.3 * valueNoise(x, y, 16, seed + 1) +
           0.2 * valueNoise(x, y, 64, seed + 2);
}

RgbImage leafTexture(const LeafStyle& style) {
    RgbImage image(TextureSide, TextureSide);
    const double centre = (TextureSide - 1) / 2.0;
    for (int y = 0; y < TextureSide; ++y) {
        for (int x = 0; x < TextureSide; ++x) {
            const double across = std::abs(x - centre);
            const double d = across / (TextureSide / 2.0);
            const double towardsBase = y / static_cast<double>(TextureSide - 1);
            Color c = mix(style.base, style.margin, std::pow(d, 1.5) * 0.7);
            const double mottle = layeredNoise(x, y, style.seed) - 0.5;
            c = scaled(c, 1.0 + style.mottling * mottle * 2.0);
            if (style.gloss > 0.0) {
                const double band = std::exp(-std::pow((x - centre * 0.6) / 18.0, 2.0));
                c = mix(c, Color{235, 245, 225}, style.gloss * band * (0.5 + 0.5 * mottle));
            }
            if (style.net > 0.0) {
                const double ridge = std::abs(valueNoise(x, y, 32, style.seed + 7) - 0.5);
                if (ridge < 0.04) {
                    c = mix(c, style.vein, style.net * (1.0 - ridge / 0.04));
                }
            }
            const double along =
                y + style.veinRise * across + style.veinCurve * across * across / TextureSide;
            const double phase = std::fmod(along, style.veinSpacing);
            const double distance = std::min(phase, style.veinSpacing - phase);
            const double width = style.veinWidth * (1.0 - 0.6 * d);
            if (distance < width) {
                c = mix(c, style.vein, 0.7 * (1.0 - distance / width));
            }
            const double midrib = style.midribWidth * (0.5 + 0.7 * towardsBase);
            if (across < midrib) {
                c = mix(c, style.vein, 0.85);
            }
            image.setPixel(x, y, toPixel(c));
        }
    }
    return image;
}

} // namespace burgeon::tools
