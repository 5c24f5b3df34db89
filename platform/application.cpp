#include "application.h"

#include <QApplication>

namespace platform {

Application::Application(int& argc, char** argv) : app_(std::make_unique<QApplication>(argc, argv)) {}

Application::~Application() = default;

int Application::Run() { return QApplication::exec(); }

bool Application::DisplayAvailable()
{
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") || !qEnvironmentVariableIsEmpty("DISPLAY")
        || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
}

} // namespace platform
