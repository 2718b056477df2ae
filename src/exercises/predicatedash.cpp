#include "predicatedash.h"

#include "content/predicatedash.h"
#include "core/checks.h"
#include "frame/build.h"
#include "frame/exercisewindow.h"
#include "frame/headerrows.h"
#include "frame/items.h"
#include "frame/textbox.h"
#include "frame/topic.h"

#include <array>
#include <vector>

namespace parta {

namespace {

// The sentence boxes in item order. From the second row on, the lower-numbered
// box of a row stands on the right.
struct SentenceBox {
    const char *name;
    int left;
    int top;
    int height;
};

constexpr std::array<SentenceBox, 12> grid = {{
    {"Text1", 240, 2400, 495},
    {"Text3", 6120, 2400, 495},
    {"Text4", 6120, 3240, 525},
    {"Text5", 240, 3240, 525},
    {"Text6", 6120, 4080, 495},
    {"Text7", 240, 4080, 495},
    {"Text8", 6120, 4920, 495},
    {"Text9", 240, 4920, 495},
    {"Text10", 6120, 5760, 495},
    {"Text11", 240, 5760, 495},
    {"Text12", 6120, 6600, 495},
    {"Text13", 240, 6600, 495},
}};

class PredicateDashTopic : public Topic {
public:
    void build(QWidget *window) override
    {
        addLabel(window, titleRow("Label3", {240, 240, 11175, 855}, "Тире между подлежащим и сказуемым",
                                  {Face::TimesNewRoman, 24, Weight::Bold}, {0, 255, 255}, {0, 0, 255}));
        addLabel(window, taskCaptionRow("Label1", {240, 1200, 1815, 495},
                                        {Face::Garamond, 20.25, Weight::Bold}, {0, 255, 255}, {0, 0, 255}));
        addLabel(window, taskTextRow("Label6", {2160, 1200, 7890, 705}, content::predicateDashTask,
                                     {Face::TimesNewRoman, 14.25}, {128, 255, 128}, {0, 0, 128}));
        for (const SentenceBox &box : grid)
            boxes.push_back(addTextBox(window, {.name = box.name,
                                                .rect = {box.left, box.top, 5535, box.height},
                                                .font = {Face::TimesNewRoman, 12, Weight::Bold},
                                                .systemBackground = true,
                                                .systemTextColour = true}));
        nameItems(boxes, QStringLiteral("Предложение %1"));
    }

    // The sentences turn black only when a variant is loaded into them.
    void startNewTask() override {}

    void load(int variant) override
    {
        const content::PredicateDashVariant &items = content::predicateDashVariant(variant);
        for (std::size_t i = 0; i < boxes.size(); ++i)
            setText(boxes[i], QString::fromUtf8(items[i].shown));
        paintBlack();
    }

    ItemMarks check(int variant) override
    {
        return {boxes, checkTypedAnswers(textsOf(boxes),
                                         content::acceptedForms(content::predicateDashVariant(variant)))};
    }

    void leave() override
    {
        clearTexts(boxes);
        paintBlack();
    }

private:
    void paintBlack() { paintAll(boxes, palette::color(palette::Black), ItemColour::Text); }

    std::vector<QWidget *> boxes;
};

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
     .variants = content::predicateDashVariants,
     .selection = Reading::LeadingNumber,
     .field = {.onMainWindow = "1", .onNextTask = "1"},
     .checkEnabledFirst = false,
     .marks = ItemColour::Text,
     .nextWindow = 26,
     .helpWindow = 40,
     .ruleWindow = 24},
    nullptr,
    {"Command2(0)", "Text2", "Command1(1)", "Command3", "Command4", "Command5", "Text1", "Text3", "Text4",
     "Text5", "Text6", "Text7", "Text8", "Text9", "Text10", "Text11", "Text12", "Text13"},
};

} // namespace

std::unique_ptr<QWidget> createPredicateDashWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form23, std::make_unique<PredicateDashTopic>());
}

} // namespace parta
