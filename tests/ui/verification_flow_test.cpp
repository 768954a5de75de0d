#include "app_fixture.h"
#include "ink.h"

#include <QPointer>
#include <QRegularExpression>
#include <QTimer>
#include <QWindow>
#include <QtTest/QTest>
#include <algorithm>
#include <qpa/qwindowsysteminterface.h>

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

// Whether every text is a number in the "0.00E+00" format with the user's decimal comma.
bool AllLocaleNumbers(const QStringList& texts) {
    const QRegularExpression number(QStringLiteral("^-?\\d,\\d\\dE[+-]\\d\\d$"));
    return std::all_of(texts.begin(), texts.end(),
                       [&](const QString& text) { return number.match(text).hasMatch(); });
}

// A left click on a control as the window system delivers it: to the control's window, where
// a modal dialog of the application blocks it.
void UserClick(QWidget& target) {
    QWidget& window = *target.window();
    QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                      target.mapTo(&window, target.rect().center()));
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
    EXPECT_TRUE(AllLocaleNumbers(valueTexts())) << valueTexts().join(' ').toStdString();
    const QImage plot = plotImage();
    for (const Band& band : bands) {
        EXPECT_GT(InkInBand(plot, band), 50) << band.low;
    }
    EXPECT_EQ(control(app.form1(), "Text7").palette().color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(VerificationFlowTest, ARefusedFirstRunOpensNoWindow) {
    click("Command3");
    click("Command1");
    type("Text7", "");
    click("Command2");
    EXPECT_EQ(messages.texts.size(), 1U);
    EXPECT_EQ(app.form2().window(), nullptr);
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

// The user points at a trace, closes the window and runs the verification again: a new
// window opens with its own names in the value boxes while the simulation runs (its progress
// lets a timer look in), no button selected and no tool tip, and the values at the end.
TEST_F(VerificationFlowTest, ClosingDiscardsTheWindowAndTheNextRunOpensAFreshOne) {
    runExample();
    moveTo(10, 10);
    ASSERT_EQ(form2().selection(), Trace::InductorCurrent);
    ASSERT_FALSE(form2().plot().toolTip().isEmpty());
    const QPointer<WaveformWindow> first = &form2();
    first->windowHandle()->close(); // as the close button of its frame does
    EXPECT_EQ(app.form2().window(), nullptr);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull()) << "the closed window is discarded";

    QStringList whileRunning;
    QTimer::singleShot(0, [&] { whileRunning = valueTexts(); });
    click("Command2");
    ASSERT_NE(app.form2().window(), nullptr);
    EXPECT_TRUE(form2().isVisible());
    EXPECT_EQ(whileRunning, QStringList({"Label2", "Label5", "Label8", "Label9", "Label16"}));
    EXPECT_EQ(form2().selection(), std::nullopt);
    EXPECT_TRUE(form2().plot().toolTip().isEmpty());
    EXPECT_TRUE(AllLocaleNumbers(valueTexts())) << valueTexts().join(' ').toStdString();
    EXPECT_GT(InkInBand(plotImage(), bands[0]), 50);
}

// A run long enough to show its progress dialog: while it goes on, a click on "Grafici"
// reaches neither the button nor a second run; "Annulla" stops it. The same click afterwards
// reaches the button and starts a verification.
TEST_F(VerificationFlowTest, WhileALongRunGoesOnNoOtherClickGetsThrough) {
    app.form1().show();
    click("Command3");
    click("Command1");
    // A huge capacitor settles so slowly that no period repeats an earlier one: every one of
    // the many periods is simulated.
    type("Text10", "100000");
    type("Text15", "1000000");
    auto& grafici = control<QPushButton>(app.form1(), "Command2");
    EventCounter presses(QEvent::MouseButtonPress);
    grafici.installEventFilter(&presses);
    int pressesWhileRunning = -1;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        QProgressDialog* progress = OpenProgressDialog();
        if (progress == nullptr || pressesWhileRunning >= 0) {
            return;
        }
        UserClick(grafici);
        pressesWhileRunning = presses.count;
        UserClick(*progress->findChild<QPushButton*>()); // "Annulla"
    });
    watch.start(10);
    click("Command2");
    watch.stop();
    EXPECT_EQ(pressesWhileRunning, 0) << "-1: the progress dialog never appeared";
    EXPECT_LT(variables.Iter, 1000000) << "stopped by Annulla";
    type("Text7", ""); // the next run is refused at once
    messages.texts.clear();
    UserClick(grafici);
    EXPECT_EQ(presses.count, 1);
    EXPECT_EQ(messages.texts.size(), 1U);
}

