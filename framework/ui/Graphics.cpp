#include "framework/ui/Graphics.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QLineF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <QPen>
#include <QRectF>
#include <QTextLayout>

#include "framework/ui/QtColor.h"

namespace {
// The pixel that contains a coordinate.
int pixel(Double coordinate) { return static_cast<int>(std::floor(coordinate)); }

// Half a point: thin enough to mark a fret slot, still printed by every printer.
constexpr Double kLineWidthOnPaper = 0.5;
// Around the glyphs, for smoothing at their edges.
constexpr Double kTextSlack = 1;
}  // namespace

Graphics::Graphics(QPainter& painter, Integer width, Integer height)
    : painter_(painter), units_(Units::Pixels), width_(width), height_(height) {
    setUp(static_cast<Double>(width), static_cast<Double>(height));
}

Graphics::Graphics(std::shared_ptr<void> device, std::unique_ptr<QPainter> painter, Double width,
                   Double height, Units units)
    : device_(std::move(device)),
      ownedPainter_(std::move(painter)),
      painter_(*ownedPainter_),
      units_(units),
      width_(static_cast<Integer>(std::floor(width))),
      height_(static_cast<Integer>(std::floor(height))) {
    setUp(width, height);
}

Graphics::~Graphics() = default;

void Graphics::setUp(Double width, Double height) {
    areaWidth_ = width;
    areaHeight_ = height;
    // Text may be smooth; lines and frames on pixels must not be.
    painter_.setRenderHint(QPainter::Antialiasing, units_ == Units::Points);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    painter_.setClipRect(QRectF(0, 0, width, height), Qt::IntersectClip);
    applyFont();
    applyPen();
}

// A pen is built only when something drawn with it follows a change of colour:
// pixel lines along an axis are fills and need none.
void Graphics::usePen() {
    if (!penIsCurrent_) applyPen();
}

void Graphics::applyPen() {
    QPen pen(ToQColor(foreColor_));
    if (units_ == Units::Points) {
        pen.setWidthF(kLineWidthOnPaper);
        pen.setCapStyle(Qt::FlatCap);  // a fret line ends at the board's edges
        pen.setJoinStyle(Qt::MiterJoin);
    } else {
        pen.setWidth(0);  // one device pixel
    }
    painter_.setPen(pen);
    penIsCurrent_ = true;
}

void Graphics::setForeColor(Color color) {
    foreColor_ = color;
    penIsCurrent_ = false;
}

void Graphics::setTextSize(Double size) {
    textSize_ = size;
    applyFont();
}

void Graphics::applyFont() {
    QFont font = QGuiApplication::font();
    Double size = textSize_;
    // On paper the default size is the platform's, in points of paper.
    if (size <= 0 && units_ == Units::Points) size = font.pointSizeF();
    // A point size is converted with the device's resolution, and the
    // painter's scale applies on top of that: `size` units come out as
    // size * 72 / dpi points.
    if (size > 0) font.setPointSizeF(size * kUnitsPerInch / painter_.device()->logicalDpiY());
    painter_.setFont(font);
    if (units_ == Units::Points) {
        const QFontMetricsF metrics(font, painter_.device());
        // Some fonts understate their widest glyph; none is wider than a line is high.
        textReach_ = {metrics.ascent(), metrics.descent(), metrics.lineSpacing(),
                      std::max(metrics.maxWidth(), metrics.lineSpacing())};
    }
}

// Paper keeps what is drawn off the page, clipped but written, so each page
// would carry every page's drawing; what cannot show is skipped.
bool Graphics::offThePage(Double left, Double top, Double right, Double bottom) const {
    return units_ == Units::Points &&
           (right < 0 || bottom < 0 || left > areaWidth_ || top > areaHeight_);
}

bool Graphics::lineOffThePage(Double x1, Double y1, Double x2, Double y2) const {
    // A line's ends and caps lie within its width of them.
    const Double reach = kLineWidthOnPaper;
    return offThePage(std::min(x1, x2) - reach, std::min(y1, y2) - reach, std::max(x1, x2) + reach,
                      std::max(y1, y2) + reach);
}

void Graphics::DrawLine(Double x1, Double y1, Double x2, Double y2) {
    if (units_ == Units::Points) {
        if (lineOffThePage(x1, y1, x2, y2)) return;
        usePen();
        painter_.drawLine(QLineF(x1, y1, x2, y2));
        return;
    }
    const QPoint from(pixel(x1), pixel(y1)), to(pixel(x2), pixel(y2));
    if (from.x() == to.x() || from.y() == to.y()) {
        // The same pixels as a one-pixel pen, ends included, at a fraction of the cost.
        painter_.fillRect(QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                                QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y()))),
                          ToQColor(foreColor_));
        return;
    }
    usePen();
    painter_.drawLine(from, to);
}

