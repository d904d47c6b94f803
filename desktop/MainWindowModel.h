#pragma once

#include "base/Controls.h"
#include "base/UserInterface.h"
#include "desktop/AppState.h"
#include "desktop/SessionActions.h"
#include "desktop/ToolWindowModel.h"
#include "desktop/ViewWindowModel.h"
#include "desktop/WindowPlacement.h"

#include <array>
#include <functional>
#include <string>

namespace burgeon {

inline constexpr std::array<const char*, PageCount> MainTabCaptions = {
    "L-System",  "Growth Function", "Component",   "Parameter",
    "Animation", "Material",        "Text Editor", "Help"};
inline constexpr std::array<const char*, PageCount> MainTabStatusTexts = {
    "L-system page",  "Growth Function page", "Component page",   "Parameter page",
    "Animation page", "Material page",        "Text Editor page", "Help page"};

// The main window strip: the eight tabs that choose the tool window's page, the L-system
// workflow buttons, the editor toggle, "Animation Show" and "Exit".
class MainWindowModel {
public:
    MainWindowModel(AppState& state, UserInterface& ui, ToolWindowModel& toolWindow,
                    ViewWindowModel& viewWindow);

    static constexpr const char* MainWindowCaption =
        "Simulation and Visualization of Plant Shoots Growth";
    ControlModel window{MainWindowCaption};
    ChoiceControl tabs; // the tabs; choosing one runs the tab change
    ControlModel editorToggleButton{"Editor Show"};
    ControlModel compileButton{"Compile L-system"};
    ControlModel generateButton{"Generate Plant"};
    ControlModel animationShowButton{"Animation Show"};
    ControlModel exitButton{"Exit"};
    ControlModel openSessionButton{"Open Session\u2026"};
    ControlModel saveSessionButton{"Save Session\u2026"};
    ControlModel exportMeshButton{"Export Mesh\u2026"};
    // "Open Session…" and "Save Session…"; the window's title names the open session and
    // marks its unsaved changes.
    SessionActions sessions;
    bool editorShown = false;
    WindowRect geometry; // the client area
    FrameMargins frame;  // what the window manager's frame adds around it (the host says)
    int tabWidth = 0;

    // Set by the host: ends the application.
    std::function<void()> quitApplication;

    // Creation: records the start folder and sets the start values of the shared state.
    void create(std::string startFolder);
    // Showing at start-up: first tab, component defaults, then the tool and view windows.
    void show();
    // Every activation: the strip's frame goes to the top-left corner, as wide as the screen;
    // the client area is `height` high.
    void activate(const ScreenArea& screen, int height);

    void changeTab();
    void mouseMoveOverTabs();
    // "Compile L-system" and "Generate Plant" on the editor page's L-system.
    void compile();
    void generate();
    void toggleEditor();
    // The window system closed the tool window: it is hidden as "Editor Hide" hides it.
    void toolWindowClosed();
    void animationShow();
    // "Export Mesh…": the view's plant at its current time (the view window's popup has it too).
    void exportMesh();
    // "Exit" and closing the main window: the application ends unless the person cancels to
    // keep unsaved changes. True when it ends.
    bool exit();
    // Something may have changed the plant (the person's input): the title marks whether it
    // has unsaved changes.
    void lookForChanges();

private:
    void showTitle(bool changed);

    AppState& state_;
    UserInterface& ui_;
    ToolWindowModel& toolWindow_;
    ViewWindowModel& viewWindow_;
};

} // namespace burgeon
