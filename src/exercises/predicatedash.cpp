#include "predicatedash.h"

#include "frame/exercisewindow.h"
#include "frame/frameonly.h"

namespace parta {

namespace {

const ExerciseWindowData form23 = {
    {23, "Тире между подлежащим и сказуемым", fullSizeClient, {255, 192, 255}},
    {
        .loadedVariant = loadedVariantLabel("Label27", {3360, 7320, 255, 255}),
        .newTask = newTaskButton("Command2(0)", {240, 7320, 1935, 735},
                                 {Face::TimesNewRoman, 20.25, Weight::Bold}, {192, 192, 0}),
        .variantCaption = variantCaption({2280, 7200, 975, 255}, {7, 174, 245}),
        .variantField = variantField({2400, 7440, 735, 615}, "1", {192, 255, 192}),
        .check =
            checkButton({3360, 7320, 1935, 735}, {Face::TimesNewRoman, 17.25, Weight::Bold}, {207, 77, 251}),
        .errorsCaption =
            errorsCaption("Label4", {5445, 7320, 1275, 735}, {Face::TimesNewRoman, 15.75}, {255, 255, 0}),
        .errorCounter = errorCounter("Lbl", {6720, 7320, 855, 735}, {192, 255, 192}),
        .next = nextTaskButton({7800, 7320, 1815, 735}, {Face::TimesNewRoman, 15.75, Weight::Bold},
                               {255, 128, 0}),
        .mainWindow = mainWindowButton("Command1(1)", {9840, 7320, 1815, 735},
                                       {Face::TimesNewRoman, 15.75, Weight::Bold}, {128, 128, 255}),
        .help = helpLabel("Lbl19", {360, 1800, 1545, 495}),
        .rule = ruleButton({10200, 1440, 1455, 495}, {Face::TimesNewRoman, 15.75}, {255, 255, 0}),
    },
    {.kind = ExerciseKind::InWindow,
     .variants = 2,
     .selection = Reading::LeadingNumber,
     .field = {.onMainWindow = "1", .onNextTask = "1"},
     .checkEnabledFirst = false,
     .nextWindow = 26,
     .helpWindow = 40,
     .ruleWindow = 24},
    nullptr,
    // The sentence boxes join this order when the exercise is built.
    {"Command2(0)", "Text2", "Command1(1)", "Command3", "Command4", "Command5"},
};

} // namespace

std::unique_ptr<QWidget> createPredicateDashWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form23, std::make_unique<FrameOnly>());
}

} // namespace parta
