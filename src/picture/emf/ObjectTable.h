#pragma once

#include <cstddef>
#include <vector>

namespace pluvane {

// The object table of a metafile as a player keeps it: each new object takes
// the lowest free slot, and the table grows only when no slot is free. The
// enhanced-metafile recorder numbers its handles with it (slot 0 is the
// metafile itself there, so it is taken from the start); the Windows-metafile
// converter uses it to know which slot each object lands in.
class ObjectTable {
public:
    explicit ObjectTable(std::size_t reservedSlots = 0) : m_inUse(reservedSlots, true), m_reserved(reservedSlots) {}

    // Takes the lowest free slot and returns it.
    std::size_t take();
    // Frees a slot taken earlier; reserved slots stay taken.
    void release(std::size_t slot);
    // How many slots the table has ever needed at once.
    std::size_t size() const { return m_inUse.size(); }

private:
    std::vector<bool> m_inUse;
    std::size_t m_reserved = 0;
};

} // namespace pluvane
