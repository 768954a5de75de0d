#include "app_fixture.h"
#include "figure/language.h"

#include <QAbstractButton>
#include <QRadioButton>
#include <span>

namespace {

// Where the layout puts a control: left, top, width and height in twips from the top-left
// corner of the client area. A plain label or option button (no background, no border) may
// grow to the right and down to hold its text in the tool's typeface; every other control
// keeps its box exactly.
struct Place {
    const char* name;
    int left;
    int top;
    int width;
    int height;
    bool grows = false;
};
constexpr bool Grows = true;

const Place form1Places[] = {
    {"Label2", 240, 120, 4815, 495, Grows},     {"Picture1", 240, 720, 9615, 5175},
    {"Label1", 11280, 360, 2055, 255, Grows},   {"Label3", 10680, 720, 375, 375, Grows},
    {"Text1", 11280, 720, 2055, 375},           {"Label4", 13440, 720, 735, 375, Grows},
    {"Label5", 10680, 1200, 495, 375, Grows},   {"Text2", 11280, 1200, 2055, 375},
    {"Label6", 13440, 1200, 735, 375, Grows},   {"Label7", 10800, 1680, 255, 255, Grows},
    {"Text3", 11280, 1680, 2055, 375},          {"Label8", 13440, 1680, 735, 255, Grows},
    {"Label9", 10320, 2160, 135, 255, Grows},   {"Label11", 10440, 2160, 735, 255, Grows},
    {"Text4", 11280, 2160, 2055, 375},          {"Label10", 13440, 2160, 495, 375, Grows},
    {"Label12", 10680, 2640, 255, 255, Grows},  {"Label13", 10800, 2640, 375, 375, Grows},
    {"Text5", 11280, 2640, 2055, 375},          {"Label14", 13440, 2640, 615, 375, Grows},
    {"Label17", 10800, 3120, 375, 375, Grows},  {"Text6", 11280, 3120, 2055, 375},
    {"Label18", 13440, 3120, 495, 375, Grows},  {"Label15", 11280, 3720, 255, 255, Grows},
    {"Label16", 11400, 3720, 1695, 375, Grows}, {"Command3", 13920, 3720, 1455, 495},
    {"Label19", 11280, 4080, 2175, 255, Grows}, {"Label20", 10800, 4440, 255, 255, Grows},
    {"Label24", 11280, 4440, 2055, 375},        {"Label21", 13440, 4440, 615, 375, Grows},
    {"Label22", 10800, 4920, 375, 375, Grows},  {"Label25", 11280, 4920, 2055, 375},
    {"Label23", 13440, 4920, 495, 375, Grows},  {"Label28", 10800, 5400, 375, 255, Grows},
    {"Label26", 11280, 5400, 2055, 375},        {"Label29", 13440, 5400, 375, 375, Grows},
    {"Label31", 10800, 5880, 375, 255, Grows},  {"Label27", 11280, 5880, 2055, 375},
    {"Label30", 13440, 5880, 495, 375, Grows},  {"Label33", 10800, 6360, 375, 255, Grows},
    {"Label32", 11280, 6360, 2055, 375},        {"Label34", 13440, 6360, 495, 375, Grows},
    {"Command1", 10920, 6840, 2895, 495},       {"Label35", 1800, 6000, 1575, 255, Grows},
    {"Label36", 1440, 6480, 255, 255, Grows},   {"Text7", 1800, 6360, 1935, 375},
    {"Label37", 3840, 6480, 375, 255, Grows},   {"Label46", 1440, 6960, 135, 255, Grows},
    {"Text12", 1800, 6840, 1935, 375},          {"Label47", 3840, 6840, 735, 255, Grows},
    {"Label38", 1440, 7440, 255, 255, Grows},   {"Text8", 1800, 7320, 1935, 375},
    {"Label39", 3840, 7320, 495, 375, Grows},   {"Label40", 1440, 8040, 255, 255, Grows},
    {"Text9", 1800, 7920, 1935, 375},           {"Label43", 3840, 7920, 615, 375, Grows},
    {"Label41", 1440, 8640, 255, 255, Grows},   {"Text10", 1800, 8520, 1935, 375},
    {"Label44", 3840, 8520, 495, 375, Grows},   {"Label42", 1440, 9120, 255, 255, Grows},
    {"Text11", 1800, 9000, 1935, 375},          {"Label45", 3840, 9000, 375, 255, Grows},
    {"Label48", 5040, 6360, 255, 255, Grows},   {"Text13", 5400, 6360, 1935, 375},
    {"Label56", 7440, 6480, 1935, 255, Grows},  {"Label49", 5040, 6840, 255, 255, Grows},
    {"Text14", 5400, 6840, 1935, 375},          {"Label57", 7440, 6960, 2655, 255, Grows},
    {"Label64", 5040, 7320, 255, 255, Grows},   {"Text15", 5400, 7320, 1935, 375},
    {"Label65", 7440, 7320, 1695, 255, Grows},  {"Command2", 1800, 9600, 1935, 495},
    {"Label66", 360, 9720, 1215, 255, Grows},   {"Label50", 5040, 7800, 3375, 255, Grows},
    {"Label51", 5040, 8160, 4095, 375, Grows},  {"Label52", 5040, 8640, 2775, 255, Grows},
    {"Label53", 5040, 9000, 5055, 255, Grows},  {"Label54", 5040, 9360, 4815, 255, Grows},
    {"Label55", 5040, 9720, 2775, 255, Grows},  {"Label58", 5040, 10080, 5055, 255, Grows},
    {"Label59", 10320, 7680, 5055, 255, Grows}, {"Label60", 10320, 8040, 5175, 255, Grows},
    {"Label61", 10320, 8400, 4815, 255, Grows}, {"Label62", 10320, 8760, 5415, 255, Grows},
    {"Label63", 10320, 9120, 4455, 255, Grows}, {"Label67", 13680, 9720, 1575, 285},
};

const Place form2Places[] = {
    {"Picture1", 120, 120, 15015, 9135},        {"Picture2", 16800, 6480, 495, 375},
    {"Option1", 15360, 1800, 975, 375, Grows},  {"Option2", 15360, 2640, 735, 495, Grows},
    {"Option3", 15360, 4440, 735, 615, Grows},  {"Option5", 15240, 9000, 735, 495, Grows},
    {"Label3", 15240, 1320, 735, 255, Grows},   {"Label2", 16080, 1200, 1575, 375},
    {"Label4", 17760, 1320, 255, 255, Grows},   {"Label6", 15240, 5880, 855, 255, Grows},
    {"Label5", 16200, 5760, 1575, 375},         {"Label7", 17880, 5760, 495, 255, Grows},
    {"Label10", 15240, 8040, 735, 255, Grows},  {"Label8", 16200, 8040, 1575, 375},
    {"Label11", 18000, 8040, 255, 255, Grows},  {"Label12", 15240, 8640, 735, 255, Grows},
    {"Label9", 16200, 8520, 1575, 375},         {"Label13", 18000, 8520, 255, 255, Grows},
    {"Label14", 13560, 9480, 2655, 255, Grows}, {"Label16", 16320, 9360, 1575, 375},
    {"Label15", 18000, 9480, 255, 255, Grows},  {"Label1", 120, 9480, 8655, 375, Grows},
};

// At 96 dpi a twip is 1/15 of a pixel; every place of the layout is a whole number of pixels.
QRect Pixels(const Place& place) {
    return {place.left / 15, place.top / 15, place.width / 15, place.height / 15};
}

// The tool's typeface has the widths the layout was sized for, so a plain control grows by a
// few pixels at most; more would mean a wider typeface or a box that no longer fits the text.
constexpr int mostGrowth = 4;

// Every control of the window, and nothing else, stands at its place. A plain control may
// grow a little, but never so far that it meets a control the layout keeps apart from it.
void ExpectPlaces(QWidget& window, std::span<const Place> places) {
    ASSERT_EQ(window.findChildren<QWidget*>(Qt::FindDirectChildrenOnly).size(),
              qsizetype(places.size()))
        << NameOf(window);
    const auto geometryOf = [&](const Place& place) {
        const auto* control = window.findChild<QWidget*>(place.name, Qt::FindDirectChildrenOnly);
        return control != nullptr ? control->geometry() : QRect();
    };
    for (const Place& place : places) {
        const QRect box = Pixels(place);
        const QRect actual = geometryOf(place);
        if (!place.grows) {
            EXPECT_EQ(actual, box) << place.name;
            continue;
        }
        const QRect mostRoom = box.adjusted(0, 0, mostGrowth, mostGrowth);
        EXPECT_TRUE(actual.contains(box) && mostRoom.contains(actual))
            << place.name << " at " << testing::PrintToString(actual);
        for (const Place& other : places) {
            if (&other != &place && !box.intersects(Pixels(other))) {
                EXPECT_FALSE(actual.intersects(geometryOf(other)))
                    << place.name << " grows over " << other.name;
            }
        }
    }
}

// Every text of a label or button is readable whole inside its control.
void ExpectTextsFit(QWidget& window) {
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        if (label->text().isEmpty()) {
            continue;
        }
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0);
        const QRect room = label->contentsRect();
        EXPECT_TRUE(room.contains(label->fontMetrics().boundingRect(room, flags, label->text())))
            << NameOf(*label);
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        EXPECT_LE(button->sizeHint().width(), button->width()) << NameOf(*button);
        EXPECT_LE(button->sizeHint().height(), button->height()) << NameOf(*button);
    }
}

