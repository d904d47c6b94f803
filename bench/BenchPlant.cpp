#include "BenchPlant.h"

#include "engine/PlantRecipe.h"
#include "engine/StopCondition.h"

#include <stdexcept>

namespace burgeon {

std::string benchPlantSession() {
    return std::string(BURGEON_EXAMPLES) + "/bench/bushy.burgeon";
}

HeadlessPlant openBenchPlant() {
    PlantRecipe recipe;
    recipe.session = benchPlantSession();
    recipe.seed = 1;
    HeadlessPlant opened;
    const Outcome outcome = openPlant(recipe, opened, StopCondition());
    if (!outcome.completed()) {
        throw std::runtime_error("the bench plant does not open: " + outcome.failureText());
    }
    return opened;
}

BenchScene::BenchScene() {
    HeadlessPlant opened = openBenchPlant();
    static_cast<PlantProject&>(*this) = std::move(opened.project);
    clock = opened.clock;
}

} // namespace burgeon
