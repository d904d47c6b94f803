#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using burgeon::testing::examplesFolder;
using burgeon::testing::runBurgeon;
using burgeon::testing::TempFolder;

namespace {

std::string writeTemporary(const TempFolder& folder, const std::string& name,
                           const std::string& text) {
    std::string path = folder.file(name);
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

} // namespace

TEST(ShapesCommand, ListsTheExampleLibrary) {
    const auto result = runBurgeon({"shapes", examplesFolder() + "/shapes/plant-shapes.txt"});
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out.rfind("entry\tname\tsource\tpoints\ttriangles\n", 0), 0u);
    EXPECT_NE(result.out.find("\n1\tOvate leaf\t1\t"), std::string::npos);
    EXPECT_NE(result.out.find("\tNotched petal\t13\t"), std::string::npos);

    const auto json =
        runBurgeon({"shapes", examplesFolder() + "/shapes/plant-shapes.txt", "--json"});
    EXPECT_EQ(json.status, 0);
    EXPECT_EQ(json.out.rfind("{\"messages\":[],\"entries\":[{\"name\":\"Ovate leaf\",\"source\":1,"
                             "\"point_count\":",
                             0),
              0u)
        << json.out;
}

TEST(ShapesCommand, ReportsTheEntriesOfAFileAndTheMessageThatStopsTheReading) {
    const TempFolder folder;
    const std::string good =
        writeTemporary(folder, "good.txt",
                       "name=Oval leaf\nsource=1\npoint=0 0 0\npoint=10 25.5 0\n"
                       "point=-10 25.5 0\ntriangle=1 2 3\nNAME= Quoted \"x\"\n");
    const auto table = runBurgeon({"shapes", good});
    EXPECT_EQ(table.status, 0);
    EXPECT_EQ(table.out, "entry\tname\tsource\tpoints\ttriangles\n"
                         "1\tOval leaf\t1\t3\t1\n"
                         "2\t Quoted \"x\"\t0\t0\t0\n");
    const auto json = runBurgeon({"shapes", good, "--json"});
    EXPECT_EQ(json.out,
              "{\"messages\":[],\"entries\":["
              "{\"name\":\"Oval leaf\",\"source\":1,\"point_count\":3,\"triangle_count\":1},"
              "{\"name\":\" Quoted \\\"x\\\"\",\"source\":0,\"point_count\":0,"
              "\"triangle_count\":0}]}\n");

    const std::string bad =
        writeTemporary(folder, "bad.txt", "name=A\npoint=0 0 0\ntriangle=1 1 130\n");
    const auto failed = runBurgeon({"shapes", bad});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err, "Shape library error in line 3: triangle refers to point 130, but the "
                          "entry has 1 point.\nin line 3 of " +
                              bad + "\n");
    const auto failedJson = runBurgeon({"shapes", bad, "--json"});
    EXPECT_EQ(failedJson.status, 1);
    EXPECT_EQ(failedJson.out, "{\"messages\":[\"Shape library error in line 3: triangle refers to "
                              "point 130, but the entry has 1 point.\"],\"entries\":[]}\n");

    const std::string notANumber =
        writeTemporary(folder, "nan.txt", "name=A\npoint=0 0 0\npoint=1 x 0\n");
    const auto placed = runBurgeon({"shapes", notANumber});
    EXPECT_EQ(placed.status, 1);
    EXPECT_EQ(placed.err,
              "'x' is not a valid floating point value\nin line 3 of " + notANumber + "\n");

    const auto missing = runBurgeon({"shapes", "/nonexistent/none.txt"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Cannot open file /nonexistent/none.txt\n");
}

TEST(ShapesCommand, UsageErrors) {
    EXPECT_EQ(runBurgeon({"shapes"}).status, 2);
    EXPECT_EQ(runBurgeon({"shapes", "a.txt", "b.txt"}).status, 2);
    const auto unknown = runBurgeon({"shapes", "a.txt", "--colour"});
    EXPECT_EQ(unknown.status, 2);
    EXPECT_NE(unknown.err.find("usage: burgeon shapes FILE [--json]"), std::string::npos);
}
