// SPDX-License-Identifier: MIT
#pragma once

// This process's CPU time so far, its resident memory now and the most it
// has held.
double cpuSeconds();
double residentMegabytes();
double peakMegabytes();
