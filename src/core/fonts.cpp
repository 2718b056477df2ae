#include "fonts.h"

#include <QStringList>

#include <algorithm>
#include <array>

namespace parta {

namespace {

constexpr std::array<FaceSubstitute, 11> table = {{
    {Face::TimesNewRoman, "Times New Roman", "Liberation Serif", nullptr, false, "fonts-liberation2"},
    {Face::Arial, "Arial", "Liberation Sans", nullptr, false, "fonts-liberation2"},
    {Face::ArialNarrow, "Arial Narrow", "Liberation Sans Narrow", nullptr, false, "fonts-liberation"},
    {Face::MsSansSerif, "MS Sans Serif", "Liberation Sans", nullptr, false, "fonts-liberation2"},
    {Face::ArialBlack, "Arial Black", "DejaVu Sans", nullptr, true, "fonts-dejavu-core"},
    {Face::Georgia, "Georgia", "PT Serif", nullptr, false, "fonts-paratype"},
    // EB Garamond's bold face has no Cyrillic letters.
    {Face::Garamond, "Garamond", "EB Garamond", "PT Serif", false, "fonts-ebgaramond"},
    {Face::BookmanOldStyle, "Bookman Old Style", "URW Bookman", nullptr, false, "fonts-urw-base35"},
    {Face::MonotypeCorsiva, "Monotype Corsiva", "Z003", nullptr, false, "fonts-urw-base35"},
    {Face::Sylfaen, "Sylfaen", "PT Serif", nullptr, false, "fonts-paratype"},
    {Face::MsReferenceSansSerif, "MS Reference Sans Serif", "DejaVu Sans", nullptr, false,
     "fonts-dejavu-core"},
}};

QFont::Weight qtWeight(Weight weight)
{
    switch (weight) {
    case Weight::Normal:
        return QFont::Normal;
    case Weight::SemiBold:
        return QFont::DemiBold;
    case Weight::Bold:
        return QFont::Bold;
    }
    return QFont::Normal;
}

} // namespace

std::span<const FaceSubstitute> fontTable()
{
    return table;
}

const FaceSubstitute &substituteFor(Face face)
{
    return *std::find_if(table.begin(), table.end(),
                         [face](const FaceSubstitute &row) { return row.face == face; });
}

void registerFontSubstitutions()
{
    for (const FaceSubstitute &row : table) {
        const QString faceName = QString::fromUtf8(row.faceName);
        const QString family = QString::fromUtf8(row.family);
        if (!QFont::substitutes(faceName).contains(family))
            QFont::insertSubstitution(faceName, family);
    }
}

QFont makeFont(const FontLook &look)
{
    const FaceSubstitute &row = substituteFor(look.face);
    const bool bold = look.weight != Weight::Normal || row.alwaysBold;
    const char *family = bold && row.boldFamily ? row.boldFamily : row.family;
    QFont font(QString::fromUtf8(family));
    font.setPointSizeF(look.points);
    font.setWeight(row.alwaysBold ? QFont::Black : qtWeight(look.weight));
    font.setItalic(look.italic);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

} // namespace parta
