#pragma once

#include <memory>
#include <optional>
#include <string>

class QApplication;

namespace platform {

// The program's event loop on the user-interface thread.
class Application {
public:
    // What the program says of itself on its command line.
    struct About {
        std::string name;    // the command, "vemmick"
        std::string title;   // the name a user sees, "Vemmick 2"
        std::string version; // "2.2.0"
        std::string summary; // one sentence for --help, in English; shown in the user's language
        std::string desktopEntry; // the desktop entry's name without ".desktop"
    };

    // Reads a command line that takes --help and --version and nothing else. Returns the status to
    // exit with at once: 0 after showing the help or the version, 2 after one line about anything
    // else; nothing when the program is to start. The text goes to stdout or stderr; on Windows,
    // where a windowed program has no console, it goes into a message box unless that stream is
    // a pipe or a file. Opens no window of the program. Loads the desktop's language
    // (core/translations.h), which the texts say and the program speaks from then on.
    static std::optional<int> HandleCommandLine(int argc, char** argv, const About& about);

    // False when no graphical display is configured, so that starting would fail.
    static bool DisplayAvailable();

    // Draws every window at a whole multiple of its design size: the desktop's scale (125%, 150%,
    // 200%, ...) is rounded to the nearest whole factor, so that each pixel of the program is a
    // whole square of device pixels and dots, borders and pictures stay exact (the controls'
    // text is sized in the same pixels: controlstyle.h). Takes effect for an application object
    // made after the call; the constructor makes it.
    static void UseWholeScaleFactors();

    // The program writes no settings, and neither do the dialogs that Qt lends it (the save
    // dialog would remember its folders and its look). The constructor calls it; it needs the
    // application object.
    static void KeepNoSettings();

    // Connects to the display. One that is configured but cannot be opened ends the program with
    // status 1 and one line on stderr that names it.
    Application(int& argc, char** argv, const About& about);
    ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Delivers events until the last window closes; returns the exit status.
    int Run();

private:
    std::unique_ptr<QApplication> app_;
};

} // namespace platform
