// pluvane-render with the calendar conventions, as a user runs it: the
// holiday list, the measures, and a year of pages whose holidays are red.

#include "RenderProgram.h"

#include <QFile>
#include <QImage>
#include <QMap>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

using namespace pluvane::fixtures;

namespace {

// Japan's days off in 2027, from the published list.
const std::set<std::pair<int, int>> holidays2027 { { 1, 1 }, { 1, 11 }, { 2, 11 }, { 2, 23 }, { 3, 21 }, { 3, 22 },
    { 4, 29 }, { 5, 3 }, { 5, 4 }, { 5, 5 }, { 7, 19 }, { 8, 11 }, { 9, 20 }, { 9, 23 }, { 10, 11 }, { 11, 3 },
    { 11, 23 } };

} // namespace

TEST(CalendarCli, ListHolidaysPrintsTheYearAndExitsZero)
{
    const auto r = runRenderer({ "--list-holidays", "2027" });
    EXPECT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    const QStringList lines = r.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 17) << r.out.toStdString();
    EXPECT_EQ(lines[0], "2027-01-01\t元日");
    EXPECT_EQ(lines[5], "2027-03-22\t春分の日 振替休日");
    EXPECT_EQ(lines[16], "2027-11-23\t勤労感謝の日");

    const auto bad = runRenderer({ "--list-holidays", "1900-1950" });
    EXPECT_EQ(bad.status, 2);
    EXPECT_TRUE(bad.out.isEmpty());
    EXPECT_EQ(bad.err, "pluvane-render: --list-holidays must be between 1948 and 2500, not 1900\n");
}

TEST(CalendarCli, InfoPrintsTheConventionsOnlyWhenOneIsSet)
{
    const auto plain = runRenderer(QStringList { "--year", "2027", "--month", "3", "--info" } + referenceScreenOption);
    ASSERT_EQ(plain.status, 0) << plain.err.toStdString();
    EXPECT_FALSE(plain.out.contains("holidays=")) << plain.out.toStdString();
    EXPECT_EQ(keyValues(plain.out)["firstcol"], "1");

    const auto r = runRenderer(
        QStringList { "--year", "2027", "--month", "3", "--holidays", "japan", "--week-start", "monday",
            "--saturday-color", "#0000FF", "--weekday-labels", "japanese", "--title-text", "era", "--info" }
        + referenceScreenOption);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto info = keyValues(r.out);
    EXPECT_EQ(info["firstcol"], "0"); // 1 March 2027 is a Monday
    EXPECT_EQ(info["picwidth"], keyValues(plain.out)["picwidth"]);
    EXPECT_EQ(info["holidays"], "japan");
    EXPECT_EQ(info["holiday_days"], "21,22");
    EXPECT_EQ(info["saturday_color"], "#0000FF");
    EXPECT_EQ(info["week_start"], "monday");
    EXPECT_EQ(info["weekday_labels"], "japanese");
    EXPECT_EQ(info["title_text"], "era");
    EXPECT_EQ(info["title"], "令和9年3月");
}

