#include "support/FixedWidthMeasurer.h"
#include "support/WorkedExample.h"

#include "layout/Errors.h"
#include "picture/MakeCalendar.h"
#include "picture/output/PictureSaving.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

using namespace pluvane;

namespace {

Picture march1998()
{
    static const fixtures::FixedWidthMeasurer measurer(6);
    const CalendarSettings s = fixtures::march1998();
    return makeCalendar(s, measurer, ScreenMetrics { 800, 600, 280, 210 }).picture;
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray bytesOf(const Picture& p)
{
    return QByteArray(reinterpret_cast<const char*>(p.bytes().data()), static_cast<qsizetype>(p.bytes().size()));
}

template <class Error>
std::string messageOf(const std::function<void()>& f)
{
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "(nothing thrown)";
}

} // namespace

TEST(PictureSaving, EachFormatByItsName)
{
    QTemporaryDir dir;
    const Picture picture = march1998();
    savePicture(picture, saveTargetFor(dir.filePath("may.emf").toStdString()));
    EXPECT_EQ(contents(dir.filePath("may.emf")), bytesOf(picture));
    savePicture(picture, saveTargetFor(dir.filePath("may").toStdString()));
    EXPECT_TRUE(contents(dir.filePath("may.wmf")).startsWith(QByteArray::fromHex("D7CDC69A")));
    EXPECT_FALSE(QFile::exists(dir.filePath("may")));
}

TEST(PictureSaving, ReplacesAnExistingFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("cal.emf");
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(50000, 'x'));
    }
    savePicture(march1998(), saveTargetFor(path.toStdString()));
    EXPECT_EQ(contents(path), bytesOf(march1998()));
}

TEST(PictureSaving, FilesThatCannotBeCreated)
{
    QTemporaryDir dir;
    const std::string missing = dir.filePath("no/such/folder/may.emf").toStdString();
    EXPECT_EQ(messageOf<EFCreateError>([&] { savePicture(march1998(), saveTargetFor(missing)); }),
        "ﾌｧｲﾙ " + missing + " を作成できません");
    QDir(dir.path()).mkdir("taken.emf");
    const std::string folder = dir.filePath("taken.emf").toStdString();
    EXPECT_EQ(messageOf<EFCreateError>([&] { savePicture(march1998(), saveTargetFor(folder)); }),
        "ﾌｧｲﾙ " + folder + " を作成できません");
    if (geteuid() != 0) { // permissions do not stop root
        QDir(dir.path()).mkdir("locked");
        QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
        const std::string locked = dir.filePath("locked/may.emf").toStdString();
        EXPECT_THROW(savePicture(march1998(), saveTargetFor(locked)), EFCreateError);
    }
}

TEST(PictureSaving, AFullDiskLeavesTheOldFileIntactAndNoPartialFile)
{
    if (geteuid() != 0)
        GTEST_SKIP() << "mounting a small file system needs root";
    QTemporaryDir dir;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    ASSERT_EQ(mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=12k"), 0) << "cannot mount a tmpfs";
    const QString path = dir.filePath("cal.emf");
    const QByteArray old(2000, 'o');
    {
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(old);
    }
    // Fill the rest so the new picture cannot fit beside the old file.
    {
        QFile filler(dir.filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        const QByteArray block(1024, 'f');
        while (filler.write(block) == block.size() && filler.flush()) {
        }
    }
    const std::string message = messageOf<EWriteError>([&] { savePicture(march1998(), saveTargetFor(path.toStdString())); });
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    const QByteArray now = contents(path);
    umount(mountPoint.constData());
    EXPECT_EQ(message, "ｽﾄﾘｰﾑへの書き込みｴﾗｰ");
    EXPECT_EQ(now, old);
    EXPECT_EQ(left, (QStringList { "cal.emf", "filler" }));
}
