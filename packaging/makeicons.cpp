// Writes the program's icon as PNG files, one per edge given: makeicons DIR 16 32 48 256
#include "pictures.h"

#include <QImage>
#include <QString>

#include <cstdlib>
#include <iostream>

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::cerr << "usage: makeicons DIR EDGE...\n";
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        const int edge = std::atoi(argv[i]);
        const QString path = QString("%1/vemmick-%2.png").arg(QString::fromLocal8Bit(argv[1])).arg(edge);
        if (edge <= 0 || !mainwindow::IconPicture(edge).image().save(path, "PNG")) {
            std::cerr << "cannot write " << path.toStdString() << "\n";
            return 1;
        }
    }
    return 0;
}
