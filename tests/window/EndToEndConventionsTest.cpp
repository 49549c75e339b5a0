// The real pluvane program in a real X server with Japan's holidays ticked in
// the conventions dialog: the saved picture draws the weekday holidays red.

#include "support/VirtualDisplay.h"

#include "picture/emf/EmfReader.h"

#include <QDir>
#include <QFile>
#include <QPoint>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

#include <map>

using pluvane::fixtures::VirtualDisplay;

namespace {

const QString program = QStringLiteral(PLUVANE_WINDOW_PATH);
const QString artifacts = QStringLiteral(PLUVANE_ARTIFACT_DIR);

constexpr std::uint32_t red = 0x0000FF; // 0x00BBGGRR

QPoint windowOrigin(const VirtualDisplay& display, const QString& window)
{
    QMap<QString, int> g;
    const auto r = display.run("xdotool", { "getwindowgeometry", "--shell", window });
    for (const QString& line : r.out.split('\n', Qt::SkipEmptyParts))
        g[line.section('=', 0, 0)] = line.section('=', 1).toInt();
    return { g["X"], g["Y"] };
}

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

TEST(EndToEnd, HolidaysTickedInTheConventionsDialogAreSavedRed)
{
    for (const char* tool : { "Xvfb", "xdotool", "import" })
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
    const QPoint origin = windowOrigin(display, window);
    // Clicks at a point of the window's client area.
    auto click = [&](int x, int y) {
        const auto r = display.run("xdotool",
            { "mousemove", "--sync", QString::number(origin.x() + x), QString::number(origin.y() + y), "click", "1" });
        EXPECT_EQ(r.status, 0) << r.err.toStdString();
        QThread::msleep(300);
    };
    auto typeOver = [&](const QString& text) {
        display.run("xdotool", { "key", "ctrl+a" });
        display.run("xdotool", { "type", "--delay", "5", text });
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
    display.run("xdotool", { "type", "--delay", "5", saved });
    display.run("xdotool", { "key", "Return" });
    for (int i = 0; i < 50 && !QFile::exists(saved); ++i)
        QThread::msleep(100);

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
