#include "core/handler_support.h"
#include "core/verification.h"
#include "test_support/named_case.h"
#include "test_support/recorders.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

enum class Verdict { Accepted, Empty, Malformed };

struct FieldCase : NamedCase {
    Text text;
    Verdict verdict;
};

class CheckNumberFieldTest : public testing::TestWithParam<FieldCase> {};

TEST_P(CheckNumberFieldTest, ClassifiesCharactersOneByOne) {
    Module1 m;
    m.Msg = u"vuoto";
    m.ErrMsg = u"malformato";
    m.ErrFlag = 1; // left by an earlier rejection
    MessageRecorder messages;
    CheckNumberField(m, GetParam().text, messages);

    switch (GetParam().verdict) {
    case Verdict::Accepted:
        EXPECT_EQ(m.ErrFlag, 0);
        EXPECT_TRUE(messages.texts.empty());
        break;
    case Verdict::Empty:
        EXPECT_EQ(m.ErrFlag, 1);
        EXPECT_EQ(messages.texts, std::vector<std::string>{"vuoto"});
        break;
    case Verdict::Malformed:
        EXPECT_EQ(m.ErrFlag, 1);
        EXPECT_EQ(messages.texts, std::vector<std::string>{"malformato"});
        break;
    }
    EXPECT_EQ(m.Msg, u"vuoto");
    EXPECT_EQ(m.ErrMsg, u"malformato");
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CheckNumberFieldTest,
    testing::Values(FieldCase{"Decimal", u"1.23", Verdict::Accepted},
                    FieldCase{"Exponent", u"1E-5", Verdict::Accepted},
                    FieldCase{"PositiveExponent", u"5e+3", Verdict::Accepted},
                    FieldCase{"PlusSign", u"+5", Verdict::Accepted},
                    FieldCase{"TwoPoints", u"1.2.3", Verdict::Accepted},
                    FieldCase{"InnerMinus", u"1-2", Verdict::Accepted},
                    FieldCase{"TwoMinusSigns", u"--5", Verdict::Accepted},
                    FieldCase{"LoneE", u"e", Verdict::Accepted},
                    FieldCase{"LonePlus", u"+", Verdict::Accepted},
                    FieldCase{"LonePoint", u".", Verdict::Accepted},
                    FieldCase{"AllDigits", u"0123456789", Verdict::Accepted},
                    FieldCase{"Empty", u"", Verdict::Empty},
                    FieldCase{"OneBlank", u" ", Verdict::Malformed},
                    FieldCase{"BlankAfter", u"5 ", Verdict::Malformed},
                    FieldCase{"BlankBefore", u" 5", Verdict::Malformed},
                    FieldCase{"Tab", u"5\t", Verdict::Malformed},
                    FieldCase{"Comma", u"1,5", Verdict::Malformed},
                    FieldCase{"Unit", u"12V", Verdict::Malformed},
                    FieldCase{"ThreeLetters", u"12abc", Verdict::Malformed},
                    FieldCase{"OtherExponentLetter", u"1D5", Verdict::Malformed},
                    FieldCase{"FullWidthThree", u"\uFF13", Verdict::Malformed},
                    FieldCase{"ArabicIndicDigit", u"\u0663", Verdict::Malformed},
                    FieldCase{"SlashBelowZero", u"1/2", Verdict::Malformed},
                    FieldCase{"ColonAboveNine", u"1:2", Verdict::Malformed}),
    ByCaseName());

TEST(CheckNumberFieldLengthTest, LongestCountableTextIsChecked) {
    Module1 m;
    MessageRecorder messages;
    CheckNumberField(m, Text(32766, u'7'), messages);
    EXPECT_EQ(m.ErrFlag, 0);
    CheckNumberField(m, Text(32765, u'7') + u"x", messages);
    EXPECT_EQ(m.ErrFlag, 1);
    EXPECT_EQ(messages.texts.size(), 1u);
}

TEST(CheckNumberFieldLengthTest, UncountableTextIsAnOverflowWithoutMessage) {
    for (const std::size_t length : {32767u, 32768u, 100000u}) {
        Module1 m;
        m.ErrFlag = 1;
        MessageRecorder messages;
        try {
            CheckNumberField(m, Text(length, u'x'), messages);
            ADD_FAILURE() << length << " characters were checked";
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.kind(), RuntimeErrorKind::Overflow);
        }
        EXPECT_EQ(m.ErrFlag, 0) << length;
        EXPECT_TRUE(messages.texts.empty()) << length;
    }
}

} // namespace
