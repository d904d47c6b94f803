#include "ui/PageViews.h"

#include "base/HandlerGuard.h"
#include "ui/Bindings.h"
#include "ui/ToolWindow.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace burgeon {

namespace {

QWidget* panel(const char* objectName, const HintWatcher& watchHint) {
    auto* widget = new QWidget;
    widget->setObjectName(objectName);
    watchHint(widget, objectName);
    return widget;
}

QLabel* label(const QString& text, QWidget* parent) {
    return new QLabel(text, parent);
}

QLabel* captionLabel(ControlModel& model, QWidget* parent) {
    auto* widget = new QLabel(parent);
    bindCaption(widget, model);
    return widget;
}

QPushButton* button(const char* objectName, ControlModel& model, UserInterface& ui,
                    std::function<void()> handler, QWidget* parent) {
    auto* widget = new QPushButton(parent);
    widget->setObjectName(objectName);
    bindButton(widget, model, ui, std::move(handler));
    return widget;
}

QPushButton* plainButton(const char* objectName, const QString& text, UserInterface& ui,
                         std::function<void()> handler, QWidget* parent) {
    auto* widget = new QPushButton(text, parent);
    widget->setObjectName(objectName);
    QObject::connect(widget, &QPushButton::clicked, widget,
                     [&ui, handler] { runHandler(ui, handler); });
    return widget;
}

QSlider* slider(const char* objectName, RangeControl& model, UserInterface& ui, int ticks,
                QWidget* parent) {
    auto* widget = new QSlider(Qt::Horizontal, parent);
    widget->setObjectName(objectName);
    widget->setTickPosition(QSlider::TicksBelow);
    widget->setTickInterval(ticks);
    bindSlider(widget, model, ui);
    return widget;
}

QSpinBox* spin(const char* objectName, RangeControl& model, UserInterface& ui, QWidget* parent) {
    auto* widget = new QSpinBox(parent);
    widget->setObjectName(objectName);
    bindSpin(widget, model, ui);
    return widget;
}

QProgressBar* progress(const char* objectName, RangeControl& model, QWidget* parent) {
    auto* widget = new QProgressBar(parent);
    widget->setObjectName(objectName);
    QPointer<QProgressBar> guarded(widget);
    auto refresh = [guarded, &model] {
        if (guarded) {
            guarded->setRange(model.minimum(), model.maximum());
            guarded->setValue(model.position());
        }
    };
    model.views.subscribe(refresh);
    refresh();
    return widget;
}

QPlainTextEdit* textBox(const char* objectName, TextControl& model, UserInterface& ui,
                        bool readOnly, QWidget* parent) {
    auto* widget = new QPlainTextEdit(parent);
    widget->setObjectName(objectName);
    widget->setFont(editorFont());
    widget->setLineWrapMode(QPlainTextEdit::NoWrap);
    widget->setReadOnly(readOnly);
    bindText(widget, model, ui);
    return widget;
}

QLineEdit* lineEdit(const char* objectName, TextControl& model, UserInterface& ui,
                    QWidget* parent) {
    auto* widget = new QLineEdit(parent);
    widget->setObjectName(objectName);
    bindText(widget, model, ui);
    return widget;
}

// A radio button of a group whose model keeps the others unchecked: a click chooses it.
QRadioButton* radio(const char* objectName, CheckControl& model, UserInterface& ui,
                    std::function<void()> choose, QWidget* parent) {
    auto* widget = new QRadioButton(parent);
    widget->setObjectName(objectName);
    widget->setAutoExclusive(false);
    QPointer<QRadioButton> guarded(widget);
    auto refresh = [guarded, &model] {
        if (guarded) {
            const QSignalBlocker blocker(guarded.data());
            guarded->setText(toQString(model.caption()));
            guarded->setChecked(model.checked());
            guarded->setVisible(model.visible());
        }
    };
    model.views.subscribe(refresh);
    refresh();
    QObject::connect(widget, &QRadioButton::clicked, widget, [guarded, &ui, choose, refresh] {
        runHandler(ui, choose);
        refresh(); // a click never unchecks a radio button by itself
    });
    return widget;
}

QLabel* picture(const char* objectName, QWidget* parent) {
    auto* widget = new QLabel(parent);
    widget->setObjectName(objectName);
    widget->setFrameShape(QFrame::Box);
    widget->setAlignment(Qt::AlignCenter);
    return widget;
}

// A colour swatch that follows its panel model; a click runs the handler.
class ColorSwatch : public QLabel {
public:
    ColorSwatch(ColorPanel& model, UserInterface& ui, std::function<void()> click, QWidget* parent)
        : QLabel(parent), ui_(ui), click_(std::move(click)) {
        setFrameShape(QFrame::Panel);
        setFrameShadow(QFrame::Sunken);
        setAutoFillBackground(true);
        setMinimumSize(24, 16);
        QPointer<QLabel> guarded(this);
        auto refresh = [guarded, &model] {
            if (guarded) {
                QPalette palette = guarded->palette();
                palette.setColor(QPalette::Window,
                                 QColor(model.color.red, model.color.green, model.color.blue));
                guarded->setPalette(palette);
                guarded->setText(toQString(model.caption()));
            }
        };
        model.views.subscribe(refresh);
        refresh();
    }

protected:
    void mousePressEvent(QMouseEvent*) override {
        if (click_) {
            runHandler(ui_, click_);
        }
    }

private:
    UserInterface& ui_;
    std::function<void()> click_;
};

// Up and down arrows beside an edit box.
QWidget* arrows(const char* objectName, UserInterface& ui, std::function<void(bool up)> click,
                QWidget* parent) {
    auto* box = new QWidget(parent);
    box->setObjectName(objectName);
    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const bool up : {true, false}) {
        auto* arrow = new QToolButton(box);
        arrow->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
        arrow->setFixedSize(16, 11);
        QObject::connect(arrow, &QToolButton::clicked, arrow,
                         [&ui, click, up] { runHandler(ui, [&] { click(up); }); });
        layout->addWidget(arrow);
    }
    return box;
}

