#include "desktop/StartSession.h"

#include "base/FileIo.h"
#include "base/OutputFiles.h"
#include "testing/TempFolder.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace burgeon;
using burgeon::testing::TempFolder;

TEST(StartSession, TheNamedSessionElseTheInstalledGallerysFirstPlant) {
    const TempFolder data;
    std::filesystem::create_directories(data.file("sessions/data"));
    for (const char* name : {"2-primula.burgeon", "1-soybean.burgeon", "gallery.Lsys"}) {
        writeFileAtomically(data.file("sessions/") + name, "{}");
    }
    // A folder is no session, however it is named.
    std::filesystem::create_directories(data.file("sessions/0-folder.burgeon"));

    EXPECT_EQ(sessionToOpenAtStart({"mine.burgeon"}, data.path()), "mine.burgeon");
    EXPECT_EQ(sessionToOpenAtStart({}, data.path()), data.file("sessions/1-soybean.burgeon"));
    // From the build tree, or with a data folder that holds no gallery, the desktop starts
    // with no plant, as it always did.
    EXPECT_EQ(sessionToOpenAtStart({}, std::nullopt), std::nullopt);
    const TempFolder empty;
    EXPECT_EQ(sessionToOpenAtStart({}, empty.path()), std::nullopt);
}
