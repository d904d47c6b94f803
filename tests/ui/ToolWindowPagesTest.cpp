// The "Simulation" window's pages as a person meets them: every control within reach at the
// window's width, the hints under a real mouse, the panes a tab change stretches, and the
// labels, pictures and boxes of the pages.
#include "DesktopTestCase.h"
#include "imageio/BmpReader.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QTextBlock>
#include <QTextLayout>

#include <array>

namespace burgeon {

using namespace burgeon::testing;

namespace {

// The controls a person sees on a page: not the parts that make up a spin box, a drop-down
// list, a text box or a scroll area.
bool isControl(const QWidget* widget, const QWidget* page) {
    const bool controlKind = qobject_cast<const QAbstractButton*>(widget) != nullptr ||
                             qobject_cast<const QAbstractSlider*>(widget) != nullptr ||
                             qobject_cast<const QAbstractSpinBox*>(widget) != nullptr ||
                             qobject_cast<const QComboBox*>(widget) != nullptr ||
                             qobject_cast<const QLineEdit*>(widget) != nullptr ||
                             qobject_cast<const QPlainTextEdit*>(widget) != nullptr ||
                             qobject_cast<const QLabel*>(widget) != nullptr ||
                             qobject_cast<const QProgressBar*>(widget) != nullptr;
    if (!controlKind || !widget->isVisible()) {
        return false;
    }
    for (const QWidget* part = widget->parentWidget(); part != nullptr && part != page;
         part = part->parentWidget()) {
        if (qobject_cast<const QAbstractSpinBox*>(part) != nullptr ||
            qobject_cast<const QComboBox*>(part) != nullptr ||
            qobject_cast<const QPlainTextEdit*>(part) != nullptr ||
            part->objectName().endsWith("container")) { // a scroll area's own bars

            return false;
        }
    }
    return true;
}

// Why the widget cannot be reached, empty when it can: it must lie inside each parent up to
// its window, where the content of a scroll area counts as inside it when the area can scroll
// that way, and the window must lie on the screen.
QString whyOutOfReach(const QWidget* widget) {
    const QWidget* child = widget;
    QRect rect = widget->rect();
    while (!child->isWindow()) {
        const QWidget* parent = child->parentWidget();
        const auto* area = qobject_cast<const QScrollArea*>(parent->parentWidget());
        if (area != nullptr && area->widget() == child) {
            const bool wider = child->width() > parent->width();
            const bool higher = child->height() > parent->height();
            if ((wider && area->horizontalScrollBarPolicy() == Qt::ScrollBarAlwaysOff) ||
                (higher && area->verticalScrollBarPolicy() == Qt::ScrollBarAlwaysOff)) {
                return QString("%1 cannot be scrolled to").arg(widget->objectName());
            }
            child = area;
            rect = area->rect();
            continue;
        }
        rect.translate(child->pos());
        if (!parent->rect().contains(rect)) {
            return QString("%1 (%2 \"%3\") sticks out of %4")
                .arg(widget->objectName(), widget->metaObject()->className(),
                     widget->property("text").toString(), parent->objectName());
        }
        child = parent;
    }
    const QRect onScreen(child->mapToGlobal(rect.topLeft()), rect.size());
    if (!child->screen()->availableGeometry().contains(onScreen)) {
        return QString("%1 is off the screen").arg(widget->objectName());
    }
    return {};
}

// A point of the widget where no child covers it.
QPoint bareSpot(const QWidget* widget) {
    for (int y = 2; y < widget->height(); y += 3) {
        for (int x = 2; x < widget->width(); x += 3) {
            if (widget->childAt(x, y) == nullptr) {
                return {x, y};
            }
        }
    }
    return {-1, -1};
}

QColor meanColor(const QImage& image, const QRect& area) {
    long red = 0;
    long green = 0;
    long blue = 0;
    long count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor color = image.pixelColor(x, y);
            red += color.red();
            green += color.green();
            blue += color.blue();
            ++count;
        }
    }
    return QColor(static_cast<int>(red / count), static_cast<int>(green / count),
                  static_cast<int>(blue / count));
}

} // namespace

