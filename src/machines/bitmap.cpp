#include "bitmap.h"

#include "store/error.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>

namespace machines {

namespace {

[[noreturn]] void refuse(const QString &message)
{
    throw store::Error(store::Error::Kind::Conversion, message);
}

QString tooLarge()
{
    return QStringLiteral(
               "Obrázek je příliš velký (nejvýše %1 × %1 bodů a %2 MB). Zmenšete jej a vložte znovu.")
        .arg(kMaxPhotoSide)
        .arg(kMaxPhotoBytes / (1024 * 1024));
}

} // namespace

QByteArray bitmapFromImage(const QImage &image)
{
    if (image.isNull())
        refuse(QStringLiteral("Ve schránce není žádný obrázek; fotografie zůstává beze změny."));
    if (image.width() > kMaxPhotoSide || image.height() > kMaxPhotoSide)
        refuse(tooLarge());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    // Pixels without transparency: a BMP of 24 bits per pixel is what every reader shows alike.
    if (!image.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP") || bytes.isEmpty())
        refuse(
            QStringLiteral("Obrázek se nepodařilo převést do formátu BMP; fotografie zůstává beze změny."));
    return bytes;
}

QByteArray bitmapFromFile(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(QStringLiteral("Soubor %1 nelze otevřít: %2").arg(name, file.errorString()));
    if (file.size() > kMaxPhotoBytes)
        refuse(tooLarge());
    const QByteArray bytes = file.readAll();
    const QString notBitmap =
        QStringLiteral("Soubor %1 není čitelný obrázek BMP (je poškozený, neúplný nebo jiného formátu). "
                       "Fotografie zůstává beze změny.")
            .arg(name);
    // A bitmap file starts with "BM" and states its own length; a shorter file was cut off.
    if (bytes.size() < 26 || !bytes.startsWith("BM"))
        refuse(notBitmap);
    const auto *b = reinterpret_cast<const uchar *>(bytes.constData());
    const quint32 declared = quint32(b[2]) | quint32(b[3]) << 8 | quint32(b[4]) << 16 | quint32(b[5]) << 24;
    if (declared != 0 && declared > quint32(bytes.size()))
        refuse(notBitmap);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "BMP");
    reader.setDecideFormatFromContent(false);
    // The size from the header, before any pixel is decoded.
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        refuse(notBitmap);
    if (size.width() > kMaxPhotoSide || size.height() > kMaxPhotoSide)
        refuse(tooLarge());
    reader.setAllocationLimit(512); // MB: the largest picture allowed, decoded
    const QImage image = reader.read();
    if (image.isNull())
        refuse(notBitmap);
    return bitmapFromImage(image);
}

} // namespace machines
