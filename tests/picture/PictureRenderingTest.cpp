#include "MarchPictures.h"

#include "picture/output/PictureRendering.h"

#include <QImage>
#include <QRegularExpression>

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
    EXPECT_EQ(boxes,
        QStringList({ "/MediaBox [0 0.3150 152.7874 166.0000]", "/MediaBox [0 0.1417 152.7874 4734.0000]" }));
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
