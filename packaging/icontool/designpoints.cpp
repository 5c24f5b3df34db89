// Writes the main window's design in pixels as shell variables, for the scripts that drive the
// real program (scripts/drive.sh): FORM_WIDTH, FORM_HEIGHT and, for each control of the table,
// NAME_LEFT, NAME_TOP, NAME_WIDTH and NAME_HEIGHT. Built from the table itself, so the scripts
// always find what the program draws.
//   designpoints FILE
#include "form1design.h"

#include <fstream>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: designpoints FILE\n";
        return 2;
    }
    namespace design = mainwindow::design;
    using platform::TwipsPerPixel;
    std::ofstream out(argv[1]);
    out << "# Written by designpoints from mainwindow/form1design.h: the main window's design in pixels.\n"
        << "FORM_WIDTH=" << design::FormWidth / TwipsPerPixel << "\nFORM_HEIGHT=" << design::FormHeight / TwipsPerPixel << "\n";
    for (const auto& [name, control] : design::Controls)
        out << name << "_LEFT=" << control->left / TwipsPerPixel << "\n"
            << name << "_TOP=" << control->top / TwipsPerPixel << "\n"
            << name << "_WIDTH=" << control->width / TwipsPerPixel << "\n"
            << name << "_HEIGHT=" << control->height / TwipsPerPixel << "\n";
    return out.flush() ? 0 : 1;
}
