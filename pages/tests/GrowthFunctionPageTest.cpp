#include "pages/GrowthFunctionPage.h"
#include "base/RecordingUserInterface.h"
#include "imageio/BmpReader.h"
#include "testing/FolderTest.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace burgeon;

namespace {

constexpr RgbColor White{255, 255, 255};
constexpr RgbColor Red{255, 0, 0};
constexpr RgbColor Blue{0, 0, 255};

const std::string WorkedExample = "0 0 0\n1 0 2\n2 1 4\n3 3 6\n";

using Messages = std::vector<std::string>;

class GrowthFunctionPageTest : public burgeon::testing::FolderTest {
protected:
    std::string writeFile(const std::string& name, const std::string& content) {
        const auto path = folder / name;
        std::ofstream(path, std::ios::binary) << content;
        return path.string();
    }

    bool fit(const std::string& text) {
        page.dataBox.setText(text);
        return page.fitCurve();
    }

    std::vector<std::string> boxes() const {
        return {page.bottomBox.text(), page.topBox.text(), page.slopeBox.text(),
                page.tmidBox.text()};
    }

    // Everything a failed fit must leave alone, captured before it.
    struct Snapshot {
        std::vector<std::string> boxes;
        std::vector<GrowthFunction> curves;
        std::vector<RgbImage> plots;
        friend bool operator==(const Snapshot&, const Snapshot&) = default;
    };
    Snapshot snapshot() const {
        Snapshot shot{boxes(), {}, {}};
        for (int organ = 0; organ < GrowthOrganCount; ++organ) {
            shot.curves.push_back(curves.getCurve(static_cast<GrowthOrgan>(organ)));
            shot.plots.push_back(page.plot(static_cast<GrowthOrgan>(organ)));
        }
        return shot;
    }

    RecordingUserInterface ui;
    PlantGrowth growth;
    GrowthCurves& curves = growth.curves;
    GrowthData& data = growth.fittedData;
    GrowthFunctionPage page{ui, growth};
};

} // namespace

TEST_F(GrowthFunctionPageTest, WorkedExampleFitsCommitsAllSixAndPlots) {
    EXPECT_EQ(page.functionChoice.text(), "All");
    EXPECT_EQ(page.leafWidthPlot, RgbImage(179, 123, White));
    ASSERT_TRUE(fit(WorkedExample));
    EXPECT_EQ(ui.takeMessages(),
              (Messages{"LifeCycle time=3", "# of Var = 2", "L=0, U=4.5, m=1, T=1"}));
    EXPECT_EQ(boxes(), (Messages{"0", "4.5", "1", "1"}));
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        EXPECT_EQ(curves.getCurve(static_cast<GrowthOrgan>(organ)), (GrowthFunction{0, 4.5, 1, 1}));
    }
    EXPECT_EQ(page.functionChoice.itemIndex(), 6);
    EXPECT_EQ(data.dataLastRow, 3);
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        const RgbImage& plot = page.plot(static_cast<GrowthOrgan>(organ));
        // Data (22,108) (24,38) (26,18) (28,18) in red; the curve from the origin in blue.
        EXPECT_EQ(plot.pixel(27, 18), Red);
        EXPECT_EQ(plot.pixel(24, 64), Blue);
    }

    // Changing "Image Scaling" runs the whole fit again with its messages.
    page.imageScalingBox.setPosition(3);
    EXPECT_EQ(ui.takeMessages(),
              (Messages{"LifeCycle time=3", "# of Var = 2", "L=0, U=4.5, m=1, T=1"}));
    EXPECT_EQ(page.plotScale, 3);
    EXPECT_EQ(page.internodePlot.pixel(25, 108 - 35 * 3), Red); // (1, 3.5) at scale 3
    page.imageScalingBox.showPosition(5);
    EXPECT_TRUE(ui.messages.empty()) << "showing a position runs no fit";
    EXPECT_EQ(page.imageScalingBox.position(), 5);
    page.imageScalingBox.setPosition(5);
    EXPECT_TRUE(ui.messages.empty());
}

TEST_F(GrowthFunctionPageTest, SingleChoiceCommitsAndPlotsOnlyItsCurve) {
    page.functionChoice.choose(3);
    ASSERT_TRUE(fit(WorkedExample));
    EXPECT_EQ(curves.getCurve(GrowthOrgan::LeafWidth), (GrowthFunction{0, 4.5, 1, 1}));
    EXPECT_EQ(curves.getCurve(GrowthOrgan::LeafLength), GrowthFunction{});
    EXPECT_NE(page.leafWidthPlot, RgbImage(179, 123, White));
    EXPECT_EQ(page.leafLengthPlot, RgbImage(179, 123, White));
}

