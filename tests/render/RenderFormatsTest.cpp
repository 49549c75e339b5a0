// The formats beyond metafiles and the batches, as pluvane-render writes them
// and other programs read them.

#include "RenderProgram.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pluvane::fixtures;

namespace {

// What --info prints for these options, by key.
QMap<QString, QString> infoOf(const QStringList& args)
{
    return keyValues(runRenderer(args + QStringList { "--info" }).out);
}

} // namespace

TEST(RenderFormats, SvgStatesThePhysicalSizeAndKeepsTextAndLines)
{
    QTemporaryDir dir;
    const QString svg = dir.filePath("march.svg");
    ASSERT_EQ(runRenderer(march1998Options + QStringList { "-o", svg }).status, 0);
    const QString doc = fileText(svg);
    const auto info = infoOf(march1998Options);
    const QString size = QString("width=\"%1mm\" height=\"%2mm\"")
                             .arg(info["frame_w"].toInt() / 100.0, 0, 'f', 2)
                             .arg(info["frame_h"].toInt() / 100.0, 0, 'f', 2);
    EXPECT_TRUE(doc.contains(size)) << size.toStdString();
    EXPECT_TRUE(doc.contains(QString("viewBox=\"0 0 %1 %2\"").arg(info["picwidth"], info["picheight"])));
    EXPECT_EQ(doc.count("<polyline"), 16);
    const QRegularExpression text(
        R"re(<text fill="(#[0-9a-f]{6})"[^>]*font-family="([^"]*)" font-size="([0-9]+)"[^>]*>\s*([^<]*)</text>)re");
    QStringList strings;
    for (auto m = text.globalMatch(doc); m.hasNext();) {
        const auto match = m.next();
        strings << match.captured(4).trimmed();
        if (match.captured(4).trimmed() == "1" || match.captured(4).trimmed() == "SUN") {
            EXPECT_EQ(match.captured(1), "#ff0000");
        }
        EXPECT_EQ(match.captured(2), "ＭＳ Ｐゴシック");
    }
    ASSERT_EQ(strings.size(), 39) << doc.left(3000).toStdString();
    EXPECT_EQ(strings[30], "31");
    EXPECT_EQ(strings[31], "3");
    EXPECT_EQ(strings[38], "SAT");
}

TEST(RenderFormats, PdfIsOnePageTheSizeOfTheFrameWithRealText)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("march.pdf");
    ASSERT_EQ(runRenderer(march1998Options + QStringList { "-o", pdf }).status, 0);
    const auto info = runProgram("pdfinfo", { pdf });
    ASSERT_EQ(info.status, 0) << "pdfinfo (poppler-utils) could not read it: " << info.err.toStdString();
    EXPECT_TRUE(info.out.contains(QRegularExpression(R"(Pages:\s+1\n)")));
    const auto frame = infoOf(march1998Options);
    // 63.70 x 58.45 mm, to the hundredth of a millimetre.
    const auto m = QRegularExpression(R"(Page size:\s+([0-9.]+) x ([0-9.]+) pts)").match(info.out);
    ASSERT_TRUE(m.hasMatch()) << info.out.toStdString();
    EXPECT_NEAR(m.captured(1).toDouble() / 72 * 25.4, frame["frame_w"].toInt() / 100.0, 0.005);
    EXPECT_NEAR(m.captured(2).toDouble() / 72 * 25.4, frame["frame_h"].toInt() / 100.0, 0.005);
    const QString text = runProgram("pdftotext", { "-layout", pdf, "-" }).out;
    for (const char* word : { "SUN", "MON", "SAT", "31", "15" })
        EXPECT_TRUE(text.contains(word)) << word << " not found in: " << text.toStdString();
}

TEST(RenderFormats, PngAtScaleOnPaperOrTransparent)
{
    QTemporaryDir dir;
    const auto info = infoOf(march1998Options);
    const QSize pixels(info["picwidth"].toInt(), info["picheight"].toInt());
    ASSERT_EQ(runRenderer(march1998Options + QStringList { "-o", dir.filePath("a.png"), "--scale", "3" }).status, 0);
    const QImage paper(dir.filePath("a.png"));
    EXPECT_EQ(paper.size(), pixels * 3);
    EXPECT_EQ(qAlpha(paper.pixel(paper.width() - 3, 3)), 255);
    EXPECT_EQ(paper.pixelColor(paper.width() - 3, 3), QColor(Qt::white));
    // 800 px on 280 mm, three times over: 85.71 px a centimetre.
    if (!QStandardPaths::findExecutable("identify").isEmpty()) {
        const auto density
            = runProgram("identify", { "-format", "%x %y", "-units", "PixelsPerCentimeter", dir.filePath("a.png") });
        EXPECT_NEAR(density.out.section(' ', 0, 0).toDouble(), 85.71, 0.01) << density.out.toStdString();
        EXPECT_NEAR(density.out.section(' ', 1, 1).toDouble(), 85.71, 0.01) << density.out.toStdString();
    }
    ASSERT_EQ(runRenderer(march1998Options + QStringList { "-o", dir.filePath("b.PNG"), "--transparent" }).status, 0);
    const QImage clear(dir.filePath("b.PNG"));
    EXPECT_EQ(clear.size(), pixels);
    EXPECT_EQ(qAlpha(clear.pixel(clear.width() - 3, 3)), 0);
    int red = 0;
    for (int y = 0; y < clear.height(); ++y)
        for (int x = 0; x < pixels.width() / 7; ++x)
            red += qRed(clear.pixel(x, y)) > 160 && qGreen(clear.pixel(x, y)) < 110 && qAlpha(clear.pixel(x, y)) > 200;
    EXPECT_GT(red, 10);
}

TEST(RenderFormats, SameSettingsGiveTheSameBytes)
{
    QTemporaryDir dir;
    for (const char* extension : { "emf", "wmf", "svg", "pdf", "png" }) {
        QByteArray first;
        for (int run = 0; run < 2; ++run) {
            const QString path = dir.filePath(QString("run%1.%2").arg(run).arg(extension));
            ASSERT_EQ(runRenderer(march1998Options + QStringList { "-o", path }).status, 0) << extension;
            if (run == 0)
                first = fileContents(path);
            else
                EXPECT_EQ(fileContents(path), first) << extension;
        }
        EXPECT_GT(first.size(), 100) << extension;
    }
}

TEST(RenderBatches, OneFilePerMonthNamedByYearAndMonth)
{
    QTemporaryDir dir;
    const auto r = runRenderer({ "--year", "2027-2028", "--month", "1-12", "-o", dir.filePath("cal-%Y-%m.svg") });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_EQ(r.err.count("wrote"), 24);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 24);
    // Each picture has its own month's number as its title.
    const QString june = fileText(dir.filePath("cal-2028-06.svg"));
    EXPECT_TRUE(june.contains(QRegularExpression(R"(font-size="20"[^>]*>\s*6\s*</text>)")));
    const auto quiet = runRenderer({ "--month", "3,6,9", "--quiet", "-o", dir.filePath("q-%m.emf") });
    EXPECT_EQ(quiet.status, 0);
    EXPECT_TRUE(quiet.err.isEmpty());
    EXPECT_TRUE(QFile::exists(dir.filePath("q-06.emf")));
    EXPECT_FALSE(QFile::exists(dir.filePath("q-05.emf")));
}

