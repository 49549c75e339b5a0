#include "Fonts.h"

#include <QFontDatabase>
#include <QStringList>
#include <QString>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>

namespace pluvane {

void registerFontSubstitutes()
{
    static bool done = false;
    if (done)
        return;
    done = true;

    const QStringList gothic { "IPAPGothic", "IPAPゴシック", "Noto Sans CJK JP", "Sans Serif" };
    const QStringList monoGothic { "IPAGothic", "IPAゴシック", "Noto Sans Mono CJK JP", "Monospace" };
    for (const char* name : { "ＭＳ Ｐゴシック", "MS PGothic", "MS UI Gothic", "メイリオ", "Meiryo" })
        QFont::insertSubstitutions(QString::fromUtf8(name), gothic);
    for (const char* name : { "ＭＳ ゴシック", "MS Gothic" })
        QFont::insertSubstitutions(QString::fromUtf8(name), monoGothic);
}

QFont toQFont(const FontSpec& spec)
{
    QFont f(QString::fromStdString(spec.name));
    // A zero height would be an invalid pixel size; positive heights (cell
    // heights) are rare enough to treat alike.
    f.setPixelSize(static_cast<int>(std::clamp<long long>(std::llabs(spec.height), 1, 1 << 16)));
    f.setBold(spec.bold);
    f.setItalic(spec.italic);
    f.setUnderline(spec.underline);
    f.setStrikeOut(spec.strikeout);
    if (spec.pitch == FontPitch::Fixed)
        f.setFixedPitch(true);
    f.setKerning(false); // advances of a text are the sum of its characters'
    f.setHintingPreference(QFont::PreferFullHinting);
    return f;
}

struct QtTextMeasurer::Cache {
    struct Entry {
        FontSpec spec;
        std::optional<QFontMetrics> metrics;
    };
    std::array<Entry, 4> entries;
    std::size_t next = 0;
};

QtTextMeasurer::QtTextMeasurer() : m_cache(std::make_unique<Cache>()) {}
QtTextMeasurer::~QtTextMeasurer() = default;

const QFontMetrics& QtTextMeasurer::metricsFor(const FontSpec& font) const
{
    // The colour does not change a width, so it is no part of the key.
    FontSpec key = font;
    key.color = 0;
    for (auto& e : m_cache->entries)
        if (e.metrics && e.spec == key)
            return *e.metrics;
    auto& slot = m_cache->entries[m_cache->next];
    m_cache->next = (m_cache->next + 1) % m_cache->entries.size();
    slot.spec = key;
    slot.metrics.emplace(toQFont(font));
    return *slot.metrics;
}

int QtTextMeasurer::textWidth(const FontSpec& font, std::string_view utf8Text) const
{
    const QString text = QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    return metricsFor(font).horizontalAdvance(text);
}

int QtTextMeasurer::textHeight(const FontSpec& font) const
{
    return metricsFor(font).height();
}

int QtTextMeasurer::ascent(const FontSpec& font) const
{
    return metricsFor(font).ascent();
}

} // namespace pluvane
