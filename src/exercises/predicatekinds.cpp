#include "predicatekinds.h"

#include "content/predicatekinds.h"
#include "core/checks.h"
#include "frame/build.h"
#include "frame/exercisewindow.h"
#include "frame/headerrows.h"
#include "frame/items.h"
#include "frame/label.h"
#include "frame/navigation.h"
#include "frame/textbox.h"
#include "frame/topic.h"

#include <QApplication>

#include <array>

namespace parta {

namespace {

// One cell of the sentence grid: the answer box left of its sentence.
struct PredicateItem {
    const char *box;
    const char *sentence;
    int left; // of the box; the sentence stands 600 twips to its right
    int top;
};

constexpr std::array<PredicateItem, 10> grid = {{
    {"Text1", "Label6", 240, 2640},
    {"Text3", "Label7", 6120, 2640},
    {"Text4", "Label8", 240, 3600},
    {"Text5", "Label9", 6120, 3600},
    {"Text6", "Label10", 240, 4560},
    {"Text7", "Label11", 6120, 4560},
    {"Text8", "Label12", 240, 5520},
    {"Text9", "Label13", 6120, 5520},
    {"Text10", "Label14", 240, 6480},
    {"Text11", "Label15", 6120, 6480},
}};

constexpr Rgb firstBoxBackground = {255, 255, 192};
constexpr int sentenceOffset = 600;

class PredicateKindsTopic : public Topic {
public:
    void build(QWidget *window) override
    {
        addDocument(window,
                    {"OLE1", {1680, 240, 9375, 975}, {255, 255, 0}, ":/pictures/header-predicate.svg"});
        addLabel(window,
                 taskCaptionRow("Label1", {600, 1440, 1695, 495},
                                {Face::TimesNewRoman, 20.25, Weight::Bold, true}, {0, 255, 0}, {192, 0, 0}));
        auto *task = addLabel(window, {.name = "Label2",
                                       .rect = {2400, 1440, 9135, 975},
                                       .caption = content::predicateKindsTask,
                                       .font = {Face::TimesNewRoman, 14.25}});
        // The task stands on the system's tooltip colour.
        task->setAutoFillBackground(true);
        setBackground(task, QApplication::palette().color(QPalette::ToolTipBase));
        setForeground(task, QApplication::palette().color(QPalette::ToolTipText));
        // At its size the task would wrap onto a fourth line that the label cuts off.
        tightenToFit(task);
        for (const PredicateItem &item : grid) {
            boxes.push_back(addTextBox(window, {.name = item.box,
                                                .rect = {item.left, item.top, 495, 615},
                                                .font = {Face::TimesNewRoman, 20.25},
                                                .background = firstBoxBackground,
                                                .alignment = Align::Centre}));
            sentences.push_back(addLabel(window, {.name = item.sentence,
                                                  .rect = {item.left + sentenceOffset, item.top, 4815, 615},
                                                  .font = {Face::TimesNewRoman, 12.75},
                                                  .background = Rgb{128, 255, 255}}));
        }
        nameItems(boxes, QStringLiteral("Предложение %1"));
    }

    void startNewTask() override { resetBoxes(); }

    void leave() override
    {
        resetBoxes();
        clearTexts(sentences);
        describeItems(boxes, sentences);
    }

    void load(int variant) override
    {
        const content::PredicateKindsVariant &items = content::predicateKindsVariant(variant);
        for (std::size_t i = 0; i < sentences.size(); ++i)
            setText(sentences[i], QString::fromUtf8(items[i].text));
        describeItems(boxes, sentences);
    }

    ItemMarks check(int variant) override
    {
        const content::PredicateKindsVariant &items = content::predicateKindsVariant(variant);
        std::vector<int> key;
        for (const content::PredicateSentence &item : items)
            key.push_back(item.key);
        return {boxes, checkNumberAnswers(textsOf(boxes), key)};
    }

private:
    // Empty answer boxes on yellow.
    void resetBoxes()
    {
        clearTexts(boxes);
        paintAll(boxes, palette::color(palette::Yellow), ItemColour::Background);
    }

    std::vector<QWidget *> boxes;
    std::vector<QWidget *> sentences;
};

const ExerciseWindowData form14 = {
    {14, "Сказуемое", fullSizeClient, {255, 192, 255}},
    {
        .loadedVariant = loadedVariantLabel("Label16", {2760, 7680, 210, 315}),
        .newTask = newTaskButton("Command2(0)", {240, 7320, 1935, 735},
                                 {Face::TimesNewRoman, 20.25, Weight::Bold}, {192, 192, 0}),
        .variantCaption = variantCaption({2280, 7200, 975, 255}, {7, 174, 245}),
        .variantField = variantField({2400, 7440, 735, 615}, "1", {192, 255, 192}),
        .check = checkButton({3480, 7320, 1815, 735}, {Face::TimesNewRoman, 18}, {255, 128, 0}),
        .errorsCaption =
            errorsCaption("Label3", {5520, 7320, 1275, 735}, {Face::TimesNewRoman, 15.75}, {0, 255, 255}),
        .errorCounter = errorCounter("Label4", {6795, 7320, 735, 735}, {128, 128, 255}),
        .next = nextTaskButton({7800, 7320, 1815, 735}, {Face::TimesNewRoman, 15.75}, {0, 255, 0}),
        .mainWindow = mainWindowButton("Command1(0)", {9840, 7320, 1695, 735},
                                       {Face::TimesNewRoman, 18, Weight::Bold}, {0, 192, 0}),
        .help = helpLabel("Label17", {120, 600, 1545, 510}),
        .rule = ruleButton({240, 2040, 1935, 375}, {Face::TimesNewRoman, 14.25}, {128, 128, 255}),
    },
    {.kind = ExerciseKind::InWindow,
     .variants = content::predicateKindsVariants,
     .selection = Reading::WholeText,
     .checkEnabledFirst = false,
     .nextWindow = 18,
     .helpWindow = 36,
     .ruleWindow = 15},
    nullptr,
    {"Command4", "Command1(0)", "Command2(0)", "Command3", "Text2", "Text1", "Text3", "Text4", "Text5",
     "Text6", "Text7", "Text8", "Text9", "Text10", "Text11", "Command5"},
};

} // namespace

std::unique_ptr<QWidget> createPredicateKindsWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form14, std::make_unique<PredicateKindsTopic>());
}

} // namespace parta
