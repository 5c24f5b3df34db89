#pragma once

#include <memory>

class QApplication;

namespace platform {

// The program's event loop on the user-interface thread.
class Application {
public:
    Application(int& argc, char** argv);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Delivers events until the last window closes; returns the exit status.
    int Run();

    // False when no graphical display is configured, so that starting would fail.
    static bool DisplayAvailable();

private:
    std::unique_ptr<QApplication> app_;
};

} // namespace platform
