#include "ui/PageViews.h"

#include "ui/Bindings.h"
#include "ui/WidgetKit.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QVBoxLayout>

#include <tuple>
#include <vector>

namespace burgeon {

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
    grid->addLayout(formats, 0, 0, 1, 4);
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

} // namespace burgeon
