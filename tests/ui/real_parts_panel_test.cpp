#include "core/exact_converter.h"
#include "display/number_text.h"
#include "figure/qt_text.h"
#include "settings_folder.h"
#include "test_support/example_converter.h"
#include "ui/real_parts_panel.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QTest>
#include <cmath>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace {

const QString Refusal =
    QStringLiteral("Serve un numero non negativo con il punto decimale (es. 50 o 0.45)");

// The field of each part with the text of the typical parts (example_converter.h).
struct TypedPart {
    const char* name;
    const char* text;
    double RealParts::*part;
};
const TypedPart typicalTexts[] = {
    {"rds-mohm", "50", &RealParts::rS}, {"dcr-mohm", "80", &RealParts::rL},
    {"esr-mohm", "30", &RealParts::rC}, {"vf", "0.45", &RealParts::Vf},
    {"rd-mohm", "20", &RealParts::rD},  {"tr-ns", "20", &RealParts::tr},
    {"tf-ns", "30", &RealParts::tf},    {"coss-pf", "200", &RealParts::Coss},
    {"qg-nc", "10", &RealParts::Qg},    {"vg", "10", &RealParts::Vg},
};

ConverterCircuit Example() {
    return CircuitOf(ExampleConverter());
}

QString Watts(double value) {
    return FromText(EngineeringText(value, u"W", u','));
}

class RealPartsPanelTest : public testing::Test {
protected:
    void SetUp() override {
        EmptyOwnSettingsFolder();
        panel = std::make_unique<RealPartsPanel>(u',');
    }

    std::unique_ptr<RealPartsPanel> panel;

    QLineEdit& field(const RealPartsPanel& p, const char* name) {
        return *p.findChild<QLineEdit*>(QStringLiteral("Part_") + QString::fromUtf8(name));
    }
    QString refusal(const char* name) {
        return panel->findChild<QLabel*>(QStringLiteral("PartRefusal_") + QString::fromUtf8(name))
            ->text();
    }
    QString shown(const char* name) { return panel->findChild<QLabel*>(name)->text(); }
    QTableWidget& table(const char* name) { return *panel->findChild<QTableWidget*>(name); }
    void typeTypicalParts() {
        for (const TypedPart& part : typicalTexts) {
            field(*panel, part.name).setText(QString::fromUtf8(part.text));
        }
    }
    // Everything the settings folder holds, as text.
    static QString SavedSettings() {
        QString saved;
        QDirIterator files(qEnvironmentVariable("XDG_CONFIG_HOME"), QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            QFile file(files.next());
            file.open(QIODevice::ReadOnly);
            saved += QString::fromUtf8(file.readAll());
        }
        return saved;
    }
};

TEST_F(RealPartsPanelTest, RemembersThePartsFromOneStartToTheNext) {
    typeTypicalParts();
    panel.reset();
    // On disk once the panel is gone, as when the tool ends.
    const QString saved = SavedSettings();
    for (const TypedPart& part : typicalTexts) {
        EXPECT_TRUE(saved.contains(QStringLiteral("%1=%2").arg(part.name, part.text))) << part.name;
    }
    const RealPartsPanel next(u',');
    const RealParts expected = TypicalParts();
    // The report reads them too, without a panel.
    const RealParts remembered = RememberedParts();
    for (const TypedPart& part : typicalTexts) {
        EXPECT_EQ(field(next, part.name).text(), QString::fromUtf8(part.text)) << part.name;
        EXPECT_DOUBLE_EQ(next.parts().*part.part, expected.*part.part) << part.name;
        EXPECT_EQ(remembered.*part.part, next.parts().*part.part) << part.name;
    }
}

TEST_F(RealPartsPanelTest, RefusesWhatIsNotANonNegativeNumberAndKeepsTheText) {
    QLineEdit& rds = field(*panel, "rds-mohm");
    rds.setText(QStringLiteral("50"));
    std::vector<RealParts> changes;
    QObject::connect(panel.get(), &RealPartsPanel::partsChanged,
                     [&changes](const RealParts& parts) { changes.push_back(parts); });
    for (const char* text : {"abc", "-1", "1,5", "inf", "nan", "1e999", "5 mohm"}) {
        rds.setText(QString::fromUtf8(text));
        EXPECT_EQ(rds.text(), QString::fromUtf8(text));
        EXPECT_EQ(refusal("rds-mohm"), Refusal) << text;
        EXPECT_EQ(rds.accessibleDescription(), Refusal) << text;
        EXPECT_EQ(panel->parts().rS, 0.05) << text;
    }
    EXPECT_TRUE(changes.empty());
    rds.setText(QStringLiteral("20"));
    EXPECT_TRUE(refusal("rds-mohm").isEmpty());
    EXPECT_EQ(panel->parts().rS, 0.02);
    ASSERT_EQ(changes.size(), 1u);
    EXPECT_EQ(changes.front().rS, 0.02);
    rds.clear(); // an empty field is an ideal part
    EXPECT_TRUE(refusal("rds-mohm").isEmpty());
    EXPECT_EQ(panel->parts().rS, 0);
}

