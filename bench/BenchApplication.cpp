#include "bench/BenchApplication.h"

#include <QApplication>

#include "framework/ui/Runtime.h"

void ensureApplication() {
    static int argc = 1;
    static char name[] = "velmora_bench";
    static char* argv[] = {name, nullptr};
    [[maybe_unused]] static QApplication* application = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        auto* created = new QApplication(argc, argv);
        RuntimeInit(argc, argv);  // as the program starts, but on the application above
        return created;
    }();
}
