#include "application.h"
#include "form1.h"

#include <iostream>

int main(int argc, char** argv)
{
    if (!platform::Application::DisplayAvailable()) {
        std::cerr << "vemmick needs a graphical display and none is set (DISPLAY is empty); "
                     "run it on a desktop, or under xvfb-run\n";
        return 1;
    }
    platform::Application app(argc, argv);
    mainwindow::Form1 form;
    form.Show();
    return app.Run();
}
