// Any bytes as a tab-separated glossary, through the import.
#include "ImportFuzz.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const ImportFuzzInput input = SplitImportFuzzInput(FuzzBytes(data, size));
    if (input.files.size() != 1) return 0;
    WriteScratchFile("t.tsv", input.files[0]);
    CheckImport(ImportFormat::Tsv, "t.tsv", input.separators);
    return 0;
}
