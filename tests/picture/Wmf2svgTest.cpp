#include "MarchPictures.h"
#include "support/Process.h"

#include "picture/output/PictureSaving.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace pluvane;
using namespace pluvane::fixtures;

namespace {

struct SvgLine {
    double x1, y1, x2, y2;
};
struct SvgGlyph {
    double x, y;
    std::string text;
    bool red;
};
struct Svg {
    double width = 0, height = 0;
    std::vector<SvgLine> lines;
    std::vector<SvgGlyph> glyphs;
};

// wmf2svg writes one <line> per line-to and one <text> per character, placed
// by the last two numbers of its transform matrix, coloured by "fill:".
Svg parseSvg(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    QXmlStreamReader xml(&file);
    Svg svg;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const auto a = xml.attributes();
        const auto num = [&](const char* name) { return a.value(QLatin1String(name)).toDouble(); };
        if (xml.name() == QLatin1String("svg")) {
            svg.width = num("width");
            svg.height = num("height");
        } else if (xml.name() == QLatin1String("line")) {
            svg.lines.push_back({ num("x1"), num("y1"), num("x2"), num("y2") });
        } else if (xml.name() == QLatin1String("text")) {
            const QString transform = a.value(QLatin1String("transform")).toString();
            const QStringList m = transform.mid(transform.indexOf('(') + 1).chopped(1).split(' ', Qt::SkipEmptyParts);
            const bool red = a.value(QLatin1String("style")).toString().contains(QLatin1String("fill:red"));
            const std::string text = xml.readElementText().trimmed().toStdString();
            if (m.size() == 6)
                svg.glyphs.push_back({ m[4].toDouble(), m[5].toDouble(), text, red });
        }
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return svg;
}

// Characters of one text follow each other on one baseline, each one 6 px
// advance further on; anything else starts a new text.
std::vector<SvgGlyph> joinIntoTexts(const std::vector<SvgGlyph>& glyphs, double advance)
{
    std::vector<SvgGlyph> texts;
    double lastX = 0;
    for (const SvgGlyph& g : glyphs) {
        if (!texts.empty() && std::abs(g.y - texts.back().y) < 0.01 && std::abs(g.x - lastX - advance) < 0.5
            && g.red == texts.back().red)
            texts.back().text += g.text;
        else
            texts.push_back(g);
        lastX = g.x;
    }
    return texts;
}

// libwmf looks for its standard fonts in the URW base-35 folder. Where that
// is missing, a ghostscript font map in the test folder points its names at
// the first outline font of the system; wmf2svg then draws with it.
QStringList fontOptions(const QTemporaryDir& dir)
{
    if (QDir("/usr/share/fonts/type1/urw-base35").exists())
        return {};
    QDirIterator it("/usr/share/fonts", { "*.ttf", "*.otf" }, QDir::Files, QDirIterator::Subdirectories);
    if (!it.hasNext())
        return {};
    const QString font = it.next();
    QFile map(dir.filePath("Fontmap"));
    EXPECT_TRUE(map.open(QIODevice::WriteOnly));
    for (const char* name : { "Times-Roman", "Times-Italic", "Times-Bold", "Times-BoldItalic", "Helvetica",
             "Helvetica-Oblique", "Helvetica-Bold", "Helvetica-BoldOblique", "Courier", "Courier-Oblique",
             "Courier-Bold", "Courier-BoldOblique", "Symbol", "ZapfDingbats" })
        map.write(QString("/%1 (%2) ;\n").arg(QLatin1String(name), font).toUtf8());
    return { "--wmf-gs-fontmap=" + map.fileName() };
}

} // namespace

TEST(PlaceableWmf, Wmf2svgDrawsTheCalendar)
{
    const QString wmf2svg = QStandardPaths::findExecutable("wmf2svg");
    if (wmf2svg.isEmpty())
        GTEST_SKIP() << "wmf2svg not found: install Debian's libwmf-bin (scripts/setup.sh does)";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QStringList fonts = fontOptions(dir);

    for (const ScreenMetrics& screen : { referenceScreen, coarseScreen }) {
        const Picture p = marchPicture(screen);
        SCOPED_TRACE(testing::Message() << p.widthHmm() << " x " << p.heightHmm() << " hmm");
        const auto bytes = pictureBytesFor(p, PictureFormat::PlaceableWmf);
        const QString wmfPath = dir.filePath(QString("march-%1.wmf").arg(screen.widthPx));
        const QString svgPath = dir.filePath(QString("march-%1.svg").arg(screen.widthPx));
        {
            QFile f(wmfPath);
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            ASSERT_EQ(f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<qint64>(bytes.size())),
                static_cast<qint64>(bytes.size()));
        }
        const auto run = runProgram(wmf2svg, fonts + QStringList { "-o", svgPath, wmfPath });
        ASSERT_EQ(run.status, 0) << run.err.toStdString();
        const Svg svg = parseSvg(svgPath);

        // The drawing fills the box, whose proportions are the picture's.
        ASSERT_GT(svg.width, 0);
        ASSERT_GT(svg.height, 0);
        EXPECT_NEAR(svg.width / svg.height, double(p.widthHmm()) / p.heightHmm(), 0.01);
        const double sx = svg.width / p.widthPx(), sy = svg.height / p.heightPx();

        ASSERT_EQ(svg.lines.size(), 16u);
        double right = 0, bottom = 0;
        for (const SvgLine& l : svg.lines) {
            right = std::max({ right, l.x1, l.x2 });
            bottom = std::max({ bottom, l.y1, l.y2 });
        }
        // The border rules lie on the last pixel column and row, 153 and 166.
        EXPECT_NEAR(right, 153.5 * sx, 0.5);
        EXPECT_NEAR(bottom, 166.5 * sy, 0.5);
        EXPECT_LE(right, svg.width);

        const auto texts = joinIntoTexts(svg.glyphs, 6 * sx);
        const auto expected = marchTexts();
        ASSERT_EQ(texts.size(), expected.size());
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_EQ(texts[i].text, expected[i]) << i;
            EXPECT_EQ(texts[i].red, isRedInMarch(i, expected[i])) << expected[i];
        }
        // Day 1 starts at x 8 of its cell row.
        EXPECT_NEAR(texts[0].x, 8.5 * sx, 0.5);
    }
}
