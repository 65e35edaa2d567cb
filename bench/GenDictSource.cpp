// gen_dict_source: writes a generated dictionary source for benchmarks.
//   gen_dict_source OUTPUT MEGABYTES [--morph VALUE] [--seed N]
#include <cstdio>
#include <cstdlib>
#include <string>

#include "SourceGenerator.h"

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: gen_dict_source OUTPUT MEGABYTES [--morph VALUE] [--seed N]\n");
        return 2;
    }
    SourceGenOptions options;
    options.nTargetBytes = static_cast<uint64_t>(std::strtod(argv[2], nullptr) * 1048576.0);
    for (int i = 3; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        if (name == "--morph") {
            options.strMorph = argv[i + 1];
        } else if (name == "--seed") {
            options.nSeed = static_cast<uint32_t>(std::strtoul(argv[i + 1], nullptr, 10));
        } else {
            std::fprintf(stderr, "gen_dict_source: unknown option %s\n", name.c_str());
            return 2;
        }
    }
    CSourceGenerator generator(options);
    std::string strError;
    if (!generator.LoadWords(strError)) {
        std::fprintf(stderr, "gen_dict_source: %s\n", strError.c_str());
        return 1;
    }
    std::FILE* pOut = std::fopen(argv[1], "wb");
    if (pOut == nullptr) {
        std::perror(argv[1]);
        return 1;
    }
    const uint64_t nBytes = generator.Write(pOut);
    if (std::fclose(pOut) != 0) {
        std::perror(argv[1]);
        return 1;
    }
    std::printf("%s: %llu bytes\n", argv[1], static_cast<unsigned long long>(nBytes));
    return 0;
}
