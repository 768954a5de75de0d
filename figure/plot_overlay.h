#pragma once

#include "display/measuring_cursors.h"
#include "display/trace_geometry.h"

#include <QRectF>
#include <QSizeF>
#include <QString>
#include <Qt>
#include <array>
#include <span>
#include <vector>

class QPainter;

// What is written and drawn over the traces, alike on the plot box and in the figures: the
// labels (the limits of fitted bands, the times of a zoomed view) and the measuring cursors
// with the box of their readings. Each draws on an area of `area` logical pixels whose
// top-left corner is the painter's origin, in the painter's font.

// Writes the times at the edges of a zoomed view in the top-right corner; returns the box the
// text takes.
QRectF WriteViewTimes(QPainter& painter, const QString& text, QSizeF area);

// Writes the limits of the fitted bands beside the left-edge ticks: a band's highest sample
// under its top edge, its lowest over its bottom edge. Returns the boxes the texts take.
std::vector<QRectF> WriteBandLimits(QPainter& painter,
                                    const std::array<FittedBandLimits, 4>& limits, QSizeF area);

// Draws the measuring cursors and the box of their readings. A cursor in the view is a dashed
// vertical line named near its top with a ring on its trace; one beyond the view is an arrow
// near the top of the edge it lies beyond, with its name. Names and arrows stand below the
// boxes in `keepClear` (the labels) that they would meet. The active cursor's line is twice as
// wide and its name white on black. The box, black on a nearly opaque white, stands where it
// covers none of the bands of the measured traces, of the labels and of the names, and of such
// places in the one that hides the fewest cursors: on the right rather than on the left,
// higher rather than lower.
void PaintCursorOverlay(QPainter& painter, const CursorOverlay& overlay, QSizeF area,
                        std::span<const QRectF> keepClear);
