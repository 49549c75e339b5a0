#pragma once

// Integer and float fields in, little-endian bytes out: every binary field of
// every file this program writes goes through ByteWriter, and ByteReader.h
// reads them back. Integers.h and MulDiv.h hold the rounding and 32-bit
// checks the formats share, Utf16.h the walk over a text's characters.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace pluvane {

// Appends little-endian fields to a growing byte buffer.
class ByteWriter {
public:
    explicit ByteWriter(std::vector<std::uint8_t>& out) : m_out(out) {}

    std::size_t position() const { return m_out.size(); }

    void u8(std::uint8_t v) { m_out.push_back(v); }
    void u16(std::uint16_t v)
    {
        u8(static_cast<std::uint8_t>(v));
        u8(static_cast<std::uint8_t>(v >> 8));
    }
    void i16(std::int16_t v) { u16(static_cast<std::uint16_t>(v)); }
    void u32(std::uint32_t v)
    {
        u16(static_cast<std::uint16_t>(v));
        u16(static_cast<std::uint16_t>(v >> 16));
    }
    void i32(std::int32_t v) { u32(static_cast<std::uint32_t>(v)); }
    void f32(float v);
    void bytes(const std::uint8_t* data, std::size_t size) { m_out.insert(m_out.end(), data, data + size); }
    void zeros(std::size_t count) { m_out.insert(m_out.end(), count, 0); }
    // Pads with zero bytes up to the next multiple of `alignment` from `start`.
    void padTo(std::size_t start, std::size_t alignment)
    {
        while ((position() - start) % alignment != 0)
            u8(0);
    }

    // Overwrites a field written earlier, for sizes known only at the end.
    void patchU16(std::size_t at, std::uint16_t v)
    {
        m_out[at] = static_cast<std::uint8_t>(v);
        m_out[at + 1] = static_cast<std::uint8_t>(v >> 8);
    }
    void patchU32(std::size_t at, std::uint32_t v)
    {
        patchU16(at, static_cast<std::uint16_t>(v));
        patchU16(at + 2, static_cast<std::uint16_t>(v >> 16));
    }

private:
    std::vector<std::uint8_t>& m_out;
};

} // namespace pluvane
