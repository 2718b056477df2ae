#include "negation.h"

#include "frame/exercisewindow.h"
#include "frame/topic.h"

namespace parta {

namespace {

const ExerciseSpec form16 = {
    {16, "НЕ с причастиями и деепричастиями", fullSizeClient, {192, 192, 255}},
    {
        .loadedVariant = LabelSpec{.name = "Label18",
                                   .rect = {3480, 7560, 255, 135},
                                   .caption = "1",
                                   .font = FontSpec{},
                                   .alignment = Align::Centre},
        .newTask = {"Command2(0)",
                    {120, 7320, 1935, 735},
                    "Задание",
                    {Face::TimesNewRoman, 20.25, Weight::Bold},
                    {192, 192, 0}},
        .variantCaption = LabelSpec{.name = "Label5",
                                    .rect = {2160, 7200, 975, 255},
                                    .caption = "Вариант",
                                    .font = {Face::MsSansSerif, 9.75},
                                    .background = Rgb{7, 174, 245},
                                    .alignment = Align::Centre},
        .variantField = TextBoxSpec{.name = "Text2",
                                    .rect = {2280, 7440, 735, 615},
                                    .text = "1",
                                    .font = {Face::MsSansSerif, 18},
                                    .background = {192, 255, 192},
                                    .alignment = Align::Centre},
        .check = ButtonSpec{"Command4",
                            {3240, 7320, 1935, 735},
                            "Проверить",
                            {Face::TimesNewRoman, 17.25, Weight::Bold},
                            {207, 77, 251}},
        .errorsCaption = LabelSpec{.name = "Label4",
                                   .rect = {5330, 7320, 1275, 735},
                                   .caption = "Ошибки:",
                                   .font = {Face::TimesNewRoman, 15.75},
                                   .background = Rgb{0, 255, 255},
                                   .alignment = Align::Centre},
        .errorCounter = LabelSpec{.name = "Lbl",
                                  .rect = {6720, 7320, 855, 735},
                                  .font = {Face::MsSansSerif, 18},
                                  .background = Rgb{192, 255, 192},
                                  .border = true,
                                  .alignment = Align::Centre},
        .next = {"Command3",
                 {7680, 7320, 1815, 735},
                 "Следующее задание",
                 {Face::TimesNewRoman, 15.75, Weight::Bold},
                 {255, 128, 0}},
        .mainWindow = {"Command1(1)",
                       {9720, 7320, 1815, 735},
                       "Главное окно",
                       {Face::TimesNewRoman, 15.75, Weight::Bold},
                       {128, 128, 255}},
        .help = helpLabel("Lbl19", {120, 6240, 1545, 510}),
        .rule = ButtonSpec{"Command5",
                           {240, 2040, 1815, 375},
                           "Правило",
                           {Face::TimesNewRoman, 14.25},
                           {207, 77, 251},
                           true},
    },
    {.kind = ExerciseKind::InWindow,
     .variants = 3,
     .selection = Reading::LeadingNumber,
     .checkEnabledFirst = false,
     .nextWindow = 21,
     .helpWindow = 37,
     .ruleWindow = 17},
    "Command3",
};

} // namespace

std::unique_ptr<QWidget> createNegationWindow(Shell &shell)
{
    return std::make_unique<ExerciseWindow>(shell, form16, std::make_unique<FrameOnly>());
}

} // namespace parta
