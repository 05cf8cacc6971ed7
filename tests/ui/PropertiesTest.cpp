#include <gtest/gtest.h>

#include <QLabel>

#include "framework/ui/Controls.h"
#include "framework/ui/LayoutRecord.h"
#include "framework/ui/Properties.h"

namespace {
template <typename Exception>
std::string messageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const Exception& e) {
        return e.Message();
    }
    ADD_FAILURE() << "no exception";
    return {};
}
}  // namespace

TEST(SetPropertiesTest, SetsEveryPropertyOfTheRecord) {
    Label label;
    _SetProperties(label, EncodeLayoutRecord({{"Name", std::string("Caption")},
                                              {"Text", std::string("Scale Length:")},
                                              {"Enabled", false},
                                              {"TabIndex", Integer{3}}}));
    EXPECT_EQ(label.Name(), "Caption");
    EXPECT_EQ(label.Text(), "Scale Length:");
    EXPECT_FALSE(label.Enabled());
    EXPECT_EQ(label.TabIndex(), 3);
}

TEST(SetPropertiesTest, APropertyTheObjectLacksIsNamedInTheError) {
    Label label;
    const std::string record =
        EncodeLayoutRecord({{"Text", std::string("kept")}, {"ListIndex", Integer{2}}});
    EXPECT_EQ(messageOf<UnsupportedFormatException>([&] { _SetProperties(label, record); }),
              "Label has no property ListIndex");
    EXPECT_EQ(label.Text(), "kept");
}

TEST(SetPropertiesTest, AValueOfAnotherTypeIsNamedInTheError) {
    TextField field;
    const LayoutProperty wrong{"Text", Integer{5}};
    EXPECT_EQ(messageOf<TypeMismatchException>([&] { field._SetProperty(wrong); }),
              "property Text has a value of the wrong type");
}

TEST(SetPropertiesTest, ATruncatedRecordSetsNothing) {
    Label label;
    std::string record =
        EncodeLayoutRecord({{"Text", std::string("first")}, {"TabIndex", Integer{7}}});
    record.pop_back();
    EXPECT_THROW(_SetProperties(label, record), UnsupportedFormatException);
    EXPECT_EQ(label.Text(), "");
    EXPECT_EQ(label.TabIndex(), 0);
}

TEST(SetPropertiesTest, ValuesSetInCodeRaiseTheirEvents) {
    CheckBox box;
    TextField field;
    PopupMenu popup;
    _SetProperties(popup, EncodeLayoutRecord({{"InitialValue", std::string("1\r2\r3")}}));
    std::vector<std::string> events;
    box.Action = [&](CheckBox&) { events.push_back("Action"); };
    field.TextChange = [&](TextField& f) { events.push_back("TextChange " + f.Text()); };
    popup.Change = [&](PopupMenu& p) {
        events.push_back("Change " + std::to_string(p.ListIndex()));
    };

    box.setValue(true);
    field.setText("25");
    popup.setListIndex(2);
    popup.setListIndex(2);  // the same item again: no change
    EXPECT_EQ(events, (std::vector<std::string>{"Action", "TextChange 25", "Change 2"}));
    EXPECT_THROW(popup.setListIndex(3), OutOfBoundsException);
}

TEST(SetPropertiesTest, APopUpIndexMayComeBeforeItsItemsButMustExist) {
    PopupMenu popup;
    _SetProperties(popup, EncodeLayoutRecord({{"ListIndex", Integer{1}},
                                              {"InitialValue", std::string("1\r2\r3")}}));
    EXPECT_EQ(popup.ListIndex(), 1);
    PopupMenu tooFew;
    EXPECT_THROW(
        _SetProperties(tooFew, EncodeLayoutRecord({{"ListIndex", Integer{3}},
                                                   {"InitialValue", std::string("1\r2")}})),
        OutOfBoundsException);
}

TEST(SetPropertiesTest, ALabelAlignsItsTextLeftCentredOrRight) {
    const std::pair<Integer, Qt::Alignment> cases[] = {
        {0, Qt::AlignLeft}, {1, Qt::AlignHCenter}, {2, Qt::AlignRight}};
    for (const auto& [textAlign, alignment] : cases) {
        Label label;
        _SetProperties(label, EncodeLayoutRecord({{"TextAlign", textAlign}}));
        EXPECT_EQ(static_cast<QLabel*>(label.Handle())->alignment() & Qt::AlignHorizontal_Mask,
                  alignment)
            << textAlign;
    }
}
