#include <gtest/gtest.h>

#include <string>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/LayoutRecord.h"

namespace {

using namespace std::string_literals;

TEST(LayoutRecordTest, EncodesEachTypeInItsByteForm) {
    EXPECT_EQ(EncodeLayoutRecord({{"Width", Integer{959}}}), "Width \xBF\x03\0\0\0\0\0\0"s);
    EXPECT_EQ(EncodeLayoutRecord({{"Index", Integer{-2147483648}}}),
              "Index \0\0\0\x80\xFF\xFF\xFF\xFF"s);
    EXPECT_EQ(EncodeLayoutRecord({{"Visible", true}, {"Bold", false}}), "Visible \1Bold \0"s);
    EXPECT_EQ(EncodeLayoutRecord({{"TextSize", 12.0f}}), "TextSize \0\0\x40\x41"s);
    EXPECT_EQ(EncodeLayoutRecord({{"BackColor", RGB(255, 255, 255)}}), "BackColor \xFF\xFF\xFF\0"s);
    EXPECT_EQ(EncodeLayoutRecord({{"TextColor", RGB(0, 0, 255)}}), "TextColor \xFF\0\0\0"s);
    EXPECT_EQ(EncodeLayoutRecord({{"Title", "Velmora"s}}), "Title \7\0\0\0Velmora"s);
    EXPECT_EQ(EncodeLayoutRecord({{"TextUnit", TextUnit{0}}}), "TextUnit \0"s);
}

TEST(LayoutRecordTest, DecodingGivesBackEveryValue) {
    const std::vector<LayoutProperty> properties = {
        {"Left", Integer{309}},
        {"_ScrollWidth", Integer{-1}},
        {"Index", Integer{-2147483648}},
        {"LockRight", true},
        {"HasHeading", false},
        {"TextSize", 0.0f},
        {"TextColor", RGB(0, 0, 0)},
        {"BackColor", RGB(209, 212, 211, 7)},
        {"Text", "Inches\r"s},
        {"InitialValue", "1\r2\r3\r4\r5"s},
        {"Caption", ""s},
        {"Title", "R\xC3\xA9glage"s},
        {"TextUnit", TextUnit{0}},
    };
    EXPECT_EQ(DecodeLayoutRecord(EncodeLayoutRecord(properties)), properties);
    EXPECT_TRUE(DecodeLayoutRecord("").empty());
}

TEST(LayoutRecordTest, ErrorsNameTheProperty) {
    auto messageOf = [](auto&& action) -> std::string {
        try {
            action();
        } catch (const RuntimeException& error) {
            return error.ClassName() + ": " + error.Message();
        }
        return "no exception";
    };
    EXPECT_EQ(messageOf([] {
                  EncodeLayoutRecord({{"Width", true}});
              }),
              "TypeMismatchException: layout property \"Width\" takes an Integer");
    EXPECT_EQ(messageOf([] {
                  EncodeLayoutRecord({{"Colour", RGB(1, 2, 3)}});
              }),
              "UnsupportedFormatException: unknown layout property \"Colour\"");
    EXPECT_EQ(messageOf([] { DecodeLayoutRecord("Wobble \1"s); }),
              "UnsupportedFormatException: unknown layout property \"Wobble\"");

    const std::string record = EncodeLayoutRecord({{"Visible", true}, {"Title", "About"s}});
    for (std::size_t cut = record.find("Title") + 6; cut < record.size(); ++cut) {
        EXPECT_EQ(messageOf([&] { DecodeLayoutRecord(record.substr(0, cut)); }),
                  "UnsupportedFormatException: layout record ends inside property \"Title\"")
            << cut;
    }
    EXPECT_EQ(messageOf([] { DecodeLayoutRecord("Width \1\0\0"s); }),
              "UnsupportedFormatException: layout record ends inside property \"Width\"");
    EXPECT_EQ(messageOf([] { DecodeLayoutRecord("Visible \1Heig"s); }),
              "UnsupportedFormatException: layout record ends inside the name \"Heig\"");
    EXPECT_EQ(messageOf([] { DecodeLayoutRecord("Enabled \2"s); }),
              "UnsupportedFormatException: layout property \"Enabled\" holds no Boolean");
}

}  // namespace
