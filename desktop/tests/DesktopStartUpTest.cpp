#include "desktop/Desktop.h"

#include "base/OutputFiles.h"
#include "base/RecordingUserInterface.h"
#include "lsystem/ExampleLSystems.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

namespace burgeon {
namespace {

using testing::TempFolder;

constexpr ScreenArea Screen{0, 0, 1024, 768};

struct StartedDesktop {
    explicit StartedDesktop(bool withFiles = true) {
        if (withFiles) {
            writeFileAtomically(folder.file("LsysExam.Lsys"), "Plant{\n     Axiom=I\n}\n");
            writeFileAtomically(folder.file("Manual.hlp"), "Burgeon manual\n");
        }
        desktop.startUp(folder.path(), Screen, 150);
    }
    std::vector<bool> visiblePages() const {
        std::vector<bool> visible;
        for (const auto& page : desktop.toolWindow.pages) {
            visible.push_back(page.visible());
        }
        return visible;
    }
    TempFolder folder;
    RecordingUserInterface ui;
    Desktop desktop{ui};
};

TEST(DesktopStartUp, StartsWithTheDefaultsAndTheFilesOfTheStartFolder) {
    StartedDesktop started;
    const Desktop& desktop = started.desktop;
    const AppState& state = desktop.state;
    EXPECT_TRUE(started.ui.messages.empty());
    EXPECT_EQ(state.startFolder, started.folder.path());

    EXPECT_EQ(desktop.mainWindow.window.caption(),
              "Simulation and Visualization of Plant Shoots Growth");
    EXPECT_EQ(desktop.mainWindow.tabs.itemIndex(), 0);
    EXPECT_EQ(desktop.mainWindow.tabs.items()[6], "Text Editor");
    EXPECT_EQ(started.visiblePages(),
              (std::vector<bool>{true, false, false, false, false, false, false, false}));
    EXPECT_TRUE(desktop.mainWindow.editorShown);
    EXPECT_EQ(desktop.mainWindow.editorToggleButton.caption(), "Editor Show");

    EXPECT_EQ(state.project.materials.internodeColor, (RgbColor{255, 150, 50}));
    EXPECT_EQ(state.project.materials.backLeafColor, (RgbColor{87, 155, 92}));
    EXPECT_EQ(state.project.materials.landColor, (RgbColor{40, 130, 40}));
    EXPECT_TRUE(state.project.placement.leafSurfaceMode);
    EXPECT_EQ(state.project.placement.leafSizeY, 0.75f);
    EXPECT_EQ(state.project.placement.leafAngleX, -60.0f);
    EXPECT_EQ(state.project.placement.flowerAngleX, 0.0f);
    EXPECT_FALSE(state.animation.captureActive);

    // Both other windows are shown; the view draws from 1.0 and is not suspended.
    EXPECT_TRUE(desktop.toolWindow.window.visible());
    EXPECT_EQ(desktop.toolWindow.window.caption(), "Simulation");
    EXPECT_TRUE(desktop.viewWindow.window.visible());
    EXPECT_EQ(desktop.viewWindow.window.caption(), "Tree Visualization");
    EXPECT_FALSE(state.animation.paintBusy);
    EXPECT_FALSE(state.animation.animationPaused);
    EXPECT_EQ(state.project.animation.currentTime, 1.0);
    EXPECT_FALSE(state.animation.viewMaximised);
    EXPECT_EQ(state.project.view.translationZ, -14.0);

    EXPECT_EQ(state.textEditor.exampleEditor.text(), "Plant{\n     Axiom=I\n}\n");
    EXPECT_EQ(desktop.toolWindow.helpText.text(), "Burgeon manual\n");
}

TEST(DesktopStartUp, PlacesTheWindowsAroundTheMainStrip) {
    StartedDesktop started;
    const Desktop& desktop = started.desktop;
    EXPECT_EQ(desktop.mainWindow.geometry, (WindowRect{0, 0, 1024, 150}));
    EXPECT_EQ(desktop.mainWindow.tabWidth, 924);
    EXPECT_EQ(desktop.toolWindow.geometry, (WindowRect{0, 150, 486, 618}));
    EXPECT_EQ(desktop.viewWindow.geometry, (WindowRect{486, 150, 538, 618}));

    // A work area that does not start at the corner, and a screen too small for the strip.
    EXPECT_EQ(toolWindowPlacement(ScreenArea{10, 20, 800, 600}, WindowRect{10, 20, 800, 63}, {}),
              (WindowRect{10, 83, 486, 537}));
    EXPECT_EQ(toolWindowPlacement(ScreenArea{0, 0, 400, 50}, WindowRect{0, 0, 400, 63}, {}),
              (WindowRect{0, 63, 486, 0}));
    EXPECT_EQ(viewWindowPlacement(ScreenArea{0, 0, 400, 50}, WindowRect{0, 63, 486, 0}, {}).width,
              0);
}

// Under a window manager the frames, title bars included, tile the area its panels leave.
TEST(DesktopStartUp, PlacesTheWindowsByTheirFrames) {
    StartedDesktop started;
    Desktop& desktop = started.desktop;
    desktop.mainWindow.frame = {1, 20, 1, 1};
    desktop.viewWindow.frame = {1, 20, 1, 5}; // the tool window has no frame
    int placed = 0;
    desktop.viewWindow.window.views.subscribe([&placed] { ++placed; });
    desktop.placeWindows(ScreenArea{0, 24, 1280, 968});
    EXPECT_EQ(desktop.mainWindow.geometry, (WindowRect{1, 44, 1278, 150}));
    EXPECT_EQ(desktop.mainWindow.tabWidth, 1178);
    EXPECT_EQ(desktop.toolWindow.geometry, (WindowRect{0, 195, 486, 797}));
    EXPECT_EQ(desktop.viewWindow.geometry, (WindowRect{487, 215, 792, 772}));
    EXPECT_EQ(frameAround(desktop.viewWindow.geometry, desktop.viewWindow.frame),
              (WindowRect{486, 195, 794, 797}));
    EXPECT_EQ(placed, 1);
}

TEST(DesktopStartUp, MissingFilesAreReportedAndTheShowingGoesOn) {
    StartedDesktop started(false);
    const std::string folder = started.folder.path();
    EXPECT_EQ(started.ui.messages,
              (std::vector<std::string>{"Cannot open file " + folder + "/LsysExam.Lsys",
                                        "Cannot open file " + folder + "/Manual.hlp"}));
    EXPECT_EQ(started.desktop.state.textEditor.exampleEditor.text(),
              std::string(ExampleLSystemsText));
    EXPECT_TRUE(started.desktop.viewWindow.window.visible());
    EXPECT_FALSE(started.ui.busy);
}

TEST(DesktopStartUp, TabsShowOnlyTheirPageAndTheActiveTabsStatusText) {
    StartedDesktop started;
    MainWindowModel& main = started.desktop.mainWindow;
    main.tabs.choose(7);
    EXPECT_EQ(started.visiblePages(),
              (std::vector<bool>{false, false, false, false, false, false, false, true}));
    main.tabs.choose(2);
    EXPECT_EQ(started.visiblePages(),
              (std::vector<bool>{false, false, true, false, false, false, false, false}));

    const std::vector<std::string> expected = {
        "L-system page",  "Growth Function page", "Component page",   "Parameter page",
        "Animation page", "Material page",        "Text Editor page", "Help page"};
    for (int tab = 0; tab < 8; ++tab) {
        main.tabs.choose(tab);
        main.mouseMoveOverTabs();
        EXPECT_EQ(started.ui.statusText, expected[static_cast<std::size_t>(tab)]);
    }
    // The text follows the active tab, whatever tab the mouse is over.
    main.tabs.choose(0);
    main.mouseMoveOverTabs();
    EXPECT_EQ(started.ui.statusText, "L-system page");
}

TEST(DesktopStartUp, EditorToggleHidesAndReshowsTheToolWindowRereadingTheFiles) {
    StartedDesktop started;
    Desktop& desktop = started.desktop;
    MainWindowModel& main = desktop.mainWindow;
    desktop.state.textEditor.exampleEditor.setText("unsaved edits");
    desktop.toolWindow.helpText.setText("scrolled away");

    main.toggleEditor();
    EXPECT_FALSE(desktop.toolWindow.window.visible());
    EXPECT_EQ(main.editorToggleButton.caption(), "Editor Show");
    EXPECT_FALSE(main.editorShown);
    EXPECT_EQ(desktop.state.textEditor.exampleEditor.text(),
              "unsaved edits"); // hiding changes nothing

    writeFileAtomically(started.folder.file("Manual.hlp"), "Second edition\n");
    main.toggleEditor();
    EXPECT_TRUE(desktop.toolWindow.window.visible());
    EXPECT_EQ(main.editorToggleButton.caption(), "Editor Hide");
    EXPECT_TRUE(main.editorShown);
    EXPECT_EQ(desktop.state.textEditor.exampleEditor.text(), "Plant{\n     Axiom=I\n}\n");
    EXPECT_EQ(desktop.toolWindow.helpText.text(), "Second edition\n");
    EXPECT_TRUE(started.ui.messages.empty());

    // A saved text is what the next showing reads.
    desktop.state.textEditor.exampleEditor.setText("saved edits\n");
    desktop.state.textEditor.saveFile(desktop.state.startFolder, started.ui);
    main.toggleEditor();
    main.toggleEditor();
    EXPECT_EQ(desktop.state.textEditor.exampleEditor.text(), "saved edits\n");
}

TEST(DesktopStartUp, AnimationShowResumesSuspendedDrawing) {
    StartedDesktop started;
    Desktop& desktop = started.desktop;
    int requests = 0;
    desktop.viewWindow.requestFrame = [&requests] { ++requests; };
    desktop.state.animation.paintBusy = true; // as "Generate Plant" leaves it
    desktop.state.animation.animationPaused = true;
    EXPECT_FALSE(desktop.viewWindow.paint().has_value());

    desktop.mainWindow.animationShow();
    EXPECT_FALSE(desktop.state.animation.paintBusy);
    EXPECT_TRUE(desktop.state.animation.animationPaused); // the window was already shown
    EXPECT_EQ(requests, 1);
    EXPECT_TRUE(desktop.viewWindow.paint().has_value());
}

TEST(DesktopStartUp, TabChangesStretchTheirPaneDownTheScreen) {
    StartedDesktop started;
    Desktop& desktop = started.desktop;
    std::vector<std::pair<std::string, int>> fits;
    desktop.toolWindow.fitPane = [&fits](const PaneFit& fit) {
        fits.emplace_back(std::string(fit.pane), fit.roomBelow);
    };
    for (int tab = 0; tab < PageCount; ++tab) {
        desktop.mainWindow.tabs.choose(tab);
    }
    desktop.mainWindow.tabs.choose(0);
    EXPECT_EQ(fits, (std::vector<std::pair<std::string, int>>{{"treeResultsPane", 50},
                                                              {"exampleEditor", 160},
                                                              {"helpText", 160},
                                                              {"treeResultsPane", 50}}));
    // From the pane's top to the room above the screen's bottom edge, never below a minimum.
    EXPECT_EQ(fittedPaneHeight(1024, 600, 50, 60), 374);
    EXPECT_EQ(fittedPaneHeight(768, 600, 160, 60), 60);
}

TEST(DesktopStartUp, ShowingDerivesTheValuesOfThePagesControls) {
    StartedDesktop started;
    Desktop& desktop = started.desktop;
    AppState& state = desktop.state;
    EXPECT_EQ(state.project.view.plantScale, 0.5f);
    EXPECT_EQ(state.project.parameters.timeStep, 0.25);
    EXPECT_TRUE(state.animation.saveJpegFrames);
    EXPECT_FALSE(state.animation.saveGifFrames);
    EXPECT_EQ(state.project.placement.petalCount, 8);
    // The Component page comes up in leaf mode with the leaf defaults in its sliders.
    EXPECT_TRUE(state.componentPage.leafSurfaceButton.checked());
    EXPECT_EQ(state.componentPage.scaleYSlider.position(), 75);
    EXPECT_EQ(state.componentPage.angleXSlider.position(), -60);
    EXPECT_FALSE(state.componentPage.petalCountBox.visible());

    // Slider positions changed while the window was hidden are applied at the next showing.
    desktop.mainWindow.toggleEditor();
    state.parameterPage.shortInternodeRatioSlider.setPosition(50);
    state.parameterPage.shortPetioleRatioSlider.setPosition(20);
    state.project.parameters.shortInternodeRatio = 0.0;
    state.project.parameters.shortPetioleRatio = 0.0;
    desktop.mainWindow.toggleEditor();
    EXPECT_EQ(state.project.parameters.shortInternodeRatio, 0.5);
    EXPECT_EQ(state.project.parameters.shortPetioleRatio, 0.2);
}

TEST(DesktopStartUp, HintsNameTheirControls) {
    StartedDesktop started;
    ToolWindowModel& tool = started.desktop.toolWindow;
    const std::pair<const char*, const char*> hints[] = {
        {"sourceEditor", "L-system Editor"},
        {"resultsPane", "L-system Result"},
        {"compilesPane", "L-system Syntax error"},
        {"treeResultsPane", "Tree Result"},
        {"helpText", "Help Manual"},
        {"textureButton", "Open Leaf Texture Image"},
        {"lsystemEditorBackground", "L-system Editor page"},
        {"growthFunctionBackground", "Growth Function page"},
        {"componentBackground", "Component page"},
        {"parameterScrollBox", "Parameter page"},
        {"animationBackground", "Animation page"},
        {"materialBackground", "Material page"},
        {"textEditorBackground", "Text Editor page"},
        {"helpBackground", "Help page"}};
    for (const auto& [control, text] : hints) {
        tool.mouseMoveOver(control);
        EXPECT_EQ(started.ui.statusText, text) << control;
    }
    EXPECT_EQ(hintControlNames().size(), std::size(hints));
    // Other controls leave the status text alone.
    tool.mouseMoveOver("saveFileButton");
    EXPECT_EQ(started.ui.statusText, "Help page");
}

} // namespace
} // namespace burgeon
