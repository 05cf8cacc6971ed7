#include "framework/ui/Printing.h"

#include <cmath>
#include <string>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>

#include "framework/runtime/Exceptions.h"
#include "framework/ui/Graphics.h"
#include "framework/ui/MsgBox.h"
#include "framework/ui/ScriptedDialogs.h"

namespace {
constexpr Double kPointsPerInch = 72;

// The printable area in points of paper.
QSizeF printableSize(const QPrinter& printer) {
    const QRectF area = printer.pageRect(QPrinter::DevicePixel);
    return {area.width() * kPointsPerInch / printer.logicalDpiX(),
            area.height() * kPointsPerInch / printer.logicalDpiY()};
}

// The page step: the printable width in whole points, a hair below one
// still counting, as device pixels rarely make whole points. Each page shows
// exactly one step, so taped pages neither overlap nor lose a sliver.
Double pageStep(const QPrinter& printer) {
    return std::floor(printableSize(printer).width() + 1e-6);
}

bool printsToFile(const QPrinter& printer) { return printer.outputFormat() == QPrinter::PdfFormat; }

std::string targetOf(const QPrinter& printer) {
    if (printsToFile(printer)) return "\"" + printer.outputFileName().toStdString() + "\"";
    return "the printer \"" + printer.printerName().toStdString() + "\"";
}

// Qt does not say why a PDF file cannot be opened; the file system does.
QString whyNotWritable(const QString& path) {
    QFile probe(path);
    const bool existed = probe.exists();
    if (!probe.open(QIODevice::WriteOnly | QIODevice::Append)) return probe.errorString();
    probe.close();
    if (!existed) probe.remove();
    return QStringLiteral("the printing system refused it");
}

// A PDF cut short by a full disk lacks its end-of-file marker.
bool pdfIsComplete(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile()) return true;  // a device or pipe: nothing to read back
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 tail = 64;
    if (file.size() > tail) file.seek(file.size() - tail);
    return file.readAll().contains("%%EOF");
}

// The drawing surface of a running print job, in points of paper; the job
// ends with the surface.
class PrintJob : public Graphics {
  public:
    PrintJob(const std::shared_ptr<QPrinter>& printer, std::unique_ptr<QPainter> painter)
        : Graphics(printer, std::move(painter), pageStep(*printer),
                   printableSize(*printer).height(), Units::Points),
          printer_(*printer) {}

    ~PrintJob() override {
        const bool ended = _Painter().end();
        const bool written = !printsToFile(printer_) || pdfIsComplete(printer_.outputFileName());
        if (ended && written && printer_.printerState() != QPrinter::Error) return;
        const std::string message =
            "Could not print to " + targetOf(printer_) + ": the job could not be completed";
        try {
            MsgBox(message);
        } catch (...) {
            qCritical("%s", message.c_str());
        }
    }

    void NextPage() override {
        if (!printer_.newPage()) {
            throw IOException("Could not print to " + targetOf(printer_) +
                              ": no new page could be started");
        }
    }

  private:
    QPrinter& printer_;
};

std::shared_ptr<Graphics> startJob(const std::shared_ptr<QPrinter>& printer) {
    auto painter = std::make_unique<QPainter>();
    if (!painter->begin(printer.get())) {
        const QString reason = printsToFile(*printer) ? whyNotWritable(printer->outputFileName())
                                                      : QStringLiteral("the job was refused");
        throw IOException("Could not print to " + targetOf(*printer) + ": " + reason.toStdString());
    }
    // One unit is one point of paper, whatever the printer's resolution.
    painter->scale(printer->logicalDpiX() / kPointsPerInch,
                   printer->logicalDpiY() / kPointsPerInch);
    return std::make_shared<PrintJob>(printer, std::move(painter));
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
    return startJob(printer);
}
