#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "desktop/AppState.h"
#include "desktop/WindowPlacement.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace burgeon {

inline constexpr int PageCount = 8;
inline constexpr std::array<const char*, PageCount> ToolPageCaptions = {
    "L-System Editor", "Growth Function", "Component",   "Parameter",
    "Animation",       "Material",        "Text Editor", "Help"};
inline constexpr std::array<int, 3> StatusPanelWidths = {300, 100, 50};
inline constexpr const char* ManualFileName = "Manual.hlp";

// The status hint of a control of the tool window, by the control's name; nothing for the
// controls that show no hint of their own.
std::optional<std::string_view> hintForControl(std::string_view controlName);

// The names of every control that shows a hint, in the order of the hints table.
const std::array<std::string_view, 14>& hintControlNames();

// The pane a tab change stretches down towards the screen's bottom edge, and the room it
// leaves there: "Tree Results" on the L-System page, the text boxes of the Text Editor and
// Help pages.
struct PaneFit {
    std::string_view pane;
    int roomBelow = 0;
};
std::optional<PaneFit> paneFitForPage(int index);
// The height that takes a pane from its top to roomBelow above the screen's bottom edge (both
// in screen coordinates), and never less than minimum: on a low screen the page scrolls.
int fittedPaneHeight(int screenBottom, int paneTop, int roomBelow, int minimum);

// The "Simulation" tool window: the eight stacked pages of which one is visible, the help
// text, its creation and the steps of every showing.
class ToolWindowModel {
public:
    ToolWindowModel(AppState& state, UserInterface& ui);

    ControlModel window{"Simulation"}; // visible while shown
    std::array<ControlModel, PageCount> pages;
    TextControl helpText; // the help text, read from "Manual.hlp"
    WindowRect geometry;  // the client area
    FrameMargins frame;   // what the window manager's frame adds around it (the host says)

    // Creation: placement below the main window's frame at the left screen edge.
    void create(const ScreenArea& screen, const WindowRect& mainFrame);
    void place(const ScreenArea& screen, const WindowRect& mainFrame);
    // Makes the window visible; runs the show steps when it was hidden.
    void showWindow();
    void hideWindow();
    // The show steps, run at every showing: the two file reads, then the values derived from
    // the pages' controls.
    void show();
    // Makes page index (0..7) the only visible page.
    void showOnlyPage(int index);
    // Sizes the pane that page index stretches down the screen (the tab change does it).
    void fitPaneOf(int index);
    // Mouse movement over a control of the window: its hint in status panel 0.
    void mouseMoveOver(std::string_view controlName);

    // Set by the host: gives the named pane the height that reaches roomBelow above the
    // screen's bottom edge.
    std::function<void(const PaneFit&)> fitPane;

private:
    // The file's text beside the start folder; nothing (after the message) when unreadable.
    std::optional<std::string> readFile(const std::string& fileName);
    // Show steps 3 to 7: the values the pages' controls hold.
    void deriveFromControls();

    AppState& state_;
    UserInterface& ui_;
};

} // namespace burgeon
