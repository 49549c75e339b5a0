// Draws an SVG file into a square PNG of the given size on a transparent
// background, so the install test can hold the scalable icon against the
// 32 x 32 window icon. Usage: pluvane_svg_raster IN.svg OUT.png SIZE

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (argc != 4) {
        std::fprintf(stderr, "usage: pluvane_svg_raster IN.svg OUT.png SIZE\n");
        return 2;
    }
    QGuiApplication app(argc, argv);
    const int size = std::atoi(argv[3]);
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid() || size < 1) {
        std::fprintf(stderr, "pluvane_svg_raster: cannot read %s\n", argv[1]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "pluvane_svg_raster: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}
