#include "CompileTestUtil.h"

#include "core/Utf8.h"

CompileOutcome RunCompile(CDictCompiler& compiler, const std::filesystem::path& source,
                          const std::filesystem::path& output, const CompileSetup& setup) {
    compiler.SetSeparators(setup.separators);
    compiler.SetLemmaSource(setup.pLemmas);
    compiler.SetAskContinue(setup.ask);
    compiler.SetFixedDateAndKey(kTestDate, kTestKey);
    if (setup.nNodeLimit != 0) compiler.SetNodeLimit(setup.nNodeLimit);
    CompileOutcome outcome;
    outcome.bStarted = compiler.StartCompile(FromUtf8(source.string()), FromUtf8(output.string()),
                                             setup.strMapPath);
    if (!outcome.bStarted) {
        outcome.strError = compiler.GetError();
        return outcome;
    }
    if (setup.afterStart) setup.afterStart(compiler);
    compiler.Wait();
    outcome.bError = compiler.HasError();
    outcome.bAborted = compiler.IsAborted();
    outcome.strError = compiler.GetError();
    outcome.strStatus = compiler.GetStatusText();
    outcome.nLine = compiler.GetLine();
    return outcome;
}
