#pragma once

#include "core/standard_values.h"

#include <QDialog>

class QComboBox;
class QLabel;

// A completed design: its circuit and the L and C it gave, in uH and uF.
struct CompletedDesign {
    ConverterCircuit circuit;
    double LMicro = 0;
    double CMicro = 0;
};

// "Valori normalizzati": the designed L and C snapped up to a series of standard values (E6 to
// E96), so that the ripples asked for still hold, with the ripples they give in the exact
// periodic steady state. "Usa nella verifica" asks for the snapped values in the verification
// fields; the design's own values stay there otherwise.
class StandardValuesDialog : public QDialog {
    Q_OBJECT

public:
    StandardValuesDialog(const CompletedDesign& design, char16_t decimalSeparator,
                         QWidget* parent = nullptr);

    const SeriesDesign& snapped() const { return snapped_; }

signals:
    void useRequested(double LMicro, double CMicro);

protected:
    void changeEvent(QEvent* event) override;

private:
    void translateTexts();
    void showSeries();
    void showValues();

    CompletedDesign design_;
    char16_t decimalSeparator_;
    SeriesDesign snapped_;
    QComboBox* series_ = nullptr;
    QLabel* values_ = nullptr;
};
