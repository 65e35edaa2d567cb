#include "TextHelpers.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

#include "CharTables.h"

namespace {

constexpr std::u16string_view kBlanks = u" \t\r\n\v\f";
constexpr std::u16string_view kHexDigits = u"0123456789ABCDEF";
constexpr uint64_t kInt32Max = 0x7FFFFFFF;

std::u16string_view Trimmed(std::u16string_view text) {
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::u16string_view::npos) return {};
    const size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

bool IsValidWidth(int nBytes) {
    return nBytes >= 1 && nBytes <= 8;
}

// Value of a run of decimal digits; nothing when it does not fit in 64 bits.
std::optional<uint64_t> DecimalValue(std::u16string_view digits) {
    if (digits.empty()) return std::nullopt;
    uint64_t value = 0;
    for (char16_t c : digits) {
        if (c < u'0' || c > u'9') return std::nullopt;
        const uint64_t digit = c - u'0';
        if (value > (UINT64_MAX - digit) / 10) return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// The check is made on the exact integer rather than on a double, which
// cannot tell 2^64 - 1 from 2^64.
bool MagnitudeFits(uint64_t magnitude, bool bNegative, int nBytes, bool bSigned) {
    const int nBits = 8 * nBytes;
    if (!bSigned) return !bNegative && magnitude <= (UINT64_MAX >> (64 - nBits));
    const uint64_t positiveMax = UINT64_MAX >> (65 - nBits);
    return magnitude <= (bNegative ? positiveMax + 1 : positiveMax);
}

}  // namespace

bool FitsInBytes(double value, int nBytes, bool bSigned) {
    if (!IsValidWidth(nBytes)) return false;
    const int nBits = 8 * nBytes;
    if (!bSigned) return value >= 0 && value <= std::ldexp(1.0, nBits) - 1;
    const double half = std::ldexp(1.0, nBits - 1);
    return value >= -half && value <= half - 1;
}

bool IsDecimalNumber(std::u16string text, int nBytes, bool bSigned) {
    if (!IsValidWidth(nBytes)) return false;
    std::u16string_view number = Trimmed(text);
    bool bNegative = false;
    if (!number.empty() && (number.front() == u'-' || number.front() == u'+')) {
        bNegative = number.front() == u'-';
        if (bNegative && !bSigned) return false;
        number.remove_prefix(1);
    }
    const std::optional<uint64_t> magnitude = DecimalValue(number);
    return magnitude && MagnitudeFits(*magnitude, bNegative, nBytes, bSigned);
}

bool IsHexNumber(std::u16string text, int nBytes) {
    const std::u16string_view number = Trimmed(text);
    if (number.empty()) return false;
    // Read as a 32-bit signed integer: anything past 0x7FFFFFFF would be
    // negative (or wrap), so it never fits.
    uint64_t value = 0;
    for (char16_t c : number) {
        const size_t digit = kHexDigits.find(ToUpperSymb(c));
        if (digit == std::u16string_view::npos) return false;
        value = value * 16 + digit;
        if (value > kInt32Max) value = kInt32Max + 1;  // stays out of range, never overflows
    }
    return value <= kInt32Max && FitsInBytes(static_cast<double>(value), nBytes, false);
}

bool SymbolsToHexCodes(const std::u16string& text, std::u16string& out) {
    out.clear();
    out.reserve(text.size() * 4);
    for (char16_t c : text) {
        for (int nShift = 12; nShift >= 0; nShift -= 4)
            out += kHexDigits[(c >> nShift) & 0xF];
    }
    return true;
}

bool HexCodesToSymbols(std::u16string text, std::u16string& out) {
    out.clear();
    const std::u16string_view codes = Trimmed(text);
    if (codes.size() % 4 != 0) return false;
    std::u16string symbols;
    symbols.reserve(codes.size() / 4);
    for (size_t i = 0; i < codes.size(); i += 4) {
        std::u16string group(codes.substr(i, 4));
        if (!IsHexNumber(group, 4)) return false;
        uint32_t value = 0;
        for (char16_t c : Trimmed(group))
            value = value * 16 + kHexDigits.find(ToUpperSymb(c));
        symbols += static_cast<char16_t>(value);
    }
    out = std::move(symbols);
    return true;
}
