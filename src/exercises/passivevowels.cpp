#include "passivevowels.h"

#include "frame/exercisewindow.h"
#include "frame/frameonly.h"

namespace parta {

namespace {

const ExerciseWindowData form21 = {
    {21, "Гласные перед н в страдательных причастиях", fullSizeClient, {34, 234, 189}},
    {
        .loadedVariant = loadedVariantLabel("Label27", {3360, 7320, 255, 255}),
        .newTask = newTaskButton("Command2(0)", {240, 7320, 1935, 735},
                                 {Face::TimesNewRoman, 20.25, Weight::Bold}, {207, 77, 251}),
        .variantCaption = variantCaption({2280, 7200, 975, 255}, {255, 128, 128}),
        .variantField = variantField({2400, 7440, 735, 615}, "1", {255, 192, 255}),
        .check = checkButton({3360, 7320, 1815, 735}, {Face::TimesNewRoman, 18}, {0, 255, 255}),
        .errorsCaption =
            errorsCaption("Label3", {5520, 7320, 1275, 735}, {Face::TimesNewRoman, 15.75}, {255, 255, 0}),
        .errorCounter = errorCounter("Label4", {6795, 7320, 735, 735}, {255, 128, 0}),
        .next = nextTaskButton({7800, 7320, 1815, 735}, {Face::TimesNewRoman, 15.75}, {0, 192, 192}),
        .mainWindow = mainWindowButton("Command1(0)", {9840, 7320, 1695, 735},
                                       {Face::TimesNewRoman, 18, Weight::Bold}, {192, 192, 255}),
        .help = helpLabel("Lbl19", {240, 1680, 1545, 495}),
        .rule = ruleButton({10680, 1200, 1150, 615}, {Face::TimesNewRoman, 14.25}, {7, 174, 245}),
    },
    {.kind = ExerciseKind::InWindow,
     .variants = 2,
     .selection = Reading::LeadingNumber,
     .field = {.onMainWindow = "1", .onNextTask = "1"},
     .checkEnabledFirst = false,
     .nextWindow = 25,
     .helpWindow = 39,
     .ruleWindow = 22},
    nullptr,
    {"Command4",  "Command1(0)", "Command2(0)", "Command3",  "Text2",     "Command5",
     "Text1(1)",  "Text1(2)",    "Text1(3)",    "Text1(4)",  "Text1(5)",  "Text1(6)",
     "Text1(7)",  "Text1(8)",    "Text1(9)",    "Text1(10)", "Text1(11)", "Text1(12)",
     "Text1(13)", "Text1(14)",   "Text1(15)",   "Text1(16)", "Text1(17)", "Text1(0)"},
};

} // namespace

std::unique_ptr<QWidget> createPassiveVowelsWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form21, std::make_unique<FrameOnly>());
}

} // namespace parta
