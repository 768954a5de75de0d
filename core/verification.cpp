#include "core/verification.h"

#include "core/conversions.h"
#include "core/handler_support.h"
#include "core/simulation.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

// Field lengths and positions are counted in 16-bit integers: a text this long cannot be
// walked through.
constexpr std::size_t UncountableLength = 32767;

// Digits by code unit: a full-width or other script's digit is not a number character.
bool IsNumberCharacter(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return true;
    }
    return c == u'e' || c == u'.' || c == u'E' || c == u'-' || c == u'+';
}

// A verification field of the main window and what it holds, in the words of its messages,
// e.g. "il numero dei campioni N".
struct VerificationField {
    TextBox box;
    const char16_t* subject;
};

// The nine verification fields in the order they are checked: supply, duty cycle and frequency
// first, then the components, then the counts.
const std::array<VerificationField, 9>& VerificationFields() {
    static const std::array<VerificationField, 9> fields{{
        {TextBox::Text7, u"la tensione di ingresso Vi"},
        {TextBox::Text8, u"il valore del Duty Cycle in %"},
        {TextBox::Text12, u"il valore della frequenza di commutazione f in kHz"},
        {TextBox::Text9, u"il valore dell'induttanza in uH"},
        {TextBox::Text10, u"il valore della capacità in uF"},
        {TextBox::Text11, u"il valore della resistenza di carico RL in ohm"},
        {TextBox::Text13, u"il numero dei campioni N"},
        {TextBox::Text14, u"il numero dei periodi visualizzati NP"},
        {TextBox::Text15, u"il numero delle iterazioni NI"},
    }};
    return fields;
}

// "Hai dimenticato di scrivere " and the subject: the message for an empty field.
Text EmptyFieldText(const VerificationField& field) {
    return Text(u"Hai dimenticato di scrivere ") + field.subject;
}

// The message for a malformed field: the subject, then how a number may be written.
Text MalformedFieldText(const VerificationField& field) {
    return Text(u"Errore di inserimento dati per ") + field.subject +
           u". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, "
           u"anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3";
}

// Each field in turn: its text and its two messages go to the shared variables the check reads.
bool CheckFields(Module1& m, Form1Operations& form1) {
    for (const VerificationField& field : VerificationFields()) {
        m.FieldText = form1.text(field.box);
        m.Msg = EmptyFieldText(field);
        m.ErrMsg = MalformedFieldText(field);
        CheckNumberField(m, m.FieldText, form1);
        if (m.ErrFlag == 1) {
            return false;
        }
    }
    return true;
}

// A field's number times its unit factor. Val's number is finite, so a product outside the
// finite doubles can only be an overflow.
double ReadScaled(const Form1Operations& form1, TextBox box, double factor) {
    const double value = Val(form1.text(box)) * factor;
    if (!std::isfinite(value)) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    return value;
}

std::int32_t ReadCount(const Form1Operations& form1, TextBox box) {
    return CLng(Val(form1.text(box)));
}

// A field goes back to black once its value has been read, whatever its rule says next.
void SetBlack(Form1Operations& form1, TextBox box) {
    form1.setForeColor(box, QBColor(0));
}

bool ReadSupplyAndSwitching(Module1& m, Form1Operations& form1) {
    m.Vi = Val(form1.text(TextBox::Text7));
    SetBlack(form1, TextBox::Text7);
    if (!(m.Vi > 0)) {
        return Refuse(m, form1, u"La tensione in ingresso non può essere zero o negativa!");
    }
    m.D = ReadScaled(form1, TextBox::Text8, 0.01);
    SetBlack(form1, TextBox::Text8);
    if (!(m.D > 0 && m.D < 1)) {
        return Refuse(m, form1,
                      u"Il Duty Cycle non può essere zero o negativo o maggiore o uguale al 100%!");
    }
    m.f = ReadScaled(form1, TextBox::Text12, 1000);
    SetBlack(form1, TextBox::Text12);
    if (!(m.f > 0)) {
        return Refuse(m, form1, u"La frequenza non può essere zero o negativa!");
    }
    return true;
}

