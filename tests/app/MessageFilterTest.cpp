// SPDX-License-Identifier: MIT
#include "app/MessageFilter.h"

#include <gtest/gtest.h>

TEST(MessageFilterTest, KeepsOnlyMessagesOfRunsThatGoRightOffStandardError)
{
    const std::tuple<QtMsgType, const char *, bool> rows[] = {
        {QtWarningMsg, "  OpenType support missing for \"Liberation Sans\", script 11", true},
        {QtCriticalMsg, "OpenType support missing for \"Liberation Sans\", script 11", false},
        {QtWarningMsg, "QPainter::begin: Paint device returned engine == 0, type: 2", false},
        {QtWarningMsg, "Cannot open font file for \"OpenType support missing\"", false},
    };
    for (const auto &[type, message, harmless] : rows)
        EXPECT_EQ(isHarmlessQtMessage(type, QString::fromUtf8(message)), harmless) << message;
}
