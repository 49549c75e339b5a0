// The real pluvane program in a real X server with Japan's holidays ticked in
// the conventions dialog: the saved picture draws the weekday holidays red.

#include "DesktopDriver.h"

#include "picture/emf/EmfReader.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <map>

using namespace pluvane::fixtures;
using EndToEnd = DesktopTest;

namespace {

const QString artifacts = QStringLiteral(PLUVANE_ARTIFACT_DIR);

constexpr std::uint32_t red = 0x0000FF; // 0x00BBGGRR

// The first colour each text of a picture is drawn in.
std::map<std::u16string, std::uint32_t> firstColors(const QByteArray& bytes)
{
    const auto document = pluvane::readEmf(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())));
    EXPECT_TRUE(document.has_value());
    std::map<std::u16string, std::uint32_t> colors;
    std::uint32_t color = 0;
    if (document)
        for (const pluvane::EmfRecord& record : document->records) {
            if (const auto* c = std::get_if<pluvane::EmfSetTextColor>(&record))
                color = c->color;
            else if (const auto* t = std::get_if<pluvane::EmfExtTextOut>(&record))
                colors.emplace(t->text, color);
        }
    return colors;
}

} // namespace

TEST_F(EndToEnd, HolidaysTickedInTheConventionsDialogAreSavedRed)
{
    const VirtualDisplay& display = virtualDisplay();

    QProcess app;
    const QString window = startPluvane(display, app);
    ASSERT_FALSE(window.isEmpty()) << "pluvane's window did not show";
    const QPoint origin = windowOrigin(display, window);
    // Clicks at a point of the window's client area.
    auto click = [&](int x, int y) {
        const auto r = clickAt(display, origin, x, y);
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        QThread::msleep(300);
    };
    auto typeOver = [&](const QString& text) {
        display.run("xdotool", { "key", "ctrl+a" });
        typeText(display, text);
    };

    // May 2027: Monday the 3rd to Wednesday the 5th are holidays. The year
    // box sits at (24, 288) and the month box at (104, 288), 57 x 21.
    click(40, 298);
    typeOver("2027");
    click(120, 298);
    typeOver("5");

    // "詳細設定..." at (184, 296), 129 x 25, opens the dialog on its
    // holidays check box: Space ticks it and Enter confirms.
    click(248, 308);
    const auto dialog = display.run("xdotool", { "search", "--sync", "--onlyvisible", "--name", "詳細設定" });
    ASSERT_EQ(dialog.status, 0) << "the conventions dialog did not open: " << dialog.err.toStdString();
    display.run("xdotool", { "key", "space" });
    display.run("xdotool", { "key", "Return" });
    QThread::msleep(300);

    // "作成" at (392, 24), then "保存" at (392, 64) with a typed name.
    click(432, 36);
    QThread::msleep(400);
    QTemporaryDir saveDir;
    const QString saved = saveDir.filePath("holidays.emf");
    click(432, 76);
    QThread::msleep(500);
    typeText(display, saved);
    display.run("xdotool", { "key", "Return" });
    waitForFile(saved);

    QDir().mkpath(artifacts);
    const QString shotPath = artifacts + "/end-to-end-holidays.png";
    display.run("import", { "-window", window, shotPath });
    app.terminate();
    app.waitForFinished(5000);

    QFile file(saved);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly))
        << "nothing saved at " << saved.toStdString() << "; see " << shotPath.toStdString();
    auto colors = firstColors(file.readAll());
    ASSERT_TRUE(colors.contains(u"31")) << "not a 31-day month; see " << shotPath.toStdString();
    for (const char16_t* holiday : { u"3", u"4" })
        EXPECT_EQ(colors[holiday], red) << "a weekday holiday is not red; see " << shotPath.toStdString();
    for (const char16_t* workday : { u"6", u"7" })
        EXPECT_NE(colors[workday], red);
}
