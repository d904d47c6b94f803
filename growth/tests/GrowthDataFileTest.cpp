#include "growth/GrowthDataFile.h"

#include "base/StandardError.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

using namespace burgeon;
namespace fs = std::filesystem;

namespace {

std::string messageOf(const std::string& fileName) {
    try {
        readGrowthDataFile(fileName);
    } catch (const StandardError& error) {
        return error.what();
    }
    return "read";
}

} // namespace

TEST(GrowthDataFile, TextEndsAtTheEndOfFileMark) {
    EXPECT_EQ(growthDataText(std::string("0 1\r\n1 2\x1a"
                                         "9 9\n\x1a",
                                         14)),
              "0 1\r\n1 2");
    EXPECT_EQ(growthDataText(std::string("0 1\0 2", 6)), std::string("0 1\0 2", 6));
    EXPECT_EQ(growthDataText(""), "");
}

TEST(GrowthDataFile, OnlyRegularFilesWithinTheLimitAreRead) {
    const burgeon::testing::TempFolder temp;
    const fs::path folder = temp.path();
    const std::string data = (folder / "data.txt").string();
    std::ofstream(data, std::ios::binary) << "0 1\n1 2\n";
    EXPECT_EQ(readGrowthDataFile(data), "0 1\n1 2\n");

    EXPECT_EQ(messageOf((folder / "missing.txt").string()), "File not found");
    EXPECT_EQ(messageOf((folder / "missing" / "data.txt").string()), "File not found");
    EXPECT_EQ(messageOf(folder.string()), "Cannot open file " + folder.string());
    EXPECT_EQ(messageOf("/dev/zero"), "Cannot open file /dev/zero");
    const std::string fifo = (folder / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(messageOf(fifo), "Cannot open file " + fifo); // no writer: must not wait

    fs::resize_file(data, GrowthDataFileLimit.bytes + 1);
    EXPECT_EQ(messageOf(data),
              "File " + data + " is larger than 4 MB, the limit for growth data files.");
}
