#include "Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QString>
#include <QStringList>
#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <string>
#include <unordered_map>

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

std::optional<std::string> englishFamilyName(std::u16string_view face)
{
    const QByteArray name = QString::fromStdU16String(std::u16string(face)).toUtf8();
    if (name.isEmpty() || !FcInit())
        return std::nullopt;
    FcPattern* pattern = FcPatternCreate();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, FC_FAMILYLANG, nullptr);
    FcFontSet* fonts = FcFontList(nullptr, pattern, objects);
    std::optional<std::string> english;
    // A font lists its family in each language it names it in, the
    // languages in the same order.
    for (int f = 0; fonts && f < fonts->nfont && !english; ++f) {
        FcChar8* family = nullptr;
        FcChar8* language = nullptr;
        for (int i = 0; FcPatternGetString(fonts->fonts[f], FC_FAMILY, i, &family) == FcResultMatch; ++i) {
            if (FcPatternGetString(fonts->fonts[f], FC_FAMILYLANG, i, &language) != FcResultMatch
                || std::string_view(reinterpret_cast<const char*>(language)) != "en")
                continue;
            const std::string candidate(reinterpret_cast<const char*>(family));
            if (std::all_of(candidate.begin(), candidate.end(), [](char c) { return c >= 0x20 && c <= 0x7E; }))
                english = candidate;
            break;
        }
    }
    if (fonts)
        FcFontSetDestroy(fonts);
    FcObjectSetDestroy(objects);
    FcPatternDestroy(pattern);
    return english;
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

namespace {

bool hasRealBold(const QString& family)
{
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.begin(), styles.end(),
        [&](const QString& style) { return QFontDatabase::weight(family, style) >= QFont::DemiBold; });
}

bool isSerifFace(const QString& name)
{
    for (const char* mark : { "明朝", "Mincho", "Serif", "serif" })
        if (name.contains(QString::fromUtf8(mark)))
            return true;
    return false;
}

} // namespace

QFont toPlaybackFont(const FontSpec& spec)
{
    QFont f = toQFont(spec);
    if (!spec.bold || hasRealBold(QFontInfo(f).family()))
        return f;
    const QStringList gothic { "Noto Sans CJK JP", "Source Han Sans JP", "MigMix 1P" };
    const QStringList mincho { "Noto Serif CJK JP", "Source Han Serif JP" };
    for (const QString& family : isSerifFace(f.family()) ? mincho + gothic : gothic) {
        if (hasRealBold(family)) {
            f.setFamilies({ family });
            return f;
        }
    }
    return f;
}

struct QtTextMeasurer::Cache {
    struct Entry {
        FontSpec spec;
        std::optional<QFontMetrics> metrics;
        // Shaping a text costs far more than looking up its width, and a
        // calendar measures the same few texts again and again.
        std::unordered_map<std::string, int> widths;
    };
    Entry& entryFor(const FontSpec& font);
    std::array<Entry, 4> entries;
    std::size_t next = 0;
};

QtTextMeasurer::QtTextMeasurer() : m_cache(std::make_unique<Cache>())
{
}
QtTextMeasurer::~QtTextMeasurer() = default;

QtTextMeasurer::Cache::Entry& QtTextMeasurer::Cache::entryFor(const FontSpec& font)
{
    // The colour does not change a width, so it is no part of the key.
    FontSpec key = font;
    key.color = 0;
    for (auto& e : entries)
        if (e.metrics && e.spec == key)
            return e;
    auto& slot = entries[next];
    next = (next + 1) % entries.size();
    slot.spec = key;
    slot.metrics.emplace(toQFont(font));
    slot.widths.clear();
    return slot;
}

const QFontMetrics& QtTextMeasurer::metricsFor(const FontSpec& font) const
{
    return *m_cache->entryFor(font).metrics;
}

int QtTextMeasurer::textWidth(const FontSpec& font, std::string_view utf8Text) const
{
    constexpr std::size_t maxRemembered = 4096;
    Cache::Entry& entry = m_cache->entryFor(font);
    const std::string key(utf8Text);
    if (const auto known = entry.widths.find(key); known != entry.widths.end())
        return known->second;
    const QString text = QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
    const int width = entry.metrics->horizontalAdvance(text);
    if (entry.widths.size() >= maxRemembered)
        entry.widths.clear();
    entry.widths.emplace(key, width);
    return width;
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
