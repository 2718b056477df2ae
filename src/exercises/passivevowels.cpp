#include "passivevowels.h"

#include "content/passivevowels.h"
#include "frame/build.h"
#include "frame/exercisewindow.h"
#include "frame/headerrows.h"
#include "frame/label.h"
#include "gappedwords.h"

#include <QApplication>
#include <QPalette>

#include <array>

namespace parta {

namespace {

// The word boxes stand in three columns of six. Their indices run down the
// columns in this order, which is the order the check marks them in too.
struct WordColumn {
    int left;
    int width;
    std::array<int, 6> boxes; // from top to bottom
};

constexpr std::array<WordColumn, 3> wordColumns = {{
    {240, 3495, {0, 5, 11, 14, 8, 17}},
    {4200, 3615, {1, 4, 7, 10, 13, 16}},
    {8280, 3495, {2, 3, 6, 9, 12, 15}},
}};
constexpr std::array<int, 6> rowTops = {2280, 3120, 3960, 4800, 5640, 6480};
constexpr int boxHeight = 615;

// The place of each word box, by index.
std::array<TwipsRect, 18> wordBoxPlaces()
{
    std::array<TwipsRect, 18> places;
    for (const WordColumn &column : wordColumns) {
        for (std::size_t row = 0; row < rowTops.size(); ++row)
            places[static_cast<std::size_t>(column.boxes[row])] = {column.left, rowTops[row], column.width,
                                                                   boxHeight};
    }
    return places;
}

class PassiveVowelsTopic : public GappedWordsTopic {
public:
    PassiveVowelsTopic() : GappedWordsTopic(content::passiveVowelsVariant) {}

    void build(QWidget *window) override
    {
        auto *title = addLabel(window, {.name = "Label1",
                                        .rect = {240, 120, 11295, 855},
                                        .caption = "Гласные перед н в страдательных причастиях",
                                        .font = {Face::ArialNarrow, 27.75, Weight::Bold},
                                        .background = Rgb{255, 128, 255},
                                        .border = true,
                                        .alignment = Align::Centre});
        // The title is written in the system's window-text colour.
        setForeground(title, QApplication::palette().color(QPalette::WindowText));
        addLabel(window, taskCaptionRow("Label6", {120, 1080, 1695, 495},
                                        {Face::TimesNewRoman, 20.25, Weight::Bold, true}, {128, 255, 255},
                                        {192, 0, 0}));
        addLabel(window, taskTextRow("Label2", {1800, 1080, 8775, 735}, content::passiveVowelsTask,
                                     {Face::TimesNewRoman, 14.25}, {255, 192, 192}));
        addWordBoxes(window, wordBoxPlaces());
    }
};

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
     .variants = content::passiveVowelsVariants,
     .selection = Reading::LeadingNumber,
     .field = {.onMainWindow = "1", .onNextTask = "1"},
     .checkEnabledFirst = false,
     .marks = ItemColour::Text,
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
    return std::make_unique<ExerciseWindow>(navigation, form21, std::make_unique<PassiveVowelsTopic>());
}

} // namespace parta
