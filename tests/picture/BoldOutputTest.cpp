// Bold text must look bold in every output the player makes. The default
// face's Linux substitute has no bold of its own, and the thickening Qt does
// instead shows little once the text is in an SVG or PDF document.

#include "support/Process.h"
#include "support/ReferenceScreen.h"
#include "support/WorkedExample.h"

#include "picture/MakeCalendar.h"
#include "picture/output/PictureRendering.h"
#include "picture/qt/Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pluvane;
using namespace pluvane::fixtures;

namespace {

// March 1998 with white rules, so all the ink is the text's.
Picture textOnly(bool bold)
{
    static const QtTextMeasurer measurer;
    CalendarSettings s = march1998();
    s.linecolor = clWhite;
    s.font.bold = bold;
    return makeCalendar(s, measurer, referenceScreen).picture;
}

// The darkness of an image on white: the sum over its pixels.
long long inkOf(const QImage& image)
{
    long long ink = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ink += 255 - qGray(image.pixel(x, y));
    return ink;
}

QString saved(const QTemporaryDir& dir, const QString& name, const QByteArray& bytes)
{
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly))
        file.write(bytes);
    return file.fileName();
}

// The picture as a reader draws it: the image itself, librsvg's drawing of
// the SVG, poppler's of the PDF, all at the picture's pixel size. Null
// where the reader is missing.
QImage asDrawnBy(const QString& reader, const Picture& picture, const QTemporaryDir& dir, const QString& name)
{
    if (reader == "image")
        return renderImage(picture);
    const QString w = QString::number(picture.widthPx()), h = QString::number(picture.heightPx());
    if (reader == "rsvg-convert") {
        if (QStandardPaths::findExecutable(reader).isEmpty())
            return {};
        const QString svg = saved(dir, name + ".svg", renderSvg(picture));
        runProgram(reader, { "-b", "white", "-w", w, "-h", h, "-o", svg + ".png", svg });
        return QImage(svg + ".png");
    }
    if (QStandardPaths::findExecutable(reader).isEmpty())
        return {};
    const QString pdf = saved(dir, name + ".pdf", renderPdf({ picture }));
    runProgram(reader, { "-png", "-singlefile", "-scale-to-x", w, "-scale-to-y", h, pdf, pdf });
    return QImage(pdf + ".png");
}

} // namespace

TEST(BoldOutput, BoldTextHasVisiblyMoreInkInEveryOutput)
{
    if (!QFontDatabase::families().contains("Noto Sans CJK JP"))
        GTEST_SKIP() << "no Japanese family with a real bold (fonts-noto-cjk) is installed";
    const Picture regular = textOnly(false);
    const Picture bold = textOnly(true);
    QTemporaryDir dir;
    for (const char* reader : { "image", "rsvg-convert", "pdftoppm" }) {
        const QImage thin = asDrawnBy(reader, regular, dir, "regular");
        const QImage thick = asDrawnBy(reader, bold, dir, "bold");
        if (thin.isNull() || thick.isNull()) {
            ADD_FAILURE() << reader << " drew nothing";
            continue;
        }
        const long long thinInk = inkOf(thin);
        const long long thickInk = inkOf(thick);
        RecordProperty(reader, QString("%1 -> %2").arg(thinInk).arg(thickInk).toStdString());
        ASSERT_GT(thinInk, 1000) << reader;
        // Qt's thickening of a regular face gave about 14 % more in vector
        // output; a real bold gives far more.
        EXPECT_GT(thickInk, thinInk * 13 / 10) << reader << ": " << thinInk << " -> " << thickInk;
    }
}
