#include "ui/PageViews.h"

#include "ui/Bindings.h"
#include "ui/WidgetKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <tuple>
#include <vector>

namespace burgeon {

namespace {

using Nudge = std::tuple<const char*, const char*, void (AnimationPage::*)()>;

// A group's caption with the value label beside it.
QGroupBox* captionedGroup(const char* caption, TextControl& value, QWidget* parent) {
    auto* group = new QGroupBox(parent);
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
    grid->setColumnStretch(1, 1);
    return group;
}

// Four buttons around the centre of a cross: up above it, down below it, left and right beside
// it, in that order.
QWidget* nudgeCross(AnimationPage& page, UserInterface& ui, const std::array<Nudge, 4>& nudges,
                    QWidget* parent) {
    auto* cross = new QWidget(parent);
    auto* grid = new QGridLayout(cross);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    const std::array<std::pair<int, int>, 4> places = {{{0, 1}, {2, 1}, {1, 0}, {1, 2}}};
    for (std::size_t i = 0; i < nudges.size(); ++i) {
        const auto& [name, text, handler] = nudges[i];
        const auto click = handler;
        auto* nudge = plainButton(
            name, text, ui, [&page, click] { (page.*click)(); }, cross);
        nudge->setFixedSize(30, 24);
        grid->addWidget(nudge, places[i].first, places[i].second);
    }
    return cross;
}

// Three sliders of one group above the group's nudge cross.
QGroupBox* crossGroup(const char* caption, TextControl& value,
                      const std::array<std::tuple<const char*, RangeControl*, int>, 3>& sliders,
                      const std::array<Nudge, 4>& nudges, AnimationPage& page, UserInterface& ui,
                      QWidget* parent) {
    QGroupBox* group = captionedGroup(caption, value, parent);
    auto* grid = static_cast<QGridLayout*>(group->layout());
    int line = 1;
    for (const auto& [name, model, ticks] : sliders) {
        grid->addWidget(slider(name, *model, ui, ticks, group), line++, 0, 1, 2);
    }
    grid->addWidget(nudgeCross(page, ui, nudges, group), line, 0, 1, 2, Qt::AlignHCenter);
    return group;
}

QGroupBox* sliderGroup(const char* caption, TextControl& value, const char* name,
                       RangeControl& model, int ticks, UserInterface& ui, QWidget* parent) {
    QGroupBox* group = captionedGroup(caption, value, parent);
    static_cast<QGridLayout*>(group->layout())
        ->addWidget(slider(name, model, ui, ticks, group), 1, 0, 1, 2);
    return group;
}

QGroupBox* captureGroup(AnimationPage& page, UserInterface& ui, QWidget* parent) {
    auto* capture = new QGroupBox("Capture Image", parent);
    auto* grid = new QGridLayout(capture);
    auto* formats = new QHBoxLayout;
    const std::tuple<const char*, CheckControl*, void (AnimationPage::*)()> formatButtons[] = {
        {"jpegFormatButton", &page.jpegFormatButton, &AnimationPage::onJpegFormatClicked},
        {"gifFormatButton", &page.gifFormatButton, &AnimationPage::onGifFormatClicked},
        {"videoFormatButton", &page.videoFormatButton, &AnimationPage::onVideoFormatClicked}};
    for (const auto& [name, model, click] : formatButtons) {
        const auto handler = click;
        formats->addWidget(radio(
            name, *model, ui, [&page, handler] { (page.*handler)(); }, capture));
    }
    formats->addStretch();
    grid->addLayout(formats, 0, 0, 1, 5);
    grid->addWidget(label("Start Frame", capture), 1, 0);
    grid->addWidget(spin("startFrameBox", page.startFrameBox, ui, capture), 1, 1);
    grid->addWidget(label("End Frame", capture), 1, 2);
    grid->addWidget(spin("endFrameBox", page.endFrameBox, ui, capture), 1, 3);
    grid->addWidget(label("Animation Delay(x10 mS)", capture), 2, 0);
    grid->addWidget(spin("gifDelayBox", page.gifDelayBox, ui, capture), 2, 1);
    grid->addWidget(label("for", capture), 2, 2, Qt::AlignRight);
    auto* bits = new QHBoxLayout;
    bits->addWidget(spin("reductionBitsBox", page.reductionBitsBox, ui, capture));
    bits->addWidget(label("Bits", capture));
    grid->addLayout(bits, 2, 3);
    grid->addWidget(label("Jpeg Compression (%)", capture), 3, 0);
    grid->addWidget(spin("jpegQualityBox", page.jpegQualityBox, ui, capture), 3, 1);
    auto* note = label("(100% for Hight Quality)", capture);
    note->setWordWrap(true);
    grid->addWidget(note, 3, 2, 1, 2);
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
    grid->addWidget(gauge, 5, 1, 1, 3);
    auto* preview = picture("capturedFrame", capture);
    preview->setFixedSize(79, 103);
    preview->setScaledContents(true);
    bindImage(preview, page.capturedFrame, page.capturedFrameViews);
    grid->addWidget(preview, 1, 4, 5, 1, Qt::AlignTop);
    return capture;
}

} // namespace

QWidget* buildAnimationPage(Desktop& desktop, const HintWatcher& watchHint) {
    AnimationPage& page = desktop.state.animationPage;
    UserInterface& ui = desktop.ui;
    QWidget* background = panel("animationBackground", watchHint);
    auto* layout = new QVBoxLayout(background);

    // Two columns: the rotation and translation crosses, then the four single sliders.
    auto* columns = new QGridLayout;
    columns->addWidget(
        crossGroup("Rotation", page.rotationValue,
                   {{{"rotationXSlider", &page.rotationXSlider, 100},
                     {"rotationYSlider", &page.rotationYSlider, 100},
                     {"rotationZSlider", &page.rotationZSlider, 100}}},
                   {{{"rotationUpButton", "\u25B2", &AnimationPage::nudgeRotationUp},
                     {"rotationDownButton", "\u25BC", &AnimationPage::nudgeRotationDown},
                     {"rotationLeftButton", "\u25C0", &AnimationPage::nudgeRotationLeft},
                     {"rotationRightButton", "\u25B6", &AnimationPage::nudgeRotationRight}}},
                   page, ui, background),
        0, 0);
    columns->addWidget(
        crossGroup("Translation", page.translationValue,
                   {{{"translationXSlider", &page.translationXSlider, 15},
                     {"translationYSlider", &page.translationYSlider, 15},
                     {"translationZSlider", &page.translationZSlider, 7}}},
                   {{{"translationUpButton", "\u25B2", &AnimationPage::nudgeTranslationUp},
                     {"translationDownButton", "\u25BC", &AnimationPage::nudgeTranslationDown},
                     {"translationLeftButton", "\u25C0", &AnimationPage::nudgeTranslationLeft},
                     {"translationRightButton", "\u25B6", &AnimationPage::nudgeTranslationRight}}},
                   page, ui, background),
        0, 1);
    columns->addWidget(
        sliderGroup("Zoom", page.zoomValue, "zoomSlider", page.zoomSlider, 10, ui, background), 1,
        0);
    columns->addWidget(sliderGroup("Velocity Animation", page.velocityValue, "velocitySlider",
                                   page.velocitySlider, 1, ui, background),
                       1, 1);
    columns->addWidget(
        sliderGroup("Scale", page.scaleValue, "scaleSlider", page.scaleSlider, 5, ui, background),
        2, 0);
    columns->addWidget(sliderGroup("Animation Time Bar", page.timeValue, "timeBar", page.timeBar,
                                   20, ui, background),
                       2, 1);
    columns->setColumnStretch(0, 1);
    columns->setColumnStretch(1, 1);
    layout->addLayout(columns);

    auto* play = new QHBoxLayout;
    play->addWidget(plainButton(
        "playButton", "Play", ui, [&page] { page.onPlayClicked(); }, background));
    play->addWidget(plainButton(
        "pauseButton", "Pause", ui, [&page] { page.onPauseClicked(); }, background));
    layout->addLayout(play);
    layout->addWidget(captureGroup(page, ui, background));
    layout->addStretch();
    return background;
}

} // namespace burgeon
