// What an office user does with a copied calendar: press "作成" and
// "コピー" in the real window, then paste into LibreOffice Draw. The page
// must get a vector graphic at the picture's true size, not a bitmap.

#include "support/VirtualDisplay.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using pluvane::fixtures::runProgram;
using pluvane::fixtures::VirtualDisplay;

namespace {

const QString program = QStringLiteral(PLUVANE_WINDOW_PATH);
const QString pasteScript = QStringLiteral(PLUVANE_PASTE_SCRIPT);

// A little-endian 32-bit field of the metafile header.
int headerField(const QByteArray& emf, int offset)
{
    const auto* b = reinterpret_cast<const unsigned char*>(emf.constData() + offset);
    return static_cast<int>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<unsigned>(b[3]) << 24);
}

QMap<QString, QString> keyValues(const QString& text)
{
    QMap<QString, QString> values;
    for (const QString& line : text.split('\n', Qt::SkipEmptyParts))
        values[line.section('=', 0, 0)] = line.section('=', 1);
    return values;
}

// A Python that can speak to LibreOffice: Debian's python3-uno is for the
// system's own interpreter, which another on the PATH may hide.
QString pythonWithUno()
{
    for (const QString& python :
        { QStandardPaths::findExecutable("python3", { "/usr/bin" }), QStandardPaths::findExecutable("python3") })
        if (!python.isEmpty() && runProgram(python, { "-c", "import uno" }).status == 0)
            return python;
    return {};
}

// Clicks at a point of the window's client area.
void clickAt(const VirtualDisplay& display, const QString& window, int x, int y)
{
    QMap<QString, int> g;
    for (const QString& line : display.run("xdotool", { "getwindowgeometry", "--shell", window }).out.split('\n'))
        g[line.section('=', 0, 0)] = line.section('=', 1).toInt();
    display.run(
        "xdotool", { "mousemove", "--sync", QString::number(g["X"] + x), QString::number(g["Y"] + y), "click", "1" });
}

} // namespace

TEST(LibreOfficePaste, DrawPastesTheCopiedCalendarAsAVectorGraphicAtItsTrueSize)
{
    for (const char* tool : { "Xvfb", "xdotool", "xclip", "soffice" })
        if (QStandardPaths::findExecutable(tool).isEmpty())
            GTEST_SKIP() << tool << " is missing";
    const QString python = pythonWithUno();
    if (python.isEmpty())
        GTEST_SKIP() << "python3-uno is missing";
    VirtualDisplay display;
    ASSERT_TRUE(display.isUp()) << "Xvfb did not start";

    QProcess app;
    app.setProcessEnvironment(display.environment());
    app.start(program, {});
    ASSERT_TRUE(app.waitForStarted(10000));
    const auto found = display.run("xdotool", { "search", "--sync", "--onlyvisible", "--name", "Pluvane Ver 1.0" });
    ASSERT_EQ(found.status, 0) << found.err.toStdString();
    const QString window = found.out.split('\n', Qt::SkipEmptyParts).value(0);
    clickAt(display, window, 432, 36); // "作成"
    QThread::msleep(700);
    clickAt(display, window, 516, 76); // "コピー"
    QThread::msleep(300);
    const QByteArray emf = display.run("xclip", { "-selection", "clipboard", "-t", "image/emf", "-o" }).rawOut;
    ASSERT_GT(emf.size(), 100);
    // The frame, in 0.01 mm, is what an office program should place.
    const int frameWidth = headerField(emf, 32) - headerField(emf, 24);
    const int frameHeight = headerField(emf, 36) - headerField(emf, 28);

    QTemporaryDir dir;
    const QString pipe = "pluvane-paste-" + QString::number(QCoreApplication::applicationPid());
    QProcessEnvironment env = display.environment();
    env.insert("SAL_USE_VCLPLUGIN", "gen");
    QProcess office;
    office.setProcessEnvironment(env);
    office.start(QStandardPaths::findExecutable("soffice"),
        { "-env:UserInstallation=file://" + dir.filePath("profile"), "--accept=pipe,name=" + pipe + ";urp;",
            "--norestore", "--nologo", "--nodefault" });
    ASSERT_TRUE(office.waitForStarted(10000));
    const auto pasted = runProgram(python, { pasteScript, pipe }, env);
    office.waitForFinished(10000);
    if (office.state() != QProcess::NotRunning) {
        office.kill();
        office.waitForFinished(5000);
    }
    app.terminate();
    app.waitForFinished(5000);

    ASSERT_EQ(pasted.status, 0) << pasted.err.toStdString();
    const auto shape = keyValues(pasted.out);
    RecordProperty("pasted", pasted.out.simplified().toStdString());
    RecordProperty("frame", QString("%1x%2").arg(frameWidth).arg(frameHeight).toStdString());
    ASSERT_EQ(shape.value("shapes"), "1") << pasted.out.toStdString();
    EXPECT_EQ(shape.value("type"), "com.sun.star.drawing.GraphicObjectShape");
    EXPECT_EQ(shape.value("graphic_type"), "2") << "not a vector graphic (1 is a bitmap)";
    EXPECT_NEAR(shape.value("width").toInt(), frameWidth, 20);
    EXPECT_NEAR(shape.value("height").toInt(), frameHeight, 20);
}
