// The chart room: a chart, the table of its numbers, and their pictures and CSV files.
#include "ui/chart_view.h"

#include "core/whole_file.h"
#include "display/number_text.h"
#include "figure/language.h"
#include "figure/qt_text.h"
#include "figure/window_look.h"

#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QClipboard>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLegend>
#include <QLogValueAxis>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QSvgGenerator>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <charconv>
#include <filesystem>
#include <string>

namespace {

// The size of a chart drawn before it was shown, in pixels.
const QSizeF UnshownSize(720, 450);
constexpr qreal LeastRatio = 2;
constexpr qreal LogicalDpi = 96;
constexpr qreal MetresPerInch = 0.0254;

const QColor Ink(0, 0, 0);
const QColor AxisLine(118, 118, 118);
const QColor GridLine(217, 217, 217);

// `italian`, one of the view's texts, in the language in use.
QString Translate(const char* italian) {
    return Translated("ChartView", italian);
}

void StyleChart(QChart& chart) {
    chart.setTheme(QChart::ChartThemeLight);
    chart.setBackgroundBrush(QColor(White));
    chart.setBackgroundRoundness(0);
    chart.setTitleFont(WindowFont(10));
    chart.setTitleBrush(Ink);
    chart.legend()->setFont(WindowFont(8.25, false));
    chart.legend()->setLabelColor(Ink);
    // Beside the plot, one name a line: long names stay whole.
    chart.legend()->setAlignment(Qt::AlignRight);
}

// Units of a logarithmic or angular scale take no SI prefix.
bool IsScaleUnit(const std::u16string& unit) {
    return unit == u"%" || unit == u"dB" || unit == u"dBΩ" || unit == u"°";
}

QString CellText(double value, const std::u16string& unit, char16_t separator) {
    return FromText(IsScaleUnit(unit) ? ScaleText(value, unit, separator)
                                      : EngineeringText(value, unit, separator));
}

// Shortest text that reads back to the same double, with a point whatever the locale.
std::string ShortestNumber(double value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return {text, written.ptr};
}

std::size_t RowCount(const std::vector<ChartColumn>& columns) {
    std::size_t rows = 0;
    for (const ChartColumn& column : columns) {
        rows = std::max(rows, column.values.size());
    }
    return rows;
}

QByteArray CsvBytes(const std::vector<ChartColumn>& columns) {
    QStringList names;
    for (const ChartColumn& column : columns) {
        names << column.csvName;
    }
    std::string text = names.join(u',').toStdString() + '\n';
    for (std::size_t row = 0; row < RowCount(columns); ++row) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0) {
                text += ',';
            }
            if (row < columns[c].values.size()) {
                text += ShortestNumber(columns[c].values[row]);
            }
        }
        text += '\n';
    }
    return QByteArray::fromStdString(text);
}

// Writes `bytes` as the whole file at `path`, or leaves what was there.
std::optional<QString> WriteWholeFile(const QString& path, const QByteArray& bytes) {
    WholeFile file{std::filesystem::path(path.toStdString())};
    std::error_code error = file.open();
    if (!error) {
        error = file.write({bytes.constData(), static_cast<std::size_t>(bytes.size())});
    }
    if (!error) {
        error = file.finish();
    }
    if (!error) {
        error = file.commit();
    }
    if (error) {
        return FromText(FileWriteFailure(file.target(), FileErrorReason(error)));
    }
    return std::nullopt;
}

QByteArray PngBytes(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

} // namespace

