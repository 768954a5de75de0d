#include "core/verification.h"
#include "display/measuring_cursors.h"
#include "display/screen_waveform_drawing.h"
#include "figure/plot_mapping.h"
#include "figure/waveform_figure.h"
#include "figure/window_look.h"
#include "ink.h"
#include "test_support/named_case.h"
#include "test_support/recorders.h"
#include "test_support/synthetic_run.h"
#include "ui/plot_box.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>
#include <memory>
#include <tuple>
#include <utility>

namespace {

// The worked example as the tool runs it: the design of the sample data, verified with
// N = 1000 samples over NP = 10 displayed periods, numbers with a decimal comma.
Module1 WorkedExample() {
    Form1Recorder form1;
    const std::pair<TextBox, const char*> inputs[] = {
        {TextBox::Text7, "1.500E+01"},  {TextBox::Text8, "6.250E+01"},
        {TextBox::Text12, "1.100E+01"}, {TextBox::Text9, "7.990E+03"},
        {TextBox::Text10, "9.470E+01"}, {TextBox::Text11, "2.500E+02"},
        {TextBox::Text13, "1000"},      {TextBox::Text14, "10"},
        {TextBox::Text15, "5000"}};
    for (const auto& [box, text] : inputs) {
        form1.type(box, text);
    }
    std::vector<std::string> calls;
    WaveformRecorder form2(calls);
    Module1 m;
    RunVerification(m, {form1, form2, form2, u','});
    return m;
}

// A settled run of NP periods of N samples at 11 kHz, without simulating.
Module1 SettledRun(std::int32_t np, std::int32_t n) {
    Module1 m = SyntheticRun(np, n);
    m.f = 11000;
    return m;
}

class WaveformFigureTest : public testing::Test {
protected:
    static void SetUpTestSuite() { example = WorkedExample(); }
    static inline Module1 example;
};

TEST_F(WaveformFigureTest, ValuesTextHasTheFiveValuesWithNameAndUnit) {
    EXPECT_EQ(SummaryValuesText(example, u','), QStringLiteral("Delta iL = 1,06E-01 A\n"
                                                               "Delta Vo = 6,00E+01 mV\n"
                                                               "Id picco = 3,20E-01 A\n"
                                                               "Id media = 1,00E-01 A\n"
                                                               "Ii media o continua in "
                                                               "ingresso = 1,67E-01 A"));
}

// The device pixels of the plot: those inside the outermost light-yellow ones.
QRect PlotArea(const QImage& image) {
    QRect area;
    for (int row = 0; row < image.height(); ++row) {
        for (int column = 0; column < image.width(); ++column) {
            if (image.pixel(column, row) == LightYellow) {
                area |= QRect(column, row, 1, 1);
            }
        }
    }
    return area;
}

TEST_F(WaveformFigureTest, PictureHasTheTracesInTheirBandsAndTheirNamesBeside) {
    // Counters as a later pointer readout may leave them: drawing the figure keeps them.
    example.Idx = 7;
    example.Iter = 3;
    const QImage image = RenderWaveformImage(example, u',', 2);
    const QRect area = PlotArea(image);
    const QImage plot = image.copy(area);
    const QImage beside =
        image.copy(area.right() + 1, 0, image.width() - area.right() - 1, image.height());
    // Each trace's ink where its band lies, and none beyond it, where other traces are drawn.
    for (const auto& [ink, low, high] : {std::tuple{Ink::Red, 79, 100},
                                         {Ink::Green, 60, 80},
                                         {Ink::Blue, 31, 51},
                                         {Ink::Cyan, 0, 19}}) {
        const int inBand = CountInk(plot, ink, low, high);
        EXPECT_GT(inBand, 1000) << static_cast<int>(ink);
        EXPECT_EQ(CountInk(plot, ink, 0, 100), inBand) << static_cast<int>(ink);
        EXPECT_GT(CountInk(beside, ink, 0, 100), 20) << static_cast<int>(ink);
    }
    EXPECT_EQ(example.Idx, 7);
    EXPECT_EQ(example.Iter, 3);
}

// Dark pixels, as text and the cursors are drawn, in a rectangle of logical pixels of the plot.
int DarkPixels(const QImage& plot, const QRectF& area) {
    const qreal ratio = plot.devicePixelRatio();
    const QRect device =
        QRectF(area.topLeft() * ratio, area.size() * ratio).toRect().intersected(plot.rect());
    int dark = 0;
    for (int y = device.top(); y <= device.bottom(); ++y) {
        for (int x = device.left(); x <= device.right(); ++x) {
            const QRgb pixel = plot.pixel(x, y);
            dark += qRed(pixel) < 80 && qGreen(pixel) < 80 && qBlue(pixel) < 80 ? 1 : 0;
        }
    }
    return dark;
}

// A zoomed view (25 .. 75) with fitted bands and the cursors on: the figure writes each band's
// limits beside the left-edge ticks, under its top edge and over its bottom edge, and draws the
// cursors' dashed lines and their box, as the window does; without the fit and the cursors
// those places hold no text and no black line.
TEST_F(WaveformFigureTest, AZoomedFittedFigureCarriesTheBandLimitsAndTheCursorsWithTheirBox) {
    const auto extremes = std::make_shared<const TraceExtremes>(example);
    const WaveformView view{25, 75};
    const FittedBands fit = FitBands(example, *extremes, view);
    const CursorSums sums(example);
    const MeasuringCursors cursors = TurnOnCursors(Trace::OutputVoltage, view, sums);
    const CursorOverlay overlay = OverlayOf(cursors, example, sums, view, fit, u',');
    const auto plotOf = [&](const ShownPlot& shown) {
        const QImage image = RenderWaveformImage(example, u',', 2, shown);
        QImage plot = image.copy(PlotArea(image));
        plot.setDevicePixelRatio(2);
        return plot;
    };
    const QImage bare = plotOf({extremes, view, std::nullopt, std::nullopt});
    const QImage shown = plotOf({extremes, view, fit, overlay});
    const QSizeF area = shown.deviceIndependentSize();
    for (const FittedBandLimits& band : LimitsOf(fit, u',')) {
        for (const auto& [y, below] : {std::pair(band.top, true), std::pair(band.bottom, false)}) {
            const qreal edge = PlotToPixel(0, y, area).y();
            const QRectF label(8, below ? edge + 2 : edge - 12, 40, 10);
            EXPECT_GT(DarkPixels(shown, label), 40) << y;
            EXPECT_EQ(DarkPixels(bare, label), 0) << y;
        }
    }
    for (const CursorMark& mark : overlay.marks) {
        const QRectF line(PlotToPixel(mark.x, 0, area).x() - 1, 20, 2, area.height() - 40);
        EXPECT_GT(DarkPixels(shown, line), area.height() / 2);
        EXPECT_EQ(DarkPixels(bare, line), 0);
    }
    EXPECT_GT(DarkPixels(shown, {area.width() - 200, 0, 200, area.height()}), 1000)
        << "the box of the readings";
}

// The plot box of the waveform window as the screen drawing sees it.
class ScreenPlot final : public PlotSurface {
public:
    explicit ScreenPlot(PlotBox& box) : box_(box) {}
    void showWindow() override {}
    PixelColumns columns() const override { return box_.columns(); }
    void drawLine(const PlotLine& line) override { box_.drawLine(line); }

private:
    PlotBox& box_;
};

// Dense traces, reduced to the pixel columns, with the window's plot box at 96 dpi.
TEST(WaveformFigureScreenTest, PlotHasThePixelsOfTheWindowsPlotBox) {
    PlotBox box(nullptr);
    box.setGeometry(0, 0, 1001, 609);
    if (box.devicePixelRatio() < 2) {
        GTEST_SKIP() << "the picture has at least two device pixels to a logical pixel";
    }
    Module1 m = SettledRun(10, 100000);
    ScreenPlot screen(box);
    ScreenWaveformDrawing drawing(screen);
    drawing.showAndDrawFrame(m);
    drawing.drawTraces(m);
    const QImage image = RenderWaveformImage(m, u',', box.devicePixelRatio());
    EXPECT_EQ(image.copy(PlotArea(image)),
              box.grab(box.contentsRect()).toImage().convertToFormat(image.format()));
}

// At least two device pixels to a logical pixel, more on a denser screen.
TEST(FigureRatioTest, PictureIsAtLeastTwiceItsLogicalSize) {
    Module1 m = SettledRun(2, 50);
    for (const auto& [asked, drawn] : {std::pair<qreal, qreal>{1, 2}, {2, 2}, {3, 3}}) {
        const QImage image = RenderWaveformImage(m, u'.', asked);
        EXPECT_EQ(image.devicePixelRatio(), drawn) << asked;
        EXPECT_EQ(QSizeF(image.size()), image.deviceIndependentSize() * drawn) << asked;
    }
}

TEST_F(WaveformFigureTest, PngReplacesAnEarlierFileWhole) {
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("figura.PNG"));
    QFile earlier(path);
    ASSERT_TRUE(earlier.open(QIODevice::WriteOnly));
    earlier.write("earlier");
    earlier.close();
    EXPECT_EQ(SaveWaveformFigure(path, example, u',', 2), std::nullopt);
    const QImage written(path, "PNG");
    EXPECT_EQ(written.size(), RenderWaveformImage(example, u',', 2).size());
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"figura.PNG"});
}

