// The dialog of the standard values: the designed L and C snapped up to an E series.
#include "ui/standard_values_dialog.h"

#include "display/number_text.h"
#include "figure/language.h"
#include "figure/qt_text.h"
#include "figure/window_look.h"
#include "ui/controls.h"
#include "ui/window_texts.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QEvent>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr ESeries DefaultSeries = ESeries::E12;

QString Engineering(double value, std::u16string_view unit, char16_t separator) {
    return FromText(EngineeringText(value, unit, separator));
}

// The words of the dialog's controls; the values are shown apart.
constexpr WindowText Texts[]{
    {"", TextPlace::WindowTitle, QT_TRANSLATE_NOOP("StandardValuesDialog", "Valori normalizzati")},
    {"SeriesBox", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("StandardValuesDialog", "Serie di valori normalizzati IEC 60063")},
    {"SeriesBox", TextPlace::BuddyLabel, QT_TRANSLATE_NOOP("StandardValuesDialog", "&Serie")},
    {"SnappedValuesLabel", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("StandardValuesDialog", "Valori normalizzati e ondulazioni")},
    {"UseSnappedButton", TextPlace::Text,
     QT_TRANSLATE_NOOP("StandardValuesDialog", "&Usa nella verifica")},
    {"UseSnappedButton", TextPlace::AccessibleName,
     QT_TRANSLATE_NOOP("StandardValuesDialog", "Scrive L e C normalizzati nei campi di verifica")},
    {"CloseButton", TextPlace::Text, QT_TRANSLATE_NOOP("StandardValuesDialog", "&Chiudi")},
};

} // namespace

StandardValuesDialog::StandardValuesDialog(const CompletedDesign& design, char16_t decimalSeparator,
                                           QWidget* parent)
    : QDialog(parent), design_(design), decimalSeparator_(decimalSeparator) {
    setObjectName(QStringLiteral("StandardValuesDialog"));
    setPalette(LightFace());
    setFont(WindowFont(8.25, false));
    series_ = new QComboBox(this);
    series_->setObjectName(QStringLiteral("SeriesBox"));
    for (ESeries series : AllSeries) {
        series_->addItem(QString::fromLatin1(SeriesName(series)));
    }
    series_->setCurrentIndex(static_cast<int>(DefaultSeries));
    values_ = new QLabel(this);
    values_->setObjectName(QStringLiteral("SnappedValuesLabel"));
    values_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* use = buttons->addButton(QString(), QDialogButtonBox::AcceptRole);
    use->setObjectName(QStringLiteral("UseSnappedButton"));
    QPushButton* close = buttons->addButton(QString(), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("CloseButton"));
    connect(use, &QPushButton::clicked, this,
            [this] { emit useRequested(snapped_.LMicro, snapped_.CMicro); });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(series_, &QComboBox::currentIndexChanged, this, [this] { showSeries(); });
    auto* form = new QFormLayout;
    AddLabelledRow(*form, *series_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(values_);
    layout->addWidget(buttons);
    translateTexts();
    showSeries();
}

void StandardValuesDialog::translateTexts() {
    TranslateWindowTexts(*this, "StandardValuesDialog", Texts);
}

// The words change at once, the values shown stay.
void StandardValuesDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        translateTexts();
        showValues();
    }
    QDialog::changeEvent(event);
}

void StandardValuesDialog::showSeries() {
    const ESeries series = AllSeries[static_cast<std::size_t>(series_->currentIndex())];
    snapped_ = SnapDesign(design_.circuit, design_.LMicro, design_.CMicro, series);
    showValues();
}

void StandardValuesDialog::showValues() {
    const char16_t s = decimalSeparator_;
    ShowValue(*values_, Translated("StandardValuesDialog",
                                   QT_TRANSLATE_NOOP("StandardValuesDialog",
                                                     "L: progettata %1, normalizzata %2\n"
                                                     "C: progettata %3, normalizzata %4\n"
                                                     "Con i valori normalizzati, a regime esatto:\n"
                                                     "Delta iL = %5, Delta Vo = %6"))
                            .arg(Engineering(design_.LMicro * 1e-6, u"H", s),
                                 Engineering(snapped_.LMicro * 1e-6, u"H", s),
                                 Engineering(design_.CMicro * 1e-6, u"F", s),
                                 Engineering(snapped_.CMicro * 1e-6, u"F", s),
                                 Engineering(snapped_.steady.DeltaiL, u"A", s),
                                 Engineering(snapped_.steady.DeltaVo, u"V", s)));
}
