// SPDX-License-Identifier: MIT
#pragma once

#include "ChildRun.h"

#include <benchmark/benchmark.h>
#include <string>
#include <vector>

// A program run beside its baseline in turn, so both meet the same load:
// their medians in wall and CPU time, and how they compare.
class PairedRuns
{
public:
    PairedRuns(std::string baselineName, std::string runName);

    // False, and the benchmark marked failed, when either run failed; the
    // run's wall time is the iteration's time.
    bool add(benchmark::State &state, const ChildRun &baseline, const ChildRun &run);
    void report(benchmark::State &state) const;

private:
    std::string m_baselineName;
    std::string m_runName;
    std::vector<double> m_baseline, m_run, m_baselineCpu, m_runCpu;
    double m_peakMegabytes = 0;
};
