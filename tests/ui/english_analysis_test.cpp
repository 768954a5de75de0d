#include "app_fixture.h"
#include "figure/language.h"
#include "ui/analysis_window.h"
#include "ui/chart_view.h"
#include "ui/progress_observer.h"

#include <QAbstractAxis>
#include <QAbstractButton>
#include <QAbstractSeries>
#include <QAction>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPointer>
#include <QTabBar>
#include <QTabWidget>
#include <QTableWidget>
#include <QTemporaryDir>
#include <set>
#include <utility>
#include <vector>

namespace {

void Show(Language language) {
    UseLanguage(language);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
}

// The texts the analysis window shows, each with where it stands, in the order of the window's
// tree: the words, which the catalogue translates, and the values, which stay in any language.
struct ShownTexts {
    std::vector<std::pair<QString, QString>> words;
    std::vector<std::pair<QString, QString>> values;
};

// Symbols and units, written alike in both languages.
const std::set<QString> symbols{"iL min", "iL max", "Delta iL", "Delta Vo", "Io [A]"};

// A number as a cell or a label writes it: "106,49 mA", "-24,992 V", "—".
bool IsValue(const QString& text) {
    return !text.isEmpty() && (text[0].isDigit() || text[0] == u'-' || text[0] == u'\u2014');
}

// The part fields hold values; the tab bar's scroll buttons are Qt's own.
bool IsSharedText(const QWidget& widget) {
    return qobject_cast<const QTabBar*>(widget.parentWidget()) ||
           widget.objectName().startsWith(QStringLiteral("Part_"));
}

void AddText(ShownTexts& shown, const QString& where, const QString& text) {
    if (!text.isEmpty()) {
        (IsValue(text) ? shown.values : shown.words).emplace_back(where, text);
    }
}

void AddTable(ShownTexts& shown, const QString& where, const QTableWidget& table) {
    for (int c = 0; c < table.columnCount(); ++c) {
        const QTableWidgetItem* header = table.horizontalHeaderItem(c);
        AddText(shown, where + QStringLiteral(" heading"), header->text());
        AddText(shown, where + QStringLiteral(" heading tip"), header->toolTip());
        for (int r = 0; r < table.rowCount(); ++r) {
            if (const QTableWidgetItem* item = table.item(r, c)) {
                AddText(shown, where + QStringLiteral(" cell"), item->text());
            }
        }
    }
}

void AddChart(ShownTexts& shown, const QString& where, QChart& chart) {
    AddText(shown, where + QStringLiteral(" title"), chart.title());
    for (const QAbstractAxis* axis : chart.axes()) {
        AddText(shown, where + QStringLiteral(" axis"), axis->titleText());
    }
    for (const QAbstractSeries* series : chart.series()) {
        AddText(shown, where + QStringLiteral(" series"), series->name());
    }
}

ShownTexts TextsOf(QWidget& window) {
    ShownTexts shown;
    AddText(shown, QStringLiteral("title"), window.windowTitle());
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        const QString where = widget->objectName() + u' ' + widget->metaObject()->className();
        if (IsSharedText(*widget)) {
            continue;
        }
        AddText(shown, where + QStringLiteral(" accessible name"), widget->accessibleName());
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            AddText(shown, where, button->text());
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            AddText(shown, where, label->text());
        } else if (auto* box = qobject_cast<QGroupBox*>(widget)) {
            AddText(shown, where, box->title());
        } else if (auto* pages = qobject_cast<QTabWidget*>(widget)) {
            for (int k = 0; k < pages->count(); ++k) {
                AddText(shown, where, pages->tabText(k));
            }
        } else if (auto* table = qobject_cast<QTableWidget*>(widget)) {
            AddTable(shown, where, *table);
        } else if (auto* chart = qobject_cast<QChartView*>(widget)) {
            AddChart(shown, where, *chart->chart());
        }
    }
    return shown;
}

// Stands in for the save dialog, noting the title and the file types it was asked to show.
class AskedFileChooser : public SaveFileChooser {
public:
    QString title;
    QStringList types;
    std::optional<ChosenFile> choose(QWidget*, const QString& asked, const QString&,
                                     const std::vector<FileType>& offered) override {
        title = asked;
        types.clear();
        for (const FileType& type : offered) {
            types << type.name;
        }
        return std::nullopt;
    }
};

class EnglishAnalysisTest : public AppTest {
protected:
    void TearDown() override { Show(Language::Italian); }

    // The worked example's analysis, opened from the waveform window's menu.
    AnalysisWindow* openExampleAnalysis() {
        runExample();
        control<QAction>(form2(), "actionAnalysis").trigger();
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* analysis = qobject_cast<AnalysisWindow*>(window);
                analysis && analysis->isVisible()) {
                return analysis;
            }
        }
        return nullptr;
    }
};

// Switched while the window is open, every word changes and every value stays; back in
// Italian, every text is again what it was, and the window keeps its size.
TEST_F(EnglishAnalysisTest, EveryWordTranslatesWhileOpenAndEveryValueStays) {
    QPointer<AnalysisWindow> window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    const QSize size = window->size();
    const ShownTexts italian = TextsOf(*window);
    ASSERT_GT(italian.words.size(), 60u);
    ASSERT_GT(italian.values.size(), 100u);
    Show(Language::English);
    const ShownTexts english = TextsOf(*window);
    ASSERT_EQ(english.words.size(), italian.words.size());
    for (std::size_t k = 0; k < italian.words.size(); ++k) {
        const auto& [where, text] = italian.words[k];
        SCOPED_TRACE(where.toStdString() + ": " + text.toStdString());
        EXPECT_EQ(english.words[k].first, where);
        if (symbols.contains(text)) {
            EXPECT_EQ(english.words[k].second, text);
        } else {
            EXPECT_NE(english.words[k].second, text);
        }
    }
    EXPECT_EQ(english.values, italian.values);
    EXPECT_EQ(window->size(), size);
    Show(Language::Italian);
    const ShownTexts again = TextsOf(*window);
    EXPECT_EQ(again.words, italian.words);
    EXPECT_EQ(again.values, italian.values);
}

