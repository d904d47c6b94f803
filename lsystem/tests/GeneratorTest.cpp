#include "lsystem/ExampleLSystems.h"
#include "lsystem/tests/LSystemFixture.h"

#include "base/FileIo.h"
#include "base/TextLines.h"
#include "testing/SamplePlants.h"

#include <algorithm>

namespace burgeon::testing {
namespace {

using Lines = std::vector<std::string>;
using GeneratorTest = LSystemFixture;

bool isJitter(float angle) {
    for (int r = 0; r <= 4; ++r) {
        if (angle == static_cast<float>(r * 0.01)) {
            return true;
        }
    }
    return false;
}

void expectJitterOnly(const PlantNode& node) {
    EXPECT_TRUE(isJitter(node.angleZ)) << node.angleZ;
    EXPECT_TRUE(isJitter(node.angleY)) << node.angleY;
    EXPECT_TRUE(isJitter(node.angleX)) << node.angleX;
}

TEST_F(GeneratorTest, BranchedStringBuildsTheNodeTable) {
    EXPECT_TRUE(generate("I[+IL][-IL]IA"));
    EXPECT_EQ(messages, (Lines{"nodes=5", "MainStem =  1 4 5", "All node = 5"}));
    EXPECT_EQ(generated.treeResultsPane, "all string = I[+IL][-IL]IA\n");
    EXPECT_EQ(plant.nodeCount, 5);
    EXPECT_EQ(plant.mainStemCount, 3);
    EXPECT_EQ(plant.maxLevel, 3);

    struct Expected {
        char kind;
        int parent;
        int level;
        int leaf;
    };
    const Expected expected[] = {
        {'I', 0, 1, 0}, {'P', 1, 2, 1}, {'P', 1, 2, 1}, {'I', 1, 2, 0}, {'A', 4, 3, 0}};
    for (int k = 1; k <= 5; ++k) {
        SCOPED_TRACE(k);
        const Expected& e = expected[k - 1];
        EXPECT_EQ(organKindLetter(node(k).kind), e.kind);
        EXPECT_EQ(node(k).parent, e.parent);
        EXPECT_EQ(node(k).level, e.level);
        EXPECT_EQ(node(k).hasLeaf, e.leaf);
        EXPECT_EQ(node(k).hasFlower, 0);
    }
    EXPECT_EQ(node(2).angleZ, 45.0f);
    EXPECT_EQ(node(3).angleZ, -45.0f);
    EXPECT_EQ(node(2).angleX, 0.0f);
    for (int k : {1, 4, 5}) {
        expectJitterOnly(node(k));
    }
}

TEST_F(GeneratorTest, TurnsAccumulateAndContinuePetiolesTurnSlightly) {
    // "+" before a main-stem organ is discarded in favour of the jitter.
    EXPECT_TRUE(generate("+I"));
    expectJitterOnly(node(1));

    // The second petiole follows an "I" and carries a leaf: -0.05 about every axis.
    turnStep = 30.0f;
    EXPECT_TRUE(generate("I[+IIL]"));
    EXPECT_EQ(node(2).angleZ, 30.0f);
    EXPECT_EQ(node(3).angleZ, -0.05f);
    EXPECT_EQ(node(3).angleY, -0.05f);
    EXPECT_EQ(node(3).angleX, -0.05f);
    EXPECT_EQ(node(3).parent, 2);
    EXPECT_EQ(node(3).level, 3);

    // With an organ after it the pending turn stays, and a positive parent angle gives +0.05.
    EXPECT_TRUE(generate("I[&&\\+IIA]"));
    EXPECT_EQ(node(2).angleY, 60.0f);
    EXPECT_EQ(node(2).angleX, 30.0f);
    EXPECT_EQ(node(2).angleZ, 30.0f);
    EXPECT_EQ(node(3).angleZ, 0.05f);
    EXPECT_EQ(node(3).angleY, 0.05f);
    EXPECT_EQ(node(3).angleX, 0.05f);
    EXPECT_EQ(organKindLetter(node(4).kind), 'A');
    EXPECT_EQ(node(4).angleZ, 0.05f) << "an apex inherits the turn";

    // A second organ in a branch inherits the turn unless it is a continuing petiole.
    EXPECT_TRUE(generate("I[-^/PIp]"));
    EXPECT_EQ(node(2).angleZ, -30.0f);
    EXPECT_EQ(node(2).angleY, -30.0f);
    EXPECT_EQ(node(3).angleX, -30.0f) << "after a P the turn is inherited";
    EXPECT_EQ(organKindLetter(node(3).kind), 'P');
    EXPECT_EQ(organKindLetter(node(4).kind), 'p');
    EXPECT_EQ(node(4).angleZ, -30.0f) << "a p is no continuing petiole";

    // "]" clears the accumulators: an organ after a branch starts without a turn.
    EXPECT_TRUE(generate("I[+I][I]"));
    EXPECT_EQ(node(3).angleZ, 0.0f);
    EXPECT_EQ(node(3).parent, 1);
}

TEST_F(GeneratorTest, KindsLeavesAndFlowers) {
    EXPECT_TRUE(generate("iIFL[iLIPFpA]ILF"));
    EXPECT_EQ(plant.nodeCount, 8);
    std::string kinds;
    for (int k = 1; k <= 8; ++k) {
        kinds += organKindLetter(node(k).kind);
    }
    EXPECT_EQ(kinds, "iIpPPpAI");
    EXPECT_EQ(node(2).hasFlower, 1) << "IFL: the flower, and the L does nothing";
    EXPECT_EQ(node(2).hasLeaf, 0);
    EXPECT_EQ(node(3).hasLeaf, 1);
    EXPECT_EQ(node(5).hasFlower, 1);
    EXPECT_EQ(node(8).hasLeaf, 1) << "ILF: the leaf only";
    EXPECT_EQ(node(8).hasFlower, 0);
    EXPECT_EQ(messages.front(), "nodes=8");

    // A new generation clears the flags and angles of the nodes it will fill.
    EXPECT_TRUE(generate("II"));
    EXPECT_EQ(node(2).hasFlower, 0);
}

TEST_F(GeneratorTest, RejectedStringsLeaveAnEmptyPlant) {
    struct Case {
        std::string text;
        std::string message;
    };
    const std::vector<Case> cases = {
        {"I[+IL]IB", "Bis not in {I,i,A,P,p,L,F,[,],/,\\,+,-,^,&}"},
        {"I|I", "|is not in {I,i,A,P,p,L,F,[,],/,\\,+,-,^,&}"},
        {"I1", "1is not in {I,i,A,P,p,L,F,[,],/,\\,+,-,^,&}"},
        {"I]I[", "Unbalanced brackets in the result string."},
        {"I[I", "Unbalanced brackets in the result string."},
        {"I]", "Unbalanced brackets in the result string."},
        {std::string(5001, 'I'), "The String is too long."},
        {std::string(4000, 'A') + "[" + std::string(1001, 'p') + "]LF", "The String is too long."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.message);
        EXPECT_TRUE(generate("IIL"));
        EXPECT_FALSE(generate(c.text));
        EXPECT_EQ(messages, Lines{c.message});
        EXPECT_EQ(plant.nodeCount, 0);
        EXPECT_EQ(plant.mainStemCount, 0);
        EXPECT_EQ(plant.maxLevel, 0);
        EXPECT_EQ(generated.treeResultsPane, "all string = " + c.text + "\n");
    }
}

TEST_F(GeneratorTest, UnprintableSymbolsAreRejectedByTheirCode) {
    // A NUL byte once ended the survey early, so the node table and path were sized too small.
    const std::string alphabet = "is not in {I,i,A,P,p,L,F,[,],/,\\,+,-,^,&}";
    const std::vector<std::pair<std::string, std::string>> cases = {
        {std::string("I\0IIIII", 7), "\\x00" + alphabet},
        {"I I", "\\x20" + alphabet},
        {"II\tI", "\\x09" + alphabet},
        {"I\xE9", "\\xE9" + alphabet},
        {"IB", "B" + alphabet},
    };
    for (const auto& [text, message] : cases) {
        SCOPED_TRACE(message);
        EXPECT_FALSE(generate(text));
        EXPECT_EQ(messages, Lines{message});
        EXPECT_EQ(plant.nodeCount, 0);
    }
}

TEST_F(GeneratorTest, SizeLimitsAndTheEmptyString) {
    EXPECT_TRUE(generate(""));
    EXPECT_EQ(messages, (Lines{"nodes=0", "MainStem = ", "All node = 0"}));
    EXPECT_EQ(plant.maxLevel, 1);

    EXPECT_TRUE(generate(std::string(5000, 'I')));
    EXPECT_EQ(plant.nodeCount, 5000);
    EXPECT_EQ(node(5000).level, 5000);
    EXPECT_EQ(node(5000).parent, 4999);
    EXPECT_EQ(plant.maxLevel, 5000);

    // Far more than 10000 characters are fine as long as the organs fit.
    std::string deep;
    for (int i = 0; i < 2500; ++i) {
        deep += "[+^";
    }
    deep += "IL";
    deep += std::string(2500, ']');
    deep += "I";
    EXPECT_TRUE(generate(deep));
    EXPECT_EQ(plant.nodeCount, 2);
    EXPECT_EQ(organKindLetter(node(1).kind), 'P');
    EXPECT_EQ(organKindLetter(node(2).kind), 'I');
}

TEST_F(GeneratorTest, EveryBranchIsKeptAndRootsGetLevelOne) {
    std::string bushy = "I";
    for (int i = 0; i < 12; ++i) {
        bushy += "[+IL]";
    }
    bushy += "A";
    EXPECT_TRUE(generate(bushy));
    EXPECT_EQ(plant.nodeCount, 14);
    for (int k = 2; k <= 14; ++k) {
        EXPECT_EQ(node(k).parent, 1) << k;
        EXPECT_EQ(node(k).level, 2) << k;
    }

    // A string that starts with a branch: the branch's node and the first main-stem node are
    // both roots.
    EXPECT_TRUE(generate("[+IL]II[-I]"));
    EXPECT_EQ(messages[1], "MainStem =  2 3");
    EXPECT_EQ(node(1).parent, 0);
    EXPECT_EQ(node(1).level, 1);
    EXPECT_EQ(node(2).parent, 0);
    EXPECT_EQ(node(2).level, 1);
    EXPECT_EQ(node(3).parent, 2);
    EXPECT_EQ(node(3).level, 2);
    EXPECT_EQ(node(4).parent, 3);
    EXPECT_EQ(node(4).level, 3);
    EXPECT_EQ(plant.maxLevel, 3);
}

TEST_F(GeneratorTest, ExampleBlocksCompileAndGenerateConsistentTrees) {
    const auto blocks = splitLSystemBlocks(splitLines(ExampleLSystemsText));
    ASSERT_EQ(blocks.size(), 7u);
    const std::vector<std::string> ruleCounts = {
        "Rule=5, EndRule=4", "Rule=3, EndRule=3", "Rule=2, EndRule=3", "Rule=2, EndRule=3",
        "Rule=0, EndRule=0", "Rule=2, EndRule=0", "Rule=2, EndRule=0"};
    for (std::size_t b = 0; b < blocks.size(); ++b) {
        SCOPED_TRACE("block " + std::to_string(b + 1));
        ASSERT_TRUE(compile(blocks[b]));
        EXPECT_EQ(messages.front(), ruleCounts[b]);
        EXPECT_EQ(compiled.diameter, 20.0);
        ASSERT_TRUE(generate(plant.resultString));
        for (int k = 1; k <= plant.nodeCount; ++k) {
            const PlantNode& n = node(k);
            EXPECT_LT(n.parent, k);
            EXPECT_EQ(n.level, n.parent == 0 ? 1 : node(n.parent).level + 1);
        }
        EXPECT_GE(plant.mainStemCount, 1);
        EXPECT_GE(plant.maxLevel, 2);
        EXPECT_EQ(messages.back(), "All node = " + std::to_string(plant.nodeCount));
    }
}

TEST(ExampleLSystems, TheExampleFileHoldsTheDefaultContent) {
    EXPECT_EQ(readFileText(burgeon::testing::exampleLsystems()), ExampleLSystemsText);
    const Lines lines = splitLines(ExampleLSystemsText);
    const auto blocks = splitLSystemBlocks(lines);
    ASSERT_EQ(blocks.size(), 7u);
    EXPECT_EQ(blocks[0].size(), 16u);
    EXPECT_EQ(blocks[1][5], "     P=IILILI[\\IL][/IL][-IL]IF ") << "the trailing blank stays";
    EXPECT_EQ(blocks[6].back(), "}");
    // The same blocks with the file line each starts on.
    const auto numbered = lsystemBlocks(lines);
    ASSERT_EQ(numbered.size(), blocks.size());
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        EXPECT_EQ(numbered[i].lines, blocks[i]);
        EXPECT_EQ(lines[numbered[i].firstLine - 1], blocks[i].front());
    }
    EXPECT_EQ(numbered[0].firstLine, 1u);
    EXPECT_EQ(numbered[1].firstLine, 18u);
    EXPECT_EQ(lines[0], "Plant{");
    EXPECT_NE(std::find(lines.begin(), lines.end(), "// Soybean"), lines.end());
    EXPECT_EQ(lines.back(), "}");
}

} // namespace
} // namespace burgeon::testing
