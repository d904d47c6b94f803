#include "testing/RunBurgeon.h"
#include "testing/SamplePlants.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sys/wait.h>
#include <unistd.h>

using burgeon::testing::exampleLsystems;
using burgeon::testing::runBurgeon;
using burgeon::testing::TempFolder;

namespace {

std::string writeTempFile(const TempFolder& folder, const std::string& name,
                          const std::string& content) {
    std::string path = folder.file(name);
    std::ofstream(path, std::ios::binary) << content;
    return path;
}

bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(LsystemCommand, EveryExampleBlockCompilesAndGenerates) {
    for (int block = 1; block <= 7; ++block) {
        SCOPED_TRACE(block);
        const auto result = runBurgeon(
            {"lsystem", exampleLsystems(), "--block", std::to_string(block), "--seed", "1"});
        EXPECT_EQ(result.status, 0) << result.out << result.err;
        EXPECT_TRUE(contains(result.out, "message: Generate Completed\n"));
        EXPECT_TRUE(contains(result.out, "End of Compiling\n"));
        EXPECT_TRUE(contains(result.out, "message: All node = "));
    }
}

TEST(LsystemCommand, FirstBlockReport) {
    const auto result = runBurgeon({"lsystem", exampleLsystems(), "--block", "1", "--seed", "7"});
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out.substr(0, result.out.find("message: all string")),
              "message: Rule=5, EndRule=4\n");
    EXPECT_TRUE(contains(result.out, "== L-system Compiles ==\nHeader Pass.\nIterations Pass.\n"
                                     "Angle Pass.\nDiameter Pass.\nAxiom Pass.\n"
                                     "== L-system Results ==\n"
                                     "This is the result of syntax checked.\n"));
    EXPECT_TRUE(contains(result.out, "Iteration = 7\nDirection = 45\nThickness = 20\n"
                                     "Axiom = I[-1][+2][/3][\\4]A\n"
                                     "Rule 1 = 1:II[/IL][\\IL]II[/IL][\\IL]II[/IL][\\IL]A\n"));
    EXPECT_TRUE(contains(result.out, "Rule 5 = A:III[/IL][\\IL]II[/IL][\\IL]II[/IL][\\IL]IF\n"
                                     "EndRule 1 = 1:I\nEndRule 2 = 2:I\nEndRule 3 = 3:I\n"
                                     "EndRule 4 = 4:I\n=============================\n"
                                     "The Result String after running at 7 iterations.\n"));
    EXPECT_TRUE(contains(result.out, "== Tree Results ==\nall string = I["));
    // Without --block the whole file is the editor text: only its first L-system compiles.
    const auto whole = runBurgeon({"lsystem", exampleLsystems(), "--seed", "7"});
    EXPECT_EQ(whole.status, 0);
    EXPECT_EQ(whole.out, result.out);
}

TEST(LsystemCommand, JsonShape) {
    const auto result =
        runBurgeon({"lsystem", exampleLsystems(), "--block", "5", "--seed", "3", "--json"});
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string& json = result.out;
    EXPECT_EQ(json.front(), '{');
    EXPECT_EQ(json.substr(json.size() - 2), "}\n");
    for (const char* key : {"messages", "compiles_pane", "results_pane", "tree_pane",
                            "editor_lines", "result_string", "nodes"}) {
        EXPECT_TRUE(contains(json, std::string("\"") + key + "\":")) << key;
    }
    EXPECT_TRUE(contains(json, "\"messages\":[\"Rule=0, EndRule=0\",\"all string =145\","
                               "\"Generate Completed\",\"nodes=46\","));
    EXPECT_TRUE(contains(json, "\"compiles_pane_red\":false"));
    EXPECT_TRUE(contains(json, "\"editor_lines\":[\"Plant{\",\"     Iterations=1\","));
    EXPECT_TRUE(contains(json, "\"turn_step\":45,\"node_diameter\":10,\"node_count\":46,"
                               "\"main_stem_count\":8,"));
    EXPECT_TRUE(contains(json, "\"nodes\":[{\"kind\":\"I\",\"parent\":0,\"level\":1,"
                               "\"angle_x\":"));
    EXPECT_TRUE(contains(json, "{\"kind\":\"P\",\"parent\":1,\"level\":2,\"angle_x\":0,"
                               "\"angle_y\":0,\"angle_z\":-45,\"has_leaf\":true,"
                               "\"has_flower\":false}"));
    EXPECT_TRUE(contains(json, "\"has_flower\":true}]}"));

    // The same seed gives the same jitter.
    const auto again =
        runBurgeon({"lsystem", exampleLsystems(), "--block", "5", "--seed", "3", "--json"});
    EXPECT_EQ(again.out, json);
}

