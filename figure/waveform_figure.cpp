// The waveform figure as a picture or a PNG or SVG file, and its measured values as text.
#include "figure/waveform_figure.h"

#include "core/conversions.h"
#include "core/handler_support.h"
#include "core/whole_file.h"
#include "display/exact_drawing.h"
#include "display/number_text.h"
#include "display/screen_waveform_drawing.h"
#include "display/trace_geometry.h"
#include "display/trace_table.h"
#include "figure/language.h"
#include "figure/plot_mapping.h"
#include "figure/plot_overlay.h"
#include "figure/qt_text.h"
#include "figure/window_look.h"

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QStringList>
#include <QSvgGenerator>
#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <system_error>
#include <vector>

namespace {

// `italian`, one of the figure's own texts, in the language in use.
QString FigureText(const char* italian) {
    return Translated("WaveformFigure", italian);
}

// The layout in logical pixels: the plot, the trace names beside it at the heights of their
// zero lines, the measured values to their right, the time span under the plot.
constexpr int margin = 12;
constexpr int namesWidth = 56;
constexpr int valuesWidth = 220;
constexpr int valueSpacing = 48;
constexpr int textHeight = 18;

struct FigureLayout {
    QRect plotArea;
    int namesLeft;
    int valuesLeft;
    int spanTop;
    QSize size;
};

constexpr FigureLayout LayoutAround(QSize plot) {
    const QRect plotArea(margin, margin, plot.width(), plot.height());
    const int namesLeft = plotArea.right() + 1 + margin;
    const int valuesLeft = namesLeft + namesWidth + 8;
    const int spanTop = plotArea.bottom() + 1 + 6;
    return {plotArea, namesLeft, valuesLeft, spanTop,
            QSize(valuesLeft + valuesWidth + margin, spanTop + textHeight + margin)};
}

// The plot at the size of the waveform window's plot at 96 dpi.
constexpr FigureLayout windowLayout = LayoutAround(QSize(997, 605));
// A narrower plot, so that the figure is at most 765 pixels wide: 180 mm wide, its 12-pixel
// text prints at 8 points.
constexpr FigureLayout pageLayout = LayoutAround(QSize(440, 320));
static_assert(pageLayout.size.width() <= 765);

constexpr const FigureLayout& LayoutFor(FigureSize size) {
    return size == FigureSize::Page ? pageLayout : windowLayout;
}

constexpr QRgb plotBorder = qRgb(128, 128, 128);
// The lowest resolution at which print keeps the thin traces sharp.
constexpr qreal leastRatio = 2;
constexpr double metresPerInch = 0.0254;
constexpr double logicalDpi = 96;

// A measured value with the caption and the unit of its value box, and the unit without a
// prefix with how many of the box's units make one of it.
struct MeasuredValue {
    const char* name;
    double Module1::*value;
    const char16_t* unit;
    const char16_t* baseUnit;
    double perBaseUnit;
};

constexpr std::array<MeasuredValue, 5> measuredValues{{
    {QT_TRANSLATE_NOOP("WaveformFigure", "Delta iL"), &Module1::DeltaiLSim, u"A", u"A", 1},
    {QT_TRANSLATE_NOOP("WaveformFigure", "Delta Vo"), &Module1::DeltaVoSim, u"mV", u"V", 1000},
    {QT_TRANSLATE_NOOP("WaveformFigure", "Id picco"), &Module1::IDPSim, u"A", u"A", 1},
    {QT_TRANSLATE_NOOP("WaveformFigure", "Id media"), &Module1::IdmSim, u"A", u"A", 1},
    {QT_TRANSLATE_NOOP("WaveformFigure", "Ii media o continua in ingresso"), &Module1::IimSim, u"A",
     u"A", 1},
}};

// The number as its value box shows it, then the unit.
QString ValueWithUnit(const Module1& m, const MeasuredValue& measured, char16_t separator) {
    return FromText(Format(m.*measured.value, "0.00E+00", separator)) + u' ' +
           QString::fromUtf16(measured.unit);
}

// The plot spans NP switching periods of 1 / f seconds: its width in microseconds, as the
// pointer readout gives the time at the right edge. A zoomed view shows the part of it between
// its edges.
QString TimeSpanText(const Module1& m, const ShownPlot& shown, char16_t separator) {
    const double microseconds = static_cast<double>(m.NP) * 1000000 / m.f;
    if (!shown.extremes || shown.view.whole()) {
        return FigureText(QT_TRANSLATE_NOOP("WaveformFigure", "Tempo: 0 ... %1 µs"))
            .arg(FromText(Format(microseconds, "0.00", separator)));
    }
    return FigureText(QT_TRANSLATE_NOOP("WaveformFigure", "Tempo: %1"))
        .arg(FromText(ViewTimesText(shown.view, m, separator)));
}

// Sized in pixels rather than points, so that text keeps its place on any device resolution.
QFont FigureFont(int pixels, bool bold) {
    QFont font = WindowFont(8.25, bold);
    font.setPixelSize(pixels);
    return font;
}

// The plot of a figure as the screen drawing sees a plot box: always shown, its pixel columns
// those of the picture.
class FigurePlot : public PlotSurface {
public:
    FigurePlot(QSizeF area, qreal ratio) : area_(area), columns_(PlotColumns(area, ratio)) {}
    void showWindow() override {}
    PixelColumns columns() const override { return columns_; }

