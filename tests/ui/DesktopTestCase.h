#pragma once

#include "DesktopTestSupport.h"
#include "MessageAnswerer.h"
#include "ui/PlantPanel.h"

#include <QApplication>
#include <QObject>
#include <QTemporaryDir>

#include <memory>

namespace burgeon::testing {

// A suite of desktop tests: before every test the desktop starts afresh in a temporary
// folder, with every dialog it opens answered; after it the windows close.
class DesktopTestCase : public QObject {
    Q_OBJECT

protected:
    QTemporaryDir caseFolder;
    std::unique_ptr<MessageAnswerer> answerer;
    std::unique_ptr<DesktopWindows> windows;

protected Q_SLOTS:
    // A suite with more to do before or after each test runs these from its own.
    void init();
    void cleanup();
};

// The main of a suite: the view's surface format, the application, then every test of Suite.
template <typename Suite> int runDesktopSuite(int argc, char** argv) {
    setViewSurfaceFormat();
    QApplication application(argc, argv);
    Suite suite;
    return QTest::qExec(&suite, argc, argv);
}

} // namespace burgeon::testing
