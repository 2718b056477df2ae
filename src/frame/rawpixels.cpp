#include "rawpixels.h"

#include <QResource>

namespace parta {

QImage rawPixels(const QString &resource, QSize size)
{
    const QResource pixels(resource);
    const qint64 rowBytes = qint64(size.width()) * 4;
    if (size.isEmpty() || !pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression ||
        pixels.size() != rowBytes * size.height())
        return {};
    const QImage inPlace(pixels.data(), size.width(), size.height(), rowBytes,
                         QImage::Format_ARGB32_Premultiplied);
    return reinterpret_cast<quintptr>(pixels.data()) % 4 == 0 ? inPlace : inPlace.copy();
}

} // namespace parta
