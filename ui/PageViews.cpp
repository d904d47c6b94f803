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

QWidget* buildGrowthFunctionPage(Desktop& desktop, const HintWatcher& watchHint) {
    GrowthFunctionPage& page = desktop.state.growthPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("growthFunctionBackground", watchHint);
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

    auto* functions = new QGroupBox(toQString(page.functionChoice.caption()), background);
    functions->setObjectName("functionChoice");
    auto* functionGrid = new QGridLayout(functions);
    const auto& organs = page.functionChoice.items();
    for (std::size_t i = 0; i < organs.size(); ++i) {
        auto* choice = new QRadioButton(toQString(organs[i]), functions);
        functionGrid->addWidget(choice, static_cast<int>(i / 4), static_cast<int>(i % 4));
        const int index = static_cast<int>(i);
        QObject::connect(choice, &QRadioButton::clicked, choice, [&page, &ui, index] {
            runHandler(ui, [&] { page.functionChoice.choose(index); });
        });
        QPointer<QRadioButton> guarded(choice);
        auto refresh = [guarded, &page, index] {
            if (guarded) {
                const QSignalBlocker blocker(guarded.data());
                guarded->setChecked(page.functionChoice.itemIndex() == index);
            }
        };
        page.functionChoice.views.subscribe(refresh);
        refresh();
    }
    layout->addWidget(functions);

    auto* row = new QHBoxLayout;
    auto* left = new QVBoxLayout;
    auto* scaling = new QHBoxLayout;
    scaling->addWidget(captionLabel(page.imageScalingLabel, background));
    auto* scale = spin("imageScalingBox", page.imageScalingBox, ui, background);
    QObject::connect(scale, &QSpinBox::valueChanged, scale,
                     [plotsChanged] { plotsChanged->notify(); });
    scaling->addWidget(scale);
    left->addLayout(scaling);
    left->addWidget(captionLabel(page.actualDataLabel, background));
    auto* data = textBox("dataBox", page.dataBox, ui, false, background);
    data->setFont(QFont());
    left->addWidget(data, 1);

    auto* coefficients = new QGridLayout;
    const std::array<std::tuple<const char*, const char*, TextControl*, const char*,
                                void (GrowthFunctionPage::*)(ArrowClick)>,
                     4>
        boxes = {
            {{"Bottom", "bottomBox", &page.bottomBox, "bottomArrows",
              &GrowthFunctionPage::onBottomArrowClicked},
             {"Top", "topBox", &page.topBox, "topArrows", &GrowthFunctionPage::onTopArrowClicked},
             {"Slope", "slopeBox", &page.slopeBox, "slopeArrows",
              &GrowthFunctionPage::onSlopeArrowClicked},
             {"Tmid", "tmidBox", &page.tmidBox, "tmidArrows",
              &GrowthFunctionPage::onTmidArrowClicked}}};
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
    buttons->addWidget(button("readDataButton", page.readDataButton, ui,
                              handled([&page] { page.readData(); }), background));
    buttons->addWidget(button("fitCurveButton", page.fitCurveButton, ui,
                              handled([&page] { page.fitCurve(); }), background));
    auto* approximate = button("approximateButton", page.approximateButton, ui,
                               handled([&page] { page.approximate(); }), background);
    approximate->setVisible(false);
    buttons->addWidget(approximate);
    buttons->addWidget(button("saveImageButton", page.saveImageButton, ui,
                              handled([&page] { page.saveImages(); }), background));
    left->addLayout(buttons);
    row->addLayout(left, 1);

    auto* scrollBox = new QScrollArea(background);
    scrollBox->setObjectName("plotScrollBox");
    scrollBox->setWidgetResizable(true);
    auto* plots = new QWidget(scrollBox);
    auto* plotLayout = new QVBoxLayout(plots);
    const std::array<std::pair<GrowthOrgan, const char*>, 6> plotNames = {
        {{GrowthOrgan::Internode, "internodePlot"},
         {GrowthOrgan::Petiole, "petiolePlot"},
         {GrowthOrgan::LeafLength, "leafLengthPlot"},
         {GrowthOrgan::LeafWidth, "leafWidthPlot"},
         {GrowthOrgan::Apex, "apexPlot"},
         {GrowthOrgan::Flower, "flowerPlot"}}};
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
    QWidget* background = panel("componentBackground", watchHint);
    auto* layout = new QVBoxLayout(background);

    auto* top = new QHBoxLayout;
    top->addWidget(button(
        "openSurfaceButton", page.openSurfaceButton, ui, [&page] { page.openLibrary(); },
        background));
    top->addWidget(button(
        "newSurfaceButton", page.newSurfaceButton, ui, [&page] { page.startSurfaceDesigner(); },
        background));
    top->addWidget(radio(
        "leafSurfaceButton", page.leafSurfaceButton, ui, [&page] { page.chooseLeafSurface(); },
        background));
    top->addWidget(radio(
        "flowerSurfaceButton", page.flowerSurfaceButton, ui,
        [&page] { page.chooseFlowerSurface(); }, background));
    layout->addLayout(top);

    auto* form = new QGridLayout;
    form->addWidget(captionLabel(page.shapeTypeLabel, background), 0, 0);
    auto* shapes = new QComboBox(background);
    shapes->setObjectName("shapeList");
    shapes->setEditable(true);
    bindChoice(shapes, page.shapeList, ui);
    form->addWidget(shapes, 0, 1, 1, 3);
    form->addWidget(captionLabel(page.sizeLabel, background), 1, 0);
    auto* divisor = spin("sizeDivisorBox", page.sizeDivisorBox, ui, background);
    divisor->findChild<QLineEdit*>()->setReadOnly(true); // arrows only
    form->addWidget(divisor, 1, 1);
    form->addWidget(captionLabel(page.petalCountLabel, background), 1, 2);
    form->addWidget(spin("petalCountBox", page.petalCountBox, ui, background), 1, 3);
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
    addSliders(page.scaleLabel, {&page.scaleXSlider, &page.scaleYSlider, &page.scaleZSlider},
               {"scaleXSlider", "scaleYSlider", "scaleZSlider"}, 10);
    addSliders(page.angleLabel, {&page.angleXSlider, &page.angleYSlider, &page.angleZSlider},
               {"angleXSlider", "angleYSlider", "angleZSlider"}, 15);

    auto* previews = new QHBoxLayout;
    for (auto* preview : {&page.leafPreview, &page.flowerPreview}) {
        auto* image =
            picture(preview == &page.leafPreview ? "leafPreview" : "flowerPreview", background);
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
    scrollBox->setObjectName("parameterScrollBox");
    scrollBox->setWidgetResizable(true);
    watchHint(scrollBox, "parameterScrollBox");
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
        {nullptr, "Initial value of Petiole Angle", "petioleAngleSlider", &page.petioleAngleSlider,
         60},
        {nullptr, "Stem length", "stemLengthSlider", &page.stemLengthSlider, 10},
        {nullptr, "Node Diamter", "nodeDiameterSlider", &page.nodeDiameterSlider, 10},
        {nullptr, "Node Birth Rate", "nodeBirthRateSlider", &page.nodeBirthRateSlider, 10},
        {nullptr, "Petiole Length", "petioleLengthSlider", &page.petioleLengthSlider, 10},
        {nullptr, "Petiole BitAngle", "petioleBitAngleSlider", &page.petioleBitAngleSlider, 1000},
        {"Length Adjustment", "Internode Reduce", "internodeLengthReduceSlider",
         &page.internodeLengthReduceSlider, 20},
        {nullptr, "Petiole Reduce", "petioleLengthReduceSlider", &page.petioleLengthReduceSlider,
         20},
        {"Diameter Adjustment", "Internode Reduce", "internodeDiameterReduceSlider",
         &page.internodeDiameterReduceSlider, 2},
        {nullptr, "Petiole Reduce", "petioleDiameterReduceSlider",
         &page.petioleDiameterReduceSlider, 2},
        {nullptr, "Leaf Reduce", "leafReduceSlider", &page.leafReduceSlider, 2},
        {nullptr, "Flower Reduce", "flowerReduceSlider", &page.flowerReduceSlider, 2},
        {nullptr, "Short Internod Ratio", "shortInternodeRatioSlider",
         &page.shortInternodeRatioSlider, 10},
        {nullptr, "Short Internode Diameter", "shortInternodeDiameterSlider",
         &page.shortInternodeDiameterSlider, 10},
        {nullptr, "Short Petiole Ratio", "shortPetioleRatioSlider", &page.shortPetioleRatioSlider,
         10},
        {nullptr, "Short Petiole Diameter", "shortPetioleDiameterSlider",
         &page.shortPetioleDiameterSlider, 10},
        {nullptr, "Time Step", "timeStepSlider", &page.timeStepSlider, 10},
        {nullptr, "Wind", "windSlider", &page.windSlider, 1},
        {nullptr, "Leaf Arrangement", "leafArrangementSlider", &page.leafArrangementSlider, 2},
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
    QWidget* background = panel("animationBackground", watchHint);
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
    addGroup("Rotation", page.rotationValue,
             {{"rotationXSlider", &page.rotationXSlider},
              {"rotationYSlider", &page.rotationYSlider},
              {"rotationZSlider", &page.rotationZSlider}},
             100,
             {{"rotationUpButton", "\u25B2", &AnimationPage::nudgeRotationUp},
              {"rotationDownButton", "\u25BC", &AnimationPage::nudgeRotationDown},
              {"rotationLeftButton", "\u25C0", &AnimationPage::nudgeRotationLeft},
              {"rotationRightButton", "\u25B6", &AnimationPage::nudgeRotationRight}});
    addGroup("Translation", page.translationValue,
             {{"translationXSlider", &page.translationXSlider},
              {"translationYSlider", &page.translationYSlider},
              {"translationZSlider", &page.translationZSlider}},
             15,
             {{"translationUpButton", "\u25B2", &AnimationPage::nudgeTranslationUp},
              {"translationDownButton", "\u25BC", &AnimationPage::nudgeTranslationDown},
              {"translationLeftButton", "\u25C0", &AnimationPage::nudgeTranslationLeft},
              {"translationRightButton", "\u25B6", &AnimationPage::nudgeTranslationRight}});
    addGroup("Zoom", page.zoomValue, {{"zoomSlider", &page.zoomSlider}}, 10, {});
    addGroup("Velocity Animation", page.velocityValue, {{"velocitySlider", &page.velocitySlider}},
             1, {});
    addGroup("Scale", page.scaleValue, {{"scaleSlider", &page.scaleSlider}}, 5, {});
    addGroup("Animation Time Bar", page.timeValue, {{"timeBar", &page.timeBar}}, 20, {});

    auto* play = new QHBoxLayout;
    play->addWidget(plainButton(
        "playButton", "Play", ui, [&page] { page.onPlayClicked(); }, background));
    play->addWidget(plainButton(
        "pauseButton", "Pause", ui, [&page] { page.onPauseClicked(); }, background));
    layout->addLayout(play);

    auto* capture = new QGroupBox("Capture Image", background);
    auto* grid = new QGridLayout(capture);
    grid->addWidget(radio(
                        "jpegFormatButton", page.jpegFormatButton, ui,
                        [&page] {
                            page.jpegFormatButton.setChecked(true);
                            page.onJpegFormatClicked();
                        },
                        capture),
                    0, 0, 1, 2);
    grid->addWidget(radio(
                        "gifFormatButton", page.gifFormatButton, ui,
                        [&page] {
                            page.gifFormatButton.setChecked(true);
                            page.onGifFormatClicked();
                        },
                        capture),
                    0, 2, 1, 2);
    grid->addWidget(label("Start Frame", capture), 1, 0);
    grid->addWidget(spin("startFrameBox", page.startFrameBox, ui, capture), 1, 1);
    grid->addWidget(label("End Frame", capture), 1, 2);
    grid->addWidget(spin("endFrameBox", page.endFrameBox, ui, capture), 1, 3);
    grid->addWidget(label("Animation Delay(x10 mS)", capture), 2, 0);
    grid->addWidget(spin("gifDelayBox", page.gifDelayBox, ui, capture), 2, 1);
    grid->addWidget(label("for", capture), 2, 2);
    auto* bits = new QHBoxLayout;
    bits->addWidget(spin("reductionBitsBox", page.reductionBitsBox, ui, capture));
    bits->addWidget(label("Bits", capture));
    grid->addLayout(bits, 2, 3);
    grid->addWidget(label("Jpeg Compression (%)", capture), 3, 0);
    grid->addWidget(spin("jpegQualityBox", page.jpegQualityBox, ui, capture), 3, 1);
    grid->addWidget(label("(100% for Hight Quality)", capture), 3, 2, 1, 2);
    grid->addWidget(plainButton(
                        "captureNowButton", "Capture Now", ui,
                        [&page] { page.onCaptureNowClicked(); }, capture),
                    4, 0, 1, 2);
    grid->addWidget(plainButton(
                        "stopCaptureButton", "Stop Capture", ui,
                        [&page] { page.onStopCaptureClicked(); }, capture),
                    4, 2, 1, 2);
    grid->addWidget(label("Capture Progress", capture), 5, 0);
    auto* gauge = progress("captureGauge", page.captureGauge, capture);
    gauge->setStyleSheet("QProgressBar::chunk { background: blue; }");
    grid->addWidget(gauge, 5, 1, 1, 2);
    auto* preview = picture("capturedFrame", capture);
    preview->setFixedSize(79, 103);
    preview->setScaledContents(true);
    bindImage(preview, page.capturedFrame, page.capturedFrameViews);
    grid->addWidget(preview, 1, 4, 5, 1);
    layout->addWidget(capture);
    layout->addStretch();
    return background;
}

QWidget* buildMaterialPage(Desktop& desktop, const HintWatcher& watchHint) {
    MaterialPage& page = desktop.state.materialPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("materialBackground", watchHint);
    auto* layout = new QVBoxLayout(background);
    layout->addWidget(captionLabel(page.titleLabel, background));

    auto* mixer = new QGridLayout;
    auto* colour = new ColorSwatch(
        page.colorPanel, ui, [&page] { page.chooseColor(); }, background);
    colour->setObjectName("colorPanel");
    colour->setMinimumSize(80, 80);
    mixer->addWidget(colour, 0, 0, 3, 1);
    const std::array<std::tuple<const char*, RangeControl*, const char*, RangeControl*>, 3>
        channels = {{{"redBar", &page.redBar, "redBox", &page.redBox},
                     {"greenBar", &page.greenBar, "greenBox", &page.greenBox},
                     {"blueBar", &page.blueBar, "blueBox", &page.blueBox}}};
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
        {{"internodeSlotButton", &page.internodeSlotButton, &page.internodeSwatch},
         {"petioleSlotButton", &page.petioleSlotButton, &page.petioleSwatch},
         {"frontLeafSlotButton", &page.frontLeafSlotButton, &page.frontLeafSwatch},
         {"frontFlowerSlotButton", &page.frontFlowerSlotButton, &page.frontFlowerSwatch},
         {"backLeafSlotButton", &page.backLeafSlotButton, &page.backLeafSwatch},
         {"backFlowerSlotButton", &page.backFlowerSlotButton, &page.backFlowerSwatch},
         {"backgroundSlotButton", &page.backgroundSlotButton, &page.backgroundSwatch},
         {"landSlotButton", &page.landSlotButton, &page.landSwatch}}};
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
    enabled->setObjectName("leafTextureCheck");
    bindCheck(enabled, page.leafTextureCheck, ui);
    texture->addWidget(enabled);
    auto* textures = new QComboBox(background);
    textures->setObjectName("textureList");
    textures->setEditable(true);
    bindChoice(textures, page.textureList, ui);
    texture->addWidget(textures, 1);
    auto* open = new QPushButton(background);
    open->setObjectName("textureButton");
    open->setIcon(open->style()->standardIcon(QStyle::SP_DialogOpenButton));
    watchHint(open, "textureButton");
    bindButton(open, page.textureButton, ui, [&page] { page.openTextureFile(); });
    texture->addWidget(open);
    layout->addLayout(texture);
    layout->addStretch();
    return background;
}

} // namespace burgeon
