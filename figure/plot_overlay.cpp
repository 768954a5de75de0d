// What is written and drawn over the traces: labels, measuring cursors and their box.
#include "figure/plot_overlay.h"

#include "figure/plot_mapping.h"
#include "figure/qt_text.h"

#include <QColor>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QPolygonF>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <tuple>

namespace {

// Logical pixels between a text and the edge or the point it is written at: clear of the
// border, of the ticks on the left edge and of the line it labels.
constexpr qreal TextMargin = 3;
constexpr qreal LimitIndent = 6;

// The measuring cursors: black, which stands out against the background and every trace; the
// active one drawn twice as wide and named in white on black. The readings are black on a
// semi-opaque white box, which keeps them readable over any trace.
constexpr qreal MarkerRadius = 4;
constexpr qreal MarkerWidth = 1.5;
constexpr qreal NamePadding = 2;
constexpr qreal ReadingsPadding = 4;
const QColor ReadingsBackground(255, 255, 255, 215);
// An edge mark's arrow is this much of a text line's height wide.
constexpr qreal ArrowWidth = 0.6;

QString NameOf(CursorName name) {
    return name == CursorName::A ? QStringLiteral("A") : QStringLiteral("B");
}

QPen CursorLinePen(bool active) {
    return {Qt::black, active ? 2.0 : 1.0, Qt::DashLine};
}

// A box as wide as the cursor's name, as high as a line of text.
QRectF NameBox(const QPainter& painter, const CursorMark& mark) {
    const QFontMetricsF metrics(painter.font());
    return {0, 0, metrics.horizontalAdvance(NameOf(mark.name)) + 2 * NamePadding, metrics.height()};
}

void PaintName(QPainter& painter, const CursorMark& mark, const QRectF& box) {
    painter.fillRect(box, mark.active ? QColor(Qt::black) : ReadingsBackground);
    painter.setPen(mark.active ? Qt::white : Qt::black);
    painter.drawText(box, Qt::AlignCenter, NameOf(mark.name));
}

// The box moved down a line of text at a time until it meets none of the boxes taken, or
// reaches the bottom of the area.
QRectF BelowTaken(QRectF box, const std::vector<QRectF>& taken, QSizeF area) {
    const auto meets = [&] {
        return std::any_of(taken.begin(), taken.end(),
                           [&](const QRectF& other) { return other.intersects(box); });
    };
    while (box.bottom() + box.height() < area.height() && meets()) {
        box.translate(0, box.height() + TextMargin);
    }
    return box;
}

// The name beside the top of the line, on its right unless it would leave the area, below
// the boxes taken; returns the box it takes.
QRectF PaintCursorName(QPainter& painter, const CursorMark& mark, QSizeF area,
                       const std::vector<QRectF>& taken) {
    const QPointF top = PlotToPixel(mark.x, 100, area);
    QRectF box = NameBox(painter, mark);
    box.moveTopLeft(top + QPointF(TextMargin, TextMargin));
    if (box.right() > area.width()) {
        box.moveRight(top.x() - TextMargin);
    }
    box = BelowTaken(box, taken, area);
    PaintName(painter, mark, box);
    return box;
}

QRectF PaintCursorInView(QPainter& painter, const CursorMark& mark, QSizeF area,
                         const std::vector<QRectF>& taken) {
    painter.setPen(CursorLinePen(mark.active));
    painter.drawLine(PlotToPixel(mark.x, 100, area), PlotToPixel(mark.x, 0, area));
    painter.setPen(QPen(Qt::black, MarkerWidth));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(PlotToPixel(mark.x, mark.markerY, area), MarkerRadius, MarkerRadius);
    return PaintCursorName(painter, mark, area, taken);
}

// An arrow at the edge the cursor lies beyond, pointing out of the view, and the name beside
// it, near the top below the boxes taken; returns the box they take.
QRectF PaintCursorBeyondView(QPainter& painter, const CursorMark& mark, QSizeF area,
                             const std::vector<QRectF>& taken) {
    const QRectF name = NameBox(painter, mark);
    const qreal arrow = ArrowWidth * name.height();
    const bool before = mark.place == CursorPlace::BeforeView;
    QRectF box(0, TextMargin, arrow + 1 + name.width(), name.height());
    if (before) {
        box.moveLeft(0);
    } else {
        box.moveRight(area.width());
    }
    box = BelowTaken(box, taken, area);
    const qreal edge = before ? box.left() : box.right();
    const qreal inward = before ? arrow : -arrow;
    const QPolygonF arrowhead{QPointF(edge, box.center().y()), QPointF(edge + inward, box.top()),
                              QPointF(edge + inward, box.bottom())};
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawPolygon(arrowhead);
    PaintName(painter, mark,
              name.translated(before ? box.right() - name.width() : box.left(), box.top()));
    return box;
}

// How many cursor lines and markers a box would hide.
int HiddenMarks(const QRectF& box, const CursorOverlay& overlay, QSizeF area) {
    int hidden = 0;
    for (const CursorMark& mark : overlay.marks) {
        if (mark.place != CursorPlace::InView) {
            continue;
        }
        const QPointF marker = PlotToPixel(mark.x, mark.markerY, area);
        hidden += marker.x() >= box.left() && marker.x() <= box.right() ? 1 : 0;
        hidden += box.contains(marker) ? 1 : 0;
    }
    return hidden;
}

// The rows of a measured trace's band, across the whole area, with the pixel that a line on
// its edge reaches beyond it.
QRectF BandRows(const HeightSpan& band, QSizeF area) {
    const qreal top = PlotToPixel(0, static_cast<float>(band.high), area).y();
    const qreal bottom = PlotToPixel(0, static_cast<float>(band.low), area).y();
    return QRectF(0, top, area.width(), bottom - top).adjusted(0, -1, 0, 1);
}

// The box moved to the nearest whole pixels, so that its one-pixel border is sharp.
QRectF OnWholePixels(const QRectF& box) {
    return box.translated(std::round(box.left()) - box.left(), std::round(box.top()) - box.top())
        .translated(0.5, 0.5);
}

// The readings box of `size`: on the right or the left edge, at the top or the bottom of the
// area or just above or below a box kept clear, wherever it covers the fewest boxes kept clear
// and then hides the fewest cursors.
QRectF ReadingsBox(QSizeF size, const CursorOverlay& overlay, QSizeF area,
                   const std::vector<QRectF>& keepClear) {
    const QRectF inside =
        QRectF(QPointF(0, 0), area).adjusted(TextMargin, TextMargin, -TextMargin, -TextMargin);
    std::vector<QRectF> clear = keepClear;
    for (const HeightSpan& band : overlay.measuredBands) {
        clear.push_back(BandRows(band, area));
    }
    std::vector<qreal> tops{inside.top(), inside.bottom() - size.height()};
    for (const QRectF& kept : clear) {
        tops.push_back(kept.top() - TextMargin - size.height());
        tops.push_back(kept.bottom() + TextMargin);
    }
    std::sort(tops.begin(), tops.end());
    std::vector<QRectF> boxes;
    for (const qreal left : {inside.right() - size.width(), inside.left()}) {
        for (const qreal top : tops) {
            const QRectF box(QPointF(left, top), size);
            if (inside.contains(box)) {
                boxes.push_back(box);
            }
        }
    }
    if (boxes.empty()) {
        return {inside.topLeft(), size}; // an area too small for the box
    }
    const auto cost = [&](const QRectF& box) {
        const auto covered = std::count_if(
            clear.begin(), clear.end(), [&](const QRectF& kept) { return kept.intersects(box); });
        return std::tuple(covered, HiddenMarks(box, overlay, area));
    };
    return *std::min_element(boxes.begin(), boxes.end(),
                             [&](const QRectF& a, const QRectF& b) { return cost(a) < cost(b); });
}

void PaintReadings(QPainter& painter, const CursorOverlay& overlay, QSizeF area,
                   const std::vector<QRectF>& keepClear) {
    if (overlay.readings.empty()) {
        return;
    }
    QStringList lines;
    for (const Text& line : overlay.readings) {
        lines << FromText(line);
    }
    const QString text = lines.join(QLatin1Char('\n'));
    const QRectF textBox =
        QFontMetricsF(painter.font()).boundingRect(QRectF(), Qt::AlignLeft, text);
    const QRectF box =
        OnWholePixels(ReadingsBox(textBox.size() + QSizeF(2 * ReadingsPadding, 2 * ReadingsPadding),
                                  overlay, area, keepClear));
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(ReadingsBackground);
    painter.drawRect(box);
    painter.drawText(
        box.adjusted(ReadingsPadding, ReadingsPadding, -ReadingsPadding, -ReadingsPadding),
        Qt::AlignLeft | Qt::AlignTop, text);
}

// Writes one line of text in black with its corner `corner` (top or bottom, left or right) at
// `point`; returns the box the text takes.
QRectF WritePlotLabel(QPainter& painter, const QString& text, QPointF point, Qt::Alignment corner,
                      QSizeF area) {
    painter.setPen(Qt::black);
    QRectF box(QPointF(0, 0), area);
    if (corner.testFlag(Qt::AlignRight)) {
        box.moveRight(point.x());
    } else {
        box.moveLeft(point.x());
    }
    if (corner.testFlag(Qt::AlignBottom)) {
        box.moveBottom(point.y());
    } else {
        box.moveTop(point.y());
    }
    QRectF written;
    painter.drawText(box, static_cast<int>(corner), text, &written);
    return written;
}

} // namespace

