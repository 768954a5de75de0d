#include "cli/headless_run.h"

#include "cli/cli_text.h"
#include "core/design_calculation.h"
#include "core/spice_netlist.h"
#include "core/verification.h"
#include "display/plot_geometry.h"
#include "display/screen_waveform_drawing.h"

namespace {

constexpr char16_t DecimalPoint = u'.';

// Every message the run shows, in order.
class KeptMessages : public MessageBox {
public:
    void MsgBox(const Text& text) override { shown.push_back(text); }
    std::vector<Text> shown;
};

// The main window's fields and result boxes: the typed texts are read, whatever is written
// is kept. A field nobody typed into is empty, as in the window.
class MainWindowInMemory : public Form1Operations {
public:
    MainWindowInMemory(const FieldTexts& fields, KeptMessages& messages)
        : fields_(fields), messages_(messages) {}

    Text text(TextBox box) const override {
        const auto found = fields_.find(box);
        return found == fields_.end() ? Text() : found->second;
    }
    void setText(TextBox box, const Text& text) override {
        fields_[box] = text;
        written_[box] = text;
    }
    void setForeColor(TextBox, Color) override {}
    void setCaption(ResultLabel label, const Text& caption) override { captions_[label] = caption; }
    void MsgBox(const Text& text) override { messages_.MsgBox(text); }

    std::vector<ControlText> writtenTexts() const {
        std::vector<ControlText> texts;
        for (const auto& [label, caption] : captions_) {
            texts.emplace_back(ControlName(label), caption);
        }
        for (const auto& [box, text] : written_) {
            texts.emplace_back(ControlName(box), text);
        }
        return texts;
    }

private:
    FieldTexts fields_;
    FieldTexts written_;
    std::map<ResultLabel, Text> captions_;
    KeptMessages& messages_;
};

// The waveform window's value boxes.
class WaveformWindowInMemory : public WaveformWindowOperations {
public:
    void obtainForm2() override {}
    void resetPlot() override {}
    void setCaption(SummaryLabel label, const Text& caption) override { values[label] = caption; }
    void showCancelled() override { values.clear(); }

    std::map<SummaryLabel, Text> values;
};

// A plot box that shows nothing: the screen drawing runs on it as on the window's, with the
// pixel columns of a plot about as wide as the window's.
class UnseenPlot : public PlotSurface {
public:
    void drawLine(const PlotLine&) override {}
    void showWindow() override {}
    PixelColumns columns() const override { return PixelColumns(PlotAxis{600, 1}); }
};

RunStatus StatusOf(const std::optional<RuntimeErrorKind>& fault, const KeptMessages& messages) {
    if (fault) {
        return {RunEnd::Faulted, messages.shown.back(), fault};
    }
    if (!messages.shown.empty()) {
        return {RunEnd::Refused, messages.shown.back(), std::nullopt};
    }
    return {};
}

// A run without an observer is never cancelled.
RunEnd EndOf(VerificationEnd end) {
    switch (end) {
    case VerificationEnd::Refused:
        return RunEnd::Refused;
    case VerificationEnd::NotConducting:
        return RunEnd::NotConducting;
    case VerificationEnd::Cancelled:
    case VerificationEnd::Faulted:
        return RunEnd::Faulted;
    case VerificationEnd::Drawn:
        return RunEnd::Done;
    }
    return RunEnd::Faulted;
}

} // namespace

const char* FaultName(RuntimeErrorKind kind) {
    switch (kind) {
    case RuntimeErrorKind::DivisionByZero:
        return "DivisionByZero";
    case RuntimeErrorKind::Overflow:
        return "Overflow";
    case RuntimeErrorKind::InvalidOperation:
        return "InvalidOperation";
    case RuntimeErrorKind::IndexOutOfRange:
        return "IndexOutOfRange";
    case RuntimeErrorKind::OutOfMemory:
        return "OutOfMemory";
    }
    return "RuntimeError";
}