// The simulation divides by L, C and RL at every step.
bool ReadComponents(Module1& m, Form1Operations& form1) {
    m.L = ReadScaled(form1, TextBox::Text9, 0.000001);
    SetBlack(form1, TextBox::Text9);
    if (!(m.L > 0)) {
        return Refuse(m, form1, u"L'induttanza non può essere zero o negativa!");
    }
    m.C = ReadScaled(form1, TextBox::Text10, 0.000001);
    SetBlack(form1, TextBox::Text10);
    if (!(m.C > 0)) {
        return Refuse(m, form1, u"La capacità non può essere zero o negativa!");
    }
    m.RL = Val(form1.text(TextBox::Text11));
    SetBlack(form1, TextBox::Text11);
    if (!(m.RL > 0)) {
        return Refuse(m, form1, u"La resistenza di carico RL non può essere zero o negativa!");
    }
    return true;
}

constexpr std::int32_t MostSamples = 10000000;

// The counts keep their colour. N sizes the four sample arrays.
bool ReadCounts(Module1& m, Form1Operations& form1) {
    m.N = ReadCount(form1, TextBox::Text13);
    if (m.N < 1 || m.N > MostSamples) {
        return Refuse(m, form1, u"Il numero dei campioni N deve essere compreso tra 1 e 10000000!");
    }
    m.NP = ReadCount(form1, TextBox::Text14);
    m.NI = ReadCount(form1, TextBox::Text15);
    return true;
}

Text Scientific(double value, char16_t decimalSeparator) {
    return Format(value, "0.00E+00", decimalSeparator);
}

void WriteSummaryCaptions(const Module1& m, const VerificationContext& context) {
    const char16_t separator = context.decimalSeparator;
    context.form2.setCaption(SummaryLabel::Label2, Scientific(m.DeltaiLSim, separator));
    context.form2.setCaption(SummaryLabel::Label5, Scientific(m.DeltaVoSim, separator));
    context.form2.setCaption(SummaryLabel::Label8, Scientific(m.IDPSim, separator));
    context.form2.setCaption(SummaryLabel::Label9, Scientific(m.IdmSim, separator));
    context.form2.setCaption(SummaryLabel::Label16, Scientific(m.IimSim, separator));
}

} // namespace

void CheckNumberField(Module1& m, const Text& fieldText, MessageBox& messages) {
    m.ErrFlag = 0;
    if (fieldText.empty()) {
        messages.MsgBox(m.Msg);
        m.ErrFlag = 1;
        return;
    }
    if (fieldText.size() >= UncountableLength) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    // One message however many characters are rejected.
    if (std::all_of(fieldText.begin(), fieldText.end(), IsNumberCharacter)) {
        return;
    }
    messages.MsgBox(m.ErrMsg);
    m.ErrFlag = 1;
}

namespace {

VerificationEnd SimulateCheckedRun(Module1& m, const VerificationContext& context) {
    context.form2.obtainForm2();
    context.form2.resetPlot();
    const PlotOutcome outcome =
        SimulateAndPlot(m, context.drawing, context.form1, context.observer);
    if (outcome == PlotOutcome::Cancelled) {
        context.form2.showCancelled();
        return VerificationEnd::Cancelled;
    }
    WriteSummaryCaptions(m, context);
    return outcome == PlotOutcome::Drawn ? VerificationEnd::Drawn : VerificationEnd::NotConducting;
}

} // namespace

bool ReadVerificationFields(Module1& m, Form1Operations& form1) {
    return CheckFields(m, form1) && ReadSupplyAndSwitching(m, form1) && ReadComponents(m, form1) &&
           ReadCounts(m, form1);
}

VerificationOutcome RunVerification(Module1& m, const VerificationContext& context) {
    VerificationOutcome outcome;
    outcome.fault = RunGuarded(context.form1, [&] {
        if (!ReadVerificationFields(m, context.form1)) {
            return;
        }
        outcome.circuit = CircuitOf(m);
        outcome.NI = m.NI;
        outcome.end = SimulateCheckedRun(m, context);
    });
    if (outcome.fault) {
        outcome.end = VerificationEnd::Faulted;
    }
    return outcome;
}
