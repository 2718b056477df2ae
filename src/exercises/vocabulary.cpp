#include "vocabulary.h"

#include "frame/exercisewindow.h"
#include "frame/topic.h"

namespace parta {

namespace {

// Form25 and Form26 have the same frame; only their numbers differ.
ExerciseSpec vocabularySpec(int number)
{
    return {
        {number, "Словарная работа", fullSizeClient, {128, 255, 255}},
        {
            .loadedVariant = LabelSpec{.name = "Label27",
                                       .rect = {3360, 7320, 255, 255},
                                       .caption = "1",
                                       .alignment = Align::Centre},
            .newTask = {"Command2(0)",
                        {240, 7320, 1935, 735},
                        "Задание",
                        {Face::TimesNewRoman, 20.25, Weight::Bold},
                        {255, 128, 128}},
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
                                {3360, 7320, 1815, 735},
                                "Проверить",
                                {Face::TimesNewRoman, 18},
                                {255, 128, 0}},
            .errorsCaption = LabelSpec{.name = "Label3",
                                       .rect = {5520, 7320, 1275, 735},
                                       .caption = "Ошибки:",
                                       .font = {Face::TimesNewRoman, 15.75},
                                       .background = Rgb{255, 128, 255},
                                       .alignment = Align::Centre},
            .errorCounter = LabelSpec{.name = "Label4",
                                      .rect = {6795, 7320, 735, 735},
                                      .font = {Face::MsSansSerif, 18},
                                      .background = Rgb{128, 128, 255},
                                      .border = true,
                                      .alignment = Align::Centre},
            .next = {"Command3",
                     {9840, 7320, 1695, 735},
                     "Выход",
                     {Face::TimesNewRoman, 20.25, Weight::Bold},
                     {190, 101, 109}},
            .mainWindow = {"Command1(0)",
                           {7800, 7320, 1695, 735},
                           "Главное окно",
                           {Face::TimesNewRoman, 18, Weight::Bold},
                           {0, 192, 0}},
            .help = helpLabel("Lbl19", {480, 360, 1545, 495}),
        },
        {.kind = ExerciseKind::InWindow,
         .variants = 2,
         .selection = Reading::LeadingNumber,
         .field = {.onMainWindow = "1"},
         .checkEnabledFirst = false,
         .nextWindow = 0,
         .helpWindow = 41},
        "Text2",
    };
}

} // namespace

std::unique_ptr<QWidget> createVocabularyWindow(int number, Shell &shell)
{
    return std::make_unique<ExerciseWindow>(shell, vocabularySpec(number), std::make_unique<FrameOnly>());
}

} // namespace parta
