#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QWidget>

#include "framework/ui/Graphics.h"
#include "tests/ui/TestWindow.h"

TEST(GraphicsTest, LinesAreOnePixelInTheForeColorAndClippedToTheSurface) {
    QImage image(20, 20, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.translate(5, 5);
        Graphics g(painter, 10, 8);
        EXPECT_EQ(g.Width(), 10);
        EXPECT_EQ(g.Height(), 8);
        g.setForeColor(RGB(10, 20, 30));
        g.DrawLine(0, 2, 10, 2);
        g.setForeColor(RGB(0, 0, 0));
        g.DrawLine(9, 0, 9, 8);
        g.DrawLine(0, 8, 10, 8);  // just below the surface: clipped
    }
    EXPECT_EQ(image.pixelColor(5, 7), QColor(10, 20, 30));
    EXPECT_EQ(image.pixelColor(13, 7), QColor(10, 20, 30));
    EXPECT_EQ(image.pixelColor(5, 6), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(5, 8), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(14, 5), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(14, 12), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(15, 5), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(14, 13), QColor(Qt::white));
    EXPECT_EQ(image.pixelColor(8, 13), QColor(Qt::white));
}

TEST(CanvasTest, PaintDrawsOnTheWholeCanvas) {
    auto window = TestWindowInstance();
    auto canvas = window->Surface();
    std::pair<Integer, Integer> size;
    canvas->Paint = [&](Canvas&, Graphics& g) {
        size = {g.Width(), g.Height()};
        g.setForeColor(RGB(0, 0, 255));
        g.DrawLine(0, g.Height() - 1, g.Width(), g.Height() - 1);
    };
    const QImage image = canvas->Handle()->grab().toImage();
    EXPECT_EQ(size, (std::pair<Integer, Integer>{100, 50}));
    EXPECT_EQ(image.pixelColor(0, 49), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(99, 49), QColor(0, 0, 255));
    EXPECT_NE(image.pixelColor(50, 48), QColor(0, 0, 255));
}
