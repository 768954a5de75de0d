#include "app_fixture.h"
#include "cli/headless_run.h"
#include "cli/report.h"
#include "ui/analysis_window.h"

#include <QAction>
#include <QLabel>
#include <cstring>

// The command line runs the same handlers as the windows on fields held in memory: for the same
// texts, every shared variable, sample and text it keeps must be the windows' own, to the bit.

namespace {

class CommandLineAgreementTest : public testing::Test {
protected:
    MessageRecorder messages;
    FileChooserStub files;
    Module1 variables;
    ConverterApp app{variables, messages, files, u'.'};

    QString shown(QWidget& window, const std::string& name) {
        const auto* control = Named(window, name);
        return control ? control->property("text").toString() : QStringLiteral("(missing)");
    }
    FieldTexts fieldTexts(const std::vector<FieldOption>& options) {
        FieldTexts texts;
        for (const FieldOption& option : options) {
            texts[option.box] = app.form1().field(option.box).text().toStdU16String();
        }
        return texts;
    }
};

// Equal as stored: a NaN or the sign of a zero counts.
bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

using Member = std::pair<const char*, double Module1::*>;

// What the design leaves in the shared variables.
const Member designed[] = {{"Vi", &Module1::Vi},  {"Vo", &Module1::Vo},   {"f", &Module1::f},
                           {"D", &Module1::D},    {"L", &Module1::L},     {"C", &Module1::C},
                           {"RL", &Module1::RL},  {"IDP", &Module1::IDP}, {"IDm", &Module1::IDm},
                           {"Iim", &Module1::Iim}};

// What the verification reads, measures and simulates.
const Member verified[] = {{"Vi", &Module1::Vi},
                           {"f", &Module1::f},
                           {"D", &Module1::D},
                           {"L", &Module1::L},
                           {"C", &Module1::C},
                           {"RL", &Module1::RL},
                           {"DeltaiLSim", &Module1::DeltaiLSim},
                           {"DeltaVoSim", &Module1::DeltaVoSim},
                           {"IDPSim", &Module1::IDPSim},
                           {"IdmSim", &Module1::IdmSim},
                           {"IimSim", &Module1::IimSim},
                           {"iLMax", &Module1::iLMax},
                           {"VoMin", &Module1::VoMin},
                           {"dt", &Module1::dt}};

template <std::size_t Count>
void ExpectSame(const Module1& window, const Module1& line, const Member (&members)[Count]) {
    for (const auto& [name, member] : members) {
        EXPECT_TRUE(SameBits(window.*member, line.*member))
            << name << ": " << window.*member << " against " << line.*member;
    }
}

void ExpectSameRun(const Module1& window, const Module1& line) {
    ExpectSame(window, line, verified);
    EXPECT_EQ(window.iL_t, line.iL_t);
    EXPECT_EQ(window.Vo_t, line.Vo_t);
    EXPECT_EQ(window.iC_t, line.iC_t);
    EXPECT_EQ(window.id_t, line.id_t);
}

TEST_F(CommandLineAgreementTest, DesignedSampleConverterGivesTheWindowsNumbersAndTexts) {
    app.form1().command3().click();
    const DesignRun design = RunDesign(fieldTexts(DesignOptions()));
    app.form1().command1().click();
    ASSERT_EQ(design.status.end, RunEnd::Done);
    ExpectSame(variables, design.m, designed);
    ASSERT_EQ(design.texts.size(), 11u); // five results, six verification fields
    for (const auto& [name, text] : design.texts) {
        EXPECT_EQ(shown(app.form1(), name), QString::fromStdU16String(text)) << name;
    }

    const VerificationRun run = RunVerificationHeadless(fieldTexts(VerificationOptions()));
    app.form1().command2().click();
    ASSERT_EQ(run.status.end, RunEnd::Done);
    ExpectSameRun(variables, run.m);
    ASSERT_EQ(run.values.size(), 5u);
    for (const auto& [name, text] : run.values) {
        EXPECT_EQ(shown(*app.form2().window(), name), QString::fromStdU16String(text)) << name;
    }
}

TEST_F(CommandLineAgreementTest, WorkedExampleGivesTheWindowsNumbersAndTexts) {
    const std::pair<TextBox, const char*> typed[] = {
        {TextBox::Text7, "15"},    {TextBox::Text8, "62.5"}, {TextBox::Text12, "11"},
        {TextBox::Text9, "400"},   {TextBox::Text10, "60"},  {TextBox::Text11, "25"},
        {TextBox::Text13, "1000"}, {TextBox::Text14, "10"},  {TextBox::Text15, "5000"}};
    for (const auto& [box, text] : typed) {
        app.form1().field(box).setText(QString::fromUtf8(text));
    }
    const VerificationRun run = RunVerificationHeadless(fieldTexts(VerificationOptions()));
    app.form1().command2().click();
    ASSERT_EQ(run.status.end, RunEnd::Done);
    ExpectSameRun(variables, run.m);
    for (const auto& [name, text] : run.values) {
        EXPECT_EQ(shown(*app.form2().window(), name), QString::fromStdU16String(text)) << name;
    }
}

// Just above the closed-form critical inductance (159.8 uH) the exact steady state is
// discontinuous: the window, its report and the command line all give the mode of the exact
// solution, and no right-half-plane zero with it.
class BoundaryAgreementTest : public AppTest {};

TEST_F(BoundaryAgreementTest, TheRightHalfPlaneZeroNearTheBoundaryIsTheSameEverywhere) {
    const std::pair<const char*, const char*> typed[] = {
        {"Text7", "15"},  {"Text8", "62.5"},  {"Text12", "11"}, {"Text9", "161"},  {"Text10", "60"},
        {"Text11", "25"}, {"Text13", "1000"}, {"Text14", "10"}, {"Text15", "5000"}};
    FieldTexts fields;
    for (const auto& [name, text] : typed) {
        type(name, text);
    }
    for (const FieldOption& option : VerificationOptions()) {
        fields[option.box] = app.form1().field(option.box).text().toStdU16String();
    }
    const VerificationRun run = RunVerificationHeadless(fields);
    const Report line = AnalysisReport(run, AnalyseRun(run)).at("analyze");
    EXPECT_EQ(line.at("ccm").at("mode"), "DCM");
    EXPECT_TRUE(line.at("rhp_zero_Hz").is_null());

    click("Command2");
    control<QAction>(form2(), "actionAnalysis").trigger();
    AnalysisWindow* window = nullptr;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        if (auto* analysis = qobject_cast<AnalysisWindow*>(top);
            analysis && analysis->isVisible()) {
            window = analysis;
        }
    }
    ASSERT_NE(window, nullptr);
    const QString mode = control<QLabel>(*window, "ModeLabel").text();
    EXPECT_TRUE(mode.contains("DCM")) << mode.toStdString();
    EXPECT_FALSE(mode.contains("semipiano destro")) << mode.toStdString();
    // The report's table and mode line are the window's.
    EXPECT_TRUE(window->text().contains(mode));
    EXPECT_TRUE(control<QLabel>(*window, "WarningsLabel").text().contains("Vicino al confine"));
}

} // namespace
