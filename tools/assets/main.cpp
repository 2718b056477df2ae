// Prepares the program's pictures and icons at build time, so that showing them
// costs neither a font nor an SVG rendering at run time.
//   parta-assets outline SOURCE.svg OUTPUT.svg   lettering as outlines
//   parta-assets icon SOURCE.svg SIZE OUTPUT.png  an icon rendered at SIZE pixels

#include "core/fonts.h"
#include "outline.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>

namespace {

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
    if (!image.save(outputPath))
        return QStringLiteral("cannot write %1").arg(outputPath);
    return {};
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    parta::registerFontSubstitutions();
    const QStringList arguments = QCoreApplication::arguments();
    QString error =
        QStringLiteral("usage: parta-assets outline SOURCE.svg OUTPUT.svg | icon SOURCE.svg SIZE OUTPUT.png");
    if (arguments.size() == 4 && arguments[1] == u"outline")
        error = outlineLettering(arguments[2], arguments[3]);
    else if (arguments.size() == 5 && arguments[1] == u"icon")
        error = renderIcon(arguments[2], arguments[3].toInt(), arguments[4]);
    if (!error.isEmpty()) {
        QTextStream(stderr) << "parta-assets: " << error << '\n';
        return 1;
    }
    return 0;
}