class ToolWindowPagesTest : public DesktopTestCase {
    Q_OBJECT

private:
    QWidget* tool() const { return windows->toolWindow.get(); }
    // The mouse moves over the window to a point of the widget, as a real one does: the
    // window system's event goes to whatever widget lies under it.
    // It comes from the status bar, where no hint is, so every move is a move.
    void moveMouseTo(const QWidget* widget, QPoint at) {
        QWidget* window = widget->window();
        QTest::mouseMove(window->windowHandle(), QPoint(5, window->height() - 5));
        QTest::mouseMove(window->windowHandle(), widget->mapTo(window, at));
    }
    // On a low screen a page scrolls: a person scrolls to the widget first.
    static void scrollIntoView(QWidget* widget) {
        for (QWidget* part = widget->parentWidget(); part != nullptr; part = part->parentWidget()) {
            if (auto* area = qobject_cast<QScrollArea*>(part)) {
                area->ensureWidgetVisible(widget);
            }
        }
        QApplication::processEvents();
    }
    int screenBottom() const {
        const QRect area = tool()->screen()->availableGeometry();
        return area.top() + area.height();
    }

private Q_SLOTS:
    void everyControlOfEveryPageIsWithinReach() {
        // Twice round, so that no page shown before another can widen it.
        for (int round = 0; round < 2; ++round) {
            for (int index = 0; index < PageCount; ++index) {
                clickTab(*windows, index);
                QApplication::processEvents();
                QCOMPARE(tool()->width(), ToolWindowWidth);
                QWidget* page = windows->toolWindow->page(index);
                int controls = 0;
                for (const QWidget* widget : page->findChildren<QWidget*>()) {
                    if (isControl(widget, page)) {
                        ++controls;
                        const QString why = whyOutOfReach(widget);
                        QVERIFY2(
                            why.isEmpty(),
                            qPrintable(QString("page %1: %2").arg(ToolPageCaptions[index], why)));
                    }
                }
                QVERIFY(controls > 0);
            }
        }
    }

    void theHintsFollowARealMouseOnEveryPage() {
        const std::array<std::pair<const char*, const char*>, PageCount> backgrounds = {
            {{"lsystemEditorBackground", "L-system Editor page"},
             {"growthFunctionBackground", "Growth Function page"},
             {"componentBackground", "Component page"},
             {"parameterScrollBox", "Parameter page"},
             {"animationBackground", "Animation page"},
             {"materialBackground", "Material page"},
             {"textEditorBackground", "Text Editor page"},
             {"helpBackground", "Help page"}}};
        for (int index = 0; index < PageCount; ++index) {
            clickTab(*windows, index);
            const auto& [name, hint] = backgrounds[static_cast<std::size_t>(index)];
            auto* background = findWidget<QWidget>(tool(), name);
            if (auto* scrollBox = qobject_cast<QScrollArea*>(background)) {
                background = scrollBox->widget(); // what the mouse meets in the box
            }
            const QPoint spot = bareSpot(background);
            QVERIFY(spot.x() >= 0);
            windows->toolWindow->statusPanel(0)->clear();
            moveMouseTo(background, spot);
            QCOMPARE(statusText(*windows), hint);
        }
        const std::array<std::tuple<int, const char*, const char*>, 5> boxes = {
            {{0, "sourceEditor", "L-system Editor"},
             {0, "resultsPane", "L-system Result"},
             {0, "compilesPane", "L-system Syntax error"},
             {0, "treeResultsPane", "Tree Result"},
             {7, "helpText", "Help Manual"}}};
        for (const auto& [index, name, hint] : boxes) {
            clickTab(*windows, index);
            auto* box = findWidget<QPlainTextEdit>(tool(), name);
            scrollIntoView(box);
            moveMouseTo(box->viewport(), box->viewport()->visibleRegion().boundingRect().center());
            QCOMPARE(statusText(*windows), hint);
        }
        clickTab(*windows, 5);
        auto* texture = findWidget<QPushButton>(tool(), "textureButton");
        moveMouseTo(texture, texture->rect().center());
        QCOMPARE(statusText(*windows), "Open Leaf Texture Image");
    }

