#include "PicturePlayer.h"

#include "picture/binary/Integers.h"
#include "picture/binary/MulDiv.h"
#include "picture/binary/Utf16.h"
#include "picture/emf/EmfReader.h"
#include "picture/qt/Fonts.h"

#include <QFontMetrics>
#include <QFontMetricsF>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <map>

namespace pluvane {

namespace {

// Limits that keep a hostile file from asking for giant pens, glyphs or tables.
constexpr std::uint32_t maxObjectIndex = 0xFFFF;
constexpr std::int64_t maxPenWidth = 1000;
constexpr std::int64_t maxFontPixels = 4096;
// Qt's glyph cache fails on text stretched far more one way than the other
// (it crashed at about 2200:1), and a raster device draws a glyph through an
// image that grows with the square of its size (a 16,000-pixel glyph took
// over a gigabyte). Text beyond these limits is left out; the lines are
// still drawn. A picture played into a rectangle of its own proportions has
// a stretch of 1; on a raster (the preview, a PNG, which is at most 16384
// pixels a side) no text of a picture the program makes reaches 4096 device
// pixels, and vector devices (SVG, PDF) keep text as outlines.
constexpr qreal maxTextStretch = 64;
constexpr qreal maxRasterTextPixels = 4096;
constexpr qreal maxVectorTextPixels = 1 << 16;

QColor qColorOf(std::uint32_t colorref)
{
    return QColor(static_cast<int>(colorref & 0xFF), static_cast<int>((colorref >> 8) & 0xFF),
        static_cast<int>((colorref >> 16) & 0xFF));
}

struct PenObject {
    std::uint32_t style = penStyleSolid;
    std::int32_t width = 1;
    std::uint32_t color = 0;
};

QFont qFontOf(const LogFont& lf)
{
    FontSpec spec;
    spec.name = QString::fromStdU16String(lf.faceName).toStdString();
    const std::int64_t pixels = std::clamp<std::int64_t>(std::abs(std::int64_t { lf.height }), 1, maxFontPixels);
    spec.height = -static_cast<int>(pixels);
    spec.bold = lf.weight > 400;
    spec.italic = lf.italic != 0;
    spec.underline = lf.underline != 0;
    spec.strikeout = lf.strikeOut != 0;
    return toPlaybackFont(spec);
}

class Player {
public:
    // `scaleX` and `scaleY` are the device pixels per picture pixel.
    Player(QPainter& painter, qreal scaleX, qreal scaleY)
        : m_painter(painter)
        , m_scaleX(std::abs(scaleX))
        , m_scaleY(std::abs(scaleY))
    {
        const QPaintEngine* engine = painter.paintEngine();
        m_maxTextPixels = engine && engine->type() == QPaintEngine::Raster ? maxRasterTextPixels : maxVectorTextPixels;
        selectStockFont();
    }

    void play(const EmfRecord& record)
    {
        std::visit(Overloaded {
                       [&](const EmfSetBkMode& r) { m_opaqueText = r.mode == bkModeOpaque; },
                       [&](const EmfSetRop2&) {},
                       [&](const EmfSetTextColor& r) { m_textColor = qColorOf(r.color); },
                       [&](const EmfMoveTo& r) { m_position = QPointF(r.x, r.y); },
                       [&](const EmfLineTo& r) { lineTo(r); },
                       [&](const EmfSelectObject& r) { select(r.index); },
                       [&](const EmfDeleteObject& r) {
                           m_pens.erase(r.index);
                           m_fonts.erase(r.index);
                       },
                       [&](const EmfCreatePen& r) {
                           if (r.index != 0 && r.index <= maxObjectIndex) {
                               m_fonts.erase(r.index);
                               m_pens[r.index] = PenObject { r.style, r.width, r.color };
                           }
                       },
                       [&](const EmfCreateFont& r) {
                           if (r.index != 0 && r.index <= maxObjectIndex) {
                               m_pens.erase(r.index);
                               m_fonts[r.index] = r.font;
                           }
                       },
                       [&](const EmfExtTextOut& r) { text(r); },
                       [&](const EmfEof&) {},
                   },
            record);
    }

private:
    void select(std::uint32_t index)
    {
        if (index & stockObjectFlag) {
            switch (index & ~stockObjectFlag) {
            case 6:
                m_pen = PenObject { penStyleSolid, 1, 0xFFFFFF };
                break; // white pen
            case 7:
                m_pen = PenObject { penStyleSolid, 1, 0 };
                break; // black pen
            case 8:
                m_pen = PenObject { penStyleNull, 1, 0 };
                break; // null pen
            case 10:
            case 11:
            case 12:
            case 13:
            case 14:
            case 16:
            case 17:
                selectStockFont();
                break;
            default:
                break; // brushes and palettes do not show in what we draw
            }
            return;
        }
        if (auto pen = m_pens.find(index); pen != m_pens.end())
            m_pen = pen->second;
        else if (auto font = m_fonts.find(index); font != m_fonts.end())
            selectFont(font->second);
    }

    void selectStockFont()
    {
        LogFont lf;
        lf.height = -12;
        lf.faceName = u"Sans Serif";
        selectFont(lf);
    }

    void selectFont(const LogFont& lf)
    {
        m_font = qFontOf(lf);
        m_ascent = QFontMetricsF(m_font).ascent();
    }

