// SPDX-License-Identifier: MIT
#include "app/HandBackGate.h"
#include "tests/support/RowName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Role = HandBackGate::Role;

enum class Step { Show, OpenSecondary, FocusMain, FocusSecondary, FocusOther, FocusNone, HandBack };

struct Scenario
{
    std::string name;
    std::vector<Step> steps;
    int expectedRuns;
};

int runs(const std::vector<Step> &steps)
{
    HandBackGate gate;
    int count = 0;
    for (Step step : steps) {
        bool run = false;
        switch (step) {
        case Step::Show: run = gate.mainShown(); break;
        case Step::OpenSecondary: gate.secondaryShown(); break;
        case Step::FocusMain: run = gate.focusMoved(Role::Main); break;
        case Step::FocusSecondary: run = gate.focusMoved(Role::Secondary); break;
        case Step::FocusOther: run = gate.focusMoved(Role::Other); break;
        case Step::FocusNone: run = gate.focusMoved(Role::None); break;
        case Step::HandBack: run = gate.handedBack(); break;
        }
        count += run ? 1 : 0;
    }
    return count;
}

using S = Step;

const std::vector<Scenario> scenarios = {
    {"FirstShowRunsOnceThoughFocusFollows", {S::Show, S::FocusMain}, 1},
    {"ShowingAgainDoesNotRun", {S::Show, S::FocusMain, S::Show}, 1},
    {"SelectWithWindowManagerRunsOnce",
     {S::Show, S::FocusMain, S::OpenSecondary, S::FocusSecondary, S::HandBack, S::FocusMain}, 2},
    {"FocusReturnBeforeHandBackRunsOnce",
     {S::Show, S::FocusMain, S::OpenSecondary, S::FocusSecondary, S::FocusMain, S::HandBack}, 2},
    {"SelectWithoutWindowManagerRunsOnce", {S::Show, S::OpenSecondary, S::HandBack}, 2},
    {"SelectWithoutWindowManagerTwice", {S::Show, S::OpenSecondary, S::HandBack, S::OpenSecondary, S::HandBack}, 3},
    {"EveryReturnFromAnOpenChooserRuns",
     {S::Show, S::FocusMain, S::OpenSecondary, S::FocusSecondary, S::FocusMain, S::FocusSecondary, S::FocusMain,
      S::FocusSecondary, S::HandBack, S::FocusMain},
     4},
    {"ReturnFromAnotherApplicationDoesNotRun", {S::Show, S::FocusMain, S::FocusNone, S::FocusMain}, 1},
    {"ClosedMessageBoxDoesNotRun", {S::Show, S::FocusMain, S::FocusOther, S::FocusMain}, 1},
    {"ClosedFontDialogAfterAReturnDoesNotRun",
     {S::Show, S::OpenSecondary, S::FocusSecondary, S::HandBack, S::FocusMain, S::FocusOther, S::FocusMain}, 2},
    {"ChooserThenOtherApplicationThenMainDoesNotRun",
     {S::Show, S::FocusMain, S::OpenSecondary, S::FocusSecondary, S::FocusNone, S::FocusMain}, 1},
    {"MessageBoxOverTheChooserKeepsTheReturnPending",
     {S::Show, S::OpenSecondary, S::FocusSecondary, S::FocusOther, S::FocusSecondary, S::HandBack, S::FocusMain}, 2},
    {"MessageBoxShownByTheHandBackDoesNotRunAgain",
     {S::Show, S::OpenSecondary, S::FocusSecondary, S::HandBack, S::FocusOther, S::FocusMain}, 2},
    {"HandBackWithoutAnOpenWindowDoesNotRun", {S::Show, S::HandBack}, 1},
};

class HandBackGateTest : public ::testing::TestWithParam<Scenario>
{
};

TEST_P(HandBackGateTest, RunsTheHandBackOncePerReturn)
{
    EXPECT_EQ(runs(GetParam().steps), GetParam().expectedRuns);
}

INSTANTIATE_TEST_SUITE_P(Transitions, HandBackGateTest, ::testing::ValuesIn(scenarios),
                         RowName());

} // namespace
