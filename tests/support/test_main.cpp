#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "form/fonts.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    return RUN_ALL_TESTS();
}
