#pragma once

#include <memory>
#include <string>

#include "framework/runtime/Types.h"

class Graphics;
class QPrinter;

// The settings of one print: the paper, its orientation and margins, and
// later the printer. A new one holds the platform's defaults.
class PrinterSetup {
  public:
    PrinterSetup();
    ~PrinterSetup();
    PrinterSetup(const PrinterSetup&) = delete;
    PrinterSetup& operator=(const PrinterSetup&) = delete;

    // Shows the system's application-modal page setup dialog over the active
    // window; False when the user cancels it, and the settings stay as they were.
    Boolean PageSetupDialog();

    // The width of the page's printable area in whole points, rounded down:
    // the page step, and the width each page of a job shows, so that pages
    // stepped by it neither overlap nor lose a sliver.
    Integer Width() const;

    // What the print queue and a PDF's Title call the job: the program's name
    // followed by this one, or the program's name alone while it is empty.
    const std::string& JobName() const { return jobName_; }
    void setJobName(const std::string& name) { jobName_ = name; }

    // The printer, for the framework's own use and for tests.
    const std::shared_ptr<QPrinter>& _Printer() const { return printer_; }

  private:
    std::shared_ptr<QPrinter> printer_;
    std::string jobName_;
};

// Shows the system's application-modal print dialog for the setup (its
// "Print to File (PDF)" always there) and starts the print job. Returns the
// job's drawing surface, or nullptr when the user cancels: one unit is one
// point of paper, the origin is the printable area's top-left, and what
// falls outside the printable area, cut to `Width` whole points, is not
// printed. The job is ended and handed to the printer, or its PDF file
// replaced whole, when the last reference to the surface goes; a failure
// then is shown to the user, since it cannot be raised, and leaves an
// earlier file of that name as it was. A surface released while an
// exception unwinds prints nothing. NilObjectException when `setup` is nil;
// IOException naming the file when it cannot be written.
std::shared_ptr<Graphics> OpenPrinterDialog(const std::shared_ptr<PrinterSetup>& setup);
