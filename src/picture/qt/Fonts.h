#pragma once

// What the picture layer takes from Qt: fonts and text measurement (here),
// system colours (SystemColors.h) and the reference screen's size
// (ScreenMetrics.h). Calendar types go in, their Qt counterparts come out.

#include "layout/FontSpec.h"
#include "layout/TextMeasurer.h"

#include <QFont>
#include <QFontMetrics>

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace pluvane {

// Makes the Windows face names a calendar is usually set in resolve to the
// Japanese gothic fonts a Debian desktop has: IPAPGothic, then Noto Sans CJK
// JP, then the system's sans. The face name itself is kept in pictures.
// Needs a QGuiApplication; calling it again does nothing more.
void registerFontSubstitutes();

// The English family name fontconfig knows for an installed font whose family
// is `face` in any language ("IPAPゴシック" is "IPAPGothic"), when that name
// is ASCII; none for a face no installed font has.
std::optional<std::string> englishFamilyName(std::u16string_view face);

// The Qt font for a FontSpec: a negative height is a character height in
// pixels, so it becomes the pixel size.
QFont toQFont(const FontSpec& font);

// The font the player draws a FontSpec with: toQFont's, except that a bold
// request whose family has no bold of its own (Qt would only thicken the
// regular glyphs a little) takes a Japanese family that has one, Noto Sans
// CJK JP (Noto Serif CJK JP for a Mincho face) where installed. Widths are
// still measured with toQFont, so pictures do not depend on it.
QFont toPlaybackFont(const FontSpec& font);

// Integer advance widths through Qt, the same for the window's readouts and
// for the picture, so the geometry and the drawing agree. Keeps the metrics
// of the last few fonts, as a calendar switches between three.
class QtTextMeasurer final : public TextMeasurer {
public:
    QtTextMeasurer();
    ~QtTextMeasurer() override;
    int textWidth(const FontSpec& font, std::string_view utf8Text) const override;
    int textHeight(const FontSpec& font) const override;
    int ascent(const FontSpec& font) const;

private:
    const QFontMetrics& metricsFor(const FontSpec& font) const;
    struct Cache;
    std::unique_ptr<Cache> m_cache;
};

} // namespace pluvane
