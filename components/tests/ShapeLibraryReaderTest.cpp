#include "components/ShapeLibraryReader.h"

#include "base/StandardError.h"

#include <gtest/gtest.h>

#include <string>

using namespace burgeon;

namespace {

std::vector<OrganShape> read(const std::string& text) {
    std::vector<OrganShape> entries;
    readShapeLibrary(text, entries);
    return entries;
}

// The message the reading stops with, and the entries it had read by then.
std::string failure(const std::string& text, std::vector<OrganShape>* entriesRead = nullptr) {
    std::vector<OrganShape> entries;
    try {
        readShapeLibrary(text, entries);
    } catch (const StandardError& error) {
        if (entriesRead != nullptr) {
            *entriesRead = entries;
        }
        return error.what();
    }
    return "no failure";
}

std::string pointLines(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i) {
        text += "point=" + std::to_string(i) + " 0 0\n";
    }
    return text;
}

} // namespace

TEST(ShapeLibraryReader, ReadsTheFormatsExample) {
    const auto entries = read("name=Oval leaf\nsource=1\npoint=0 0 0\npoint=10 25.5 0\n"
                              "point=-10 25.5 0\ntriangle=1 2 3\n");
    ASSERT_EQ(entries.size(), 1u);
    const OrganShape& leaf = entries[0];
    EXPECT_EQ(leaf.name, "Oval leaf");
    EXPECT_EQ(leaf.source, 1);
    EXPECT_EQ(leaf.pointCount, 3);
    EXPECT_EQ(leaf.triangleCount, 1);
    EXPECT_EQ(leaf.points[2], (Vector3{10, 25.5, 0}));
    EXPECT_EQ(leaf.points[3], (Vector3{-10, 25.5, 0}));
    EXPECT_EQ(leaf.triangles[1], (std::array<std::int32_t, 3>{1, 2, 3}));
}

TEST(ShapeLibraryReader, KeysAreCaseInsensitiveAndUntrimmedValuesKeepTheirBlanks) {
    const auto entries = read("NAME=Leaf\n"
                              "name =Skipped\n"
                              "  Point=1   2  3  \r\n"
                              "\n"
                              "a line without equals\n"
                              "colour=green\n"
                              "\tpoint=1.5 -2e1 0\t\n"
                              "TRIANGLE= 1  2 1 \n"
                              "SoUrCe= -7 \n"
                              "name= Leaf \n"
                              "name=a=b\n");
    ASSERT_EQ(entries.size(), 3u);
    EXPECT_EQ(entries[0].name, "Leaf");
    EXPECT_EQ(entries[0].pointCount, 2);
    EXPECT_EQ(entries[0].points[1], (Vector3{1, 2, 3}));
    EXPECT_EQ(entries[0].points[2], (Vector3{1.5, -20, 0}));
    EXPECT_EQ(entries[0].triangles[1], (std::array<std::int32_t, 3>{1, 2, 1}));
    EXPECT_EQ(entries[0].source, -7);
    // Blanks after "=" belong to the name; the line's own trailing blanks were trimmed.
    EXPECT_EQ(entries[1].name, " Leaf");
    EXPECT_EQ(entries[1].pointCount, 0);
    EXPECT_EQ(entries[2].name, "a=b");
}

TEST(ShapeLibraryReader, ConversionFailuresNameTheTrimmedField) {
    EXPECT_EQ(failure("name=A\npoint=1 x 3\n"), "'x' is not a valid floating point value");
    EXPECT_EQ(failure("name=A\nsource= 12a \n"), "'12a' is not a valid integer value");
    EXPECT_EQ(failure("name=A\npoint=1 2 3\ntriangle=1 1.5 1\n"),
              "'1.5' is not a valid integer value");
    // A fourth field joins the middle one; tabs do not separate.
    EXPECT_EQ(failure("name=A\npoint=1 2 3 4\n"), "'2 3' is not a valid floating point value");
    EXPECT_EQ(failure("name=A\npoint=1\t2 3\n"), "'1\\x092' is not a valid floating point value");
    // Fewer than three fields leave an empty one, which converts to nothing.
    EXPECT_EQ(failure("name=A\npoint=1 2\n"), "'' is not a valid floating point value");
    EXPECT_EQ(failure("name=A\npoint=7\n"), "'' is not a valid floating point value");
    EXPECT_EQ(failure("name=A\npoint=\n"), "'' is not a valid floating point value");
    EXPECT_EQ(failure("name=A\npoint=1 2 3\ntriangle=1 1\n"), "'' is not a valid integer value");

    // The entries read before the failing line stay.
    std::vector<OrganShape> entriesRead;
    failure("name=A\npoint=0 0 0\nname=B\npoint=1 2 3\npoint=1 2 z\nname=C\n", &entriesRead);
    ASSERT_EQ(entriesRead.size(), 2u);
    EXPECT_EQ(entriesRead[1].name, "B");
    EXPECT_EQ(entriesRead[1].pointCount, 1);
}

