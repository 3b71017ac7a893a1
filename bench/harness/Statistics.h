// SPDX-License-Identifier: MIT
#pragma once

#include <vector>

// The value below which the given percent of the values lie (the upper one
// of the two middle values for the median of an even count); 0 for none.
double percentile(std::vector<double> values, int percent);
double median(std::vector<double> values);
