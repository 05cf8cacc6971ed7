#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QLineEdit>
#include <QTableWidget>

#include "app/Window1.h"
#include "bench/BenchApplication.h"
#include "engine/cFretCalculator.h"
#include "framework/runtime/Math.h"
#include "framework/runtime/Text.h"
#include "tests/support/PaintCounter.h"

namespace {
const char* const kLengths[] = {"25.5", "25.4"};

// The main window set for the largest table: 100 frets, dulcimer, every half fret.
std::shared_ptr<class Window1> windowForTheLargestTable() {
    ensureApplication();
    auto window = Window1();
    QCoreApplication::processEvents();
    window->TextField2()->setText("100");
    window->CheckBox7()->setValue(true);
    for (const auto& box : {window->CheckBox1(), window->CheckBox2(), window->CheckBox3(),
                            window->CheckBox4(), window->CheckBox5()}) {
        box->setValue(true);
    }
    return window;
}

// Runs what a keystroke left behind without waiting: the posted repaint and
// any zero-time timer, and whatever those post in turn.
void settle() {
    for (int pass = 0; pass < 3; ++pass) QCoreApplication::processEvents();
}

// One keystroke's full road on the largest table: the text change, the
// recalculation through a new engine object and the 127 rows of the list.
void BM_KeystrokeOnTheLargestTable(benchmark::State& state) {
    auto window = windowForTheLargestTable();
    int next = 0;
    for (auto _ : state) {
        window->TextField1()->setText(kLengths[next]);
        next ^= 1;
        if (window->Listbox1()->ListCount() != 127) state.SkipWithError("the list is not full");
    }
    window->Close();
    QCoreApplication::sendPostedEvents();
}
BENCHMARK(BM_KeystrokeOnTheLargestTable)->Unit(benchmark::kMicrosecond);

// The same in a shown window, up to the list's repaint; "paints" counts the
// list's paints per keystroke.
void BM_KeystrokeOnTheLargestTableRepainted(benchmark::State& state) {
    auto window = windowForTheLargestTable();
    window->Handle()->show();
    settle();
    PaintCounter counter(
        static_cast<QAbstractScrollArea*>(window->Listbox1()->Handle())->viewport());
    int next = 0;
    for (auto _ : state) {
        window->TextField1()->setText(kLengths[next]);
        next ^= 1;
        settle();
    }
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    if (counter.paints == 0) state.SkipWithError("the list was not painted");
    window->Close();
    QCoreApplication::sendPostedEvents();
}
BENCHMARK(BM_KeystrokeOnTheLargestTableRepainted)->Unit(benchmark::kMicrosecond);

// The yardstick for the one above: a plain Qt window of three line edits and
// a seven-column table of the same size, refilled from the same engine text
// on every change.
void BM_PlainQtTableKeystrokeRepainted(benchmark::State& state) {
    ensureApplication();
    QWidget window;
    window.resize(959, 450);
    auto* length = new QLineEdit(&window);
    auto* frets = new QLineEdit(&window);
    auto* perOctave = new QLineEdit(&window);
    length->setGeometry(132, 13, 80, 22);
    frets->setGeometry(132, 46, 80, 22);
    perOctave->setGeometry(132, 79, 80, 22);
    frets->setText("100");
    perOctave->setText("12");
    auto* table = new QTableWidget(0, 7, &window);
    table->setGeometry(309, 14, 630, 416);
    table->verticalHeader()->hide();
    table->verticalHeader()->setDefaultSectionSize(22);
    QObject::connect(length, &QLineEdit::textChanged, [&] {
        cFretCalculator calculator;
        calculator.setScaleLength(Val(length->text().toStdString()));
        calculator.setNumFrets(ToInteger(Val(frets->text().toStdString())));
        calculator.setFretsPerOctave(ToInteger(Val(perOctave->text().toStdString())));
        calculator.isDulcimer = true;
        calculator.setDulcHalfFrets(true, true, true, true, true);
        calculator.calcDulcFrets();
        table->setRowCount(0);
        const auto lines = Split(calculator.FretAsOffsets(), EndOfLine());
        for (std::size_t i = 4; i < lines.size(); ++i) {
            if (Trim(lines[i]).empty()) continue;
            const int row = table->rowCount();
            table->insertRow(row);
            const auto fields = Split(lines[i], Chr(9));
            for (std::size_t k = 0; k < fields.size() && k < 7; ++k) {
                table->setItem(row, static_cast<int>(k),
                               new QTableWidgetItem(QString::fromStdString(Trim(fields[k]))));
            }
        }
    });
    window.show();
    settle();
    PaintCounter counter(table->viewport());
    int next = 0;
    for (auto _ : state) {
        length->setText(kLengths[next]);
        next ^= 1;
        settle();
    }
    state.counters["paints"] =
        benchmark::Counter(counter.paints, benchmark::Counter::kAvgIterations);
    if (table->rowCount() != 127) state.SkipWithError("the table is not full");
}
BENCHMARK(BM_PlainQtTableKeystrokeRepainted)->Unit(benchmark::kMicrosecond);
}  // namespace