// Keeps an editor's selection in its model (byte offsets of the UTF-8 text).
template <typename Select> void followSelection(QPlainTextEdit* editor, Select select) {
    auto keep = [editor, select] {
        const QTextCursor cursor = editor->textCursor();
        const QString text = editor->toPlainText();
        const auto start =
            static_cast<std::size_t>(text.left(cursor.selectionStart()).toUtf8().size());
        const auto end = static_cast<std::size_t>(text.left(cursor.selectionEnd()).toUtf8().size());
        select(start, end - start);
    };
    QObject::connect(editor, &QPlainTextEdit::selectionChanged, editor, keep);
    QObject::connect(editor, &QPlainTextEdit::cursorPositionChanged, editor, keep);
}

} // namespace

QWidget* buildLSystemEditorPage(Desktop& desktop, const HintWatcher& watchHint) {
    LSystemEditorPage& page = desktop.state.lsystemEditor;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("Panel2", watchHint);
    auto* layout = new QVBoxLayout(background);

    auto* editor = textBox("RichEdit1", page.RichEdit1, ui, false, background);
    editor->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    editor->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    watchHint(editor, "RichEdit1");
    followSelection(editor,
                    [&page](std::size_t start, std::size_t length) { page.select(start, length); });
    editor->setContextMenuPolicy(Qt::CustomContextMenu);
    auto* menu = new QMenu(editor);
    menu->setObjectName("PopupMenu1");
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
        {{"Iteration", &page.MaskEdit1},
         {"Angle", &page.MaskEdit2},
         {"Diameter", &page.MaskEdit3}}};
    const std::array<const char*, 3> boxNames = {"MaskEdit1", "MaskEdit2", "MaskEdit3"};
    const std::array<const char*, 3> arrowNames = {"UpDown1", "UpDown2", "UpDown3"};
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
    grid->addWidget(progress("ProgressBar1", page.ProgressBar1, controls), 1, 0, 1, 5);
    grid->addWidget(label("L-systems", controls), 1, 5);
    auto* names = new QComboBox(controls);
    names->setObjectName("ComboBox2");
    names->setEditable(true);
    bindChoice(names, page.ComboBox2, ui);
    grid->addWidget(names, 1, 6, 1, 3);
    layout->addWidget(controls);

    const std::array<std::pair<const char*, TextControl*>, 3> panes = {
        {{"RichEdit2", &page.RichEdit2},
         {"RichEdit8", &page.RichEdit8},
         {"RichEdit3", &page.RichEdit3}}};
    for (const auto& [name, model] : panes) {
        auto* pane = textBox(name, *model, ui, true, background);
        watchHint(pane, name);
        layout->addWidget(pane, 1);
    }
    return background;
}

