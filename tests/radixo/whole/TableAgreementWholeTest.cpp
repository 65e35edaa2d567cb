// Every form of each language's word lists: the lemma table answers as the
// live analysis does. Slow (minutes), so it runs outside the routine tests.
#include "../TableAgreement.h"

namespace {

TEST(LemmaTableWhole, RussianAnswersAsTheLiveAnalysisDoes) {
    ExpectTableAgreesWithLiveAnalysis(1, 1);
}

TEST(LemmaTableWhole, EnglishAnswersAsTheLiveAnalysisDoes) {
    ExpectTableAgreesWithLiveAnalysis(2, 1);
}

TEST(LemmaTableWhole, GermanAnswersAsTheLiveAnalysisDoes) {
    ExpectTableAgreesWithLiveAnalysis(3, 1);
}

}  // namespace
