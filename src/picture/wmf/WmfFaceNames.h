#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace pluvane {

// Where a face has an ASCII name of its own, another lookup of it (such as
// the English family name a font file states) that the Windows-metafile
// converter asks after its own table; an empty answer means none.
using AsciiFaceNameLookup = std::function<std::optional<std::string>(std::u16string_view face)>;

// The ASCII name Windows gives a face that Japanese Windows shows under a
// Japanese name ("ＭＳ Ｐゴシック" is "MS PGothic"), or none for a face
// outside the table. Readers of Windows metafiles outside Windows match
// faces by these names and cannot read a face name in code page 932.
std::optional<std::string> wellKnownAsciiFaceName(std::u16string_view face);

} // namespace pluvane
