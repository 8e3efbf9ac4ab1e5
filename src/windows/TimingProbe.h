// For the benchmark: with LUMENSCRIBE_TIMING set, moments the benchmark
// measures to are printed on stdout as "timing NAME NANOSECONDS" (the
// monotonic clock, which a benchmark script reads too). With it set to
// "startup", the application quits once its main window is on screen.
// Without the variable it does nothing.
#pragma once

class QWidget;

namespace lumenscribe {

class TimingProbe
{
public:
    static bool enabled();
    static void mark(const char* name);
    // Marks "exposed" after the window's first frame.
    static void watch(QWidget& window);
};

} // namespace lumenscribe
