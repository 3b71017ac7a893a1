// SPDX-License-Identifier: MIT
#include "PairedRuns.h"

#include "Statistics.h"

#include <algorithm>
#include <utility>

PairedRuns::PairedRuns(std::string baselineName, std::string runName)
    : m_baselineName(std::move(baselineName))
    , m_runName(std::move(runName))
{
}

bool PairedRuns::add(benchmark::State &state, const ChildRun &baseline, const ChildRun &run)
{
    if (!baseline.done || !run.done) {
        state.SkipWithError("a program failed");
        return false;
    }
    state.SetIterationTime(run.seconds);
    m_baseline.push_back(baseline.seconds * 1000);
    m_run.push_back(run.seconds * 1000);
    m_baselineCpu.push_back(baseline.cpuSeconds * 1000);
    m_runCpu.push_back(run.cpuSeconds * 1000);
    m_peakMegabytes = std::max(m_peakMegabytes, run.peakMegabytes);
    return true;
}

void PairedRuns::report(benchmark::State &state) const
{
    state.counters[m_runName + "_ms"] = median(m_run);
    state.counters[m_baselineName + "_ms"] = median(m_baseline);
    state.counters["ratio"] = median(m_run) / median(m_baseline);
    // CPU time of the program itself: the wall time also counts waiting for
    // a busy machine.
    state.counters["cpu_ms"] = median(m_runCpu);
    state.counters["cpu_ratio"] = median(m_runCpu) / median(m_baselineCpu);
    state.counters["peak_MB"] = m_peakMegabytes;
}
