#include "core/whole_file.h"
#include "display/analysis_wording.h"
#include "display/frequency_response_wording.h"
#include "figure/language.h"

#include <gtest/gtest.h>

#include <functional>
#include <system_error>

namespace {

// Every fact of the analysis and of the frequency response, as the windows word it.
ConverterAnalysis EveryWarning(std::int32_t periods) {
    ConverterAnalysis a;
    a.periods = periods;
    a.notSettled = LargestDeviation{PeriodQuantity::VoMax, 0.5};
    a.steadyStateFound = false;
    a.discontinuous = periods > 1;
    a.boundaryDisagrees = true;
    a.coarseStep = LargestDeviation{PeriodQuantity::DeltaiL, 2};
    a.diodeBlocking = LargestDeviation{PeriodQuantity::iLMin, 3};
    return a;
}

std::vector<std::function<Text()>> EveryWording() {
    std::vector<std::function<Text()>> wordings;
    for (const std::int32_t periods : {0, 1, 20}) {
        for (std::size_t k = 0; k < AnalysisWarnings(EveryWarning(periods), true, u'.').size();
             ++k) {
            wordings.emplace_back(
                [=] { return AnalysisWarnings(EveryWarning(periods), true, u'.')[k]; });
        }
    }
    using enum VerificationEnd;
    for (const VerificationEnd end : {NotConducting, Cancelled, Faulted}) {
        wordings.emplace_back([=] { return MissingSimulationText(end); });
    }
    using enum ModelWarning;
    for (const ModelWarning warning : {GainNotNegative, PartsNotModelled, LowFrequencyOnly}) {
        wordings.emplace_back([=] { return ModelWarningText(warning); });
    }
    using enum LoopWarning;
    for (const LoopWarning warning : {CrossoverAboveRhpThird, CrossoverAboveTenthOfF}) {
        wordings.emplace_back([=] { return LoopWarningText(warning); });
    }
    using enum CompensatorRefusal;
    for (const CompensatorRefusal refusal :
         {CrossoverOutOfRange, MarginOutOfRange, ResistorNotPositive, RampNotPositive,
          BoostNotPositive, BoostTooLarge}) {
        wordings.emplace_back([=] { return CompensatorRefusalText(refusal, 95.5, u'.'); });
    }
    for (const int error : {EACCES, ENOENT, ENOSPC, EROFS, EISDIR, EINVAL, ENAMETOOLONG, ELOOP,
                            EEXIST, ENXIO, EFBIG, EIO, EBADF, EPIPE, EMFILE, EBUSY, 12345}) {
        wordings.emplace_back([=] {
            return FileWriteFailure(
                "/tmp/a.csv", FileErrorReason(std::error_code(error, std::generic_category())));
        });
    }
    return wordings;
}

class EnglishWordingTest : public testing::Test {
protected:
    void TearDown() override { UseLanguage(Language::Italian); }
};

// In English every sentence is the catalogue's, its places filled; back in Italian it is the
// Italian one again, byte for byte.
TEST_F(EnglishWordingTest, EverySentenceHasItsEnglishAndTheItalianComesBack) {
    const std::vector<std::function<Text()>> wordings = EveryWording();
    std::vector<Text> italian;
    for (const auto& wording : wordings) {
        italian.push_back(wording());
    }
    UseLanguage(Language::English);
    for (std::size_t k = 0; k < wordings.size(); ++k) {
        const std::string english = Utf8(wordings[k]());
        EXPECT_NE(english, Utf8(italian[k]));
        EXPECT_EQ(english.find("%1"), std::string::npos) << english;
        EXPECT_EQ(english.find(" è "), std::string::npos) << english;
    }
    UseLanguage(Language::Italian);
    for (std::size_t k = 0; k < wordings.size(); ++k) {
        EXPECT_EQ(Utf8(wordings[k]()), Utf8(italian[k]));
    }
}

TEST_F(EnglishWordingTest, TheFiguresGoWhereTheEnglishPutsThem) {
    UseLanguage(Language::English);
    EXPECT_EQ(Utf8(AnalysisWarnings(EveryWarning(20), true, u'.').front()),
              "Not yet in steady state: after 20 periods maximum |Vo| is 0.50 % from its "
              "steady-state value; increase NI");
    EXPECT_EQ(Utf8(CompensatorRefusalText(CompensatorRefusal::BoostTooLarge, 95.5, u'.')),
              "The phase boost required (95.50°) exceeds what the network gives (90° for type "
              "II, 180° for type III): lower fc or the phase margin.");
}

} // namespace