    void aTabChangeStretchesItsPaneDownTheScreen() {
        const std::array<std::tuple<int, const char*, int>, 3> fits = {
            {{0, "treeResultsPane", 50}, {6, "exampleEditor", 160}, {7, "helpText", 160}}};
        for (int round = 0; round < 2; ++round) {
            for (const auto& [index, name, room] : fits) {
                clickTab(*windows, 3);
                clickTab(*windows, index);
                // Down to the room above the screen's edge; on a low screen, a page that scrolls.
                auto* pane = findWidget<QPlainTextEdit>(tool(), name);
                const int top = pane->mapToGlobal(QPoint(0, 0)).y();
                QCOMPARE(pane->height(), std::max(60, screenBottom() - room - top));
            }
        }
    }

    void resultsWrapAndTheDataBoxScrollsBothWays() {
        LSystemEditorPage& page = windows->desktop.state.lsystemEditor;
        const std::string longResult = "all string = " + std::string(600, 'I');
        page.treeResultsPane.setText(longResult);
        page.resultsPane.setText(longResult);
        page.compilesPane.setText(longResult);
        QApplication::processEvents();
        for (const char* name : {"treeResultsPane", "resultsPane"}) {
            auto* pane = findWidget<QPlainTextEdit>(tool(), name);
            QCOMPARE(pane->horizontalScrollBar()->maximum(), 0);
            QVERIFY(pane->document()->firstBlock().layout()->lineCount() > 1);
        }
        QVERIFY(
            findWidget<QPlainTextEdit>(tool(), "compilesPane")->horizontalScrollBar()->maximum() >
            0);

        clickTab(*windows, 1);
        auto* data = findWidget<QPlainTextEdit>(tool(), "dataBox");
        QVERIFY(data->horizontalScrollBar()->isVisible());
        QVERIFY(data->verticalScrollBar()->isVisible());
        const QString fourValues = "35 3.20 3.23 3.24 3.08";
        QVERIFY(data->viewport()->width() > data->fontMetrics().horizontalAdvance(fourValues) +
                                                2 * data->document()->documentMargin());
    }

