#include "predicatekinds.h"

#include "frame/exercisewindow.h"
#include "frame/topic.h"

namespace parta {

namespace {

const ExerciseSpec form14 = {
    {14, "Сказуемое", fullSizeClient, {255, 192, 255}},
    {
        .loadedVariant = LabelSpec{.name = "Label16",
                                   .rect = {2760, 7680, 210, 315},
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
        .check =
            ButtonSpec{
                "Command4", {3480, 7320, 1815, 735}, "Проверить", {Face::TimesNewRoman, 18}, {255, 128, 0}},
        .errorsCaption = LabelSpec{.name = "Label3",
                                   .rect = {5520, 7320, 1275, 735},
                                   .caption = "Ошибки:",
                                   .font = {Face::TimesNewRoman, 15.75},
                                   .background = Rgb{0, 255, 255},
                                   .alignment = Align::Centre},
        .errorCounter = LabelSpec{.name = "Label4",
                                  .rect = {6795, 7320, 735, 735},
                                  .font = {Face::MsSansSerif, 18},
                                  .background = Rgb{128, 128, 255},
                                  .border = true,
                                  .alignment = Align::Centre},
        .next = {"Command3",
                 {7800, 7320, 1815, 735},
                 "Следующее задание",
                 {Face::TimesNewRoman, 15.75},
                 {0, 255, 0}},
        .mainWindow = {"Command1(0)",
                       {9840, 7320, 1695, 735},
                       "Главное окно",
                       {Face::TimesNewRoman, 18, Weight::Bold},
                       {0, 192, 0}},
        .help = helpLabel("Label17", {120, 600, 1545, 510}),
        .rule = ButtonSpec{"Command5",
                           {240, 2040, 1935, 375},
                           "Правило",
                           {Face::TimesNewRoman, 14.25},
                           {128, 128, 255},
                           true},
    },
    {.kind = ExerciseKind::InWindow,
     .variants = 3,
     .selection = Reading::WholeText,
     .checkEnabledFirst = false,
     .nextWindow = 18,
     .helpWindow = 36,
     .ruleWindow = 15},
};

} // namespace

std::unique_ptr<QWidget> createPredicateKindsWindow(Shell &shell)
{
    return std::make_unique<ExerciseWindow>(shell, form14, std::make_unique<FrameOnly>());
}

} // namespace parta
