#include "app_fixture.h"
#include "figure/language.h"
#include "ui/chart_view.h"
#include "ui/frequency_response_window.h"
#include "ui/standard_values_dialog.h"
#include "ui/tolerance_window.h"

#include <QAbstractAxis>
#include <QAction>
#include <QChart>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QSignalSpy>
#include <QTableWidget>
#include <functional>
#include <set>

namespace {

// One word the window shows: where (the control and what of it) and the text.
struct Word {
    std::string place;
    QString text;
};

bool InsideChartView(const QWidget& widget) {
    for (const QWidget* w = widget.parentWidget(); w != nullptr; w = w->parentWidget()) {
        if (qobject_cast<const ChartView*>(w) != nullptr) {
            return true;
        }
    }
    return false;
}

std::string PlaceOf(const QWidget& widget, int index, const char* what) {
    const std::string name = widget.objectName().isEmpty()
                                 ? widget.metaObject()->className() + std::to_string(index)
                                 : NameOf(widget);
    return name + "." + what;
}

// The words of one control of the window: texts, titles, accessible names, items, headings.
void AddWordsOf(const QWidget& widget, int index, std::vector<Word>& words) {
    const auto add = [&](const char* what, const QString& text) {
        if (!text.isEmpty()) {
            words.push_back({PlaceOf(widget, index, what), text});
        }
    };
    add("accessibleName", widget.accessibleName());
    if (const auto* label = qobject_cast<const QLabel*>(&widget)) {
        add("text", label->text());
    } else if (const auto* button = qobject_cast<const QAbstractButton*>(&widget)) {
        add("text", button->text());
    } else if (const auto* group = qobject_cast<const QGroupBox*>(&widget)) {
        add("title", group->title());
    } else if (const auto* box = qobject_cast<const QComboBox*>(&widget)) {
        for (int k = 0; k < box->count(); ++k) {
            add("item", box->itemText(k));
        }
    } else if (const auto* table = qobject_cast<const QTableWidget*>(&widget)) {
        for (int c = 0; c < table->columnCount(); ++c) {
            add("heading", table->horizontalHeaderItem(c)->text());
        }
    }
}

// Every word `window` shows, in the order of its controls: its title, its controls' words and
// its charts' titles and axis titles. The chart views' own buttons and tables are left to
// the chart view's room.
std::vector<Word> WordsOf(const QWidget& window) {
    std::vector<Word> words{{"windowTitle", window.windowTitle()}};
    int index = 0;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        ++index;
        if (!InsideChartView(*widget) && qobject_cast<const ChartView*>(widget) == nullptr) {
            AddWordsOf(*widget, index, words);
        }
    }
    for (ChartView* view : window.findChildren<ChartView*>()) {
        words.push_back({NameOf(*view) + ".title", view->chart().title()});
        for (const QAbstractAxis* axis : view->chart().axes()) {
            words.push_back({NameOf(*view) + ".axis", axis->titleText()});
        }
    }
    return words;
}

// Texts that are symbols and units, the same in both languages.
const std::set<QString> Symbols{
    "&fc [Hz]",    "&PM [°]",      "&Vm [V]",     "R&1 [kΩ]", "FR&A", "Vi",  "f",   "L",   "C",
    "RL",          "rDS",          "DCR",         "ESR",      "Vf",   "rD",  "ΔiL", "ΔVo", "IDP",
    "ΔiL max [A]", "ΔVo max [mV]", "IDP max [A]", "E6",       "E12",  "E24", "E48", "E96"};

