#include "ui/PageViews.h"

#include "base/HandlerGuard.h"
#include "ui/Bindings.h"
#include "ui/ToolWindow.h"
#include "ui/WidgetKit.h"

#include <QAction>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QMenu>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include <array>

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
    for (const auto& [caption, handler] : items) {
        QAction* action = menu->addAction(caption);
        QObject::connect(action, &QAction::triggered, editor, [editor, &page, &ui, handler] {
            runHandler(ui, [&] { (page.*handler)(); });
            placeCaret(editor, page.SelectionStart);
        });
    }
    QObject::connect(editor, &QPlainTextEdit::customContextMenuRequested, editor,
                     [editor, menu](const QPoint& at) { menu->popup(editor->mapToGlobal(at)); });
    layout->addWidget(editor, 3);

    auto* controls = new QGroupBox("Controls", background);
    auto* grid = new QGridLayout(controls);
    const std::array<std::pair<const char*, TextControl*>, 3> boxes = {
        {{"Iteration", &page.iterationsBox},
         {"Angle", &page.angleBox},
         {"Diameter", &page.diameterBox}}};
    const std::array<const char*, 3> boxNames = {"iterationsBox", "angleBox", "diameterBox"};
    const std::array<const char*, 3> arrowNames = {"iterationsArrows", "angleArrows",
                                                   "diameterArrows"};
    for (int i = 0; i < 3; ++i) {
        const auto index = static_cast<std::size_t>(i);
        grid->addWidget(label(boxes[index].first, controls), 0, 3 * i);
        auto* edit = lineEdit(boxNames[index], *boxes[index].second, ui, controls);
        edit->setMaximumWidth(60);
        grid->addWidget(edit, 0, 3 * i + 1);
        grid->addWidget(arrows(
                            arrowNames[index], ui,
                            [&page, i](bool up) { page.clickUpDown(i + 1, up); }, controls),
                        0, 3 * i + 2);
    }
    grid->addWidget(progress("compileProgress", page.compileProgress, controls), 1, 0, 1, 5);
    grid->addWidget(label("L-systems", controls), 1, 5);
    auto* names = new QComboBox(controls);
    names->setObjectName("lsystemNameBox");
    names->setEditable(true);
    bindChoice(names, page.lsystemNameBox, ui);
    grid->addWidget(names, 1, 6, 1, 3);
    layout->addWidget(controls);

    const std::array<std::pair<const char*, TextControl*>, 3> panes = {
        {{"resultsPane", &page.resultsPane},
         {"compilesPane", &page.compilesPane},
         {"treeResultsPane", &page.treeResultsPane}}};
    for (const auto& [name, model] : panes) {
        auto* pane = textBox(name, *model, ui, true, background);
        watchHint(pane, name);
        layout->addWidget(pane, 1);
    }
    return background;
}

} // namespace burgeon
