#include "desktop/AppState.h"

namespace burgeon {

AppState::AppState(UserInterface& ui)
    : captureRun(project.animation, animation), lsystemEditor(ui, project.lsystemText),
      parameterPage(project.parameters, ui), growthPage(ui, project.growth),
      componentPage(ui, shapes, project.placement, project.leaf, project.flower),
      materialPage(ui, project.materials, project.leafTextures),
      animationPage(project, animation, captureRun, ui) {
    parameterPage.attachLeafArrangement(project.placement, random);
}

} // namespace burgeon
