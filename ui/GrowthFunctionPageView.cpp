#include "ui/PageViews.h"

#include "base/HandlerGuard.h"
#include "growth/GrowthPlot.h"
#include "ui/Bindings.h"
#include "ui/WidgetKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QVBoxLayout>

#include <array>
#include <functional>
#include <tuple>

namespace burgeon {

namespace {

// What the parts of the page's view share: the page, the port, the page's background and the
// notification that redraws the plots.
struct GrowthView {
    GrowthFunctionPage& page;
    UserInterface& ui;
    QWidget* background;
    Observers* plotsChanged;

    // The plots carry no notifications of their own: every handler of the page may redraw
    // them, so the view refreshes them after each one.
    std::function<void()> handled(const std::function<void()>& handler) const {
        return [ui = &ui, plotsChanged = plotsChanged, handler] {
            runHandler(*ui, handler);
            plotsChanged->notify();
        };
    }
};

QGroupBox* functionChoiceBox(const GrowthView& view) {
    GrowthFunctionPage& page = view.page;
    UserInterface& ui = view.ui;
    auto* functions = new QGroupBox(toQString(page.functionChoice.caption()), view.background);
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
    return functions;
}

// Bottom, Top, Slope and Tmid, each with its arrows.
QGridLayout* coefficientGrid(const GrowthView& view) {
    GrowthFunctionPage& page = view.page;
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
        coefficients->addWidget(label(caption, view.background), line, 0);
        coefficients->addWidget(lineEdit(name, *model, view.ui, view.background), line, 1);
        const auto handler = click;
        Observers* plotsChanged = view.plotsChanged;
        coefficients->addWidget(arrows(
                                    arrowName, view.ui,
                                    [&page, handler, plotsChanged](bool up) {
                                        (page.*handler)(up ? ArrowClick::Up : ArrowClick::Down);
                                        plotsChanged->notify();
                                    },
                                    view.background),
                                line, 2);
        ++line;
    }
    return coefficients;
}

QGridLayout* pageButtons(const GrowthView& view) {
    GrowthFunctionPage& page = view.page;
    QWidget* background = view.background;
    auto* buttons = new QGridLayout;
    buttons->addWidget(button("readDataButton", page.readDataButton, view.ui,
                              view.handled([&page] { page.readData(); }), background),
                       0, 0);
    buttons->addWidget(button("fitCurveButton", page.fitCurveButton, view.ui,
                              view.handled([&page] { page.fitCurve(); }), background),
                       0, 1);
    auto* approximate = button("approximateButton", page.approximateButton, view.ui,
                               view.handled([&page] { page.approximate(); }), background);
    approximate->setVisible(false);
    buttons->addWidget(approximate, 1, 1);
    buttons->addWidget(button("saveImageButton", page.saveImageButton, view.ui,
                              view.handled([&page] { page.saveImages(); }), background),
                       1, 0);
    return buttons;
}

// The plot scale, the data table, the coefficients and the buttons.
QVBoxLayout* dataColumn(const GrowthView& view) {
    GrowthFunctionPage& page = view.page;
    QWidget* background = view.background;
    auto* left = new QVBoxLayout;
    auto* scaling = new QHBoxLayout;
    scaling->addWidget(captionLabel(page.imageScalingLabel, background));
    auto* scale = spin("imageScalingBox", page.imageScalingBox, view.ui, background);
    Observers* plotsChanged = view.plotsChanged;
    QObject::connect(scale, &QSpinBox::valueChanged, scale,
                     [plotsChanged] { plotsChanged->notify(); });
    scaling->addWidget(scale);
    left->addLayout(scaling);
    left->addWidget(captionLabel(page.actualDataLabel, background));
    auto* data = textBox("dataBox", page.dataBox, view.ui, false, background);
    data->setFont(QFont());
    // Wide enough for a time and four values; both scroll bars always there, as for any table.
    data->setMinimumWidth(200);
    data->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    data->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    left->addWidget(data, 1);
    left->addLayout(coefficientGrid(view));
    left->addLayout(pageButtons(view));
    return left;
}

// The six plots in a column as wide as a plot and its scroll bar.
QScrollArea* plotColumn(const GrowthView& view) {
    auto* scrollBox = new QScrollArea(view.background);
    scrollBox->setObjectName("plotScrollBox");
    scrollBox->setWidgetResizable(true);
    scrollBox->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
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
        auto* plot = picture(name, PlotWidth, PlotHeight, plots);
        bindImage(plot, view.page.plot(organ), *view.plotsChanged);
        bindImage(plot, view.page.plot(organ), view.page.plotViews);
        plotLayout->addWidget(plot);
    }
    scrollBox->setWidget(plots);
    scrollBox->setFixedWidth(plots->sizeHint().width() +
                             scrollBox->verticalScrollBar()->sizeHint().width() +
                             2 * scrollBox->frameWidth());
    return scrollBox;
}

} // namespace

QWidget* buildGrowthFunctionPage(Desktop& desktop, const HintWatcher& watchHint) {
    QWidget* background = panel("growthFunctionBackground", watchHint);
    auto* plotsChanged = new Observers;
    QObject::connect(background, &QObject::destroyed, [plotsChanged] { delete plotsChanged; });
    const GrowthView view{desktop.state.growthPage, desktop.ui, background, plotsChanged};

    auto* layout = new QVBoxLayout(background);
    layout->addWidget(functionChoiceBox(view));
    auto* row = new QHBoxLayout;
    row->addLayout(dataColumn(view), 1);
    row->addWidget(plotColumn(view));
    layout->addLayout(row, 1);
    return background;
}

} // namespace burgeon
