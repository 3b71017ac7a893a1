// SPDX-License-Identifier: MIT
#include <QApplication>
#include <gtest/gtest.h>

// Every test binary gets a QApplication: fonts, images and widgets need one.
int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