QWidget* buildGrowthFunctionPage(Desktop& desktop, const HintWatcher& watchHint) {
    GrowthFunctionPage& page = desktop.state.growthPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("Panel3", watchHint);
    auto* layout = new QVBoxLayout(background);
    // The plots carry no notifications of their own: every handler of the page may redraw
    // them, so the view refreshes them after each one.
    auto* plotsChanged = new Observers;
    QObject::connect(background, &QObject::destroyed, [plotsChanged] { delete plotsChanged; });
    auto handled = [&ui, plotsChanged](std::function<void()> handler) {
        return [&ui, plotsChanged, handler] {
            runHandler(ui, handler);
            plotsChanged->notify();
        };
    };

    auto* functions = new QGroupBox(toQString(page.RadioGroup1.caption()), background);
    functions->setObjectName("RadioGroup1");
    auto* functionGrid = new QGridLayout(functions);
    const auto& organs = page.RadioGroup1.items();
    for (std::size_t i = 0; i < organs.size(); ++i) {
        auto* choice = new QRadioButton(toQString(organs[i]), functions);
        functionGrid->addWidget(choice, static_cast<int>(i / 4), static_cast<int>(i % 4));
        const int index = static_cast<int>(i);
        QObject::connect(choice, &QRadioButton::clicked, choice, [&page, &ui, index] {
            runHandler(ui, [&] { page.RadioGroup1.choose(index); });
        });
        QPointer<QRadioButton> guarded(choice);
        auto refresh = [guarded, &page, index] {
            if (guarded) {
                const QSignalBlocker blocker(guarded.data());
                guarded->setChecked(page.RadioGroup1.itemIndex() == index);
            }
        };
        page.RadioGroup1.views.subscribe(refresh);
        refresh();
    }
    layout->addWidget(functions);

    auto* row = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* scaling = new QHBoxLayout;
    scaling->addWidget(captionLabel(page.Label15, background));
    auto* scale = spin("SpinEdit1", page.SpinEdit1, ui, background);
    QObject::connect(scale, &QSpinBox::valueChanged, scale,
                     [plotsChanged] { plotsChanged->notify(); });
    scaling->addWidget(scale);
    left->addLayout(scaling);
    left->addWidget(captionLabel(page.Label4, background));
    auto* data = textBox("RichEdit4", page.RichEdit4, ui, false, background);
    data->setFont(QFont());
    left->addWidget(data, 1);

    auto* coefficients = new QGridLayout;
    const std::array<std::tuple<const char*, const char*, TextControl*, const char*,
                                void (GrowthFunctionPage::*)(ArrowClick)>,
                     4>
        boxes = {{{"Bottom", "Edit1", &page.Edit1, "UpDown4", &GrowthFunctionPage::UpDown4Click},
                  {"Top", "Edit2", &page.Edit2, "UpDown5", &GrowthFunctionPage::UpDown5Click},
                  {"Slope", "Edit3", &page.Edit3, "UpDown6", &GrowthFunctionPage::UpDown6Click},
                  {"Tmid", "Edit4", &page.Edit4, "UpDown7", &GrowthFunctionPage::UpDown7Click}}};
    int line = 0;
    for (const auto& [caption, name, model, arrowName, click] : boxes) {
        coefficients->addWidget(label(caption, background), line, 0);
        coefficients->addWidget(lineEdit(name, *model, ui, background), line, 1);
        const auto handler = click;
        coefficients->addWidget(arrows(
                                    arrowName, ui,
                                    [&page, handler, plotsChanged](bool up) {
                                        (page.*handler)(up ? ArrowClick::Up : ArrowClick::Down);
                                        plotsChanged->notify();
                                    },
                                    background),
                                line, 2);
        ++line;
    }
    left->addLayout(coefficients);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(
        button("Button1", page.Button1, ui, handled([&page] { page.readData(); }), background));
    buttons->addWidget(
        button("Button2", page.Button2, ui, handled([&page] { page.fitCurve(); }), background));
    auto* approximate =
        button("Button3", page.Button3, ui, handled([&page] { page.approximate(); }), background);
    approximate->setVisible(false);
    buttons->addWidget(approximate);
    buttons->addWidget(
        button("Button4", page.Button4, ui, handled([&page] { page.saveImages(); }), background));
    left->addLayout(buttons);
    row->addLayout(left, 1);

    auto* scrollBox = new QScrollArea(background);
    scrollBox->setObjectName("ScrollBox2");
    scrollBox->setWidgetResizable(true);
    auto* plots = new QWidget(scrollBox);
    auto* plotLayout = new QVBoxLayout(plots);
    const std::array<std::pair<GrowthOrgan, const char*>, 6> plotNames = {
        {{GrowthOrgan::Internode, "Image1"},
         {GrowthOrgan::Petiole, "Image2"},
         {GrowthOrgan::LeafLength, "Image3"},
         {GrowthOrgan::LeafWidth, "Image12"},
         {GrowthOrgan::Apex, "Image4"},
         {GrowthOrgan::Flower, "Image5"}}};
    for (const auto& [organ, name] : plotNames) {
        plotLayout->addWidget(label(GrowthFunctionPage::plotCaption(organ), plots));
        auto* plot = picture(name, plots);
        bindImage(plot, page.plot(organ), *plotsChanged);
        plotLayout->addWidget(plot);
    }
    scrollBox->setWidget(plots);
    row->addWidget(scrollBox, 1);
    layout->addLayout(row, 1);
    return background;
}

