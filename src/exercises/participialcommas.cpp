#include "participialcommas.h"

#include "frame/exercisewindow.h"
#include "frame/frameonly.h"

namespace parta {

namespace {

const ExerciseWindowData form13 = {
    {13, " Выделение причастного оборота запятыми", fullSizeClient, {255, 192, 255}},
    {
        .newTask = {"Command2(0)",
                    {360, 7320, 2535, 735},
                    "Выполнить заново",
                    {Face::TimesNewRoman, 15.75, Weight::Bold},
                    {7, 174, 245}},
        .check =
            checkButton({3120, 7320, 1935, 735}, {Face::TimesNewRoman, 17.25, Weight::Bold}, {207, 77, 251}),
        .errorsCaption =
            errorsCaption("Label4", {5280, 7320, 1215, 720}, {Face::MsSansSerif, 13.5}, {255, 255, 0}),
        .errorCounter = errorCounter("Lbl", {6480, 7320, 735, 735}, {192, 255, 192}),
        .next = nextTaskButton({7560, 7320, 1815, 735}, {Face::TimesNewRoman, 15.75, Weight::Bold},
                               {255, 128, 0}),
        .mainWindow = mainWindowButton("Command1(1)", {9600, 7320, 1815, 735},
                                       {Face::TimesNewRoman, 15.75, Weight::Bold}, {128, 128, 255}),
        .help = helpLabel("Label13", {480, 6480, 1545, 510}),
        .rule = ButtonRow{"Command5",
                          {4560, 6480, 2055, 465},
                          " Правило",
                          {Face::Sylfaen, 18, Weight::Bold},
                          {0, 192, 0},
                          true},
    },
    {.kind = ExerciseKind::SingleTask, .variants = 1, .nextWindow = 16, .helpWindow = 35, .ruleWindow = 6},
    nullptr,
    // The answer boxes join this order when the exercise is built.
    {"Command1(1)", "Command2(0)", "Command3", "Command4", "Command5"},
};

} // namespace

std::unique_ptr<QWidget> createParticipialCommasWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form13, std::make_unique<FrameOnly>());
}

} // namespace parta