    void lineTo(const EmfLineTo& r)
    {
        const QPointF to(r.x, r.y);
        if (m_pen.style != penStyleNull) {
            const std::int64_t width = std::clamp<std::int64_t>(m_pen.width, 1, maxPenWidth);
            QPen pen(qColorOf(m_pen.color));
            pen.setWidthF(static_cast<qreal>(width));
            pen.setCapStyle(Qt::FlatCap);
            m_painter.setPen(pen);
            // A screen lights the pixels right of and below a coordinate, so
            // a line of odd width is centred on the middle of its pixels
            // (x + 0.5): vector output then covers whole pixels, and the last
            // row and column stay inside the picture. Along the line the
            // flat ends already stop at pixel edges.
            const qreal half = width % 2 == 1 ? 0.5 : 0.0;
            const QPointF shift(m_position.x() == to.x() || m_position.y() != to.y() ? half : 0.0,
                m_position.y() == to.y() || m_position.x() != to.x() ? half : 0.0);
            m_painter.drawLine(m_position + shift, to + shift);
        }
        m_position = to;
    }

    // Whether Qt can draw the current font under the painter's scaling.
    bool textDrawable() const
    {
        const qreal larger = std::max(m_scaleX, m_scaleY);
        const qreal smaller = std::min(m_scaleX, m_scaleY);
        if (!(smaller > 0) || larger / smaller > maxTextStretch)
            return false;
        return m_font.pixelSize() * larger <= m_maxTextPixels;
    }

    void text(const EmfExtTextOut& r)
    {
        if (r.text.empty() || !textDrawable())
            return;
        const QString text = QString::fromStdU16String(r.text);
        m_painter.setFont(m_font);
        m_painter.setPen(m_textColor);
        const qreal baseline = r.y + m_ascent;
        // A text whose recorded advances are the font's own is drawn whole,
        // so it stays one editable text in vector output.
        if (r.dx.size() != r.text.size() || text.size() == 1 || advancesMatch(text, r.dx)) {
            if (m_opaqueText)
                fillBehind(r.x, r.y, QFontMetricsF(m_font).horizontalAdvance(text));
            m_painter.drawText(QPointF(r.x, baseline), text);
            return;
        }
        // Each character goes where the recording measured it.
        std::int64_t x = r.x;
        if (m_opaqueText) {
            std::int64_t total = 0;
            for (auto d : r.dx)
                total += d;
            fillBehind(r.x, r.y, static_cast<qreal>(total));
        }
        std::size_t unit = 0;
        for (const Utf16Character& c : utf16Characters(r.text)) {
            m_painter.drawText(QPointF(static_cast<qreal>(x), baseline),
                text.mid(static_cast<qsizetype>(unit), static_cast<qsizetype>(c.units)));
            for (std::size_t k = 0; k < c.units; ++k)
                x += r.dx[unit + k];
            unit += c.units;
        }
    }

    bool advancesMatch(const QString& text, const std::vector<std::int32_t>& dx) const
    {
        const QFontMetrics metrics(m_font);
        int previous = 0;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const int width = metrics.horizontalAdvance(text.left(i + 1));
            if (width - previous != dx[static_cast<std::size_t>(i)])
                return false;
            previous = width;
        }
        return true;
    }

    void fillBehind(qreal x, qreal y, qreal width)
    {
        m_painter.fillRect(QRectF(x, y, width, QFontMetricsF(m_font).height()), Qt::white);
    }

    QPainter& m_painter;
    qreal m_scaleX = 1;
    qreal m_scaleY = 1;
    qreal m_maxTextPixels = maxVectorTextPixels;
    std::map<std::uint32_t, PenObject> m_pens;
    std::map<std::uint32_t, LogFont> m_fonts;
    PenObject m_pen;
    QFont m_font;
    qreal m_ascent = 0;
    QColor m_textColor = Qt::black;
    bool m_opaqueText = true;
    QPointF m_position;
};

} // namespace

void playEmfDocument(QPainter& painter, const EmfDocument& document, const QRectF& target)
{
    const EmfHeader& h = document.header;
    const std::int64_t frameW = std::int64_t { h.frame.right } - h.frame.left;
    const std::int64_t frameH = std::int64_t { h.frame.bottom } - h.frame.top;
    const auto frameWidth = checkedInt32(frameW);
    const auto frameHeight = checkedInt32(frameH);
    if (!frameWidth || !frameHeight || *frameWidth <= 0 || *frameHeight <= 0 || h.device.cx <= 0 || h.device.cy <= 0
        || h.millimeters.cx <= 0 || h.millimeters.cy <= 0 || h.millimeters.cx > INT32_MAX / 100
        || h.millimeters.cy > INT32_MAX / 100 || target.isEmpty())
        return;
    // The frame, in pixels of the reference screen, is what fills the target.
    const auto widthPx = mulDiv(*frameWidth, h.device.cx, h.millimeters.cx * 100);
    const auto heightPx = mulDiv(*frameHeight, h.device.cy, h.millimeters.cy * 100);
    const auto originX = mulDiv(h.frame.left, h.device.cx, h.millimeters.cx * 100);
    const auto originY = mulDiv(h.frame.top, h.device.cy, h.millimeters.cy * 100);
    if (!widthPx || !heightPx || !originX || !originY || *widthPx <= 0 || *heightPx <= 0)
        return;

    const qreal scaleX = target.width() / *widthPx;
    const qreal scaleY = target.height() / *heightPx;
    painter.save();
    painter.translate(target.topLeft());
    painter.scale(scaleX, scaleY);
    painter.translate(-static_cast<qreal>(*originX), -static_cast<qreal>(*originY));
    Player player(painter, scaleX, scaleY);
    for (const EmfRecord& r : document.records)
        player.play(r);
    painter.restore();
}

void playEmfBytes(QPainter& painter, std::span<const std::uint8_t> bytes, const QRectF& target)
{
    if (const auto document = readEmf(bytes))
        playEmfDocument(painter, *document, target);
}

} // namespace pluvane
