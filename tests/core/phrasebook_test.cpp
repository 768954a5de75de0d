#include "core/phrasebook.h"
#include "core/whole_file.h"

#include <gtest/gtest.h>

#include <string>
#include <system_error>

namespace {

TEST(FilledTest, EveryPlaceTakesItsArgumentOnce) {
    const struct {
        const char16_t* sentence;
        std::vector<Text> arguments;
        const char16_t* filled;
    } cases[] = {
        {u"%1 e %2", {u"a", u"b"}, u"a e b"},
        {u"%2 prima di %1", {u"a", u"b"}, u"b prima di a"},
        {u"%1, ancora %1", {u"x"}, u"x, ancora x"},
        // An argument that reads like a place is not filled again.
        {u"%1 e %2", {u"%2", u"b"}, u"%2 e b"},
        {u"%2: %1", {u"percorso %1", u"motivo"}, u"motivo: percorso %1"},
        // %10 is its own place, not %1 followed by a zero.
        {u"%10 %1", {u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9", u"dieci"}, u"dieci 1"},
        {u"nessun posto", {u"a"}, u"nessun posto"},
        {u"%1", {}, u"%1"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Utf8(Filled(c.sentence, c.arguments)), Utf8(c.filled)) << Utf8(c.sentence);
    }
}

// A phrasebook that shows what it was asked.
Text Bracketed(const char* context, const char* italian) {
    return TextFromUtf8(std::string("<") + context + "|" + italian + ">");
}

class PhrasebookTest : public testing::Test {
protected:
    void TearDown() override { UsePhrasebook(nullptr); }
};

TEST_F(PhrasebookTest, WithoutAPhrasebookTheItalianComesBackAsWritten) {
    EXPECT_EQ(Utf8(Phrase("WholeFile", "il file è in uso")), "il file è in uso");
    EXPECT_EQ(Utf8(FileWriteFailure("/tmp/a.csv", FileErrorReason(std::make_error_code(
                                                      std::errc::permission_denied)))),
              "Impossibile scrivere il file \"/tmp/a.csv\": permesso negato.");
}

// A sentence with places is looked up whole, before the path and the reason go in.
TEST_F(PhrasebookTest, ASentenceIsLookedUpWholeBeforeItsPlacesAreFilled) {
    UsePhrasebook(&Bracketed);
    EXPECT_EQ(Utf8(FileWriteFailure("/tmp/a.csv", FileErrorReason(std::make_error_code(
                                                      std::errc::read_only_file_system)))),
              "<WholeFile|Impossibile scrivere il file \"/tmp/a.csv\": <WholeFile|il disco è di "
              "sola lettura>.>");
    EXPECT_EQ(Utf8(FileErrorReason(std::error_code(12345, std::generic_category()))),
              "<WholeFile|errore del sistema n. 12345>");
    UsePhrasebook(nullptr);
    EXPECT_EQ(Utf8(Phrase("WholeFile", "permesso negato")), "permesso negato");
}

} // namespace
