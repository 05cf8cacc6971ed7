#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "gauge/frmCalcStringSize.h"
#include "tests/support/ModalGuard.h"

namespace {
constexpr Integer kC8 = 0, kA4 = 39, kD4 = 46, kMiddleC = 48, kE2 = 68, kA1 = 75, kA0 = 87;

class frmCalcStringSizeTest : public testing::Test {
  protected:
    void SetUp() override {
        window = frmCalcStringSize();
        QCoreApplication::processEvents();  // the window's Open event
    }

    std::string shownFor(const std::string& length, Integer note) {
        window->TextField1()->setText(length);
        window->PopupMenu1()->setListIndex(note);
        return window->Label5()->Text();
    }

    std::shared_ptr<class frmCalcStringSize> window;
};

// The notes by rule: from "C8" down by semitone, sharps written after the
// octave digit, to "A0".
std::vector<std::string> notesDescending() {
    std::vector<std::string> notes = {"C8"};
    const char* const names[] = {"B", "A#", "A", "G#", "G", "F#", "F", "E", "D#", "D", "C#", "C"};
    for (int octave = 7; octave >= 0; --octave) {
        for (std::string name : names) {
            if (octave == 0 && notes.back() == "A0") break;
            const std::string digit = std::to_string(octave);
            notes.push_back(name.size() == 2 ? name.substr(0, 1) + digit + "#" : name + digit);
        }
    }
    return notes;
}
}  // namespace

TEST(frmCalcStringSizeBeforeOpenTest, TheRecordsGiveTheDesignTimeValuesAndRaiseNoHandler) {
    auto window = frmCalcStringSize();
    EXPECT_EQ(window->TextField1()->Text(), "25");
    EXPECT_EQ(window->PopupMenu1()->ListIndex(), 0);
    EXPECT_EQ(window->Label5()->Text(), "String Size: 11") << "no handler has run yet";
    EXPECT_EQ(window->Label1()->Text(), "Open Tuning");
    EXPECT_EQ(window->Label2()->Text(), "Vibrating String Length");
    EXPECT_EQ(window->Label3()->Text(), "inches");
    EXPECT_EQ(window->Label4()->Text(),
              "Calcualtion assumes a 13.8 lbs-force string tension and a string density of "
              "0.283 lbs-mass/cubic inch for steel.");
    EXPECT_EQ(window->Title(), "Calculate String Size");

    auto* button = static_cast<QPushButton*>(window->PushButton1()->Handle());
    EXPECT_EQ(button->text(), "Close");
    EXPECT_TRUE(window->PushButton1()->Default());
    EXPECT_TRUE(window->PushButton1()->Cancel());

    // Positions are window coordinates; four labels, the pop-up and the
    // field lie in the group box.
    const std::vector<std::pair<std::shared_ptr<RectControl>, QRect>> placed = {
        {window->GroupBox1(), {20, 14, 351, 152}},  {window->Label1(), {43, 85, 100, 20}},
        {window->PopupMenu1(), {155, 84, 198, 20}}, {window->Label2(), {43, 43, 146, 20}},
        {window->TextField1(), {201, 43, 80, 22}},  {window->Label3(), {293, 43, 60, 20}},
        {window->Label5(), {43, 127, 310, 20}},     {window->PushButton1(), {291, 222, 80, 22}},
        {window->Label4(), {20, 178, 351, 32}},
    };
    for (const auto& [control, rect] : placed) {
        EXPECT_EQ(control->_WindowRect(), rect) << control->Name();
        const bool inGroup = rect.left() > 20 && rect.top() < 166;
        EXPECT_EQ(control->InitialParent(), inGroup ? "GroupBox1" : "") << control->Name();
    }
}