QWidget* buildComponentPage(Desktop& desktop, const HintWatcher& watchHint) {
    ComponentPage& page = desktop.state.componentPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("Panel4", watchHint);
    auto* layout = new QVBoxLayout(background);

    auto* top = new QHBoxLayout;
    top->addWidget(button(
        "Button5", page.Button5, ui, [&page] { page.openLibrary(); }, background));
    top->addWidget(button(
        "Button6", page.Button6, ui, [&page] { page.startSurfaceDesigner(); }, background));
    top->addWidget(radio(
        "RadioButton9", page.RadioButton9, ui, [&page] { page.chooseLeafSurface(); }, background));
    top->addWidget(radio(
        "RadioButton10", page.RadioButton10, ui, [&page] { page.chooseFlowerSurface(); },
        background));
    layout->addLayout(top);

    auto* form = new QGridLayout;
    form->addWidget(captionLabel(page.Label16, background), 0, 0);
    auto* shapes = new QComboBox(background);
    shapes->setObjectName("ComboBox1");
    shapes->setEditable(true);
    bindChoice(shapes, page.ComboBox1, ui);
    form->addWidget(shapes, 0, 1, 1, 3);
    form->addWidget(captionLabel(page.Label22, background), 1, 0);
    auto* divisor = spin("SpinEdit5", page.SpinEdit5, ui, background);
    divisor->findChild<QLineEdit*>()->setReadOnly(true); // arrows only
    form->addWidget(divisor, 1, 1);
    form->addWidget(captionLabel(page.Label33, background), 1, 2);
    form->addWidget(spin("SpinEdit6", page.SpinEdit6, ui, background), 1, 3);
    layout->addLayout(form);

    const std::array<const char*, 3> axes = {"X-Axis", "Y-Axis", "Z-Axis"};
    auto addSliders = [&](ControlModel& caption, std::array<RangeControl*, 3> sliders,
                          std::array<const char*, 3> names, int ticks) {
        auto* group = new QGroupBox(background);
        auto* grid = new QGridLayout(group);
        grid->addWidget(captionLabel(caption, group), 0, 0, 1, 2);
        for (std::size_t i = 0; i < 3; ++i) {
            grid->addWidget(label(axes[i], group), static_cast<int>(i) + 1, 0);
            grid->addWidget(slider(names[i], *sliders[i], ui, ticks, group),
                            static_cast<int>(i) + 1, 1);
        }
        layout->addWidget(group);
    };
    addSliders(page.Label28, {&page.TrackBar11, &page.TrackBar12, &page.TrackBar13},
               {"TrackBar11", "TrackBar12", "TrackBar13"}, 10);
    addSliders(page.Label32, {&page.TrackBar14, &page.TrackBar17, &page.TrackBar18},
               {"TrackBar14", "TrackBar17", "TrackBar18"}, 15);

    auto* previews = new QHBoxLayout;
    for (auto* preview : {&page.Image6, &page.Image7}) {
        auto* image = picture(preview == &page.Image6 ? "Image6" : "Image7", background);
        bindImage(image, preview->picture, preview->views);
        previews->addWidget(image);
    }
    layout->addLayout(previews);
    layout->addStretch();
    return background;
}

