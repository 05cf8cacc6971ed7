#pragma once

#include <vector>

#include <QImage>
#include <QRectF>
#include <QString>
#include <QTemporaryDir>

// Reads a printed PDF back with poppler-utils. Positions are in points from
// the paper's top-left corner; lines are found on a rendering at 720 dots
// per inch (pdftocairo, which does not snap thin lines to whole pixels), so
// a line's centre is known to a small fraction of a point.
class PdfReader {
  public:
    explicit PdfReader(QString path);

    int pageCount() const;
    // The document's Title; empty when it has none.
    QString title() const;
    const QString& path() const { return path_; }
    QString text(int page) const;

    struct Word {
        QString text;
        double left, top, right, bottom;
    };
    std::vector<Word> words(int page) const;

    // The centres of the lines that cross the horizontal line at y (the
    // vertical lines), left to right; and those that cross the vertical line
    // at x, top to bottom.
    std::vector<double> verticalLines(int page, double y) const;
    std::vector<double> horizontalLines(int page, double x) const;
    // The thickness of the vertical line nearest x, at y.
    double lineWidthAt(int page, double y, double x) const;

  private:
    QString run(const QString& program, const QStringList& arguments) const;
    QSizeF pageSize(int page) const;
    // The area rendered in shades of grey, ten pixels per point.
    QImage render(int page, const QRectF& area) const;

    QString path_;
    QTemporaryDir scratch_;
};
