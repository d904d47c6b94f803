#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include <unistd.h>

namespace burgeon::testing {

// A test with a fresh folder of its own, named after the test and the process so that tests
// running side by side never share one; removed after the test.
class FolderTest : public ::testing::Test {
protected:
    explicit FolderTest(std::string prefix) : prefix_(std::move(prefix)) {}

    void SetUp() override {
        folder = std::filesystem::temp_directory_path() /
                 (prefix_ + std::to_string(::getpid()) + "_" +
                  ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
    }
    void TearDown() override { std::filesystem::remove_all(folder); }

    // A file name in the folder.
    std::string path(const std::string& name) const { return (folder / name).string(); }

    std::filesystem::path folder;

private:
    std::string prefix_;
};

} // namespace burgeon::testing
