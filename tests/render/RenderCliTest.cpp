// pluvane-render as a user runs it, and its files as other programs read them.

#include "RenderProgram.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace pluvane::fixtures;

TEST(RenderCli, InfoPrintsTheGeometryFrameAndReadouts)
{
    const auto r = runRenderer(QStringList { "--year", "1998", "--month", "3", "--info" } + referenceScreenOption);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    const auto info = keyValues(r.out);
    for (const char* key : { "fontheight", "weekfontheight", "weekband", "gridtop", "firstcol", "daycount",
             "cellheight", "cellwidth", "picwidth", "picheight", "frame_w", "frame_h", "readout_x", "readout_y" })
        EXPECT_TRUE(info.contains(key)) << key;
    EXPECT_EQ(info["fontheight"], "12");
    EXPECT_EQ(info["gridtop"], "35");
    EXPECT_EQ(info["firstcol"], "0");
    EXPECT_EQ(info["daycount"], "31");
    EXPECT_EQ(info["picheight"], "167");
    EXPECT_EQ(info["frame_h"], "5845");
    const int picwidth = info["picwidth"].toInt();
    EXPECT_EQ(info["cellwidth"].toInt() * 7, picwidth);
    EXPECT_EQ(info["frame_w"].toInt(), (picwidth * 28000 + 400) / 800);
    EXPECT_EQ(info["readout_x"], "MAX X=" + info["picwidth"]);
    EXPECT_EQ(info["readout_y"], "MAX Y=167");
}

TEST(RenderCli, WrittenFileConvertsWithAnIndependentReader)
{
    const QString converter = QStandardPaths::findExecutable("emf2svg-conv");
    if (converter.isEmpty())
        GTEST_SKIP() << "emf2svg-conv is missing; scripts/setup.sh installs it";
    QTemporaryDir dir;
    const QString emf = dir.filePath("march.emf");
    const QString svg = dir.filePath("march.svg");
    const auto r = runRenderer(QStringList { "--year", "1998", "--month", "3", "-o", emf } + referenceScreenOption);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("march.emf"));
    const auto c = runProgram(converter, { "-i", emf, "-o", svg });
    ASSERT_EQ(c.status, 0) << c.err.toStdString();
    const QString doc = fileText(svg);

    EXPECT_EQ(doc.count("<path"), 16);
    const QRegularExpression textRe(
        R"re(<text [^>]*fill="(#[0-9A-Fa-f]{6})"[^>]*x="([-0-9.]+)" y="([-0-9.]+)"[^>]*><!\[CDATA\[([^\]]*)\]\]></text>)re");
    QStringList strings;
    QMap<QString, QString> colourOf;
    for (auto m = textRe.globalMatch(doc); m.hasNext();) {
        const auto match = m.next();
        strings << match.captured(4);
        if (!colourOf.contains(match.captured(4)))
            colourOf[match.captured(4)] = match.captured(1).toUpper();
    }
    ASSERT_EQ(strings.size(), 39) << doc.left(2000).toStdString();
    for (int day = 1; day <= 31; ++day)
        EXPECT_EQ(strings[day - 1], QString::number(day));
    EXPECT_EQ(strings[31], "3");
    EXPECT_EQ(strings.mid(32), (QStringList { "SUN", "MON", "TUE", "WED", "THU", "FRI", "SAT" }));
    for (const char* red : { "1", "8", "15", "22", "29", "SUN" })
        EXPECT_EQ(colourOf[red], "#FF0000") << red;
    for (const char* black : { "2", "31", "MON", "SAT" })
        EXPECT_EQ(colourOf[black], "#000000") << black;
    EXPECT_TRUE(doc.contains("ＭＳ Ｐゴシック"));
}

struct BadInput {
    QStringList args;
    int status;
    QString message; // a part of the one line on stderr
};

void PrintTo(const BadInput& c, std::ostream* os)
{
    *os << c.args.join(' ').toStdString();
}

class RenderCliErrors : public ::testing::TestWithParam<BadInput> {};

TEST_P(RenderCliErrors, OneClearLineAndNothingAtTheTarget)
{
    const BadInput c = GetParam();
    QTemporaryDir dir;
    const QString target = dir.filePath("out.emf");
    QStringList args = c.args;
    args.replaceInStrings("TARGET", target);
    args.replaceInStrings("DIR", dir.path());
    const auto r = runRenderer(args);
    EXPECT_EQ(r.status, c.status) << r.err.toStdString();
    const QStringList lines = r.err.split('\n', Qt::SkipEmptyParts).filter("pluvane-render:");
    ASSERT_EQ(lines.size(), 1) << r.err.toStdString();
    EXPECT_TRUE(lines[0].contains(c.message)) << lines[0].toStdString();
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden).size(),
        args.contains(dir.path() + "/sub") ? 1 : 0);
}

// Each bad line and its message is in RenderOptionsTest; these few follow a
// usage error and a failed write through to the exit status and stderr.
INSTANTIATE_TEST_SUITE_P(Inputs, RenderCliErrors,
    ::testing::Values(BadInput { { "--colour", "red", "-o", "TARGET" }, 2, "unknown option '--colour' (see --help)" },
        BadInput { { "--year", "1998", "--line-color", "notacolour", "-o", "TARGET" }, 2,
            "--line-color needs #RRGGBB or a colour name, not 'notacolour'" },
        BadInput { {}, 2, "nothing to do: give -o FILE or --info (see --help)" },
        BadInput { { "-o", "DIR/missing/out.emf" }, 1, "ﾌｧｲﾙ" },
        BadInput { { "-o", "DIR/." }, 1, "を作成できません" }));

TEST(RenderCli, HelpListsTheOptions)
{
    const auto r = runRenderer({ "--help" });
    EXPECT_EQ(r.status, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    EXPECT_TRUE(r.out.startsWith("Usage: pluvane-render [options] (-o FILE | --info)\n"
                                 "Draws one calendar month as a vector picture, without a display.\n"))
        << r.out.toStdString();
    for (const char* option : { "--year <N|A-B>", "--month <N|A-B|A,B,...>", "--font <FAMILY>", "--font-height <PX>",
             "--bold", "--italic", "--underline", "--strikeout", "--cell-width <N>", "--cell-height <N>",
             "--title-size <N>", "--title-pos <POS>", "--pattern <N>", "--day-color <C>", "--title-color <C>",
             "--weekday-color <C>", "--line-color <C>", "--screen <WxH:WMMxHMM>", "-o <FILE>", "--scale <N>",
             "--transparent", "--info", "--quiet", "-h, --help" })
        EXPECT_TRUE(r.out.contains(QString("\n  ") + option + ' ')) << option;
    EXPECT_EQ(runRenderer({ "-h" }).out, r.out);
}

TEST(RenderCli, ReplacesAnExistingFileWhole)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("cal.emf");
    {
        QFile f(target);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(100000, 'x'));
    }
    const auto r = runRenderer(QStringList { "--quiet", "-o", target } + referenceScreenOption);
    ASSERT_EQ(r.status, 0) << r.err.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    QFile f(target);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    EXPECT_LT(bytes.size(), 100000);
    EXPECT_EQ(bytes.mid(40, 4), QByteArray(" EMF"));
}
