// Checks a screenshot of the running program against the simulation run alone.
//   e2e_check SHOT.png "TITLE" LEFT TOP DOT COLOUR_ONE COLOUR_TWO
// TITLE is the run caption ("W x H  N Steps  Color 1: a%  Color 2: b%"); LEFT, TOP the screen position
// of the drawing area's first inner pixel; colours as RRGGBB. Every pixel of the grid must be colour
// one where the simulated cell is in state 1 and colour two elsewhere.
#include "antworld.h"
#include "captions.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <string>

int main(int argc, char** argv)
{
    if (argc != 8) {
        std::cerr << "usage: e2e_check SHOT TITLE LEFT TOP DOT COLOUR_ONE COLOUR_TWO\n";
        return 2;
    }
    const QImage shot(QString::fromLocal8Bit(argv[1]));
    const std::string title = argv[2];
    const int left = std::atoi(argv[3]);
    const int top = std::atoi(argv[4]);
    const int dot = std::atoi(argv[5]);
    const QRgb one = 0xFF000000U | static_cast<QRgb>(std::strtoul(argv[6], nullptr, 16));
    const QRgb two = 0xFF000000U | static_cast<QRgb>(std::strtoul(argv[7], nullptr, 16));
    int width = 0, height = 0, shareOne = 0, shareTwo = 0;
    long long steps = 0;
    if (shot.isNull()
        || std::sscanf(title.c_str(), "%d x %d  %lld Steps  Color 1: %d%%  Color 2: %d%%", &width, &height, &steps,
                       &shareOne, &shareTwo) != 5) {
        std::cerr << "cannot read the screenshot or the title '" << title << "'\n";
        return 2;
    }
    sim::AntWorld world;
    world.setDotSize(dot);
    world.ResetWorld(static_cast<float>(width * dot), static_cast<float>(height * dot));
    for (long long i = 0; i < steps; ++i)
        world.StepAnt([](int, int, int) {});
    const auto shares = world.ColorShares();
    const std::string expectedTitle = sim::RunCaption(width, height, steps, shares.colorOne, shares.colorTwo);
    int wrong = 0;
    if (title != expectedTitle) {
        std::cerr << "title '" << title << "', the simulation says '" << expectedTitle << "'\n";
        ++wrong;
    }
    for (int y = 0; y < height * dot; ++y)
        for (int x = 0; x < width * dot; ++x) {
            const QRgb expected = world.cell(x / dot + 1, y / dot + 1) ? one : two;
            const QRgb seen = shot.pixel(left + x, top + y) | 0xFF000000U;
            if (seen != expected && wrong++ < 5)
                std::cerr << "pixel " << x << "," << y << ": " << std::hex << seen << " instead of " << expected << std::dec << "\n";
        }
    std::cout << "checked " << width << " x " << height << " cells after " << steps << " steps: "
              << (wrong == 0 ? "all match" : "mismatches") << "\n";
    return wrong == 0 ? 0 : 1;
}