TEST_F(frmCalcStringSizeTest, TheWindowHasNoCloseBoxAndKeepsItsSize) {
    QWidget* top = window->Handle();
    EXPECT_FALSE(top->windowFlags() & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(top->windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(window->Width(), 391);
    EXPECT_EQ(window->Height(), 264);
    EXPECT_EQ(top->minimumSize(), top->maximumSize());
}

TEST_F(frmCalcStringSizeTest, TheLabelsShowTheirTextsAsDesigned) {
    auto* result = static_cast<QLabel*>(window->Label5()->Handle());
    EXPECT_TRUE(result->alignment() & Qt::AlignHCenter);
    auto* note = static_cast<QLabel*>(window->Label4()->Handle());
    EXPECT_TRUE(note->wordWrap());
    EXPECT_TRUE(note->alignment() & Qt::AlignLeft);
    // The note wraps onto two lines, which its label holds.
    const int lineHeight = note->fontMetrics().lineSpacing();
    const int needed = note->heightForWidth(351);
    EXPECT_GT(needed, lineHeight);
    EXPECT_LE(needed, 32);
}

TEST_F(frmCalcStringSizeTest, TheNoteListDescendsBySemitoneFromC8ToA0) {
    auto notes = notesDescending();
    ASSERT_EQ(notes.size(), 88u);
    notes[36] = "C5 (octave above middle c)";
    notes[47] = "C4# ";
    notes[48] = "C4 - (middle c)";
    notes[60] = "C3 (octave below middle c)";
    auto popup = window->PopupMenu1();
    ASSERT_EQ(popup->ListCount(), 88);
    for (Integer i = 0; i < 88; ++i) EXPECT_EQ(popup->List(i), notes[i]) << "item " << i;
    EXPECT_EQ(popup->List(0), "C8");
    EXPECT_EQ(popup->List(kA4), "A4");
    EXPECT_EQ(popup->List(kD4), "D4");
    EXPECT_EQ(popup->List(87), "A0");
}

TEST_F(frmCalcStringSizeTest, OpeningSelectsD4AndShowsItsGauge) {
    EXPECT_EQ(window->Handle()->focusWidget(), window->TextField1()->Handle())
        << "typing goes to the length, though the button comes first in tab order";
    EXPECT_EQ(window->PopupMenu1()->ListIndex(), kD4);
    EXPECT_EQ(static_cast<QComboBox*>(window->PopupMenu1()->Handle())->currentText(), "D4");
    EXPECT_EQ(window->TextField1()->Text(), "25");
    EXPECT_EQ(window->Label5()->Text(), "String Size: 11");
}

TEST_F(frmCalcStringSizeTest, TheGaugeFollowsTheLengthAndTheNote) {
    struct Case {
        const char* length;
        Integer note;
        const char* shown;
    };
    const Case cases[] = {
        {"25", kD4, "String Size: 11"},
        {"25", kA4, "String Size: 7"},
        {"25", kA1, "String Size: 56"},
        {"25", kA0, "String Size: 113"},
        {"25", kMiddleC, "String Size: 12"},
        {"25", kE2, "String Size: 38"},
        {"30", kE2, "String Size: 31"},
        {"25.5", kD4, "String Size: 10"},
        {"1.5", kD4, "String Size: 176"},
        {"1.01", kC8, "String Size: 18"},
        {"999", kA0, "String Size: 3"},
        // Below half a thousandth the gauge shows 0; a thousand and more in
        // all its digits.
        {"40", kC8, "String Size: 0"},
        {"1.0000001", kA0, "String Size: 2816"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(shownFor(c.length, c.note), c.shown) << c.length << " at " << c.note;
        // Either event alone recomputes: the note set first, then the length.
        window->PopupMenu1()->setListIndex(c.note == kC8 ? kA0 : kC8);
        window->PopupMenu1()->setListIndex(c.note);
        EXPECT_EQ(window->Label5()->Text(), c.shown) << c.length << " at " << c.note;
    }
}

TEST_F(frmCalcStringSizeTest, ALengthNotStrictlyBetween1And1000IsNA) {
    for (const char* length : {"", "abc", "0", "-25", "0.5", "1", "1000", "1e3"}) {
        EXPECT_EQ(shownFor(length, kD4), "String Size: N/A") << "\"" << length << "\"";
        window->PopupMenu1()->setListIndex(kA0);
        EXPECT_EQ(window->Label5()->Text(), "String Size: N/A") << "\"" << length << "\"";
        window->PopupMenu1()->setListIndex(kC8);
        EXPECT_EQ(window->Label5()->Text(), "String Size: N/A") << "\"" << length << "\"";
    }
}

TEST_F(frmCalcStringSizeTest, EveryKeystrokeRecomputes) {
    QWidget* field = window->TextField1()->Handle();
    std::vector<std::string> shown;
    auto record = [&] { shown.push_back(window->Label5()->Text()); };

    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field, Qt::Key_Backspace);
    EXPECT_EQ(window->TextField1()->Text(), "");
    record();
    QTest::keyClick(field, Qt::Key_3);
    record();
    QTest::keyClick(field, Qt::Key_0);
    record();
    EXPECT_EQ(shown,
              (std::vector<std::string>{"String Size: N/A", "String Size: 88", "String Size: 9"}));

    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClick(field, Qt::Key_1);
    EXPECT_EQ(window->Label5()->Text(), "String Size: N/A") << "a length of 1";
}

TEST_F(frmCalcStringSizeTest, ChoosingANoteWithTheKeyboardRecomputes) {
    QWidget* popup = window->PopupMenu1()->Handle();
    QTest::keyClick(popup, Qt::Key_Up);
    EXPECT_EQ(window->PopupMenu1()->List(window->PopupMenu1()->ListIndex()), "D4#");
    EXPECT_EQ(window->Label5()->Text(), "String Size: 10");
}

TEST_F(frmCalcStringSizeTest, TheCloseButtonClosesTheWindow) {
    ModalGuard::ShowAndAct(
        [this] { window->ShowModal(); },
        [this] { QTest::mouseClick(window->PushButton1()->Handle(), Qt::LeftButton); });
    EXPECT_EQ(Window::_GetImplicitWindow(frmCalcStringSize::kRegisteredName), nullptr);
    EXPECT_NE(frmCalcStringSize(), window) << "the next opening builds a new window";
}

TEST_F(frmCalcStringSizeTest, ReturnEnterAndEscapeCloseTheWindowFromAnyControl) {
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char* name;
    };
    const Case keys[] = {{Qt::Key_Return, Qt::NoModifier, "Return"},
                         {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
                         {Qt::Key_Escape, Qt::NoModifier, "Escape"}};
    for (const Case& key : keys) {
        for (const std::string control : {"TextField1", "PopupMenu1", "PushButton1"}) {
            SCOPED_TRACE(std::string(key.name) + " in " + control);
            auto open = frmCalcStringSize();
            bool wasModal = false;
            // A window the key leaves open fails the test.
            ModalGuard::ShowAndAct([&] { open->ShowModal(); },
                                   [&] {
                                       wasModal =
                                           QApplication::activeModalWidget() == open->Handle();
                                       QTest::keyClick(open->_ControlByName(control)->Handle(),
                                                       key.key, key.modifiers);
                                   });
            EXPECT_TRUE(wasModal);
            EXPECT_EQ(Window::_GetImplicitWindow(frmCalcStringSize::kRegisteredName), nullptr);
        }
    }
}

TEST_F(frmCalcStringSizeTest, OtherKeysLeaveTheWindowOpen) {
    QTest::keyClick(window->TextField1()->Handle(), Qt::Key_Return, Qt::ControlModifier);
    QTest::keyClick(window->TextField1()->Handle(), Qt::Key_X);
    EXPECT_EQ(frmCalcStringSize(), window);
    EXPECT_EQ(window->TextField1()->Text(), "25x");
    EXPECT_EQ(window->Label5()->Text(), "String Size: 11");
}
