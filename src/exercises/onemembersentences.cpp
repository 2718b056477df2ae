#include "onemembersentences.h"

#include "frame/exercisewindow.h"
#include "frame/frameonly.h"

namespace parta {

namespace {

const ExerciseWindowData form18 = {
    {18, "Односоставные предложения", fullSizeClient, {192, 192, 255}},
    {
        .loadedVariant = loadedVariantLabel("Label27", {3360, 7320, 255, 255}),
        .newTask = newTaskButton("Command2(0)", {240, 7320, 1935, 735},
                                 {Face::TimesNewRoman, 20.25, Weight::Bold}, {207, 77, 251}),
        .variantCaption = variantCaption({2280, 7200, 975, 255}, {255, 128, 128}),
        .variantField = variantField({2400, 7440, 735, 615}, "1", {181, 248, 5}),
        .check = checkButton({3360, 7320, 1815, 735}, {Face::TimesNewRoman, 18}, {0, 255, 255}),
        .errorsCaption =
            errorsCaption("Label3", {5520, 7320, 1275, 735}, {Face::TimesNewRoman, 15.75}, {255, 128, 255}),
        .errorCounter = errorCounter("Label4", {6795, 7320, 735, 735}, {255, 128, 0}),
        .next = nextTaskButton({7800, 7320, 1815, 735}, {Face::TimesNewRoman, 15.75}, {0, 192, 192}),
        .mainWindow = mainWindowButton("Command1(0)", {9840, 7320, 1695, 735},
                                       {Face::TimesNewRoman, 18, Weight::Bold}, {255, 128, 128}),
        .help = helpLabel("Lbl19", {120, 1800, 1545, 495}),
        .rule = ruleButton({10320, 1440, 1335, 495}, {Face::MsSansSerif, 12, Weight::Bold}, {7, 174, 245}),
    },
    {.kind = ExerciseKind::InWindow,
     .variants = 3,
     .selection = Reading::LeadingNumber,
     .field = {.onMainWindow = "1", .onNextTask = "1"},
     .checkEnabledFirst = false,
     .nextWindow = 23,
     .helpWindow = 38,
     .ruleWindow = 19},
    nullptr,
    {"Text2", "Command3", "Command2(0)", "Command1(0)", "Command4", "Command5"},
};

} // namespace

std::unique_ptr<QWidget> createOneMemberSentencesWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form18, std::make_unique<FrameOnly>());
}

} // namespace parta
