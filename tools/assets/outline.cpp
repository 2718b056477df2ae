#include "outline.h"

#include "core/fonts.h"

#include <QFile>
#include <QFontInfo>
#include <QGlyphRun>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QTextLayout>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

#include <map>
#include <vector>

namespace {

// The presentation attributes that only matter to text; an element inherits
// them from its group.
struct TextStyle {
    QString family;
    double size = 16;
    bool bold = false;
    bool italic = false;
    QString anchor = QStringLiteral("start");
};

bool isTextAttribute(QStringView name)
{
    return name.startsWith(u"font-") || name == u"text-anchor";
}

TextStyle inherit(TextStyle style, const QXmlStreamAttributes &attributes)
{
    if (attributes.hasAttribute(QLatin1String("font-family")))
        style.family =
            attributes.value(QLatin1String("font-family")).toString().remove(u'\'').remove(u'"').trimmed();
    if (attributes.hasAttribute(QLatin1String("font-size")))
        style.size =
            attributes.value(QLatin1String("font-size")).toString().remove(QStringLiteral("px")).toDouble();
    if (attributes.hasAttribute(QLatin1String("font-weight"))) {
        const QStringView weight = attributes.value(QLatin1String("font-weight"));
        style.bold = weight == u"bold" || weight.toInt() >= 600;
    }
    if (attributes.hasAttribute(QLatin1String("font-style")))
        style.italic = attributes.value(QLatin1String("font-style")) != u"normal";
    if (attributes.hasAttribute(QLatin1String("text-anchor")))
        style.anchor = attributes.value(QLatin1String("text-anchor")).toString();
    return style;
}

// The font Qt's SVG renderer draws the text in: the size in pixels, unhinted.
QFont fontFor(const TextStyle &style)
{
    QFont font(style.family);
    font.setPixelSize(static_cast<int>(style.size));
    font.setWeight(style.bold ? QFont::Bold : QFont::Normal);
    font.setItalic(style.italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

// The outline of every glyph of the text, with the baseline at (0, 0), anchored
// as the SVG renderer anchors it. A path a glyph: the renderer fills many small
// paths far quicker than one that spans the whole line.
QList<QPainterPath> glyphOutlines(const QString &text, const QFont &font, const QString &anchor)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    double x = 0;
    if (anchor == u"middle")
        x = -0.5 * line.naturalTextWidth();
    else if (anchor == u"end")
        x = -line.naturalTextWidth();
    line.setPosition(QPointF(x, -line.ascent()));

    QList<QPainterPath> outlines;
    for (const QGlyphRun &run : line.glyphRuns()) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> glyphs = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < glyphs.size(); ++i) {
            const QPainterPath glyph = raw.pathForGlyph(glyphs[i]);
            if (!glyph.isEmpty())
                outlines.append(glyph.translated(positions[i]));
        }
    }
    return outlines;
}

QString number(double value)
{
    return QString::number(value, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

// SVG path data: moves, lines and cubic curves in absolute coordinates.
QString pathData(const QPainterPath &path)
{
    QString data;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element element = path.elementAt(i);
        switch (element.type) {
        case QPainterPath::MoveToElement:
            data += u'M';
            break;
        case QPainterPath::LineToElement:
            data += u'L';
            break;
        case QPainterPath::CurveToElement:
            data += u'C';
            break;
        case QPainterPath::CurveToDataElement:
            data += u' ';
            break;
        }
        data += number(element.x) + u' ' + number(element.y);
    }
    return data;
}

} // namespace

