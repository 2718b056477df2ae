#include "negation.h"

#include "content/negation.h"
#include "core/checks.h"
#include "frame/build.h"
#include "frame/exercisewindow.h"
#include "frame/headerrows.h"
#include "frame/items.h"
#include "frame/label.h"
#include "frame/selectablelabels.h"
#include "frame/topic.h"

#include <array>
#include <vector>

namespace parta {

namespace {

// One row of the item grid: a pair, its left member in the left column and its
// right member in the right column. Each row starts further right than the one above.
struct PairCells {
    const char *left;
    int leftLeft;
    const char *right;
    int rightLeft;
    int top;
};

constexpr std::array<PairCells, 6> grid = {{
    {"Label2", 600, "Label7", 5640, 2640},
    {"Label8", 840, "Label9", 5880, 3360},
    {"Label10", 1080, "Label11", 6120, 4080},
    {"Label12", 1320, "Label13", 6360, 4800},
    {"Label14", 1560, "Label15", 6600, 5520},
    {"Label16", 1800, "Label17", 6840, 6240},
}};

// An item is selected exactly when its background is grey.
constexpr SelectionColours itemColours = {.unselected = {255, 0, 255}, .selected = {128, 128, 128}};

LabelRow itemRow(const char *name, int left, int top)
{
    return {.name = name,
            .rect = {left, top, 4935, 375},
            .font = {Face::TimesNewRoman, 14.25},
            .background = itemColours.unselected,
            .text = {0, 0, 64},
            .border = true};
}

class NegationTopic : public Topic {
public:
    void build(QWidget *window) override
    {
        addLabel(window, titleRow("Label1", {240, 240, 11295, 855}, "НЕ с причастиями и деепричастиями",
                                  {Face::TimesNewRoman, 27.75, Weight::Bold}, {255, 255, 0}, {0, 128, 0}));
        addLabel(window, taskCaptionRow("Label3", {240, 1320, 1815, 495},
                                        {Face::Garamond, 20.25, Weight::Bold}, {0, 255, 255}, {0, 0, 255}));
        addLabel(window, taskTextRow("Label6", {2160, 1320, 8370, 945}, content::negationTask,
                                     {Face::TimesNewRoman, 14.25}, {128, 255, 128}, {0, 0, 128}));
        for (const PairCells &pair : grid) {
            items.add(addLabel(window, itemRow(pair.left, pair.leftLeft, pair.top)));
            items.add(addLabel(window, itemRow(pair.right, pair.rightLeft, pair.top)));
        }
    }

    // Captions stay until another variant is loaded.
    void startNewTask() override { items.deselectAll(); }

    void load(int variant) override
    {
        const std::vector<QWidget *> &labels = items.labels();
        const content::NegationVariant &pairs = content::negationVariant(variant);
        for (std::size_t p = 0; p < pairs.size(); ++p) {
            setText(labels[2 * p], QString::fromUtf8(pairs[p].left));
            setText(labels[2 * p + 1], QString::fromUtf8(pairs[p].right));
        }
    }

    ItemMarks check(int variant) override
    {
        std::vector<bool> key;
        for (const content::NegationPair &pair : content::negationVariant(variant)) {
            key.push_back(pair.correct == content::CorrectMember::Left);
            key.push_back(pair.correct == content::CorrectMember::Right);
        }
        return {items.labels(), checkSelection(items.selection(), key)};
    }

    void leave() override
    {
        items.deselectAll();
        clearTexts(items.labels());
    }

private:
    // Label2, Label7, Label8, Label9, … Label17: pair after pair, left member first.
    SelectableLabels items{itemColours};
};

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
     .variants = content::negationVariants,
     .selection = Reading::LeadingNumber,
     .checkEnabledFirst = false,
     .marks = ItemColour::Background,
     .nextWindow = 21,
     .helpWindow = 37,
     .ruleWindow = 17},
    nullptr,
    {"Command4", "Command3", "Command1(1)", "Text2", "Command2(0)", "Command5"},
};

} // namespace

std::unique_ptr<QWidget> createNegationWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form16, std::make_unique<NegationTopic>());
}

} // namespace parta
