#include "app/Startup.h"
#include "framework/ui/Runtime.h"

int main(int argc, char** argv) {
    RuntimeInit(argc, argv);
    _Main();
    RuntimePerformFinalizers();
    return RuntimeExit();
}
