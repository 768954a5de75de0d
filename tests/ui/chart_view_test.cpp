#include "app_fixture.h"
#include "display/number_text.h"
#include "figure/qt_text.h"
#include "test_support/example_converter.h"
#include "ui/chart_view.h"
#include "ui/efficiency_chart.h"

#include <QAreaSeries>
#include <QChart>
#include <QFile>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QValueAxis>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

namespace {

// Numbers whose shortest texts are long, tiny, huge, negative and whole.
const std::vector<double> xs{0.1, 1.0 / 3, 2e-7, 12345.678901234567, 3};
const std::vector<double> ys{-0.7, 1e300, 5e-324, 2.0 / 3, 0};

class ChartViewTest : public testing::Test {
protected:
    MessageRecorder messages;
    FileChooserStub files;
    ChartView view{files, messages, u','};
    QTemporaryDir folder;

    ChartViewTest() {
        QValueAxis* x = view.addAxis(QStringLiteral("x [s]"), Qt::AlignBottom);
        QValueAxis* y = view.addAxis(QStringLiteral("y [V]"), Qt::AlignLeft);
        auto* line = new QLineSeries;
        for (std::size_t k = 0; k < xs.size(); ++k) {
            line->append(xs[k], ys[k]);
        }
        view.chart().addSeries(line);
        line->attachAxis(x);
        line->attachAxis(y);
        view.setNumbers({{QStringLiteral("x [s]"), QStringLiteral("x_s"), u"s", xs},
                         {QStringLiteral("y [V]"), QStringLiteral("y_V"), u"V", ys}});
    }
    QString path(const char* name) const { return folder.filePath(QString::fromUtf8(name)); }
    QTableWidget& table() { return *view.findChild<QTableWidget*>(QStringLiteral("ChartTable")); }
};

std::vector<std::string> Lines(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    std::vector<std::string> lines;
    for (const QByteArray& line : file.readAll().split('\n')) {
        lines.push_back(line.toStdString());
    }
    return lines;
}

double ReadBack(const std::string& text) {
    double value = std::nan("");
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

TEST_F(ChartViewTest, CsvHoldsTheNumbersBitForBit) {
    ASSERT_EQ(view.exportCsv(path("chart.csv")), std::nullopt);
    const std::vector<std::string> lines = Lines(path("chart.csv"));
    ASSERT_EQ(lines.size(), xs.size() + 2); // the header, the rows, the empty end
    EXPECT_EQ(lines.front(), "x_s,y_V");
    EXPECT_EQ(lines.back(), "");
    for (std::size_t k = 0; k < xs.size(); ++k) {
        const std::string& row = lines[k + 1];
        const std::size_t comma = row.find(',');
        EXPECT_EQ(ReadBack(row.substr(0, comma)), xs[k]) << row;
        EXPECT_EQ(ReadBack(row.substr(comma + 1)), ys[k]) << row;
    }
}

TEST_F(ChartViewTest, TableShowsTheChartsNumbers) {
    ASSERT_EQ(table().rowCount(), static_cast<int>(xs.size()));
    ASSERT_EQ(table().columnCount(), 2);
    EXPECT_EQ(table().horizontalHeaderItem(1)->text(), QStringLiteral("y [V]"));
    const auto* line = qobject_cast<QLineSeries*>(view.chart().series().front());
    for (int k = 0; k < table().rowCount(); ++k) {
        const QPointF point = line->at(k);
        EXPECT_EQ(table().item(k, 0)->text(), FromText(EngineeringText(point.x(), u"s", u',')));
        EXPECT_EQ(table().item(k, 1)->text(), FromText(EngineeringText(point.y(), u"V", u',')));
    }
    EXPECT_TRUE(view.tableText().startsWith(QStringLiteral("x [s]\ty [V]\n100,0 ms\t")));
}

TEST_F(ChartViewTest, PicturesAreWrittenAsPngAndSvg) {
    view.resize(900, 420);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    ASSERT_EQ(view.saveImage(path("chart.png"), 1), std::nullopt);
    const QImage png(path("chart.png"));
    const QSizeF drawn = view.chart().size();
    EXPECT_GE(png.width(), 2 * drawn.width() - 1);
    EXPECT_GE(png.height(), 2 * drawn.height() - 1);
    ASSERT_EQ(view.saveImage(path("chart.SVG"), 1), std::nullopt);
    QFile svg(path("chart.SVG"));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray vector = svg.readAll();
    EXPECT_TRUE(vector.contains("<svg"));
    EXPECT_TRUE(vector.trimmed().endsWith("</svg>"));
}

TEST_F(ChartViewTest, AChartNeverShownIsDrawnAtItsOwnSize) {
    const QImage image = view.image(1);
    EXPECT_EQ(image.size(), QSize(1440, 900));
    EXPECT_EQ(image.devicePixelRatio(), 2);
}

// A name that is neither picture nor a place that can be written is one message, and no file.
TEST_F(ChartViewTest, FilesThatCannotBeWrittenAreOneMessage) {
    const std::optional<QString> name = view.saveImage(path("chart.jpg"), 1);
    ASSERT_TRUE(name);
    EXPECT_TRUE(name->endsWith(QStringLiteral("il nome deve finire con .png o .svg")));
    const std::optional<QString> folderMissing = view.exportCsv(path("missing/chart.csv"));
    ASSERT_TRUE(folderMissing);
    EXPECT_TRUE(folderMissing->startsWith(QStringLiteral("Impossibile scrivere il file")));
    EXPECT_TRUE(QDir(folder.path()).isEmpty());
}

// The buttons ask where, propose the chart's own name, and tell a failure once.
TEST_F(ChartViewTest, ButtonsAskWhereAndWrite) {
    view.setFileStem(QStringLiteral("rendimento"));
    files.answer = path("out.csv");
    view.findChild<QPushButton*>(QStringLiteral("ExportChartCsvButton"))->click();
    EXPECT_TRUE(QFile::exists(path("out.csv")));
    files.answer = path("out.svg");
    view.findChild<QPushButton*>(QStringLiteral("SaveChartImageButton"))->click();
    EXPECT_TRUE(QFile::exists(path("out.svg")));
    ASSERT_EQ(files.proposed.size(), 2);
    EXPECT_TRUE(files.proposed[0].endsWith(QStringLiteral("/rendimento.csv")));
    // The folder of the last file is proposed next.
    EXPECT_EQ(files.proposed[1], path("rendimento.png"));
    files.answer = path("missing/out.csv");
    view.findChild<QPushButton*>(QStringLiteral("ExportChartCsvButton"))->click();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("out.csv"), std::string::npos);
}

class EfficiencyChartTest : public ChartViewTest {
protected:
    EfficiencyChartTest() {
        ShowEfficiencyChart(view, CircuitOf(ExampleConverter()), TypicalParts());
    }
    const std::vector<double>& column(const char* csvName) {
        for (const ChartColumn& c : view.numbers()) {
            if (c.csvName == QString::fromUtf8(csvName)) {
                return c.values;
            }
        }
        ADD_FAILURE() << "no column " << csvName;
        return xs;
    }
};

TEST_F(EfficiencyChartTest, FiftyLoadsFromTenToOneHundredFiftyPerCent) {
    const std::vector<double>& load = column("load_pct");
    ASSERT_EQ(load.size(), 50u);
    EXPECT_EQ(load.front(), 10);
    EXPECT_EQ(load.back(), 150);
    const std::vector<double>& current = column("Io_A");
    EXPECT_TRUE(std::is_sorted(current.begin(), current.end()));
    EXPECT_EQ(table().rowCount(), 50);
}

// The line is the efficiency column; each band spans its part's loss, and the bands stack up
// to the total loss.
TEST_F(EfficiencyChartTest, SeriesDrawTheTablesNumbers) {
    const std::vector<double>& current = column("Io_A");
    const std::vector<double>& efficiency = column("efficiency_pct");
    const std::vector<double>& total = column("Ploss_W");
    std::vector<QAreaSeries*> bands;
    QLineSeries* line = nullptr;
    for (QAbstractSeries* series : view.chart().series()) {
        if (auto* band = qobject_cast<QAreaSeries*>(series)) {
            bands.push_back(band);
        } else {
            line = qobject_cast<QLineSeries*>(series);
        }
    }
    ASSERT_NE(line, nullptr);
    ASSERT_EQ(line->count(), 50);
    ASSERT_EQ(bands.size(), 7u); // every part of the typical set loses power
    const std::size_t firstPart = 4;
    for (int k = 0; k < 50; ++k) {
        const auto point = static_cast<std::size_t>(k);
        EXPECT_EQ(line->at(k), QPointF(current[point], efficiency[point]));
        for (std::size_t b = 0; b < bands.size(); ++b) {
            const double loss = view.numbers()[firstPart + b].values[point];
            const QPointF upper = bands[b]->upperSeries()->at(k);
            const QPointF lower = bands[b]->lowerSeries()->at(k);
            EXPECT_EQ(upper.x(), current[point]);
            EXPECT_NEAR(upper.y() - lower.y(), loss, 1e-12 * total[point]);
        }
        EXPECT_NEAR(bands.back()->upperSeries()->at(k).y(), total[point], 1e-12 * total[point]);
    }
}

// Parts that lose nothing have no band and no column.
TEST_F(EfficiencyChartTest, PartsWithoutLossAreLeftOut) {
    RealParts parts;
    parts.Vf = 0.45;
    ShowEfficiencyChart(view, CircuitOf(ExampleConverter()), parts);
    ASSERT_EQ(view.numbers().size(), 5u);
    EXPECT_EQ(view.numbers().back().csvName, QStringLiteral("diode_W"));
    EXPECT_EQ(view.chart().series().size(), 2);
    EXPECT_EQ(view.chart().axes().size(), 3);
}

// On a dark desktop the chart and its table keep the light face: dark text on light ground.
TEST_F(EfficiencyChartTest, KeepsItsLightFaceOnADarkDesktop) {
    const QPalette saved = QApplication::palette();
    QPalette dark = saved;
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, QColor(224, 224, 224));
    dark.setColor(QPalette::Window, QColor(45, 45, 45));
    dark.setColor(QPalette::WindowText, QColor(224, 224, 224));
    QApplication::setPalette(dark);
    QApplication::processEvents();
    EXPECT_EQ(table().palette().color(QPalette::Base), QColor(255, 255, 255));
    EXPECT_EQ(table().palette().color(QPalette::Text), QColor(0, 0, 0));
    EXPECT_EQ(view.chart().backgroundBrush().color(), QColor(255, 255, 255));
    EXPECT_EQ(view.chart().titleBrush().color(), QColor(0, 0, 0));
    for (QAbstractAxis* axis : view.chart().axes()) {
        EXPECT_EQ(axis->labelsColor(), QColor(0, 0, 0));
    }
    QApplication::setPalette(saved);
    QApplication::processEvents();
}

} // namespace
