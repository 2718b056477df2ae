#include "participialcommas.h"

#include "content/participialcommas.h"
#include "core/checks.h"
#include "frame/build.h"
#include "frame/documentview.h"
#include "frame/exercisewindow.h"
#include "frame/headerrows.h"
#include "frame/items.h"
#include "frame/paragraphlayout.h"
#include "frame/textbox.h"
#include "frame/topic.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <string_view>
#include <vector>

namespace parta {

namespace {

// ---- The sentence document -------------------------------------------------------

// One paragraph in Times New Roman 16, black, its first line indented.
constexpr FontLook documentFont = {Face::TimesNewRoman, 16};
constexpr int firstLineIndent = 360;
// Where the lines wrap, in twips. Our Times New Roman sets the text about 2 %
// narrower than the face the document was made in, so its own width (11110)
// would let lines take a word more. From about 10810 to 10880 the ten lines
// break after the same words as the document's; this lies in the middle.
constexpr int wrapWidth = 10845;
// From one baseline to the next. The document's lines lie 364 to 370 twips
// apart, 368 on average; the face's own spacing (360) would let the lower lines
// creep up.
constexpr int lineSpacing = 368;

constexpr qreal exactPixels(int twips)
{
    return static_cast<qreal>(twips) / twipsPerPixel;
}

ParagraphFormat documentFormat()
{
    return {makeFont(documentFont), exactPixels(wrapWidth), exactPixels(firstLineIndent),
            exactPixels(lineSpacing)};
}

// The ten sentences as one paragraph, each after its number, a full stop and a
// space, one space between sentences; and where each sentence's text begins.
struct SentenceParagraph {
    QString text;
    std::array<qsizetype, content::participialSentences.size()> sentenceStart = {};
};

SentenceParagraph sentenceParagraph()
{
    SentenceParagraph paragraph;
    for (std::size_t i = 0; i < content::participialSentences.size(); ++i) {
        if (i > 0)
            paragraph.text += QLatin1Char(' ');
        paragraph.text += QStringLiteral("%1. ").arg(i + 1);
        paragraph.sentenceStart[i] = paragraph.text.size();
        paragraph.text += QString::fromUtf8(content::participialSentences[i]);
    }
    return paragraph;
}

// Where the three spaces after the place's word begin: the first whole word of
// that spelling in its sentence that a gap follows.
qsizetype gapAfter(const SentenceParagraph &paragraph, const content::CommaPlace &place)
{
    const QString word = QString::fromUtf8(place.wordBefore);
    const QString wordAndGap = word + QStringLiteral("   ");
    const qsizetype from = paragraph.sentenceStart[static_cast<std::size_t>(place.sentence - 1)];
    for (qsizetype at = paragraph.text.indexOf(wordAndGap, from); at >= 0;
         at = paragraph.text.indexOf(wordAndGap, at + 1)) {
        if (at == 0 || paragraph.text[at - 1] == QLatin1Char(' '))
            return at + word.size();
    }
    return -1;
}

// ---- The comma boxes ---------------------------------------------------------------

constexpr TwipsSize boxSize = {150, 360};
constexpr Rgb boxBackground = {0, 255, 255}; // palette index 11

// A box whose centre lies at the point, in pixels of the window.
TextBoxRow commaBox(const char *name, QPointF centre)
{
    const auto twips = [](qreal pixels) { return static_cast<int>(std::lround(pixels * twipsPerPixel)); };
    return {.name = name,
            .rect = {twips(centre.x()) - boxSize.width / 2, twips(centre.y()) - boxSize.height / 2,
                     boxSize.width, boxSize.height},
            .font = {Face::MsSansSerif, 13.5, Weight::Bold},
            .background = boxBackground,
            .alignment = Align::Centre,
            .border = false,
            .maxLength = 1};
}

const content::CommaPlace &placeOf(std::string_view box)
{
    return *std::find_if(content::commaPlaces.begin(), content::commaPlaces.end(),
                         [box](const content::CommaPlace &place) { return box == place.box; });
}

class ParticipialCommasTopic : public Topic {
public:
    void build(QWidget *window) override
    {
        addLabel(window, titleRow("Label3", {360, 240, 11175, 855}, "Выделение причастного оборота запятыми",
                                  {Face::TimesNewRoman, 24, Weight::Bold}, {255, 255, 0}, {0, 0, 192}));
        addLabel(window, taskCaptionRow("Label1", {360, 1320, 1815, 495},
                                        {Face::Garamond, 20.25, Weight::Bold}, {255, 255, 0}, {0, 0, 255}));
        addLabel(window, taskTextRow("Label2", {2280, 1320, 8370, 705}, content::participialCommasTask,
                                     {Face::TimesNewRoman, 14.25}, {255, 192, 192}, {0, 0, 128}));
        DocumentView *document = addDocument(window, {"OLE2", {360, 2400, 11250, 3885}, {128, 255, 255}});
        const SentenceParagraph paragraph = sentenceParagraph();
        document->setParagraph(paragraph.text, documentFormat());

        // Each box covers the middle space of its gap, wherever the layout put it.
        for (const content::CommaPlace &place : content::commaPlaces) {
            const QRectF middleSpace =
                document->textRect(static_cast<int>(gapAfter(paragraph, place) + 1), 1);
            QWidget *box = addTextBox(
                window, commaBox(place.box, QPointF(document->geometry().topLeft()) + middleSpace.center()));
            box->setAccessibleName(
                QStringLiteral("Запятая после \"%1\"").arg(QString::fromUtf8(place.wordBefore)));
            box->setAccessibleDescription(QString::fromUtf8(content::participialSentences.at(
                                                                static_cast<std::size_t>(place.sentence - 1)))
                                              .simplified());
        }
        for (const char *name : content::commaCheckOrder) {
            boxes.push_back(window->findChild<QWidget *>(QString::fromUtf8(name)));
            key.push_back(placeOf(name).comma);
        }
    }

    void startNewTask() override { clearBoxes(); }
    void leave() override { clearBoxes(); }

    // A box is a comma place the pupil chose when it holds exactly a comma.
    ItemMarks check(int) override
    {
        std::vector<bool> commas;
        for (const QString &text : textsOf(boxes))
            commas.push_back(text == QStringLiteral(","));
        return {boxes, checkSelection(commas, key)};
    }

private:
    // Every box empty, on its first colour.
    void clearBoxes()
    {
        clearTexts(boxes);
        paintAll(boxes, boxBackground.toColor(), ItemColour::Background);
    }

    std::vector<QWidget *> boxes; // in the order of the check
    std::vector<bool> key;        // a comma belongs there
};

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
    // The buttons, then the boxes by number (not reading order), "Правило" last.
    {"Command1(1)", "Command2(0)", "Command3", "Command4", "Text1",  "Text3",  "Text4",  "Text5",
     "Text6",       "Text7",       "Text8",    "Text9",    "Text10", "Text11", "Text12", "Text13",
     "Text14",      "Text15",      "Text16",   "Text17",   "Text18", "Text19", "Text20", "Text21",
     "Text22",      "Text23",      "Text24",   "Text25",   "Text26", "Text27", "Text28", "Command5"},
};

} // namespace

std::unique_ptr<QWidget> createParticipialCommasWindow(Navigation &navigation)
{
    return std::make_unique<ExerciseWindow>(navigation, form13, std::make_unique<ParticipialCommasTopic>());
}

} // namespace parta
