// SPDX-License-Identifier: MIT
#include "dialogs/HandlerGuard.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(RunGuardedTest, ReportsTheErrorAndStopsTheHandler)
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

TEST(RunGuardedTest, ShowsNothingWhenTheHandlerFinishes)
{
    std::vector<MsgBoxRequest> boxes;
    int runs = 0;
    EXPECT_TRUE(runGuarded([&](const MsgBoxRequest &box) { boxes.push_back(box); }, [&] { ++runs; }));
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(boxes.empty());
}

TEST(RunGuardedTest, ReportsTypeMismatchWithItsNumber)
{
    std::vector<MsgBoxRequest> boxes;
    runGuarded([&](const MsgBoxRequest &box) { boxes.push_back(box); },
               [] { throw RuntimeError(RuntimeError::TypeMismatch); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Run-time error '13':\r\n\r\nType mismatch");
}

} // namespace
