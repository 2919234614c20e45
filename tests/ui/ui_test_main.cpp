// Window tests run headless: the offscreen platform must be chosen before the
// QApplication exists, or test discovery fails on a machine without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/tervala_resources.h"

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    // What the window remembers between starts goes to a folder of the tests.
    QTemporaryDir settings;
    qputenv("XDG_CONFIG_HOME", settings.path().toLocal8Bit());
    QApplication app(argc, argv);
    tervala::InitTervalaResources();  // the pictures and texts live in the static ui library
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
