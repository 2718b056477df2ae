#include "linguisticsbranches.h"

#include "content/linguisticsbranches.h"
#include "core/checks.h"
#include "frame/build.h"
#include "frame/exercisewindow.h"
#include "frame/headerrows.h"
#include "frame/items.h"
#include "frame/label.h"
#include "frame/textbox.h"
#include "frame/topic.h"

#include <array>
#include <vector>

namespace parta {

namespace {

constexpr Rgb windowBackground = {0, 255, 255};
constexpr std::array<int, 3> variantWindows = {7, 8};

// One row of the exercise: the answer box, the dash after it and the
// definition it answers, all at the row's top.
struct AnswerRow {
    const char *box;
    const char *dash;
    const char *definition;
    int top;
};

constexpr std::array<AnswerRow, 5> answerRows = {{
    {"Text1", "Line1", "Label3", 2640},
    {"Text3", "Line2", "Label8", 3360},
    {"Text4", "Line3", "Label9", 4200},
    {"Text5", "Line4", "Label10", 4920},
    {"Text6", "Line5", "Label11", 5760},
}};

// The boxes are pink when the window is first shown and grey after every reset.
constexpr Rgb firstBoxBackground = {255, 192, 192};
constexpr Rgb wordListBackground = {255, 192, 255};

// A caption "Слова для справок:" at the left end of the word list.
struct WordListCaption {
    const char *name;
    int left;
    bool onTop; // lies over the list's leading blanks; otherwise under the list, unseen
};

// Where the two variant windows differ from each other.
struct VariantWindow {
    WindowLook window;
    TwipsRect title;
    int taskHeight;
    std::array<int, 5> definitionHeights;
    // In the order they are stacked: the last lies on top.
    std::vector<WordListCaption> wordListCaptions;
    const char *fieldText;
    const char *fieldToolTip;
    FieldRewrites field;
    std::vector<const char *> focusOrder; // its first entry has the focus when first shown
};

const std::array<VariantWindow, 2> variantWindowTable = {{
    {{7, "Разделы науки о языке, вариант I", fullSizeClient, windowBackground, TitleBar::Fixed,
      WindowIcon::Menu},
     {405, 120, 11070, 885},
     1080,
     {495, 615, 495, 615, 615},
     {{"Label7", 2160, true}},
     "1",
     "Текстовое поле для ввода номера варианта",
     {.onNewTask = "1", .onCheck = "1", .onNextTask = "1"},
     {"Command4", "Text2", "Command3", "Command2(0)", "Command1(1)", "Text1", "Text3", "Text4", "Text5",
      "Text6"}},
    {{8, "Разделы науки о языке, вариант II", fullSizeClient, windowBackground, TitleBar::Fixed,
      WindowIcon::Menu},
     {360, 120, 11055, 885},
     840,
     {495, 615, 495, 615, 495},
     // Over the list, the caption at 2280 would cut into its first name; the one at
     // 2160 covers the blanks as in Form7.
     {{"Label7(0)", 2280, false}, {"Label7(1)", 2160, true}},
     "2",
     nullptr,
     {.onNewTask = "2", .onMainWindow = "2", .onNextTask = "2"},
     // The answer boxes from the bottom up.
     {"Text6", "Text5", "Text4", "Text3", "Text1", "Command1(1)", "Command2(0)", "Command3", "Text2",
      "Command4"}},
}};

class LinguisticsBranchesTopic : public Topic {
public:
    LinguisticsBranchesTopic(const content::LinguisticsBranchesVariant &content_,
                             const VariantWindow &layout_)
        : content(content_), layout(layout_)
    {
    }

    void build(QWidget *window) override
    {
        addLabel(window,
                 titleRow("Label12", layout.title, "Разделы науки о языке",
                          {Face::TimesNewRoman, 36, Weight::Bold, true}, {214, 102, 247}, {0, 0, 128}));
        addLabel(window, taskCaptionRow("Label1", {120, 1200, 1815, 495},
                                        {Face::Garamond, 20.25, Weight::Bold}, {255, 255, 0}, {0, 0, 255}));
        addLabel(window, taskTextRow("Label2", {2040, 1200, 9690, layout.taskHeight}, content.task,
                                     {Face::MsSansSerif, 13.5}, {255, 255, 192}, {0, 0, 128}));
        for (std::size_t i = 0; i < answerRows.size(); ++i) {
            const AnswerRow &row = answerRows[i];
            boxes.push_back(addTextBox(window, {.name = row.box,
                                                .rect = {120, row.top, 2295, 435},
                                                .font = {Face::MsSansSerif, 12},
                                                .background = firstBoxBackground}));
            addLine(window, {row.dash, 2520, row.top + 240, 3000, row.top + 240, {255, 0, 255}, 4});
            definitions.push_back(
                addLabel(window, {.name = row.definition,
                                  .rect = {3240, row.top, 8415, layout.definitionHeights[i]},
                                  .caption = content.rows[i].shown,
                                  .font = {Face::MsSansSerif, 12},
                                  .background = Rgb{128, 255, 128}}));
        }
        nameItems(boxes, QStringLiteral("Определение %1"));
        describeItems(boxes, definitions);
        std::vector<Label *> captionsOnTop;
        for (const WordListCaption &caption : layout.wordListCaptions) {
            auto *label = addLabel(window, {.name = caption.name,
                                            .rect = {caption.left, 6600, 2190, 255},
                                            .caption = "Слова для справок:",
                                            .font = {Face::MsSansSerif, 9.75, Weight::Bold},
                                            .background = wordListBackground});
            if (caption.onTop)
                captionsOnTop.push_back(label);
        }
        addLabel(window, {.name = "Label6",
                          .rect = {2160, 6600, 7935, 495},
                          .caption = content::linguisticsBranchesWordList,
                          .background = wordListBackground});
        for (Label *caption : captionsOnTop)
            caption->raise();
    }

    void startNewTask() override { resetBoxes(); }
    void leave() override { resetBoxes(); }

    ItemMarks check(int) override
    {
        return {boxes, checkTypedAnswers(textsOf(boxes), content::acceptedForms(content.rows))};
    }

private:
    // Empty answer boxes on grey.
    void resetBoxes()
    {
        clearTexts(boxes);
        paintAll(boxes, palette::color(palette::Silver), ItemColour::Background);
    }

    const content::LinguisticsBranchesVariant &content;
    const VariantWindow &layout;
    std::vector<QWidget *> boxes;
    std::vector<QWidget *> definitions;
};

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
         .variants = content::linguisticsBranchesVariants,
         .variantWindows = variantWindows,
         .ownVariant = variant,
         .selection = Reading::WholeText,
         .field = v.field,
         .marks = ItemColour::Background,
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
    auto topic = std::make_unique<LinguisticsBranchesTopic>(content::linguisticsBranchesVariant(variant), v);
    return std::make_unique<ExerciseWindow>(navigation, variantWindowData(v, variant), std::move(topic));
}

} // namespace parta
