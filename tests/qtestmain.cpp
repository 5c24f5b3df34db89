#include "application.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    // Test discovery runs this binary without the test environment; never let it look for a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
        && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // Qt keeps its runtime files in a private folder, which a bare test environment lacks.
    const QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR") && runtime.isValid())
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    platform::Application::UseWholeScaleFactors(); // as the program draws
    QApplication app(argc, argv);
    platform::Application::KeepNoSettings(); // as the program keeps none
    return RUN_ALL_TESTS();
}
