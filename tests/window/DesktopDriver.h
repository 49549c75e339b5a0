#pragma once

// Helpers for driving the real pluvane program in an X server of its own, as
// a user does: start it, find its window, click, press keys, and wait for
// what follows.

#include "support/VirtualDisplay.h"

#include <QFile>
#include <QMap>
#include <QPoint>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QStringList>
#include <QThread>

#include <gtest/gtest.h>

#include <memory>
#include <utility>

namespace pluvane::fixtures {

// The window's place and size as xdotool reports them: X, Y, WIDTH, HEIGHT.
inline QMap<QString, int> windowGeometry(const VirtualDisplay& display, const QString& window)
{
    QMap<QString, int> g;
    const auto r = display.run("xdotool", { "getwindowgeometry", "--shell", window });
    for (const QString& line : r.out.split('\n', Qt::SkipEmptyParts))
        g[line.section('=', 0, 0)] = line.section('=', 1).toInt();
    return g;
}

// Where the window's client area starts on the screen.
inline QPoint windowOrigin(const VirtualDisplay& display, const QString& window)
{
    const auto g = windowGeometry(display, window);
    return { g["X"], g["Y"] };
}

// Moves the pointer to a point of a client area that starts at `origin`, and
// clicks there.
inline ProcessResult clickAt(const VirtualDisplay& display, QPoint origin, int x, int y)
{
    return display.run("xdotool",
        { "mousemove", "--sync", QString::number(origin.x() + x), QString::number(origin.y() + y), "click", "1" });
}

// Types text into the window that has the keyboard, a key each `delay` ms.
inline ProcessResult typeText(const VirtualDisplay& display, const QString& text, int delay = 5)
{
    return display.run("xdotool", { "type", "--delay", QString::number(delay), text });
}

// Presses keys in the window that has the keyboard, one after another.
inline void press(const VirtualDisplay& display, const QStringList& keys)
{
    const auto r = display.run("xdotool", QStringList { "key", "--delay", "60" } + keys);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    QThread::msleep(300);
}

// Waits for a window with this title to show; its id, or empty.
inline QString waitForWindow(const VirtualDisplay& display, const QString& title)
{
    const auto found = display.run("xdotool", { "search", "--sync", "--onlyvisible", "--name", title });
    return found.out.split('\n', Qt::SkipEmptyParts).value(0);
}

// Waits until the X server gives this window the keyboard: keys pressed
// before then go to the window that had it, and are lost for this one.
inline bool waitForFocus(const VirtualDisplay& display, const QString& window)
{
    for (int i = 0; i < 50; ++i) {
        if (display.run("xdotool", { "getwindowfocus" }).out.trimmed() == window)
            return true;
        QThread::msleep(100);
    }
    return false;
}

// Waits up to five seconds for a file to appear.
inline bool waitForFile(const QString& path)
{
    for (int i = 0; i < 50 && !QFile::exists(path); ++i)
        QThread::msleep(100);
    return QFile::exists(path);
}

// Starts pluvane on the display, in `folder` where one is given, and waits
// for its window; the window's id, or empty.
inline QString startPluvane(const VirtualDisplay& display, QProcess& app, const QString& folder = {})
{
    app.setProcessEnvironment(display.environment());
    if (!folder.isEmpty())
        app.setWorkingDirectory(folder);
    app.start(QStringLiteral(PLUVANE_WINDOW_PATH), {});
    if (!app.waitForStarted(10000))
        return {};
    return waitForWindow(display, "Pluvane Ver 1.0");
}

// Starts pluvane in `folder` and gives its window the keyboard; the
// window's id, or empty.
inline QString startWithTheKeyboard(const VirtualDisplay& display, QProcess& app, const QString& folder)
{
    const QString window = startPluvane(display, app, folder);
    if (window.isEmpty())
        return {};
    // With no window manager the keyboard follows the pointer unless a
    // window is given it: rest the pointer on the window's empty
    // background, between the preview and the buttons, and focus it.
    const QPoint origin = windowOrigin(display, window);
    display.run(
        "xdotool", { "mousemove", "--sync", QString::number(origin.x() + 340), QString::number(origin.y() + 12) });
    display.run("xdotool", { "windowfocus", "--sync", window });
    return waitForFocus(display, window) ? window : QString();
}

// A test with an X server of its own, skipped where a program it needs is
// missing.
class DesktopTest : public testing::Test {
protected:
    explicit DesktopTest(QStringList programs = { "Xvfb", "xdotool", "import" }) : m_programs(std::move(programs)) {}

    void SetUp() override
    {
        for (const QString& program : m_programs)
            if (QStandardPaths::findExecutable(program).isEmpty())
                GTEST_SKIP() << program.toStdString() << " is missing"
                             << (program == "soffice" ? "" : "; scripts/setup.sh installs it");
        m_display = std::make_unique<VirtualDisplay>();
        ASSERT_TRUE(m_display->isUp()) << "Xvfb did not start";
    }

    const VirtualDisplay& virtualDisplay() const { return *m_display; }

private:
    QStringList m_programs;
    std::unique_ptr<VirtualDisplay> m_display;
};

} // namespace pluvane::fixtures
