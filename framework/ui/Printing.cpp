#include "framework/ui/Printing.h"

#include <cmath>
#include <deque>
#include <exception>
#include <string>
#include <utility>

#include <QApplication>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/MsgBox.h"
#include "framework/ui/ReplacingFile.h"
#include "framework/ui/ScriptedDialogs.h"

namespace {
// The printable area in points of paper.
QSizeF printableSize(const QPrinter& printer) {
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    return {area.width() * kUnitsPerInch / printer.logicalDpiX(),
            area.height() * kUnitsPerInch / printer.logicalDpiY()};
}

// The page step: the printable width in whole points, a hair below one
// still counting, as device pixels rarely make whole points. Each page shows
// exactly one step, so taped pages neither overlap nor lose a sliver.
Double pageStep(const QPrinter& printer) {
    return std::floor(printableSize(printer).width() + 1e-6);
}

bool printsToFile(const QPrinter& printer) { return printer.outputFormat() == QPrinter::PdfFormat; }

// The messages are built by appending: GCC 12 falsely warns (-Wrestrict) on
// "literal" + a temporary string.
std::string targetOf(const QPrinter& printer) {
    const bool toFile = printsToFile(printer);
    std::string target = toFile ? "\"" : "the printer \"";
    target += (toFile ? printer.outputFileName() : printer.printerName()).toStdString();
    target += '"';
    return target;
}

std::string printFailure(const QPrinter& printer, const QString& reason) {
    std::string message = "Could not print to ";
    message += targetOf(printer);
    message += ": ";
    message += reason.toStdString();
    message += '.';
    return message;
}

// Puts the recorded pages on the device; false when it takes no more.
bool playPages(const std::deque<QPicture>& pages, QPagedPaintDevice& device) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // A picture plays at its own resolution whatever the device's; it was
    // drawn in points.
    painter.scale(pages.front().logicalDpiX() / kUnitsPerInch,
                  pages.front().logicalDpiY() / kUnitsPerInch);
    for (std::size_t page = 0; page < pages.size(); ++page) {
        if (page > 0 && !device.newPage()) return false;
        painter.drawPicture(0, 0, pages[page]);
    }
    return painter.end();
}

// The drawing surface of a running print job, in points of paper. Its pages
// are recorded, and go to the printer or into the PDF file only when the
// job ends whole: a job abandoned by an exception prints nothing.
class PrintJob : public Graphics {
  public:
    PrintJob(const std::shared_ptr<QPrinter>& printer, std::unique_ptr<ReplacingFile> pdf,
             const std::shared_ptr<std::deque<QPicture>>& pages, std::unique_ptr<QPainter> painter)
        : Graphics(pages, std::move(painter), pageStep(*printer), printableSize(*printer).height(),
                   Units::Points),
          printer_(printer),
          pdf_(std::move(pdf)),
          pages_(*pages),
          exceptionsInFlightAtCreation_(std::uncaught_exceptions()) {}

    ~PrintJob() override {
        _Painter().end();
        if (std::uncaught_exceptions() > exceptionsInFlightAtCreation_) return;
        const QString reason = pdf_ ? writeFile() : print();
        if (reason.isEmpty()) return;
        ShowFailureOrLog(printFailure(*printer_, reason));
    }

    // A new page starts with the drawing state the last one ended with.
    void NextPage() override {
        QPainter& painter = _Painter();
        const QPen pen = painter.pen();
        const QBrush brush = painter.brush();
        const QFont font = painter.font();
        const QPainter::RenderHints hints = painter.renderHints();
        const QTransform transform = painter.worldTransform();
        const bool clipping = painter.hasClipping();
        const QRectF clip = painter.clipBoundingRect();  // the surface clips to a rectangle
        painter.end();
        pages_.emplace_back();
        painter.begin(&pages_.back());
        painter.setWorldTransform(transform);
        if (clipping) painter.setClipRect(clip);
        painter.setRenderHints(hints);
        painter.setFont(font);
        painter.setBrush(brush);
        painter.setPen(pen);
    }

