// Writes the growth data of the gallery plants (see GrowthSeries.h), one file per plant and
// organ class. Usage: burgeon_make_growth_data OUTPUT_FOLDER

#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "tools/GrowthSeries.h"

#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::cerr << "usage: burgeon_make_growth_data OUTPUT_FOLDER\n";
        return 2;
    }
    try {
        const auto& series = burgeon::tools::gallerySeries();
        for (const burgeon::tools::SeriesPlan& plan : series) {
            burgeon::writeFileAtomically(burgeon::joinPath(argv[1], plan.fileName),
                                         burgeon::tools::seriesText(plan));
        }
        std::cout << "wrote " << series.size() << " growth data files to " << argv[1] << "\n";
    } catch (const std::exception& error) {
        std::cerr << "burgeon_make_growth_data: " << error.what() << "\n";
        return 1;
    }
    return 0;
}