TEST(ShapeLibraryReader, LinesBreakingTheLimitsStopTheReadingWithTheirLineNumber) {
    EXPECT_EQ(failure("\n\npoint=1 2 3\n"),
              "Shape library error in line 3: a point line comes before the first name line.");
    EXPECT_EQ(failure("source=4\n"),
              "Shape library error in line 1: a source line comes before the first name line.");
    EXPECT_EQ(failure("x=1\ntriangle=1 2 3\n"),
              "Shape library error in line 2: a triangle line comes before the first name line.");

    const std::string forty = "name=A\n" + pointLines(40);
    EXPECT_EQ(failure(forty + "triangle=1 130 2\n"),
              "Shape library error in line 42: triangle refers to point 130, but the entry has "
              "40 points.");
    EXPECT_EQ(failure(forty + "triangle=0 1 2\n"),
              "Shape library error in line 42: triangle refers to point 0, but the entry has 40 "
              "points.");
    EXPECT_EQ(failure(forty + "triangle=1 2 -3\n"),
              "Shape library error in line 42: triangle refers to point -3, but the entry has 40 "
              "points.");
    // Checked against the points read so far, not those of the entry's end.
    EXPECT_EQ(failure("name=A\npoint=0 0 0\ntriangle=1 1 2\npoint=1 1 1\n"),
              "Shape library error in line 3: triangle refers to point 2, but the entry has 1 "
              "point.");
    // Each entry counts its own points.
    EXPECT_EQ(failure(forty + "name=B\npoint=0 0 0\ntriangle=1 1 2\n"),
              "Shape library error in line 44: triangle refers to point 2, but the entry has 1 "
              "point.");

    const std::string full = "name=A\n" + pointLines(121);
    std::vector<OrganShape> entriesRead;
    EXPECT_EQ(failure(full + "point=0 0 0\n", &entriesRead),
              "Shape library error in line 123: the entry has more than 121 points.");
    ASSERT_EQ(entriesRead.size(), 1u);
    EXPECT_EQ(entriesRead[0].pointCount, 121);

    std::string triangles = "name=A\n" + pointLines(3);
    for (int i = 0; i < 150; ++i) {
        triangles += "triangle=1 2 3\n";
    }
    EXPECT_EQ(read(triangles)[0].triangleCount, 150);
    EXPECT_EQ(failure(triangles + "triangle=1 2 3\n"),
              "Shape library error in line 155: the entry has more than 150 triangles.");

    std::string names;
    for (int i = 1; i <= 1000; ++i) {
        names += "name=E" + std::to_string(i) + "\n";
    }
    EXPECT_EQ(read(names).size(), 1000u);
    EXPECT_EQ(failure(names + "name=one too many\n", &entriesRead),
              "Shape library error in line 1001: the library has more than 1000 entries.");
    EXPECT_EQ(entriesRead.size(), 1000u);
}

TEST(ShapeLibraryReader, EmptyTextAndPointNumbersUpTo121) {
    EXPECT_TRUE(read("").empty());
    EXPECT_TRUE(read("\n\n   \n").empty());
    const auto entries = read("name=Big\n" + pointLines(121) + "triangle=121 1 120\n");
    EXPECT_EQ(entries[0].triangles[1], (std::array<std::int32_t, 3>{121, 1, 120}));
    EXPECT_EQ(entries[0].points[121].x, 121.0);
}

TEST(ShapeLibraryReader, EveryStopNamesItsLine) {
    const auto lineOf = [](const std::string& text) -> std::size_t {
        std::vector<OrganShape> entries;
        try {
            readShapeLibrary(text, entries);
        } catch (const StandardError& error) {
            return error.lineNumber();
        }
        return 0;
    };
    EXPECT_EQ(lineOf("name=A\n\npoint=1 2 3\npoint=1 x 3\n"), 4U); // a conversion
    EXPECT_EQ(lineOf("point=1 2 3\n"), 1U);                        // a format limit
    EXPECT_EQ(lineOf("name=A\npoint=1 2 3\n"), 0U);
}
