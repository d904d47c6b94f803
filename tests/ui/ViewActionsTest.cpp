// What the view's actions do as a person meets them: the capture folder typed into the prompt
// (or the prompt cancelled), the popup's "Reset" with the Animation page's sliders, and
// "Export Mesh…" while the plant grows behind its dialog.
#include "DesktopTestCase.h"

#include <QDir>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <filesystem>

namespace burgeon {

using namespace burgeon::testing;

class ViewActionsTest : public DesktopTestCase {
    Q_OBJECT

private:
    QWidget* tool() const { return windows->toolWindow.get(); }
    void click(const char* name) {
        auto* button = findWidget<QAbstractButton>(tool(), name);
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    int slider(const char* name) const { return findWidget<QSlider>(tool(), name)->value(); }
    QStringList filesIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
    // "Capture Now" with the prompt answered as the answerer is told; the run's files are
    // written when it completes.
    void captureTimesTwoToThree() {
        clickTab(*windows, 4);
        findWidget<QSpinBox>(tool(), "startFrameBox")->setValue(2);
        findWidget<QSpinBox>(tool(), "endFrameBox")->setValue(3);
        answerer->messages.clear();
        answerer->prompts.clear();
        click("captureNowButton");
        QTRY_COMPARE(answerer->prompts, QStringList{"Prompt"});
    }
    // The popup's item, chosen with the mouse: a right click on the plant, then the item.
    void choosePopupItem(const QString& text) {
        PlantPanel* panel = windows->viewWindow->panel();
        QTest::mouseClick(panel, Qt::RightButton, {}, panel->rect().center());
        auto* menu = findWidget<QMenu>(panel, "viewMenu");
        QVERIFY(QTest::qWaitForWindowExposed(menu));
        for (QAction* action : menu->actions()) {
            if (action->text() == text) {
                QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
                QTRY_VERIFY(!menu->isVisible());
                return;
            }
        }
        QFAIL(qPrintable("no popup item " + text));
    }

private Q_SLOTS:
    void theCaptureGoesToTheFolderTypedAndCancelWritesNothing() {
        windows->desktop.state.animationPage.workingFolder = [this] {
            return caseFolder.path().toStdString();
        };
        const QStringList before = filesIn(caseFolder.path());
        const AnimationState& animation = windows->desktop.state.animation;

        answerer->cancelInput = true;
        captureTimesTwoToThree();
        QTest::qWait(500);
        QVERIFY(!animation.captureActive);
        QCOMPARE(filesIn(caseFolder.path()), before);
        answerer->cancelInput = false;

        // An absolute folder is taken as it is typed; a relative one lies in the working folder.
        QTemporaryDir elsewhere;
        answerer->inputAnswer = elsewhere.filePath("run1");
        captureTimesTwoToThree();
        QTRY_VERIFY_WITH_TIMEOUT(answerer->messages.contains("Capture Completed."), 20000);
        QCOMPARE(answerer->messages, QStringList{"Capture Completed."});
        QVERIFY(QFile::exists(elsewhere.filePath("run1/Plant.gif")));
        QCOMPARE(filesIn(caseFolder.path()), before);

        answerer->inputAnswer = "run2";
        captureTimesTwoToThree();
        QTRY_VERIFY_WITH_TIMEOUT(answerer->messages.contains("Capture Completed."), 20000);
        QVERIFY(QFile::exists(caseFolder.filePath("run2/Plant.gif")));
    }

    void resetMovesTheSlidersToTheViewItSets() {
        clickTab(*windows, 4);
        for (int i = 0; i < 5; ++i) {
            click("rotationUpButton");
            click("translationUpButton");
            click("translationLeftButton");
        }
        QTest::keyClick(findWidget<QSlider>(tool(), "translationZSlider"), Qt::Key_PageUp);
        QCOMPARE(slider("rotationYSlider"), 5);
        QCOMPARE(slider("translationYSlider"), -22);

        choosePopupItem("Reset");
        const ViewState& view = windows->desktop.state.project.view;
        QCOMPARE(view.rotationY, 0.0);
        QCOMPARE(view.translationY, -3.0);
        for (const char* name :
             {"rotationXSlider", "rotationYSlider", "rotationZSlider", "translationXSlider"}) {
            QCOMPARE(slider(name), 0);
        }
        QCOMPARE(slider("translationYSlider"), -30);
        QCOMPARE(slider("translationZSlider"), -140);
        // The next nudge moves the view one step from where "Reset" put it.
        click("translationUpButton");
        QCOMPARE(view.translationY, -2.9);
        click("rotationLeftButton");
        QCOMPARE(view.rotationZ, 0.1);
        QCOMPARE(view.translationZ, -14.0);
    }

    void exportMeshWritesThePlantAsItWasWhenPressed() {
        clickTab(*windows, 4);
        findWidget<QSlider>(tool(), "timeBar")->setValue(10);
        click("playButton");
        const double& currentTime = windows->desktop.state.project.animation.currentTime;
        QTRY_VERIFY(currentTime > 11.0);

        // The plant grows on behind the dialog while the person picks a file.
        answerer->fileAnswer = caseFolder.filePath("plant.glb");
        answerer->fileDialogWait = 500;
        const double pressedAt = currentTime;
        QTest::mouseClick(windows->mainWindow->button("exportMeshButton"), Qt::LeftButton);
        QVERIFY(currentTime > pressedAt + 1.0);
        QVERIFY(QFile::exists(caseFolder.filePath("plant.glb")));
        const QString status = statusText(*windows);
        QVERIFY2(status.endsWith(" at time " + QString::number(pressedAt)),
                 qPrintable(status + " pressed at " + QString::number(pressedAt)));
    }
};

} // namespace burgeon

int main(int argc, char** argv) {
    return burgeon::testing::runDesktopSuite<burgeon::ViewActionsTest>(argc, argv);
}

#include "ViewActionsTest.moc"
