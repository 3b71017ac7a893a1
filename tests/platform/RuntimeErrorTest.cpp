// SPDX-License-Identifier: MIT
#include "platform/RuntimeError.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

namespace {

struct DescriptionCase
{
    const char *name;
    RuntimeError::Number number;
    const char *description;
};

class RuntimeErrorTest : public ::testing::TestWithParam<DescriptionCase>
{
};

TEST_P(RuntimeErrorTest, CarriesNumberAndDescription)
{
    const RuntimeError error(GetParam().number);
    EXPECT_EQ(error.description(), QString::fromLatin1(GetParam().description));
    EXPECT_EQ(QString::fromUtf8(error.what()),
              QStringLiteral("Run-time error '%1': %2").arg(int(GetParam().number)).arg(GetParam().description));
}

const DescriptionCase descriptionCases[] = {
    {"InvalidProcedureCall", RuntimeError::InvalidProcedureCall, "Invalid procedure call or argument"},
    {"Overflow", RuntimeError::Overflow, "Overflow"},
    {"SubscriptOutOfRange", RuntimeError::SubscriptOutOfRange, "Subscript out of range"},
    {"DivisionByZero", RuntimeError::DivisionByZero, "Division by zero"},
    {"TypeMismatch", RuntimeError::TypeMismatch, "Type mismatch"},
    {"PrinterError", RuntimeError::PrinterError, "Printer error"},
};

INSTANTIATE_TEST_SUITE_P(RuntimeError, RuntimeErrorTest, ::testing::ValuesIn(descriptionCases),
                         RowName());

} // namespace
