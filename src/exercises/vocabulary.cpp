#include "vocabulary.h"

#include "content/vocabulary.h"
#include "frame/build.h"
#include "frame/exercisewindow.h"
#include "frame/headerrows.h"
#include "frame/label.h"
#include "gappedwords.h"

#include <array>

namespace parta {

namespace {

// The word boxes stand in three columns of five; their indices run down the
// columns, Text1(0) to Text1(4) in the first.
constexpr std::array<int, 3> columnLefts = {480, 4320, 8160};
constexpr std::array<int, 5> rowTops = {2160, 3120, 4200, 5280, 6240};
constexpr TwipsSize boxSize = {3255, 615};

// The place of each word box, by index.
std::array<TwipsRect, 15> wordBoxPlaces()
{
    std::array<TwipsRect, 15> places;
    for (std::size_t column = 0; column < columnLefts.size(); ++column) {
        for (std::size_t row = 0; row < rowTops.size(); ++row)
            places[column * rowTops.size() + row] = {columnLefts[column], rowTops[row], boxSize.width,
                                                     boxSize.height};
    }
    return places;
}

// Both vocabulary windows: the same controls, each with its own words.
class VocabularyTopic : public GappedWordsTopic {
public:
    using GappedWordsTopic::GappedWordsTopic;

    void build(QWidget *window) override
    {
        addLabel(window, titleRow("Label1", {360, 240, 11175, 855}, "Словарная работа",
                                  {Face::TimesNewRoman, 27.75, Weight::Bold}, {255, 128, 255}, {0, 0, 192}));
        addLabel(window, taskCaptionRow("Label2", {120, 1320, 1695, 495}, {Face::MsSansSerif, 18},
                                        {7, 174, 245}, {0, 0, 0}, Align::Left));
        auto *task = addLabel(window, taskTextRow("Label6", {1800, 1320, 9855, 615}, content::vocabularyTask,
                                                  {Face::TimesNewRoman, 14.25}, {34, 234, 189}));
        growToFit(task);
        addWordBoxes(window, wordBoxPlaces());
    }
};

// Form25 and Form26 have the same frame; only their numbers differ. Their
// "Справка" lies on the left end of the title and is drawn above it.
ExerciseWindowData vocabularyWindowData(int number)
{
    return {
        {number, "Словарная работа", fullSizeClient, {128, 255, 255}},
        {
            .loadedVariant = loadedVariantLabel("Label27", {3360, 7320, 255, 255}),
            .newTask = newTaskButton("Command2(0)", {240, 7320, 1935, 735},
                                     {Face::TimesNewRoman, 20.25, Weight::Bold}, {255, 128, 128}),
            .variantCaption = variantCaption({2280, 7200, 975, 255}, {7, 174, 245}),
            .variantField = variantField({2400, 7440, 735, 615}, "1", {192, 255, 192}),
            .check = checkButton({3360, 7320, 1815, 735}, {Face::TimesNewRoman, 18}, {255, 128, 0}),
            .errorsCaption = errorsCaption("Label3", {5520, 7320, 1275, 735}, {Face::TimesNewRoman, 15.75},
                                           {255, 128, 255}),
            .errorCounter = errorCounter("Label4", {6795, 7320, 735, 735}, {128, 128, 255}),
            .next = exitButton({9840, 7320, 1695, 735}, {Face::TimesNewRoman, 20.25, Weight::Bold},
                               {190, 101, 109}),
            .mainWindow = mainWindowButton("Command1(0)", {7800, 7320, 1695, 735},
                                           {Face::TimesNewRoman, 18, Weight::Bold}, {0, 192, 0}),
            .help = helpLabel("Lbl19", {480, 360, 1545, 495}),
        },
        {.kind = ExerciseKind::InWindow,
         .variants = content::vocabularyVariants,
         .selection = Reading::LeadingNumber,
         .field = {.onMainWindow = "1"},
         .checkEnabledFirst = false,
         .marks = ItemColour::Text,
         .nextWindow = 0,
         .helpWindow = 41},
        nullptr,
        {"Text2",     "Command3",  "Command2(0)", "Command1(0)", "Command4",  "Text1(0)", "Text1(9)",
         "Text1(10)", "Text1(14)", "Text1(13)",   "Text1(12)",   "Text1(11)", "Text1(8)", "Text1(7)",
         "Text1(6)",  "Text1(5)",  "Text1(4)",    "Text1(3)",    "Text1(2)",  "Text1(1)"},
    };
}

} // namespace

std::unique_ptr<QWidget> createVocabularyWindow(int number, Navigation &navigation)
{
    const GappedWordsTopic::VariantWords words =
        number == 25 ? content::grade7VocabularyVariant : content::grade8VocabularyVariant;
    return std::make_unique<ExerciseWindow>(navigation, vocabularyWindowData(number),
                                            std::make_unique<VocabularyTopic>(words));
}

} // namespace parta
