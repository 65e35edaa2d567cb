// Bounds-checked little-endian fields from a byte range. Every offset and
// length is checked against the range before a byte is touched, so a field
// that a hostile file places outside itself reads as "absent", never as
// memory beyond the file.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

class CByteView {
public:
    CByteView() = default;
    explicit CByteView(std::span<const uint8_t> bytes) : m_bytes(bytes) {}

    uint64_t Size() const { return m_bytes.size(); }
    std::span<const uint8_t> Bytes() const { return m_bytes; }

    // Whether nCount bytes start at nOffset inside the range; overflow-safe
    // for any 64-bit values.
    bool Contains(uint64_t nOffset, uint64_t nCount) const {
        return nOffset <= m_bytes.size() && nCount <= m_bytes.size() - nOffset;
    }

    std::optional<uint8_t> U8(uint64_t nOffset) const {
        if (!Contains(nOffset, 1)) return std::nullopt;
        return m_bytes[nOffset];
    }
    std::optional<uint16_t> U16(uint64_t nOffset) const {
        if (!Contains(nOffset, 2)) return std::nullopt;
        return DecodeU16(m_bytes.data() + nOffset);
    }
    std::optional<uint32_t> U32(uint64_t nOffset) const {
        if (!Contains(nOffset, 4)) return std::nullopt;
        return DecodeU32(m_bytes.data() + nOffset);
    }
    std::optional<int32_t> I32(uint64_t nOffset) const {
        const auto value = U32(nOffset);
        if (!value) return std::nullopt;
        return static_cast<int32_t>(*value);
    }

    // Unchecked decoders for callers that checked a whole record at once.
    static uint16_t DecodeU16(const uint8_t* p) {
        return static_cast<uint16_t>(p[0] | (p[1] << 8));
    }
    static uint32_t DecodeU32(const uint8_t* p) {
        return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
               (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
    }

private:
    std::span<const uint8_t> m_bytes;
};