QRectF WriteViewTimes(QPainter& painter, const QString& text, QSizeF area) {
    const QPointF corner = PlotToPixel(100, 100, area) + QPointF(-TextMargin, TextMargin);
    return WritePlotLabel(painter, text, corner, Qt::AlignTop | Qt::AlignRight, area);
}

std::vector<QRectF> WriteBandLimits(QPainter& painter,
                                    const std::array<FittedBandLimits, 4>& limits, QSizeF area) {
    std::vector<QRectF> written;
    for (const FittedBandLimits& band : limits) {
        written.push_back(WritePlotLabel(painter, FromText(band.high),
                                         PlotToPixel(0, band.top, area) + QPointF(LimitIndent, 1),
                                         Qt::AlignTop | Qt::AlignLeft, area));
        written.push_back(
            WritePlotLabel(painter, FromText(band.low),
                           PlotToPixel(0, band.bottom, area) + QPointF(LimitIndent, -1),
                           Qt::AlignBottom | Qt::AlignLeft, area));
    }
    return written;
}

void PaintCursorOverlay(QPainter& painter, const CursorOverlay& overlay, QSizeF area,
                        std::span<const QRectF> keepClear) {
    std::vector<QRectF> taken(keepClear.begin(), keepClear.end());
    for (const CursorMark& mark : overlay.marks) {
        taken.push_back(mark.place == CursorPlace::InView
                            ? PaintCursorInView(painter, mark, area, taken)
                            : PaintCursorBeyondView(painter, mark, area, taken));
    }
    PaintReadings(painter, overlay, area, taken);
}
