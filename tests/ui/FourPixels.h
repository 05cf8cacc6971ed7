#pragma once

#include <QColor>
#include <QImage>

// Four pixels: white, red / blue, white.
inline QImage fourPixels() {
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixelColor(0, 0, Qt::white);
    image.setPixelColor(1, 0, Qt::red);
    image.setPixelColor(0, 1, Qt::blue);
    image.setPixelColor(1, 1, Qt::white);
    return image;
}
