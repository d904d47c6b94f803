#include "ui/ToolWindowView.h"

#include "base/HandlerGuard.h"
#include "ui/Bindings.h"
#include "ui/PageViews.h"
#include "ui/ScreenArea.h"

#include <QCloseEvent>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShowEvent>
#include <QStatusBar>
#include <QTabWidget>
#include <QTextBlock>
#include <QVBoxLayout>

namespace burgeon {

namespace {

// Byte offset in the UTF-8 text of a position counted in UTF-16 units.
std::size_t utf8Offset(const QString& text, int position) {
    return static_cast<std::size_t>(text.left(position).toUtf8().size());
}

QPlainTextEdit* makeEditor(QWidget* parent, const char* objectName) {
    auto* editor = new QPlainTextEdit(parent);
    editor->setObjectName(objectName);
    editor->setFont(editorFont());
    editor->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return editor;
}

} // namespace

void placeCaret(QPlainTextEdit* editor, std::size_t utf8Offset) {
    const QByteArray utf8 = editor->toPlainText().toUtf8();
    const auto bytes =
        static_cast<qsizetype>(std::min(utf8Offset, static_cast<std::size_t>(utf8.size())));
    QTextCursor cursor = editor->textCursor();
    cursor.setPosition(static_cast<int>(QString::fromUtf8(utf8.left(bytes)).size()));
    editor->setTextCursor(cursor);
}

QWidget* scrolledPage(QWidget* page) {
    auto* scroll = new QScrollArea;
    scroll->setObjectName(page->objectName() + "Scroll");
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(page);
    return scroll;
}

QFont editorFont() {
    QFont font("Sans Serif");
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    font.setBold(true);
    return font;
}

ToolWindowView::ToolWindowView(Desktop& desktop)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint), desktop_(desktop) {
    ToolWindowModel& model = desktop.toolWindow;
    setObjectName("simulationWindow");
    setWindowTitle(toQString(model.window.caption()));
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(silver);
    // The pages are laid out for this width; none may widen the window.
    setFixedWidth(ToolWindowWidth);
    resize(ToolWindowWidth, 509);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto* stack = new QGridLayout;
    layout->addLayout(stack, 1);

    const HintWatcher watchHint = [this](QWidget* widget, const char* controlName) {
        watchForHint(widget, controlName);
    };
    // The Parameter page is a scroll box itself; the text pages' boxes scroll their text.
    const std::array<QWidget*, PageCount> contents = {
        scrolledPage(buildLSystemEditorPage(desktop, watchHint)),
        scrolledPage(buildGrowthFunctionPage(desktop, watchHint)),
        scrolledPage(buildComponentPage(desktop, watchHint)),
        buildParameterPage(desktop, watchHint),
        scrolledPage(buildAnimationPage(desktop, watchHint)),
        scrolledPage(buildMaterialPage(desktop, watchHint)),
        buildTextEditorPage(),
        buildHelpPage()};
    for (int i = 0; i < PageCount; ++i) {
        const auto index = static_cast<std::size_t>(i);
        auto* pageControl = new QTabWidget(this);
        pageControl->setObjectName(QString("PageControl%1").arg(i + 1));
        QWidget* content = contents[index];
        pageControl->addTab(content, ToolPageCaptions[index]);
        stack->addWidget(pageControl, 0, 0);
        pages_[index] = pageControl;
        bindVisible(pageControl, model.pages[index]);
    }

    auto* statusBar = new QStatusBar(this);
    statusBar->setObjectName("statusBar");
    statusBar->setSizeGripEnabled(false);
    for (std::size_t i = 0; i < panels_.size(); ++i) {
        panels_[i] = new QLabel(statusBar);
        panels_[i]->setFixedWidth(StatusPanelWidths[i]);
        panels_[i]->setFrameShape(QFrame::Panel);
        panels_[i]->setFrameShadow(QFrame::Sunken);
        statusBar->addWidget(panels_[i]);
    }
    layout->addWidget(statusBar);

    bindVisible(this, model.window);
    model.window.views.subscribe([this] { applyGeometry(); });
    model.fitPane = [this](const PaneFit& fit) { fitPane(fit); };
}

void ToolWindowView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // The tab change at start-up came before the window had its place on the screen.
    desktop_.toolWindow.fitPaneOf(desktop_.mainWindow.tabs.itemIndex());
}

void ToolWindowView::closeEvent(QCloseEvent* event) {
    // Closed by the window manager: hidden as "Editor Hide" hides it, and shown again by
    // "Editor Show".
    event->accept();
    desktop_.mainWindow.toolWindowClosed();
}

void ToolWindowView::fitPane(const PaneFit& fit) {
    auto* pane = findChild<QPlainTextEdit*>(toQString(std::string(fit.pane)));
    if (pane == nullptr || !pane->isVisible()) {
        return;
    }
    constexpr int minimumHeight = 60;
    const ScreenArea screen = screenArea(this);
    const int top = pane->mapToGlobal(QPoint(0, 0)).y();
    pane->setFixedHeight(
        fittedPaneHeight(screen.top + screen.height, top, fit.roomBelow, minimumHeight));
}

