// The "Componenti reali" panel: the parts typed and remembered, and what they do to the circuit.
#include "ui/real_parts_panel.h"

#include "display/part_table.h"
#include "figure/language.h"
#include "figure/window_look.h"

#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTableWidget>
#include <QVBoxLayout>
#include <memory>

namespace {

constexpr auto Refusal = QT_TRANSLATE_NOOP(
    "RealPartsPanel", "Serve un numero non negativo con il punto decimale (es. 50 o 0.45)");

// The refusal stands out from the light face and keeps a contrast above 7 : 1 against it.
constexpr QRgb RefusalColor = qRgb(160, 0, 0);

// The names of the power books' values, in TabulateRealParts' order.
const char* const bookNames[] = {"Efficiency",    "InputPower",    "OutputPower",
                                 "EnergyBalance", "DutyForTarget", "EfficiencyForTarget"};

// The tool's settings, stored per user by the desktop's rules (on Linux in
// $XDG_CONFIG_HOME/inverter_buck_boost/inverter.conf).
std::unique_ptr<QSettings> ToolSettings() {
    return std::make_unique<QSettings>(QStringLiteral("inverter_buck_boost"),
                                       QStringLiteral("inverter"));
}

QString SettingsKey(const PartEntry& entry) {
    return QStringLiteral("componenti_reali/") + QString::fromUtf8(entry.name);
}

// `italian`, one of the panel's texts, in the language in use.
QString Translate(const char* italian) {
    return Translated("RealPartsPanel", italian);
}

// "Resistenza ..., mΩ": the entry's label as a sentence, in the language in use. The part
// table's labels are the tool's shared texts, looked up whole with the core's.
QString FieldLabel(const PartEntry& entry) {
    QString label = Translated("PartTable", entry.label);
    label[0] = label[0].toUpper();
    return label;
}

QTableWidget* ResultTable(const QString& name, QWidget* parent) {
    auto* table = new QTableWidget(parent);
    table->setObjectName(name);
    table->horizontalHeader()->setFont(WindowFont(8.25));
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return table;
}

// Fills a table, numbers right-aligned, and fits the table to its cells.
void FillTable(QTableWidget& table, const QStringList& titles,
               const std::vector<QStringList>& rows) {
    table.setColumnCount(static_cast<int>(titles.size()));
    table.setHorizontalHeaderLabels(titles);
    table.setRowCount(static_cast<int>(rows.size()));
    for (int r = 0; r < table.rowCount(); ++r) {
        const QStringList& cells = rows[static_cast<std::size_t>(r)];
        for (int c = 0; c < table.columnCount(); ++c) {
            auto* item = new QTableWidgetItem(cells[c]);
            if (c > 0) {
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            }
            table.setItem(r, c, item);
        }
    }
    table.resizeColumnsToContents();
    table.resizeRowsToContents();
    const int frame = 2 * table.frameWidth();
    table.setFixedHeight(table.horizontalHeader()->height() + table.verticalHeader()->length() +
                         frame);
    table.setMinimumWidth(table.horizontalHeader()->length() + frame);
}

} // namespace

RealPartsPanel::RealPartsPanel(char16_t decimalSeparator, QWidget* parent)
    : QGroupBox(parent), decimalSeparator_(decimalSeparator) {
    setObjectName(QStringLiteral("RealPartsPanel"));
    setPalette(LightFace());
    setFont(WindowFont(8.25, false));
    losses_ = ResultTable(QStringLiteral("LossTable"), this);
    steady_ = ResultTable(QStringLiteral("SteadyStateTable"), this);
    auto* top = new QHBoxLayout;
    top->addLayout(createFields());
    top->addSpacing(24);
    top->addLayout(createBooks());
    top->addStretch();
    auto* tables = new QHBoxLayout;
    tables->addWidget(losses_);
    tables->addWidget(steady_);
    tables->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(tables);
    translateTexts();
}

// The title, the labels, the refusals and the tables' words in the language in use; the
// fields keep what they hold and the values stay.
void RealPartsPanel::translateTexts() {
    setTitle(Translate(QT_TRANSLATE_NOOP("RealPartsPanel", "Componenti reali")));
    losses_->setAccessibleName(
        Translate(QT_TRANSLATE_NOOP("RealPartsPanel", "Perdite per componente")));
    steady_->setAccessibleName(
        Translate(QT_TRANSLATE_NOOP("RealPartsPanel", "Regime ideale e con i componenti")));
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const QString label = FieldLabel(PartTable()[i]);
        fields_[i].label->setText(label);
        fields_[i].field->setAccessibleName(label);
        readPart(i);
    }
    showResults();
}

