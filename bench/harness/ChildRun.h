// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>
#include <vector>

// What one child process did: whether it succeeded, its wall and CPU time,
// the most memory it held, and what it wrote to its standard output.
struct ChildRun
{
    bool done = false;
    double seconds = 0;
    double cpuSeconds = 0;
    double peakMegabytes = 0;
    // Peak above what a forked child already held when its work began.
    double addedMegabytes = 0;
    std::string output;
};

// Runs work in a forked child, timed there, so that its memory is its own.
ChildRun runInChild(const std::function<bool()> &work);

// Starts a program with these variables added to (or replacing those in) the
// environment, its errors discarded, and waits for it.
ChildRun runProgram(std::vector<std::string> arguments, const std::vector<std::string> &variables = {});
