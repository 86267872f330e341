#include <gtest/gtest.h>

#include <QApplication>
#include <cstdlib>

#include "form/area_hook.h"
#include "form/fonts.h"

int main(int argc, char** argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    fonts::installSubstitutions();
    area_hooks::setStrict(true);  // a hook nobody set is a wiring fault
    return RUN_ALL_TESTS();
}