void RealPartsPanel::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        translateTexts();
    }
    QGroupBox::changeEvent(event);
}

RealParts RememberedParts() {
    RealParts parts;
    const std::unique_ptr<QSettings> settings = ToolSettings();
    for (const PartEntry& entry : PartTable()) {
        const QString text = settings->value(SettingsKey(entry)).toString().trimmed();
        if (const std::optional<double> value = ReadPartValue(text.toStdString())) {
            parts.*entry.part = *value * entry.scale;
        }
    }
    return parts;
}

QLayout* RealPartsPanel::createFields() {
    auto* grid = new QGridLayout;
    const std::unique_ptr<QSettings> settings = ToolSettings();
    const std::vector<PartEntry>& table = PartTable();
    for (std::size_t i = 0; i < table.size(); ++i) {
        const PartEntry& entry = table[i];
        const QString name = QString::fromUtf8(entry.name);
        auto* label = new QLabel(this);
        auto* field = new QLineEdit(this);
        field->setObjectName(QStringLiteral("Part_") + name);
        field->setMaximumWidth(90);
        label->setBuddy(field);
        auto* refusal = new QLabel(this);
        refusal->setObjectName(QStringLiteral("PartRefusal_") + name);
        QPalette palette = refusal->palette();
        palette.setColor(QPalette::WindowText, QColor(RefusalColor));
        refusal->setPalette(palette);
        const int row = static_cast<int>(i);
        grid->addWidget(label, row, 0);
        grid->addWidget(field, row, 1);
        grid->addWidget(refusal, row, 2);
        fields_.push_back({label, field, refusal});
        field->setText(settings->value(SettingsKey(entry)).toString());
        readPart(i);
        connect(field, &QLineEdit::textChanged, this, [this, i] {
            if (readPart(i)) {
                ToolSettings()->setValue(SettingsKey(PartTable()[i]), fields_[i].field->text());
                showResults();
                emit partsChanged(parts_);
            }
        });
    }
    return grid;
}

QLayout* RealPartsPanel::createBooks() {
    auto* grid = new QGridLayout;
    for (const char* name : bookNames) {
        const int row = static_cast<int>(bookValues_.size());
        auto* caption = new QLabel(this);
        auto* value = new QLabel(this);
        value->setObjectName(QString::fromUtf8(name));
        value->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        caption->setBuddy(value);
        grid->addWidget(caption, row, 0);
        grid->addWidget(value, row, 1);
        bookNames_.push_back(caption);
        bookValues_.push_back(value);
    }
    grid->setRowStretch(grid->rowCount(), 1);
    return grid;
}

// Takes the field's text as the part's value, or shows why not.
bool RealPartsPanel::readPart(std::size_t index) {
    const PartEntry& entry = PartTable()[index];
    const QString text = fields_[index].field->text().trimmed();
    const std::optional<double> value =
        text.isEmpty() ? std::optional(0.0) : ReadPartValue(text.toStdString());
    const QString refusal = value ? QString() : Translate(Refusal);
    fields_[index].refusal->setText(refusal);
    fields_[index].field->setAccessibleDescription(refusal);
    if (value) {
        parts_.*entry.part = *value * entry.scale;
    }
    return value.has_value();
}

void RealPartsPanel::setCircuit(const ConverterCircuit& circuit) {
    circuit_ = circuit;
    showResults();
}

void RealPartsPanel::showResults() {
    if (!circuit_) {
        return;
    }
    results_ = SolveRealParts(*circuit_, parts_);
    const RealPartsTable table = TabulateRealParts(*results_, decimalSeparator_);
    FillTable(*losses_, table.lossTitles, table.lossRows);
    FillTable(*steady_, table.steadyTitles, table.steadyRows);
    for (std::size_t i = 0; i < table.books.size(); ++i) {
        bookNames_[i]->setText(table.books[i].first + QStringLiteral(":"));
        bookValues_[i]->setText(table.books[i].second);
        bookValues_[i]->setAccessibleName(table.books[i].first);
    }
}
