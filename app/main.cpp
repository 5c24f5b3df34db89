#include "application.h"
#include "form1.h"
#include "translations.h"

#include <iostream>

int main(int argc, char** argv)
{
    const platform::Application::About about{
        "vemmick", "Vemmick 2", VEMMICK_VERSION,
        QT_TRANSLATE_NOOP("Application", "Animates the two-colour ant (Langton's ant) on a wrapping grid, cell by cell, "
                                         "in one window; everything else is set in the window."),
        "io.github.vemmick.vemmick"};
    if (const auto status = platform::Application::HandleCommandLine(argc, argv, about))
        return *status;
    if (!platform::Application::DisplayAvailable()) {
        std::cerr << platform::Tr("Application", "vemmick needs a graphical display and none is set (DISPLAY is empty); "
                                                 "run it on a desktop, or under xvfb-run")
                  << "\n";
        return 1;
    }
    platform::Application app(argc, argv, about);
    mainwindow::Form1 form;
    form.Show();
    return app.Run();
}
