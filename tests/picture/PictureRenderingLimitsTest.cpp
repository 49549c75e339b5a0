// The raster limits: a PNG beyond them is refused before anything is
// allocated, and the file it would have replaced stays as it was.

#include "support/ExpectThrows.h"
#include "support/FixedWidthMeasurer.h"
#include "support/PictureBytes.h"
#include "support/WorkedPicture.h"

#include "layout/Errors.h"
#include "picture/emf/EmfRecorder.h"
#include "picture/output/PictureRendering.h"
#include "picture/output/PictureSaving.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pluvane;

namespace {

// An empty picture of the given pixel size on the reference screen.
Picture blankPicture(int widthPx, int heightPx)
{
    const fixtures::FixedWidthMeasurer measurer;
    EmfRecorder recorder(
        widthPx, heightPx, { 800, 600 }, { 280, 210 }, measurer, [](TColor) { return std::uint32_t { 0 }; });
    return Picture::fromEmfBytes(recorder.close());
}

} // namespace

TEST(RasterLimits, SidesAndAreaBeyondTheLimitAreRefused)
{
    struct Case {
        int width, height, scale;
        bool made;
    };
    for (const Case& c : {
             Case { 16384, 2, 1, true },    // the longest side
             Case { 2, 16384, 1, true },    //
             Case { 1024, 1, 16, true },    // the longest side by scaling
             Case { 16385, 2, 1, false },   // one pixel more
             Case { 2, 16385, 1, false },   //
             Case { 1025, 1, 16, false },   // by scaling
             Case { 8000, 8001, 2, false }, // each side fits, the area (256,016,000) does not
             Case { 154, 167, 0, false },   // no scale
         }) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " at " << c.scale);
        const Picture picture = blankPicture(c.width, c.height);
        if (c.made) {
            const QImage image = renderImage(picture, c.scale);
            EXPECT_EQ(image.size(), QSize(c.width * c.scale, c.height * c.scale));
        } else {
            EXPECT_TRUE(fixtures::throwsWithMessage<EOutOfResources>(
                [&] { renderImage(picture, c.scale); }, "ｼｽﾃﾑ ﾘｿｰｽが足りません"));
        }
    }
}

TEST(RasterLimits, ARefusedPngLeavesTheOldFileIntact)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("big.png");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old picture");
    }
    const Picture picture = blankPicture(4000, 3000);
    EXPECT_TRUE(fixtures::throwsWithMessage<EOutOfResources>(
        [&] {
            savePicture(picture, saveTargetFor(path.toStdString()), SaveOptions { 16, false });
        },
        "ｼｽﾃﾑ ﾘｿｰｽが足りません"));
    EXPECT_EQ(fixtures::fileContents(path), "old picture");
}