QWidget* buildParameterPage(Desktop& desktop, const HintWatcher& watchHint) {
    ParameterPage& page = desktop.state.parameterPage;
    UserInterface& ui = desktop.ui;
    auto* scrollBox = new QScrollArea;
    scrollBox->setObjectName("ScrollBox4");
    scrollBox->setWidgetResizable(true);
    watchHint(scrollBox, "ScrollBox4");
    auto* content = new QWidget(scrollBox);
    auto* layout = new QFormLayout(content);
    struct Row {
        const char* heading;
        const char* caption;
        const char* name;
        RangeControl* slider;
        int ticks;
    };
    const Row rows[] = {
        {nullptr, "Initial value of Petiole Angle", "TrackBar10", &page.TrackBar10, 60},
        {nullptr, "Stem length", "TrackBar19", &page.TrackBar19, 10},
        {nullptr, "Node Diamter", "TrackBar20", &page.TrackBar20, 10},
        {nullptr, "Node Birth Rate", "TrackBar21", &page.TrackBar21, 10},
        {nullptr, "Petiole Length", "TrackBar22", &page.TrackBar22, 10},
        {nullptr, "Petiole BitAngle", "TrackBar23", &page.TrackBar23, 1000},
        {"Length Adjustment", "Internode Reduce", "TrackBar34", &page.TrackBar34, 20},
        {nullptr, "Petiole Reduce", "TrackBar35", &page.TrackBar35, 20},
        {"Diameter Adjustment", "Internode Reduce", "TrackBar15", &page.TrackBar15, 2},
        {nullptr, "Petiole Reduce", "TrackBar16", &page.TrackBar16, 2},
        {nullptr, "Leaf Reduce", "TrackBar25", &page.TrackBar25, 2},
        {nullptr, "Flower Reduce", "TrackBar26", &page.TrackBar26, 2},
        {nullptr, "Short Internod Ratio", "TrackBar27", &page.TrackBar27, 10},
        {nullptr, "Short Internode Diameter", "TrackBar33", &page.TrackBar33, 10},
        {nullptr, "Short Petiole Ratio", "TrackBar28", &page.TrackBar28, 10},
        {nullptr, "Short Petiole Diameter", "TrackBar32", &page.TrackBar32, 10},
        {nullptr, "Time Step", "TrackBar29", &page.TrackBar29, 10},
        {nullptr, "Wind", "TrackBar30", &page.TrackBar30, 1},
        {nullptr, "Leaf Arrangement", "TrackBar31", &page.TrackBar31, 2},
    };
    for (const Row& row : rows) {
        if (row.heading != nullptr) {
            auto* heading = label(row.heading, content);
            QFont bold = heading->font();
            bold.setBold(true);
            heading->setFont(bold);
            layout->addRow(heading);
        }
        layout->addRow(row.caption, slider(row.name, *row.slider, ui, row.ticks, content));
    }
    scrollBox->setWidget(content);
    return scrollBox;
}

