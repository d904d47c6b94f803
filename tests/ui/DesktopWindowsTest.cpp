#include "ui/DesktopWindows.h"
#include "MessageAnswerer.h"
#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "base/TextLines.h"
#include "lsystem/ExampleLSystems.h"
#include "ui/ViewWindowView.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <filesystem>

#include <memory>

namespace burgeon {

namespace {

const char* const ExampleText = "Plant{\n     Iterations=1\n     Axiom=I\n}\n";

std::string pathOf(const QTemporaryDir& folder, const char* name) {
    return folder.filePath(name).toStdString();
}

} // namespace

class DesktopWindowsTest : public QObject {
    Q_OBJECT

private:
    QTemporaryDir folder_;
    std::unique_ptr<MessageAnswerer> answerer_;
    std::unique_ptr<DesktopWindows> windows_;

    void startDesktop() {
        windows_ = std::make_unique<DesktopWindows>();
        windows_->start(folder_.path().toStdString());
        QVERIFY(QTest::qWaitForWindowExposed(windows_->mainWindow.get()));
        QVERIFY(QTest::qWaitForWindowExposed(windows_->toolWindow.get()));
        QVERIFY(QTest::qWaitForWindowExposed(windows_->viewWindow.get()));
    }
    std::vector<bool> visiblePages() const {
        std::vector<bool> visible;
        visible.reserve(PageCount);
        for (int i = 0; i < PageCount; ++i) {
            visible.push_back(windows_->toolWindow->page(i)->isVisible());
        }
        return visible;
    }
    QString status() const { return windows_->toolWindow->statusPanel(0)->text(); }
    template <typename Widget> Widget* find(QWidget* window, const char* name) const {
        auto* widget = window->findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no widget %s", name);
        }
        return widget;
    }
    // The mouse moves over the widget's window to a point of the widget, as a real one does.
    void moveMouseOver(QWidget* widget, QPoint at = QPoint(5, 5)) {
        QWidget* window = widget->window();
        QTest::mouseMove(window->windowHandle(), widget->mapTo(window, at));
    }

    void click(QWidget* window, const char* name) {
        auto* target = find<QAbstractButton>(window, name);
        QVERIFY(target->isVisible());
        QTest::mouseClick(target, Qt::LeftButton);
    }
    // The first example block in the L-system editor, compiled, generated and shown.
    void growFirstExample() {
        const auto blocks = splitLSystemBlocks(splitLines(ExampleLSystemsText));
        QVERIFY(!blocks.empty());
        auto* editor = find<QPlainTextEdit>(windows_->toolWindow.get(), "sourceEditor");
        editor->setPlainText(QString::fromStdString(joinLines(blocks.front())));
        answerer_->messages.clear();
        click(windows_->mainWindow.get(), "compileButton");
        QVERIFY(answerer_->messages.contains("Rule=5, EndRule=4"));
        click(windows_->mainWindow.get(), "generateButton");
        QVERIFY(windows_->desktop.state.project.plant.nodeCount > 0);
        QVERIFY(windows_->desktop.state.animation.paintBusy);
        windows_->mainWindow->tabs()->setCurrentIndex(4);
        click(windows_->mainWindow.get(), "animationShowButton");
        QVERIFY(!windows_->desktop.state.animation.paintBusy);
    }

private Q_SLOTS:
    void init() {
        QVERIFY(folder_.isValid());
        writeFileAtomically(pathOf(folder_, "LsysExam.Lsys"), ExampleText);
        writeFileAtomically(pathOf(folder_, "Manual.hlp"), "Burgeon manual\n");
        answerer_ = std::make_unique<MessageAnswerer>();
    }
    void cleanup() {
        windows_.reset();
        answerer_.reset();
    }

