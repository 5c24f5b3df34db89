// Writes the program's icon as PNG files, one per edge given, and as a scalable SVG drawn from the
// same pattern: makeicons DIR 16 32 48 256 writes DIR/vemmick-16.png ... and DIR/vemmick.svg.
#include "pictures.h"

#include <QImage>
#include <QString>

#include <cstdlib>
#include <fstream>
#include <iostream>

namespace {

bool WriteSvg(const std::string& path)
{
    constexpr int cells = 16;
    const std::vector<bool> pattern = mainwindow::IconPattern(cells);
    std::ofstream out(path);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 " << cells << ' '
        << cells << "\" shape-rendering=\"crispEdges\">\n"
        << "  <rect width=\"" << cells << "\" height=\"" << cells << "\" fill=\"#8b00ae\"/>\n";
    for (int y = 0; y < cells; ++y)
        for (int x = 0; x < cells; ++x)
            if (pattern[static_cast<std::size_t>(y * cells + x)])
                out << "  <rect x=\"" << x << "\" y=\"" << y << "\" width=\"1\" height=\"1\" fill=\"#44ffaf\"/>\n";
    out << "</svg>\n";
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: makeicons DIR EDGE...\n";
        return 2;
    }
    const std::string dir = argv[1];
    for (int i = 2; i < argc; ++i) {
        const int edge = std::atoi(argv[i]);
        const QString path = QString("%1/vemmick-%2.png").arg(QString::fromStdString(dir)).arg(edge);
        if (edge <= 0 || !mainwindow::IconPicture(edge).image().save(path, "PNG")) {
            std::cerr << "cannot write " << path.toStdString() << "\n";
            return 1;
        }
    }
    if (!WriteSvg(dir + "/vemmick.svg")) {
        std::cerr << "cannot write " << dir << "/vemmick.svg\n";
        return 1;
    }
    return 0;
}
