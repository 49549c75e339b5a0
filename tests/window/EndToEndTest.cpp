// The real pluvane program in a real X server: find the window, press
// "作成", and look at what the screen shows.

#include "DesktopDriver.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace pluvane::fixtures;
using EndToEnd = DesktopTest;

namespace {

const QString artifacts = QStringLiteral(PLUVANE_ARTIFACT_DIR);

} // namespace

TEST_F(EndToEnd, MakeShowsThePreviewAndCopyAndSaveGiveTheSameBytes)
{
    if (QStandardPaths::findExecutable("xclip").isEmpty())
        GTEST_SKIP() << "xclip is missing; scripts/setup.sh installs it";
    const VirtualDisplay& display = virtualDisplay();

    QProcess app;
    const QString window = startPluvane(display, app);
    ASSERT_FALSE(window.isEmpty()) << "pluvane's window did not show";
    const auto g = windowGeometry(display, window);
    ASSERT_GE(g["WIDTH"], 588);
    ASSERT_GE(g["HEIGHT"], 450);
    const QPoint origin(g["X"], g["Y"]);

    // "作成" sits at (392, 24), 81 x 25, in the window's client area.
    const auto click = clickAt(display, origin, 432, 36);
    ASSERT_EQ(click.status, 0) << click.err.toStdString();
    QThread::msleep(700);

    // "コピー" at (480, 64): the clipboard then offers the picture in five types.
    clickAt(display, origin, 516, 76);
    QThread::msleep(300);
    const auto targets = display.run("xclip", { "-selection", "clipboard", "-t", "TARGETS", "-o" });
    for (const char* type : { "image/emf", "image/x-emf",
             "application/x-openoffice-emf;windows_formatname=\"Image EMF\"", "image/svg+xml", "image/png" })
        EXPECT_TRUE(targets.out.split('\n').contains(type)) << type << " not offered: " << targets.out.toStdString();
    const QByteArray pasted = display.run("xclip", { "-selection", "clipboard", "-t", "image/emf", "-o" }).rawOut;

    // "保存" at (392, 64) opens the save dialog; a typed name and Enter save it.
    QTemporaryDir saveDir;
    const QString saved = saveDir.filePath("pasted-check.emf");
    clickAt(display, origin, 432, 76);
    const QString dialog = waitForWindow(display, "名前を付けて保存");
    ASSERT_FALSE(dialog.isEmpty()) << "no save dialog after a click on 保存";
    ASSERT_TRUE(waitForFocus(display, dialog)) << "the save dialog did not get the keyboard";
    typeText(display, saved);
    display.run("xdotool", { "key", "Return" });
    waitForFile(saved);
    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << "the save dialog wrote nothing at " << saved.toStdString();
    const QByteArray savedBytes = file.readAll();
    EXPECT_GT(savedBytes.size(), 1000);
    EXPECT_EQ(savedBytes.mid(40, 4), QByteArray(" EMF"));
    EXPECT_EQ(pasted, savedBytes);

    QDir().mkpath(artifacts);
    const QString shotPath = artifacts + "/end-to-end-preview.png";
    const auto shot = display.run("import", { "-window", window, shotPath });
    ASSERT_EQ(shot.status, 0) << shot.err.toStdString();
    app.terminate();
    app.waitForFinished(5000);

    const QImage image(shotPath);
    ASSERT_FALSE(image.isNull());
    int red = 0, dark = 0;
    for (int y = 32; y < 32 + 210; ++y)
        for (int x = 24; x < 24 + 280; ++x) {
            const QRgb c = image.pixel(x, y);
            red += qRed(c) > 160 && qGreen(c) < 110 && qBlue(c) < 110;
            dark += qRed(c) < 80 && qGreen(c) < 80 && qBlue(c) < 80;
        }
    EXPECT_GT(red, 30) << "no red Sunday numbers in the preview; see " << shotPath.toStdString();
    EXPECT_GT(dark, 1500) << "no ruled lines in the preview; see " << shotPath.toStdString();
    // A full ruled line crosses the preview at the first row rule.
    int longestRow = 0;
    for (int y = 32; y < 32 + 210; ++y) {
        int run = 0;
        for (int x = 24; x < 24 + 280; ++x)
            run = qRed(image.pixel(x, y)) < 80 ? run + 1 : 0, longestRow = std::max(longestRow, run);
    }
    EXPECT_GT(longestRow, 150);
}