TEST_F(GrowthFunctionPageTest, FormatErrorsStopTheFitAndChangeNothingElse) {
    ASSERT_TRUE(fit(WorkedExample));
    ui.takeMessages();
    const Snapshot before = snapshot();

    // An empty line counts: the forbidden character is on line 3 of the box.
    EXPECT_FALSE(fit("0 1\n\n1 -2\n2 3\n"));
    EXPECT_EQ(ui.takeMessages(), (Messages{"Error Data in line 3"}));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(data.dataLastRow, 1);
    EXPECT_EQ(data.lifeCycleTime, 0);
    EXPECT_EQ(data.dataMean[0], 0.0);

    EXPECT_FALSE(fit("0 1\n1.2.3 4\n"));
    EXPECT_EQ(ui.takeMessages(), (Messages{"'1.2.3' is not a valid floating point value"}));
    EXPECT_FALSE(fit("0 1\n3 , 1.2\n"));
    EXPECT_EQ(ui.takeMessages(), (Messages{"'' is not a valid floating point value"}));
    EXPECT_EQ(snapshot(), before);
    // The text of the box is never changed by a fit.
    EXPECT_EQ(page.dataBox.text(), "0 1\n3 , 1.2\n");
}

TEST_F(GrowthFunctionPageTest, LimitsAndMissingDataEndWithTheirMessages) {
    ASSERT_TRUE(fit(WorkedExample));
    ui.takeMessages();
    const Snapshot before = snapshot();
    const GrowthData dataBefore = data;

    EXPECT_FALSE(fit(std::string(502, '\n')));            // empty lines count
    EXPECT_FALSE(fit("0" + std::string(102, ',') + "1")); // so do empty fields
    EXPECT_EQ(ui.takeMessages(),
              (Messages{"Growth data is limited to 501 lines of at most 101 values each.",
                        "Growth data is limited to 501 lines of at most 101 values each."}));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(data.dataLastRow, dataBefore.dataLastRow);
    EXPECT_EQ(data.dataMean, dataBefore.dataMean);

    // No data row at all: the previous life cycle time, no variables, then the stop.
    EXPECT_FALSE(fit("\n  \n\t\n"));
    EXPECT_EQ(ui.takeMessages(),
              (Messages{"LifeCycle time=3", "# of Var = 0", "No growth data to fit."}));
    EXPECT_EQ(snapshot(), before);
    EXPECT_EQ(data.dataLastRow, -1);

    // A last data row with a time only: the division fails after the boxes were cleared.
    EXPECT_FALSE(fit("0 1\n1 2\n2\n"));
    EXPECT_EQ(ui.takeMessages(),
              (Messages{"LifeCycle time=2", "# of Var = 0", "Invalid floating point operation"}));
    EXPECT_EQ(boxes(), (Messages{"0", "0", "1", "1"}));
    EXPECT_EQ(curves.getCurve(GrowthOrgan::Flower), (GrowthFunction{0, 4.5, 1, 1}));
}

TEST_F(GrowthFunctionPageTest, ArrowsNudgeTheBoxesAndSlopeAndTmidCommit) {
    // Before any fit one Slope click draws only the axes and commits 0, 0, 0.01, 0.
    page.onSlopeArrowClicked(ArrowClick::Up);
    EXPECT_EQ(page.slopeBox.text(), "0.01");
    for (int organ = 0; organ < GrowthOrganCount; ++organ) {
        EXPECT_EQ(curves.getCurve(static_cast<GrowthOrgan>(organ)),
                  (GrowthFunction{0, 0, 0.01, 0}));
        const RgbImage& plot = page.plot(static_cast<GrowthOrgan>(organ));
        EXPECT_EQ(plot.pixel(22, 108), RgbColor{}) << organ; // the axes cross; nothing else
        EXPECT_EQ(plot.pixel(23, 107), White);
    }
    EXPECT_TRUE(ui.messages.empty());

    // A fraction does not set the count; a whole number does.
    page.slopeBox.setText("0.17");
    page.tmidBox.setText("21");
    page.onSlopeArrowClicked(ArrowClick::Down);
    EXPECT_EQ(page.slopeBox.text(), "0");
    page.slopeBox.setText("0.17");
    page.onSlopeArrowClicked(ArrowClick::Up);
    page.onSlopeArrowClicked(ArrowClick::Up);
    EXPECT_EQ(page.slopeBox.text(), "0.02");
    page.onTmidArrowClicked(ArrowClick::Up);
    EXPECT_EQ(page.tmidBox.text(), "22");
    EXPECT_EQ(curves.getCurve(GrowthOrgan::Apex), (GrowthFunction{0, 0, 0.02, 22}));
    page.slopeBox.setText("-100");
    page.onSlopeArrowClicked(ArrowClick::Down);
    EXPECT_EQ(page.slopeBox.text(), "-1"); // the count stays at its minimum, no wrap

    // Bottom and Top arrows only change their boxes.
    page.topBox.setText("100");
    page.onTopArrowClicked(ArrowClick::Up);
    page.onBottomArrowClicked(ArrowClick::Up);
    EXPECT_EQ(page.topBox.text(), "100");
    EXPECT_EQ(page.bottomBox.text(), "1");
    EXPECT_EQ(curves.getCurve(GrowthOrgan::Apex).top, 0.0);
}

