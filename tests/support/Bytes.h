// Composes file images field by field in little-endian order, written apart
// from the codecs under test so that a test can compare what they write.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

struct Bytes {
    std::vector<uint8_t> v;

    Bytes& u8(uint32_t x) {
        v.push_back(static_cast<uint8_t>(x));
        return *this;
    }
    Bytes& u16(uint32_t x) { return u8(x & 0xFF).u8((x >> 8) & 0xFF); }
    Bytes& u32(uint32_t x) { return u16(x & 0xFFFF).u16(x >> 16); }
    Bytes& units(std::u16string_view s) {
        for (char16_t c : s)
            u16(c);
        return *this;
    }
    Bytes& raw(std::span<const uint8_t> bytes) {
        v.insert(v.end(), bytes.begin(), bytes.end());
        return *this;
    }
    uint32_t Pos() const { return static_cast<uint32_t>(v.size()); }
};
