#include <gtest/gtest.h>

#include <memory>
#include <utility>

#include <QColor>
#include <QImage>
#include <QPalette>
#include <QWidget>

#include "framework/ui/Canvas.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/Picture.h"
#include "tests/ui/FourPixels.h"
#include "tests/ui/TestWindow.h"

TEST(CanvasTest, PaintDrawsOnTheWholeCanvas) {
    auto window = TestWindowInstance();
    auto canvas = window->Surface();
    std::pair<Integer, Integer> size;
    canvas->Paint = [&](Canvas&, Graphics& g) {
        size = {g.Width(), g.Height()};
        g.setForeColor(RGB(0, 0, 255));
        const auto bottom = static_cast<Double>(g.Height() - 1);
        g.DrawLine(0, bottom, static_cast<Double>(g.Width()), bottom);
    };
    const QImage image = canvas->Handle()->grab().toImage();
    EXPECT_EQ(size, (std::pair<Integer, Integer>{100, 50}));
    EXPECT_EQ(image.pixelColor(0, 49), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(99, 49), QColor(0, 0, 255));
    EXPECT_NE(image.pixelColor(50, 48), QColor(0, 0, 255));
}

TEST(CanvasTest, TheBackdropLiesAtTheTopLeftInItsOwnSizeUnderWhatPaintDraws) {
    auto window = TestWindowInstance();
    auto canvas = window->Surface();  // 100 x 50
    const QColor behind = canvas->Handle()->palette().color(QPalette::Window);
    ASSERT_NE(behind, QColor(Qt::white));
    auto picture = std::make_shared<Picture>(fourPixels());
    canvas->setBackdrop(picture);
    EXPECT_EQ(canvas->Backdrop(), picture);
    canvas->Paint = [](Canvas&, Graphics& g) {
        g.setForeColor(RGB(0, 255, 0));
        g.DrawLine(1, 1, 10, 1);  // over the backdrop's last row
    };

    QImage shown = canvas->Handle()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), QColor(Qt::white));
    EXPECT_EQ(shown.pixelColor(1, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(0, 1), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(1, 1), QColor(Qt::green));
    EXPECT_EQ(shown.pixelColor(2, 0), behind) << "not scaled to the canvas";
    EXPECT_EQ(shown.pixelColor(99, 49), behind);

    // White is not drawn on a see-through picture; other colours are.
    picture->setTransparent(1);
    canvas->Paint = nullptr;
    shown = canvas->Handle()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(0, 0), behind);
    EXPECT_EQ(shown.pixelColor(1, 1), behind);
    EXPECT_EQ(shown.pixelColor(1, 0), QColor(Qt::red));
    EXPECT_EQ(shown.pixelColor(0, 1), QColor(Qt::blue));

    canvas->setBackdrop(nullptr);
    shown = canvas->Handle()->grab().toImage();
    EXPECT_EQ(shown.pixelColor(1, 0), behind);
}
