#pragma once

#include <QFont>
#include <QString>

#include <span>

namespace parta {

// The type faces the windows are drawn in, by the names the window tables use.
enum class Face {
    TimesNewRoman,
    Arial,
    ArialNarrow,
    MsSansSerif,
    ArialBlack,
    Georgia,
    Garamond,
    BookmanOldStyle,
    MonotypeCorsiva,
    Sylfaen,
    MsReferenceSansSerif,
};

enum class Weight { Normal, SemiBold, Bold };

// A font as a window table writes it: face, size in points, weight, italic.
struct FontLook {
    Face face = Face::MsSansSerif;
    double points = 8.25;
    Weight weight = Weight::Normal;
    bool italic = false;
};

// One row of the fonts table: which installed family stands in for a face.
struct FaceSubstitute {
    Face face;
    const char *faceName;      // the name the designer used
    const char *family;        // the installed family with Cyrillic that replaces it
    const char *boldFamily;    // the family for the bold weights, when it differs
    bool alwaysBold;           // the substitute is the bold face of its family
    const char *debianPackage; // where the family comes from
};

std::span<const FaceSubstitute> fontTable();
const FaceSubstitute &substituteFor(Face face);

// Makes the installed family stand in for every face name, so that a face named
// anywhere (in a document, say) never falls back to whatever fontconfig picks.
// Safe to call any number of times.
void registerFontSubstitutions();

// The font for a table entry, in the installed family that replaces its face.
QFont makeFont(const FontLook &look);

} // namespace parta
