#include "core/design_calculation.h"
#include "test_support/recorders.h"

#include <gtest/gtest.h>

namespace {

TEST(SampleDataTest, WritesTheWorkedExampleOverWhateverWasTyped) {
    Form1Recorder form1;
    form1.type(TextBox::Text1, "999");
    form1.type(TextBox::Text7, "keep");
    FillSampleData(form1);
    const std::vector<std::string> expected{"setText Text1 15", "setText Text2 25",
                                            "setText Text3 11", "setText Text4 40",
                                            "setText Text5 60", "setText Text6 0.1"};
    EXPECT_EQ(form1.calls, expected);
    EXPECT_EQ(Utf8(form1.text(TextBox::Text7)), "keep");
}

} // namespace
