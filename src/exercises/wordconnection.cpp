#include "wordconnection.h"

#include "content/wordconnection.h"
#include "core/checks.h"
#include "frame/build.h"
#include "frame/documentview.h"
#include "frame/exercisewindow.h"
#include "frame/headerrows.h"
#include "frame/items.h"
#include "frame/label.h"
#include "frame/navigation.h"
#include "frame/selectablelabels.h"
#include "frame/topic.h"

#include <array>
#include <vector>

namespace parta {

namespace {

constexpr Rgb windowBackground = {255, 192, 192};
constexpr std::array<int, 3> variantWindows = {9, 10, 11};

// A phrase is selected exactly when its background is teal.
constexpr SelectionColours phraseColours = {.unselected = {255, 255, 0}, .selected = {0, 128, 128}};

// ---- Form5, the variant chooser ------------------------------------------------

class ChooserTopic : public Topic {
public:
    ChooserTopic(Navigation &navigation_, int helpWindow_) : navigation(navigation_), helpWindow(helpWindow_)
    {
    }

    void build(QWidget *window) override
    {
        addLabel(window, titleRow("Label3", {240, 120, 11175, 855}, "Связь слов в словосочетаниях",
                                  {Face::TimesNewRoman, 26.25, Weight::Bold}, {255, 255, 0}, {0, 0, 255}));
        addLabel(window, taskCaptionRow("Label1", {120, 1200, 1695, 495}, {Face::MsSansSerif, 18},
                                        {0, 255, 255}, {0, 0, 0}, Align::Left));
        auto *instruction = addLabel(window, {.name = "Label2(0)",
                                              .rect = {1800, 1080, 9855, 1095},
                                              .caption = content::wordConnectionInstruction,
                                              .font = {Face::TimesNewRoman, 14.25},
                                              .background = Rgb{255, 192, 255}});
        // The instruction opens the help window too, as its "Справка" does.
        QObject::connect(instruction, &Label::clicked, instruction, [this] { navigation.popUp(helpWindow); });
    }

    // The chooser has no items: nothing to reset, load or check.
    void startNewTask() override {}
    ItemMarks check(int) override { return {}; }
    void leave() override {}

private:
    Navigation &navigation;
    int helpWindow;
};

const ExerciseWindowData chooserData = {
    {5, "Связь слов в словосочетаниях", fullSizeClient, windowBackground, TitleBar::Fixed, WindowIcon::Menu},
    {
        .newTask = newTaskButton("Command2(0)", {360, 7320, 1935, 735}, {Face::Georgia, 18, Weight::Bold},
                                 {0, 192, 192}),
        .variantCaption = variantCaption({2400, 7200, 975, 255}, {255, 192, 255}),
        .variantField = variantField({2520, 7440, 735, 615}, "1", {192, 255, 192}),
        .next = nextTaskButton({7800, 7320, 1935, 735}, {Face::Georgia, 14.25, Weight::Bold}, {0, 255, 0}),
        .mainWindow = mainWindowButton("Command1(0)", {9960, 7320, 1695, 735},
                                       {Face::Georgia, 15.75, Weight::Bold}, {0, 192, 0}),
        .help = helpLabel("Label2(1)", {120, 2040, 1545, 510}),
    },
    {.kind = ExerciseKind::VariantChooser,
     .variants = 3,
     .variantWindows = variantWindows,
     .selection = Reading::WholeText,
     .nextWindow = 14,
     .helpWindow = 30},
    "Text2",
};

// ---- Form9, Form10, Form11, the variant windows ---------------------------------

class WordConnectionTopic : public Topic {
public:
    WordConnectionTopic(const content::WordConnectionVariant &content_, const LabelRow &taskCaption_)
        : content(content_), taskCaption(taskCaption_)
    {
    }

    void build(QWidget *window) override
    {
        addDocument(window, {"OLE1", {240, 120, 11445, 705}, {128, 255, 128}, content.header});
        addLabel(window, taskCaption);
        addLabel(window, taskTextRow("Label2", {1800, 960, 7815, 495}, content.taskText,
                                     {Face::TimesNewRoman, 14.25}, {255, 192, 255}));
        for (std::size_t i = 0; i < content.phrases.size(); ++i) {
            const int column = static_cast<int>(i) / 8;
            const int row = static_cast<int>(i) % 8;
            const std::string name = "l" + std::to_string(i + 1);
            auto *phrase = addLabel(window, {.name = name.c_str(),
                                             .rect = {240 + 6000 * column, 1560 + 720 * row, 5415, 495},
                                             .caption = content.phrases[i].caption,
                                             .font = {Face::TimesNewRoman, 20.25},
                                             .background = phraseColours.unselected});
            phrases.add(phrase);
        }
    }

    void startNewTask() override { resetPhrases(); }
    void leave() override { resetPhrases(); }

    ItemMarks check(int) override
    {
        std::vector<bool> key;
        for (const content::Phrase &phrase : content.phrases)
            key.push_back(phrase.key);
        return {phrases.labels(), checkSelection(phrases.selection(), key)};
    }

private:
    // Every phrase unselected, in black.
    void resetPhrases()
    {
        phrases.deselectAll();
        paintAll(phrases.labels(), palette::color(palette::Black), ItemColour::Text);
    }

