// The atomic file writer at the edges of the file system: links, protected
// files and folders, the longest names, and what is left after a failure.

#include "support/ExpectThrows.h"
#include "support/PictureBytes.h"

#include "layout/Errors.h"
#include "picture/output/FileOutput.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>
#include <unistd.h>

using namespace pluvane;
using fixtures::fileContents;

namespace {

const std::vector<std::uint8_t> newBytes { 'n', 'e', 'w' };

void putFile(const QString& path, const QByteArray& contents)
{
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(contents);
}

// Every name in the folder, hidden ones too.
QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

TEST(FileOutput, ASymbolicLinkIsWrittenThroughAndStays)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("real");
    putFile(dir.filePath("real/cal.emf"), "old");
    ASSERT_EQ(symlink("real/cal.emf", QFile::encodeName(dir.filePath("link.emf")).constData()), 0);
    ASSERT_EQ(symlink("link.emf", QFile::encodeName(dir.filePath("chain.emf")).constData()), 0);

    writeFileAtomically(dir.filePath("chain.emf").toStdString(), newBytes);
    EXPECT_EQ(fileContents(dir.filePath("real/cal.emf")), "new");
    EXPECT_TRUE(QFileInfo(dir.filePath("chain.emf")).isSymLink());
    EXPECT_TRUE(QFileInfo(dir.filePath("link.emf")).isSymLink());
    EXPECT_EQ(fileContents(dir.filePath("chain.emf")), "new");
    EXPECT_EQ(namesIn(dir.path()), (QStringList { "chain.emf", "link.emf", "real" }));
    EXPECT_EQ(namesIn(dir.filePath("real")), QStringList { "cal.emf" });
}

TEST(FileOutput, ALinkToNothingCreatesTheFileItNames)
{
    QTemporaryDir dir;
    ASSERT_EQ(symlink("made.emf", QFile::encodeName(dir.filePath("link.emf")).constData()), 0);
    writeFileAtomically(dir.filePath("link.emf").toStdString(), newBytes);
    EXPECT_EQ(fileContents(dir.filePath("made.emf")), "new");
    EXPECT_TRUE(QFileInfo(dir.filePath("link.emf")).isSymLink());
}

TEST(FileOutput, ALoopOfLinksCannotBeCreated)
{
    QTemporaryDir dir;
    ASSERT_EQ(symlink("b", QFile::encodeName(dir.filePath("a")).constData()), 0);
    ASSERT_EQ(symlink("a", QFile::encodeName(dir.filePath("b")).constData()), 0);
    const std::string path = dir.filePath("a").toStdString();
    EXPECT_TRUE(fixtures::throwsWithMessage<EFCreateError>(
        [&] { writeFileAtomically(path, newBytes); }, "ﾌｧｲﾙ " + path + " を作成できません"));
}

TEST(FileOutput, AWriteProtectedFileIsRefusedAndKept)
{
    // Refused for every user, root too: the protection is the owner's word.
    QTemporaryDir dir;
    const QString file = dir.filePath("cal.emf");
    putFile(file, "old");
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0444), 0);
    const std::string path = file.toStdString();
    EXPECT_TRUE(fixtures::throwsWithMessage<EFCreateError>(
        [&] { writeFileAtomically(path, newBytes); }, "ﾌｧｲﾙ " + path + " を作成できません"));
    EXPECT_EQ(fileContents(file), "old");
    EXPECT_EQ(namesIn(dir.path()), QStringList { "cal.emf" });
}

TEST(FileOutput, AWritableFileInAReadOnlyFolderIsRefusedAndKept)
{
    // It could only be overwritten in place, which a full disk or an
    // interrupt would leave half written; so it is refused like a file that
    // cannot be created.
    if (geteuid() == 0)
        GTEST_SKIP() << "folder permissions do not stop root";
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("locked");
    const QString file = dir.filePath("locked/cal.emf");
    putFile(file, "old");
    ASSERT_EQ(chmod(QFile::encodeName(dir.filePath("locked")).constData(), 0555), 0);
    const std::string path = file.toStdString();
    const bool refused = fixtures::throwsWithMessage<EFCreateError>(
        [&] { writeFileAtomically(path, newBytes); }, "ﾌｧｲﾙ " + path + " を作成できません");
    chmod(QFile::encodeName(dir.filePath("locked")).constData(), 0755);
    EXPECT_TRUE(refused);
    EXPECT_EQ(fileContents(file), "old");
}

TEST(FileOutput, TheLongestNamesAFolderHoldsAreSaved)
{
    QTemporaryDir dir;
    for (const int length : { 247, 248, 251, 255 }) {
        SCOPED_TRACE(length);
        const QString name = QString(length - 4, 'k') + ".emf";
        writeFileAtomically(dir.filePath(name).toStdString(), newBytes);
        EXPECT_EQ(fileContents(dir.filePath(name)), "new");
        writeFileAtomically(dir.filePath(name).toStdString(), newBytes); // and replaced
        EXPECT_EQ(fileContents(dir.filePath(name)), "new");
    }
    EXPECT_EQ(namesIn(dir.path()).size(), 4);
}

TEST(FileOutput, AReplacedFileKeepsItsPermissions)
{
    QTemporaryDir dir;
    const QString file = dir.filePath("cal.emf");
    putFile(file, "old");
    ASSERT_EQ(chmod(QFile::encodeName(file).constData(), 0640), 0);
    writeFileAtomically(file.toStdString(), newBytes);
    struct stat st {};
    ASSERT_EQ(stat(QFile::encodeName(file).constData(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
}