    // Draws the frame and the traces as the screen does, in the view it shows.
    // The run's index, when the window has one, spares building it again for every picture.
    void draw(Module1& m, const ShownPlot& shown) {
        if (shown.extremes && (!shown.view.whole() || shown.fit)) {
            DrawPlotView(m, *shown.extremes, shown.view, shown.fit, *this);
            return;
        }
        try {
            if (shown.extremes) {
                DrawPlotView(m, *shown.extremes, shown.view, std::nullopt, *this);
            } else {
                const LoopCountersKept counters(m);
                ScreenWaveformDrawing drawing(*this);
                drawing.showAndDrawFrame(m);
                drawing.drawTraces(m);
            }
        } catch (const RuntimeError&) {
            // A mapping that faults ends the traces where it ended them on the screen; the
            // segments before it are drawn.
        }
    }

protected:
    QSizeF area() const { return area_; }

private:
    QSizeF area_;
    PixelColumns columns_;
};

// Paints every segment as it comes, as the plot box does: the pixels of the screen.
class RasterPlot final : public FigurePlot {
public:
    RasterPlot(QPainter& painter, QSizeF area, qreal ratio)
        : FigurePlot(area, ratio), painter_(painter) {}
    void drawLine(const PlotLine& line) override { PaintPlotLine(painter_, line, area()); }

private:
    QPainter& painter_;
};

// Gathers the segments of each colour into polylines, a segment that starts where the last
// one of its colour ended extending it, and paints them colour by colour once the drawing is
// done: a vector file then holds one group per colour and one point per vertex, rather than
// an element and a change of pen per segment. The colours of the four bands do not overlap,
// so the order among colours changes nothing visible.
class VectorPlot final : public FigurePlot {
public:
    using FigurePlot::FigurePlot;

    void drawLine(const PlotLine& line) override {
        std::vector<QPolygonF>& runs = runsOf(line.colour);
        const QPointF from = PlotToPixel(line.x1, line.y1, area());
        if (runs.empty() || runs.back().back() != from) {
            runs.push_back({from});
        }
        runs.back().append(PlotToPixel(line.x2, line.y2, area()));
    }

    void paint(QPainter& painter) const {
        for (const ColourRuns& colour : colours_) {
            painter.setPen(PlotPen(colour.colour));
            for (const QPolygonF& run : colour.runs) {
                painter.drawPolyline(run);
            }
        }
    }

private:
    struct ColourRuns {
        std::optional<Color> colour;
        std::vector<QPolygonF> runs;
    };

    std::vector<QPolygonF>& runsOf(const std::optional<Color>& colour) {
        const auto found =
            std::find_if(colours_.begin(), colours_.end(),
                         [&](const ColourRuns& runs) { return runs.colour == colour; });
        if (found != colours_.end()) {
            return found->runs;
        }
        return colours_.emplace_back(ColourRuns{colour, {}}).runs;
    }

