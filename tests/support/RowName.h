// SPDX-License-Identifier: MIT
#pragma once

#include <gtest/gtest.h>

#include <string>

// Names a row of a parameterised test by its own name field.
struct RowName
{
    template<typename Row>
    std::string operator()(const ::testing::TestParamInfo<Row> &info) const
    {
        return std::string(info.param.name);
    }
};
