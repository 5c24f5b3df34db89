// Tells which face a list's text is shown in, from a screenshot of the program: the ink of TEXT
// inside the rectangle X Y W H of SHOT (dark pixels) against the ink of the same text drawn in the
// lists' face and in a serif face, both at the lists' point size. Passes when the lists' face is
// drawn as itself (no stand-in), the shot's ink has its width and height, and its ink differs
// from the serif face's, so that the two could be told apart.
//   face_check SHOT X Y W H TEXT
#include "controlstyle.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>
#include <iostream>

namespace {

// The bounding box of the pixels darker than mid-grey.
QRect InkOf(const QImage& image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

QRect InkOf(const QString& text, const QFont& font)
{
    QImage image(200, 60, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(10, 40, text);
    painter.end();
    return InkOf(image);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 7) {
        std::cerr << "usage: face_check SHOT X Y W H TEXT\n";
        return 2;
    }
    QGuiApplication app(argc, argv);
    const QImage shot(QString::fromLocal8Bit(argv[1]));
    const QRect area(std::atoi(argv[2]), std::atoi(argv[3]), std::atoi(argv[4]), std::atoi(argv[5]));
    const QString text = QString::fromLocal8Bit(argv[6]);
    if (shot.isNull()) {
        std::cerr << "cannot read " << argv[1] << "\n";
        return 2;
    }
    const QRect seen = InkOf(shot.copy(area));
    const QRect plain = InkOf(text, platform::ControlFont());
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(platform::ControlFontPoints);
    const QRect serifInk = InkOf(text, serif);
    std::cout << "ink of '" << text.toStdString() << "': the list's " << seen.width() << " x " << seen.height()
              << "; " << QFontInfo(platform::ControlFont()).family().toStdString() << "'s " << plain.width() << " x "
              << plain.height() << "; " << QFontInfo(serif).family().toStdString() << "'s " << serifInk.width() << " x "
              << serifInk.height() << "\n";
    if (std::abs(plain.width() - serifInk.width()) <= 1 && std::abs(plain.height() - serifInk.height()) <= 1) {
        std::cerr << "the two faces draw the text alike: no verdict\n";
        return 1;
    }
    return std::abs(seen.width() - plain.width()) <= 1 && std::abs(seen.height() - plain.height()) <= 1 ? 0 : 1;
}
