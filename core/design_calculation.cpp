#include "core/design_calculation.h"

#include "core/conversions.h"
#include "core/floating_point_environment.h"
#include "core/handler_support.h"

// Each computed value is stored, then a fault met in computing it (the first in the order its
// formula is written) ends the calculation; whatever was written before stays. The plain copies
// Vi, Vo, Io and IDm cannot fault.

namespace {

// A design datum's field and the two messages that refuse it.
struct DesignField {
    TextBox box;
    const char16_t* notPositive;
    const char16_t* decimalComma;
};

constexpr DesignField InputVoltage{
    TextBox::Text1, u"La tensione in ingresso non può essere zero o negativa!",
    u"Errore di inserimento dati per la tensione di ingresso Vi. Usa il punto come separatore "
    u"decimale, ad es: 1.5"};
constexpr DesignField OutputVoltage{
    TextBox::Text2,
    u"La tensione in uscita è negativa ma il suo valore assoluto non può essere zero o negativo!",
    u"Errore di inserimento dati per il valore assoluto della tensione in uscita. Usa il punto "
    u"come separatore decimale, ad es: 1.5"};
constexpr DesignField Frequency{
    TextBox::Text3, u"La frequenza non può essere zero o negativa!",
    u"Errore di inserimento dati per la frequenza di commutazione f in kHz. Usa il punto come "
    u"separatore decimale, ad es: 1.5"};
constexpr DesignField OutputRipple{
    TextBox::Text5, u"DeltaVo non può essere zero o negativo!",
    u"Errore di inserimento dati per DeltaVo in mV. Usa il punto come separatore decimale, ad "
    u"es: 1.5"};
constexpr DesignField OutputCurrent{
    TextBox::Text6, u"Io è negativo ma il suo valore assoluto non può essere zero o negativo!",
    u"Errore di inserimento dati per il valore assoluto di Io. Usa il punto come separatore "
    u"decimale, ad es: 1.5"};
constexpr DesignField InductorRipple{
    TextBox::Text4, u"DeltaiL non può essere zero o negativo!",
    u"Errore di inserimento dati per la variazione della corrente nell'induttore in %. Usa il "
    u"punto come separatore decimale, ad es: 1.5"};

// The value read from the field has been stored: a decimal comma or a value not above zero
// refuses the field with its message.
bool Accepted(Module1& m, Form1Operations& form1, const DesignField& field, const Text& text,
              double value) {
    if (ValStopsAtDecimalComma(text)) {
        return Refuse(m, form1, field.decimalComma);
    }
    if (!(value > 0)) {
        return Refuse(m, form1, field.notPositive);
    }
    return true;
}

// Reads the five data that need no derived quantity; false once one is refused.
bool ReadDirectInputs(Module1& m, Form1Operations& form1) {
    Text text = form1.text(InputVoltage.box);
    m.Vi = Val(text);
    if (!Accepted(m, form1, InputVoltage, text, m.Vi)) {
        return false;
    }
    text = form1.text(OutputVoltage.box);
    m.Vo = Val(text);
    if (!Accepted(m, form1, OutputVoltage, text, m.Vo)) {
        return false;
    }
    text = form1.text(Frequency.box);
    StoreChecked(m.f, Traced(Val(text)) * 1000);
    if (!Accepted(m, form1, Frequency, text, m.f)) {
        return false;
    }
    text = form1.text(OutputRipple.box);
    StoreChecked(m.DeltaVo, Traced(Val(text)) * 0.001);
    if (!Accepted(m, form1, OutputRipple, text, m.DeltaVo)) {
        return false;
    }
    text = form1.text(OutputCurrent.box);
    m.Io = Val(text);
    return Accepted(m, form1, OutputCurrent, text, m.Io);
}

// Duty cycle and mean currents of continuous conduction; the inductor ripple is typed as a
// percentage of the mean inductor current, so it can only be read once that is known.
bool ComputeCurrents(Module1& m, Form1Operations& form1) {
    StoreChecked(m.D, Traced(m.Vo) / (Traced(m.Vo) + m.Vi));
    StoreChecked(m.Iim, Traced(m.D) * m.Io / (1 - Traced(m.D)));
    StoreChecked(m.ILm, Traced(m.Io) / (1 - Traced(m.D)));
    const Text text = form1.text(InductorRipple.box);
    StoreChecked(m.DeltaiL, Traced(Val(text)) * m.ILm / 100);
    return Accepted(m, form1, InductorRipple, text, m.DeltaiL);
}

// L and C scaled by 10^6, so that they hold microhenries and microfarads.
void ShowComponents(Module1& m, Form1Operations& form1, char16_t decimalSeparator) {
    StoreChecked(m.L, Traced(m.Vo) * m.Vi * 1000000 / ((Traced(m.Vo) + m.Vi) * m.f * m.DeltaiL));
    form1.setCaption(ResultLabel::Label24, Format(m.L, "0.00E+00", decimalSeparator));
    StoreChecked(m.C, Traced(m.Io) * m.Vo * 1000000 / ((Traced(m.Vo) + m.Vi) * m.f * m.DeltaVo));
    form1.setCaption(ResultLabel::Label25, Format(m.C, "0.00E+00", decimalSeparator));
    StoreChecked(m.IDP, Traced(m.DeltaiL) / 2 + m.ILm);
    form1.setCaption(ResultLabel::Label26, Format(m.IDP, "0.00E+00", decimalSeparator));
    m.IDm = m.Io;
    form1.setCaption(ResultLabel::Label27, Format(m.IDm, "0.00E+00", decimalSeparator));
    form1.setCaption(ResultLabel::Label32, Format(m.Iim, "0.00E+00", decimalSeparator));
    StoreChecked(m.RL, Traced(m.Vo) / m.Io);
}

// A verification field always carries a point, whatever the locale, so that the verification's
// field check (which accepts only the point) can read it back.
void WriteVerificationField(Module1& m, Form1Operations& form1, TextBox box, double value,
                            char16_t decimalSeparator) {
    m.FmtText = Format(value, "0.000E+00", decimalSeparator);
    MidAssign(m.FmtText, 2, u'.');
    form1.setText(box, m.FmtText);
    form1.setForeColor(box, QBColor(9));
}

void WriteVerificationFields(Module1& m, Form1Operations& form1, char16_t decimalSeparator) {
    WriteVerificationField(m, form1, TextBox::Text7, m.Vi, decimalSeparator);
    double kilohertz = 0;
    StoreChecked(kilohertz, Traced(m.f) / 1000);
    WriteVerificationField(m, form1, TextBox::Text12, kilohertz, decimalSeparator);
    double percent = 0;
    StoreChecked(percent, Traced(m.D) * 100);
    WriteVerificationField(m, form1, TextBox::Text8, percent, decimalSeparator);
    WriteVerificationField(m, form1, TextBox::Text9, m.L, decimalSeparator);
    WriteVerificationField(m, form1, TextBox::Text10, m.C, decimalSeparator);
    WriteVerificationField(m, form1, TextBox::Text11, m.RL, decimalSeparator);
}

} // namespace

void CalculateDesign(Module1& m, Form1Operations& form1, char16_t decimalSeparator) {
    if (!ReadDirectInputs(m, form1) || !ComputeCurrents(m, form1)) {
        return;
    }
    ShowComponents(m, form1, decimalSeparator);
    WriteVerificationFields(m, form1, decimalSeparator);
}

void FillSampleData(Form1Operations& form1) {
    // 15 V in, -25 V out at 11 kHz, 40 % inductor ripple, 60 mV output ripple, 0.1 A load.
    form1.setText(TextBox::Text1, CStr(15));
    form1.setText(TextBox::Text2, CStr(25));
    form1.setText(TextBox::Text3, CStr(11));
    form1.setText(TextBox::Text4, CStr(40));
    form1.setText(TextBox::Text5, CStr(60));
    form1.setText(TextBox::Text6, u"0.1");
}
