// What an office user does with a copied calendar: press "作成" and
// "コピー" in the real window, then paste into LibreOffice Draw. The page
// must get a vector graphic at the picture's true size, not a bitmap.

#include "DesktopDriver.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

using namespace pluvane::fixtures;

namespace {

const QString pasteScript = QStringLiteral(PLUVANE_PASTE_SCRIPT);

// A little-endian 32-bit field of the metafile header.
int headerField(const QByteArray& emf, int offset)
{
    const auto* b = reinterpret_cast<const unsigned char*>(emf.constData() + offset);
    return static_cast<int>(b[0] | b[1] << 8 | b[2] << 16 | static_cast<unsigned>(b[3]) << 24);
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

// Pastes need xclip to read the clipboard and LibreOffice to paste into.
class LibreOfficePaste : public DesktopTest {
protected:
    LibreOfficePaste() : DesktopTest({ "Xvfb", "xdotool", "xclip", "soffice" }) {}
};

} // namespace

TEST_F(LibreOfficePaste, DrawPastesTheCopiedCalendarAsAVectorGraphicAtItsTrueSize)
{
    const QString python = pythonWithUno();
    if (python.isEmpty())
        GTEST_SKIP() << "python3-uno is missing";
    const VirtualDisplay& display = virtualDisplay();

    QProcess app;
    const QString window = startPluvane(display, app);
    ASSERT_FALSE(window.isEmpty()) << "pluvane's window did not show";
    const QPoint origin = windowOrigin(display, window);
    clickAt(display, origin, 432, 36); // "作成"
    QThread::msleep(700);
    clickAt(display, origin, 516, 76); // "コピー"
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
