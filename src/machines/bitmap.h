#pragma once

#include <QByteArray>
#include <QString>

class QImage;

// Machine photos are stored as BMP bytes: the card, both printouts and any other reader can show them.
namespace machines {

// Larger pictures are refused: nobody photographs a machine at that size, and decoding one would take the
// memory of the whole program.
constexpr int kMaxPhotoSide = 8000;
constexpr qint64 kMaxPhotoBytes = 100LL * 1024 * 1024;

// The photo stored from a bitmap file. Throws store::Error with a Czech message naming the file when the file
// cannot be read, is no readable BMP, or is too large; nothing is stored then.
QByteArray bitmapFromFile(const QString &path);

// A picture from elsewhere (the clipboard) as BMP bytes; throws store::Error when there is none or it is too
// large.
QByteArray bitmapFromImage(const QImage &image);

} // namespace machines
