// The save dialog as the window uses it: it comes back on the folder and name
// it returned, and a chosen SVG, PDF or PNG type completes a bare name.

#include "WindowDriver.h"

#include "support/PictureBytes.h"

#include "window/CalendarWindow.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace pluvane;
using fixtures::child;
using fixtures::fileContents;
using fixtures::testServices;
using fixtures::typeOverName;
using fixtures::whenModalOpens;

namespace {

// What the save dialog showed when it opened.
struct Offered {
    QString folder;
    QString name;
    QString type;
};

// Presses "保存"; once the dialog is up, notes what it offers, steps the
// file type box down `typeSteps` times with the arrow key, types `name` over
// the offered one unless it is null, and presses Return.
Offered saveThroughTheDialog(CalendarWindow& window, const QString& name, int typeSteps = 0)
{
    Offered offered;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
        auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(field, nullptr);
        ASSERT_NE(types, nullptr);
        offered = { dialog->directory().absolutePath(), field->text(), types->currentText() };
        for (int i = 0; i < typeSteps; ++i)
            QTest::keyClick(types, Qt::Key_Down);
        if (!name.isNull())
            typeOverName(dialog, field, name);
        QTest::keyClick(field, Qt::Key_Return);
    });
    QTest::mouseClick(child<QPushButton>(window, "Button3"), Qt::LeftButton);
    return offered;
}

// Runs with the current folder set to `folder`, as the dialog's first folder.
struct CurrentFolder {
    explicit CurrentFolder(const QString& folder) { QDir::setCurrent(folder); }
    ~CurrentFolder() { QDir::setCurrent(before); }
    QString before = QDir::currentPath();
};

} // namespace

TEST(CalendarWindowSaveDialog, OpensAgainOnTheFolderAndNameItReturned)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("a/sub"));
    const QString a = dir.filePath("a");
    const QString sub = dir.filePath("a/sub");
    CurrentFolder current(a);
    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);

    const Offered first = saveThroughTheDialog(w, sub + "/june");
    EXPECT_EQ(first.folder.toStdString(), QFileInfo(a).canonicalFilePath().toStdString());
    EXPECT_EQ(first.name.toStdString(), "");
    ASSERT_TRUE(QFile::exists(sub + "/june.wmf"));
    ASSERT_TRUE(QFile::remove(sub + "/june.wmf"));

    // Return alone saves the same file again: the dialog comes back in the
    // folder, on the name without the ".wmf" the window added.
    const Offered again = saveThroughTheDialog(w, QString());
    EXPECT_EQ(again.folder.toStdString(), QFileInfo(sub).canonicalFilePath().toStdString());
    EXPECT_EQ(again.name.toStdString(), "june");
    EXPECT_TRUE(QFile::exists(sub + "/june.wmf"));
    EXPECT_FALSE(QFile::exists(a + "/june.wmf"));
}

TEST(CalendarWindowSaveDialog, AChosenTypeCompletesANameWithoutADot)
{
    struct Case {
        int typeSteps; // from the first type, "メタファイル形式 (*.wmf)"
        const char* typed;
        const char* written;
        QByteArray start;
    };
    const Case cases[] = {
        { 1, "cal", "cal.svg", "<?xml" },
        { 2, "cal", "cal.pdf", "%PDF" },
        { 3, "cal", "cal.png", "\x89PNG" },
        // A name with a "." keeps its own extension whatever the type.
        { 1, "cal.emf", "cal.emf", QByteArray("\x01\x00\x00\x00", 4) },
        { 3, "cal.", "cal.", QByteArray("\x01\x00\x00\x00", 4) },
        // The metafile type keeps the window's own rule: ".wmf" is added.
        { 0, "cal", "cal.wmf", QByteArray("\xd7\xcd\xc6\x9a", 4) },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.written);
        QTemporaryDir dir;
        CurrentFolder current(dir.path());
        CalendarWindow w(testServices());
        w.show();
        QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
        const Offered offered = saveThroughTheDialog(w, dir.filePath(c.typed), c.typeSteps);
        EXPECT_EQ(offered.type.toStdString(), "メタファイル形式 (*.wmf)");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).join(" ").toStdString(), c.written);
        EXPECT_TRUE(fileContents(dir.filePath(c.written)).startsWith(c.start));
    }
}

TEST(CalendarWindowSaveDialog, AChosenTypeLooksOnlyAtTheFileNameForADot)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("my.cal"));
    CurrentFolder current(dir.path());
    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    saveThroughTheDialog(w, dir.filePath("my.cal/may"), 1);
    EXPECT_EQ(QDir(dir.filePath("my.cal")).entryList(QDir::Files).join(" ").toStdString(), "may.svg");
}

TEST(CalendarWindowSaveDialog, KeepsTheChosenTypeForTheNextSave)
{
    QTemporaryDir dir;
    CurrentFolder current(dir.path());
    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    saveThroughTheDialog(w, dir.filePath("first"), 2);
    const Offered again = saveThroughTheDialog(w, dir.filePath("second"));
    EXPECT_EQ(again.type.toStdString(), "PDF (*.pdf)");
    EXPECT_EQ(again.name.toStdString(), "first.pdf");
    EXPECT_TRUE(fileContents(dir.filePath("second.pdf")).startsWith("%PDF"));
}
