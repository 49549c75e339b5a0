// pluvane-render when things go wrong: a picture too large to render, output
// nobody can take, an interrupt in the middle of a batch, a full disk. The
// status is honest, the message is one line, and no file is lost or left
// half made.

#include "RenderProgram.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <csignal>
#include <random>

#include <sys/mount.h>
#include <unistd.h>

using namespace pluvane::fixtures;

namespace {

void putFile(const QString& path, const QByteArray& data)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// Runs the renderer with its standard output going to `outputFile`.
int statusWithOutputTo(const QStringList& args, const QString& outputFile, QString* err)
{
    QProcess p;
    p.setStandardOutputFile(outputFile);
    p.start(renderProgram, args);
    p.waitForFinished(60000);
    *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

} // namespace

TEST(RenderFailures, APngTooLargeToRenderIsAnErrorAndTheOldFileStays)
{
    QTemporaryDir dir;
    const QString png = dir.filePath("big.png");
    putFile(png, "old picture");
    const auto r = runRenderer(QStringList { "--font-height", "1000", "--cell-width", "100", "--cell-height", "100",
                                   "--title-size", "100", "--scale", "16", "-o", png }
        + referenceScreenOption);
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("pluvane-render: " + png + ": ")) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("16384")) << r.err.toStdString();
    EXPECT_EQ(fileContents(png), "old picture");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList { "big.png" });
}

TEST(RenderFailures, OutputThatCannotBeWrittenIsAnError)
{
    if (!QFile::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full";
    for (const QStringList& args : { QStringList { "--info" } + referenceScreenOption, QStringList { "--help" } }) {
        SCOPED_TRACE(args.join(' ').toStdString());
        QString err;
        EXPECT_EQ(statusWithOutputTo(args, "/dev/full", &err), 1);
        EXPECT_EQ(err.count('\n'), 1) << err.toStdString();
        EXPECT_TRUE(err.startsWith("pluvane-render: standard output: ")) << err.toStdString();
    }
}

TEST(RenderFailures, ScreensBeyondWhatTheFilesHoldAreUsageErrors)
{
    for (const char* screen : { "1x1:300000x300000", "300000x300000:1x1", "3000x3000:1x1", "1x1:2147483647x1" }) {
        SCOPED_TRACE(screen);
        const auto r = runRenderer({ "--screen", screen, "--info" });
        EXPECT_EQ(r.status, 2);
        EXPECT_TRUE(r.err.startsWith("pluvane-render: --screen ")) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
}

TEST(RenderFailures, AnInterruptedBatchLeavesOnlyWholeFiles)
{
    std::mt19937 random(20261211);
    for (int run = 0; run < 16; ++run) {
        SCOPED_TRACE(run);
        QTemporaryDir dir;
        QProcess p;
        p.start(renderProgram,
            QStringList { "--year", "1900-2500", "--month", "1-12", "--quiet", "-o", dir.filePath("x-%Y-%m.png") }
                + referenceScreenOption);
        ASSERT_TRUE(p.waitForStarted(10000));
        // Some milliseconds of the 7212 files the batch would take seconds for.
        QThread::msleep(100 + random() % 400);
        ::kill(static_cast<pid_t>(p.processId()), run % 2 == 0 ? SIGINT : SIGTERM);
        ASSERT_TRUE(p.waitForFinished(60000));
        EXPECT_EQ(p.exitStatus(), QProcess::CrashExit);
        const QStringList hidden = QDir(dir.path()).entryList(QStringList { ".*" }, QDir::Files | QDir::Hidden);
        EXPECT_TRUE(hidden.isEmpty()) << hidden.join(' ').toStdString();
        for (const QString& name : QDir(dir.path()).entryList(QDir::Files)) {
            QImage image;
            EXPECT_TRUE(image.loadFromData(fileContents(dir.filePath(name)), "PNG")) << name.toStdString();
        }
    }
}

TEST(RenderFailures, ABatchWriteErrorNamesTheFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    ASSERT_EQ(mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=64k"), 0) << "cannot mount a tmpfs";
    const auto r
        = runRenderer(QStringList { "--year", "2031", "--month", "1-12", "--quiet", "-o", dir.filePath("x-%Y-%m.png") }
            + referenceScreenOption);
    const QStringList hidden = QDir(dir.path()).entryList(QStringList { ".*" }, QDir::Files | QDir::Hidden);
    umount(mountPoint.constData());
    EXPECT_EQ(r.status, 1);
    EXPECT_TRUE(r.err.contains(QRegularExpression("^pluvane-render: " + QRegularExpression::escape(dir.path())
        + "/x-2031-[0-9][0-9]\\.png: ｽﾄﾘｰﾑへの書き込みｴﾗｰ\\n$")))
        << r.err.toStdString();
    EXPECT_TRUE(hidden.isEmpty());
}
