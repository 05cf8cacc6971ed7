#pragma once

// One QApplication on the offscreen platform for the in-process benchmarks,
// created on first use. It is never destroyed: at exit Qt's own globals are
// already gone.
void ensureApplication();
