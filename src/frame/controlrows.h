#pragma once

#include "core/fonts.h"
#include "core/palette.h"
#include "core/twips.h"

#include <optional>

namespace parta {

// One row of a window's control table each. Positions are in twips, captions
// are UTF-8 and used exactly as written.

enum class Align { Left, Centre, Right };

struct LabelRow {
    const char *name = "";
    TwipsRect rect;
    const char *caption = "";
    FontLook font;
    std::optional<Rgb> background; // none: transparent
    Rgb text = {0, 0, 0};
    bool border = false;
    Align alignment = Align::Left;
    bool helpCursor = false; // the arrow with a question mark
};

struct ButtonRow {
    const char *name = "";
    TwipsRect rect;
    const char *caption = "";
    FontLook font;
    Rgb face = {192, 192, 192};
    bool helpCursor = false;
};

struct TextBoxRow {
    const char *name = "";
    TwipsRect rect;
    const char *text = "";
    FontLook font;
    Rgb background = {255, 255, 255};
    Rgb textColor = {0, 0, 0};
    Align alignment = Align::Left;
    bool border = true;
    const char *toolTip = nullptr;
    int maxLength = 0; // 0: no limit
    // The box takes the desktop scheme's window colours instead of the row's:
    // its background, its text colour, or both.
    bool systemBackground = false;
    bool systemTextColour = false;
};

// A straight line from (x1, y1) to (x2, y2), in twips of its window.
struct LineRow {
    const char *name = "";
    int x1 = 0;
    int y1 = 0;
    int x2 = 0;
    int y2 = 0;
    Rgb color = {0, 0, 0};
    int width = 1; // in pixels
};

struct DocumentRow {
    const char *name = "";
    TwipsRect rect;
    Rgb background = {255, 255, 255};
    const char *picture = nullptr;  // a resource path of an SVG picture
    const char *document = nullptr; // or of a formatted (HTML) document
    bool shadow = false;            // the document's letters cast a grey shadow
};

} // namespace parta
