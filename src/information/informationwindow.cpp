#include "informationwindow.h"

#include "frame/build.h"
#include "frame/button.h"
#include "frame/headerrows.h"
#include "frame/label.h"
#include "frame/window.h"
#include "shell/shell.h"

#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

#include <algorithm>
#include <array>
#include <optional>

namespace parta {

namespace {

// What one information window holds besides its button: a title label, one or
// two document views, a text label whose text is stored in the program.
struct InformationWindowData {
    WindowLook window;
    std::optional<LabelRow> title;
    std::optional<DocumentRow> document;
    std::optional<DocumentRow> secondDocument;
    std::optional<LabelRow> textLabel;
    const char *textResource = nullptr; // the text of textLabel
    ButtonRow button;
    bool centreOnce = false; // centres itself on the screen when first shown
};

constexpr Rgb helpBackground = {128, 255, 255};

constexpr InformationWindowData help(int number, const char *caption, TwipsSize client, const char *label,
                                     TwipsRect labelRect, double points, const char *text, TwipsRect ok)
{
    return {
        .window = {number, caption, client, helpBackground, TitleBar::Tool, WindowIcon::None},
        .textLabel = LabelRow{.name = label, .rect = labelRect, .font = {Face::TimesNewRoman, points}},
        .textResource = text,
        .button = {"Command1", ok, "OK", {Face::TimesNewRoman, 18, Weight::Bold}, {0, 255, 0}},
    };
}

constexpr InformationWindowData rule(WindowLook window, LabelRow title, DocumentRow document,
                                     ButtonRow button)
{
    return {.window = window, .title = title, .document = document, .button = button};
}

constexpr WindowLook ruleWindow(int number, const char *caption, TwipsSize client, Rgb background)
{
    return {number, caption, client, background, TitleBar::Fixed, WindowIcon::Information};
}

constexpr FontLook bold(Face face, double points)
{
    return {face, points, Weight::Bold};
}

const std::array<InformationWindowData, 24> windows = {{
    // About
    {.window = {2, "О программе", {7080, 5265}, {0, 255, 255}, TitleBar::Fixed, WindowIcon::Information},
     .document = DocumentRow{.name = "OLE1",
                             .rect = {225, 225, 6615, 4335},
                             .background = {128, 255, 128},
                             .document = ":/content/about.html",
                             .shadow = true},
     .button = {"Command1", {5280, 4680, 1455, 495}, "OK", {Face::ArialBlack, 14.25}, {255, 0, 255}},
     .centreOnce = true},

    // Rules
    rule(ruleWindow(12, "Правило", {6240, 5010}, {128, 255, 255}),
         titleRow("Label1", {480, 120, 5175, 495}, "Связь слов в словосочетании",
                  bold(Face::TimesNewRoman, 15.75), {0, 255, 0}, {192, 0, 192}),
         {.name = "OLE2",
          .rect = {210, 810, 5775, 3135},
          .background = {255, 255, 128},
          .document = ":/content/rule-word-connection.html"},
         {"Command1", {4560, 4200, 1455, 495}, "ОК", {Face::MsSansSerif, 13.5}, {255, 0, 255}}),
    {.window = {6, "Правило", {6150, 4560}, {0, 255, 255}, TitleBar::Resizable, WindowIcon::Information},
     .title = titleRow("Label1", {240, 360, 5625, 735}, "Выделение причастного оборота запятыми",
                       bold(Face::TimesNewRoman, 15.75), {255, 128, 0}),
     .textLabel = LabelRow{.name = "Label2",
                           .rect = {360, 1560, 5340, 1665},
                           .font = {Face::TimesNewRoman, 15.75},
                           .background = Rgb{128, 255, 128},
                           .text = {128, 0, 0},
                           .border = true},
     .textResource = ":/content/rule-participial-commas.txt",
     .button =
         {"Command1", {4200, 3720, 1695, 495}, "OK", bold(Face::TimesNewRoman, 15.75), {255, 128, 255}}},
    rule(ruleWindow(15, " Правило", {8100, 6255}, {255, 192, 128}),
         titleRow("Label1", {1320, 240, 5415, 495}, "Виды сказуемого", bold(Face::TimesNewRoman, 18),
                  {255, 128, 255}),
         {.name = "OLE1",
          .rect = {210, 930, 7695, 4575},
          .background = {255, 255, 128},
          .document = ":/content/rule-predicate-kinds.html"},
         {"Command1", {6240, 5640, 1575, 495}, "OK", bold(Face::TimesNewRoman, 15.75), {0, 192, 0}}),
    rule(ruleWindow(17, "Правило", {7545, 5910}, {7, 174, 245}),
         titleRow("Label1", {150, 120, 7275, 675}, "НЕ с причастиями и деепричастиями",
                  bold(Face::MsSansSerif, 18), {0, 255, 0}),
         {.name = "OLE1",
          .rect = {240, 930, 6975, 4215},
          .background = {255, 255, 128},
          .document = ":/content/rule-negation.html"},
         {"Command1", {5880, 5400, 1455, 375}, "OK", bold(Face::MsSansSerif, 13.5), {255, 0, 255}}),
    rule(ruleWindow(19, "Правило", {8295, 6105}, {255, 192, 192}),
         titleRow("Label1", {1320, 120, 5415, 495}, "Односоставные предложения",
                  bold(Face::TimesNewRoman, 18), {255, 255, 0}),
         {.name = "OLE1",
          .rect = {90, 690, 8055, 4815},
          .background = {128, 255, 255},
          .document = ":/content/rule-one-member-sentences.html"},
         {"Command1", {6600, 5640, 1335, 375}, "OK", bold(Face::MsSansSerif, 13.5), {0, 255, 0}}),
    rule(ruleWindow(22, "Правило", {5895, 4290}, {181, 248, 5}),
         titleRow("Label1", {120, 120, 5535, 855}, "Гласные перед н в страдательных причастиях",
                  {Face::Arial, 15.75}, {255, 128, 255}, {0, 64, 0}),
         {.name = "OLE1",
          .rect = {120, 1080, 5655, 2535},
          .background = {128, 255, 255},
          .document = ":/content/rule-passive-vowels.html"},
         {"Command1", {4680, 3720, 975, 375}, "OK", bold(Face::TimesNewRoman, 14.25), {255, 128, 0}}),
    rule(ruleWindow(24, "Правило", {7695, 6315}, {0, 255, 255}),
         titleRow("Label3", {360, 240, 6975, 615}, "Тире между подлежащим и сказуемым",
                  bold(Face::TimesNewRoman, 18), {0, 255, 0}, {0, 0, 64}),
         {.name = "OLE1",
          .rect = {90, 1050, 7455, 4605},
          .background = {255, 255, 0},
          .document = ":/content/rule-dash.html"},
         {"Command1", {6240, 5760, 1215, 375}, "OK", bold(Face::TimesNewRoman, 15.75), {128, 128, 255}}),

    // Praise
    {.window = {20, "Молодец!", {3675, 2235}, {207, 252, 90}, TitleBar::Tool, WindowIcon::None},
     .document = DocumentRow{.name = "OLE1",
                             .rect = {240, 120, 3135, 975},
                             .background = {207, 252, 90},
                             .picture = ":/pictures/praise-title.svg"},
     .secondDocument = DocumentRow{.name = "OLE2",
                                   .rect = {120, 960, 3495, 855},
                                   .background = {207, 252, 90},
                                   .picture = ":/pictures/praise-subtitle.svg"},
     .button = {"Command1", {2640, 1800, 855, 375}, "OK", bold(Face::TimesNewRoman, 14.25), {0, 255, 0}}},

    // Help
    help(27, " Справка", {8235, 6630}, "Label1", {240, 120, 7695, 5775}, 14.25, ":/content/help/form27.txt",
         {6720, 6000, 1215, 495}),
    help(28, "Справка", {5655, 3795}, "Label1", {360, 120, 5295, 3495}, 14.25, ":/content/help/form28.txt",
         {4320, 3120, 1095, 495}),
    help(29, "Справка", {5700, 3735}, "Label1", {240, 120, 5175, 3495}, 15, ":/content/help/form29.txt",
         {4320, 3120, 1095, 495}),
    help(30, "Справка", {6540, 5085}, "Label1", {240, 240, 6015, 4095}, 14.25, ":/content/help/form30.txt",
         {4920, 4320, 1095, 495}),
    help(31, "Справка", {6945, 5670}, "Label1", {240, 120, 6495, 4695}, 14.25, ":/content/help/form31.txt",
         {5640, 4920, 1095, 495}),
    help(33, "Справка", {6825, 5535}, "Label2", {240, 120, 6495, 4695}, 14.25, ":/content/help/form33.txt",
         {5160, 4800, 1095, 495}),
    help(34, "Справка", {6855, 5505}, "Label2", {240, 120, 6495, 4695}, 14.25, ":/content/help/form34.txt",
         {5400, 4800, 1095, 495}),
    help(32, "Справка", {6870, 5610}, "Label1", {240, 120, 6375, 4695}, 14.25, ":/content/help/form32.txt",
         {5280, 4800, 1095, 495}),
    help(35, "Справка", {6825, 5730}, "Label2", {120, 120, 6495, 4695}, 14.25, ":/content/help/form35.txt",
         {5280, 4800, 1095, 495}),
    help(36, "Справка", {7410, 6345}, "Label2", {120, 120, 7095, 5535}, 14.25, ":/content/help/form36.txt",
         {6000, 5760, 1095, 495}),
    help(37, "Справка", {7740, 6630}, "Label2", {240, 120, 7335, 5655}, 14.25, ":/content/help/form37.txt",
         {5760, 5760, 1095, 495}),
    help(38, "Справка", {7185, 6105}, "Label2", {120, 120, 6975, 5655}, 14.25, ":/content/help/form38.txt",
         {5760, 5400, 1095, 495}),
    help(39, "Справка", {7260, 5835}, "Label2", {120, 120, 6975, 5055}, 14.25, ":/content/help/form39.txt",
         {5760, 5160, 1095, 495}),
    help(40, "Справка", {7200, 6150}, "Label2", {120, 120, 6975, 5655}, 14.25, ":/content/help/form40.txt",
         {5760, 5400, 1095, 495}),
    help(41, "Справка", {7290, 5490}, "Label2", {120, 120, 6975, 4575}, 14.25, ":/content/help/form41.txt",
         {5880, 4680, 1095, 495}),
}};

// An information window; the About window centres itself on the screen the
// first time it is shown and is left where the pupil puts it afterwards.
class InformationWindow : public Window {
public:
    InformationWindow(const WindowLook &look, bool centreOnce) : Window(look), centrePending(centreOnce) {}

protected:
    void showEvent(QShowEvent *event) override
    {
        Window::showEvent(event);
        if (!centrePending)
            return;
        centrePending = false;
        const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        const QRect available = screen->geometry();
        const QSize outer = frameGeometry().size();
        move(available.x() + (available.width() - outer.width()) / 2,
             available.y() + (available.height() - outer.height()) / 2);
    }

private:
    bool centrePending;
};

} // namespace

std::unique_ptr<QWidget> createInformationWindow(int number, Shell &shell)
{
    const auto *data =
        std::find_if(windows.begin(), windows.end(),
                     [number](const InformationWindowData &row) { return row.window.number == number; });
    Q_ASSERT(data != windows.end());
    auto window = std::make_unique<InformationWindow>(data->window, data->centreOnce);
    QWidget *w = window.get();

    if (data->title)
        addLabel(w, *data->title);
    if (data->document)
        addDocument(w, *data->document);
    if (data->secondDocument)
        addDocument(w, *data->secondDocument);
    if (data->textLabel) {
        Label *label = addLabel(w, *data->textLabel);
        label->setText(resourceText(QString::fromUtf8(data->textResource)));
    }
    auto *ok = addButton(w, data->button);
    ok->setFocus();
    QObject::connect(ok, &Button::clicked, &shell, [&shell, number] { shell.hide(number); });
    // Esc closes the window as its button does.
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), w);
    QObject::connect(escape, &QShortcut::activated, ok, &Button::click);
    return window;
}

} // namespace parta
