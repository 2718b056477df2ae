#include "onemembersentences.h"

#include "content/onemembersentences.h"
#include "core/checks.h"
#include "frame/build.h"
#include "frame/exercisewindow.h"
#include "frame/headerrows.h"
#include "frame/items.h"
#include "frame/label.h"
#include "frame/selectablelabels.h"
#include "frame/topic.h"

#include <QApplication>

#include <array>
#include <vector>

namespace parta {

namespace {

// One question of the grid: its label, then its options а) to г) one under the other.
struct QuestionCells {
    const char *question;
    int questionLeft;
    int questionTop;
    std::array<const char *, 4> options;
    int optionsLeft;
    std::array<int, 4> optionTops;
};

constexpr std::array<QuestionCells, 4> grid = {{
    {"Label7", 120, 2280, {"Label8", "Label9", "Label10", "Label11"}, 240, {2760, 3240, 3720, 4200}},
    {"Label12", 6000, 2280, {"Label13", "Label14", "Label15", "Label16"}, 6120, {2760, 3240, 3720, 4200}},
    {"Label17", 120, 4800, {"Label18", "Label19", "Label20", "Label21"}, 240, {5280, 5760, 6240, 6720}},
    {"Label22", 6000, 4800, {"Label23", "Label24", "Label25", "Label26"}, 6120, {5280, 5760, 6240, 6720}},
}};

// An option is selected exactly when its background is olive.
constexpr SelectionColours optionColours = {.unselected = {255, 255, 0}, .selected = {128, 128, 0}};

class OneMemberSentencesTopic : public Topic {
public:
    void build(QWidget *window) override
    {
        addLabel(window, titleRow("Label1", {840, 240, 10215, 855}, "Односоставные предложения",
                                  {Face::TimesNewRoman, 27.75, Weight::Bold}, {255, 192, 128}, {0, 0, 192}));
        addLabel(window, taskCaptionRow("Label6", {120, 1200, 1695, 495}, {Face::MsSansSerif, 18},
                                        {0, 255, 255}, {0, 0, 0}, Align::Left));
        addLabel(window, taskTextRow("Label2", {1920, 1200, 8175, 735}, content::oneMemberSentencesTask,
                                     {Face::TimesNewRoman, 14.25}, {181, 248, 5}));
        for (const QuestionCells &cells : grid) {
            questions.push_back(addLabel(window, {.name = cells.question,
                                                  .rect = {cells.questionLeft, cells.questionTop, 5655, 375},
                                                  .font = {Face::TimesNewRoman, 12, Weight::Bold},
                                                  .background = Rgb{255, 128, 128}}));
            std::vector<Label *> group;
            for (std::size_t i = 0; i < cells.options.size(); ++i) {
                auto *option = addLabel(window, {.name = cells.options[i],
                                                 .rect = {cells.optionsLeft, cells.optionTops[i], 5535, 375},
                                                 .font = {Face::TimesNewRoman, 12},
                                                 .background = optionColours.unselected});
                // Until a new task paints them black, options keep the system's label text colour.
                setForeground(option, QApplication::palette().color(QPalette::WindowText));
                group.push_back(option);
            }
            options.addGroup(group);
        }
    }

    void startNewTask() override { resetOptions(); }

    void load(int variant) override
    {
        const content::OneMemberSentencesVariant &test = content::oneMemberSentencesVariant(variant);
        const std::vector<QWidget *> &optionLabels = options.labels();
        for (std::size_t q = 0; q < test.size(); ++q) {
            setText(questions[q], QString::fromUtf8(test[q].question));
            for (std::size_t i = 0; i < test[q].options.size(); ++i)
                setText(optionLabels[4 * q + i], QString::fromUtf8(test[q].options[i]));
        }
        describeByQuestions();
    }

    ItemMarks check(int variant) override
    {
        std::vector<int> rightOption;
        for (const content::ChoiceQuestion &question : content::oneMemberSentencesVariant(variant))
            rightOption.push_back(question.right);
        return {options.labels(), checkSingleChoice(options.selectionByGroup(), rightOption)};
    }

    void leave() override
    {
        resetOptions();
        clearTexts(options.labels());
        clearTexts(questions);
        describeByQuestions();
    }

private:
    // A screen reader hears each option with the question it answers.
    void describeByQuestions()
    {
        std::vector<QWidget *> questionOfOption;
        for (QWidget *question : questions)
            questionOfOption.insert(questionOfOption.end(), 4, question);
        describeItems(options.labels(), questionOfOption);
    }

    // No option selected, every option's text black.
    void resetOptions()
    {
        options.deselectAll();
        paintAll(options.labels(), palette::color(palette::Black), ItemColour::Text);
    }

    std::vector<QWidget *> questions;
    // Label8 … Label26 without the question labels, question after question;
    // at most one option of a question is selected.
    SelectableLabels options{optionColours};
};

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
     .variants = content::oneMemberSentencesVariants,
     .selection = Reading::LeadingNumber,
     .field = {.onMainWindow = "1", .onNextTask = "1"},
     .checkEnabledFirst = false,
     .marks = ItemColour::Text,
     .nextWindow = 23,
     .helpWindow = 38,
     .ruleWindow = 19},
    nullptr,
    {"Text2", "Command3", "Command2(0)", "Command1(0)", "Command4", "Command5"},
};

} // namespace

std::unique_ptr<QWidget> createOneMemberSentencesWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form18, std::make_unique<OneMemberSentencesTopic>());
}

} // namespace parta