// A run that the conduction check refused leaves the simulated column empty; the line that
// says why follows the language, as the analysis' own warnings do.
TEST_F(EnglishAnalysisTest, WhyTheSimulatedColumnIsEmptyFollowsTheLanguage) {
    QPointer<AnalysisWindow> window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    type("Text9", "100"); // discontinuous: the conduction check refuses the simulation
    click("Command2");
    const auto warnings = [&] {
        return window->findChild<QLabel*>(QStringLiteral("WarningsLabel"))->text();
    };
    EXPECT_TRUE(warnings().startsWith("Colonna simulata vuota: la simulazione è stata rifiutata"))
        << warnings().toStdString();
    Show(Language::English);
    EXPECT_TRUE(warnings().startsWith("Simulated column empty: the conduction check refused"))
        << warnings().toStdString();
    Show(Language::Italian);
    EXPECT_TRUE(warnings().startsWith("Colonna simulata vuota: la simulazione è stata rifiutata"));
}

// A window opened in English says what a window switched to English while open says.
TEST_F(EnglishAnalysisTest, OpenedInEnglishItShowsWhatSwitchingShows) {
    QPointer<AnalysisWindow> window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    Show(Language::English);
    const ShownTexts switched = TextsOf(*window);
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.isNull(); }));
    window = openExampleAnalysis();
    ASSERT_NE(window, nullptr);
    const ShownTexts opened = TextsOf(*window);
    EXPECT_EQ(opened.words, switched.words);
    EXPECT_EQ(opened.values, switched.values);
}

// What a chart's save dialogs ask in English, and the refusal of a picture with a name the
// chart cannot write.
TEST_F(EnglishAnalysisTest, ChartDialogsAskInEnglish) {
    AskedFileChooser asked;
    ChartView view(asked, messages, u',');
    Show(Language::English);
    const struct {
        const char* button;
        const char* title;
        QStringList types;
    } dialogs[] = {
        {"SaveChartImageButton", "Save image", {"PNG image", "SVG vector image"}},
        {"ExportChartCsvButton", "Export CSV data", {"CSV data"}},
    };
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog.button);
        view.findChild<QPushButton*>(QString::fromUtf8(dialog.button))->click();
        EXPECT_EQ(asked.title, dialog.title);
        EXPECT_EQ(asked.types, dialog.types);
    }
    EXPECT_EQ(view.saveImage(QStringLiteral("chart.bmp"), 2),
              "Cannot save the image \"chart.bmp\": the name must end in .png or .svg");
    Show(Language::Italian);
    EXPECT_EQ(view.findChild<QPushButton*>(QStringLiteral("ExportChartCsvButton"))->text(),
              "Esporta C&SV...");
}

// The progress dialog of a simulation in English: its title, label, period, time and button.
TEST_F(EnglishAnalysisTest, ProgressDialogSpeaksEnglish) {
    Show(Language::English);
    ProgressObserver observer(SimulationProgressLabel(), std::chrono::milliseconds(0));
    EXPECT_TRUE(observer.keepGoingInPeriod(0, 12, 1000));
    QProgressDialog* dialog = OpenProgressDialog();
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(dialog->windowTitle(), "Inverting converter");
    EXPECT_EQ(dialog->labelText(), "Simulating...\nAt period 12 of 1000; time left: estimating");
    auto* cancel = dialog->findChild<QPushButton*>();
    ASSERT_NE(cancel, nullptr);
    EXPECT_EQ(cancel->text(), "Cancel");
}

// A report saved in English after a run made in Italian names the fields, the simulation's
// counts and the analysis' columns and rows in English.
TEST_F(EnglishAnalysisTest, ReportNamesItsRowsInTheLanguageOfTheReport) {
    runExample();
    Show(Language::English);
    QTemporaryDir folder;
    files.answer = folder.filePath(QStringLiteral("report.html"));
    control<QAction>(form2(), "actionSaveReport").trigger();
    QFile file(*files.answer);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString html = QString::fromUtf8(file.readAll());
    const std::pair<const char*, const char*> names[] = {
        {"Vi, tensione di ingresso [V]", "Vi, input voltage [V]"},
        {"L, induttanza [\u00b5H]", "L, inductance [\u00b5H]"},
        {"RL, resistenza di carico [\u03a9]", "RL, load resistance [\u03a9]"},
        {"NI, periodi simulati", "NI, periods simulated"},
        {"Campioni per periodo N", "Samples per period N"},
        {"Passo dt = 1 / (N f)", "Time step dt = 1 / (N f)"},
        {"Formula di progetto", "Design formula"},
        {"Tensione su interruttore e diodo", "Switch and diode voltage"},
        {"Conduzione continua (CCM); induttanza critica",
         "Continuous conduction (CCM); critical inductance"},
    };
    for (const auto& [italian, english] : names) {
        SCOPED_TRACE(english);
        EXPECT_TRUE(html.contains(QString::fromUtf8(english).toHtmlEscaped()));
        EXPECT_FALSE(html.contains(QString::fromUtf8(italian).toHtmlEscaped()));
    }
}

} // namespace
