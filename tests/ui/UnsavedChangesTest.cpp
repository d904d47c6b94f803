// Unsaved changes as a person meets them: the main window's title names the session and marks
// its changes; "Exit", closing the main window and opening another session ask to save,
// discard or cancel; a plant only animated has no changes.
#include "DesktopTestCase.h"
#include "WindowSystem.h"

#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSlider>

namespace burgeon {

using namespace burgeon::testing;

namespace {

const QString Caption =
    QString::fromUtf8(" \u2014 Simulation and Visualization of Plant Shoots Growth");

} // namespace

class UnsavedChangesTest : public DesktopTestCase {
    Q_OBJECT

private:
    int quits_ = 0;

    QWidget* tool() const { return windows->toolWindow.get(); }
    QString title() const { return windows->mainWindow->windowTitle(); }
    void clickMain(const char* name) {
        QTest::mouseClick(windows->mainWindow->button(name), Qt::LeftButton);
    }
    // A gallery session copied into the test's folder with its leaf texture.
    QString copyGallerySession(const char* name) {
        const QString examples = QStringLiteral(BURGEON_EXAMPLES "/sessions/");
        QFile::copy(examples + "soybean-leaf.bmp", caseFolder.filePath("soybean-leaf.bmp"));
        QString file = caseFolder.filePath(name);
        QFile::remove(file);
        QFile::copy(examples + "1-soybean.burgeon", file);
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner);
        return file;
    }
    // The session opened with the "Open Session…" button.
    void openSession(const QString& file) {
        answerer->fileAnswer = file;
        clickMain("openSessionButton");
        QTRY_COMPARE(title(), QFileInfo(file).fileName() + Caption);
        answerer->fileAnswer.clear();
    }
    // The stem length moved with the keyboard on the Parameter page.
    void changeAParameter() {
        clickTab(*windows, 3);
        QTest::keyClick(findWidget<QSlider>(tool(), "stemLengthSlider"), Qt::Key_Right);
    }
    static QByteArray contentOf(const QString& file) {
        QFile reading(file);
        return reading.open(QIODevice::ReadOnly) ? reading.readAll() : QByteArray();
    }

private Q_SLOTS:
    void init() {
        DesktopTestCase::init();
        quits_ = 0;
        windows->desktop.mainWindow.quitApplication = [this] { ++quits_; };
    }

    void aGalleryPlantOnlyAnimatedHasNoChanges() {
        openSession(copyGallerySession("soybean.burgeon"));
        clickTab(*windows, 4);
        QTest::mouseClick(findWidget<QPushButton>(tool(), "playButton"), Qt::LeftButton);
        QTest::qWait(600);
        QTest::mouseClick(findWidget<QPushButton>(tool(), "pauseButton"), Qt::LeftButton);
        QTest::keyClick(findWidget<QSlider>(tool(), "timeBar"), Qt::Key_PageDown);
        QTest::qWait(300);
        QCOMPARE(title(), "soybean.burgeon" + Caption);
        clickMain("exitButton");
        QCOMPARE(quits_, 1);
        QVERIFY(answerer->questions.isEmpty());
    }

    void exitAsksToSaveDiscardOrCancel() {
        const QString file = copyGallerySession("soybean.burgeon");
        openSession(file);
        const QByteArray opened = contentOf(file);
        auto* editor = findWidget<QPlainTextEdit>(tool(), "sourceEditor");
        clickTab(*windows, 0);
        editor->moveCursor(QTextCursor::End);
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClicks(editor, "// grown in the greenhouse");
        changeAParameter();
        QTRY_COMPARE(title(), "soybean.burgeon*" + Caption);

        answerer->questionAnswer = QMessageBox::Cancel;
        clickMain("exitButton");
        QCOMPARE(answerer->questions, QStringList{"Save the changes to \"soybean.burgeon\"?"});
        QCOMPARE(quits_, 0);
        QCOMPARE(contentOf(file), opened);

        answerer->questionAnswer = QMessageBox::Discard;
        clickMain("exitButton");
        QCOMPARE(quits_, 1);
        QCOMPARE(contentOf(file), opened);

        answerer->questionAnswer = QMessageBox::Save;
        clickMain("exitButton");
        QCOMPARE(quits_, 2);
        QVERIFY(contentOf(file).contains("// grown in the greenhouse"));
        QTRY_COMPARE(title(), "soybean.burgeon" + Caption);
    }

    void closingTheMainWindowAsksToo() {
        openSession(copyGallerySession("soybean.burgeon"));
        changeAParameter();
        QTRY_COMPARE(title(), "soybean.burgeon*" + Caption);
        answerer->questionAnswer = QMessageBox::Cancel;
        closeThroughWindowSystem(windows->mainWindow.get());
        QTRY_COMPARE(answerer->questions.size(), 1);
        QTest::qWait(200);
        QVERIFY(windows->mainWindow->isVisible());
        QCOMPARE(quits_, 0);

        answerer->questionAnswer = QMessageBox::Discard;
        closeThroughWindowSystem(windows->mainWindow.get());
        QTRY_COMPARE(quits_, 1);
        QCOMPARE(answerer->questions.size(), 2);
    }

    void openingAnotherSessionAsksFirst() {
        const QString first = copyGallerySession("first.burgeon");
        openSession(first);
        changeAParameter();
        QTRY_COMPARE(title(), "first.burgeon*" + Caption);

        // Cancelled: the file dialog does not even open, and the plant stays.
        answerer->questionAnswer = QMessageBox::Cancel;
        answerer->fileAnswer = first;
        clickMain("openSessionButton");
        QCOMPARE(answerer->questions, QStringList{"Save the changes to \"first.burgeon\"?"});
        QCOMPARE(title(), "first.burgeon*" + Caption);

        // Saved, then the other session opens unchanged.
        answerer->questionAnswer = QMessageBox::Save;
        const QByteArray before = contentOf(first);
        openSession(copyGallerySession("second.burgeon"));
        QVERIFY(contentOf(first) != before);
        QCOMPARE(answerer->questions.size(), 2);
    }

    void aNewPlantAsksForAFileWhenSaved() {
        QCOMPARE(title(), "Simulation and Visualization of Plant Shoots Growth");
        changeAParameter();
        QTRY_COMPARE(title(), "New plant*" + Caption);

        // "Save", then the file dialog cancelled: the application stays.
        answerer->questionAnswer = QMessageBox::Save;
        clickMain("exitButton");
        QCOMPARE(answerer->questions, QStringList{"Save the changed plant as a session?"});
        QCOMPARE(quits_, 0);

        answerer->fileAnswer = caseFolder.filePath("grown");
        clickMain("exitButton");
        QCOMPARE(quits_, 1);
        const QString file = caseFolder.filePath("grown.burgeon");
        const QByteArray saved = contentOf(file);
        QVERIFY(!saved.isEmpty());
        QTRY_COMPARE(title(), "grown.burgeon" + Caption);

        // Once named, the plant is saved to its own file without a dialog.
        changeAParameter();
        QTRY_COMPARE(title(), "grown.burgeon*" + Caption);
        answerer->fileAnswer.clear();
        clickMain("exitButton");
        QCOMPARE(quits_, 2);
        QVERIFY(contentOf(file) != saved);
    }
};

} // namespace burgeon

int main(int argc, char** argv) {
    return burgeon::testing::runDesktopSuite<burgeon::UnsavedChangesTest>(argc, argv);
}

#include "UnsavedChangesTest.moc"
