#include <gtest/gtest.h>

#include <QLabel>
#include <QTest>

#include "framework/ui/Controls.h"
#include "framework/ui/System.h"

TEST(LabelTest, MouseUpFollowsOnlyALeftPressThatMouseDownTook) {
    Label label;
    label.Handle()->resize(100, 20);
    std::vector<std::string> events;
    Boolean take = false;
    label.MouseDown = [&](Label&, Integer x, Integer y) {
        events.push_back("down " + std::to_string(x) + "," + std::to_string(y));
        return take;
    };
    label.MouseUp = [&](Label&, Integer x, Integer y) {
        events.push_back("up " + std::to_string(x) + "," + std::to_string(y));
    };

    QTest::mouseClick(label.Handle(), Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_EQ(events, std::vector<std::string>{"down 5,6"});

    events.clear();
    take = true;
    QTest::mousePress(label.Handle(), Qt::LeftButton, {}, QPoint(7, 8));
    QTest::mouseRelease(label.Handle(), Qt::LeftButton, {}, QPoint(-30, 45));
    EXPECT_EQ(events, (std::vector<std::string>{"down 7,8", "up -30,45"}));

    events.clear();
    QTest::mouseClick(label.Handle(), Qt::RightButton, {}, QPoint(5, 6));
    QTest::mouseRelease(label.Handle(), Qt::LeftButton, {}, QPoint(5, 6));
    EXPECT_TRUE(events.empty()) << "no press of the left button began";
}

TEST(LabelTest, TheMouseCursorIsTheArrowUntilOneIsSet) {
    Label label;
    EXPECT_EQ(label.MouseCursor(), nullptr);
    EXPECT_EQ(label.Handle()->cursor().shape(), Qt::ArrowCursor);
    label.setMouseCursor(System::Cursors::FingerPointer());
    EXPECT_EQ(label.Handle()->cursor().shape(), Qt::PointingHandCursor);
    label.setMouseCursor(nullptr);
    EXPECT_EQ(label.Handle()->cursor().shape(), Qt::ArrowCursor);
}
