// SPDX-License-Identifier: MIT
#pragma once

#include "platform/RuntimeError.h"

#include <gtest/gtest.h>

// Expects statement to raise the run-time error with the given number.
#define EXPECT_RUNTIME_ERROR(statement, expectedNumber)                                         \
    do {                                                                                        \
        try {                                                                                   \
            statement;                                                                          \
            ADD_FAILURE() << "expected run-time error " << int(expectedNumber) << ", got none"; \
        } catch (const RuntimeError &error) {                                                   \
            EXPECT_EQ(int(error.number()), int(expectedNumber)) << error.what();                \
        }                                                                                       \
    } while (false)
