#include <gtest/gtest.h>

#include "app/FileTypes1.h"
#include "tests/app/FreshStart.h"

namespace {
class FileTypes1Test : public FreshStartTest {};
}  // namespace

TEST_F(FileTypes1Test, BeforeInitialisationEveryAccessorIsNil) {
    EXPECT_EQ(FileTypes1::TextFile(), nullptr);
    EXPECT_EQ(FileTypes1::HTML(), nullptr);
    EXPECT_EQ(FileTypes1::Png(), nullptr);
    EXPECT_TRUE(FileTypes1::pAllFileTypes.empty());
}

TEST_F(FileTypes1Test, ThreeTypesAreListedAndRegisteredInOrder) {
    FileTypes1::_Initialize();
    ASSERT_EQ(FileTypes1::pAllFileTypes.size(), 3u);
    EXPECT_EQ(FileTypes1::pAllFileTypes[0], FileTypes1::TextFile());
    EXPECT_EQ(FileTypes1::pAllFileTypes[1], FileTypes1::HTML());
    EXPECT_EQ(FileTypes1::pAllFileTypes[2], FileTypes1::Png());

    std::vector<std::string> registered;
    for (const auto& type : FileTypeRegistry::All()) registered.push_back(type->name);
    EXPECT_EQ(registered, (std::vector<std::string>{"Text File", "HTML", "image/png"}));

    const auto png = FileTypeRegistry::FindByName("image/png");
    EXPECT_EQ(png->extensions, ".png");
    EXPECT_EQ(png->macType, "PNGf");
    EXPECT_EQ(png->macCreator, "ogle");
    EXPECT_EQ(png->uti, "public.png");
    EXPECT_EQ(FileTypes1::Png()->ConformsTo(), "public.image");
    EXPECT_EQ(FileTypes1::Png()->MimeType(), "");
    EXPECT_EQ(FileTypeRegistry::FindByName("HTML")->extensions, ".html");
    EXPECT_EQ(FileTypes1::HTML()->UTI(), "");
    EXPECT_TRUE(FileTypes1::TextFile()->Imported());
}

TEST_F(FileTypes1Test, ConvertingAgainGivesTheNameAndRegistersNothing) {
    FileTypes1::_Initialize();
    EXPECT_EQ(FileTypes1::TextFile()->Operator_Convert(), "Text File");
    EXPECT_EQ(FileTypes1::HTML()->Operator_Convert(), "HTML");
    EXPECT_EQ(FileTypes1::Png()->Operator_Convert(), "image/png");
    EXPECT_EQ(FileTypeRegistry::All().size(), 3u);
}