    void startsWithTheThreeWindowsInPlace() {
        startDesktop();
        MainWindowView& main = *windows_->mainWindow;
        ToolWindowView& tool = *windows_->toolWindow;
        QCOMPARE(main.windowTitle(), "Simulation and Visualization of Plant Shoots Growth");
        QCOMPARE(main.tabs()->count(), 8);
        QCOMPARE(main.tabs()->tabText(1), "Growth Function");
        QCOMPARE(main.tabs()->currentIndex(), 0);
        QCOMPARE(main.button("editorToggleButton")->text(), "Editor Show");
        QCOMPARE(main.button("compileButton")->text(), "Compile L-system");
        QCOMPARE(main.button("generateButton")->text(), "Generate Plant");
        QCOMPARE(main.button("animationShowButton")->text(), "Animation Show");
        QCOMPARE(main.button("exitButton")->text(), "Exit");
        QCOMPARE(main.button("exportMeshButton")->text(), "Export Mesh\u2026");

        QCOMPARE(tool.windowTitle(), "Simulation");
        QCOMPARE(visiblePages(),
                 (std::vector<bool>{true, false, false, false, false, false, false, false}));
        QCOMPARE(tool.page(6)->tabText(0), "Text Editor");
        QCOMPARE(tool.statusPanel(0)->width(), 300);
        QCOMPARE(tool.statusPanel(1)->width(), 100);
        QCOMPARE(tool.statusPanel(2)->width(), 50);
        QCOMPARE(find<QPlainTextEdit>(&tool, "exampleEditor")->toPlainText(), ExampleText);
        QCOMPARE(find<QPlainTextEdit>(&tool, "helpText")->toPlainText(), "Burgeon manual\n");
        QVERIFY(answerer_->messages.isEmpty());

        // The strip on top, the tool window below it at the left, the view filling the rest
        // (once a window manager has framed them).
        const QRect area = main.screen()->availableGeometry();
        QTRY_COMPARE(main.frameGeometry().topLeft(), area.topLeft());
        QTRY_COMPARE(tool.frameGeometry().top(), main.frameGeometry().bottom() + 1);
        QCOMPARE(tool.frameGeometry().left(), area.left());
        QCOMPARE(tool.width(), ToolWindowWidth);
        QTRY_COMPARE(windows_->viewWindow->frameGeometry().left(),
                     tool.frameGeometry().right() + 1);
        QVERIFY(windows_->viewWindow->windowTitle().startsWith("Plant Visualization at "));
    }

    void everyPageStartsWithItsDefaults() {
        startDesktop();
        QWidget* tool = windows_->toolWindow.get();
        const auto slider = [&](const char* name) { return find<QSlider>(tool, name)->value(); };
        const auto spinValue = [&](const char* name) {
            return find<QSpinBox>(tool, name)->value();
        };
        // L-System Editor: the default L-system and the three panes' captions.
        QCOMPARE(find<QPlainTextEdit>(tool, "sourceEditor")->toPlainText().split('\n').first(),
                 "Plant{");
        QCOMPARE(find<QPlainTextEdit>(tool, "resultsPane")->toPlainText(), "L-system Results");
        QCOMPARE(find<QPlainTextEdit>(tool, "compilesPane")->toPlainText(), "L-system Compiles");
        QCOMPARE(find<QPlainTextEdit>(tool, "treeResultsPane")->toPlainText(), "Tree Results");
        QCOMPARE(find<QComboBox>(tool, "lsystemNameBox")->currentText(), "Plant");
        // Growth Function: "All" chosen, scaling 2, empty boxes at "0".
        const auto functions = find<QWidget>(tool, "functionChoice")->findChildren<QRadioButton*>();
        QCOMPARE(functions.size(), 7);
        QCOMPARE(functions.last()->text(), "All");
        QVERIFY(functions.last()->isChecked());
        QVERIFY(!functions.first()->isChecked());
        QCOMPARE(spinValue("imageScalingBox"), 2);
        QCOMPARE(find<QLineEdit>(tool, "slopeBox")->text(), "0");
        QVERIFY(find<QPushButton>(tool, "approximateButton")->isHidden());
        // Component: leaf mode with the leaf defaults; "Number of Petals" hidden.
        QVERIFY(find<QRadioButton>(tool, "leafSurfaceButton")->isChecked());
        QCOMPARE(slider("scaleXSlider"), 100);
        QCOMPARE(slider("scaleYSlider"), 75);
        QCOMPARE(slider("angleXSlider"), -60);
        QCOMPARE(spinValue("sizeDivisorBox"), 15);
        QVERIFY(find<QSpinBox>(tool, "petalCountBox")->isHidden());
        QCOMPARE(find<QComboBox>(tool, "shapeList")->currentText(), "No Library");
        // Parameter: the sliders' start positions.
        QCOMPARE(slider("petioleAngleSlider"), 450);
        QCOMPARE(slider("petioleBitAngleSlider"), 79);
        QCOMPARE(slider("timeStepSlider"), 25);
        QCOMPARE(slider("leafArrangementSlider"), 1);
        // Material: "Internode" chosen, textures on.
        QVERIFY(find<QRadioButton>(tool, "internodeSlotButton")->isChecked());
        QVERIFY(find<QCheckBox>(tool, "leafTextureCheck")->isChecked());
    }

    void reportsMissingFilesAndKeepsTheDefaultText() {
        QFile::remove(folder_.filePath("LsysExam.Lsys"));
        QFile::remove(folder_.filePath("Manual.hlp"));
        startDesktop();
        QTRY_COMPARE(answerer_->messages.size(), 2);
        QCOMPARE(answerer_->messages[0], "Cannot open file " + folder_.filePath("LsysExam.Lsys"));
        QCOMPARE(answerer_->messages[1], "Cannot open file " + folder_.filePath("Manual.hlp"));
        QVERIFY(find<QPlainTextEdit>(windows_->toolWindow.get(), "exampleEditor")
                    ->toPlainText()
                    .startsWith("Plant{\n     Iterations=7\n"));
    }

