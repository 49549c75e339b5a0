#pragma once

#include "EmfRecords.h"
#include "ObjectTable.h"
#include "layout/Canvas.h"
#include "layout/TextMeasurer.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace pluvane {

// Turns a TColor into the 0x00BBGGRR colour actually drawn: plain colours
// pass through, system colours become the system's current colour.
using ColorResolver = std::function<std::uint32_t(TColor)>;

// A canvas that records every operation as enhanced-metafile records, in
// call order, against a reference screen. Pens and fonts are created lazily,
// when a line or a text first needs them, the way a GDI canvas does.
class EmfRecorder final : public Canvas {
public:
    // Records against a reference device of `devicePixels` and
    // `deviceMillimeters`, which fix the picture's physical size. Throws
    // EOutOfResources when no recording can be made for this size on this
    // device.
    EmfRecorder(int widthPx, int heightPx, EmfSize devicePixels, EmfSize deviceMillimeters,
        const TextMeasurer& measurer, ColorResolver resolveColor);

    void setBrushClear() override;
    void setPenSolid() override;
    void setPenColor(TColor color) override;
    void setPenModeCopy() override;
    void setFont(const FontSpec& font) override;
    void setFontColor(TColor color) override;
    void setFontHeight(int height) override;
    const FontSpec& font() const override { return m_font; }
    void moveTo(int x, int y) override;
    void lineTo(int x, int y) override;
    void textOut(int x, int y, std::string_view utf8Text) override;
    int textWidth(std::string_view utf8Text) const override;

    // Puts the stock objects back, frees ours, ends the recording and returns
    // its enhanced-metafile bytes. Throws EInvalidGraphic when called twice.
    std::vector<std::uint8_t> close();

    // The records so far, for tests and tools that look inside a recording.
    const EmfDocument& document() const { return m_doc; }

private:
    template <class Record> void add(Record record)
    {
        m_doc.records.emplace_back(std::in_place_type<Record>, std::move(record));
    }
    void realizePen();
    void realizeFont();
    std::uint32_t allocateHandle();
    void releaseHandle(std::uint32_t index);
    void includeInBounds(int left, int top, int right, int bottom);

    const TextMeasurer& m_measurer;
    ColorResolver m_resolveColor;
    EmfDocument m_doc;
    bool m_closed = false;

    // What the canvas was told, and what was last recorded of it.
    FontSpec m_font;
    std::optional<FontSpec> m_recordedFont;
    TColor m_penColor = clBlack;
    std::uint32_t m_penStyle = penStyleSolid;
    std::optional<std::pair<std::uint32_t, std::uint32_t>> m_recordedPen; // style, colour
    std::optional<std::uint32_t> m_recordedTextColor;
    bool m_transparentText = false;
    std::uint32_t m_penHandle = 0;
    std::uint32_t m_fontHandle = 0;
    ObjectTable m_handles { 1 }; // slot 0 is the metafile itself

    int m_x = 0;
    int m_y = 0;
    std::optional<EmfRect> m_bounds;
    float m_exScale = 0;
    float m_eyScale = 0;
};

} // namespace pluvane
