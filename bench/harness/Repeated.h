// SPDX-License-Identifier: MIT
#pragma once

#include <benchmark/benchmark.h>

// In milliseconds of wall time with the whole process's CPU time, five
// repetitions reported as their mean, median and spread.
inline void repeatedInMilliseconds(benchmark::internal::Benchmark *benchmark)
{
    benchmark->Unit(benchmark::kMillisecond)->MeasureProcessCPUTime()->UseRealTime()->Repetitions(5)->ReportAggregatesOnly(true);
}
