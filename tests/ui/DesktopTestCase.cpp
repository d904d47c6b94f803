#include "DesktopTestCase.h"

namespace burgeon::testing {

void DesktopTestCase::init() {
    answerer = std::make_unique<MessageAnswerer>();
    QVERIFY(startDesktopIn(caseFolder, windows));
}

void DesktopTestCase::cleanup() {
    windows.reset();
    answerer.reset();
}

} // namespace burgeon::testing
