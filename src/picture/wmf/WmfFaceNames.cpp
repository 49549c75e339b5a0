#include "WmfFaceNames.h"

#include <utility>

namespace pluvane {

std::optional<std::string> wellKnownAsciiFaceName(std::u16string_view face)
{
    // The faces Japanese Windows and Office install, by the names Japanese
    // Windows shows (full-width letters and half-width katakana included).
    static constexpr std::pair<std::u16string_view, std::string_view> table[] = {
        { u"ＭＳ Ｐゴシック", "MS PGothic" },
        { u"ＭＳ ゴシック", "MS Gothic" },
        { u"ＭＳ Ｐ明朝", "MS PMincho" },
        { u"ＭＳ 明朝", "MS Mincho" },
        { u"ＭＳ ＵＩ ゴシック", "MS UI Gothic" },
        { u"メイリオ", "Meiryo" },
        { u"游ゴシック", "Yu Gothic" },
        { u"游ゴシック Light", "Yu Gothic Light" },
        { u"游ゴシック Medium", "Yu Gothic Medium" },
        { u"游明朝", "Yu Mincho" },
        { u"游明朝 Light", "Yu Mincho Light" },
        { u"游明朝 Demibold", "Yu Mincho Demibold" },
        { u"BIZ UDゴシック", "BIZ UDGothic" },
        { u"BIZ UDPゴシック", "BIZ UDPGothic" },
        { u"BIZ UD明朝 Medium", "BIZ UDMincho Medium" },
        { u"BIZ UDP明朝 Medium", "BIZ UDPMincho Medium" },
        { u"ＨＧｺﾞｼｯｸE", "HGGothicE" },
        { u"ＨＧｺﾞｼｯｸM", "HGGothicM" },
        { u"ＨＧ明朝B", "HGMinchoB" },
        { u"ＨＧ明朝E", "HGMinchoE" },
        { u"ＨＧ丸ｺﾞｼｯｸM-PRO", "HGMaruGothicMPRO" },
        { u"ＨＧ創英角ｺﾞｼｯｸUB", "HGSoeiKakugothicUB" },
        { u"ＨＧ正楷書体-PRO", "HGSeikaishotaiPRO" },
        { u"ＨＧ行書体", "HGGyoshotai" },
        { u"ＨＧ教科書体", "HGKyokashotai" },
    };
    for (const auto& [japanese, ascii] : table)
        if (face == japanese)
            return std::string(ascii);
    return std::nullopt;
}

} // namespace pluvane