TEST(WaveformFigureSvgTest, DenseRunGivesABoundedWellFormedPictureInTheTraceColours) {
    Module1 m = SettledRun(10, 1000000);
    const QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("figura.svg"));
    ASSERT_EQ(SaveWaveformFigure(path, m, u',', 1), std::nullopt);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_LT(file.size(), 2'000'000);
    const QByteArray svg = file.readAll();
    QXmlStreamReader reader(svg);
    while (!reader.atEnd()) {
        reader.readNext();
    }
    EXPECT_FALSE(reader.hasError()) << reader.errorString().toStdString();
    for (const char* colour : {"#ff0000", "#00ff00", "#0000ff", "#00ffff"}) {
        EXPECT_TRUE(svg.contains(QByteArray("stroke=\"") + colour)) << colour;
    }
}

// One message names the file and the reason, and nothing is written.
TEST(FigureRefusedTest, OneMessageNamesTheFileAndTheReasonAndNothingIsWritten) {
    Module1 m = SettledRun(2, 50);
    for (const auto& [file, reason] : {std::pair{"mancante/figura.png", "la cartella non esiste"},
                                       {"mancante/figura.svg", "la cartella non esiste"},
                                       {"figura.jpg", "il nome deve finire con .png o .svg"}}) {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QString::fromUtf8(file));
        EXPECT_EQ(SaveWaveformFigure(path, m, u',', 2),
                  QStringLiteral("Impossibile salvare l'immagine \"%1\": %2")
                      .arg(QDir::toNativeSeparators(path), QString::fromUtf8(reason)));
        EXPECT_TRUE(QDir(folder.path()).isEmpty()) << file;
    }
}

} // namespace
