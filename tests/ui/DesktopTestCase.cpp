#include "DesktopTestCase.h"

namespace burgeon::testing {

void DesktopTestCase::init() {
    answerer_ = std::make_unique<MessageAnswerer>();
    QVERIFY(startDesktopIn(folder_, windows_));
}

void DesktopTestCase::cleanup() {
    windows_.reset();
    answerer_.reset();
}

} // namespace burgeon::testing