// The year as one PDF: twelve pages, each titled with its era month, and in
// the picture of each page every Sunday and holiday is red, every other
// Saturday blue and no other day either.
TEST(CalendarCli, YearPdfHasEveryHolidayRed)
{
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    const QString pdftoppm = QStandardPaths::findExecutable("pdftoppm");
    if (pdftotext.isEmpty() || pdftoppm.isEmpty())
        GTEST_SKIP() << "poppler-utils is missing";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("year.pdf");
    const QStringList settings { "--year", "2027", "--month", "1-12", "--holidays", "japan", "--saturday-color", "blue",
        "--week-start", "monday", "--weekday-labels", "japanese", "--title-text", "era" };
    const auto r = runRenderer(settings + referenceScreenOption + QStringList { "-o", pdf });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto info = runRenderer(settings + referenceScreenOption + QStringList { "--info" });
    ASSERT_EQ(info.status, 0) << info.err.toStdString();
    const QStringList groups = info.out.split("\n\n");
    ASSERT_EQ(groups.size(), 12);

    for (int month = 1; month <= 12; ++month) {
        SCOPED_TRACE(month);
        const QString page = QString::number(month);
        const auto text = runProgram(pdftotext, { "-f", page, "-l", page, pdf, "-" });
        ASSERT_EQ(text.status, 0) << text.err.toStdString();
        EXPECT_TRUE(text.out.contains(QString("令和9年%1月").arg(month))) << text.out.toStdString();
        for (const char* label : { "月", "火", "水", "木", "金", "土", "日" })
            EXPECT_TRUE(text.out.contains(QString::fromUtf8(label))) << label;

        const auto g = keyValues(groups[month - 1]);
        const int cw = g["cellwidth"].toInt(), ch = g["cellheight"].toInt(), top = g["gridtop"].toInt();
        const int firstcol = g["firstcol"].toInt(), days = g["daycount"].toInt(), scale = 3;
        const QString png = dir.filePath("page");
        const auto ppm = runProgram(pdftoppm,
            { "-f", page, "-l", page, "-singlefile", "-png", "-scale-to-x",
                QString::number(g["picwidth"].toInt() * scale), "-scale-to-y",
                QString::number(g["picheight"].toInt() * scale), pdf, png });
        ASSERT_EQ(ppm.status, 0) << ppm.err.toStdString();
        const QImage image(png + ".png");
        ASSERT_FALSE(image.isNull());
        for (int day = 1; day <= days; ++day) {
            const int column = (firstcol + day - 1) % 7, row = (firstcol + day - 1) / 7;
            bool red = false, blue = false;
            for (int y = (top + row * ch) * scale + 2; y < (top + (row + 1) * ch) * scale - 2; ++y)
                for (int x = column * cw * scale + 2; x < (column + 1) * cw * scale - 2; ++x) {
                    const QColor c = image.pixelColor(x, y);
                    red |= c.red() > 160 && c.green() < 100 && c.blue() < 100;
                    blue |= c.blue() > 160 && c.red() < 100 && c.green() < 100;
                }
            const bool sunday = column == 6, saturday = column == 5;
            const bool holiday = holidays2027.contains({ month, day });
            EXPECT_EQ(red, sunday || holiday) << "day " << day;
            EXPECT_EQ(blue, saturday && !holiday) << "day " << day;
        }
    }
}

// Japanese labels and titles are recorded as UTF-16 in the enhanced metafile
// and as code page 932 in the Windows metafile; every reader gets them back.
TEST(CalendarCli, JapaneseTextReadsBackInEveryFormat)
{
    QTemporaryDir dir;
    const QStringList settings { "--year", "2019", "--month", "5", "--weekday-labels", "japanese", "--title-text",
        "era", "--quiet" };
    for (const char* ext : { "emf", "wmf", "svg", "pdf" }) {
        const auto r
            = runRenderer(settings + referenceScreenOption + QStringList { "-o", dir.filePath(QString("jp.") + ext) });
        ASSERT_EQ(r.status, 0) << ext << ' ' << r.err.toStdString();
    }
    const QStringList expected { "令和元年5月", "日", "月", "火", "水", "木", "金", "土" };
    auto expectAll = [&](const QString& text, const char* from) {
        for (const QString& s : expected)
            EXPECT_TRUE(text.contains(s)) << from << ": " << s.toStdString() << " in " << text.left(3000).toStdString();
    };

    expectAll(fileText(dir.filePath("jp.svg")), "svg");
    QFile wmf(dir.filePath("jp.wmf"));
    ASSERT_TRUE(wmf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(
        wmf.readAll().contains(QByteArray("\x97\xdf\x98\x61\x8c\xb3\x94\x4e\x35\x8c\x8e"))); // 令和元年5月 in CP932

    if (const QString pdftotext = QStandardPaths::findExecutable("pdftotext"); !pdftotext.isEmpty())
        expectAll(runProgram(pdftotext, { dir.filePath("jp.pdf"), "-" }).out, "pdf");
    if (const QString converter = QStandardPaths::findExecutable("emf2svg-conv"); !converter.isEmpty()) {
        const auto c = runProgram(converter, { "-i", dir.filePath("jp.emf"), "-o", dir.filePath("emf.svg") });
        ASSERT_EQ(c.status, 0) << c.err.toStdString();
        expectAll(fileText(dir.filePath("emf.svg")), "emf2svg-conv");
    }
    // LibreOffice decodes a Windows metafile's text by its fonts' character set.
    const QString soffice = QStandardPaths::findExecutable("soffice");
    const QString pdftotext = QStandardPaths::findExecutable("pdftotext");
    if (soffice.isEmpty() || pdftotext.isEmpty())
        GTEST_SKIP() << "LibreOffice or poppler-utils is missing: the Windows metafile was checked by its bytes only";
    const auto converted = runProgram(soffice,
        { "-env:UserInstallation=file://" + dir.filePath("profile"), "--headless", "--convert-to", "pdf", "--outdir",
            dir.filePath("lo"), dir.filePath("jp.wmf") });
    ASSERT_EQ(converted.status, 0) << converted.err.toStdString();
    expectAll(runProgram(pdftotext, { dir.filePath("lo/jp.pdf"), "-" }).out, "LibreOffice from wmf");
}
