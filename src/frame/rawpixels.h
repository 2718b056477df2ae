#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace parta {

// Pixels prepared at build time (see assets/README.md): a resource of raw
// premultiplied ARGB, four bytes a pixel, row after row, stored uncompressed.
// Returns them as an image of the given size that reads them where they lie in
// the program (a copy only when they do not start on a four-byte boundary), or
// a null image when the resource is missing, compressed or of another size.
QImage rawPixels(const QString &resource, QSize size);

} // namespace parta
