#pragma once

#include <QByteArrayView>
#include <QImage>

namespace velmora {

// Decodes JPEG data with libjpeg. Damaged or truncated data gives a null image, never a crash.
QImage decodeJpeg(QByteArrayView data);

} // namespace velmora
