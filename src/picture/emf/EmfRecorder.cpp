#include "EmfRecorder.h"

#include "EmfWriter.h"
#include "layout/Errors.h"
#include "picture/binary/Integers.h"
#include "picture/binary/Utf16.h"

#include <QString>

#include <algorithm>
#include <limits>

namespace pluvane {

namespace {

// Pictures beyond this many pixels a side are not worth recording; the
// frame in 0.01 mm must also stay within 32 bits.
constexpr int maxPictureSide = 1 << 20;
// The header states the device's size in micrometres as well, in 32 bits.
constexpr int maxDeviceMillimeters = 2147483;

LogFont logFontOf(const FontSpec& spec)
{
    LogFont lf;
    lf.height = spec.height;
    lf.weight = spec.bold ? 700 : 400;
    lf.italic = spec.italic ? 1 : 0;
    lf.underline = spec.underline ? 1 : 0;
    lf.strikeOut = spec.strikeout ? 1 : 0;
    lf.charSet = defaultCharset;
    lf.pitchAndFamily = spec.pitch == FontPitch::Fixed ? 1 : spec.pitch == FontPitch::Variable ? 2 : 0;
    lf.faceName = QString::fromStdString(truncatedFontName(spec.name)).left(31).toStdU16String();
    return lf;
}

bool sameFontIgnoringColor(const FontSpec& a, const FontSpec& b)
{
    FontSpec x = a, y = b;
    x.color = y.color = 0;
    return x == y;
}

} // namespace

EmfRecorder::EmfRecorder(int widthPx, int heightPx, EmfSize devicePixels, EmfSize deviceMillimeters,
    const TextMeasurer& measurer, ColorResolver resolveColor)
    : m_measurer(measurer)
    , m_resolveColor(std::move(resolveColor))
{
    if (devicePixels.cx <= 0 || devicePixels.cy <= 0 || deviceMillimeters.cx <= 0 || deviceMillimeters.cy <= 0
        || deviceMillimeters.cx > maxDeviceMillimeters || deviceMillimeters.cy > maxDeviceMillimeters || widthPx <= 0
        || heightPx <= 0 || widthPx > maxPictureSide || heightPx > maxPictureSide || !m_resolveColor)
        throw EOutOfResources();

    EmfHeader& h = m_doc.header;
    // The frame is the picture's pixels measured on the reference device.
    const auto frameRight
        = checkedInt32(divideRounded(std::int64_t { widthPx } * deviceMillimeters.cx * 100, devicePixels.cx));
    const auto frameBottom
        = checkedInt32(divideRounded(std::int64_t { heightPx } * deviceMillimeters.cy * 100, devicePixels.cy));
    if (!frameRight || !frameBottom)
        throw EOutOfResources();
    h.frame = { 0, 0, *frameRight, *frameBottom };
    h.device = devicePixels;
    h.millimeters = deviceMillimeters;
    m_exScale = static_cast<float>(deviceMillimeters.cx * 100.0 / devicePixels.cx);
    m_eyScale = static_cast<float>(deviceMillimeters.cy * 100.0 / devicePixels.cy);
    m_doc.records.reserve(128);
}

void EmfRecorder::setBrushClear()
{
    if (m_transparentText)
        return;
    m_transparentText = true;
    add(EmfSetBkMode { bkModeTransparent });
}

void EmfRecorder::setPenSolid()
{
    m_penStyle = penStyleSolid;
}
void EmfRecorder::setPenColor(TColor color)
{
    m_penColor = color;
}
void EmfRecorder::setPenModeCopy()
{
    // Copy is the mode a new recording starts in; nothing to record.
}

void EmfRecorder::setFont(const FontSpec& font)
{
    m_font = font;
}
void EmfRecorder::setFontColor(TColor color)
{
    m_font.color = color;
}
void EmfRecorder::setFontHeight(int height)
{
    m_font.height = height;
}

std::uint32_t EmfRecorder::allocateHandle()
{
    const auto index = static_cast<std::uint32_t>(m_handles.take());
    m_doc.header.handles = static_cast<std::uint16_t>(std::max<std::size_t>(m_doc.header.handles, m_handles.size()));
    return index;
}

void EmfRecorder::releaseHandle(std::uint32_t index)
{
    if (index == 0)
        return;
    add(EmfDeleteObject { index });
    m_handles.release(index);
}

void EmfRecorder::realizePen()
{
    const std::uint32_t color = m_resolveColor(m_penColor);
    if (m_recordedPen && m_recordedPen->first == m_penStyle && m_recordedPen->second == color)
        return;
    const std::uint32_t old = m_penHandle;
    m_penHandle = allocateHandle();
    add(EmfCreatePen { m_penHandle, m_penStyle, 1, color });
    add(EmfSelectObject { m_penHandle });
    releaseHandle(old);
    m_recordedPen = { m_penStyle, color };
}

void EmfRecorder::realizeFont()
{
    if (!m_recordedFont || !sameFontIgnoringColor(*m_recordedFont, m_font)) {
        const std::uint32_t old = m_fontHandle;
        m_fontHandle = allocateHandle();
        add(EmfCreateFont { m_fontHandle, logFontOf(m_font) });
        add(EmfSelectObject { m_fontHandle });
        releaseHandle(old);
        m_recordedFont = m_font;
    }
    const std::uint32_t color = m_resolveColor(m_font.color);
    if (m_recordedTextColor != color) {
        add(EmfSetTextColor { color });
        m_recordedTextColor = color;
    }
}

void EmfRecorder::includeInBounds(int left, int top, int right, int bottom)
{
    if (!m_bounds) {
        m_bounds = EmfRect { left, top, right, bottom };
        return;
    }
    m_bounds->left = std::min(m_bounds->left, left);
    m_bounds->top = std::min(m_bounds->top, top);
    m_bounds->right = std::max(m_bounds->right, right);
    m_bounds->bottom = std::max(m_bounds->bottom, bottom);
}

void EmfRecorder::moveTo(int x, int y)
{
    add(EmfMoveTo { x, y });
    m_x = x;
    m_y = y;
}

void EmfRecorder::lineTo(int x, int y)
{
    realizePen();
    add(EmfLineTo { x, y });
    includeInBounds(std::min(m_x, x), std::min(m_y, y), std::max(m_x, x), std::max(m_y, y));
    m_x = x;
    m_y = y;
}

int EmfRecorder::textWidth(std::string_view utf8Text) const
{
    return m_measurer.textWidth(m_font, utf8Text);
}

void EmfRecorder::textOut(int x, int y, std::string_view utf8Text)
{
    realizeFont();
    EmfExtTextOut t;
    t.exScale = m_exScale;
    t.eyScale = m_eyScale;
    t.x = x;
    t.y = y;
    const QString text = QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    t.text = text.toStdU16String();
    // Each advance is the growth of the measured prefix, so the advances add
    // up to exactly the width the layout measured and every reader places
    // the characters where we did.
    t.dx.reserve(t.text.size());
    int previous = 0;
    std::size_t end = 0;
    for (const Utf16Character& c : utf16Characters(t.text)) {
        end += c.units;
        const int width = end == t.text.size()
            ? m_measurer.textWidth(m_font, utf8Text)
            : m_measurer.textWidth(m_font, text.left(static_cast<qsizetype>(end)).toStdString());
        // The second unit of a pair advances by nothing.
        t.dx.push_back(width - previous);
        t.dx.insert(t.dx.end(), c.units - 1, 0);
        previous = width;
    }
    const int width = previous;
    const int height = m_measurer.textHeight(m_font);
    t.bounds = { x, y, x + std::max(width, 1) - 1, y + std::max(height, 1) - 1 };
    includeInBounds(t.bounds.left, t.bounds.top, t.bounds.right, t.bounds.bottom);
    add(std::move(t));
    // The current position follows the text, as a GDI canvas moves it.
    moveTo(x + width, y);
}

std::vector<std::uint8_t> EmfRecorder::close()
{
    if (m_closed)
        throw EInvalidGraphic();
    m_closed = true;
    add(EmfSelectObject { stockBlackPen });
    add(EmfSelectObject { stockWhiteBrush });
    add(EmfSelectObject { stockSystemFont });
    releaseHandle(m_penHandle);
    releaseHandle(m_fontHandle);
    m_penHandle = m_fontHandle = 0;
    add(EmfEof {});
    // An empty picture has the empty rectangle as its bounds.
    m_doc.header.bounds = m_bounds.value_or(EmfRect { 0, 0, -1, -1 });
    return writeEmf(m_doc);
}

} // namespace pluvane
