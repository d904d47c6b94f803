#include "ui/MainWindowView.h"

#include "base/HandlerGuard.h"
#include "desktop/WindowPlacement.h"
#include "ui/Bindings.h"
#include "ui/ScreenArea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTabBar>
#include <QTabWidget>

#include <iterator>

namespace burgeon {

namespace {

QPushButton* makeButton(QWidget* parent, const char* objectName) {
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    return button;
}

} // namespace

MainWindowView::MainWindowView(MainWindowModel& model, UserInterface& ui)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), model_(model), ui_(ui) {
    setObjectName("mainWindow");
    setWindowTitle(toQString(model.window.caption()));

    auto* layout = new QHBoxLayout(this); // the tool strip: band 1 the tabs, band 2 the exit band
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("tabs");
    tabs_->setStyleSheet("QTabBar::tab { color: blue; font-weight: bold; }");
    tabs_->tabBar()->setMouseTracking(true);
    tabs_->tabBar()->installEventFilter(this);
    for (std::size_t i = 0; i < MainTabCaptions.size(); ++i) {
        auto* page = new QWidget(tabs_);
        auto* pageLayout = new QHBoxLayout(page);
        pageLayout->setContentsMargins(4, 2, 4, 2);
        if (i == 0) {
            auto* editorToggle = makeButton(page, "editorToggleButton");
            bindButton(editorToggle, model.editorToggleButton, ui,
                       [&model] { model.toggleEditor(); });
            auto* compile = makeButton(page, "compileButton");
            bindButton(compile, model.compileButton, ui, [&model] { model.compile(); });
            auto* generate = makeButton(page, "generateButton");
            bindButton(generate, model.generateButton, ui, [&model] { model.generate(); });
            pageLayout->addWidget(editorToggle);
            pageLayout->addWidget(compile);
            pageLayout->addWidget(generate);
        } else if (i == 4) {
            auto* animationShow = makeButton(page, "animationShowButton");
            bindButton(animationShow, model.animationShowButton, ui,
                       [&model] { model.animationShow(); });
            pageLayout->addWidget(animationShow);
        }
        pageLayout->addStretch();
        tabs_->addTab(page, MainTabCaptions[i]);
    }
    tabs_->setCornerWidget(makeSessionButtons(), Qt::TopRightCorner);
    layout->addWidget(tabs_, 1);

    auto* panel2 = new QWidget(this);
    panel2->setObjectName("exitBand");
    panel2->setFixedWidth(100);
    auto* panelLayout = new QHBoxLayout(panel2);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    auto* exitButton = makeButton(panel2, "exitButton");
    QFont exitFont = exitButton->font();
    exitFont.setPixelSize(16);
    exitFont.setBold(true);
    exitButton->setFont(exitFont);
    exitButton->setStyleSheet("color: blue;");
    exitButton->setFixedWidth(80); // the band beside the tab strip is 100 pixels wide
    bindButton(exitButton, model.exitButton, ui, [&model] { model.exit(); });
    panelLayout->addWidget(exitButton);
    layout->addWidget(panel2);

    // The tab strip shows the model's tab; choosing a tab runs the tab change.
    model.tabs.views.subscribe([this] {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(model_.tabs.itemIndex());
    });
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int index) { runHandler(ui_, [&] { model_.tabs.choose(index); }); });
    model.window.views.subscribe([this] {
        setWindowTitle(toQString(model_.window.caption()));
        applyGeometry();
    });
    changesLook_.setSingleShot(true);
    changesLook_.setInterval(ChangesLookDelay);
    connect(&changesLook_, &QTimer::timeout, this,
            [this] { runHandler(ui_, [this] { model_.lookForChanges(); }); });
    QApplication::instance()->installEventFilter(this);
}

MainWindowView::~MainWindowView() {
    QApplication::instance()->removeEventFilter(this);
}

// The session and export buttons sit at the right end of the tab row, where no tab is, so no
// control of the strip moves; Ctrl+O, Ctrl+S and Ctrl+E reach them from every window.
QWidget* MainWindowView::makeSessionButtons() {
    auto* corner = new QWidget(tabs_);
    auto* cornerLayout = new QHBoxLayout(corner);
    cornerLayout->setContentsMargins(0, 0, 4, 0);
    SessionActions& sessions = model_.sessions;
    MainWindowModel& model = model_;
    const std::pair<ControlModel*, std::function<void()>> buttons[] = {
        {&model_.openSessionButton, [&sessions] { sessions.openWithDialog(); }},
        {&model_.saveSessionButton, [&sessions] { sessions.saveWithDialog(); }},
        {&model_.exportMeshButton, [&model] { model.exportMesh(); }}};
    const char* names[] = {"openSessionButton", "saveSessionButton", "exportMeshButton"};
    const QKeySequence keys[] = {QKeySequence::Open, QKeySequence::Save,
                                 QKeySequence(Qt::CTRL | Qt::Key_E)};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        auto* button = makeButton(corner, names[i]);
        bindButton(button, *buttons[i].first, ui_, buttons[i].second);
        cornerLayout->addWidget(button);
        auto* shortcut = new QShortcut(keys[i], this);
        shortcut->setContext(Qt::ApplicationShortcut);
        connect(shortcut, &QShortcut::activated, button, &QPushButton::click);
    }
    return corner;
}

QPushButton* MainWindowView::button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

void MainWindowView::applyGeometry() {
    const WindowRect& rect = model_.geometry;
    if (rect.width <= 0) {
        return;
    }
    const WindowRect frame = frameAround(rect, model_.frame);
    move(frame.left, frame.top);
    // As high as the strip needs and as wide as the screen; the person cannot resize it (the
    // window hint that says so works on one platform only).
    setFixedSize(rect.width, sizeHint().height());
    tabs_->setFixedWidth(std::max(0, model_.tabWidth));
}

bool MainWindowView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_->tabBar() && event->type() == QEvent::MouseMove) {
        runHandler(ui_, [&] { model_.mouseMoveOverTabs(); });
    }
    // Whatever the person does may change the plant: the title looks again once the input
    // has had its effect.
    switch (event->type()) {
    case QEvent::KeyRelease:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
        changesLook_.start();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindowView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        model_.activate(screenArea(this), height());
    }
    QWidget::changeEvent(event);
}

void MainWindowView::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the application like "Exit", unless the person keeps
    // unsaved changes.
    bool ends = false;
    runHandler(ui_, [&] { ends = model_.exit(); });
    if (ends) {
        event->accept();
    } else {
        event->ignore();
    }
}

} // namespace burgeon