  private:
    // The reason the job failed, or nothing.
    QString writeFile() {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setResolution(printer_->resolution());
        writer.setPageLayout(printer_->pageLayout());
        writer.setCreator(printer_->creator());
        writer.setTitle(printer_->docName());
        if (!playPages(pages_, writer)) return QStringLiteral("the pages could not be made");
        if (!pdf_->Write(bytes) || !pdf_->Commit()) return pdf_->ErrorString();
        return {};
    }

    QString print() {
        if (!playPages(pages_, *printer_) || printer_->printerState() == QPrinter::Error) {
            return QStringLiteral("the job could not be completed");
        }
        return {};
    }

    std::shared_ptr<QPrinter> printer_;
    std::unique_ptr<ReplacingFile> pdf_;  // printing to a file: its replacement
    std::deque<QPicture>& pages_;
    int exceptionsInFlightAtCreation_;
};

std::shared_ptr<Graphics> startJob(const std::shared_ptr<QPrinter>& printer) {
    std::unique_ptr<ReplacingFile> pdf;
    if (printsToFile(*printer)) {
        // Opened now, so that a file that cannot be written stops the job
        // before anything is drawn.
        auto opened = ReplacingFile::Open(printer->outputFileName());
        if (!opened.file) throw IOException(printFailure(*printer, opened.reason));
        pdf = std::move(opened.file);
    }
    auto pages = std::make_shared<std::deque<QPicture>>(1);
    auto painter = std::make_unique<QPainter>(&pages->front());
    return std::make_shared<PrintJob>(printer, std::move(pdf), pages, std::move(painter));
}

// A page layout in points; landscape when the paper is wider than high.
QPageLayout layoutOf(const ScriptedDialogs::PageSetupAnswer& answer) {
    const bool landscape = answer.paperWidth > answer.paperHeight;
    const QSizeF portrait = landscape ? QSizeF(answer.paperHeight, answer.paperWidth)
                                      : QSizeF(answer.paperWidth, answer.paperHeight);
    return QPageLayout(
        QPageSize(portrait, QPageSize::Point),
        landscape ? QPageLayout::Landscape : QPageLayout::Portrait,
        QMarginsF(answer.marginLeft, answer.marginTop, answer.marginRight, answer.marginBottom),
        QPageLayout::Point);
}
}  // namespace

PrinterSetup::PrinterSetup() : printer_(std::make_shared<QPrinter>(QPrinter::HighResolution)) {}

PrinterSetup::~PrinterSetup() = default;

Boolean PrinterSetup::PageSetupDialog() {
    if (const auto answer = ScriptedDialogs::TakePageSetupDialogAnswer()) {
        if (answer->cancelled) return false;
        if (!printer_->setPageLayout(layoutOf(*answer))) {
            throw UnsupportedFormatException("the printer takes no such page layout");
        }
        return true;
    }
    QPageSetupDialog dialog(printer_.get(), QApplication::activeWindow());
    dialog.setWindowModality(Qt::ApplicationModal);
    return dialog.exec() == QDialog::Accepted;
}

Integer PrinterSetup::Width() const { return static_cast<Integer>(pageStep(*printer_)); }

std::shared_ptr<Graphics> OpenPrinterDialog(const std::shared_ptr<PrinterSetup>& setup) {
    if (!setup) throw NilObjectException("OpenPrinterDialog was given no page setup");
    const std::shared_ptr<QPrinter>& printer = setup->_Printer();
    if (const auto answer = ScriptedDialogs::TakePrintDialogAnswer()) {
        if (answer->cancelled) return nullptr;
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(QString::fromStdString(answer->pdfPath));
    } else {
        QPrintDialog dialog(printer.get(), QApplication::activeWindow());
        dialog.setWindowModality(Qt::ApplicationModal);
        if (dialog.exec() != QDialog::Accepted) return nullptr;
    }
    // Named once the dialog is over: Qt's own dialog makes the PDF file name
    // it proposes from the job's, cut at its last point ("25.5 in": "25.pdf").
    QString jobName = QStringLiteral(VELMORA_PRODUCT_NAME);
    if (!setup->JobName().empty()) {
        jobName += QStringLiteral(" \u2013 ") + QString::fromStdString(setup->JobName());
    }
    printer->setDocName(jobName);
    return startJob(printer);
}
