#pragma once

#include "base/RandomSource.h"
#include "base/UserInterface.h"
#include "frame/AnimationState.h"
#include "lsystem/LSystemCompiler.h"
#include "lsystem/PlantState.h"
#include "pages/LSystemEditorPage.h"
#include "pages/ParameterPage.h"

namespace burgeon {

// "Compile L-system" on the editor's text: the compiler's panes, the L-system's name, the
// progress bar and the "Petiole Angle" and "Node Diamter" sliders show the outcome, and its
// messages follow in order. True when the compilation ran to its end.
bool compileFromEditor(LSystemEditorPage& editor, ParameterPage& parameters, PlantState& plant,
                       UserInterface& ui);

// The editor page's panes, name box and text as a compilation left them.
void showCompileOutcome(LSystemEditorPage& editor, const CompileOutcome& outcome);

// "Generate Plant": the node table from the result string; the view draws nothing more until
// "Animation Show". True when the generation ran to its end.
bool generateFromEditor(LSystemEditorPage& editor, PlantState& plant, float turnStep,
                        RandomSource& random, AnimationState& animation, UserInterface& ui);

} // namespace burgeon
