#include "app/AppState.h"

namespace burgeon {

AppState::AppState(UserInterface& ui)
    : lsystemEditor(ui), parameterPage(parameters, ui), growthPage(ui, curves, growthData),
      componentPage(ui, shapes, placement, leafSurface, flowerSurface),
      materialPage(ui, materials, leafTextures), animationPage(view, animation, ui),
      captureRun(animation, animationPage, ui), workspace{plant,     lsystemEditor, parameterPage,
                                                          animation, random,        ui} {
    parameterPage.attachLeafArrangement(placement, random);
}

} // namespace burgeon
