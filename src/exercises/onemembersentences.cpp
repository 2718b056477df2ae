#include "onemembersentences.h"

#include "frame/exercisewindow.h"
#include "frame/topic.h"

namespace parta {

namespace {

const ExerciseSpec form18 = {
    {18, "Односоставные предложения", fullSizeClient, {192, 192, 255}},
    {
        .loadedVariant = LabelSpec{.name = "Label27",
                                   .rect = {3360, 7320, 255, 255},
                                   .caption = "1",
                                   .font = FontSpec{},
                                   .alignment = Align::Centre},
        .newTask = {"Command2(0)",
                    {240, 7320, 1935, 735},
                    "Задание",
                    {Face::TimesNewRoman, 20.25, Weight::Bold},
                    {207, 77, 251}},
        .variantCaption = LabelSpec{.name = "Label5",
                                    .rect = {2280, 7200, 975, 255},
                                    .caption = "Вариант",
                                    .font = {Face::MsSansSerif, 9.75},
                                    .background = Rgb{255, 128, 128},
                                    .alignment = Align::Centre},
        .variantField = TextBoxSpec{.name = "Text2",
                                    .rect = {2400, 7440, 735, 615},
                                    .text = "1",
                                    .font = {Face::MsSansSerif, 18},
                                    .background = {181, 248, 5},
                                    .alignment = Align::Centre},
        .check =
            ButtonSpec{
                "Command4", {3360, 7320, 1815, 735}, "Проверить", {Face::TimesNewRoman, 18}, {0, 255, 255}},
        .errorsCaption = LabelSpec{.name = "Label3",
                                   .rect = {5520, 7320, 1275, 735},
                                   .caption = "Ошибки:",
                                   .font = {Face::TimesNewRoman, 15.75},
                                   .background = Rgb{255, 128, 255},
                                   .alignment = Align::Centre},
        .errorCounter = LabelSpec{.name = "Label4",
                                  .rect = {6795, 7320, 735, 735},
                                  .font = {Face::MsSansSerif, 18},
                                  .background = Rgb{255, 128, 0},
                                  .border = true,
                                  .alignment = Align::Centre},
        .next = {"Command3",
                 {7800, 7320, 1815, 735},
                 "Следующее задание",
                 {Face::TimesNewRoman, 15.75},
                 {0, 192, 192}},
        .mainWindow = {"Command1(0)",
                       {9840, 7320, 1695, 735},
                       "Главное окно",
                       {Face::TimesNewRoman, 18, Weight::Bold},
                       {255, 128, 128}},
        .help = helpLabel("Lbl19", {120, 1800, 1545, 495}),
        .rule = ButtonSpec{"Command5",
                           {10320, 1440, 1335, 495},
                           "Правило",
                           {Face::MsSansSerif, 12, Weight::Bold},
                           {7, 174, 245},
                           true},
    },
    {.kind = ExerciseKind::InWindow,
     .variants = 3,
     .selection = Reading::LeadingNumber,
     .field = {.onMainWindow = "1", .onNextTask = "1"},
     .checkEnabledFirst = false,
     .nextWindow = 23,
     .helpWindow = 38,
     .ruleWindow = 19},
    "Text2",
};

} // namespace

std::unique_ptr<QWidget> createOneMemberSentencesWindow(Shell &shell)
{
    return std::make_unique<ExerciseWindow>(shell, form18, std::make_unique<FrameOnly>());
}

} // namespace parta
