// How much of a core the running desktop takes with a plant shown (tools/measure-cpu.sh): starts
// it in the current folder (examples/), shows a plant (ExamplePlant), sets one of three
// situations the way the Parameter and Animation pages do, lets it settle and reads the
// process's CPU time from /proc/self/stat over ten seconds, with the frames drawn meanwhile:
// `burgeon_pacing_probe still|slow|fast [SESSION]`.
//   still: paused, wind 1 (no flutter), default velocity; the picture cannot change
//   slow:  animating at velocity 10 (180 ms after every frame)
//   fast:  animating at velocity 0 (the display's pace)
#include "ExamplePlant.h"
#include "MessageAnswerer.h"
#include "ui/DesktopWindows.h"
#include "ui/ViewWindowView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <string>

#include <unistd.h>

namespace {

void wait(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    loop.exec();
}

// User and system time of the whole process, in clock ticks (fields 14 and 15).
long cpuTicks() {
    std::ifstream stat("/proc/self/stat");
    const std::string line((std::istreambuf_iterator<char>(stat)),
                           std::istreambuf_iterator<char>());
    // The command name may hold blanks: the fields are counted after its closing parenthesis.
    std::istringstream fields(line.substr(line.rfind(')') + 2));
    std::string field;
    long user = 0;
    long system = 0;
    for (int number = 3; fields >> field; ++number) {
        if (number == 14) {
            user = std::stol(field);
        } else if (number == 15) {
            system = std::stol(field);
            break;
        }
    }
    return user + system;
}

bool applySituation(burgeon::AppState& state, const std::string& situation) {
    if (situation == "still") {
        state.parameterPage.windSlider.setPosition(1);
        state.animationPage.onPauseClicked();
    } else if (situation == "slow" || situation == "fast") {
        state.animationPage.velocitySlider.setPosition(situation == "slow" ? 10 : 0);
        state.animationPage.onPlayClicked();
    } else {
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: burgeon_pacing_probe still|slow|fast [SESSION]\n");
        return 2;
    }
    burgeon::setViewSurfaceFormat();
    QApplication application(argc, argv);
    QApplication::setApplicationName("Burgeon");
    const std::string situation = argv[1];
    const QString session = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    auto answerer = std::make_unique<burgeon::MessageAnswerer>();
    burgeon::DesktopWindows windows;
    windows.start(QDir::currentPath().toStdString());
    wait(300);
    if (!burgeon::showExamplePlant(windows, session)) {
        return 1;
    }
    burgeon::AppState& state = windows.desktop.state;
    state.animationPage.timeBar.setPosition(40); // well into the plant's life
    if (!applySituation(state, situation)) {
        std::fprintf(stderr, "burgeon_pacing_probe: no situation %s\n", situation.c_str());
        return 2;
    }
    windows.desktop.viewWindow.changed(); // as the click on the page does
    wait(2000);
    answerer.reset(); // its timer would wake the process

    constexpr int seconds = 10;
    const long ticksBefore = cpuTicks();
    const int framesBefore = windows.viewWindow->panel()->framesDrawn();
    QElapsedTimer clock;
    clock.start();
    wait(seconds * 1000);
    const double elapsed = static_cast<double>(clock.elapsed()) / 1000.0;
    const long ticks = cpuTicks() - ticksBefore;
    const int frames = windows.viewWindow->panel()->framesDrawn() - framesBefore;
    const double percent =
        100.0 * static_cast<double>(ticks) / static_cast<double>(sysconf(_SC_CLK_TCK)) / elapsed;
    const QSize panel = windows.viewWindow->panel()->size();
    std::printf("%-5s  %5.1f %% of a core  %4d frames in %.1f s (%.1f a second), view %dx%d\n",
                situation.c_str(), percent, frames, elapsed, frames / elapsed, panel.width(),
                panel.height());
    return 0;
}