    void tabsShowOnlyTheirPageAndTheHintsFollowTheMouse() {
        startDesktop();
        MainWindowView& main = *windows_->mainWindow;
        QTabBar* tabBar = main.tabs()->tabBar();
        QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(7).center());
        QCOMPARE(visiblePages(),
                 (std::vector<bool>{false, false, false, false, false, false, false, true}));
        moveMouseOver(tabBar);
        QCOMPARE(status(), "Help page");
        moveMouseOver(find<QPlainTextEdit>(windows_->toolWindow.get(), "helpText")->viewport());
        QCOMPARE(status(), "Help Manual");

        QTest::mouseClick(tabBar, Qt::LeftButton, {}, tabBar->tabRect(3).center());
        QCOMPARE(visiblePages(),
                 (std::vector<bool>{false, false, false, true, false, false, false, false}));
        // The box's background, in the margin beside the first row of sliders.
        moveMouseOver(
            find<QAbstractScrollArea>(windows_->toolWindow.get(), "parameterScrollBox")->viewport(),
            QPoint(2, 2));
        QCOMPARE(status(), "Parameter page");
        // The text is the active tab's, wherever the mouse is on the strip.
        moveMouseOver(tabBar);
        QCOMPARE(status(), "Parameter page");
    }

    void editorHideAndShowRestoresTheTextFromTheFile() {
        startDesktop();
        MainWindowView& main = *windows_->mainWindow;
        auto* editor = find<QPlainTextEdit>(windows_->toolWindow.get(), "exampleEditor");
        editor->moveCursor(QTextCursor::End);
        QTest::keyClicks(editor, "unsaved");
        QCOMPARE(windows_->desktop.state.textEditor.exampleEditor.text(),
                 std::string(ExampleText) + "unsaved");
        editor->moveCursor(QTextCursor::Start);
        QTest::keyClicks(editor, "// ");
        QVERIFY(windows_->desktop.state.textEditor.exampleEditor.text().starts_with("// Plant{"));

        QTest::mouseClick(main.button("editorToggleButton"), Qt::LeftButton);
        QVERIFY(!windows_->toolWindow->isVisible());
        QCOMPARE(main.button("editorToggleButton")->text(), "Editor Show");
        QTest::mouseClick(main.button("editorToggleButton"), Qt::LeftButton);
        QVERIFY(windows_->toolWindow->isVisible());
        QCOMPARE(main.button("editorToggleButton")->text(), "Editor Hide");
        QCOMPARE(editor->toPlainText(), ExampleText);
    }

    void savedTextIsWhatAFreshStartShows() {
        startDesktop();
        auto* editor = find<QPlainTextEdit>(windows_->toolWindow.get(), "exampleEditor");
        editor->setPlainText("// saved {\\rtf1 braces}\nPlant{\n}\n");
        QTest::mouseClick(find<QPushButton>(windows_->toolWindow.get(), "saveFileButton"),
                          Qt::LeftButton);
        QTRY_COMPARE(answerer_->messages,
                     QStringList{"This text was saved to \"LsysExam.Lsys\" already."});

        windows_.reset();
        startDesktop();
        QCOMPARE(find<QPlainTextEdit>(windows_->toolWindow.get(), "exampleEditor")->toPlainText(),
                 "// saved {\\rtf1 braces}\nPlant{\n}\n");
    }

    void copyAndPasteMoveTextThroughTheClipboard() {
        startDesktop();
        auto* editor = find<QPlainTextEdit>(windows_->toolWindow.get(), "exampleEditor");
        QTextCursor cursor = editor->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(6, QTextCursor::KeepAnchor);
        editor->setTextCursor(cursor);
        QTest::mouseClick(find<QPushButton>(windows_->toolWindow.get(), "copyButton"),
                          Qt::LeftButton);
        QCOMPARE(QApplication::clipboard()->text(), "Plant{");
        cursor.movePosition(QTextCursor::End);
        editor->setTextCursor(cursor);
        QTest::mouseClick(find<QPushButton>(windows_->toolWindow.get(), "pasteButton"),
                          Qt::LeftButton);
        QCOMPARE(editor->toPlainText(), QString(ExampleText) + "Plant{");
    }

    void compilesGeneratesAndShowsTheFirstExample() {
        startDesktop();
        PlantPanel* panel = windows_->viewWindow->panel();
        growFirstExample();
        QCOMPARE(find<QLineEdit>(windows_->toolWindow.get(), "iterationsBox")->text(), "7");
        QVERIFY(find<QPlainTextEdit>(windows_->toolWindow.get(), "compilesPane")
                    ->toPlainText()
                    .startsWith("Header Pass.\nIterations Pass."));
        QVERIFY(!find<QPlainTextEdit>(windows_->toolWindow.get(), "treeResultsPane")
                     ->toPlainText()
                     .isEmpty());
        // "Node Diamter" follows the compiled header through its slider, clamped to the
        // slider's range (Diameter=20 asks for 200, the slider ends at 100).
        QCOMPARE(find<QSlider>(windows_->toolWindow.get(), "nodeDiameterSlider")->value(), 100);
        QCOMPARE(windows_->desktop.state.project.parameters.nodeDiameter, 10.0);
        const int shown = panel->framesDrawn();
        QTRY_VERIFY(panel->framesDrawn() > shown + 3);
    }

    void fitsExampleDataAndCommitsTheSlopeArrowToAllCurves() {
        startDesktop();
        windows_->mainWindow->tabs()->setCurrentIndex(1);
        // "Read Data" loads the example file through the file dialog, unchanged.
        const QString file = BURGEON_EXAMPLES "/growth/internode-length.txt";
        answerer_->fileAnswer = file;
        click(windows_->toolWindow.get(), "readDataButton");
        QCOMPARE(find<QPlainTextEdit>(windows_->toolWindow.get(), "dataBox")->toPlainText(),
                 QString::fromStdString(readFileText(file.toStdString())));
        answerer_->messages.clear();
        click(windows_->toolWindow.get(), "fitCurveButton");
        QVERIFY(answerer_->messages.contains("L=0, U=3.2225, m=0.45, T=8"));
        QCOMPARE(find<QLineEdit>(windows_->toolWindow.get(), "topBox")->text(), "3.2225");
        const GrowthCurves& curves = windows_->desktop.state.project.growth.curves;
        QCOMPARE(curves.getCurve(GrowthOrgan::Flower).top, 3.2225);

        // The Slope arrow commits the four boxes to every curve while "All" is chosen.
        auto* arrows = find<QWidget>(windows_->toolWindow.get(), "slopeArrows");
        QTest::mouseClick(arrows->findChildren<QToolButton*>().at(0), Qt::LeftButton);
        const double slope =
            find<QLineEdit>(windows_->toolWindow.get(), "slopeBox")->text().toDouble();
        QVERIFY(slope != 0.45);
        for (int organ = 0; organ < 6; ++organ) {
            QCOMPARE(curves.getCurve(static_cast<GrowthOrgan>(organ)).slope, slope);
        }
    }

    void timeAdvancesAfterPausingAtTheTimeBarsClamp() {
        startDesktop();
        const AnimationState& animation = windows_->desktop.state.animation;
        const double& currentTime = windows_->desktop.state.project.animation.currentTime;
        // The first frame cuts the time bar to the end of the time axis, which moves the
        // time there and pauses it.
        QTRY_VERIFY(animation.animationPaused);
        QCOMPARE(currentTime, 150.0);
        QTRY_COMPARE(windows_->viewWindow->windowTitle(), "Plant Visualization at 150");
        windows_->mainWindow->tabs()->setCurrentIndex(4);
        click(windows_->toolWindow.get(), "playButton"); // "Play"
        QTRY_VERIFY(currentTime > 2.0 && currentTime < 100.0);
        const double before = currentTime;
        QTRY_VERIFY(currentTime > before);
    }

    void captureRunWritesItsFiles() {
        startDesktop();
        growFirstExample();
        AnimationPage& page = windows_->desktop.state.animationPage;
        std::string folder = folder_.path().toStdString();
        page.workingFolder = [folder] { return folder; };
        find<QSpinBox>(windows_->toolWindow.get(), "startFrameBox")->setValue(2);
        find<QSpinBox>(windows_->toolWindow.get(), "endFrameBox")->setValue(3);
        answerer_->messages.clear();
        click(windows_->toolWindow.get(), "captureNowButton"); // "Capture Now"
        QCOMPARE(answerer_->prompts, QStringList{"Prompt"});
        QTRY_VERIFY_WITH_TIMEOUT(answerer_->messages.contains("Capture Completed."), 20000);
        const std::filesystem::path run = std::filesystem::path(folder) / "PlantCap1";
        QVERIFY(std::filesystem::exists(run / "Picture.bmp"));
        QVERIFY(std::filesystem::exists(run / "Plant.gif"));
        QVERIFY(std::filesystem::exists(run / "Picture3.jpg"));
        QCOMPARE(find<QProgressBar>(windows_->toolWindow.get(), "captureGauge")->value(), 100);
    }
};

} // namespace burgeon

int main(int argc, char** argv) {
    burgeon::setViewSurfaceFormat();
    QApplication application(argc, argv);
    burgeon::DesktopWindowsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "DesktopWindowsTest.moc"
