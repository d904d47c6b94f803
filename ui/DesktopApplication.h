#pragma once

namespace burgeon {

// Starts the three windows and runs the event loop until "Exit".
int runDesktopApplication(int argc, char** argv);

} // namespace burgeon