    std::vector<ColourRuns> colours_;
};

// Raster pictures paint each segment as it comes, as the screen does; vector pictures gather
// them first (see VectorPlot).
enum class Output { Raster, Vector };

// Over the traces, as the window writes and draws them: the limits of fitted bands (drawn with
// the run's index alone), then the measuring cursors with their box.
void PaintOverlay(QPainter& painter, const ShownPlot& shown, QSizeF area, char16_t separator) {
    painter.setFont(FigureFont(11, true));
    std::vector<QRectF> labels;
    if (shown.extremes && shown.fit) {
        labels = WriteBandLimits(painter, LimitsOf(*shown.fit, separator), area);
    }
    if (shown.cursors) {
        PaintCursorOverlay(painter, *shown.cursors, area, labels);
    }
}

// The plot on its light-yellow area inside a thin border.
void PaintPlot(QPainter& painter, const QRect& plotArea, Module1& m, const ShownPlot& shown,
               char16_t separator, Output output) {
    painter.setPen(QColor(plotBorder));
    painter.drawRect(plotArea.adjusted(-1, -1, 0, 0));
    painter.save();
    painter.translate(plotArea.topLeft());
    const QSizeF area = plotArea.size();
    painter.fillRect(QRectF(QPointF(0, 0), area), QColor(LightYellow));
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal ratio = painter.device()->devicePixelRatioF();
    if (output == Output::Raster) {
        RasterPlot plot(painter, area, ratio);
        plot.draw(m, shown);
    } else {
        VectorPlot plot(area, ratio);
        plot.draw(m, shown);
        plot.paint(painter);
    }
    PaintOverlay(painter, shown, area, separator);
    painter.restore();
}

// Each name, as its option button gives it, beside its band at the height of the band's zero
// line, in the trace's colour.
void PaintTraceNames(QPainter& painter, const FigureLayout& layout) {
    painter.setFont(FigureFont(13, true));
    for (const TraceRow& row : TraceTable()) {
        const double zeroLine =
            PlotToPixel(0, static_cast<float>(row.band.zeroLine), layout.plotArea.size()).y();
        const QRectF box(layout.namesLeft, layout.plotArea.top() + zeroLine - textHeight / 2.0,
                         namesWidth, textHeight);
        painter.setPen(QtColor(row.band.colour));
        painter.drawText(box, Qt::AlignLeft | Qt::AlignVCenter, FromText(CaptionOf(row.trace)));
    }
}

// Each value under its caption, in black.
void PaintMeasuredValues(QPainter& painter, const FigureLayout& layout, const Module1& m,
                         char16_t separator) {
    painter.setPen(Qt::black);
    int top = layout.plotArea.top();
    for (const MeasuredValue& measured : measuredValues) {
        painter.setFont(FigureFont(12, false));
        painter.drawText(QRect(layout.valuesLeft, top, valuesWidth, textHeight), Qt::AlignLeft,
                         FigureText(measured.name));
        painter.setFont(FigureFont(13, true));
        painter.drawText(QRect(layout.valuesLeft, top + textHeight, valuesWidth, textHeight),
                         Qt::AlignLeft, ValueWithUnit(m, measured, separator));
        top += valueSpacing;
    }
}

void PaintTimeSpan(QPainter& painter, const FigureLayout& layout, const Module1& m,
                   const ShownPlot& shown, char16_t separator) {
    painter.setPen(Qt::black);
    painter.setFont(FigureFont(12, false));
    const QRect line(layout.plotArea.left(), layout.spanTop, layout.plotArea.width(), textHeight);
    painter.drawText(line, Qt::AlignHCenter | Qt::AlignTop, TimeSpanText(m, shown, separator));
}

void PaintFigure(QPainter& painter, const FigureLayout& layout, Module1& m, const ShownPlot& shown,
                 char16_t separator, Output output) {
    painter.fillRect(QRect(QPoint(0, 0), layout.size), Qt::white);
    PaintPlot(painter, layout.plotArea, m, shown, separator, output);
    PaintTraceNames(painter, layout);
    PaintMeasuredValues(painter, layout, m, separator);
    PaintTimeSpan(painter, layout, m, shown, separator);
}

// The picture of RenderWaveformImage in a PNG file, drawn in memory.
std::optional<QByteArray> PngBytes(Module1& m, const ShownPlot& shown, char16_t separator,
                                   qreal ratio) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!RenderWaveformImage(m, separator, ratio, shown).save(&buffer, "PNG")) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<QByteArray> SvgBytes(Module1& m, const ShownPlot& shown, char16_t separator) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(windowLayout.size);
    svg.setViewBox(QRect(QPoint(0, 0), windowLayout.size));
    svg.setResolution(static_cast<int>(logicalDpi));
    svg.setTitle(FigureText(QT_TRANSLATE_NOOP("WaveformFigure", "Forme d'onda reali")));
    QPainter painter;
    if (!painter.begin(&svg)) {
        return std::nullopt;
    }
    PaintFigure(painter, windowLayout, m, shown, separator, Output::Vector);
    if (!painter.end()) {
        return std::nullopt;
    }
    return bytes;
}

