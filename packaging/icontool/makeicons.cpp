// Draws the program's icon from the ant's patch, on the build machine:
//   makeicons DIR EDGE...        DIR/vemmick-EDGE.png for each edge, and DIR/vemmick.svg
//   makeicons --ico FILE EDGE... one Windows icon file holding an image of each edge
#include "form1design.h"
#include "iconpattern.h"

#include <QBuffer>
#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QString>

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr QRgb ColorOne = platform::ToPixel(mainwindow::design::StartColorOne);
constexpr QRgb ColorTwo = platform::ToPixel(mainwindow::design::StartColorTwo);

// "#44ffaf" for an SVG fill.
std::string Hex(QRgb pixel) { return QColor(pixel).name().toStdString(); }

QImage IconImage(int edge)
{
    const std::vector<bool> pixels = sim::IconPixels(edge);
    QImage image(edge, edge, QImage::Format_RGB32);
    for (int y = 0; y < edge; ++y)
        for (int x = 0; x < edge; ++x)
            image.setPixel(x, y, pixels[static_cast<std::size_t>(y * edge + x)] ? ColorOne : ColorTwo);
    return image;
}

bool WriteSvg(const std::string& path)
{
    constexpr int cells = 16;
    const std::vector<bool> pattern = sim::IconPattern(cells);
    std::ofstream out(path);
    out << "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 " << cells << ' '
        << cells << "\" shape-rendering=\"crispEdges\">\n"
        << "  <rect width=\"" << cells << "\" height=\"" << cells << "\" fill=\"" << Hex(ColorTwo) << "\"/>\n";
    for (int y = 0; y < cells; ++y)
        for (int x = 0; x < cells; ++x)
            if (pattern[static_cast<std::size_t>(y * cells + x)])
                out << "  <rect x=\"" << x << "\" y=\"" << y << "\" width=\"1\" height=\"1\" fill=\"" << Hex(ColorOne) << "\"/>\n";
    out << "</svg>\n";
    return static_cast<bool>(out);
}

void PutLittleEndian(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i)
        out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

// An icon directory whose images are PNG streams, which Windows reads at every size since Vista.
bool WriteIco(const std::string& path, const std::vector<int>& edges)
{
    std::vector<QByteArray> images;
    for (const int edge : edges) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (edge < 1 || edge > 256 || !IconImage(edge).save(&buffer, "PNG"))
            return false;
        images.push_back(png);
    }
    std::string ico;
    PutLittleEndian(ico, 0, 2); // reserved
    PutLittleEndian(ico, 1, 2); // an icon, not a cursor
    PutLittleEndian(ico, static_cast<std::uint32_t>(edges.size()), 2);
    std::uint32_t offset = 6 + 16 * static_cast<std::uint32_t>(edges.size());
    for (std::size_t i = 0; i < edges.size(); ++i) {
        const auto side = static_cast<std::uint32_t>(edges[i] == 256 ? 0 : edges[i]); // 0 stands for 256
        PutLittleEndian(ico, side, 1);
        PutLittleEndian(ico, side, 1);
        PutLittleEndian(ico, 0, 1);  // no palette
        PutLittleEndian(ico, 0, 1);  // reserved
        PutLittleEndian(ico, 1, 2);  // colour planes
        PutLittleEndian(ico, 32, 2); // bits per pixel
        PutLittleEndian(ico, static_cast<std::uint32_t>(images[i].size()), 4);
        PutLittleEndian(ico, offset, 4);
        offset += static_cast<std::uint32_t>(images[i].size());
    }
    std::ofstream out(path, std::ios::binary);
    out << ico;
    for (const QByteArray& image : images)
        out.write(image.constData(), image.size());
    return static_cast<bool>(out);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3 || (std::string(argv[1]) == "--ico" && argc < 4)) {
        std::cerr << "usage: makeicons DIR EDGE... | makeicons --ico FILE EDGE...\n";
        return 2;
    }
    const bool ico = std::string(argv[1]) == "--ico";
    const int first = ico ? 3 : 2;
    std::vector<int> edges;
    for (int i = first; i < argc; ++i)
        edges.push_back(std::atoi(argv[i]));
    if (ico) {
        if (!WriteIco(argv[2], edges)) {
            std::cerr << "cannot write " << argv[2] << "\n";
            return 1;
        }
        return 0;
    }
    const std::string dir = argv[1];
    for (const int edge : edges) {
        const QString path = QString("%1/vemmick-%2.png").arg(QString::fromStdString(dir)).arg(edge);
        if (edge <= 0 || !IconImage(edge).save(path, "PNG")) {
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