TEST_F(EndToEnd, KeysAloneMakeAndSaveAndTheSaveDialogRemembersItsFolder)
{
    const VirtualDisplay& display = virtualDisplay();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("a/sub"));
    const QString a = dir.filePath("a");
    const QString sub = dir.filePath("a/sub");

    QProcess app;
    const QString window = startWithTheKeyboard(display, app, a);
    ASSERT_FALSE(window.isEmpty()) << "pluvane's window did not show or did not get the keyboard";

    QDir().mkpath(artifacts);
    display.run("import", { "-window", window, artifacts + "/end-to-end-keys-start.png" });

    // The focus starts on "作成": Return makes the picture. Sixteen Tabs go
    // once round the controls, seven more reach "保存", and Return opens
    // the save dialog, in Japanese.
    press(display, { "Return" });
    press(display, QStringList(23, "Tab") << "Return");
    const QString first = waitForWindow(display, "名前を付けて保存");
    ASSERT_FALSE(first.isEmpty()) << "no save dialog after 23 Tabs from 作成";
    ASSERT_TRUE(waitForFocus(display, first)) << "the save dialog did not get the keyboard";
    typeText(display, sub + "/june");
    press(display, { "Return" });
    ASSERT_TRUE(waitForFile(sub + "/june.wmf"));
    ASSERT_TRUE(QFile::remove(sub + "/june.wmf"));

    // The focus is back on "保存": Return opens the dialog on the same
    // folder and name, and Return there saves the same file again.
    press(display, { "Return" });
    const QString dialog = waitForWindow(display, "名前を付けて保存");
    ASSERT_FALSE(dialog.isEmpty());
    ASSERT_TRUE(waitForFocus(display, dialog)) << "the save dialog did not get the keyboard";
    display.run("import", { "-window", dialog, artifacts + "/end-to-end-save-dialog-again.png" });
    press(display, { "Return" });
    EXPECT_TRUE(waitForFile(sub + "/june.wmf"))
        << "see " << (artifacts + "/end-to-end-save-dialog-again.png").toStdString();
    EXPECT_FALSE(QFile::exists(a + "/june.wmf"));

    app.terminate();
    app.waitForFinished(5000);
}

TEST_F(EndToEnd, KeysAloneChooseTheSvgTypeAndABareNameGetsItsExtension)
{
    const VirtualDisplay& display = virtualDisplay();
    QTemporaryDir dir;

    QProcess app;
    const QString window = startWithTheKeyboard(display, app, dir.path());
    ASSERT_FALSE(window.isEmpty()) << "pluvane's window did not show or did not get the keyboard";

    // Return on "作成" makes the picture; seven Tabs reach "保存".
    press(display, { "Return" });
    press(display, QStringList(7, "Tab") << "Return");
    const QString dialog = waitForWindow(display, "名前を付けて保存");
    ASSERT_FALSE(dialog.isEmpty()) << "no save dialog after 7 Tabs from 作成";
    ASSERT_TRUE(waitForFocus(display, dialog)) << "the save dialog did not get the keyboard";
    QDir().mkpath(artifacts);
    const QString opened = artifacts + "/end-to-end-save-type-opened.png";
    const QString chosen = artifacts + "/end-to-end-save-type-chosen.png";
    display.run("import", { "-window", dialog, opened });

    // Alt+N ("ファイル名(N)") puts the keyboard in the name field with its
    // text selected; "cal" replaces it. One Tab goes on to the type box, where
    // "S" picks "SVG (*.svg)", and Return saves.
    press(display, { "alt+n" });
    const auto typed = typeText(display, "cal", 60);
    ASSERT_EQ(typed.status, 0) << typed.err.toStdString();
    press(display, { "Tab", "S" });
    display.run("import", { "-window", dialog, chosen });
    press(display, { "Return" });

    EXPECT_TRUE(waitForFile(dir.filePath("cal.svg")))
        << "see " << opened.toStdString() << " and " << chosen.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).join(" ").toStdString(), "cal.svg");
    QFile file(dir.filePath("cal.svg"));
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray svg = file.readAll();
        EXPECT_TRUE(svg.startsWith("<?xml")) << svg.left(40).toStdString();
        EXPECT_TRUE(svg.contains("<svg")) << svg.left(200).toStdString();
    }

    app.terminate();
    app.waitForFinished(5000);
}
