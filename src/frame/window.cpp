#include "window.h"

#include "build.h"
#include "rawpixels.h"

#include <QIcon>
#include <QPixmap>

#include <map>

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

// The icon as pixels rendered at build time, one picture for each size a title
// bar or a task switcher asks for, made once for each kind of window: an SVG
// icon would be rendered on every show, and decoding pictures on every window.
QIcon iconFor(WindowIcon icon)
{
    static std::map<WindowIcon, QIcon> made;
    const auto known = made.find(icon);
    if (known != made.end())
        return known->second;
    QIcon result;
    if (const char *name = iconName(icon)) {
        for (int size : {16, 24, 32, 48, 64}) {
            const QImage pixels = rawPixels(
                QStringLiteral(":/icons/%1-%2.argb").arg(QLatin1String(name)).arg(size), {size, size});
            if (!pixels.isNull())
                result.addPixmap(QPixmap::fromImage(pixels));
        }
    }
    made.emplace(icon, result);
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
