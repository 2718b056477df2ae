#pragma once

#include <QString>

// Rewrites an SVG picture so that its lettering is drawn as outlines: every
// <text> element becomes a <path> of its glyphs, laid out as Qt's SVG renderer
// lays out the text, in the installed family that stands in for the face the
// picture names. Drawing the result loads no font. Returns an error message, or
// an empty string on success.
QString outlineLettering(const QString &sourcePath, const QString &outputPath);