TEST_F(GrowthFunctionPageTest, ABoxThatIsNoNumberStopsApproximate) {
    page.topBox.setText("ten");
    page.tmidBox.setText("5");
    page.functionChoice.setItemIndex(6);
    EXPECT_FALSE(page.approximate());
    EXPECT_EQ(ui.takeMessages(), (Messages{"'ten' is not a valid floating point value"}));
    EXPECT_EQ(page.internodePlot, RgbImage(179, 123, White)); // "All": nothing drawn

    // A single choice has drawn its frame already but commits nothing.
    page.functionChoice.setItemIndex(1);
    page.onTmidArrowClicked(ArrowClick::Up);
    EXPECT_EQ(ui.takeMessages(), (Messages{"'ten' is not a valid floating point value"}));
    EXPECT_EQ(page.tmidBox.text(), "6");
    EXPECT_EQ(page.petiolePlot.pixel(22, 108), RgbColor{});
    EXPECT_EQ(page.internodePlot, RgbImage(179, 123, White));
    EXPECT_EQ(curves.getCurve(GrowthOrgan::Petiole), GrowthFunction{});
}

TEST_F(GrowthFunctionPageTest, ReadDataLoadsTheTextUpToTheEndMark) {
    ui.fileAnswers.push_back(writeFile("data.txt", "0 1\r\n1 2\r\n\x1a"
                                                   "9 junk\n"));
    EXPECT_TRUE(page.readData());
    EXPECT_EQ(page.dataBox.text(), "0 1\r\n1 2\r\n");
    EXPECT_TRUE(ui.messages.empty());
    EXPECT_TRUE(page.fitCurve());
    EXPECT_EQ(data.lifeCycleTime, 1);

    // Cancelling changes nothing; a missing or unreadable file leaves the box as it was.
    ui.fileAnswers.push_back(std::nullopt);
    EXPECT_TRUE(page.readData());
    ui.fileAnswers.push_back((folder / "missing.txt").string());
    EXPECT_FALSE(page.readData());
    ui.fileAnswers.push_back(folder.string());
    EXPECT_FALSE(page.readData());
    const Messages messages = ui.takeMessages();
    ASSERT_EQ(messages.size(), 5U);
    EXPECT_EQ(messages[3], "File not found");
    EXPECT_EQ(messages[4], "Cannot open file " + folder.string()); // a folder is no data file
    EXPECT_EQ(page.dataBox.text(), "0 1\r\n1 2\r\n");
}

TEST_F(GrowthFunctionPageTest, SaveImageWritesFiveBitmapsWholeOrStops) {
    // Before any fit: five white 179 x 123 images, and no Leaf Width file.
    EXPECT_TRUE(page.saveImages(folder.string()));
    for (const char* name :
         {"Internode.bmp", "Petiole.bmp", "Leaf.bmp", "Apex.bmp", "Flower.bmp"}) {
        const auto bitmap = readBitmapFile((folder / name).string());
        ASSERT_TRUE(bitmap) << name;
        EXPECT_EQ(bitmap->width, 179);
        EXPECT_EQ(bitmap->height, 123);
        for (std::size_t at = 0; at < bitmap->rgba.size(); at += 4) {
            ASSERT_EQ(bitmap->rgba[at] + bitmap->rgba[at + 1] + bitmap->rgba[at + 2], 3 * 255);
        }
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 5);

    // After a fit the saved plot shows the drawing.
    ASSERT_TRUE(fit(WorkedExample));
    EXPECT_TRUE(page.saveImages(folder.string()));
    const auto leaf = readBitmapFile((folder / "Leaf.bmp").string());
    ASSERT_TRUE(leaf);
    const std::size_t at = (18 * 179 + 27) * 4;
    EXPECT_EQ(leaf->rgba[at], 255);
    EXPECT_EQ(leaf->rgba[at + 1], 0);

    // A file that cannot be created stops the operation with its name; earlier files remain.
    ui.takeMessages();
    const auto blocked = folder / "blocked";
    std::filesystem::create_directories(blocked / "Petiole.bmp");
    EXPECT_FALSE(page.saveImages(blocked.string()));
    EXPECT_EQ(ui.takeMessages(),
              (Messages{"Cannot create file " + (blocked / "Petiole.bmp").string() +
                        " (a folder has that name)"}));
    EXPECT_TRUE(std::filesystem::is_regular_file(blocked / "Internode.bmp"));
    EXPECT_FALSE(std::filesystem::exists(blocked / "Leaf.bmp"));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(blocked), {}), 2);
}
