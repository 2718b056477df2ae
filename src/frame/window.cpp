#include "window.h"

#include "build.h"

#include <QIcon>

namespace parta {

namespace {

QIcon iconFor(WindowIcon icon)
{
    switch (icon) {
    case WindowIcon::None:
        return {};
    case WindowIcon::Main:
        return QIcon(QStringLiteral(":/icons/main.svg"));
    case WindowIcon::Menu:
        return QIcon(QStringLiteral(":/icons/menu.svg"));
    case WindowIcon::Exercise:
        return QIcon(QStringLiteral(":/icons/exercise.svg"));
    case WindowIcon::Information:
        return QIcon(QStringLiteral(":/icons/info.svg"));
    }
    return {};
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
