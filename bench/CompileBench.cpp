// Compile speed on generated sources: without morphology, and with the
// English module when the lemmatiser library and its data are installed
// beside the program.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <memory>

#include "SourceGenerator.h"
#include "compiler/DictCompiler.h"
#include "compiler/LemmatizerSource.h"
#include "core/Lemmatizer.h"
#include "core/ProgramFolder.h"
#include "core/Utf8.h"

namespace {

// A source made once per size and kind, removed at exit.
class CGeneratedSource {
public:
    CGeneratedSource(uint64_t nBytes, const std::string& strMorph) {
        m_folder = std::filesystem::temp_directory_path() /
                   ("gloss-compile-bench-" + std::to_string(::getpid()) + "-" +
                    std::to_string(nBytes) + strMorph.substr(0, 3));
        std::filesystem::create_directories(m_folder);
        m_source = m_folder / "source.txt";
        SourceGenOptions options;
        options.nTargetBytes = nBytes;
        options.strMorph = strMorph;
        CSourceGenerator generator(options);
        std::string strError;
        std::FILE* pOut = std::fopen(m_source.c_str(), "wb");
        if (!generator.LoadWords(strError) || pOut == nullptr) {
            if (pOut) std::fclose(pOut);
            m_strError = strError.empty() ? "cannot write the source" : strError;
            return;
        }
        m_nBytes = generator.Write(pOut);
        std::fclose(pOut);
    }
    ~CGeneratedSource() {
        std::error_code ec;
        std::filesystem::remove_all(m_folder, ec);
    }
    const std::string& Error() const { return m_strError; }
    uint64_t Bytes() const { return m_nBytes; }
    std::u16string Source() const { return FromUtf8(m_source.string()); }
    std::u16string Output() const { return FromUtf8((m_folder / "out.gmd").string()); }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_source;
    std::string m_strError;
    uint64_t m_nBytes = 0;
};

// One compile of the source per iteration, timed on the wall clock: the
// work runs on the compiler's own thread.
void RunCompiles(benchmark::State& state, const CGeneratedSource& source, CLemmaSource* pLemmas) {
    if (!source.Error().empty()) {
        state.SkipWithError(source.Error().c_str());
        return;
    }
    for (auto _ : state) {
        CDictCompiler compiler;
        compiler.SetLowerPriority(false);
        compiler.SetLemmaSource(pLemmas);
        compiler.SetAskContinue([](const std::u16string&) { return false; });
        if (!compiler.StartCompile(source.Source(), source.Output(), u"")) {
            state.SkipWithError("cannot start");
            return;
        }
        compiler.Wait();
        if (compiler.HasError() || compiler.IsAborted()) {
            state.SkipWithError(ToUtf8(compiler.GetError()).c_str());
            return;
        }
        state.counters["output_MB"] = static_cast<double>(compiler.GetOutputSize()) / 1048576.0;
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * source.Bytes()));
}

void BM_CompileWithoutMorphology(benchmark::State& state) {
    static const auto source = std::make_unique<CGeneratedSource>(
        static_cast<uint64_t>(state.range(0)) << 20, std::string());
    RunCompiles(state, *source, nullptr);
}
BENCHMARK(BM_CompileWithoutMorphology)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_CompileWithEnglishMorphology(benchmark::State& state) {
    static const auto source = std::make_unique<CGeneratedSource>(
        static_cast<uint64_t>(state.range(0)) << 20, std::string("English"));
    // The library and its data folders beside the program, as installed.
    static CLemmatizer lemmatizer(GetProgramFolder());
    lemmatizer.SetMorphologyRoot(GetProgramFolder());
    CLemmatizerSource lemmas(lemmatizer);
    RunCompiles(state, *source, &lemmas);
}
BENCHMARK(BM_CompileWithEnglishMorphology)->Arg(8)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

BENCHMARK_MAIN();
