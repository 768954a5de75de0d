#pragma once

#include "core/module1.h"
#include "display/measuring_cursors.h"
#include "display/plot_geometry.h"
#include "display/screen_waveform_drawing.h"
#include "display/trace_geometry.h"

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

// The waveform figure for reports and for the clipboard: the plot as the waveform window draws
// it, with the limits of fitted bands and the measuring cursors with their box, the four trace
// names in their colours, the time span shown and the five measured values, so that the
// picture stands on its own.
//
// Drawn with Qt's Gui module alone, without a widget, so that a tool without windows can write
// the same pictures: it only has to register the windows' fonts first, as the application
// does. Nothing here may include a QtWidgets header.
//
// Each function shows the last run that drew its traces: the sample arrays, their extremes,
// NP, f and the measured values of m, with numbers written with `decimalSeparator`. Drawing
// steps the shared loop counters Idx and Iter as the plot does and then puts them back.

// The figure as a picture at `ratio` device pixels per logical pixel, but at least 2, so that
// it stays sharp in print; its resolution says so, so that documents show it at its logical
// size. Dense traces are reduced to the picture's pixel columns as on the screen.
//
// `shown` is what the plot shows of the run: its whole time axis with the bands as drawn by
// default unless a view or fitted bands are given, with the run's index of extremes; fitted
// bands have their limits written beside them, as the window writes them. Measuring cursors,
// when given, are drawn over the traces with their box, as the window draws them.
struct ShownPlot {
    std::shared_ptr<const TraceExtremes> extremes; // the run's index; none: the whole view
    WaveformView view;
    std::optional<FittedBands> fit;
    std::optional<CursorOverlay> cursors;
};

// Where the figure is to be seen: beside the window, its plot at the window plot's size; or
// across the text of a printed page 180 mm wide (A4 inside 15 mm margins), its plot narrower so
// that its text still prints at 8 points or more.
enum class FigureSize { Window, Page };

QImage RenderWaveformImage(Module1& m, char16_t decimalSeparator, qreal ratio,
                           const ShownPlot& shown = {}, FigureSize size = FigureSize::Window);

enum class FigureFormat { Png, Svg };

// The figure as the bytes of a file, drawn in memory: a PNG file of RenderWaveformImage at
// `ratio`, or an SVG file, a vector picture whose traces are reduced to one pixel column per
// logical pixel, so that its size stays bounded whatever N is. None when it could not be drawn.
std::optional<QByteArray> WaveformFigureFile(FigureFormat format, Module1& m,
                                             char16_t decimalSeparator, qreal ratio,
                                             const ShownPlot& shown = {});

// Writes the figure's file to `path`, its format chosen by the extension in any case (".png",
// ".svg"), as a whole file (see WholeFile): beside the target first and put in its place at
// the end, an earlier file keeping its permissions, a symbolic link written through, a device
// written directly. Returns the message to show when the file could not be written, naming the
// file and the reason; nothing when it was written. Its words, like the figure's, are in the
// language in use.
std::optional<QString> SaveWaveformFigure(const QString& path, Module1& m,
                                          char16_t decimalSeparator, qreal ratio,
                                          const ShownPlot& shown = {});

// The five measured values, one per line with the name and the unit the window gives them,
// the numbers as the window's value boxes show them: "Delta iL = 1,06E-01 A" and so on.
QString SummaryValuesText(const Module1& m, char16_t decimalSeparator);

// The five measured values as "Copia valori" copies them, one per line with the name the
// window gives them, the numbers for people in engineering units with five significant digits:
// "Delta iL = 106,49 mA", "Delta Vo = 59,983 mV" and so on.
QString CopiedValuesText(const Module1& m, char16_t decimalSeparator);
