#include "negation.h"

#include "frame/exercisewindow.h"
#include "frame/frameonly.h"

namespace parta {

namespace {

const ExerciseWindowData form16 = {
    {16, "НЕ с причастиями и деепричастиями", fullSizeClient, {192, 192, 255}},
    {
        .loadedVariant = loadedVariantLabel("Label18", {3480, 7560, 255, 135}),
        .newTask = newTaskButton("Command2(0)", {120, 7320, 1935, 735},
                                 {Face::TimesNewRoman, 20.25, Weight::Bold}, {192, 192, 0}),
        .variantCaption = variantCaption({2160, 7200, 975, 255}, {7, 174, 245}),
        .variantField = variantField({2280, 7440, 735, 615}, "1", {192, 255, 192}),
        .check =
            checkButton({3240, 7320, 1935, 735}, {Face::TimesNewRoman, 17.25, Weight::Bold}, {207, 77, 251}),
        .errorsCaption =
            errorsCaption("Label4", {5330, 7320, 1275, 735}, {Face::TimesNewRoman, 15.75}, {0, 255, 255}),
        .errorCounter = errorCounter("Lbl", {6720, 7320, 855, 735}, {192, 255, 192}),
        .next = nextTaskButton({7680, 7320, 1815, 735}, {Face::TimesNewRoman, 15.75, Weight::Bold},
                               {255, 128, 0}),
        .mainWindow = mainWindowButton("Command1(1)", {9720, 7320, 1815, 735},
                                       {Face::TimesNewRoman, 15.75, Weight::Bold}, {128, 128, 255}),
        .help = helpLabel("Lbl19", {120, 6240, 1545, 510}),
        .rule = ruleButton({240, 2040, 1815, 375}, {Face::TimesNewRoman, 14.25}, {207, 77, 251}),
    },
    {.kind = ExerciseKind::InWindow,
     .variants = 3,
     .selection = Reading::LeadingNumber,
     .checkEnabledFirst = false,
     .nextWindow = 21,
     .helpWindow = 37,
     .ruleWindow = 17},
    nullptr,
    {"Command4", "Command3", "Command1(1)", "Text2", "Command2(0)", "Command5"},
};

} // namespace

std::unique_ptr<QWidget> createNegationWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form16, std::make_unique<FrameOnly>());
}

} // namespace parta
