#pragma once

#include <QByteArray>
#include <QImage>

namespace zerval {

// The picture as a GIF file (GIF89a, at most 256 colours, fully transparent pixels kept
// transparent). Qt reads GIF but does not write it; the donations page wants its button
// picture as one. Empty for an empty picture.
QByteArray gifPicture(const QImage& picture);

} // namespace zerval