class EnglishToolsTest : public AppTest {
protected:
    void TearDown() override { show(Language::Italian); }
    static void show(Language language) {
        UseLanguage(language);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    }
    template <typename Window> Window* openFromForm2(const char* action) {
        runExample();
        control<QAction>(form2(), action).trigger();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* tool = qobject_cast<Window*>(window); tool && tool->isVisible()) {
                return tool;
            }
        }
        return nullptr;
    }
    // The frequency-response window with a Type II compensator for 68.6 Hz and 60 °.
    QWidget* openFrequencyResponse() {
        auto* window = openFromForm2<FrequencyResponseWindow>("actionFrequencyResponse");
        if (window != nullptr) {
            control<QComboBox>(*window, "CompensatorType").setCurrentIndex(1);
            control<QLineEdit>(*window, "CrossoverField").setText("68.6");
            control<QPushButton>(*window, "CompensateButton").click();
        }
        return window;
    }
    // The tolerance window after an analysis, with a refusal in its status line.
    QWidget* openTolerances() {
        auto* window = openFromForm2<ToleranceWindow>("actionTolerances");
        if (window == nullptr) {
            return nullptr;
        }
        control<QLineEdit>(*window, "SamplesField").setText("200");
        QSignalSpy ended(window, &ToleranceWindow::analysisEnded);
        control<QPushButton>(*window, "RunButton").click();
        if (!QTest::qWaitFor([&] { return ended.count() == 1; }, 30000)) {
            ADD_FAILURE() << "the analysis did not end";
        }
        control<QLineEdit>(*window, "SeedField").setText("x");
        control<QPushButton>(*window, "RunButton").click();
        return window;
    }
    QWidget* openStandardValues() {
        click("Command3");
        click("Command1");
        control<QAction>(app.form1(), "actionStandardValues").trigger();
        return app.form1().findChild<StandardValuesDialog*>();
    }
};

struct ToolCase {
    const char* name;
    std::function<QWidget*()> open;
    // Words from display/ and core/, translated there: they may stay as they are here.
    std::set<std::string> elsewhere;
};

// While each tool is open, English changes every word but symbols and units, and Italian
// brings back every word byte for byte; opened in English, each tool says the same.
TEST_F(EnglishToolsTest, EveryWordOfTheToolsChangesWithTheLanguageWhileOpen) {
    const ToolCase cases[] = {
        {"frequency response", [this] { return openFrequencyResponse(); }, {"WarningsLabel.text"}},
        {"tolerances", [this] { return openTolerances(); }, {}},
        {"standard values", [this] { return openStandardValues(); }, {}},
    };
    for (const ToolCase& c : cases) {
        SCOPED_TRACE(c.name);
        QWidget* window = c.open();
        ASSERT_NE(window, nullptr);
        const std::vector<Word> italian = WordsOf(*window);
        show(Language::English);
        const std::vector<Word> english = WordsOf(*window);
        ASSERT_EQ(english.size(), italian.size());
        for (std::size_t k = 0; k < italian.size(); ++k) {
            EXPECT_EQ(english[k].place, italian[k].place);
            if (!Symbols.contains(italian[k].text) && !c.elsewhere.contains(italian[k].place)) {
                EXPECT_NE(english[k].text, italian[k].text) << italian[k].place;
            }
        }
        show(Language::Italian);
        const std::vector<Word> again = WordsOf(*window);
        ASSERT_EQ(again.size(), italian.size());
        for (std::size_t k = 0; k < italian.size(); ++k) {
            EXPECT_EQ(again[k].text, italian[k].text) << italian[k].place;
        }
        window->close();
        // Opened in English, the tool says what it said when switched while open.
        show(Language::English);
        QWidget* opened = c.open();
        ASSERT_NE(opened, nullptr);
        const std::vector<Word> openedWords = WordsOf(*opened);
        ASSERT_EQ(openedWords.size(), english.size());
        for (std::size_t k = 0; k < english.size(); ++k) {
            EXPECT_EQ(openedWords[k].text, english[k].text) << english[k].place;
        }
        opened->close();
        show(Language::Italian);
    }
}

// A result shown stays when the language changes: the compensator's values are the same
// numbers, only their words change.
TEST_F(EnglishToolsTest, TheCompensatorShownKeepsItsValues) {
    QWidget* response = openFrequencyResponse();
    ASSERT_NE(response, nullptr);
    const QString italian = control<QLabel>(*response, "CompensatorLabel").text();
    show(Language::English);
    const QString english = control<QLabel>(*response, "CompensatorLabel").text();
    EXPECT_EQ(english.section(u'\n', 0, 0),
              italian.section(u'\n', 0, 0).replace("Tipo II", "Type II"));
    EXPECT_TRUE(italian.contains("margine di fase 60,00 °"));
    EXPECT_TRUE(english.contains("phase margin 60,00 °")) << english.toStdString();
}

} // namespace