// The controls that the Tab key visits, from `first` round to it again.
QString FocusChain(QWidget& first) {
    QStringList order;
    QWidget* widget = &first;
    do {
        if (widget->focusPolicy() & Qt::TabFocus) {
            order << widget->objectName();
        }
        widget = widget->nextInFocusChain();
    } while (widget != &first);
    return order.join(' ');
}

using WindowLayoutTest = AppTest;

// The main window as it opens, then both windows with the worked example's texts in them.
TEST_F(WindowLayoutTest, EveryControlStandsAtItsPlaceAndShowsItsWholeText) {
    ASSERT_EQ(app.form1().logicalDpiX(), 96);
    ExpectPlaces(app.form1().clientArea(), form1Places);
    ExpectTextsFit(app.form1());
    EXPECT_EQ(app.form1().clientArea().size(), QSize(15870 / 15, 10365 / 15));
    runExample();
    ExpectTextsFit(app.form1());
    ExpectPlaces(form2().clientArea(), form2Places);
    ExpectTextsFit(form2());
    EXPECT_EQ(form2().clientArea().size(), QSize(18555 / 15, 10005 / 15));
}

// The windows in English, chosen after they opened in Italian; back in Italian at the end.
class EnglishWindowLayoutTest : public AppTest {
protected:
    void SetUp() override { show(Language::English); }
    void TearDown() override { show(Language::Italian); }
    static void show(Language language) {
        UseLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
};

// In English every control keeps its place and size, and every English text fits its box.
TEST_F(EnglishWindowLayoutTest, EveryControlKeepsItsPlaceAndShowsItsWholeEnglishText) {
    ExpectPlaces(app.form1().clientArea(), form1Places);
    ExpectTextsFit(app.form1());
    EXPECT_EQ(form1Text("Command3"), "Sample Data");
    runExample();
    ExpectPlaces(app.form1().clientArea(), form1Places);
    ExpectTextsFit(app.form1());
    ExpectPlaces(form2().clientArea(), form2Places);
    ExpectTextsFit(form2());
    EXPECT_EQ(form2().windowTitle(), "Real waveforms");
}

// Back in Italian, every text is the layout's again and every control stands at its place.
TEST_F(EnglishWindowLayoutTest, ItalianAgainRestoresEveryText) {
    runExample();
    show(Language::Italian);
    ExpectPlaces(app.form1().clientArea(), form1Places);
    ExpectPlaces(form2().clientArea(), form2Places);
    EXPECT_EQ(form1Text("Command3"), "Dati Esempio");
    EXPECT_EQ(form1Text("Label66"), "Attendere!");
    EXPECT_EQ(app.form1().windowTitle(), "Convertitore step down");
    EXPECT_EQ(form2().windowTitle(), "Forme d'onda reali");
    EXPECT_EQ(control(form2(), "Option1").accessibleName(), "iL(t), corrente nell'induttore");
}

TEST_F(WindowLayoutTest, TheLongLegendLineWrapsOntoTwoLines) {
    const QLabel& legend = control<QLabel>(app.form1(), "Label51");
    const QFontMetrics metrics = legend.fontMetrics();
    const QRect needed = metrics.boundingRect(QRect(0, 0, legend.width(), 1000),
                                              Qt::AlignLeft | Qt::TextWordWrap, legend.text());
    const QRect twoLines = metrics.boundingRect(QRect(0, 0, legend.width(), 1000), Qt::AlignLeft,
                                                QStringLiteral("x\nx"));
    EXPECT_EQ(needed.height(), twoLines.height());
}

TEST_F(WindowLayoutTest, FocusStartsOnThePictureAndFollowsTheLayoutOrder) {
    QWidget& schematic = control(app.form1(), "Picture1");
    EXPECT_EQ(app.form1().focusWidget(), &schematic);
    EXPECT_EQ(FocusChain(schematic), "Picture1 Text1 Text2 Text3 Text4 Text5 Text6 Command1 Text7 "
                                     "Text8 Text9 Text10 Text11 Text12 Command2 Text13 Text14 "
                                     "Command3 Text15");
    runExample();
    EXPECT_EQ(form2().focusWidget(), &form2().plot());
    EXPECT_EQ(FocusChain(form2().plot()), "Picture1 Option1 Option2 Option3 Option5");
    EXPECT_TRUE(control(form2(), "Picture2").isHidden());
}

// Each trace's button is named, coloured and described as the trace table gives the trace, and
// selecting a trace checks its button.
TEST_F(WindowLayoutTest, EachTraceButtonShowsItsTraceAsTheTraceTableGivesIt) {
    struct Case {
        const char* button;
        Trace trace;
        const char* caption;
        QRgb colour;
        const char* accessibleName;
    };
    const Case cases[] = {
        {"Option1", Trace::InductorCurrent, "iL(t)", qRgb(255, 0, 0),
         "iL(t), corrente nell'induttore"},
        {"Option2", Trace::CapacitorCurrent, "iC(t)", qRgb(0, 255, 0),
         "iC(t), corrente nel condensatore"},
        {"Option3", Trace::OutputVoltage, "Vo(t)", qRgb(0, 0, 255), "Vo(t), tensione di uscita"},
        {"Option5", Trace::DiodeCurrent, "id(t)", qRgb(0, 255, 255), "id(t), corrente nel diodo"},
    };
    WaveformWindow window;
    for (const Case& c : cases) {
        auto& button = control<QRadioButton>(window, c.button);
        EXPECT_EQ(button.text(), c.caption);
        EXPECT_EQ(button.palette().color(QPalette::WindowText), QColor(c.colour)) << c.button;
        EXPECT_EQ(button.accessibleName(), QString::fromUtf8(c.accessibleName));
        window.select(c.trace);
        EXPECT_TRUE(button.isChecked()) << c.button;
        EXPECT_EQ(window.selection(), c.trace) << c.button;
    }
}

TEST_F(WindowLayoutTest, ResizingMovesNoControl) {
    runExample();
    // The windows' menu bars and client areas follow the window; the controls stay.
    const std::pair<QWidget*, QWidget*> windows[] = {{&app.form1(), &app.form1().clientArea()},
                                                     {&form2(), &form2().clientArea()}};
    for (const auto& [window, area] : windows) {
        const QList<QWidget*> controls = area->findChildren<QWidget*>();
        std::vector<QRect> before;
        for (const QWidget* widget : controls) {
            before.push_back(widget->geometry());
        }
        window->resize(1500, 900);
        window->resize(400, 300);
        for (std::size_t k = 0; k < before.size(); ++k) {
            EXPECT_EQ(controls[k]->geometry(), before[k]) << NameOf(*controls[k]);
        }
    }
}

} // namespace
