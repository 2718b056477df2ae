// Prepares the program's pictures and icons at build time, so that showing them
// costs neither a font nor an SVG rendering at run time.
//   parta-assets outline SOURCE.svg OUTPUT.svg   lettering as outlines
//   parta-assets icon SOURCE.svg SIZE OUTPUT    an icon rendered at SIZE pixels
//   parta-assets picture SOURCE.svg OUTPUT      a picture rendered at its own size
// An OUTPUT ending in ".argb" gets the raw pixels as they lie in memory:
// premultiplied ARGB, four bytes a pixel, row after row, which the program
// shows as they are, with nothing to unpack or convert; any other OUTPUT gets
// an image file in the format its name says (".png").

#include "core/fonts.h"
#include "outline.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

QString save(const QImage &image, const QString &outputPath)
{
    bool written = false;
    if (outputPath.endsWith(QStringLiteral(".argb"))) {
        const QImage pixels = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
        const auto rowBytes = static_cast<qsizetype>(pixels.width()) * 4;
        QFile output(outputPath);
        written = output.open(QIODevice::WriteOnly);
        for (int y = 0; written && y < pixels.height(); ++y)
            written =
                output.write(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes) == rowBytes;
    } else {
        written = image.save(outputPath);
    }
    if (!written)
        return QStringLiteral("cannot write %1").arg(outputPath);
    return {};
}

// Renders the icon as Qt's SVG icon engine renders it for a window's title bar.
QString renderIcon(const QString &sourcePath, int size, const QString &outputPath)
{
    QSvgRenderer renderer(sourcePath);
    if (!renderer.isValid())
        return QStringLiteral("cannot read %1").arg(sourcePath);
    QImage image(renderer.defaultSize().scaled(size, size, Qt::KeepAspectRatio),
                 QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    return save(image, outputPath);
}

// Renders the picture at its own size as a picture view draws it, on a
// transparent ground.
QString renderPicture(const QString &sourcePath, const QString &outputPath)
{
    QSvgRenderer renderer(sourcePath);
    if (!renderer.isValid())
        return QStringLiteral("cannot read %1").arg(sourcePath);
    QImage image(renderer.defaultSize(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(image.rect()));
    painter.end();
    return save(image, outputPath);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    parta::registerFontSubstitutions();
    const QStringList arguments = QCoreApplication::arguments();
    QString error =
        QStringLiteral("usage: parta-assets outline SOURCE.svg OUTPUT.svg | icon SOURCE.svg SIZE OUTPUT"
                       " | picture SOURCE.svg OUTPUT");
    if (arguments.size() == 4 && arguments[1] == u"outline")
        error = outlineLettering(arguments[2], arguments[3]);
    else if (arguments.size() == 5 && arguments[1] == u"icon")
        error = renderIcon(arguments[2], arguments[3].toInt(), arguments[4]);
    else if (arguments.size() == 4 && arguments[1] == u"picture")
        error = renderPicture(arguments[2], arguments[3]);
    if (!error.isEmpty()) {
        QTextStream(stderr) << "parta-assets: " << error << '\n';
        return 1;
    }
    return 0;
}
