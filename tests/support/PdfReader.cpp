#include "tests/support/PdfReader.h"

#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include <QProcess>
#include <QRegularExpression>

namespace {
constexpr double kPixelsPerPoint = 10;  // 720 dots per inch

struct Run {
    double centre;     // pixels
    double thickness;  // pixels of full darkness
};

// The dark runs along a line of grey values, each centred on its darkness.
std::vector<Run> darkRuns(const std::vector<int>& greys) {
    std::vector<Run> runs;
    double weight = 0, moment = 0;
    for (std::size_t i = 0; i <= greys.size(); ++i) {
        const int darkness = i < greys.size() ? 255 - greys[i] : 0;
        if (darkness > 8) {
            weight += darkness;
            moment += darkness * (static_cast<double>(i) + 0.5);
        } else if (weight > 0) {
            runs.push_back({moment / weight, weight / 255});
            weight = moment = 0;
        }
    }
    return runs;
}
}  // namespace

PdfReader::PdfReader(QString path) : path_(std::move(path)) {}

QString PdfReader::run(const QString& program, const QStringList& arguments) const {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed on " << path_.toStdString() << ": "
                      << process.readAllStandardError().toStdString();
        return {};
    }
    return QString::fromUtf8(process.readAllStandardOutput());
}

int PdfReader::pageCount() const {
    const auto match = QRegularExpression(R"(Pages:\s+(\d+))").match(run("pdfinfo", {path_}));
    return match.hasMatch() ? match.captured(1).toInt() : -1;
}

QString PdfReader::title() const {
    static const QRegularExpression title(R"(^Title:[ \t]*(.*)$)",
                                          QRegularExpression::MultilineOption);
    const auto match = title.match(run("pdfinfo", {path_}));
    return match.hasMatch() ? match.captured(1) : QString();
}

QSizeF PdfReader::pageSize(int page) const {
    const QString info =
        run("pdfinfo", {"-f", QString::number(page), "-l", QString::number(page), path_});
    const auto match = QRegularExpression(R"(size:\s+([\d.]+) x ([\d.]+) pts)").match(info);
    return match.hasMatch() ? QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble())
                            : QSizeF();
}

QString PdfReader::text(int page) const {
    return run("pdftotext", {"-f", QString::number(page), "-l", QString::number(page), path_, "-"});
}

std::vector<PdfReader::Word> PdfReader::words(int page) const {
    const QString html = run("pdftotext", {"-bbox", "-f", QString::number(page), "-l",
                                           QString::number(page), path_, "-"});
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    std::vector<Word> found;
    for (auto it = word.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        found.push_back({m.captured(5), m.captured(1).toDouble(), m.captured(2).toDouble(),
                         m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return found;
}

QImage PdfReader::render(int page, const QRectF& area) const {
    const QString base = scratch_.filePath(QStringLiteral("render"));
    auto pixels = [](double points) {
        return QString::number(std::lround(points * kPixelsPerPoint));
    };
    run("pdftocairo",
        {"-png", "-gray", "-r", "720", "-f", QString::number(page), "-l", QString::number(page),
         "-x", pixels(area.x()), "-y", pixels(area.y()), "-W", pixels(area.width()), "-H",
         pixels(area.height()), "-singlefile", path_, base});
    return QImage(base + ".png").convertToFormat(QImage::Format_Grayscale8);
}

std::vector<double> PdfReader::verticalLines(int page, double y) const {
    const QImage band = render(page, QRectF(0, y, pageSize(page).width(), 0.1));
    std::vector<int> greys;
    for (int x = 0; x < band.width(); ++x) greys.push_back(qGray(band.pixel(x, 0)));
    std::vector<double> centres;
    for (const Run& r : darkRuns(greys)) centres.push_back(r.centre / kPixelsPerPoint);
    return centres;
}

std::vector<double> PdfReader::horizontalLines(int page, double x) const {
    const QImage band = render(page, QRectF(x, 0, 0.1, pageSize(page).height()));
    std::vector<int> greys;
    for (int y = 0; y < band.height(); ++y) greys.push_back(qGray(band.pixel(0, y)));
    std::vector<double> centres;
    for (const Run& r : darkRuns(greys)) centres.push_back(r.centre / kPixelsPerPoint);
    return centres;
}

double PdfReader::lineWidthAt(int page, double y, double x) const {
    const QImage band = render(page, QRectF(0, y, pageSize(page).width(), 0.1));
    std::vector<int> greys;
    for (int i = 0; i < band.width(); ++i) greys.push_back(qGray(band.pixel(i, 0)));
    double width = 0, distance = 1e9;
    for (const Run& r : darkRuns(greys)) {
        if (std::abs(r.centre / kPixelsPerPoint - x) < distance) {
            distance = std::abs(r.centre / kPixelsPerPoint - x);
            width = r.thickness / kPixelsPerPoint;
        }
    }
    return width;
}
