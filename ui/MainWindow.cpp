#include "ui/MainWindow.h"

#include "app/WindowPlacement.h"
#include "base/HandlerGuard.h"
#include "ui/Bindings.h"
#include "ui/ScreenArea.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>

namespace burgeon {

namespace {

QPushButton* makeButton(QWidget* parent, const char* objectName) {
    auto* button = new QPushButton(parent);
    button->setObjectName(objectName);
    return button;
}

} // namespace

MainWindow::MainWindow(MainWindowModel& model, UserInterface& ui)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), model_(model), ui_(ui) {
    setObjectName("Form1");
    setWindowTitle(toQString(model.window.caption()));

    auto* layout = new QHBoxLayout(this); // CoolBar1: band 1 the tabs, band 2 Panel2
    layout->setContentsMargins(0, 2, 0, 2);
    layout->setSpacing(0);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName("PageControl1");
    tabs_->setStyleSheet("QTabBar::tab { color: blue; font-weight: bold; }");
    tabs_->tabBar()->setMouseTracking(true);
    tabs_->tabBar()->installEventFilter(this);
    for (std::size_t i = 0; i < MainTabCaptions.size(); ++i) {
        auto* page = new QWidget(tabs_);
        auto* pageLayout = new QHBoxLayout(page);
        pageLayout->setContentsMargins(4, 2, 4, 2);
        if (i == 0) {
            auto* editorToggle = makeButton(page, "Button1");
            bindButton(editorToggle, model.Button1, ui, [&model] { model.toggleEditor(); });
            auto* compile = makeButton(page, "Button3");
            bindButton(compile, model.Button3, ui, [&model] { model.compile(); });
            auto* generate = makeButton(page, "Button4");
            bindButton(generate, model.Button4, ui, [&model] { model.generate(); });
            pageLayout->addWidget(editorToggle);
            pageLayout->addWidget(compile);
            pageLayout->addWidget(generate);
        } else if (i == 4) {
            auto* animationShow = makeButton(page, "Button6");
            bindButton(animationShow, model.Button6, ui, [&model] { model.animationShow(); });
            pageLayout->addWidget(animationShow);
        }
        pageLayout->addStretch();
        tabs_->addTab(page, MainTabCaptions[i]);
    }
    layout->addWidget(tabs_, 1);

    auto* panel2 = new QWidget(this);
    panel2->setObjectName("Panel2");
    panel2->setFixedWidth(100);
    auto* panelLayout = new QHBoxLayout(panel2);
    panelLayout->setContentsMargins(2, 2, 2, 2);
    auto* exitButton = makeButton(panel2, "Button5");
    QFont exitFont = exitButton->font();
    exitFont.setPixelSize(16);
    exitFont.setBold(true);
    exitButton->setFont(exitFont);
    exitButton->setStyleSheet("color: blue;");
    exitButton->setFixedWidth(80); // the band beside the tab strip is 100 pixels wide
    bindButton(exitButton, model.Button5, ui, [&model] { model.exit(); });
    panelLayout->addWidget(exitButton);
    layout->addWidget(panel2);

    // The tab strip shows the model's tab; choosing a tab runs the tab change.
    model.PageControl1.views.subscribe([this] {
        const QSignalBlocker blocker(tabs_);
        tabs_->setCurrentIndex(model_.PageControl1.itemIndex());
    });
    connect(tabs_, &QTabWidget::currentChanged, this,
            [this](int index) { runHandler(ui_, [&] { model_.PageControl1.choose(index); }); });
    model.window.views.subscribe([this] { applyGeometry(); });
}

QPushButton* MainWindow::button(const QString& objectName) const {
    return findChild<QPushButton*>(objectName);
}

void MainWindow::applyGeometry() {
    const WindowRect& rect = model_.geometry;
    if (rect.width <= 0) {
        return;
    }
    move(rect.left, rect.top);
    resize(rect.width, sizeHint().height()); // as high as the strip needs
    tabs_->setFixedWidth(std::max(0, model_.tabWidth));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs_->tabBar() && event->type() == QEvent::MouseMove) {
        runHandler(ui_, [&] { model_.mouseMoveOverTabs(); });
    }
    return QWidget::eventFilter(watched, event);
}

void MainWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        model_.activate(screenArea(this), height());
    }
    QWidget::changeEvent(event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing the main window ends the application like "Exit".
    event->accept();
    model_.exit();
}

} // namespace burgeon
