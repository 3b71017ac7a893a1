#include "platform/HandlerGuard.h"
#include "platform/RuntimeError.h"

#include <gtest/gtest.h>
#include <vector>

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
                         [](const auto &info) { return std::string(info.param.name); });

TEST(RunGuarded, ReportsTheErrorAndStopsTheHandler)
{
    std::vector<MsgBoxRequest> boxes;
    bool reachedAfterError = false;
    const bool finished = runGuarded([&](const MsgBoxRequest &box) { boxes.push_back(box); }, [&] {
        throw RuntimeError(RuntimeError::Overflow);
        reachedAfterError = true;
    });
    EXPECT_FALSE(finished);
    EXPECT_FALSE(reachedAfterError);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Run-time error '6':\r\n\r\nOverflow");
    EXPECT_EQ(boxes[0].style, 0);
    EXPECT_EQ(effectiveTitle(boxes[0]), u"Monthly Calendar");
}

TEST(RunGuarded, ShowsNothingWhenTheHandlerFinishes)
{
    std::vector<MsgBoxRequest> boxes;
    int runs = 0;
    EXPECT_TRUE(runGuarded([&](const MsgBoxRequest &box) { boxes.push_back(box); }, [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST(RunGuarded, ReportsTypeMismatchWithItsNumber)
{
    std::vector<MsgBoxRequest> boxes;
    runGuarded([&](const MsgBoxRequest &box) { boxes.push_back(box); },
               [] { throw RuntimeError(RuntimeError::TypeMismatch); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Run-time error '13':\r\n\r\nType mismatch");
}

} // namespace
