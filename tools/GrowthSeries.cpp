#include "tools/GrowthSeries.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>

namespace burgeon::tools {

namespace {

// Normal draws from a generator whose sequence the standard fixes, so every run writes the
// same files on every platform.
class Draws {
public:
    explicit Draws(std::uint32_t seed) : engine_(seed) {}

    double normal() {
        const double u1 = (static_cast<double>(engine_()) + 0.5) / 4294967296.0;
        const double u2 = (static_cast<double>(engine_()) + 0.5) / 4294967296.0;
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    }

private:
    std::mt19937 engine_;
};

std::string fixed2(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.2f", value);
    return text;
}

} // namespace

std::string seriesText(const SeriesPlan& plan) {
    Draws draws(plan.seed);
    struct Organ {
        double appears, finalSize, halfTime, pace;
    };
    std::vector<Organ> organs;
    for (int c = 0; c < plan.organs; ++c) {
        const double jitter = 0.3 * draws.normal();
        organs.push_back({std::max(0.0, c * plan.stagger + jitter),
                          plan.finalSize * (1.0 + plan.sizeSpread * draws.normal()),
                          plan.halfTime * (1.0 + 0.08 * draws.normal()),
                          plan.pace * (1.0 + 0.08 * draws.normal())});
    }
    std::string text;
    for (int day = 0; day <= plan.days; ++day) {
        text += std::to_string(day);
        for (const Organ& organ : organs) {
            const double age = day - std::ceil(organ.appears);
            double reading = 0.0;
            if (age >= 0.0) {
                const double size =
                    organ.finalSize / (1.0 + std::exp(-organ.pace * (age - organ.halfTime)));
                reading = std::max(0.01, size * (1.0 + plan.error * draws.normal()));
            }
            text += ' ' + fixed2(reading);
        }
        text += '\n';
    }
    return text;
}

const std::vector<SeriesPlan>& gallerySeries() {
    // clang-format off
    static const std::vector<SeriesPlan> series = {
        // file                    organs days  final spread  half  pace stagger error seed
        // Soybean: stem internodes, leaf stalks, leaflets, the shoot tip, the purple flowers.
        {"soybean-internode.txt",     8,  60,  5.00, 0.12,  11.0, 0.45,  3.0, 0.04, 101},
        {"soybean-petiole.txt",       8,  60,  9.00, 0.15,  11.0, 0.45,  3.0, 0.04, 102},
        {"soybean-leaf-length.txt",  10,  60,  9.50, 0.10,   6.0, 0.60,  3.0, 0.03, 103},
        {"soybean-leaf-width.txt",   10,  60,  6.00, 0.10,   6.0, 0.60,  3.0, 0.03, 104},
        {"soybean-apex.txt",          6,  60,  0.60, 0.10,   4.0, 0.80,  3.0, 0.05, 105},
        {"soybean-flower.txt",       12,  60,  1.20, 0.08,  20.0, 0.60,  2.0, 0.05, 106},
        // Primula, a rosette plant: its short stem, the scape (a branch, so measured as a
        // petiole), the spatulate leaves and the flowers; scape and flowers grow late.
        {"primula-internode.txt",    12,  60,  0.25, 0.10,   6.0, 0.50,  3.0, 0.05, 201},
        {"primula-petiole.txt",       4,  80,  5.50, 0.10,  45.0, 0.30,  1.5, 0.04, 202},
        {"primula-leaf-length.txt",  12,  60, 12.00, 0.12,   9.0, 0.40,  3.0, 0.03, 203},
        {"primula-leaf-width.txt",   12,  60,  5.00, 0.12,   9.0, 0.40,  3.0, 0.03, 204},
        {"primula-apex.txt",          4,  60,  0.40, 0.10,   4.0, 0.80,  3.0, 0.05, 205},
        {"primula-flower.txt",        8,  80,  2.00, 0.06,  55.0, 0.45,  1.0, 0.04, 206},
        // Azalea, a sympodial shrub: trunk segments, shoot internodes, leathery leaves, flowers.
        {"azalea-internode.txt",      4,  60,  8.00, 0.10,  12.0, 0.30,  4.0, 0.04, 301},
        {"azalea-petiole.txt",       10,  60,  4.00, 0.12,  10.0, 0.35,  3.0, 0.04, 302},
        {"azalea-leaf-length.txt",   12,  60,  7.00, 0.10,   8.0, 0.45,  2.0, 0.03, 303},
        {"azalea-leaf-width.txt",    12,  60,  2.50, 0.10,   8.0, 0.45,  2.0, 0.03, 304},
        {"azalea-apex.txt",           4,  60,  0.50, 0.10,   4.0, 0.80,  3.0, 0.05, 305},
        {"azalea-flower.txt",        10,  60,  4.50, 0.08,  14.0, 0.50,  2.0, 0.04, 306},
        // Basil, an opposite-decussate herb: stem internodes, leaf stalks, toothed leaves, flowers.
        {"basil-internode.txt",       8,  60,  4.00, 0.10,   8.0, 0.45,  3.0, 0.04, 401},
        {"basil-petiole.txt",        10,  60,  1.80, 0.12,   7.0, 0.50,  3.0, 0.04, 402},
        {"basil-leaf-length.txt",    12,  60,  6.00, 0.10,   7.0, 0.50,  3.0, 0.03, 403},
        {"basil-leaf-width.txt",     12,  60,  3.50, 0.10,   7.0, 0.50,  3.0, 0.03, 404},
        {"basil-apex.txt",            4,  60,  0.40, 0.10,   4.0, 0.80,  3.0, 0.05, 405},
        {"basil-flower.txt",         12,  60,  0.90, 0.06,  12.0, 0.60,  1.0, 0.04, 406},
    };
    // clang-format on
    return series;
}

} // namespace burgeon::tools
