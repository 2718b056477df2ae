#include "grademenu.h"

#include "frame/build.h"
#include "frame/button.h"
#include "frame/focuschain.h"
#include "frame/label.h"
#include "frame/window.h"
#include "shell.h"

#include <array>

namespace parta {

namespace {

struct TopicButton {
    const char *name;
    int top;
    const char *caption;
    int target; // the topic's first window
};

struct GradeMenu {
    WindowLook window;
    const char *header;
    TwipsRect helpLabel;
    LabelRow tasksLabel;
    int buttonLeft;
    int buttonWidth;
    FontLook buttonFont;
    Rgb buttonFace;
    Rgb mainWindowFace;
    int helpWindow;
    // In the order of the keyboard focus; the tops place them on screen.
    std::array<TopicButton, 5> topics;
};

constexpr Rgb menuBackground = {255, 192, 128};

constexpr GradeMenu form3 = {
    {3, "7 класс", fullSizeClient, menuBackground, TitleBar::Fixed, WindowIcon::Menu},
    ":/pictures/header-grade7.svg",
    {360, 1440, 1545, 510},
    {.name = "Label1",
     .rect = {5040, 1440, 2655, 520},
     .caption = "Задания:",
     .font = {Face::Arial, 20.25, Weight::Bold, true},
     .background = Rgb{0, 255, 0},
     .text = {192, 0, 192},
     .border = true,
     .alignment = Align::Centre},
    720,
    10335,
    {Face::TimesNewRoman, 21.75, Weight::Bold},
    {0, 255, 255},
    {255, 128, 128},
    28,
    {{
        {"Command2", 2160, "Разделы науки о языке", 7},
        {"Command3", 3240, "Выделение причастного оборота запятыми", 13},
        {"Command4", 4320, "НЕ с причастиями и деепричастиями", 16},
        {"Command5", 5400, "Гласные перед н в страдательных причастиях", 21},
        {"Command6", 6480, "Словарная работа", 25},
    }},
};

constexpr GradeMenu form4 = {
    {4, "8 класс", fullSizeClient, menuBackground, TitleBar::Fixed, WindowIcon::Menu},
    ":/pictures/header-grade8.svg",
    {480, 1440, 1545, 510},
    {.name = "Label1",
     .rect = {5160, 1440, 2655, 525},
     .caption = "Задания:",
     .font = {Face::Arial, 20.25, Weight::Bold, true},
     .background = Rgb{0, 255, 255},
     .text = {192, 0, 192},
     .border = true,
     .alignment = Align::Centre},
    960,
    9975,
    {Face::TimesNewRoman, 24, Weight::Bold},
    {0, 255, 0},
    {255, 255, 0},
    29,
    {{
        {"Command2", 2160, "Связь слов в словосочетаниях", 5},
        {"Command3", 3240, "Сказуемое", 14},
        // "Тире..." takes the focus before "Односоставные...", though it stands below it.
        {"Command4", 5400, "Тире между подлежащим и сказуемым", 23},
        {"Command5", 4320, "Односоставные предложения", 18},
        {"Command7", 6480, "Словарная работа", 26},
    }},
};

} // namespace

std::unique_ptr<QWidget> createGradeMenu(int number, Shell &shell)
{
    const GradeMenu &menu = number == 3 ? form3 : form4;
    auto window = std::make_unique<Window>(menu.window);
    QWidget *w = window.get();

    addDocument(w, {"OLE1", {240, 240, 11445, 1065}, {255, 255, 0}, menu.header});
    auto *help = addLabel(w, {.name = "Label2",
                              .rect = menu.helpLabel,
                              .caption = "Справка",
                              .font = {Face::Georgia, 14.25, Weight::Bold, true},
                              .border = true,
                              .alignment = Align::Centre,
                              .helpCursor = true});
    addLabel(w, menu.tasksLabel);
    // "Главное окно" comes first in the focus order.
    auto *mainWindow = addButton(w, {"Command1",
                                     {9120, 7320, 2415, 735},
                                     "Главное окно",
                                     {Face::TimesNewRoman, 18, Weight::Bold},
                                     menu.mainWindowFace});
    QObject::connect(mainWindow, &Button::clicked, &shell, [&shell, number] { shell.move(number, 1); });
    for (const TopicButton &topic : menu.topics) {
        auto *button = addButton(w, {topic.name,
                                     {menu.buttonLeft, topic.top, menu.buttonWidth, 735},
                                     topic.caption,
                                     menu.buttonFont,
                                     menu.buttonFace});
        const int target = topic.target;
        QObject::connect(button, &Button::clicked, &shell,
                         [&shell, number, target] { shell.move(number, target); });
    }
    QObject::connect(help, &Label::clicked, &shell,
                     [&shell, helpWindow = menu.helpWindow] { shell.popUp(helpWindow); });
    appendClickableLabels(w);
    mainWindow->setFocus();
    return window;
}

} // namespace parta
