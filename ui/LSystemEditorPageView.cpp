#include "ui/PageViews.h"

#include "base/HandlerGuard.h"
#include "ui/Bindings.h"
#include "ui/ToolWindowView.h"
#include "ui/WidgetKit.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <array>
#include <tuple>

namespace burgeon {

QWidget* buildLSystemEditorPage(Desktop& desktop, const HintWatcher& watchHint) {
    LSystemEditorPage& page = desktop.state.lsystemEditor;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("lsystemEditorBackground", watchHint);
    auto* layout = new QVBoxLayout(background);

    auto* editor = textBox("sourceEditor", page.sourceEditor, ui, false, background);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    watchHint(editor, "sourceEditor");
    followSelection(editor,
                    [&page](std::size_t start, std::size_t length) { page.select(start, length); });
    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* menu = new QMenu(editor);
    menu->setObjectName("editorMenu");
    const std::pair<const char*, void (LSystemEditorPage::*)()> items[] = {
        {"New L-system", &LSystemEditorPage::newLSystem},
        {"Copy", &LSystemEditorPage::copy},
        {"Cut", &LSystemEditorPage::cut},
        {"Paste", &LSystemEditorPage::paste},
        {"Clear All", &LSystemEditorPage::clearAll}};
    for (const auto& [caption, item] : items) {
        QAction* action = menu->addAction(caption);
        const auto handler = item; // clang before 16 captures no structured binding
        QObject::connect(action, &QAction::triggered, editor, [editor, &page, &ui, handler] {
            runHandler(ui, [&] { (page.*handler)(); });
            placeCaret(editor, page.selectionStart);
        });
    }
    QObject::connect(editor, &QPlainTextEdit::customContextMenuRequested, editor,
                     [editor, menu](const QPoint& at) { menu->popup(editor->mapToGlobal(at)); });
    // The editor and the two upper panes keep their heights; "Tree Results" reaches down the
    // screen as the tab change makes it.
    editor->setFixedHeight(300);
    layout->addWidget(editor);

    auto* controls = new QGroupBox("Controls", background);
    auto* grid = new QGridLayout(controls);
    const std::array<std::pair<const char*, TextControl*>, 3> boxes = {
        {{"Iteration", &page.iterationsBox},
         {"Angle", &page.angleBox},
         {"Diameter", &page.diameterBox}}};
    const std::array<const char*, 3> boxNames = {"iterationsBox", "angleBox", "diameterBox"};
    const std::array<const char*, 3> arrowNames = {"iterationsArrows", "angleArrows",
                                                   "diameterArrows"};
    auto* numbers = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        numbers->addWidget(label(boxes[index].first, controls));
        auto* edit = lineEdit(boxNames[index], *boxes[index].second, ui, controls);
        edit->setFixedWidth(56);
        numbers->addWidget(edit);
        numbers->addWidget(arrows(
            arrowNames[index], ui, [&page, i](bool up) { page.clickUpDown(i + 1, up); }, controls));
        numbers->addSpacing(8);
    }
    numbers->addStretch();
    grid->addLayout(numbers, 0, 0, 1, 3);
    grid->addWidget(progress("compileProgress", page.compileProgress, controls), 1, 0);
    grid->addWidget(label("L-systems", controls), 1, 1);
    grid->addWidget(choiceBox("lsystemNameBox", page.lsystemNameBox, ui, controls), 1, 2);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(2, 1);
    layout->addWidget(controls);

    // Only the compile messages keep their lines whole; the reports wrap at the pane's edge.
    const std::array<std::tuple<const char*, TextControl*, bool>, 3> panes = {
        {{"resultsPane", &page.resultsPane, true},
         {"compilesPane", &page.compilesPane, false},
         {"treeResultsPane", &page.treeResultsPane, true}}};
    for (const auto& [name, model, wraps] : panes) {
        auto* pane = textBox(name, *model, ui, true, background);
        if (wraps) {
            pane->setLineWrapMode(QPlainTextEdit::WidgetWidth);
        }
        watchHint(pane, name);
        pane->setFixedHeight(80);
        layout->addWidget(pane);
    }
    layout->addStretch(1);
    return background;
}

} // namespace burgeon
