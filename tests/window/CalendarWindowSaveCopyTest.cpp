// Saving and copying the made picture, and what they do before the first
// make or when the file cannot be written.

#include "WindowDriver.h"

#include "support/PictureBytes.h"

#include "picture/output/PictureSaving.h"
#include "window/CalendarWindow.h"
#include "window/PreviewImage.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <sys/mount.h>
#include <unistd.h>

using namespace pluvane;
using fixtures::bytesOf;
using fixtures::caption;
using fixtures::child;
using fixtures::fileContents;
using fixtures::testServices;
using fixtures::typeIntoSaveDialog;
using fixtures::whenModalOpens;

TEST(CalendarWindow, SaveAndCopyDoNothingBeforeTheFirstMake)
{
    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    QTest::mouseClick(child<QPushButton>(w, "Button4"), Qt::LeftButton);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(w.madeflag);
}

TEST(CalendarWindowSave, SavesTheMadePictureUnderTheTypedName)
{
    QTemporaryDir dir;
    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    const Picture made = child<PreviewImage>(w, "Image1")->picture();

    QString offered = "(not opened)";
    QStringList filters;
    typeIntoSaveDialog(dir.filePath("may"), &offered, &filters);
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_EQ(offered, "");
    EXPECT_EQ(filters, (QStringList { "メタファイル形式 (*.wmf)", "SVG (*.svg)", "PDF (*.pdf)", "PNG (*.png)" }));
    const std::vector<std::uint8_t> wmf = pictureBytesFor(made, PictureFormat::PlaceableWmf);
    EXPECT_EQ(fileContents(dir.filePath("may.wmf")),
        QByteArray(reinterpret_cast<const char*>(wmf.data()), static_cast<qsizetype>(wmf.size())));

    // The dialog opens on the name it returned, without the ".wmf" added to it.
    typeIntoSaveDialog(dir.filePath("may.emf"), &offered);
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_EQ(offered, "may");
    EXPECT_EQ(fileContents(dir.filePath("may.emf")), bytesOf(made));

    // The other formats by their extensions, in any case.
    typeIntoSaveDialog(dir.filePath("may.SVG"));
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_TRUE(fileContents(dir.filePath("may.SVG")).contains("<svg"));
    typeIntoSaveDialog(dir.filePath("may.pdf"));
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_TRUE(fileContents(dir.filePath("may.pdf")).startsWith("%PDF"));
    typeIntoSaveDialog(dir.filePath("may.png"));
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_TRUE(fileContents(dir.filePath("may.png")).startsWith("\x89PNG"));

    // Cancelling writes nothing.
    typeIntoSaveDialog(QString(), &offered);
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    EXPECT_EQ(offered, "may.png");
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 5);
}

TEST(CalendarWindowSave, AFailedSaveShowsTheErrorAndKeepsThePicture)
{
    QTemporaryDir dir;
    // A place the file cannot go: a full file system (as root, who ignores
    // permissions) or a folder without write permission.
    const bool root = geteuid() == 0;
    const QByteArray mountPoint = QFile::encodeName(dir.path());
    QString expected;
    if (root) {
        ASSERT_EQ(mount("tmpfs", mountPoint.constData(), "tmpfs", 0, "size=4k"), 0);
        QFile filler(dir.filePath("filler"));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly));
        while (filler.write(QByteArray(512, 'f')) == 512 && filler.flush()) {}
        expected = "ｽﾄﾘｰﾑへの書き込みｴﾗｰ.";
    } else {
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::ExeOwner);
        expected = "ﾌｧｲﾙ " + dir.filePath("may.emf") + " を作成できません.";
    }

    CalendarWindow w(testServices());
    w.show();
    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    const Picture made = child<PreviewImage>(w, "Image1")->picture();
    QString text;
    int boxes = 0;
    whenModalOpens([&](QWidget* modal) {
        auto* dialog = qobject_cast<QFileDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        whenModalOpens([&](QWidget* next) {
            auto* box = qobject_cast<QMessageBox*>(next);
            ASSERT_NE(box, nullptr);
            ++boxes;
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        auto* field = dialog->findChild<QLineEdit*>("fileNameEdit");
        field->setText(dir.filePath("may.emf"));
        QTest::keyClick(field, Qt::Key_Return);
    });
    QTest::mouseClick(child<QPushButton>(w, "Button3"), Qt::LeftButton);
    const bool written = QFile::exists(dir.filePath("may.emf"));
    if (root)
        umount(mountPoint.constData());
    else
        QFile::setPermissions(dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_EQ(boxes, 1);
    EXPECT_EQ(text, expected);
    EXPECT_FALSE(written);
    EXPECT_TRUE(w.madeflag);
    EXPECT_TRUE(child<PreviewImage>(w, "Image1")->picture().sharesBytesWith(made));
}

TEST(CalendarWindowCopy, PutsOneItemWithFourTypesOnTheClipboard)
{
    CalendarWindow w(testServices());
    w.show();
    QGuiApplication::clipboard()->setText("what was there before");
    QTest::mouseClick(child<QPushButton>(w, "Button4"), Qt::LeftButton);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "what was there before"); // nothing made yet

    QTest::mouseClick(child<QPushButton>(w, "Button1"), Qt::LeftButton);
    const Picture made = child<PreviewImage>(w, "Image1")->picture();
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(child<QPushButton>(w, "Button4"), Qt::LeftButton);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    for (const char* type : { "image/emf", "image/x-emf", "image/svg+xml", "image/png" })
        EXPECT_TRUE(data->hasFormat(type)) << type;
    EXPECT_FALSE(data->hasText());
    EXPECT_EQ(data->data("image/emf"), bytesOf(made));
    EXPECT_EQ(data->data("image/x-emf"), bytesOf(made));
    EXPECT_EQ(data->data("application/x-openoffice-emf;windows_formatname=\"Image EMF\""), bytesOf(made));
    EXPECT_TRUE(data->data("image/svg+xml").contains("<svg"));
    QImage png;
    ASSERT_TRUE(png.loadFromData(data->data("image/png"), "PNG"));
    EXPECT_EQ(png.size(), QSize(made.widthPx(), made.heightPx()));
    // Its resolution places it at the picture's true size.
    ASSERT_GT(png.dotsPerMeterX(), 0);
    EXPECT_NEAR(png.width() * 1000.0 / png.dotsPerMeterX(), made.widthHmm() / 100.0, 0.5);
    EXPECT_NEAR(png.height() * 1000.0 / png.dotsPerMeterY(), made.heightHmm() / 100.0, 0.5);
}