ChartView::ChartView(SaveFileChooser& files, MessageBox& messages, char16_t decimalSeparator,
                     QWidget* parent)
    : QWidget(parent), files_(files), messages_(messages), decimalSeparator_(decimalSeparator),
      lastFolder_(QDir::homePath()) {
    setPalette(LightFace());
    setFont(WindowFont(8.25, false));
    chart_ = new QChart;
    StyleChart(*chart_);
    view_ = new QChartView(chart_, this);
    view_->setObjectName(QStringLiteral("Chart"));
    view_->setRenderHint(QPainter::Antialiasing);
    view_->setMinimumSize(480, 320);
    view_->viewport()->setMouseTracking(true);
    view_->viewport()->installEventFilter(this);
    table_ = new QTableWidget(this);
    table_->setObjectName(QStringLiteral("ChartTable"));
    table_->horizontalHeader()->setFont(WindowFont(8.25));
    table_->verticalHeader()->hide();
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    auto* panes = new QHBoxLayout;
    panes->addWidget(view_, 3);
    panes->addWidget(table_, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(panes);
    layout->addLayout(createButtons());
    translateTexts();
}

QLayout* ChartView::createButtons() {
    const auto button = [this](const QString& name) {
        auto* pushButton = new QPushButton(this);
        pushButton->setObjectName(name);
        return pushButton;
    };
    image_ = button(QStringLiteral("SaveChartImageButton"));
    csv_ = button(QStringLiteral("ExportChartCsvButton"));
    copy_ = button(QStringLiteral("CopyChartValuesButton"));
    connect(image_, &QPushButton::clicked, this, &ChartView::askImage);
    connect(csv_, &QPushButton::clicked, this, &ChartView::askCsv);
    connect(copy_, &QPushButton::clicked, this,
            [this] { QGuiApplication::clipboard()->setText(tableText()); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(image_);
    buttons->addWidget(csv_);
    buttons->addWidget(copy_);
    return buttons;
}

// The buttons and what a screen reader hears, in the language in use. The chart's own titles
// and the table's headings are the caller's, which draws them again.
void ChartView::translateTexts() {
    view_->setAccessibleName(Translate(QT_TRANSLATE_NOOP("ChartView", "Grafico")));
    table_->setAccessibleName(Translate(QT_TRANSLATE_NOOP("ChartView", "Valori del grafico")));
    image_->setText(Translate(QT_TRANSLATE_NOOP("ChartView", "Salva &immagine...")));
    image_->setAccessibleName(
        Translate(QT_TRANSLATE_NOOP("ChartView", "Salva il grafico come immagine PNG o SVG")));
    csv_->setText(Translate(QT_TRANSLATE_NOOP("ChartView", "Esporta C&SV...")));
    csv_->setAccessibleName(
        Translate(QT_TRANSLATE_NOOP("ChartView", "Esporta i valori del grafico in un file CSV")));
    copy_->setText(Translate(QT_TRANSLATE_NOOP("ChartView", "Copia &valori")));
    copy_->setAccessibleName(
        Translate(QT_TRANSLATE_NOOP("ChartView", "Copia la tabella dei valori come testo")));
}

void ChartView::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        translateTexts();
    }
    QWidget::changeEvent(event);
}

void ChartView::styleAxis(QAbstractAxis& axis, Qt::Alignment alignment) {
    axis.setTitleFont(WindowFont(8.25));
    axis.setTitleBrush(Ink);
    axis.setLabelsFont(WindowFont(8.25, false));
    axis.setLabelsColor(Ink);
    axis.setLinePenColor(AxisLine);
    axis.setGridLineColor(GridLine);
    axis.setMinorGridLineColor(GridLine.lighter(108));
    chart_->addAxis(&axis, alignment);
}

QValueAxis* ChartView::addAxis(const QString& title, Qt::Alignment alignment) {
    auto* axis = new QValueAxis;
    axis->setTitleText(title);
    styleAxis(*axis, alignment);
    return axis;
}

QLogValueAxis* ChartView::addLogAxis(const QString& title, Qt::Alignment alignment) {
    auto* axis = new QLogValueAxis;
    axis->setTitleText(title);
    axis->setBase(10);
    axis->setLabelFormat(QStringLiteral("%g"));
    axis->setMinorTickCount(8);
    styleAxis(*axis, alignment);
    return axis;
}

bool ChartView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_->viewport() && event->type() == QEvent::MouseMove &&
        !chart_->series().isEmpty()) {
        const QPointF scene =
            view_->mapToScene(static_cast<QMouseEvent*>(event)->position().toPoint());
        const QPointF inChart = chart_->mapFromScene(scene);
        if (chart_->plotArea().contains(inChart)) {
            emit pointed(chart_->mapToValue(inChart));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void ChartView::clear() {
    chart_->removeAllSeries();
    for (QAbstractAxis* axis : chart_->axes()) {
        chart_->removeAxis(axis);
        delete axis;
    }
}

void ChartView::setNumbers(std::vector<ChartColumn> columns) {
    columns_ = std::move(columns);
    table_->clear();
    table_->setColumnCount(static_cast<int>(columns_.size()));
    table_->setRowCount(static_cast<int>(RowCount(columns_)));
    QStringList titles;
    for (const ChartColumn& column : columns_) {
        titles << column.title;
    }
    table_->setHorizontalHeaderLabels(titles);
    for (int c = 0; c < table_->columnCount(); ++c) {
        const ChartColumn& column = columns_[static_cast<std::size_t>(c)];
        for (std::size_t r = 0; r < column.values.size(); ++r) {
            auto* item =
                new QTableWidgetItem(CellText(column.values[r], column.unit, decimalSeparator_));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(static_cast<int>(r), c, item);
        }
    }
    table_->resizeColumnsToContents();
    table_->resizeRowsToContents();
}

// The chart's size as drawn; a chart not yet shown is laid out at a size of its own.
QSizeF ChartView::drawnSize() const {
    if (!view_->isVisible()) {
        chart_->resize(UnshownSize);
        chart_->layout()->activate();
    }
    return chart_->size();
}

QImage ChartView::image(qreal ratio) const {
    const QSizeF size = drawnSize();
    const qreal scale = std::max(ratio, LeastRatio);
    QImage image((size * scale).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    const int dotsPerMeter = qRound(LogicalDpi * scale / MetresPerInch);
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(QColor(White));
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    chart_->scene()->render(&painter, QRectF(QPointF(), size), chart_->sceneBoundingRect());
    return image;
}

std::optional<QString> ChartView::saveImage(const QString& path, qreal ratio) const {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) {
        return WriteWholeFile(path, PngBytes(image(ratio)));
    }
    if (suffix != QLatin1String("svg")) {
        return Translate(QT_TRANSLATE_NOOP("ChartView",
                                           "Impossibile salvare l'immagine \"%1\": il nome deve "
                                           "finire con .png o .svg"))
            .arg(QDir::toNativeSeparators(path));
    }
    const QSizeF size = drawnSize();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size.toSize());
    svg.setViewBox(QRectF(QPointF(), size));
    svg.setResolution(static_cast<int>(LogicalDpi));
    svg.setTitle(chart_->title());
    QPainter painter(&svg);
    chart_->scene()->render(&painter, QRectF(QPointF(), size), chart_->sceneBoundingRect());
    painter.end();
    return WriteWholeFile(path, bytes);
}

std::optional<QString> ChartView::exportCsv(const QString& path) const {
    return WriteWholeFile(path, CsvBytes(columns_));
}

QString ChartView::tableText() const {
    QStringList lines;
    QStringList titles;
    for (const ChartColumn& column : columns_) {
        titles << column.title;
    }
    lines << titles.join(u'\t');
    for (int r = 0; r < table_->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table_->columnCount(); ++c) {
            const QTableWidgetItem* item = table_->item(r, c);
            cells << (item ? item->text() : QString());
        }
        lines << cells.join(u'\t');
    }
    return lines.join(u'\n') + u'\n';
}

void ChartView::askImage() {
    if (const std::optional<QString> path = askPath(
            Translate(QT_TRANSLATE_NOOP("ChartView", "Salva immagine")), ImageFileTypes())) {
        if (const std::optional<QString> failure = saveImage(*path, devicePixelRatioF())) {
            messages_.MsgBox(ToText(*failure));
        }
    }
}

void ChartView::askCsv() {
    if (const std::optional<QString> path = askPath(
            Translate(QT_TRANSLATE_NOOP("ChartView", "Esporta dati CSV")), CsvFileTypes())) {
        if (const std::optional<QString> failure = exportCsv(*path)) {
            messages_.MsgBox(ToText(*failure));
        }
    }
}

std::optional<QString> ChartView::askPath(const QString& title,
                                          const std::vector<FileType>& types) {
    const QString proposed = fileStem_ + u'.' + types.front().extensions.front();
    const std::optional<ChosenFile> chosen =
        files_.choose(this, title, QDir(lastFolder_).filePath(proposed), types);
    if (!chosen) {
        return std::nullopt;
    }
    const QString path = PathWithExtension(*chosen, types);
    lastFolder_ = QFileInfo(path).absolutePath();
    return path;
}
