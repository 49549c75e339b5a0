#include "support/WmfTestReader.h"

#include "picture/qt/Fonts.h"
#include "picture/wmf/WmfConverter.h"
#include "picture/wmf/WmfFaceNames.h"
#include "picture/wmf/WmfLayout.h"

#include <gtest/gtest.h>

using namespace pluvane;
using namespace pluvane::fixtures;

namespace {

// The face name bytes of a one-font metafile converted with `lookup`.
std::string faceWrittenFor(const std::u16string& face, const AsciiFaceNameLookup& lookup = {})
{
    EmfDocument d;
    EmfCreateFont f;
    f.index = 1;
    f.font.height = -12;
    f.font.faceName = face;
    d.records.emplace_back(std::in_place_type<EmfCreateFont>, f);
    d.records.emplace_back(std::in_place_type<EmfEof>);
    const auto wmf = convertToWmf(d, WmfConversion { 10, 10, 10, 10, lookup });
    const WmfView v = viewWmf(wmf);
    const auto fonts = recordsOf(v, WmfFunction::CreateFontIndirect);
    if (fonts.size() != 1)
        return "(no font)";
    const auto bytes = faceNameOf(*fonts[0]);
    return std::string(bytes.begin(), bytes.end());
}

} // namespace

TEST(WmfFaceNames, JapaneseWindowsFacesHaveTheirAsciiNames)
{
    const std::pair<std::u16string, const char*> cases[] = {
        { u"ＭＳ Ｐゴシック", "MS PGothic" },
        { u"ＭＳ ゴシック", "MS Gothic" },
        { u"ＭＳ Ｐ明朝", "MS PMincho" },
        { u"ＭＳ 明朝", "MS Mincho" },
        { u"メイリオ", "Meiryo" },
        { u"游ゴシック", "Yu Gothic" },
        { u"ＨＧ丸ｺﾞｼｯｸM-PRO", "HGMaruGothicMPRO" },
    };
    for (const auto& [face, ascii] : cases) {
        EXPECT_EQ(wellKnownAsciiFaceName(face), ascii);
        EXPECT_EQ(faceWrittenFor(face), ascii);
    }
    // Half-width look-alikes and other faces are not in the table.
    EXPECT_EQ(wellKnownAsciiFaceName(u"MS Pゴシック"), std::nullopt);
    EXPECT_EQ(wellKnownAsciiFaceName(u"ＭＳＰゴシック"), std::nullopt);
    EXPECT_EQ(wellKnownAsciiFaceName(u""), std::nullopt);
}

TEST(WmfFaceNames, TheLookupAnswersForOtherFacesAndCodePage932IsTheLastResort)
{
    const AsciiFaceNameLookup lookup = [](std::u16string_view face) -> std::optional<std::string> {
        if (face == u"すずめ")
            return "Suzume";
        if (face == u"ＭＳ Ｐゴシック")
            return "Wrong";
        if (face == u"つばめ")
            return "Tsubame \xE2\x80\x94 not ASCII";
        if (face == u"かもめ")
            return std::string(32, 'K'); // no room for the NUL
        return std::nullopt;
    };
    EXPECT_EQ(faceWrittenFor(u"すずめ", lookup), "Suzume");
    EXPECT_EQ(faceWrittenFor(u"ＭＳ Ｐゴシック", lookup), "MS PGothic"); // the table comes first
    EXPECT_EQ(faceWrittenFor(u"つばめ", lookup), "\x82\xC2\x82\xCE\x82\xDF");
    EXPECT_EQ(faceWrittenFor(u"かもめ", lookup), "\x82\xA9\x82\xE0\x82\xDF");
    EXPECT_EQ(faceWrittenFor(u"すずめ"), "\x82\xB7\x82\xB8\x82\xDF");
}

TEST(WmfFaceNames, FontconfigGivesTheEnglishNameOfAnInstalledJapaneseFamily)
{
    // fonts-ipafont-gothic names its families in English and Japanese.
    if (!englishFamilyName(u"IPAPGothic"))
        GTEST_SKIP() << "fonts-ipafont-gothic is not installed";
    EXPECT_EQ(englishFamilyName(u"IPAPゴシック"), "IPAPGothic");
    EXPECT_EQ(englishFamilyName(u"IPAPGothic"), "IPAPGothic");
    EXPECT_EQ(englishFamilyName(u"ＭＳ Ｐゴシック"), std::nullopt); // a substitute is not the face
    EXPECT_EQ(englishFamilyName(u"No Such Family 1998"), std::nullopt);
}
