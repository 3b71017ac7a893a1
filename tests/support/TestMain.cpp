// SPDX-License-Identifier: MIT
#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

// Every test binary gets a QApplication: fonts, images and widgets need one.
int main(int argc, char **argv)
{
    // The user's own settings never reach a test, nor the programs it starts.
    const QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
