#include "support/ExpectThrows.h"
#include "support/PictureBytes.h"
#include "support/WorkedPicture.h"

#include "layout/Errors.h"
#include "picture/output/PictureSaving.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>

#include <sys/mount.h>
#include <unistd.h>

using namespace pluvane;
using fixtures::bytesOf;
using fixtures::fileContents;

namespace {

Picture march1998()
{
    return fixtures::madeMarch1998().picture;
}

} // namespace

TEST(PictureSaving, EachFormatByItsName)
{
    QTemporaryDir dir;
    const Picture picture = march1998();
    savePicture(picture, saveTargetFor(dir.filePath("may.emf").toStdString()));
    EXPECT_EQ(fileContents(dir.filePath("may.emf")), bytesOf(picture));
    savePicture(picture, saveTargetFor(dir.filePath("may").toStdString()));
    EXPECT_TRUE(fileContents(dir.filePath("may.wmf")).startsWith(QByteArray::fromHex("D7CDC69A")));
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
    EXPECT_EQ(fileContents(path), bytesOf(march1998()));
}

struct UncreatableCase {
    const char* name;  // what stands in the way
    const char* file;  // the name saved to, under the temporary folder
    bool stopsRootToo; // permissions do not stop root
    std::function<void(const QDir&)> prepare;
};

TEST(PictureSaving, FilesThatCannotBeCreated)
{
    const UncreatableCase cases[] = {
        { "a missing folder", "no/such/folder/may.emf", true, [](const QDir&) {} },
        { "a folder of that name", "taken.emf", true, [](const QDir& dir) { dir.mkdir("taken.emf"); } },
        { "a folder without write permission", "locked/may.emf", false,
            [](const QDir& dir) {
                dir.mkdir("locked");
                QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
            } },
    };
    for (const UncreatableCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (!c.stopsRootToo && geteuid() == 0)
            continue;
        QTemporaryDir dir;
        c.prepare(QDir(dir.path()));
        const std::string path = dir.filePath(c.file).toStdString();
        EXPECT_TRUE(fixtures::throwsWithMessage<EFCreateError>(
            [&] { savePicture(march1998(), saveTargetFor(path)); }, "ﾌｧｲﾙ " + path + " を作成できません"));
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
        while (filler.write(block) == block.size() && filler.flush()) {}
    }
    const auto failed = fixtures::throwsWithMessage<EWriteError>(
        [&] { savePicture(march1998(), saveTargetFor(path.toStdString())); }, "ｽﾄﾘｰﾑへの書き込みｴﾗｰ");
    const QStringList left = QDir(dir.path()).entryList(QDir::Files | QDir::Hidden);
    const QByteArray now = fileContents(path);
    umount(mountPoint.constData());
    EXPECT_TRUE(failed);
    EXPECT_EQ(now, old);
    EXPECT_EQ(left, (QStringList { "cal.emf", "filler" }));
}