TEST(LsystemCommand, FailuresAndTheirExitStatuses) {
    const TempFolder folder;
    const auto header = runBurgeon({"lsystem",
                                    writeTempFile(folder, "header.Lsys",
                                                  "Plant{\nIteration=3\nAngle=45\nDiameter=1\n"
                                                  "Axiom=I\n}\n"),
                                    "--json"});
    EXPECT_EQ(header.status, 1);
    EXPECT_TRUE(contains(header.out, "\"messages\":[\"Iterations Error in line 2,"
                                     "\\\"Iterations=N\\\"\"]"));
    EXPECT_TRUE(contains(header.out, "\"compiles_pane_red\":true"));
    EXPECT_TRUE(contains(header.out, "\"node_count\":0"));

    const std::string nanFile =
        writeTempFile(folder, "nan.Lsys", "Plant{\nIterations=x\nAngle=45\nDiameter=1\nAxiom=I\n}");
    const auto notANumber = runBurgeon({"lsystem", nanFile});
    EXPECT_EQ(notANumber.status, 1);
    EXPECT_TRUE(contains(notANumber.out, "message: 'x' is not a valid integer value\n"
                                         "in line 2 of " +
                                             nanFile + "\n"));
    // In a block, the place is the file's line.
    const std::string blocks =
        writeTempFile(folder, "blocks.Lsys",
                      "A{\nIterations=1\nAngle=45\nDiameter=1\nAxiom=I\n}\n\n"
                      "B{\nIterations=1\nAngle=45\nDiameter=wide\nAxiom=I\n}\n");
    const auto inBlock = runBurgeon({"lsystem", blocks, "--block", "2"});
    EXPECT_EQ(inBlock.status, 1);
    EXPECT_TRUE(contains(inBlock.out, "message: 'wide' is not a valid floating point value\n"
                                      "in line 11 of " +
                                          blocks + "\n"))
        << inBlock.out;

    // Compiles, but the plant generation rejects the string.
    const auto badSymbol =
        runBurgeon({"lsystem", writeTempFile(folder, "symbol.Lsys",
                                             "P{\nIterations=1\nAngle=45\nDiameter=1\n"
                                             "Axiom=IQ\n}\n")});
    EXPECT_EQ(badSymbol.status, 1);
    EXPECT_TRUE(contains(badSymbol.out, "message: Generate Completed\n"
                                        "message: Qis not in {I,i,A,P,p,L,F,[,],/,\\,+,-,^,&}\n"));

    const auto missing = runBurgeon({"lsystem", "/no/such/file.Lsys"});
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.err, "Cannot open file /no/such/file.Lsys\n");
    EXPECT_EQ(missing.out, "");

    const auto beyond = runBurgeon({"lsystem", exampleLsystems(), "--block", "8"});
    EXPECT_EQ(beyond.status, 2);
    EXPECT_TRUE(contains(beyond.err, "holds 7 L-system block(s)"));
    EXPECT_TRUE(contains(beyond.err, "usage: burgeon lsystem FILE"));

    EXPECT_EQ(runBurgeon({"lsystem"}).status, 2);
    EXPECT_EQ(runBurgeon({"lsystem", exampleLsystems(), "--block", "0"}).status, 2);
    EXPECT_EQ(runBurgeon({"lsystem", exampleLsystems(), "--seed", "x"}).status, 2);
    EXPECT_EQ(runBurgeon({"lsystem", exampleLsystems(), exampleLsystems()}).status, 2);
}

} // namespace

namespace {

// An L-system whose compilation adds one character a pass for two million passes.
std::string writeLongLsystem(const TempFolder& folder) {
    std::string file = folder.file("long.Lsys");
    std::ofstream(file) << "P{\nIterations=2000000\nAngle=45\nDiameter=1\nAxiom=A\nA=IA\n}\n";
    return file;
}

} // namespace

TEST(LsystemCommand, ALongCompilationStopsAtItsTimeLimitOrAtCtrlC) {
    const TempFolder folder;
    const std::string file = writeLongLsystem(folder);
    const auto limited = runBurgeon({"lsystem", file, "--max-seconds", "0.3"});
    EXPECT_EQ(limited.status, 1);
    EXPECT_TRUE(contains(limited.err, "the compilation stopped: it took longer than "
                                      "--max-seconds 0.3"))
        << limited.err;
    EXPECT_TRUE(contains(limited.out, "the result string stays as it was.")) << limited.out;

    // Ctrl-C after the compilation has surely begun, even in a slow sanitizer build on a busy
    // machine: a Ctrl-C while the program is still starting ends it at once, as it should.
    const std::string command = "timeout --preserve-status -s INT 3 " +
                                burgeon::testing::burgeonExecutable() + " lsystem " + file +
                                " >/dev/null 2>" + file + ".err";
    const int status = std::system(command.c_str());
    EXPECT_EQ(WEXITSTATUS(status), 1) << "ended by itself with a message, not by the signal";
    std::ifstream errors(file + ".err");
    const std::string text((std::istreambuf_iterator<char>(errors)), {});
    EXPECT_TRUE(contains(text, "the compilation stopped: stopped by Ctrl-C")) << text;
}