    const content::WordConnectionVariant &content;
    LabelRow taskCaption;
    SelectableLabels phrases{phraseColours};
};

// Where the three variant windows differ from each other.
struct VariantWindow {
    WindowLook window;
    LabelRow taskCaption; // "Задание:"
    ButtonRow newTask;
    int errorCounterLeft;
    ButtonRow next;
    ButtonRow mainWindow;
    FieldRewrites field;
    int helpWindow;
    const char *firstFocus;
};

constexpr LabelRow plainTaskCaption = taskCaptionRow("Label1", {120, 960, 1695, 495}, {Face::MsSansSerif, 18},
                                                     {0, 255, 255}, {0, 0, 0}, Align::Left);
constexpr FontLook newTaskFont = {Face::TimesNewRoman, 20.25, Weight::Bold};
constexpr Rgb newTaskFace = {0, 192, 192};
constexpr TwipsRect nextRect = {7920, 7320, 1815, 735};
constexpr TwipsRect mainWindowRect = {9960, 7320, 1695, 735};

const std::array<VariantWindow, 3> variantWindowTable = {{
    {{9, "Связь слов в словосочетаниях, вариант I", fullSizeClient, windowBackground},
     plainTaskCaption,
     newTaskButton("Command2", {240, 7320, 2055, 735}, newTaskFont, newTaskFace),
     6840,
     nextTaskButton(nextRect, {Face::TimesNewRoman, 15.75}, {128, 128, 255}),
     mainWindowButton("Command1(0)", mainWindowRect, {Face::TimesNewRoman, 18, Weight::Bold},
                      {128, 128, 255}),
     {.onNewTask = "1", .onMainWindow = "1", .onNextTask = "1"},
     31,
     "Command1(0)"},
    {{10, "Связь слов в словосочетаниях, вариант II", fullSizeClient, windowBackground},
     plainTaskCaption,
     newTaskButton("Command2(0)", {360, 7320, 1935, 735}, newTaskFont, newTaskFace),
     6910,
     nextTaskButton(nextRect, {Face::MsSansSerif, 13.5}, {0, 255, 0}),
     mainWindowButton("Command1(0)", mainWindowRect, {Face::MsReferenceSansSerif, 14.25, Weight::Bold},
                      {0, 192, 0}),
     {.onNewTask = "2", .onMainWindow = "2", .onNextTask = "2"},
     33,
     "Text2"},
    {{11, "Связь слов в словосочетаниях, вариант III", fullSizeClient, windowBackground},
     taskCaptionRow("Label1", {120, 960, 1695, 495}, {Face::TimesNewRoman, 20.25, Weight::Bold},
                    {0, 255, 255}, {128, 0, 0}, Align::Right),
     newTaskButton("Command2(0)", {360, 7320, 1935, 735}, newTaskFont, newTaskFace),
     6910,
     nextTaskButton(nextRect, {Face::TimesNewRoman, 15.75}, {0, 255, 0}),
     mainWindowButton("Command1(0)", mainWindowRect, {Face::TimesNewRoman, 18, Weight::Bold}, {0, 192, 0}),
     {.onNewTask = "3", .onCheck = "3", .onMainWindow = "3"},
     34,
     "Text2"},
}};

ExerciseWindowData variantWindowData(const VariantWindow &v, int variant)
{
    static const char *const ownNumbers[] = {"1", "2", "3"};
    return {
        v.window,
        {
            .newTask = v.newTask,
            .variantCaption = variantCaption({2400, 7200, 975, 255}, {255, 192, 255}),
            .variantField = variantField({2520, 7440, 735, 615}, ownNumbers[variant - 1], {192, 255, 192}),
            .check = checkButton({3480, 7320, 1815, 735}, {Face::TimesNewRoman, 18}, {255, 128, 0}),
            .errorsCaption =
                errorsCaption("Label3", {5640, 7320, 1275, 735}, {Face::TimesNewRoman, 15.75}, {0, 255, 255}),
            .errorCounter = errorCounter("Label4", {v.errorCounterLeft, 7320, 735, 735}, {255, 192, 255}),
            .next = v.next,
            .mainWindow = v.mainWindow,
            .help = helpLabel("Label13", {360, 240, 1545, 510}),
            .rule = ruleButton({9720, 1080, 2055, 375}, {Face::MonotypeCorsiva, 15.75, Weight::Bold, true},
                               {128, 255, 255}),
        },
        {.kind = ExerciseKind::WindowSwitching,
         .variants = 3,
         .variantWindows = variantWindows,
         .ownVariant = variant,
         .selection = Reading::WholeText,
         .field = v.field,
         .marks = ItemColour::Text,
         .nextWindow = 14,
         .helpWindow = v.helpWindow,
         .ruleWindow = 12},
        v.firstFocus,
    };
}

} // namespace

std::unique_ptr<QWidget> createWordConnectionChooser(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(
        navigation, chooserData, std::make_unique<ChooserTopic>(navigation, chooserData.rules.helpWindow));
}

std::unique_ptr<QWidget> createWordConnectionWindow(int number, Navigation &navigation)
{
    const int variant = number - variantWindows[0] + 1;
    const VariantWindow &v = variantWindowTable.at(static_cast<std::size_t>(variant - 1));
    auto topic =
        std::make_unique<WordConnectionTopic>(content::wordConnectionVariant(variant), v.taskCaption);
    return std::make_unique<ExerciseWindow>(navigation, variantWindowData(v, variant), std::move(topic));
}

} // namespace parta
