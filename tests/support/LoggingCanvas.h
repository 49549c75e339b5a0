#pragma once

#include "layout/Canvas.h"
#include "layout/TextMeasurer.h"

#include <string>
#include <vector>

namespace pluvane::fixtures {

// One canvas call as the drawing made it.
struct CanvasCall {
    enum Kind { BrushClear, PenSolid, PenColor, PenModeCopy, Font, FontColor, FontHeight, MoveTo, LineTo, TextOut };
    Kind kind;
    int x = 0, y = 0;
    std::string text;
    TColor color = 0;   // of the font or pen at the time of the call
    int fontHeight = 0; // the font's height at the time of the call
};

// A canvas that keeps the calls in order and measures with a TextMeasurer.
class LoggingCanvas final : public Canvas {
public:
    explicit LoggingCanvas(const TextMeasurer& measurer) : m_measurer(measurer) {}

    void setBrushClear() override { log(CanvasCall::BrushClear); }
    void setPenSolid() override { log(CanvasCall::PenSolid); }
    void setPenColor(TColor c) override
    {
        m_penColor = c;
        log(CanvasCall::PenColor);
    }
    void setPenModeCopy() override { log(CanvasCall::PenModeCopy); }
    void setFont(const FontSpec& f) override
    {
        m_font = f;
        log(CanvasCall::Font);
    }
    void setFontColor(TColor c) override
    {
        m_font.color = c;
        log(CanvasCall::FontColor);
    }
    void setFontHeight(int h) override
    {
        m_font.height = h;
        log(CanvasCall::FontHeight);
    }
    const FontSpec& font() const override { return m_font; }
    void moveTo(int x, int y) override { log(CanvasCall::MoveTo, x, y); }
    void lineTo(int x, int y) override { log(CanvasCall::LineTo, x, y, {}, m_penColor); }
    void textOut(int x, int y, std::string_view t) override
    {
        log(CanvasCall::TextOut, x, y, std::string(t), m_font.color);
    }
    int textWidth(std::string_view t) const override { return m_measurer.textWidth(m_font, t); }

    std::vector<CanvasCall> calls;

    std::vector<CanvasCall> ofKind(CanvasCall::Kind kind) const
    {
        std::vector<CanvasCall> out;
        for (const auto& c : calls)
            if (c.kind == kind)
                out.push_back(c);
        return out;
    }

private:
    void log(CanvasCall::Kind kind, int x = 0, int y = 0, std::string text = {}, TColor color = 0)
    {
        calls.push_back({ kind, x, y, std::move(text), color, m_font.height });
    }

    const TextMeasurer& m_measurer;
    FontSpec m_font;
    TColor m_penColor = 0;
};

} // namespace pluvane::fixtures