QWidget* ToolWindowView::backgroundPanel(const char* objectName, QWidget* content) {
    auto* panel = content != nullptr ? content : new QWidget;
    panel->setObjectName(objectName);
    watchForHint(panel, objectName);
    return panel;
}

QWidget* ToolWindowView::buildTextEditorPage() {
    TextEditorPage& page = desktop_.state.textEditor;
    UserInterface& ui = desktop_.ui;
    auto* panel = backgroundPanel("textEditorBackground");
    auto* layout = new QVBoxLayout(panel);
    auto* editor = makeEditor(panel, "exampleEditor");
    editor->setMinimumHeight(60);
    bindText(editor, page.exampleEditor, ui);
    auto keepSelection = [editor, &page] {
        const QTextCursor cursor = editor->textCursor();
        const QString text = editor->toPlainText();
        const std::size_t start = utf8Offset(text, cursor.selectionStart());
        page.selection = {start, utf8Offset(text, cursor.selectionEnd()) - start};
    };
    connect(editor, &QPlainTextEdit::selectionChanged, editor, keepSelection);
    connect(editor, &QPlainTextEdit::cursorPositionChanged, editor, keepSelection);
    layout->addWidget(editor); // as high as the tab change makes it

    auto* buttons = new QHBoxLayout;
    auto* save = new QPushButton(panel);
    save->setObjectName("saveFileButton");
    bindButton(save, page.saveFileButton, ui,
               [this, &page] { page.saveFile(desktop_.state.startFolder, desktop_.ui); });
    auto* copy = new QPushButton(panel);
    copy->setObjectName("copyButton");
    bindButton(copy, page.copyButton, ui, [this, &page] { page.copy(desktop_.ui); });
    auto* paste = new QPushButton(panel);
    paste->setObjectName("pasteButton");
    bindButton(paste, page.pasteButton, ui, [this, editor, &page] {
        page.paste(desktop_.ui);
        placeCaret(editor, page.selection.start); // behind the inserted text
    });
    buttons->addWidget(save);
    buttons->addWidget(copy);
    buttons->addWidget(paste);
    buttons->addStretch();
    layout->addLayout(buttons);
    layout->addStretch(1);
    return panel;
}

QWidget* ToolWindowView::buildHelpPage() {
    auto* panel = backgroundPanel("helpBackground");
    auto* layout = new QVBoxLayout(panel);
    auto* help = makeEditor(panel, "helpText");
    help->setReadOnly(true);
    bindText(help, desktop_.toolWindow.helpText, desktop_.ui);
    watchForHint(help, "helpText");
    layout->addWidget(help); // as high as the tab change makes it
    layout->addStretch(1);
    return panel;
}

void ToolWindowView::watchForHint(QWidget* widget, const char* controlName) {
    widget->setProperty("hintControl", QString(controlName));
    widget->setMouseTracking(true);
    widget->installEventFilter(this);
    if (auto* scrolled = qobject_cast<QAbstractScrollArea*>(widget)) {
        scrolled->viewport()->setProperty("hintControl", QString(controlName));
        scrolled->viewport()->setMouseTracking(true);
        scrolled->viewport()->installEventFilter(this);
    }
}

namespace {

// The control whose hint the mouse shows: the innermost watched widget under it in the
// window that has the move.
const QWidget* hintedUnder(const QWidget* watched, const QPointF& globalPosition) {
    const QWidget* window = watched->window();
    const QWidget* widget = window->childAt(window->mapFromGlobal(globalPosition.toPoint()));
    if (widget == nullptr) {
        widget = window;
    }
    while (widget != nullptr && !widget->property("hintControl").isValid()) {
        widget = widget->parentWidget();
    }
    return widget;
}

} // namespace

bool ToolWindowView::eventFilter(QObject* watched, QEvent* event) {
    // A move a control leaves to its parent (a button does) reaches the page's background
    // too: only the innermost watched widget under the mouse shows its hint.
    if (event->type() == QEvent::MouseMove && watched->isWidgetType() &&
        watched->property("hintControl").isValid() &&
        hintedUnder(static_cast<QWidget*>(watched),
                    static_cast<QMouseEvent*>(event)->globalPosition()) == watched) {
        const QString control = watched->property("hintControl").toString();
        runHandler(desktop_.ui, [&] { desktop_.toolWindow.mouseMoveOver(fromQString(control)); });
    }
    return QWidget::eventFilter(watched, event);
}

void ToolWindowView::applyGeometry() {
    const WindowRect& rect = desktop_.toolWindow.geometry;
    if (rect.width > 0) {
        const WindowRect frame = frameAround(rect, desktop_.toolWindow.frame);
        move(frame.left, frame.top);
        resize(rect.width, rect.height);
        // The pane the tab change stretched reaches down from where the window is now.
        desktop_.toolWindow.fitPaneOf(desktop_.mainWindow.tabs.itemIndex());
    }
}

} // namespace burgeon
