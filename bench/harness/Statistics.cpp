// SPDX-License-Identifier: MIT
#include "Statistics.h"

#include <algorithm>
#include <utility>

double percentile(std::vector<double> values, int percent)
{
    if (values.empty())
        return 0;
    const auto at = values.begin() + std::ptrdiff_t(std::min(values.size() - 1, values.size() * size_t(percent) / 100));
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

double median(std::vector<double> values)
{
    return percentile(std::move(values), 50);
}
