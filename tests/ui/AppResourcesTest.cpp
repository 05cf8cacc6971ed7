#include <gtest/gtest.h>

#include <QDir>

#include "framework/ui/AppResources.h"
#include "tests/ui/AppFolderTest.h"
#include "tests/ui/FourPixels.h"

TEST_F(AppFolderTest, FilesAreFoundBesideTheExecutableFirstThenWhereInstalled) {
    EXPECT_EQ(AppResources::Path("a b.bmp"), "");
    writeBmp(shared() + "/a b.bmp", fourPixels());
    EXPECT_EQ(AppResources::Path("a b.bmp"), (shared() + "/a b.bmp").toStdString());
    writeBmp(bin() + "/a b.bmp", fourPixels());
    EXPECT_EQ(AppResources::Path("a b.bmp"), (bin() + "/a b.bmp").toStdString());
    // A folder of that name is no file.
    ASSERT_TRUE(QDir(bin()).mkpath("folder.bmp"));
    EXPECT_EQ(AppResources::Path("folder.bmp"), "");
}
