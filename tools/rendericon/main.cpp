// Renders an SVG picture to a square PNG of a given size, for the fixed sizes
// of the icon theme:  parta-render-icon <picture.svg> <size> <output.png>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 4) {
        std::fputs("usage: parta-render-icon <picture.svg> <size> <output.png>\n", stderr);
        return 2;
    }
    const QString picture = QString::fromLocal8Bit(argv[1]);
    bool isNumber = false;
    const int size = QString::fromLocal8Bit(argv[2]).toInt(&isNumber);
    const QString output = QString::fromLocal8Bit(argv[3]);

    QSvgRenderer renderer(picture);
    if (!renderer.isValid() || !isNumber || size <= 0) {
        std::fprintf(stderr, "parta-render-icon: cannot render %s at size %s\n", argv[1], argv[2]);
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(output, "PNG")) {
        std::fprintf(stderr, "parta-render-icon: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