QWidget* buildAnimationPage(Desktop& desktop, const HintWatcher& watchHint) {
    AnimationPage& page = desktop.state.animationPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("Panel6", watchHint);
    auto* layout = new QVBoxLayout(background);

    auto addGroup =
        [&](const char* caption, TextControl& value,
            std::vector<std::pair<const char*, RangeControl*>> sliders, int ticks,
            std::vector<std::tuple<const char*, const char*, void (AnimationPage::*)()>> nudges) {
            auto* group = new QGroupBox(background);
            auto* grid = new QGridLayout(group);
            grid->addWidget(label(caption, group), 0, 0);
            auto* valueLabel = new QLabel(group);
            QPointer<QLabel> guarded(valueLabel);
            auto refresh = [guarded, &value] {
                if (guarded) {
                    guarded->setText(toQString(value.text()));
                }
            };
            value.views.subscribe(refresh);
            refresh();
            grid->addWidget(valueLabel, 0, 1);
            int line = 1;
            for (const auto& [name, model] : sliders) {
                grid->addWidget(slider(name, *model, ui, ticks, group), line++, 0, 1, 2);
            }
            if (!nudges.empty()) {
                auto* cross = new QHBoxLayout;
                for (const auto& [name, text, handler] : nudges) {
                    const auto click = handler;
                    cross->addWidget(plainButton(
                        name, text, ui, [&page, click] { (page.*click)(); }, group));
                }
                grid->addLayout(cross, line, 0, 1, 2);
            }
            layout->addWidget(group);
        };
    addGroup("Rotation", page.Label44,
             {{"TrackBar1", &page.TrackBar1},
              {"TrackBar2", &page.TrackBar2},
              {"TrackBar3", &page.TrackBar3}},
             100,
             {{"BitBtn1", "\u25B2", &AnimationPage::BitBtn1Click},
              {"BitBtn3", "\u25BC", &AnimationPage::BitBtn3Click},
              {"BitBtn2", "\u25C0", &AnimationPage::BitBtn2Click},
              {"BitBtn4", "\u25B6", &AnimationPage::BitBtn4Click}});
    addGroup("Translation", page.Label45,
             {{"TrackBar4", &page.TrackBar4},
              {"TrackBar5", &page.TrackBar5},
              {"TrackBar6", &page.TrackBar6}},
             15,
             {{"BitBtn5", "\u25B2", &AnimationPage::BitBtn5Click},
              {"BitBtn7", "\u25BC", &AnimationPage::BitBtn7Click},
              {"BitBtn6", "\u25C0", &AnimationPage::BitBtn6Click},
              {"BitBtn8", "\u25B6", &AnimationPage::BitBtn8Click}});
    addGroup("Zoom", page.Label46, {{"TrackBar7", &page.TrackBar7}}, 10, {});
    addGroup("Velocity Animation", page.Label47, {{"TrackBar8", &page.TrackBar8}}, 1, {});
    addGroup("Scale", page.Label48, {{"TrackBar9", &page.TrackBar9}}, 5, {});
    addGroup("Animation Time Bar", page.Label52, {{"TrackBar24", &page.TrackBar24}}, 20, {});

    auto* play = new QHBoxLayout;
    play->addWidget(plainButton(
        "BitBtn12", "Play", ui, [&page] { page.BitBtn12Click(); }, background));
    play->addWidget(plainButton(
        "BitBtn13", "Pause", ui, [&page] { page.BitBtn13Click(); }, background));
    layout->addLayout(play);

    auto* capture = new QGroupBox("Capture Image", background);
    auto* grid = new QGridLayout(capture);
    grid->addWidget(radio(
                        "RadioButton11", page.RadioButton11, ui,
                        [&page] {
                            page.RadioButton11.setChecked(true);
                            page.RadioButton11Click();
                        },
                        capture),
                    0, 0, 1, 2);
    grid->addWidget(radio(
                        "RadioButton12", page.RadioButton12, ui,
                        [&page] {
                            page.RadioButton12.setChecked(true);
                            page.RadioButton12Click();
                        },
                        capture),
                    0, 2, 1, 2);
    grid->addWidget(label("Start Frame", capture), 1, 0);
    grid->addWidget(spin("SpinEdit7", page.SpinEdit7, ui, capture), 1, 1);
    grid->addWidget(label("End Frame", capture), 1, 2);
    grid->addWidget(spin("SpinEdit8", page.SpinEdit8, ui, capture), 1, 3);
    grid->addWidget(label("Animation Delay(x10 mS)", capture), 2, 0);
    grid->addWidget(spin("SpinEdit11", page.SpinEdit11, ui, capture), 2, 1);
    grid->addWidget(label("for", capture), 2, 2);
    auto* bits = new QHBoxLayout;
    bits->addWidget(spin("SpinEdit13", page.SpinEdit13, ui, capture));
    bits->addWidget(label("Bits", capture));
    grid->addLayout(bits, 2, 3);
    grid->addWidget(label("Jpeg Compression (%)", capture), 3, 0);
    grid->addWidget(spin("SpinEdit12", page.SpinEdit12, ui, capture), 3, 1);
    grid->addWidget(label("(100% for Hight Quality)", capture), 3, 2, 1, 2);
    grid->addWidget(plainButton(
                        "BitBtn10", "Capture Now", ui, [&page] { page.BitBtn10Click(); }, capture),
                    4, 0, 1, 2);
    grid->addWidget(plainButton(
                        "BitBtn11", "Stop Capture", ui, [&page] { page.BitBtn11Click(); }, capture),
                    4, 2, 1, 2);
    grid->addWidget(label("Capture Progress", capture), 5, 0);
    auto* gauge = progress("Gauge1", page.Gauge1, capture);
    gauge->setStyleSheet("QProgressBar::chunk { background: blue; }");
    grid->addWidget(gauge, 5, 1, 1, 2);
    auto* preview = picture("Image8", capture);
    preview->setFixedSize(79, 103);
    preview->setScaledContents(true);
    bindImage(preview, page.Image8, page.Image8Views);
    grid->addWidget(preview, 1, 4, 5, 1);
    layout->addWidget(capture);
    layout->addStretch();
    return background;
}

