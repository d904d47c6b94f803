#include "base/FileIo.h"
#include "base/StandardError.h"
#include "testing/FileContents.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

using namespace burgeon;
using burgeon::testing::errorMessageOf;
using burgeon::testing::TempFolder;
using burgeon::testing::writePlain;
namespace fs = std::filesystem;

namespace {} // namespace

TEST(FileIo, OnlyRegularFilesAreRead) {
    const TempFolder temp;
    const fs::path folder = temp.path();
    const std::string missing = (folder / "missing.txt").string();
    EXPECT_EQ(errorMessageOf([&] { readFileText(missing); }), "Cannot open file " + missing);
    EXPECT_EQ(readRegularFile(missing, 100).status, FileReadStatus::NotFound);
    EXPECT_EQ(errorMessageOf([&] { readFileText(folder.string()); }),
              "Cannot open file " + folder.string());
    // Neither an endless device nor a FIFO without a writer may hang the reader.
    EXPECT_EQ(errorMessageOf([] { readFileText("/dev/zero"); }), "Cannot open file /dev/zero");
    EXPECT_EQ(errorMessageOf([] { readFileText("/dev/urandom"); }),
              "Cannot open file /dev/urandom");
    const std::string fifo = (folder / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    EXPECT_EQ(readRegularFile(fifo, 100).status, FileReadStatus::NotRegularFile);
    EXPECT_EQ(errorMessageOf([&] { readFileText(fifo); }), "Cannot open file " + fifo);
}

TEST(FileIo, FilesBeyondTheLimitAreRefusedWithTheLimit) {
    const TempFolder temp;
    const fs::path folder = temp.path();
    const std::string file = (folder / "big.txt").string();
    writePlain(file, std::string(2048, 'a'));
    const FileSizeLimit twoKilobytes{2 * KiB, "test texts"};
    EXPECT_EQ(readFileText(file, twoKilobytes).size(), 2048U);
    writePlain(file, std::string(2049, 'a'));
    EXPECT_EQ(readRegularFile(file, 2048).status, FileReadStatus::TooLarge);
    EXPECT_EQ(errorMessageOf([&] { readFileText(file, twoKilobytes); }),
              "File " + file + " is larger than 2 KB, the limit for test texts.");
    EXPECT_EQ(formatByteSize(16 * MiB), "16 MB");
    EXPECT_EQ(formatByteSize(1536), "1536 bytes");
    EXPECT_EQ(formatByteSize(1), "1 byte");
}

TEST(FileIo, JoinPathUsesOneSeparator) {
    EXPECT_EQ(joinPath("PlantCap1", "Picture.bmp"), "PlantCap1/Picture.bmp");
    EXPECT_EQ(joinPath("dir/", "Plant.gif"), "dir/Plant.gif");
    EXPECT_EQ(joinPath("", "Plant.gif"), "Plant.gif");
}