// A run keeps the event loop turning; a click that arrives meanwhile by another way than the
// user's input (here a timer) must not start a second handler inside the first: it waits, and
// the clicks are handled after the run, in their order.
TEST_F(VerificationFlowTest, NoHandlerStartsInsideARunningOne) {
    click("Command3");
    click("Command1");
    type("Text8", "1"); // too low a duty cycle: the inductor current vanishes, one message
    int clicksDuringRun = 0;
    QTimer::singleShot(0, &app.form1(), [&] {
        ++clicksDuringRun;
        type("Text7", ""); // the deferred verification is refused at once
        click("Command2");
        click("Command3");
    });
    click("Command2");
    EXPECT_EQ(clicksDuringRun, 1);
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0].rfind("Il Duty Cycle non può essere così basso", 0), 0u);
    EXPECT_EQ(form1Text("Text7"), "") << "no handler ran inside the first";
    QApplication::processEvents();
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1], "Hai dimenticato di scrivere la tensione di ingresso Vi");
    EXPECT_EQ(form1Text("Text1"), "15") << "the sample data came after the refused run";
}

// A left click on a control as the window system queues it: it waits until the event loop
// next takes user input.
void QueuedUserClick(QWidget& target) {
    QWidget& window = *target.window();
    const qreal ratio = window.devicePixelRatio();
    const QPointF local = QPointF(target.mapTo(&window, target.rect().center())) * ratio;
    const QPointF global = QPointF(window.mapToGlobal(local / ratio)) * ratio;
    using Queue = QWindowSystemInterface;
    Queue::handleMouseEvent<Queue::AsynchronousDelivery>(window.windowHandle(), local, global,
                                                         Qt::LeftButton, Qt::LeftButton,
                                                         QEvent::MouseButtonPress);
    Queue::handleMouseEvent<Queue::AsynchronousDelivery>(window.windowHandle(), local, global,
                                                         Qt::NoButton, Qt::LeftButton,
                                                         QEvent::MouseButtonRelease);
}

// A click on "Grafici" made while a run goes on, before its progress dialog opens, is handled
// once that run has ended: not inside it, and not lost to the dialog that opens meanwhile.
TEST_F(VerificationFlowTest, AClickMadeBeforeTheProgressDialogIsHandledAfterTheRun) {
    app.form1().show();
    click("Command3");
    click("Command1");
    type("Text10", "100000"); // every one of the many periods is simulated
    type("Text15", "1000000");
    auto& grafici = control<QPushButton>(app.form1(), "Command2");
    QTimer::singleShot(0, &app.form1(), [&] { QueuedUserClick(grafici); });
    bool dialogSeen = false;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, [&] {
        if (QProgressDialog* progress = OpenProgressDialog(); progress && !dialogSeen) {
            dialogSeen = true;
            type("Text7", ""); // the click's run is refused at once, with one message
            progress->cancel();
        }
    });
    watch.start(10);
    click("Command2");
    watch.stop();
    ASSERT_TRUE(dialogSeen);
    EXPECT_TRUE(messages.texts.empty()) << "no second run inside the first";
    QApplication::processEvents();
    EXPECT_EQ(messages.texts,
              std::vector<std::string>{"Hai dimenticato di scrivere la tensione di ingresso Vi"});
}

// The window may go while a run keeps the event loop turning: the run ends without it.
TEST_F(VerificationFlowTest, ARunOutlivesItsClosedWindow) {
    runExample();
    QTimer::singleShot(0, &app.form1(), [&] { form2().close(); });
    click("Command2");
    EXPECT_EQ(app.form2().window(), nullptr);
    EXPECT_TRUE(messages.texts.empty());
    click("Command2");
    ASSERT_NE(app.form2().window(), nullptr);
    EXPECT_TRUE(AllLocaleNumbers(valueTexts()));
}

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