std::optional<QString> Refusal(const QString& path, const QString& reason) {
    return FigureText(
               QT_TRANSLATE_NOOP("WaveformFigure", "Impossibile salvare l'immagine \"%1\": %2"))
        .arg(QDir::toNativeSeparators(path), reason);
}

} // namespace

QImage RenderWaveformImage(Module1& m, char16_t decimalSeparator, qreal ratio,
                           const ShownPlot& shown, FigureSize size) {
    const FigureLayout& layout = LayoutFor(size);
    const qreal scale = std::max(ratio, leastRatio);
    QImage image(layout.size * scale, QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    const int dotsPerMeter = qRound(logicalDpi * scale / metresPerInch);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    PaintFigure(painter, layout, m, shown, decimalSeparator, Output::Raster);
    return image;
}

std::optional<QByteArray> WaveformFigureFile(FigureFormat format, Module1& m,
                                             char16_t decimalSeparator, qreal ratio,
                                             const ShownPlot& shown) {
    return format == FigureFormat::Png ? PngBytes(m, shown, decimalSeparator, ratio)
                                       : SvgBytes(m, shown, decimalSeparator);
}

std::optional<QString> SaveWaveformFigure(const QString& path, Module1& m,
                                          char16_t decimalSeparator, qreal ratio,
                                          const ShownPlot& shown) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("png") && suffix != QLatin1String("svg")) {
        return Refusal(path, FigureText(QT_TRANSLATE_NOOP("WaveformFigure",
                                                          "il nome deve finire con .png o .svg")));
    }
    const FigureFormat format =
        suffix == QLatin1String("png") ? FigureFormat::Png : FigureFormat::Svg;
    const std::optional<QByteArray> bytes =
        WaveformFigureFile(format, m, decimalSeparator, ratio, shown);
    if (!bytes) {
        return Refusal(path, FigureText(QT_TRANSLATE_NOOP(
                                 "WaveformFigure", "il disegno della figura non è riuscito")));
    }
    const std::error_code error = WriteWholeFile(
        QFile::encodeName(path).toStdString(),
        std::string_view(bytes->constData(), static_cast<std::size_t>(bytes->size())));
    if (error) {
        return Refusal(path, FromText(FileErrorReason(error)));
    }
    return std::nullopt;
}

QString SummaryValuesText(const Module1& m, char16_t decimalSeparator) {
    QStringList lines;
    for (const MeasuredValue& measured : measuredValues) {
        lines.append(FigureText(measured.name) + QStringLiteral(" = ") +
                     ValueWithUnit(m, measured, decimalSeparator));
    }
    return lines.join(u'\n');
}

QString CopiedValuesText(const Module1& m, char16_t decimalSeparator) {
    QStringList lines;
    for (const MeasuredValue& measured : measuredValues) {
        const double value = m.*measured.value / measured.perBaseUnit;
        lines.append(FigureText(measured.name) + QStringLiteral(" = ") +
                     FromText(EngineeringText(value, measured.baseUnit, decimalSeparator)));
    }
    return lines.join(u'\n');
}