QString outlineLettering(const QString &sourcePath, const QString &outputPath)
{
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return QStringLiteral("cannot read %1").arg(sourcePath);
    QByteArray result;
    QXmlStreamReader reader(&source);
    QXmlStreamWriter writer(&result);
    writer.setAutoFormatting(true);
    std::vector<TextStyle> styles{TextStyle{}};
    // Lettering outlined so far: its id and where it was placed.
    struct Outlined {
        QString id;
        QPointF origin;
    };
    std::map<QString, Outlined> outlined;
    const QString xlink = QStringLiteral("http://www.w3.org/1999/xlink");

    while (!reader.atEnd()) {
        switch (reader.readNext()) {
        case QXmlStreamReader::StartDocument:
            writer.writeStartDocument(QStringLiteral("1.0"));
            break;
        case QXmlStreamReader::StartElement: {
            const QXmlStreamAttributes attributes = reader.attributes();
            const TextStyle style = inherit(styles.back(), attributes);
            if (reader.name() != u"text") {
                styles.push_back(style);
                writer.writeStartElement(reader.qualifiedName().toString());
                for (const QXmlStreamNamespaceDeclaration &declaration : reader.namespaceDeclarations()) {
                    if (declaration.prefix().isEmpty())
                        writer.writeDefaultNamespace(declaration.namespaceUri().toString());
                    else
                        writer.writeNamespace(declaration.namespaceUri().toString(),
                                              declaration.prefix().toString());
                }
                if (reader.name() == u"svg")
                    writer.writeNamespace(xlink, QStringLiteral("xlink"));
                for (const QXmlStreamAttribute &attribute : attributes) {
                    if (!isTextAttribute(attribute.name()))
                        writer.writeAttribute(attribute);
                }
                break;
            }
            const QPointF origin(attributes.value(QLatin1String("x")).toDouble(),
                                 attributes.value(QLatin1String("y")).toDouble());
            const QString text =
                reader.readElementText(QXmlStreamReader::ErrorOnUnexpectedElement).simplified();
            if (reader.hasError())
                return QStringLiteral("%1: only plain text is outlined: %2")
                    .arg(sourcePath, reader.errorString());
            const QFont font = fontFor(style);
            // Qt names a family found under several foundries "Family [foundry]".
            const QString matched =
                QFontInfo(font).family().remove(QRegularExpression(QStringLiteral(" \\[.*\\]$")));
            if (matched != style.family &&
                !QFont::substitutes(style.family).contains(matched, Qt::CaseInsensitive))
                return QStringLiteral("%1: the font \"%2\" is not installed (it would be drawn in \"%3\")")
                    .arg(sourcePath, style.family, matched);
            writer.writeComment(QLatin1Char(' ') + text + QLatin1Char(' '));
            // The lettering's own attributes (its colour), without position and font.
            auto writeOwnAttributes = [&] {
                for (const QXmlStreamAttribute &attribute : attributes) {
                    if (attribute.name() != u"x" && attribute.name() != u"y" &&
                        !isTextAttribute(attribute.name()))
                        writer.writeAttribute(attribute);
                }
            };
            // The same words in the same font again (the shadow under a heading)
            // reuse the outlines drawn the first time, moved.
            const QString key = text + u'\n' + font.key() + u'\n' + style.anchor;
            if (const auto first = outlined.find(key); first != outlined.end()) {
                writer.writeEmptyElement(QStringLiteral("use"));
                writer.writeAttribute(xlink, QStringLiteral("href"), u'#' + first->second.id);
                writer.writeAttribute(QStringLiteral("x"),
                                      QString::number(origin.x() - first->second.origin.x()));
                writer.writeAttribute(QStringLiteral("y"),
                                      QString::number(origin.y() - first->second.origin.y()));
                writeOwnAttributes();
                break;
            }
            const QString id = QStringLiteral("lettering%1").arg(outlined.size() + 1);
            outlined.emplace(key, Outlined{id, origin});
            writer.writeStartElement(QStringLiteral("g"));
            writeOwnAttributes();
            writer.writeStartElement(QStringLiteral("g"));
            writer.writeAttribute(QStringLiteral("id"), id);
            writer.writeAttribute(QStringLiteral("transform"),
                                  QStringLiteral("translate(%1 %2)").arg(origin.x()).arg(origin.y()));
            for (const QPainterPath &glyph : glyphOutlines(text, font, style.anchor)) {
                writer.writeEmptyElement(QStringLiteral("path"));
                writer.writeAttribute(QStringLiteral("d"), pathData(glyph));
            }
            writer.writeEndElement();
            writer.writeEndElement();
            break;
        }
        case QXmlStreamReader::EndElement:
            styles.pop_back();
            writer.writeEndElement();
            break;
        case QXmlStreamReader::Characters:
            if (!reader.isWhitespace())
                writer.writeCharacters(reader.text().toString());
            break;
        case QXmlStreamReader::Comment:
            writer.writeComment(reader.text().toString());
            break;
        default:
            break;
        }
    }
    if (reader.hasError())
        return QStringLiteral("%1: %2").arg(sourcePath, reader.errorString());
    writer.writeEndDocument();

    QFile output(outputPath);
    if (!output.open(QIODevice::WriteOnly) || output.write(result) != result.size())
        return QStringLiteral("cannot write %1").arg(outputPath);
    return {};
}