// The fields' helps, in Italian, looked up in the catalogue where the options are added.
const std::vector<FieldOption>& DesignOptions() {
    static const std::vector<FieldOption> options{
        {"vi", TextBox::Text1, QT_TRANSLATE_NOOP("CliFields", "tensione di ingresso Vi, V")},
        {"vo", TextBox::Text2,
         QT_TRANSLATE_NOOP("CliFields", "valore assoluto della tensione di uscita Vo, V")},
        {"f-khz", TextBox::Text3,
         QT_TRANSLATE_NOOP("CliFields", "frequenza di commutazione f, kHz")},
        {"ripple-il-pct", TextBox::Text4,
         QT_TRANSLATE_NOOP("CliFields", "ondulazione della corrente nell'induttore, %")},
        {"ripple-vo-mv", TextBox::Text5,
         QT_TRANSLATE_NOOP("CliFields", "ondulazione della tensione di uscita, mV")},
        {"io", TextBox::Text6, QT_TRANSLATE_NOOP("CliFields", "corrente di uscita Io, A")},
    };
    return options;
}

const std::vector<FieldOption>& VerificationOptions() {
    static const std::vector<FieldOption> options{
        {"vi", TextBox::Text7, QT_TRANSLATE_NOOP("CliFields", "tensione di ingresso Vi, V")},
        {"d-pct", TextBox::Text8, QT_TRANSLATE_NOOP("CliFields", "Duty Cycle, %")},
        {"f-khz", TextBox::Text12,
         QT_TRANSLATE_NOOP("CliFields", "frequenza di commutazione f, kHz")},
        {"l-uh", TextBox::Text9, QT_TRANSLATE_NOOP("CliFields", "induttanza L, µH")},
        {"c-uf", TextBox::Text10, QT_TRANSLATE_NOOP("CliFields", "capacità C, µF")},
        {"rl", TextBox::Text11, QT_TRANSLATE_NOOP("CliFields", "resistenza di carico RL, Ω")},
        {"n", TextBox::Text13, QT_TRANSLATE_NOOP("CliFields", "numero dei campioni per periodo N"),
         "1000"},
        {"np", TextBox::Text14,
         QT_TRANSLATE_NOOP("CliFields", "numero dei periodi visualizzati NP"), "10"},
        {"ni", TextBox::Text15,
         QT_TRANSLATE_NOOP("CliFields", "numero delle iterazioni (periodi simulati) NI"), "5000"},
    };
    return options;
}

DesignRun RunDesign(const FieldTexts& fields) {
    DesignRun run;
    KeptMessages messages;
    MainWindowInMemory form1(fields, messages);
    const auto fault = RunGuarded(messages, [&] { CalculateDesign(run.m, form1, DecimalPoint); });
    run.status = StatusOf(fault, messages);
    run.texts = form1.writtenTexts();
    return run;
}

VerificationRun RunVerificationHeadless(const FieldTexts& fields) {
    VerificationRun run;
    KeptMessages messages;
    MainWindowInMemory form1(fields, messages);
    WaveformWindowInMemory form2;
    UnseenPlot plot;
    ScreenWaveformDrawing drawing(plot);
    const VerificationOutcome outcome =
        RunVerification(run.m, {form1, form2, drawing, DecimalPoint, nullptr});
    run.status.end = EndOf(outcome.end);
    run.status.fault = outcome.fault;
    if (!messages.shown.empty()) {
        run.status.message = messages.shown.back();
    }
    run.checked = outcome.circuit.has_value();
    for (const auto& [label, caption] : form2.values) {
        run.values.emplace_back(ControlName(label), caption);
    }
    return run;
}

VerificationRun ReadVerificationHeadless(const FieldTexts& fields) {
    VerificationRun run;
    KeptMessages messages;
    MainWindowInMemory form1(fields, messages);
    const auto fault =
        RunGuarded(messages, [&] { run.checked = ReadVerificationFields(run.m, form1); });
    run.checked = run.checked && !fault;
    run.status = StatusOf(fault, messages);
    return run;
}

NetlistRun RunNetlist(const FieldTexts& fields, const RealParts& parts) {
    const VerificationRun run = ReadVerificationHeadless(fields);
    if (run.status.end != RunEnd::Done) {
        return {run.status, {}};
    }
    // A transient of no period has no last period to measure.
    if (run.m.NI < 1) {
        const std::string refusal = CliText(
            "CliNetlist",
            QT_TRANSLATE_NOOP("CliNetlist", "Il numero delle iterazioni NI deve essere almeno 1!"));
        return {{RunEnd::Refused, TextFromUtf8(refusal), {}}, {}};
    }
    return {{}, SpiceNetlist(CircuitOf(run.m), parts, run.m.N, run.m.NI)};
}
