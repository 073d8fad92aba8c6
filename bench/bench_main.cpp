// The main of both benchmark executables: a GUI application (fonts and painting need one), or a widget
// application when a case paints a window. Run them on the offscreen platform.

#include "platform/font_substitution.h"

#include <benchmark/benchmark.h>

#ifdef MOLVANE_BENCH_WIDGETS
#include <QApplication>
using BenchApplication = QApplication;
#else
#include <QGuiApplication>
using BenchApplication = QGuiApplication;
#endif

int main(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    BenchApplication app(argc, argv);
    molvane::installFontSubstitutions();
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
