// SPDX-License-Identifier: MIT
#include "surface/FontSubstitutions.h"

#include <QApplication>
#include <benchmark/benchmark.h>

// Every benchmark program runs in a widget application without a screen, with
// the program's font substitutions, as the program itself runs.
int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    installFontSubstitutions();
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
