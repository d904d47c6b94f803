#pragma once

// Growth data of the gallery plants, as a ruler on living plants gives it: sizes measured once
// a day, one column per organ. Each organ appears a few days after the one before it, grows
// along its own logistic curve (final size and pace vary from organ to organ) and is read with
// a small relative error.

#include <cstdint>
#include <string>
#include <vector>

namespace burgeon::tools {

// One organ class of one plant: how many organs were measured and how they grow.
struct SeriesPlan {
    const char* fileName;
    int organs;         // columns
    int days;           // rows 0..days
    double finalSize;   // mean final size of an organ (cm)
    double sizeSpread;  // relative spread of the final size between organs
    double halfTime;    // days from appearing to half the final size
    double pace;        // slope of the logistic, per day
    double stagger;     // days between the appearance of successive organs
    double error;       // relative measurement error
    std::uint32_t seed; // each series has its own draws
};

// The data file's text: a time, then one size per organ, two decimals; 0 until the organ
// appears, then at least the smallest step a reading can show. The same plan always gives
// the same text.
std::string seriesText(const SeriesPlan& plan);

// Every file of the gallery: six organ classes of each plant.
const std::vector<SeriesPlan>& gallerySeries();

} // namespace burgeon::tools
