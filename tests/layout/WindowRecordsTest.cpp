#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <QCoreApplication>

#include "app/App.h"
#include "app/Window1.h"
#include "app/frmAbout.h"
#include "framework/runtime/Exceptions.h"
#include "framework/ui/DesignRecord.h"
#include "framework/ui/LayoutRecord.h"
#include "framework/ui/Properties.h"
#include "framework/ui/Runtime.h"
#include "gauge/frmCalcStringSize.h"
#include "outline/frmFretOutline.h"

// The linker sends the program's calls of _SetProperties here (--wrap, see
// CMakeLists.txt), so the test sees every record exactly as it is applied.
extern "C" void
__real__Z14_SetPropertiesR14PropertyTargetSt17basic_string_viewIcSt11char_traitsIcEE(
    PropertyTarget& object, std::string_view record);

namespace {
std::vector<std::string>* appliedRecords = nullptr;
}  // namespace

extern "C" void
__wrap__Z14_SetPropertiesR14PropertyTargetSt17basic_string_viewIcSt11char_traitsIcEE(
    PropertyTarget& object, std::string_view record) {
    if (appliedRecords) appliedRecords->emplace_back(record);
    __real__Z14_SetPropertiesR14PropertyTargetSt17basic_string_viewIcSt11char_traitsIcEE(object,
                                                                                         record);
}

namespace {

std::string quoted(const std::string& text) {
    std::string out = "\"";
    for (const char c : text) {
        if (c == '\r') {
            out += "\\r";
        } else if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

// One line per entry, in the record's order: name, type and value.
std::string describe(const LayoutProperty& property) {
    struct Describe {
        std::string operator()(Integer value) const { return "Integer " + std::to_string(value); }
        std::string operator()(Boolean value) const {
            return std::string("Boolean ") + (value ? "True" : "False");
        }
        std::string operator()(float value) const {
            char text[32];
            std::snprintf(text, sizeof text, "Single %.9g", static_cast<double>(value));
            return text;
        }
        std::string operator()(Color value) const {
            char text[32];
            std::snprintf(text, sizeof text, "Color %08X", static_cast<unsigned>(value.value));
            return text;
        }
        std::string operator()(const std::string& value) const { return "String " + quoted(value); }
        std::string operator()(TextUnit value) const {
            return "TextUnit " + std::to_string(value.value);
        }
    };
    return property.name + " " + std::visit(Describe{}, property.value);
}

// The records applied while the window is built, each decoded, a blank line
// apart: the window's own first, then its controls' in creation order. A
// record must also encode back to its very bytes, so the text pins them.
std::string recordsOf(const std::function<std::shared_ptr<Window>()>& build) {
    std::vector<std::string> records;
    appliedRecords = &records;
    const auto window = build();
    appliedRecords = nullptr;
    window->Close();
    QCoreApplication::sendPostedEvents();

    std::string text;
    for (const std::string& record : records) {
        const auto properties = DecodeLayoutRecord(record);
        EXPECT_EQ(EncodeLayoutRecord(properties), record);
        if (!text.empty()) text += "\n";
        for (const LayoutProperty& property : properties) text += describe(property) + "\n";
    }
    return text;
}

std::string expectedRecords(const std::string& window) {
    std::ifstream file(std::string(VELMORA_RECORDS_DIR) + "/" + window + ".txt");
    EXPECT_TRUE(file) << "no expected records for " << window;
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

TEST(WindowRecordsTest, MainWindow) {
    EXPECT_EQ(recordsOf([] { return Window1(); }), expectedRecords("Window1"));
}

TEST(WindowRecordsTest, AboutWindow) {
    if (!App()) _RuntimeRegisterAppObject(std::make_shared<class App>());
    EXPECT_EQ(recordsOf([] { return frmAbout(); }), expectedRecords("frmAbout"));
}

TEST(WindowRecordsTest, FretOutlineWindow) {
    EXPECT_EQ(recordsOf([] { return frmFretOutline(); }), expectedRecords("frmFretOutline"));
}

TEST(WindowRecordsTest, StringGaugeWindow) {
    EXPECT_EQ(recordsOf([] { return frmCalcStringSize(); }), expectedRecords("frmCalcStringSize"));
}

// A record in an order its window has none for would apply in a made-up
// order; it is refused instead.
TEST(WindowRecordsTest, AControlKindAWindowHasNoOrderForIsRefused) {
    const ControlDesign design{.left = 0, .top = 0, .width = 10, .height = 10, .tabIndex = 0};
    EXPECT_THROW(CheckBoxRecord(RecordOrder::About, "Box", design, "Box", false),
                 UnsupportedFormatException);
    EXPECT_THROW(CanvasRecord(RecordOrder::MainWindow, "Surface", design),
                 UnsupportedFormatException);
    EXPECT_THROW(PushButtonRecord(RecordOrder::MainWindow, "Button", design, {.caption = "OK"}),
                 UnsupportedFormatException);
}

}  // namespace
