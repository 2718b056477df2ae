#include "window.h"

#include "build.h"

#include <QIcon>
#include <QImageReader>
#include <QPixmap>

namespace parta {

namespace {

const char *iconName(WindowIcon icon)
{
    switch (icon) {
    case WindowIcon::None:
        return nullptr;
    case WindowIcon::Main:
        return "main";
    case WindowIcon::Menu:
        return "menu";
    case WindowIcon::Exercise:
        return "exercise";
    case WindowIcon::Information:
        return "info";
    }
    return nullptr;
}

// A PNG picture from the resources. Told the format and not to guess it, the
// reader decodes it itself instead of loading every image format plugin to ask
// each whether it reads PNG.
QPixmap readPng(const QString &resource)
{
    QImageReader reader(resource, "png");
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

// The icon as pictures rendered at build time, one for each size a title bar or
// a task switcher asks for: rendering an SVG icon on every show would cost more
// than the whole window.
QIcon iconFor(WindowIcon icon)
{
    QIcon result;
    if (const char *name = iconName(icon)) {
        for (int size : {16, 24, 32, 48, 64})
            result.addPixmap(readPng(QStringLiteral(":/icons/%1-%2.png").arg(QLatin1String(name)).arg(size)));
    }
    return result;
}

} // namespace

QString windowName(int number)
{
    return QStringLiteral("Form%1").arg(number);
}

Window::Window(const WindowLook &look) : QWidget(nullptr), windowNumber(look.number)
{
    setObjectName(windowName(look.number));
    setWindowTitle(QString::fromUtf8(look.caption));
    setAutoFillBackground(true);
    setBackground(this, look.background.toColor());

    Qt::WindowFlags flags =
        Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    switch (look.titleBar) {
    case TitleBar::Fixed:
        flags |= Qt::WindowMinimizeButtonHint;
        setFixedSize(look.client.toPixels());
        break;
    case TitleBar::Resizable:
        flags |= Qt::WindowMinMaxButtonsHint;
        resize(look.client.toPixels());
        break;
    case TitleBar::Tool:
        flags = Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        setFixedSize(look.client.toPixels());
        break;
    }
    setWindowFlags(flags);
    setWindowIcon(iconFor(look.icon));
}

} // namespace parta
