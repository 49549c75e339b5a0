#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace pluvane {

// A recorded picture: enhanced-metafile bytes that never change once made.
// Copies of a Picture share the bytes; independentCopy() makes new ones for
// holders, like the clipboard, that must not share.
class Picture {
public:
    Picture() = default;

    // Takes the bytes of a finished recording. Throws EInvalidGraphic when
    // they do not start with a well-formed header, or when the sizes it
    // states do not fit 32 bits.
    static Picture fromEmfBytes(std::vector<std::uint8_t> bytes);

    bool isNull() const { return !m_bytes; }
    std::span<const std::uint8_t> bytes() const;
    bool sharesBytesWith(const Picture& other) const { return m_bytes && m_bytes == other.m_bytes; }
    Picture independentCopy() const;

    // Size read back from the recorded header.
    int widthPx() const { return m_widthPx; }
    int heightPx() const { return m_heightPx; }
    int widthHmm() const { return m_widthHmm; } // 0.01 mm
    int heightHmm() const { return m_heightHmm; }

private:
    std::shared_ptr<const std::vector<std::uint8_t>> m_bytes;
    int m_widthPx = 0;
    int m_heightPx = 0;
    int m_widthHmm = 0;
    int m_heightHmm = 0;
};

} // namespace pluvane
