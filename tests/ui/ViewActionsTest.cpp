// What the view's actions do as a person meets them: the capture folder typed into the prompt
// (or the prompt cancelled).
#include "DesktopTestCase.h"

#include <QDir>
#include <QPushButton>
#include <QSpinBox>

#include <filesystem>

namespace burgeon {

using namespace burgeon::testing;

class ViewActionsTest : public DesktopTestCase {
    Q_OBJECT

private:
    QWidget* tool() const { return windows_->toolWindow.get(); }
    void click(const char* name) {
        auto* button = findWidget<QAbstractButton>(tool(), name);
        QVERIFY(button->isVisible());
        QTest::mouseClick(button, Qt::LeftButton);
    }
    QStringList filesIn(const QString& folder) const {
        return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
    }
    // "Capture Now" with the prompt answered as the answerer is told; the run's files are
    // written when it completes.
    void captureTimesTwoToThree() {
        clickTab(*windows_, 4);
        findWidget<QSpinBox>(tool(), "startFrameBox")->setValue(2);
        findWidget<QSpinBox>(tool(), "endFrameBox")->setValue(3);
        answerer_->messages.clear();
        answerer_->prompts.clear();
        click("captureNowButton");
        QTRY_COMPARE(answerer_->prompts, QStringList{"Prompt"});
    }
private Q_SLOTS:
    void theCaptureGoesToTheFolderTypedAndCancelWritesNothing() {
        const std::string working = folder_.path().toStdString();
        windows_->desktop.state.animationPage.workingFolder = [working] { return working; };
        const QStringList before = filesIn(folder_.path());
        const AnimationState& animation = windows_->desktop.state.animation;

        answerer_->cancelInput = true;
        captureTimesTwoToThree();
        QTest::qWait(500);
        QVERIFY(!animation.captureActive);
        QCOMPARE(filesIn(folder_.path()), before);
        answerer_->cancelInput = false;

        // An absolute folder is taken as it is typed; a relative one lies in the working folder.
        QTemporaryDir elsewhere;
        answerer_->inputAnswer = elsewhere.filePath("run1");
        captureTimesTwoToThree();
        QTRY_VERIFY_WITH_TIMEOUT(answerer_->messages.contains("Capture Completed."), 20000);
        QCOMPARE(answerer_->messages, QStringList{"Capture Completed."});
        QVERIFY(QFile::exists(elsewhere.filePath("run1/Plant.gif")));
        QCOMPARE(filesIn(folder_.path()), before);

        answerer_->inputAnswer = "run2";
        captureTimesTwoToThree();
        QTRY_VERIFY_WITH_TIMEOUT(answerer_->messages.contains("Capture Completed."), 20000);
        QVERIFY(QFile::exists(folder_.filePath("run2/Plant.gif")));
    }
};

} // namespace burgeon

int main(int argc, char** argv) {
    return burgeon::testing::runDesktopSuite<burgeon::ViewActionsTest>(argc, argv);
}

#include "ViewActionsTest.moc"