    void materialPageLabelsItsBarsAndShowsTheTextureOpened() {
        clickTab(*windows, 5);
        const std::array<std::pair<const char*, const char*>, 3> bars = {
            {{"Red", "redBar"}, {"Green", "greenBar"}, {"Blue", "blueBar"}}};
        for (const auto& [caption, name] : bars) {
            const QLabel* label = nullptr;
            for (const QLabel* candidate : tool()->findChildren<QLabel*>()) {
                if (candidate->text() == caption && candidate->isVisible()) {
                    label = candidate;
                }
            }
            QVERIFY2(label != nullptr, caption);
            auto* bar = findWidget<QScrollBar>(tool(), name);
            const QRect labelRect(label->mapToGlobal(QPoint(0, 0)), label->size());
            const QRect barRect(bar->mapToGlobal(QPoint(0, 0)), bar->size());
            QVERIFY(labelRect.right() < barRect.left());
            QVERIFY(qAbs(labelRect.center().y() - barRect.center().y()) < barRect.height());
        }
        // The title is written in blue.
        const QImage title = findWidget<QLabel>(tool(), "materialTitle")->grab().toImage();
        int bluePixels = 0;
        for (int y = 0; y < title.height(); ++y) {
            for (int x = 0; x < title.width(); ++x) {
                const QColor color = title.pixelColor(x, y);
                bluePixels += color.blue() > 150 && color.red() < 90 && color.green() < 90 ? 1 : 0;
            }
        }
        QVERIFY(bluePixels > 20);
        // The spin boxes take their arrows, not typing.
        auto* red = findWidget<QSpinBox>(tool(), "redBox");
        const int before = red->value();
        QTest::keyClicks(red, "7");
        QCOMPARE(red->value(), before);
        QTest::keyClick(red, Qt::Key_Up);
        QCOMPARE(red->value(), before + 1);
        QCOMPARE(windows->desktop.state.materialPage.redBar.position(), before + 1);

        // The 57 x 57 picture button shows the texture opened from a file.
        auto* texture = findWidget<QPushButton>(tool(), "textureButton");
        QCOMPARE(texture->size(), QSize(57, 57));
        const QString file = BURGEON_EXAMPLES "/leaf3.bmp";
        answerer->fileAnswer = file;
        QTest::mouseClick(texture, Qt::LeftButton);
        QTRY_COMPARE(windows->desktop.state.materialPage.textureButton.pictureFile,
                     file.toStdString());
        const auto bitmap = readBitmapFile(file.toStdString());
        QVERIFY(bitmap.has_value());
        const QImage expected(bitmap->rgba.data(), bitmap->width, bitmap->height, bitmap->width * 4,
                              QImage::Format_RGBX8888);
        const QColor want = meanColor(expected, expected.rect());
        const QColor shown = meanColor(texture->grab().toImage(), QRect(14, 14, 29, 29));
        QVERIFY2(qAbs(shown.red() - want.red()) < 40 && qAbs(shown.green() - want.green()) < 40 &&
                     qAbs(shown.blue() - want.blue()) < 40,
                 qPrintable(shown.name() + " for " + want.name()));
    }

    void componentPageCaptionsItsPreviewsAndReturnAddsNoItem() {
        clickTab(*windows, 2);
        for (const auto& [caption, name] :
             {std::pair{"Leaf Shape", "leafPreview"}, std::pair{"Flower Shape", "flowerPreview"}}) {
            auto* preview = findWidget<QLabel>(tool(), name);
            QCOMPARE(preview->contentsRect().size(), QSize(185, 153));
            bool captioned = false;
            for (const QLabel* label : tool()->findChildren<QLabel*>()) {
                captioned = captioned || (label->text() == caption && label->isVisible() &&
                                          label->geometry().bottom() < preview->geometry().top() &&
                                          label->geometry().left() == preview->geometry().left());
            }
            QVERIFY2(captioned, caption);
        }
        // Return in the shape list after typing: no new item, no second message.
        auto* shapes = findWidget<QComboBox>(tool(), "shapeList");
        answerer->messages.clear();
        QTest::keyClicks(shapes, "x");
        QTest::keyClick(shapes, Qt::Key_Return);
        QTest::qWait(100);
        QCOMPARE(answerer->messages, QStringList{"No library, Please Open the Library."});
        QCOMPARE(shapes->count(), 0);
    }

    void nudgeButtonsFormACrossAndTheStripKeepsItsSize() {
        clickTab(*windows, 4);
        for (const char* group : {"rotation", "translation"}) {
            const auto centre = [&](const char* side) {
                const QString name = QString(group) + side + "Button";
                auto* nudge = findWidget<QPushButton>(tool(), qPrintable(name));
                return nudge->mapToGlobal(nudge->rect().center());
            };
            const QPoint up = centre("Up");
            const QPoint down = centre("Down");
            const QPoint left = centre("Left");
            const QPoint right = centre("Right");
            QCOMPARE(up.x(), down.x());
            QCOMPARE(left.y(), right.y());
            QVERIFY(up.y() < left.y() && left.y() < down.y());
            QVERIFY(left.x() < up.x() && up.x() < right.x());
        }
        QWidget* strip = windows->mainWindow.get();
        QCOMPARE(strip->minimumSize(), strip->maximumSize());
    }
};

} // namespace burgeon

int main(int argc, char** argv) {
    return burgeon::testing::runDesktopSuite<burgeon::ToolWindowPagesTest>(argc, argv);
}

#include "ToolWindowPagesTest.moc"
