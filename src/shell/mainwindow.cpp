#include "mainwindow.h"

#include "frame/build.h"
#include "frame/button.h"
#include "frame/focuschain.h"
#include "frame/label.h"
#include "frame/window.h"
#include "shell.h"

namespace parta {

namespace {

constexpr int self = 1;

constexpr WindowLook form1 = {self,        "Главное окно",  fullSizeClient,
                              {0, 255, 0}, TitleBar::Fixed, WindowIcon::Main};

constexpr FontLook gradeFont = {Face::BookmanOldStyle, 24, Weight::SemiBold, true};
constexpr FontLook helpFont = {Face::Georgia, 14.25, Weight::Bold, true};

} // namespace

std::unique_ptr<QWidget> createMainWindow(Shell &shell)
{
    auto window = std::make_unique<Window>(form1);
    QWidget *w = window.get();

    addDocument(w, {"OLE1", {240, 360, 11445, 1545}, {255, 255, 0}, ":/pictures/header-main.svg"});
    auto *help = addLabel(w, {.name = "Label1",
                              .rect = {315, 2160, 1545, 510},
                              .caption = "Справка",
                              .font = helpFont,
                              .border = true,
                              .alignment = Align::Centre,
                              .helpCursor = true});
    addLabel(w, {.name = "Label6",
                 .rect = {4200, 2600, 3495, 495},
                 .caption = "Выберите класс",
                 .font = {Face::BookmanOldStyle, 15.75, Weight::SemiBold, true},
                 .background = Rgb{0, 255, 255},
                 .text = {0, 0, 255},
                 .border = true,
                 .alignment = Align::Centre});
    auto *grade7 = addButton(w, {"Command1", {240, 3480, 4935, 855}, "7 класс", gradeFont, {255, 0, 255}});
    auto *grade8 = addButton(w, {"Command2", {6720, 3480, 4935, 855}, "8 класс", gradeFont, {255, 0, 255}});
    addDocument(w, {"OLE2", {4250, 4800, 3540, 2845}, {255, 255, 255}, ":/pictures/pupil.svg"});
    auto *about = addButton(w, {"Command3",
                                {720, 6720, 2535, 855},
                                "О программе",
                                {Face::MonotypeCorsiva, 21.75, Weight::Bold, true},
                                {0, 255, 255}});
    auto *quit = addButton(w, {"Command4",
                               {8640, 6720, 2535, 855},
                               "Выход",
                               {Face::Georgia, 18, Weight::Bold, true},
                               {128, 128, 255}});

    QObject::connect(grade7, &Button::clicked, &shell, [&shell] { shell.move(self, 3); });
    QObject::connect(grade8, &Button::clicked, &shell, [&shell] { shell.move(self, 4); });
    QObject::connect(about, &Button::clicked, &shell, [&shell] { shell.popUp(2); });
    QObject::connect(quit, &Button::clicked, &shell, [&shell] { shell.end(); });
    QObject::connect(help, &Label::clicked, &shell, [&shell] { shell.popUp(27); });
    appendClickableLabels(w);
    grade7->setFocus();
    return window;
}

} // namespace parta
