#pragma once

#include "core/lossy_converter.h"
#include "ui/real_parts_table.h"

#include <QGroupBox>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QTableWidget;

// "Componenti reali": the ten real parts typed in the units of a datasheet, and what the
// circuit given by setCircuit does with them: the loss of each part, the power books with the
// efficiency and the duty the parts need, the steady state beside the ideal one.
//
// A part is a number with a decimal point, at or above zero; an empty field is an ideal part.
// Any other text stays in its field with one message beside it, and the part keeps its last
// accepted value. Accepted parts are remembered from one start of the tool to the next.
//
// The parts remembered from the last time they were typed; a part never typed, or whose text
// is not accepted, is 0.
RealParts RememberedParts();

// A group box of its own, with the tool's light face, to be placed in any window.
class RealPartsPanel : public QGroupBox {
    Q_OBJECT

public:
    explicit RealPartsPanel(char16_t decimalSeparator, QWidget* parent = nullptr);

    void setCircuit(const ConverterCircuit& circuit);
    const RealParts& parts() const { return parts_; }
    // What the panel shows; none before a circuit is set.
    const std::optional<RealPartsResults>& results() const { return results_; }

signals:
    void partsChanged(const RealParts& parts);

protected:
    void changeEvent(QEvent* event) override;

private:
    struct PartField {
        QLabel* label;
        QLineEdit* field;
        QLabel* refusal;
    };

    void translateTexts();
    QLayout* createFields();
    QLayout* createBooks();
    bool readPart(std::size_t index);
    void showResults();

    char16_t decimalSeparator_;
    RealParts parts_;
    std::optional<ConverterCircuit> circuit_;
    std::optional<RealPartsResults> results_;
    std::vector<PartField> fields_;
    std::vector<QLabel*> bookNames_;
    std::vector<QLabel*> bookValues_;
    QTableWidget* losses_ = nullptr;
    QTableWidget* steady_ = nullptr;
};
