#pragma once

#include <QString>

namespace burgeon {

class DesktopWindows;

// The plant the screenshots and the pacing probe show, run in the examples folder: the session
// file when one is given, else the largest example L-system (the first block) compiled,
// generated and shown the way a newcomer does it, with the example internode data fitted to
// every organ. Returns false (with a note on stderr) when the plant could not be shown.
bool showExamplePlant(DesktopWindows& windows, const QString& sessionFile);

// The first session of examples/sessions/ in name order, empty when there is none.
QString firstExampleSession(const QString& examplesFolder);

} // namespace burgeon