void Graphics::DrawRect(Double x, Double y, Double width, Double height) {
    usePen();
    if (units_ == Units::Points) {
        drawFrameOnPaper(x, y, x + width, y + height);
        return;
    }
    const int left = pixel(x), top = pixel(y);
    const int right = pixel(x + width) - 1, bottom = pixel(y + height) - 1;
    if (right < left || bottom < top) return;
    painter_.setBrush(Qt::NoBrush);
    // A one-pixel pen frames a rectangle one pixel larger than its size.
    painter_.drawRect(QRect(left, top, right - left, bottom - top));
}

// A side off the page is left out; the others are drawn as one path, so
// their corners are mitred as in a whole frame. The corners at a side left
// out lie off the page too.
void Graphics::drawFrameOnPaper(Double left, Double top, Double right, Double bottom) {
    painter_.setBrush(Qt::NoBrush);
    const QPointF corners[] = {{left, top}, {right, top}, {right, bottom}, {left, bottom}};
    bool shows[4];
    for (int side = 0; side < 4; ++side) {
        const QPointF from = corners[side], to = corners[(side + 1) % 4];
        shows[side] = !lineOffThePage(from.x(), from.y(), to.x(), to.y());
    }
    if (std::all_of(std::begin(shows), std::end(shows), [](bool s) { return s; })) {
        painter_.drawRect(QRectF(corners[0], corners[2]));
        return;
    }
    const auto skipped = std::find(std::begin(shows), std::end(shows), false) - std::begin(shows);
    QPainterPath path;
    // Round the frame from the side after one left out.
    for (auto k = skipped + 1; k < skipped + 4; ++k) {
        const auto side = k % 4;
        if (!shows[side]) continue;
        if (!shows[(side + 3) % 4]) path.moveTo(corners[side]);
        path.lineTo(corners[(side + 1) % 4]);
    }
    painter_.drawPath(path);
}

void Graphics::FillRect(Double x, Double y, Double width, Double height) {
    const QColor color = ToQColor(foreColor_);
    if (units_ == Units::Points) {
        painter_.fillRect(QRectF(x, y, width, height), color);
        return;
    }
    const int left = pixel(x), top = pixel(y);
    const int right = pixel(x + width) - 1, bottom = pixel(y + height) - 1;
    if (right < left || bottom < top) return;
    painter_.fillRect(QRect(QPoint(left, top), QPoint(right, bottom)), color);
}

// First judged without laying the text out: no glyph is wider than the
// widest, none reaches a line's height beyond its box, and wrapped text has at
// most a line per character. Text close to an edge is judged by its glyphs.
bool Graphics::textOffThePage(const QString& text, Double x, Double y, bool wrapped) const {
    if (units_ != Units::Points) return false;
    const TextReach& reach = textReach_;
    const Double characters = static_cast<Double>(text.size()) + 1;  // an ellipsis
    const Double lines = wrapped ? characters : 1;
    const QRectF box(QPointF(x - reach.lineSpacing, y - reach.ascent - reach.lineSpacing),
                     QPointF(x + characters * reach.widest + reach.lineSpacing,
                             y + reach.descent + lines * reach.lineSpacing));
    if (offThePage(box.left(), box.top(), box.right(), box.bottom())) return true;
    if (wrapped || QRectF(0, 0, areaWidth_, areaHeight_).contains(box)) return false;
    // Covers at least every pixel that the glyphs would.
    const QRectF ink = QFontMetricsF(painter_.font(), painter_.device())
                           .boundingRect(text)
                           .translated(x, y)
                           .adjusted(-kTextSlack, -kTextSlack, kTextSlack, kTextSlack);
    return offThePage(ink.left(), ink.top(), ink.right(), ink.bottom());
}

void Graphics::DrawString(const std::string& text, Double x, Double y, Double wrapWidth,
                          Boolean condense) {
    const QString string = QString::fromStdString(text);
    if (textOffThePage(string, x, y, wrapWidth > 0)) return;
    usePen();
    if (wrapWidth <= 0) {
        painter_.drawText(QPointF(x, y), string);
        return;
    }
    const QFontMetricsF metrics(painter_.font(), painter_.device());
    if (condense) {
        painter_.drawText(QPointF(x, y), metrics.elidedText(string, Qt::ElideRight, wrapWidth));
        return;
    }
    QTextLayout layout(string, painter_.font(), painter_.device());
    layout.beginLayout();
    Double lineTop = 0;
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(wrapWidth);
        line.setPosition(QPointF(0, lineTop));
        lineTop += line.height();
    }
    layout.endLayout();
    // The first line's baseline lies at y.
    if (layout.lineCount() > 0) layout.draw(&painter_, QPointF(x, y - layout.lineAt(0).ascent()));
}
