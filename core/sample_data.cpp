#include "core/sample_data.h"

#include "core/conversions.h"

void FillSampleData(Form1Operations& form1) {
    // 15 V in, -25 V out at 11 kHz, 40 % inductor ripple, 60 mV output ripple, 0.1 A load.
    form1.setText(TextBox::Text1, CStr(15));
    form1.setText(TextBox::Text2, CStr(25));
    form1.setText(TextBox::Text3, CStr(11));
    form1.setText(TextBox::Text4, CStr(40));
    form1.setText(TextBox::Text5, CStr(60));
    form1.setText(TextBox::Text6, u"0.1");
}
