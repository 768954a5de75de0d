#include "app_fixture.h"
#include "ink.h"

#include <QRadioButton>
#include <QRegularExpression>

namespace {

using VerificationFlowTest = AppTest;

struct Band {
    Ink ink;
    double low;
    double high;
};

// Inside each trace's band, away from its zero line, which the frame draws in the same colour.
const Band bands[] = {{Ink::Red, 81.5, 99},
                      {Ink::Green, 71.5, 79.5},
                      {Ink::Green, 60.5, 68.5},
                      {Ink::Blue, 31, 48.5},
                      {Ink::Cyan, 1.5, 18.5}};

int InkInBand(const QImage& image, const Band& band) {
    return CountInk(image, band.ink, band.low, band.high);
}

TEST_F(VerificationFlowTest, SampleDataThenDesignFillsResultsAndLightBlueFields) {
    click("Command3");
    click("Command1");
    EXPECT_EQ(form1Text("Text1"), "15");
    EXPECT_EQ(form1Text("Text6"), "0.1");
    EXPECT_EQ(form1Text("Label24"), "7,99E+03");
    EXPECT_EQ(form1Text("Label32"), "1,67E-01");
    EXPECT_EQ(form1Text("Text8"), "6.250E+01");
    EXPECT_EQ(form1Text("Text13"), "1000");
    for (const char* name : {"Text7", "Text8", "Text9", "Text10", "Text11", "Text12"}) {
        EXPECT_EQ(control(app.form1(), name).palette().color(QPalette::Text), QColor(0, 0, 255))
            << name;
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(VerificationFlowTest, GraficiOpensTheWaveformWindowWithTracesInTheirBands) {
    runExample();
    ASSERT_NE(app.form2().window(), nullptr);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(form2().windowTitle(), "Forme d'onda reali");
    EXPECT_EQ(form2().parentWidget(), nullptr);
    const QRegularExpression localeNumber(QStringLiteral("^-?\\d,\\d\\dE[+-]\\d\\d$"));
    for (const char* name : {"Label2", "Label5", "Label8", "Label9", "Label16"}) {
        EXPECT_TRUE(localeNumber.match(control<QLabel>(form2(), name).text()).hasMatch()) << name;
    }
    const QImage plot = plotImage();
    for (const Band& band : bands) {
        EXPECT_GT(InkInBand(plot, band), 50) << band.low;
    }
    EXPECT_EQ(control(app.form1(), "Text7").palette().color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(VerificationFlowTest, ANewWindowShowsItsOwnNamesAndNoSelection) {
    click("Command3");
    click("Command1");
    type("Text7", "");
    click("Command2");
    EXPECT_EQ(app.form2().window(), nullptr) << "a refused run creates no window";
    app.form2().obtainForm2();
    for (const char* name : {"Label2", "Label5", "Label8", "Label9", "Label16"}) {
        EXPECT_EQ(control<QLabel>(form2(), name).text(), name);
    }
    for (const QRadioButton* option : form2().findChildren<QRadioButton*>()) {
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
    }
    EXPECT_TRUE(form2().plot().toolTip().isEmpty());
    EXPECT_FALSE(form2().isVisible());
}

TEST_F(VerificationFlowTest, ASecondRunReusesTheWindowAndAFailedOneLeavesTheFrameOnly) {
    runExample();
    WaveformWindow* first = &form2();
    type("Text14", "1");
    click("Command2");
    EXPECT_EQ(&form2(), first);
    type("Text15", "0"); // nothing simulated: the conduction check fails at once
    click("Command2");
    EXPECT_EQ(&form2(), first);
    ASSERT_EQ(messages.texts.size(), 1U);
    EXPECT_EQ(messages.texts[0], "Il Duty Cycle non può essere così basso, la corrente "
                                 "nell'induttore non può annullarsi, prova ad aumentare L ( "
                                 "anche di molto )!");
    const QImage plot = plotImage();
    for (const Band& band : bands) {
        EXPECT_EQ(InkInBand(plot, band), 0) << band.low;
    }
    EXPECT_GT(CountInk(plot, Ink::Red, 79.5, 80.5), plot.width() / 2) << "zero line";
}

TEST_F(VerificationFlowTest, ClosingDiscardsTheWindowAndTheNextRunOpensAFreshOne) {
    runExample();
    form2().select(TraceOption::Option3);
    form2().close();
    EXPECT_EQ(app.form2().window(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    click("Command2");
    ASSERT_NE(app.form2().window(), nullptr);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(form2().selection(), std::nullopt);
    EXPECT_GT(InkInBand(plotImage(), bands[0]), 50);
}

// A refused value and a runtime error each end the handler after one message.
TEST_F(VerificationFlowTest, AStoppedRunLeavesTheWaveformWindowUntouched) {
    struct Case {
        const char* field;
        const char* text;
        const char* message;
    };
    const Case cases[] = {
        {"Text8", "100",
         "Il Duty Cycle non può essere zero o negativo o maggiore o uguale al 100%!"},
        {"Text12", "1E306",
         "Errore di calcolo: un valore supera l'intervallo dei numeri rappresentabili "
         "(overflow)."}};
    runExample();
    const QImage before = plotImage();
    const QString caption = control<QLabel>(form2(), "Label8").text();
    for (const Case& c : cases) {
        const QString kept = form1Text(c.field);
        type(c.field, c.text);
        messages.texts.clear();
        click("Command2");
        EXPECT_EQ(messages.texts, std::vector<std::string>{c.message}) << c.field;
        EXPECT_EQ(plotImage(), before) << c.field;
        EXPECT_EQ(control<QLabel>(form2(), "Label8").text(), caption) << c.field;
        type(c.field, kept.toUtf8().constData());
    }
}

} // namespace
