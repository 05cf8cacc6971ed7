#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include "app/FileTypes1.h"
#include "app/Window1.h"
#include "bench/BenchApplication.h"
#include "framework/ui/ScriptedDialogs.h"
#include "outline/frmFretOutline.h"

namespace {
// The longest board the engine allows: 120 inches with 100 frets.
std::shared_ptr<class frmFretOutline> outlineOfTheLongestBoard() {
    ensureApplication();
    if (!FileTypes1::Png()) FileTypes1::_Initialize();
    auto main = Window1();
    QCoreApplication::processEvents();
    main->TextField1()->setText("120");
    main->TextField2()->setText("100");
    return frmFretOutline();
}

void closeAll() {
    for (const auto& window : Window::_OpenWindows()) window->Close();
    QCoreApplication::sendPostedEvents();
}

// Drawing the 8640 x 108 picture, encoding it and writing the file; the save
// dialog is answered at once.
void BM_LongestBoardAsPng(benchmark::State& state) {
    auto outline = outlineOfTheLongestBoard();
    QTemporaryDir folder;
    const std::string path = folder.filePath("Fret Layout.png").toStdString();
    for (auto _ : state) {
        ScriptedDialogs::AnswerNextSaveDialog(path);
        outline->FileHorz();
    }
    if (QFile(QString::fromStdString(path)).size() == 0) state.SkipWithError("no picture");
    ScriptedDialogs::ClearSaveDialogs();
    closeAll();
}
BENCHMARK(BM_LongestBoardAsPng)->Unit(benchmark::kMillisecond);

// Ten such boards printed to a PDF: 15 pages of 576 points each.
void BM_TenLongestBoardsToPdf(benchmark::State& state) {
    auto outline = outlineOfTheLongestBoard();
    outline->PopupMenu1()->setListIndex(9);
    QTemporaryDir folder;
    const std::string path = folder.filePath("outline.pdf").toStdString();
    for (auto _ : state) {
        ScriptedDialogs::AnswerNextPageSetupDialog({false, 612, 792, 18, 18, 18, 18});
        ScriptedDialogs::AnswerNextPrintDialog(path);
        outline->PrintHorz();
    }
    const auto bytes = QFile(QString::fromStdString(path)).size();
    state.counters["bytes"] = static_cast<double>(bytes);
    if (bytes == 0) state.SkipWithError("no PDF");
    ScriptedDialogs::ClearPrintDialogs();
    closeAll();
}
BENCHMARK(BM_TenLongestBoardsToPdf)->Unit(benchmark::kMillisecond);
}  // namespace