// Typed on the keyboard: each key is read as it comes, the refusal stands while the text is
// not a number and goes when it is one again.
TEST_F(RealPartsPanelTest, TypedKeysAreReadAsTheyCome) {
    panel->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(panel.get()));
    QLineEdit& vf = field(*panel, "vf");
    vf.setFocus();
    QTRY_VERIFY(vf.hasFocus());
    QTest::keyClicks(&vf, QStringLiteral("-1"));
    EXPECT_EQ(vf.text(), QStringLiteral("-1"));
    EXPECT_EQ(refusal("vf"), Refusal);
    EXPECT_EQ(panel->parts().Vf, 0);
    QTest::keyClick(&vf, Qt::Key_Home);
    QTest::keyClick(&vf, Qt::Key_Delete);
    QTest::keyClick(&vf, Qt::Key_End);
    QTest::keyClicks(&vf, QStringLiteral(".5"));
    EXPECT_EQ(vf.text(), QStringLiteral("1.5"));
    EXPECT_TRUE(refusal("vf").isEmpty());
    EXPECT_EQ(panel->parts().Vf, 1.5);
}

TEST_F(RealPartsPanelTest, ZeroPartsShowTheIdealNumbersAndNoLoss) {
    panel->setCircuit(Example());
    QTableWidget& losses = table("LossTable");
    ASSERT_EQ(losses.rowCount(), 8);
    for (int row = 0; row < losses.rowCount(); ++row) {
        EXPECT_EQ(losses.item(row, 1)->text(), Watts(0)) << row;
        EXPECT_EQ(losses.item(row, 2)->text(), QStringLiteral("\u2014")) << row;
        EXPECT_EQ(losses.item(row, 3)->text(), Watts(0)) << row;
    }
    QTableWidget& steady = table("SteadyStateTable");
    for (int row = 0; row < steady.rowCount(); ++row) {
        EXPECT_EQ(steady.item(row, 1)->text(), steady.item(row, 2)->text()) << row;
    }
    const ExactConverter ideal(Example());
    const double idealVo = -ideal.period(ideal.steadyStart()).values.meanVo;
    EXPECT_EQ(steady.item(1, 1)->text(), FromText(EngineeringText(idealVo, u"V", u',')));
    EXPECT_EQ(shown("Efficiency"), QStringLiteral("100,00 %"));
    // The ideal circuit's own duty for Vi D / (1 - D), which its ripples move a little.
    const ConverterCircuit c = Example();
    const DutyForTarget duty = DutyForOutput(c, RealParts{}, c.Vi * c.D / (1 - c.D));
    ASSERT_TRUE(duty.D);
    EXPECT_NEAR(*duty.D, c.D, 1e-3);
    EXPECT_EQ(shown("DutyForTarget"), FromText(PercentText(*duty.D * 100, u',')));
}

TEST_F(RealPartsPanelTest, TypicalPartsBalanceTheirBooks) {
    typeTypicalParts();
    panel->setCircuit(Example());
    ASSERT_TRUE(panel->results());
    const RealPartsResults& r = *panel->results();
    EXPECT_LT(std::abs(r.lossy.energyBalance), 1e-9 * r.lossy.inputPower);
    EXPECT_EQ(shown("EnergyBalance"), Watts(r.lossy.energyBalance));
    EXPECT_EQ(shown("Efficiency"), FromText(PercentText(r.lossy.efficiency * 100, u',')));
    EXPECT_GT(r.lossy.efficiency, 0.8);
    EXPECT_LT(r.lossy.efficiency, 1);
    QTableWidget& losses = table("LossTable");
    EXPECT_EQ(losses.item(7, 1)->text(), Watts(r.lossy.losses.total));
    EXPECT_EQ(losses.item(7, 2)->text(), QStringLiteral("100,00 %"));
    ASSERT_TRUE(r.formula);
    EXPECT_EQ(losses.item(5, 3)->text(), Watts(r.formula->diode));
    // The parts need a longer duty for the ideal |Vo|.
    ASSERT_TRUE(r.duty.D);
    EXPECT_GT(*r.duty.D, Example().D);
    EXPECT_EQ(shown("DutyForTarget"), FromText(PercentText(*r.duty.D * 100, u',')));
    EXPECT_LT(-r.lossy.values.meanVo, -r.ideal.meanVo);
}

TEST_F(RealPartsPanelTest, DiscontinuousConductionLeavesTheFormulaColumnEmpty) {
    typeTypicalParts();
    ConverterCircuit circuit = Example();
    circuit.L = 20e-6;
    panel->setCircuit(circuit);
    ASSERT_TRUE(panel->results());
    ASSERT_TRUE(panel->results()->lossy.discontinuous);
    QTableWidget& losses = table("LossTable");
    for (int row = 0; row < losses.rowCount(); ++row) {
        EXPECT_FALSE(losses.item(row, 1)->text().isEmpty()) << row;
        EXPECT_TRUE(losses.item(row, 3)->text().isEmpty()) << row;
        EXPECT_TRUE(losses.item(row, 4)->text().isEmpty()) << row;
    }
    EXPECT_EQ(table("SteadyStateTable").item(0, 2)->text(), QStringLiteral("Discontinua (DCM)"));
}

// A part changed after the circuit was set shows at once.
TEST_F(RealPartsPanelTest, ChangedPartsShowAtOnce) {
    panel->setCircuit(Example());
    field(*panel, "vf").setText(QStringLiteral("0.7"));
    ASSERT_TRUE(panel->results());
    EXPECT_EQ(panel->results()->parts.Vf, 0.7);
    EXPECT_GT(panel->results()->lossy.losses.diode, 0);
    EXPECT_EQ(table("LossTable").item(5, 1)->text(), Watts(panel->results()->lossy.losses.diode));
}

} // namespace