TEST(RenderBatches, SeveralMonthsIntoOnePdfGiveOnePageEach)
{
    QTemporaryDir dir;
    const QString pdf = dir.filePath("year.pdf");
    const auto r = runRenderer({ "--year", "2027", "--month", "1-12", "-o", pdf });
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(runProgram("pdfinfo", { pdf }).out.contains(QRegularExpression(R"(Pages:\s+12\n)")));
    // February 2027 has 28 days and March 31; pages come in month order.
    const QString february = runProgram("pdftotext", { "-f", "2", "-l", "2", pdf, "-" }).out;
    EXPECT_TRUE(february.contains("28"));
    EXPECT_FALSE(february.contains("29"));
    EXPECT_TRUE(runProgram("pdftotext", { "-f", "3", "-l", "3", pdf, "-" }).out.contains("31"));
}

TEST(RenderBatches, BadBatchesAndAFailureInTheMiddle)
{
    QTemporaryDir dir;
    const auto unnamed = runRenderer({ "--month", "1-3", "-o", dir.filePath("same.emf") });
    EXPECT_EQ(unnamed.status, 2);
    EXPECT_TRUE(unnamed.err.contains("several months need %m")) << unnamed.err.toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 0);

    // 2027 has its folder, 2028 has none: the batch stops there.
    QDir(dir.path()).mkdir("2027");
    const auto broken = runRenderer({ "--year", "2027-2028", "--month", "1", "-o", dir.filePath("%Y/cal-%m.emf") });
    EXPECT_EQ(broken.status, 1);
    EXPECT_TRUE(broken.err.contains("ﾌｧｲﾙ " + dir.filePath("2028/cal-01.emf") + " を作成できません"))
        << broken.err.toStdString();
    const QByteArray first = fileContents(dir.filePath("2027/cal-01.emf"));
    EXPECT_EQ(first.mid(40, 4), QByteArray(" EMF"));
    EXPECT_EQ(QDir(dir.filePath("2027")).entryList(QDir::Files | QDir::Hidden).size(), 1);
}
