// Where LibreOffice is installed, it opens our metafiles as an office user
// would and must put the drawing where the preview shows it.

#include "RenderProgram.h"

#include <QDir>
#include <QImage>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pluvane::fixtures;

namespace {

bool isDark(QRgb c)
{
    return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}
bool isRed(QRgb c)
{
    return qRed(c) > 170 && qGreen(c) < 100 && qBlue(c) < 100;
}

// The smallest rectangle holding everything that is not white.
QRect drawnArea(const QImage& image)
{
    QRect area;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255))
                area |= QRect(x, y, 1, 1);
    return area;
}

} // namespace

class LibreOfficeImport : public ::testing::TestWithParam<const char*> {};

TEST_P(LibreOfficeImport, DrawsAtTrueSizeWithRedSundaysAndRules)
{
    const QString soffice = QStandardPaths::findExecutable("soffice");
    if (soffice.isEmpty())
        GTEST_SKIP() << "LibreOffice is not installed";
    QTemporaryDir dir;
    const QString name = QString("march.%1").arg(GetParam());
    ASSERT_EQ(runRenderer(march1998Options + QStringList { "-o", dir.filePath(name) }).status, 0);
    const auto converted = runProgram(soffice,
        { "-env:UserInstallation=file://" + dir.filePath("profile"), "--headless", "--convert-to", "png", "--outdir",
            dir.path(), dir.filePath(name) });
    const QImage page(dir.filePath("march.png"));
    ASSERT_FALSE(page.isNull()) << converted.err.toStdString();
    const QImage image = page.convertToFormat(QImage::Format_RGB32);

    // The frame is 63.70 x 58.45 mm for this font; at 96 dpi that is about
    // 241 x 221 pixels, whatever the digits' widths.
    const auto info = runRenderer(march1998Options + QStringList { "--info" }).out;
    const int frameW = info.section("frame_w=", 1).section('\n', 0, 0).toInt();
    const int frameH = info.section("frame_h=", 1).section('\n', 0, 0).toInt();
    const int picheight = info.section("picheight=", 1).section('\n', 0, 0).toInt();
    const int gridtop = info.section("gridtop=", 1).section('\n', 0, 0).toInt();
    const QRect area = drawnArea(image);
    EXPECT_NEAR(area.width(), frameW / 2540.0 * 96, 4) << "drawn " << area.width() << " px wide";
    EXPECT_LE(area.height(), frameH / 2540.0 * 96 + 4);

    // The top rule of the grid crosses the whole width where the preview has it.
    const double scaleY = (frameH / 2540.0 * 96) / picheight;
    const int bottom = area.bottom();
    const int expectedRule = bottom - qRound((picheight - 1 - gridtop) * scaleY);
    int bestRow = -1;
    for (int y = expectedRule - 3; y <= expectedRule + 3; ++y) {
        int dark = 0;
        for (int x = area.left(); x <= area.right(); ++x)
            dark += isDark(image.pixel(x, y));
        if (dark > area.width() * 8 / 10)
            bestRow = y;
    }
    EXPECT_NE(bestRow, -1) << "no rule near y " << expectedRule;

    // Red lies in the Sunday column and nowhere else.
    int redInSunday = 0, redElsewhere = 0;
    const int columnEnd = area.left() + area.width() / 7;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (isRed(image.pixel(x, y)))
                ++(x <= columnEnd ? redInSunday : redElsewhere);
    EXPECT_GT(redInSunday, 40);
    EXPECT_EQ(redElsewhere, 0);
}

INSTANTIATE_TEST_SUITE_P(Metafiles, LibreOfficeImport, ::testing::Values("emf", "wmf"));
