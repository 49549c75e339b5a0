// Where Inkscape is installed, it must open the default settings' Windows
// metafile at once: a face name it cannot read once made it spin forever.

#include "RenderProgram.h"

#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pluvane::fixtures;

TEST(InkscapeImport, OpensTheDefaultWindowsMetafileWithinTwentySeconds)
{
    const QString inkscape = QStandardPaths::findExecutable("inkscape");
    if (inkscape.isEmpty())
        GTEST_SKIP() << "Inkscape is not installed";
    QTemporaryDir dir;
    const QString wmf = dir.filePath("default.wmf");
    ASSERT_EQ(runRenderer({ "--quiet", "-o", wmf }).status, 0);

    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", dir.path()); // a profile of its own
    p.setProcessEnvironment(env);
    p.start(inkscape, { wmf, "--export-type=png", "--export-filename=" + dir.filePath("default.png") });
    ASSERT_TRUE(p.waitForStarted(10000));
    const bool finished = p.waitForFinished(20000);
    if (!finished) {
        p.kill();
        p.waitForFinished(5000);
    }
    ASSERT_TRUE(finished) << "Inkscape took longer than 20 s to open the metafile";
    const QImage image(dir.filePath("default.png"));
    ASSERT_FALSE(image.isNull()) << p.readAllStandardError().toStdString();
    // Something was drawn: the grid's rules and numbers are dark.
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            dark += qAlpha(image.pixel(x, y)) > 200 && qGray(image.pixel(x, y)) < 100;
    EXPECT_GT(dark, 500);
}
