#include "MarchPictures.h"
#include "support/Process.h"

#include "picture/output/PictureRendering.h"

#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pluvane;
using namespace pluvane::fixtures;

namespace {

// Every object the cross-reference table lists starts where it says, and
// "startxref" points at the table.
void expectConsistentCrossReferences(const QByteArray& pdf)
{
    const qsizetype xref = pdf.lastIndexOf("\nxref\n") + 1;
    ASSERT_GT(xref, 0);
    const qsizetype start = pdf.lastIndexOf("startxref\n");
    EXPECT_EQ(pdf.mid(start + 10).split('\n').value(0).toLongLong(), xref);
    const QList<QByteArray> lines = pdf.mid(xref).split('\n');
    const int count = lines.value(1).split(' ').value(1).toInt();
    ASSERT_GT(count, 5);
    for (int i = 1; i < count; ++i) {
        const QByteArray entry = lines.value(2 + i);
        const qsizetype offset = entry.left(10).toLongLong();
        EXPECT_TRUE(pdf.mid(offset).startsWith(QByteArray::number(i) + " 0 obj")) << "object " << i;
    }
}

} // namespace

TEST(PictureRendering, PdfPagesAreExactlyTheFrames)
{
    // 154 x 167 px: 53.90 x 58.45 mm on the reference screen, and
    // 53.90 mm x 1.67 m where a pixel is 10 mm high.
    const Picture reference = marchPicture();
    const Picture tall = marchPicture(tallPixelScreen);
    ASSERT_EQ(std::pair(reference.widthHmm(), reference.heightHmm()), std::pair(5390, 5845));
    ASSERT_EQ(std::pair(tall.widthHmm(), tall.heightHmm()), std::pair(5390, 167000));
    const QByteArray pdf = renderPdf({ reference, tall });
    // The box keeps the whole-point page's top edge, where the drawing starts.
    QStringList boxes;
    static const QRegularExpression box(R"(/MediaBox \[[^\]]*\])");
    for (auto m = box.globalMatch(QString::fromLatin1(pdf)); m.hasNext();)
        boxes << m.next().captured(0);
    EXPECT_EQ(
        boxes, QStringList({ "/MediaBox [0 0.3150 152.7874 166.0000]", "/MediaBox [0 0.1417 152.7874 4734.0000]" }));
    expectConsistentCrossReferences(pdf);
}

TEST(PictureRendering, PngStatesTheScreensResolutionTimesTheScale)
{
    // 800 px on 280 mm is 2857 px a metre; 100 px on 1000 mm is 100.
    const struct {
        ScreenMetrics screen;
        int scale;
        int perMetreX, perMetreY;
    } cases[] = {
        { referenceScreen, 1, 2857, 2857 },
        { referenceScreen, 3, 8571, 8571 },
        { tallPixelScreen, 2, 5714, 200 },
    };
    for (const auto& c : cases) {
        QImage png;
        ASSERT_TRUE(png.loadFromData(renderPng(marchPicture(c.screen), c.scale), "PNG"));
        EXPECT_EQ(png.dotsPerMeterX(), c.perMetreX) << c.scale;
        EXPECT_EQ(png.dotsPerMeterY(), c.perMetreY) << c.scale;
    }
}

TEST(PictureRendering, SvgRulesAreWholePixelsInRsvg)
{
    const QString rsvg = QStandardPaths::findExecutable("rsvg-convert");
    if (rsvg.isEmpty())
        GTEST_SKIP() << "rsvg-convert (librsvg2-bin) is not installed";
    const Picture picture = marchPicture();
    const QByteArray svg = renderSvg(picture);
    QTemporaryDir dir;
    QFile file(dir.filePath("march.svg"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(svg);
    file.close();
    const auto run = runProgram(rsvg,
        { "-w", QString::number(picture.widthPx()), "-h", QString::number(picture.heightPx()), "-o",
            dir.filePath("march.png"), file.fileName() });
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QImage image = QImage(dir.filePath("march.png")).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(image.size(), QSize(154, 167));

    // Each rule is drawn where the screen draws it: one column or row of
    // fully opaque black pixels, the right and bottom ones included, with
    // nothing half covered beside it.
    static const QRegularExpression rule(R"(points="([0-9.]+),([0-9.]+) ([0-9.]+),([0-9.]+) ")");
    int rules = 0;
    for (auto m = rule.globalMatch(QString::fromUtf8(svg)); m.hasNext(); ++rules) {
        const auto match = m.next();
        const QPointF from(match.captured(1).toDouble(), match.captured(2).toDouble());
        const QPointF to(match.captured(3).toDouble(), match.captured(4).toDouble());
        const bool vertical = from.x() == to.x();
        const QPoint step = vertical ? QPoint(0, 1) : QPoint(1, 0);
        const QPoint side = vertical ? QPoint(1, 0) : QPoint(0, 1);
        const QPoint first(qFloor(qMin(from.x(), to.x())), qFloor(qMin(from.y(), to.y())));
        const int length = qRound(vertical ? qAbs(to.y() - from.y()) : qAbs(to.x() - from.x()));
        for (int i = 0; i < length; ++i) {
            const QPoint p = first + step * i;
            ASSERT_EQ(image.pixel(p), qRgba(0, 0, 0, 255)) << "rule " << rules << " at " << p.x() << "," << p.y();
        }
        const QPoint middle = first + step * (length / 2);
        for (const QPoint beside : { middle - side, middle + side }) {
            if (image.rect().contains(beside)) {
                EXPECT_TRUE(qAlpha(image.pixel(beside)) == 0 || qAlpha(image.pixel(beside)) == 255)
                    << "rule " << rules << " half covers " << beside.x() << "," << beside.y();
            }
        }
    }
    EXPECT_EQ(rules, 16);
    // A screen leaves out a line's last pixel, so the corner stays blank.
    for (int y = 26; y < 166; ++y)
        EXPECT_EQ(image.pixel(153, y), qRgba(0, 0, 0, 255)) << "last column at " << y;
    for (int x = 0; x < 153; ++x)
        EXPECT_EQ(image.pixel(x, 166), qRgba(0, 0, 0, 255)) << "last row at " << x;
}
