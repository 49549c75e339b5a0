#pragma once

#include <iconv.h>

#include <string>

namespace pluvane {

// Code page 932 through glibc's iconv, whose "CP932" table is the Microsoft
// one (the table Japanese Windows uses, with its NEC and IBM extensions and
// its mappings of the full-width signs), and which needs no Qt build option.
// Characters are encoded one at a time, so the bytes of each are known for
// its advance, and a character the code page lacks becomes "?" alone.
class Cp932Encoder {
public:
    // Throws EOutOfResources when the system has no converter for the code page.
    Cp932Encoder();
    ~Cp932Encoder();
    Cp932Encoder(const Cp932Encoder&) = delete;
    Cp932Encoder& operator=(const Cp932Encoder&) = delete;

    // The bytes of one character: one or two in this code page.
    std::string encode(char32_t code);

private:
    iconv_t m_cd;
};

} // namespace pluvane
