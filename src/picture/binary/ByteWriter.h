#pragma once

// Integer and float fields in, little-endian bytes out: every binary field of
// every file this program writes goes through ByteWriter, and ByteReader.h
// reads them back. Integers.h and MulDiv.h hold the rounding and 32-bit
// checks the formats share, Utf16.h the walk over a text's characters.

#include <cassert>
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

    // Records: beginRecord() marks where one starts, and the overloads that
    // take an offset write a field at the offset its layout names from
    // there. Fields are still written in order; the offset makes the layout
    // readable at the call and is checked against the position in debug
    // builds, so the writer and the layout cannot drift apart.
    void beginRecord() { m_recordStart = position(); }
    std::size_t recordStart() const { return m_recordStart; }
    std::size_t recordSize() const { return position() - m_recordStart; }
    void expectAt([[maybe_unused]] std::size_t offset) const { assert(recordSize() == offset); }
    void u8(std::size_t offset, std::uint8_t v)
    {
        expectAt(offset);
        u8(v);
    }
    void u16(std::size_t offset, std::uint16_t v)
    {
        expectAt(offset);
        u16(v);
    }
    void i16(std::size_t offset, std::int16_t v)
    {
        expectAt(offset);
        i16(v);
    }
    void u32(std::size_t offset, std::uint32_t v)
    {
        expectAt(offset);
        u32(v);
    }
    void i32(std::size_t offset, std::int32_t v)
    {
        expectAt(offset);
        i32(v);
    }
    void f32(std::size_t offset, float v)
    {
        expectAt(offset);
        f32(v);
    }
    void bytes(std::size_t offset, const std::uint8_t* data, std::size_t size)
    {
        expectAt(offset);
        bytes(data, size);
    }
    // Pads the current record with zero bytes to a multiple of `alignment`.
    void padRecordTo(std::size_t alignment) { padTo(m_recordStart, alignment); }

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
    std::size_t m_recordStart = 0;
};

} // namespace pluvane
