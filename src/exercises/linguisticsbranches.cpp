#include "linguisticsbranches.h"

#include "frame/exercisewindow.h"
#include "frame/frameonly.h"

#include <array>
#include <vector>

namespace parta {

namespace {

constexpr Rgb windowBackground = {0, 255, 255};
constexpr std::array<int, 3> variantWindows = {7, 8};

// Where the two variant windows differ from each other.
struct VariantWindow {
    WindowLook window;
    const char *fieldText;
    const char *fieldToolTip;
    FieldRewrites field;
    std::vector<const char *> focusOrder; // its first entry has the focus when first shown
};

const std::array<VariantWindow, 2> variantWindowTable = {{
    {{7, "Разделы науки о языке, вариант I", fullSizeClient, windowBackground, TitleBar::Fixed,
      WindowIcon::Menu},
     "1",
     "Текстовое поле для ввода номера варианта",
     {.onNewTask = "1", .onCheck = "1", .onNextTask = "1"},
     {"Command4", "Text2", "Command3", "Command2(0)", "Command1(1)", "Text1", "Text3", "Text4", "Text5",
      "Text6"}},
    {{8, "Разделы науки о языке, вариант II", fullSizeClient, windowBackground, TitleBar::Fixed,
      WindowIcon::Menu},
     "2",
     nullptr,
     {.onNewTask = "2", .onMainWindow = "2", .onNextTask = "2"},
     // The answer boxes from the bottom up.
     {"Text6", "Text5", "Text4", "Text3", "Text1", "Command1(1)", "Command2(0)", "Command3", "Text2",
      "Command4"}},
}};

ExerciseWindowData variantWindowData(const VariantWindow &v, int variant)
{
    return {
        v.window,
        {
            .newTask = newTaskButton("Command2(0)", {240, 7320, 1935, 735}, {Face::Georgia, 18, Weight::Bold},
                                     {128, 128, 255}),
            .variantCaption = variantCaption({2280, 7200, 975, 255}, {192, 255, 255}),
            .variantField =
                variantField({2400, 7440, 735, 615}, v.fieldText, {255, 255, 192}, v.fieldToolTip),
            .check = checkButton({3480, 7320, 1815, 735}, {Face::TimesNewRoman, 15.75, Weight::Bold},
                                 {255, 255, 0}),
            .errorsCaption = errorsCaption("Label4", {5400, 7320, 1215, 720},
                                           {Face::TimesNewRoman, 14.25, Weight::Bold}, {255, 128, 0}),
            .errorCounter = errorCounter("Lbl", {6600, 7320, 855, 735}, {192, 255, 192}),
            .next = nextTaskButton({7800, 7320, 1815, 735}, {Face::TimesNewRoman, 15.75, Weight::Bold},
                                   {255, 128, 255}),
            .mainWindow =
                mainWindowButton("Command1(1)", {9840, 7320, 1695, 735},
                                 {Face::MsReferenceSansSerif, 14.25, Weight::Bold}, {255, 128, 128}),
            .help = helpLabel("Label13", {240, 1920, 1545, 510}),
        },
        {.kind = ExerciseKind::WindowSwitching,
         .variants = 2,
         .variantWindows = variantWindows,
         .ownVariant = variant,
         .selection = Reading::WholeText,
         .field = v.field,
         .nextWindow = 13,
         .helpWindow = 32},
        nullptr,
        v.focusOrder,
    };
}

} // namespace

std::unique_ptr<QWidget> createLinguisticsBranchesWindow(int number, Navigation &navigation)
{
    const int variant = number - variantWindows[0] + 1;
    const VariantWindow &v = variantWindowTable.at(static_cast<std::size_t>(variant - 1));
    return std::make_unique<ExerciseWindow>(navigation, variantWindowData(v, variant),
                                            std::make_unique<FrameOnly>());
}

} // namespace parta