QWidget* buildMaterialPage(Desktop& desktop, const HintWatcher& watchHint) {
    MaterialPage& page = desktop.state.materialPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("Panel7", watchHint);
    auto* layout = new QVBoxLayout(background);
    layout->addWidget(captionLabel(page.Label23, background));

    auto* mixer = new QGridLayout;
    auto* colour = new ColorSwatch(
        page.Panel15, ui, [&page] { page.chooseColor(); }, background);
    colour->setObjectName("Panel15");
    colour->setMinimumSize(80, 80);
    mixer->addWidget(colour, 0, 0, 3, 1);
    const std::array<std::tuple<const char*, RangeControl*, const char*, RangeControl*>, 3>
        channels = {{{"ScrollBar1", &page.ScrollBar1, "SpinEdit2", &page.SpinEdit2},
                     {"ScrollBar2", &page.ScrollBar2, "SpinEdit3", &page.SpinEdit3},
                     {"ScrollBar3", &page.ScrollBar3, "SpinEdit4", &page.SpinEdit4}}};
    int line = 0;
    for (const auto& [barName, bar, spinName, spinModel] : channels) {
        auto* scrollBar = new QScrollBar(Qt::Horizontal, background);
        scrollBar->setObjectName(barName);
        bindSlider(scrollBar, *bar, ui);
        mixer->addWidget(scrollBar, line, 1);
        mixer->addWidget(spin(spinName, *spinModel, ui, background), line, 2);
        ++line;
    }
    layout->addLayout(mixer);

    auto* slotGrid = new QGridLayout;
    const std::array<std::tuple<const char*, CheckControl*, ColorPanel*>, 8> rows = {
        {{"RadioButton1", &page.RadioButton1, &page.Panel16},
         {"RadioButton2", &page.RadioButton2, &page.Panel17},
         {"RadioButton3", &page.RadioButton3, &page.Panel18},
         {"RadioButton4", &page.RadioButton4, &page.Panel19},
         {"RadioButton5", &page.RadioButton5, &page.Panel20},
         {"RadioButton6", &page.RadioButton6, &page.Panel21},
         {"RadioButton7", &page.RadioButton7, &page.Panel22},
         {"RadioButton8", &page.RadioButton8, &page.Panel23}}};
    int index = 0;
    for (const auto& [name, check, swatch] : rows) {
        CheckControl* model = check;
        slotGrid->addWidget(radio(
                                name, *model, ui, [model] { model->setChecked(true); }, background),
                            index / 2, 2 * (index % 2));
        slotGrid->addWidget(new ColorSwatch(*swatch, ui, nullptr, background), index / 2,
                            2 * (index % 2) + 1);
        ++index;
    }
    layout->addLayout(slotGrid);

    auto* texture = new QHBoxLayout;
    auto* enabled = new QCheckBox(background);
    enabled->setObjectName("CheckBox3");
    bindCheck(enabled, page.CheckBox3, ui);
    texture->addWidget(enabled);
    auto* textures = new QComboBox(background);
    textures->setObjectName("ComboBox3");
    textures->setEditable(true);
    bindChoice(textures, page.ComboBox3, ui);
    texture->addWidget(textures, 1);
    auto* open = new QPushButton(background);
    open->setObjectName("BitBtn14");
    open->setIcon(open->style()->standardIcon(QStyle::SP_DialogOpenButton));
    watchHint(open, "BitBtn14");
    bindButton(open, page.BitBtn14, ui, [&page] { page.openTextureFile(); });
    texture->addWidget(open);
    layout->addLayout(texture);
    layout->addStretch();
    return background;
}

} // namespace burgeon
