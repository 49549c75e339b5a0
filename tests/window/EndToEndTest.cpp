// The real pluvane program in a real X server: find the window, press
// "作成", and look at what the screen shows.

#include "support/VirtualDisplay.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using pluvane::fixtures::VirtualDisplay;

namespace {

const QString program = QStringLiteral(PLUVANE_WINDOW_PATH);
const QString artifacts = QStringLiteral(PLUVANE_ARTIFACT_DIR);

QMap<QString, int> windowGeometry(const VirtualDisplay& display, const QString& window)
{
    QMap<QString, int> g;
    const auto r = display.run("xdotool", { "getwindowgeometry", "--shell", window });
    for (const QString& line : r.out.split('\n', Qt::SkipEmptyParts))
        g[line.section('=', 0, 0)] = line.section('=', 1).toInt();
    return g;
}

// Presses keys in the window that has the keyboard, one after another.
void press(const VirtualDisplay& display, const QStringList& keys)
{
    const auto r = display.run("xdotool", QStringList { "key", "--delay", "60" } + keys);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QThread::msleep(300);
}

// Waits for a window with this title to show; its id, or empty.
QString waitForWindow(const VirtualDisplay& display, const QString& title)
{
    const auto found = display.run("xdotool", { "search", "--sync", "--onlyvisible", "--name", title });
    return found.out.split('\n', Qt::SkipEmptyParts).value(0);
}

bool waitForFile(const QString& path)
{
    for (int i = 0; i < 50 && !QFile::exists(path); ++i)
        QThread::msleep(100);
    return QFile::exists(path);
}

} // namespace

TEST(EndToEnd, MakeShowsThePreviewAndCopyAndSaveGiveTheSameBytes)
{
    for (const char* tool : { "Xvfb", "xdotool", "import", "xclip" })
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is missing; scripts/setup.sh installs it";
    VirtualDisplay display;
    ASSERT_TRUE(display.isUp()) << "Xvfb did not start";

    QProcess app;
    app.setProcessEnvironment(display.environment());
    app.start(program, {});
    ASSERT_TRUE(app.waitForStarted(10000));

    const auto found = display.run("xdotool", { "search", "--sync", "--onlyvisible", "--name", "Pluvane Ver 1.0" });
    ASSERT_EQ(found.status, 0) << found.err.toStdString();
    const QString window = found.out.split('\n', Qt::SkipEmptyParts).value(0);
    auto g = windowGeometry(display, window);
    ASSERT_GE(g["WIDTH"], 588);
    ASSERT_GE(g["HEIGHT"], 450);

    // "作成" sits at (392, 24), 81 x 25, in the window's client area.
    const auto click = display.run("xdotool",
        { "mousemove", "--sync", QString::number(g["X"] + 432), QString::number(g["Y"] + 36), "click", "1" });
    ASSERT_EQ(click.status, 0) << click.err.toStdString();
    QThread::msleep(700);

    // "コピー" at (480, 64): the clipboard then offers the picture in five types.
    display.run("xdotool",
        { "mousemove", "--sync", QString::number(g["X"] + 516), QString::number(g["Y"] + 76), "click", "1" });
    QThread::msleep(300);
    const auto targets = display.run("xclip", { "-selection", "clipboard", "-t", "TARGETS", "-o" });
    for (const char* type : { "image/emf", "image/x-emf",
             "application/x-openoffice-emf;windows_formatname=\"Image EMF\"", "image/svg+xml", "image/png" })
        EXPECT_TRUE(targets.out.split('\n').contains(type)) << type << " not offered: " << targets.out.toStdString();
    const QByteArray pasted = display.run("xclip", { "-selection", "clipboard", "-t", "image/emf", "-o" }).rawOut;

    // "保存" at (392, 64) opens the save dialog; a typed name and Enter save it.
    QTemporaryDir saveDir;
    const QString saved = saveDir.filePath("pasted-check.emf");
    display.run("xdotool",
        { "mousemove", "--sync", QString::number(g["X"] + 432), QString::number(g["Y"] + 76), "click", "1" });
    QThread::msleep(800);
    display.run("xdotool", { "type", "--delay", "5", saved });
    display.run("xdotool", { "key", "Return" });
    for (int i = 0; i < 50 && !QFile::exists(saved); ++i)
        QThread::msleep(100);
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

TEST(EndToEnd, KeysAloneMakeAndSaveAndTheSaveDialogRemembersItsFolder)
{
    for (const char* tool : { "Xvfb", "xdotool", "import" })
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is missing; scripts/setup.sh installs it";
    VirtualDisplay display;
    ASSERT_TRUE(display.isUp()) << "Xvfb did not start";
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkpath("a/sub"));
    const QString a = dir.filePath("a");
    const QString sub = dir.filePath("a/sub");

    QProcess app;
    app.setProcessEnvironment(display.environment());
    app.setWorkingDirectory(a);
    app.start(program, {});
    ASSERT_TRUE(app.waitForStarted(10000));
    const QString window = waitForWindow(display, "Pluvane Ver 1.0");
    ASSERT_FALSE(window.isEmpty());
    // The keyboard goes to the window under the pointer: rest it on the
    // window's empty background, between the preview and the buttons.
    auto g = windowGeometry(display, window);
    display.run("xdotool", { "mousemove", "--sync", QString::number(g["X"] + 340), QString::number(g["Y"] + 12) });
    display.run("xdotool", { "windowfocus", "--sync", window });
    QThread::msleep(300);

    QDir().mkpath(artifacts);
    display.run("import", { "-window", window, artifacts + "/end-to-end-keys-start.png" });

    // The focus starts on "作成": Return makes the picture. Sixteen Tabs go
    // once round the controls, seven more reach "保存", and Return opens
    // the save dialog, in Japanese.
    press(display, { "Return" });
    press(display, QStringList(23, "Tab") << "Return");
    ASSERT_FALSE(waitForWindow(display, "名前を付けて保存").isEmpty()) << "no save dialog after 23 Tabs from 作成";
    display.run("xdotool", { "type", "--delay", "5", sub + "/june" });
    press(display, { "Return" });
    ASSERT_TRUE(waitForFile(sub + "/june.wmf"));
    ASSERT_TRUE(QFile::remove(sub + "/june.wmf"));

    // The focus is back on "保存": Return opens the dialog on the same
    // folder and name, and Return there saves the same file again.
    press(display, { "Return" });
    const QString dialog = waitForWindow(display, "名前を付けて保存");
    ASSERT_FALSE(dialog.isEmpty());
    display.run("import", { "-window", dialog, artifacts + "/end-to-end-save-dialog-again.png" });
    press(display, { "Return" });
    EXPECT_TRUE(waitForFile(sub + "/june.wmf"))
        << "see " << (artifacts + "/end-to-end-save-dialog-again.png").toStdString();
    EXPECT_FALSE(QFile::exists(a + "/june.wmf"));

    app.terminate();
    app.waitForFinished(5000);
}
