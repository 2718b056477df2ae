#include "informationwindow.h"

#include "frame/build.h"
#include "frame/button.h"
#include "frame/window.h"
#include "shell/shell.h"

#include <algorithm>
#include <array>

namespace parta {

namespace {

struct InformationWindow {
    WindowSpec window;
    ButtonSpec button;
};

constexpr Rgb helpBackground = {128, 255, 255};
constexpr FontSpec helpButtonFont = {Face::TimesNewRoman, 18, Weight::Bold};
constexpr Rgb helpButtonFace = {0, 255, 0};

constexpr InformationWindow help(int number, TwipsSize client, int okLeft, int okTop)
{
    return {{number, "Справка", client, helpBackground, TitleBar::Tool, WindowIcon::None},
            {"Command1", {okLeft, okTop, 1095, 495}, "OK", helpButtonFont, helpButtonFace}};
}

constexpr InformationWindow rule(int number, const char *caption, TwipsSize client, Rgb background,
                                 const ButtonSpec &button, TitleBar titleBar = TitleBar::Fixed)
{
    return {{number, caption, client, background, titleBar, WindowIcon::Information}, button};
}

constexpr std::array<InformationWindow, 24> windows = {{
    {{2, "О программе", {7080, 5265}, {0, 255, 255}, TitleBar::Fixed, WindowIcon::Information},
     {"Command1", {5280, 4680, 1455, 495}, "OK", {Face::ArialBlack, 14.25}, {255, 0, 255}}},
    rule(12, "Правило", {6240, 5010}, {128, 255, 255},
         {"Command1", {4560, 4200, 1455, 495}, "ОК", {Face::MsSansSerif, 13.5}, {255, 0, 255}}),
    rule(6, "Правило", {6150, 4560}, {0, 255, 255},
         {"Command1",
          {4200, 3720, 1695, 495},
          "OK",
          {Face::TimesNewRoman, 15.75, Weight::Bold},
          {255, 128, 255}},
         TitleBar::Resizable),
    rule(
        15, " Правило", {8100, 6255}, {255, 192, 128},
        {"Command1", {6240, 5640, 1575, 495}, "OK", {Face::TimesNewRoman, 15.75, Weight::Bold}, {0, 192, 0}}),
    rule(17, "Правило", {7545, 5910}, {7, 174, 245},
         {"Command1", {5880, 5400, 1455, 375}, "OK", {Face::MsSansSerif, 13.5, Weight::Bold}, {255, 0, 255}}),
    rule(19, "Правило", {8295, 6105}, {255, 192, 192},
         {"Command1", {6600, 5640, 1335, 375}, "OK", {Face::MsSansSerif, 13.5, Weight::Bold}, {0, 255, 0}}),
    rule(22, "Правило", {5895, 4290}, {181, 248, 5},
         {"Command1",
          {4680, 3720, 975, 375},
          "OK",
          {Face::TimesNewRoman, 14.25, Weight::Bold},
          {255, 128, 0}}),
    rule(24, "Правило", {7695, 6315}, {0, 255, 255},
         {"Command1",
          {6240, 5760, 1215, 375},
          "OK",
          {Face::TimesNewRoman, 15.75, Weight::Bold},
          {128, 128, 255}}),
    {{20, "Молодец!", {3675, 2235}, {207, 252, 90}, TitleBar::Tool, WindowIcon::None},
     {"Command1", {2640, 1800, 855, 375}, "OK", {Face::TimesNewRoman, 14.25, Weight::Bold}, {0, 255, 0}}},
    {{27, " Справка", {8235, 6630}, helpBackground, TitleBar::Tool, WindowIcon::None},
     {"Command1", {6720, 6000, 1215, 495}, "OK", helpButtonFont, helpButtonFace}},
    help(28, {5655, 3795}, 4320, 3120),
    help(29, {5700, 3735}, 4320, 3120),
    help(30, {6540, 5085}, 4920, 4320),
    help(31, {6945, 5670}, 5640, 4920),
    help(32, {6870, 5610}, 5280, 4800),
    help(33, {6825, 5535}, 5160, 4800),
    help(34, {6855, 5505}, 5400, 4800),
    help(35, {6825, 5730}, 5280, 4800),
    help(36, {7410, 6345}, 6000, 5760),
    help(37, {7740, 6630}, 5760, 5760),
    help(38, {7185, 6105}, 5760, 5400),
    help(39, {7260, 5835}, 5760, 5160),
    help(40, {7200, 6150}, 5760, 5400),
    help(41, {7290, 5490}, 5880, 4680),
}};

} // namespace

std::unique_ptr<QWidget> createInformationWindow(int number, Shell &shell)
{
    const auto *row = std::find_if(windows.begin(), windows.end(), [number](const InformationWindow &info) {
        return info.window.number == number;
    });
    Q_ASSERT(row != windows.end());
    auto window = std::make_unique<Window>(row->window);
    auto *ok = addButton(window.get(), row->button);
    ok->setFocus();
    QObject::connect(ok, &Button::clicked, &shell, [&shell, number] { shell.hide(number); });
    return window;
}

} // namespace parta
