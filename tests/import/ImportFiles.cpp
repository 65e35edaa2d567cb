#include "ImportFiles.h"

#include <zlib.h>

std::string DictdNumber(uint64_t value) {
    static constexpr char kDigits[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    do {
        out.insert(out.begin(), kDigits[value % 64]);
        value /= 64;
    } while (value > 0);
    return out;
}

std::string MakeDictzip(std::string_view data, size_t chunkLength) {
    std::vector<std::string> chunks;
    z_stream zs{};
    deflateInit2(&zs, 9, Z_DEFLATED, -MAX_WBITS, 8, Z_DEFAULT_STRATEGY);
    for (size_t pos = 0; pos < data.size() || chunks.empty(); pos += chunkLength) {
        const std::string_view piece = data.substr(pos, chunkLength);
        const bool bLast = pos + chunkLength >= data.size();
        std::string out(deflateBound(&zs, piece.size()) + 64, '\0');
        zs.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(piece.data()));
        zs.avail_in = static_cast<uInt>(piece.size());
        zs.next_out = reinterpret_cast<Bytef*>(out.data());
        zs.avail_out = static_cast<uInt>(out.size());
        deflate(&zs, bLast ? Z_FINISH : Z_FULL_FLUSH);
        out.resize(out.size() - zs.avail_out);
        chunks.push_back(out);
        if (bLast) break;
    }
    deflateEnd(&zs);
    auto le16 = [](size_t v) { return std::string{char(v & 0xFF), char((v >> 8) & 0xFF)}; };
    std::string extra =
        "RA" + le16(6 + 2 * chunks.size()) + le16(1) + le16(chunkLength) + le16(chunks.size());
    for (const std::string& c : chunks)
        extra += le16(c.size());
    std::string file = {'\x1F', '\x8B', 8, 4, 0, 0, 0, 0, 2, 3};
    file += le16(extra.size()) + extra;
    for (const std::string& c : chunks)
        file += c;
    const uLong crc =
        crc32(0, reinterpret_cast<const Bytef*>(data.data()), static_cast<uInt>(data.size()));
    for (uint64_t v : {uint64_t{crc}, uint64_t{data.size()}})
        for (int k = 0; k < 4; ++k)
            file += static_cast<char>((v >> (8 * k)) & 0xFF);
    return file;
}

std::pair<std::string, std::string> MakeDictd(const std::vector<DictEntry>& entries) {
    std::string index, dict;
    for (const DictEntry& e : entries) {
        index += e.headword + "\t" + DictdNumber(dict.size()) + "\t" +
                 DictdNumber(e.definition.size()) + "\n";
        dict += e.definition;
    }
    return {index, dict};
}

std::string BigEndian32(uint32_t value) {
    return {char(value >> 24), char((value >> 16) & 0xFF), char((value >> 8) & 0xFF),
            char(value & 0xFF)};
}

std::pair<std::string, std::string> MakeStarDict(const std::vector<DictEntry>& entries) {
    std::string idx, dict;
    for (const DictEntry& e : entries) {
        idx += e.headword + std::string(1, '\0') + BigEndian32(static_cast<uint32_t>(dict.size())) +
               BigEndian32(static_cast<uint32_t>(e.definition.size()));
        dict += e.definition;
    }
    return {idx, dict};
}

std::string MakeIfo(size_t nWordCount, std::string_view bookName, std::string_view sameTypeSequence,
                    std::string_view version) {
    std::string ifo = "StarDict's dict ifo file\nversion=" + std::string(version) +
                      "\nwordcount=" + std::to_string(nWordCount) +
                      "\nbookname=" + std::string(bookName) + "\n";
    if (!sameTypeSequence.empty())
        ifo += "sametypesequence=" + std::string(sameTypeSequence) + "\n";
    return ifo;
}
