#pragma once

#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace burgeon::testing {

// A test with a fresh folder of its own, removed after the test.
class FolderTest : public ::testing::Test {
protected:
    // A file name in the folder.
    std::string path(const std::string& name) const { return temp_.file(name); }

private:
    TempFolder temp_;

protected:
    const std::filesystem::path folder{temp_.path()};
};

} // namespace burgeon::testing
