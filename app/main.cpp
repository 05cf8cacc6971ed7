#include <csignal>

#include "app/Startup.h"
#include "framework/ui/Runtime.h"

int main(int argc, char** argv) {
    // A save past a file-size limit, or into a pipe whose reader has left,
    // is to fail with its reason ("File too large", "Broken pipe") and keep
    // the earlier file, not end the program.
    std::signal(SIGXFSZ, SIG_IGN);
    std::signal(SIGPIPE, SIG_IGN);
    RuntimeInit(argc, argv);
    _Main();
    RuntimePerformFinalizers();
    return RuntimeExit();
}
