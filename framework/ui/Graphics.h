#pragma once

#include <memory>
#include <string>

#include "framework/runtime/Types.h"
#include "framework/ui/Color.h"

class QPainter;
class QString;

// Drawing units per inch: a point of paper, or a pixel of a picture that
// prints at full size.
constexpr Double kUnitsPerInch = 72;

// A drawing surface of Width x Height units with its origin at the top-left
// corner, y growing downwards; what falls outside is clipped.
//
// On a pixel surface (a widget, a picture) one unit is one pixel, and lines
// and frames are crisp: each coordinate falls to the pixel that contains it.
// On paper one unit is one point, positions are exact and lines are half a
// point thick, centred on their position; what falls wholly outside the
// surface is left out of the page.
class Graphics {
  public:
    // Draws on a widget through a painter its paint event owns.
    Graphics(QPainter& painter, Integer width, Integer height);
    virtual ~Graphics();
    Graphics(const Graphics&) = delete;
    Graphics& operator=(const Graphics&) = delete;

    // The surface's size in whole units.
    Integer Width() const { return width_; }
    Integer Height() const { return height_; }

    Color ForeColor() const { return foreColor_; }
    void setForeColor(Color color);
    // The height of text in units; 0 is the platform's default size.
    Double TextSize() const { return textSize_; }
    void setTextSize(Double size);

    // A line in ForeColor, both ends included.
    void DrawLine(Double x1, Double y1, Double x2, Double y2);
    // The frame of the rectangle: on pixels, the pixels x to x + width - 1
    // and y to y + height - 1; on paper, lines at x, x + width, y, y + height.
    void DrawRect(Double x, Double y, Double width, Double height);
    void FillRect(Double x, Double y, Double width, Double height);
    // Text in ForeColor in the platform's default family, its baseline at y.
    // A wrap width above 0 breaks it into lines no wider; condensed, it is
    // shortened to one such line instead.
    void DrawString(const std::string& text, Double x, Double y, Double wrapWidth = 0,
                    Boolean condense = false);

    // Ends the page and starts the next one; only paper has pages.
    virtual void NextPage() {}

  protected:
    enum class Units { Pixels, Points };
    // A surface that owns its painter; `device` is what the painter draws
    // on and goes only after it. width and height are exact, in units.
    Graphics(std::shared_ptr<void> device, std::unique_ptr<QPainter> painter, Double width,
             Double height, Units units);
    QPainter& _Painter() const { return painter_; }

  private:
    void setUp(Double width, Double height);
    bool offThePage(Double left, Double top, Double right, Double bottom) const;
    bool lineOffThePage(Double x1, Double y1, Double x2, Double y2) const;
    bool textOffThePage(const QString& text, Double x, Double y, bool wrapped) const;
    void drawFrameOnPaper(Double left, Double top, Double right, Double bottom);
    void usePen();
    void applyPen();
    void applyFont();

    std::shared_ptr<void> device_;
    std::unique_ptr<QPainter> ownedPainter_;
    QPainter& painter_;
    Units units_;
    Integer width_, height_;
    Double areaWidth_ = 0, areaHeight_ = 0;  // exact, in units
    Color foreColor_;
    bool penIsCurrent_ = false;
    Double textSize_ = 0;
    // On paper: how far text in the current font reaches from its origin.
    struct TextReach {
        Double ascent = 0, descent = 0, lineSpacing = 0, widest = 0;
    } textReach_;
};
