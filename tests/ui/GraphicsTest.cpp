#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>

#include "framework/ui/Graphics.h"

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

// Axis-aligned lines are drawn without the pen; whatever comes after still
// takes the colour set last.
TEST(GraphicsTest, EveryDrawingTakesTheForeColorSetLast) {
    QImage image(60, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    const QColor diagonal(0, 0, 200), frame(0, 150, 0), text(200, 0, 0);
    {
        QPainter painter(&image);
        Graphics g(painter, 60, 60);
        g.setForeColor(RGB(90, 90, 90));
        g.DrawLine(0, 0, 59, 0);
        g.setForeColor(RGB(0, 0, 200));
        g.DrawLine(0, 2, 10, 12);
        g.setForeColor(RGB(0, 150, 0));
        g.DrawRect(20, 2, 10, 10);
        g.DrawLine(40, 2, 40, 12);  // a fill between two drawings with the pen
        g.setForeColor(RGB(200, 0, 0));
        g.setTextSize(40);
        g.DrawString("W", 2, 55);
    }
    EXPECT_EQ(image.pixelColor(5, 0), QColor(90, 90, 90));
    EXPECT_EQ(image.pixelColor(5, 7), diagonal);
    EXPECT_EQ(image.pixelColor(20, 5), frame);
    EXPECT_EQ(image.pixelColor(40, 5), frame);
    bool textInItsColour = false;
    for (int y = 20; y < 60; ++y) {
        for (int x = 0; x < 60; ++x) textInItsColour |= image.pixelColor(x, y) == text;
    }
    EXPECT_TRUE(textInItsColour);
}
