// A small dictionary written to a temporary folder and opened the way the
// shell opens it.
#pragma once

#include <memory>
#include <string>

#include "core/Utf8.h"
#include "dictformat/DictIndexFile.h"
#include "support/GmdBuilder.h"
#include "support/TempDir.h"

// Two articles, "cat - Katze" and "cats - Katzen", the second under the
// first as its caption; the forms CAT, KATZE, CATS, KATZEN and A.
inline TestGmd SampleGmd() {
    TestGmd gmd;
    gmd.morph = {{u"english", 1}, {u"Klingon", 3}};
    gmd.name = u"Sample";
    gmd.text = u"cat - Katze\r\ncats - <b>Katzen</b> &#75;atze\r\n";
    gmd.articles = {{0, 4, 6, 11, 0, 0x00430041}, {13, 17, 20, 43, 0, 0x00430041}};
    gmd.nWordCount = 5;
    gmd.forms = {
        {u"CAT", {{0, 0, 3, 0, 0x06}}},    {u"KATZE", {{1, 6, 5, 0, 0x0F}}},
        {u"CATS", {{2, 13, 4, 1, 0x06}}},  {u"KATZEN", {{3, 20, 13, 1, 0x05}}},
        {u"KATZE", {{4, 34, 9, 1, 0x0B}}}, {u"CAT", {{2, 13, 4, 1, 0x06}}},
        {u"A", {{9, 1, 1, 0, 0}}},
    };
    return gmd;
}

// Writes bytes as name in dir and opens them; ReadDictionary's result in bRead.
inline std::unique_ptr<CDictIndexFile> OpenGmd(const CTempDir& dir,
                                               const std::vector<uint8_t>& bytes, bool& bRead,
                                               const char* name = "sample.gmd") {
    const auto path = dir.Path() / name;
    WriteBytes(path, bytes);
    auto dict = std::make_unique<CDictIndexFile>();
    bRead = dict->Open(FromUtf8(path.string()), CMyFile::MODE_READ | CMyFile::SHARE_DENY_WRITE) &&
            dict->ReadDictionary(2);
    return dict;
}
