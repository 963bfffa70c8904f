// SPDX-License-Identifier: MIT
// Test programs run GoogleTest inside a QApplication, so widgets, fonts and the palette work as in
// the program. CTest sets QT_QPA_PLATFORM=offscreen; listing the tests needs no application.

#include <gtest/gtest.h>

#include <QApplication>
#include <memory>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    std::unique_ptr<QApplication> app;
    if (!::testing::GTEST_FLAG(list_tests)) app = std::make_unique<QApplication>(argc, argv);
    return RUN_ALL_TESTS();
}
