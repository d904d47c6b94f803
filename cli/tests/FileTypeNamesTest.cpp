#include "cli/FileTypeNames.h"

#include <gtest/gtest.h>

using namespace burgeon;

namespace {

std::vector<std::string> extensionsOf(std::string_view typeName) {
    const auto value = fileValueOf(typeName);
    return value ? value->extensions : std::vector<std::string>{"(no file)"};
}

} // namespace

TEST(FileTypeNames, TheTypeNameDeclaresTheFilesAnOptionTakes) {
    EXPECT_EQ(fileType("burgeon"), "FILE.burgeon");
    EXPECT_EQ(extensionsOf(fileType("Lsys")), std::vector<std::string>{"Lsys"});
    // The format tables give the pictures, meshes and videos.
    EXPECT_EQ(pictureFileType(), "FILE.png|.bmp|.jpg");
    EXPECT_EQ(extensionsOf(meshFileType()),
              (std::vector<std::string>{"glb", "gltf", "obj", "ply"}));
    EXPECT_EQ(extensionsOf(videoFileType()), (std::vector<std::string>{"mp4", "webm"}));

    // Any file, after a prefix too; a folder.
    EXPECT_EQ(extensionsOf("FILE"), std::vector<std::string>{});
    EXPECT_EQ(extensionsOf("[ORGAN=]FILE"), std::vector<std::string>{});
    const auto folder = fileValueOf("DIR");
    ASSERT_TRUE(folder);
    EXPECT_TRUE(folder->folder);
    // CLI11 puts the descriptions of an option's checks after a colon.
    EXPECT_EQ(extensionsOf("FILE.csv:NONEMPTY"), std::vector<std::string>{"csv"});
}

TEST(FileTypeNames, OtherTypeNamesTakeNoFile) {
    for (const char* typeName : {"TEXT", "INT:INT in [1 - 15]", "PROFILE", "SUBDIR", "FILE.",
                                 "FILE.png|", "FILE.png|bmp", "TEXT:{a,b}"}) {
        EXPECT_FALSE(fileValueOf(typeName)) << typeName;
    }
}
