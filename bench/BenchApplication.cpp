#include "bench/BenchApplication.h"

#include <QApplication>

void ensureApplication() {
    static int argc = 1;
    static char name[] = "velmora_bench";
    static char* argv[] = {name, nullptr};
    [[maybe_unused]] static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
}
