#include "PictureRendering.h"

#include "layout/Errors.h"
#include "picture/player/PicturePlayer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

namespace pluvane {

namespace {

// The raster size of a picture at `scale`, refused before anything is
// allocated when it is beyond the limits.
QSize rasterSize(const Picture& picture, int scale)
{
    const qint64 width = qint64 { picture.widthPx() } * scale;
    const qint64 height = qint64 { picture.heightPx() } * scale;
    if (scale < 1 || width < 1 || height < 1 || width > maxRasterSide || height > maxRasterSide
        || width * height > maxRasterPixels)
        throw EOutOfResources();
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

} // namespace

QImage renderImage(const Picture& picture, int scale, bool transparent)
{
    const QSize size = rasterSize(picture, scale);
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw EOutOfResources();
    image.fill(transparent ? Qt::transparent : Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    playEmfBytes(painter, picture.bytes(), QRectF(QPointF(0, 0), QSizeF(size)));
    painter.end();
    return image;
}

QByteArray renderPng(const Picture& picture, int scale, bool transparent)
{
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!renderImage(picture, scale, transparent).save(&buffer, "PNG") || png.isEmpty())
        throw EOutOfResources();
    return png;
}

QByteArray renderSvg(const Picture& picture)
{
    QByteArray svg;
    QBuffer buffer(&svg);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    const QSize pixels(picture.widthPx(), picture.heightPx());
    generator.setSize(pixels);
    generator.setViewBox(QRect(QPoint(0, 0), pixels));
    generator.setTitle(QStringLiteral("Pluvane calendar"));
    generator.setDescription(QString());
    {
        QPainter painter(&generator);
        if (!painter.isActive())
            throw EOutOfResources();
        playEmfBytes(painter, picture.bytes(), QRectF(QPointF(0, 0), QSizeF(pixels)));
        if (!painter.end())
            throw EOutOfResources();
    }
    // The generator states the size at its own resolution; the picture's
    // physical size is its frame, so that is what the document says.
    const QString physical = QStringLiteral("width=\"%1mm\" height=\"%2mm\"")
                                 .arg(picture.widthHmm() / 100.0, 0, 'f', 2)
                                 .arg(picture.heightHmm() / 100.0, 0, 'f', 2);
    QString text = QString::fromUtf8(svg);
    const QRegularExpression stated(QStringLiteral("width=\"[0-9.]+mm\" height=\"[0-9.]+mm\""));
    if (!text.contains(stated))
        throw EOutOfResources();
    text.replace(stated, physical);
    return text.toUtf8();
}

} // namespace pluvane

namespace pluvane {

namespace {

QPageLayout pageFor(const Picture& picture)
{
    const QSizeF millimetres(picture.widthHmm() / 100.0, picture.heightHmm() / 100.0);
    return QPageLayout(QPageSize(millimetres, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF());
}

// The writer stamps each document with the time it was made. Every digit of
// the stamp becomes that of one fixed moment, 2000-01-01 00:00:00 UTC, which
// keeps the length and so every offset in the file.
void removeTimestamps(QByteArray& pdf)
{
    static const QByteArray fixedDigits("20000101000000000000");
    for (const QByteArray& key : { QByteArray("/CreationDate (D:"), QByteArray("/ModDate (D:") }) {
        for (qsizetype at = pdf.indexOf(key); at >= 0; at = pdf.indexOf(key, at + 1)) {
            qsizetype digit = 0;
            for (qsizetype i = at + key.size(); i < pdf.size() && pdf[i] != ')'; ++i)
                if (pdf[i] >= '0' && pdf[i] <= '9')
                    pdf[i] = fixedDigits[qMin(digit++, fixedDigits.size() - 1)];
        }
    }
}

} // namespace

QByteArray renderPdf(const std::vector<Picture>& pages)
{
    QByteArray pdf;
    if (pages.empty())
        return pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setCreator(QStringLiteral("Pluvane"));
    writer.setTitle(QStringLiteral("Pluvane calendar"));
    writer.setResolution(1200);
    writer.setPageLayout(pageFor(pages.front()));
    QPainter painter(&writer);
    if (!painter.isActive())
        throw EOutOfResources();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && (!writer.setPageLayout(pageFor(pages[i])) || !writer.newPage()))
            throw EOutOfResources();
        const QRectF page = writer.pageLayout().paintRectPixels(writer.resolution());
        playEmfBytes(painter, pages[i].bytes(), QRectF(QPointF(0, 0), page.size()));
    }
    if (!painter.end() || !pdf.startsWith("%PDF"))
        throw EOutOfResources();
    removeTimestamps(pdf);
    return pdf;
}

} // namespace pluvane
