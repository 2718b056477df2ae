#include "vocabulary.h"

#include "frame/exercisewindow.h"
#include "frame/frameonly.h"

namespace parta {

namespace {

// Form25 and Form26 have the same frame; only their numbers differ.
ExerciseWindowData vocabularyWindowData(int number)
{
    return {
        {number, "Словарная работа", fullSizeClient, {128, 255, 255}},
        {
            .loadedVariant = loadedVariantLabel("Label27", {3360, 7320, 255, 255}),
            .newTask = newTaskButton("Command2(0)", {240, 7320, 1935, 735},
                                     {Face::TimesNewRoman, 20.25, Weight::Bold}, {255, 128, 128}),
            .variantCaption = variantCaption({2280, 7200, 975, 255}, {7, 174, 245}),
            .variantField = variantField({2400, 7440, 735, 615}, "1", {192, 255, 192}),
            .check = checkButton({3360, 7320, 1815, 735}, {Face::TimesNewRoman, 18}, {255, 128, 0}),
            .errorsCaption = errorsCaption("Label3", {5520, 7320, 1275, 735}, {Face::TimesNewRoman, 15.75},
                                           {255, 128, 255}),
            .errorCounter = errorCounter("Label4", {6795, 7320, 735, 735}, {128, 128, 255}),
            .next = exitButton({9840, 7320, 1695, 735}, {Face::TimesNewRoman, 20.25, Weight::Bold},
                               {190, 101, 109}),
            .mainWindow = mainWindowButton("Command1(0)", {7800, 7320, 1695, 735},
                                           {Face::TimesNewRoman, 18, Weight::Bold}, {0, 192, 0}),
            .help = helpLabel("Lbl19", {480, 360, 1545, 495}),
        },
        {.kind = ExerciseKind::InWindow,
         .variants = 2,
         .selection = Reading::LeadingNumber,
         .field = {.onMainWindow = "1"},
         .checkEnabledFirst = false,
         .nextWindow = 0,
         .helpWindow = 41},
        nullptr,
        {"Text2",     "Command3",  "Command2(0)", "Command1(0)", "Command4",  "Text1(0)", "Text1(9)",
         "Text1(10)", "Text1(14)", "Text1(13)",   "Text1(12)",   "Text1(11)", "Text1(8)", "Text1(7)",
         "Text1(6)",  "Text1(5)",  "Text1(4)",    "Text1(3)",    "Text1(2)",  "Text1(1)"},
    };
}

} // namespace

std::unique_ptr<QWidget> createVocabularyWindow(int number, Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, vocabularyWindowData(number),
                                            std::make_unique<FrameOnly>());
}

} // namespace parta
