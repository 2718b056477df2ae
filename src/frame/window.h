#pragma once

#include "core/palette.h"
#include "core/twips.h"

#include <QWidget>

namespace parta {

enum class TitleBar {
    Fixed,     // normal title bar with icon, fixed size
    Resizable, // normal title bar with icon, resizable border
    Tool,      // the narrow title bar of a tool window, no icon, fixed size
};

enum class WindowIcon { None, Main, Menu, Exercise, Information };

struct WindowLook {
    int number = 0; // the window is named Form<number>
    const char *caption = "";
    TwipsSize client = fullSizeClient;
    Rgb background = {255, 255, 255};
    TitleBar titleBar = TitleBar::Fixed;
    WindowIcon icon = WindowIcon::Exercise;
};

// A top-level window of the program: its name, caption, client size,
// background, title bar and icon.
class Window : public QWidget {
    Q_OBJECT
public:
    explicit Window(const WindowLook &look);

    int number() const { return windowNumber; }

private:
    int windowNumber;
};

QString windowName(int number);

} // namespace parta
