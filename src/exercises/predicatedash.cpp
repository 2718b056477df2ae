#include "predicatedash.h"

#include "frame/exercisewindow.h"
#include "frame/topic.h"

namespace parta {

namespace {

const ExerciseSpec form23 = {
    {23, "Тире между подлежащим и сказуемым", fullSizeClient, {255, 192, 255}},
    {
        .loadedVariant = LabelSpec{.name = "Label27",
                                   .rect = {3360, 7320, 255, 255},
                                   .caption = "1",
                                   .alignment = Align::Centre},
        .newTask = {"Command2(0)",
                    {240, 7320, 1935, 735},
                    "Задание",
                    {Face::TimesNewRoman, 20.25, Weight::Bold},
                    {192, 192, 0}},
        .variantCaption = LabelSpec{.name = "Label5",
                                    .rect = {2280, 7200, 975, 255},
                                    .caption = "Вариант",
                                    .font = {Face::MsSansSerif, 9.75},
                                    .background = Rgb{7, 174, 245},
                                    .alignment = Align::Centre},
        .variantField = TextBoxSpec{.name = "Text2",
                                    .rect = {2400, 7440, 735, 615},
                                    .text = "1",
                                    .font = {Face::MsSansSerif, 18},
                                    .background = {192, 255, 192},
                                    .alignment = Align::Centre},
        .check = ButtonSpec{"Command4",
                            {3360, 7320, 1935, 735},
                            "Проверить",
                            {Face::TimesNewRoman, 17.25, Weight::Bold},
                            {207, 77, 251}},
        .errorsCaption = LabelSpec{.name = "Label4",
                                   .rect = {5445, 7320, 1275, 735},
                                   .caption = "Ошибки:",
                                   .font = {Face::TimesNewRoman, 15.75},
                                   .background = Rgb{255, 255, 0},
                                   .alignment = Align::Centre},
        .errorCounter = LabelSpec{.name = "Lbl",
                                  .rect = {6720, 7320, 855, 735},
                                  .font = {Face::MsSansSerif, 18},
                                  .background = Rgb{192, 255, 192},
                                  .border = true,
                                  .alignment = Align::Centre},
        .next = {"Command3",
                 {7800, 7320, 1815, 735},
                 "Следующее задание",
                 {Face::TimesNewRoman, 15.75, Weight::Bold},
                 {255, 128, 0}},
        .mainWindow = {"Command1(1)",
                       {9840, 7320, 1815, 735},
                       "Главное окно",
                       {Face::TimesNewRoman, 15.75, Weight::Bold},
                       {128, 128, 255}},
        .help = helpLabel("Lbl19", {360, 1800, 1545, 495}),
        .rule = ButtonSpec{"Command5",
                           {10200, 1440, 1455, 495},
                           "Правило",
                           {Face::TimesNewRoman, 15.75},
                           {255, 255, 0},
                           true},
    },
    {.kind = ExerciseKind::InWindow,
     .variants = 2,
     .selection = Reading::LeadingNumber,
     .field = {.onMainWindow = "1", .onNextTask = "1"},
     .checkEnabledFirst = false,
     .nextWindow = 26,
     .helpWindow = 40,
     .ruleWindow = 24},
    "Command2(0)",
};

} // namespace

std::unique_ptr<QWidget> createPredicateDashWindow(Shell &shell)
{
    return std::make_unique<ExerciseWindow>(shell, form23, std::make_unique<FrameOnly>());
}

} // namespace parta
