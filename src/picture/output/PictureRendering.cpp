#include "PictureRendering.h"

#include "PdfPageBoxes.h"
#include "layout/Errors.h"
#include "picture/emf/EmfReader.h"
#include "picture/player/PicturePlayer.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSvgGenerator>

#include <cmath>

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
    // The physical resolution is the reference screen's, so office programs
    // place the image at the picture's true size.
    if (const auto header = readEmfHeader(picture.bytes());
        header && header->millimeters.cx > 0 && header->millimeters.cy > 0) {
        image.setDotsPerMeterX(qRound(1000.0 * scale * header->device.cx / header->millimeters.cx));
        image.setDotsPerMeterY(qRound(1000.0 * scale * header->device.cy / header->millimeters.cy));
    }
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

constexpr int pdfResolution = 1200;

// The frame in points; the page is exactly this (setExactPageBoxes).
QSizeF pointsOf(const Picture& picture)
{
    return QSizeF(picture.widthHmm() / 2540.0 * 72, picture.heightHmm() / 2540.0 * 72);
}

// The writer takes whole points only: its page is the frame rounded up, and
// the drawing keeps its exact size at the page's top-left corner.
QPageLayout pageFor(const Picture& picture)
{
    const QSizeF points = pointsOf(picture);
    return QPageLayout(QPageSize(QSizeF(std::ceil(points.width() - 1e-6), std::ceil(points.height() - 1e-6)),
                           QPageSize::Point, QString(), QPageSize::ExactMatch),
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
    writer.setResolution(pdfResolution);
    writer.setPageLayout(pageFor(pages.front()));
    QPainter painter(&writer);
    if (!painter.isActive())
        throw EOutOfResources();
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && (!writer.setPageLayout(pageFor(pages[i])) || !writer.newPage()))
            throw EOutOfResources();
        const QSizeF frame = pointsOf(pages[i]) / 72.0 * pdfResolution;
        playEmfBytes(painter, pages[i].bytes(), QRectF(QPointF(0, 0), frame));
    }
    if (!painter.end() || !pdf.startsWith("%PDF"))
        throw EOutOfResources();
    removeTimestamps(pdf);
    std::vector<QSizeF> exact;
    for (const Picture& page : pages)
        exact.push_back(pointsOf(page));
    setExactPageBoxes(pdf, exact);
    return pdf;
}

} // namespace pluvane
