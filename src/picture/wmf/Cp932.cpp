#include "Cp932.h"

#include "layout/Errors.h"

#include <cstdint>

namespace pluvane {

namespace {

constexpr char substituteCharacter = '?';

} // namespace

Cp932Encoder::Cp932Encoder() : m_cd(iconv_open("CP932", "UTF-32LE"))
{
    if (m_cd == reinterpret_cast<iconv_t>(static_cast<std::intptr_t>(-1)))
        throw EOutOfResources();
}

Cp932Encoder::~Cp932Encoder()
{
    iconv_close(m_cd);
}

std::string Cp932Encoder::encode(char32_t code)
{
    char in[4] = { static_cast<char>(code & 0xFF), static_cast<char>((code >> 8) & 0xFF),
        static_cast<char>((code >> 16) & 0xFF), static_cast<char>((code >> 24) & 0xFF) };
    char out[8] = {};
    char* inPtr = in;
    char* outPtr = out;
    std::size_t inLeft = sizeof in;
    std::size_t outLeft = sizeof out;
    const std::size_t done = iconv(m_cd, &inPtr, &inLeft, &outPtr, &outLeft);
    if (done == static_cast<std::size_t>(-1) || inLeft != 0 || outPtr == out) {
        iconv(m_cd, nullptr, nullptr, nullptr, nullptr); // back to the initial state
        return std::string(1, substituteCharacter);
    }
    return std::string(out, outPtr);
}

} // namespace pluvane
