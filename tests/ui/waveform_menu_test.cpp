#include "app_fixture.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest/QTest>

namespace {

class WaveformMenuTest : public AppTest {
protected:
    // The named command of the waveform window; a missing one fails the test.
    QAction& action(const char* name) { return control<QAction>(form2(), name); }
    void trigger(const char* name) { action(name).trigger(); }
    QTemporaryDir folder;
};

struct MenuCase {
    const char* name;
    const char* text;
    const char* shortcut;
    bool needsRun;
};

// Every command with its accelerator and shortcut, in the menu bar and the plot's context menu,
// available once a run has drawn its traces and not after a run that drew none.
TEST_F(WaveformMenuTest, CommandsFollowThePlottedRun) {
    const MenuCase cases[] = {
        {"actionSaveImage", "&Salva immagine...", "Ctrl+S", true},
        {"actionExportCsv", "&Esporta dati CSV...", "Ctrl+E", true},
        {"actionCopyImage", "&Copia immagine", "Ctrl+C", true},
        {"actionCopyValues", "Copia &valori", "Ctrl+Shift+C", true},
        {"actionClose", "C&hiudi", "Ctrl+W", false},
        {"actionZoomIn", "Zoom &avanti", "Ctrl++", true},
        {"actionZoomOut", "Zoom &indietro", "Ctrl+-", true},
        {"actionZoomReset", "&Vista intera", "Ctrl+0", true},
        {"actionPanLeft", "Scorri a &sinistra", "Ctrl+Left", true},
        {"actionPanRight", "Scorri a &destra", "Ctrl+Right", true},
        {"actionFitBands", "Adatta le &bande", "B", true},
        {"actionMeasure", "&Cursori di misura", "M", true},
    };
    click("Command3");
    click("Command1");
    type("Text8", "1"); // the conduction check refuses the run: no traces
    click("Command2");
    QMenuBar* menuBar = form2().findChild<QMenuBar*>();
    ASSERT_NE(menuBar, nullptr);
    QList<QAction*> menuActions;
    for (QAction* menu : menuBar->actions()) {
        menuActions << menu->menu()->actions();
    }
    for (const MenuCase& c : cases) {
        SCOPED_TRACE(c.name);
        QAction& command = action(c.name);
        EXPECT_EQ(command.text(), c.text);
        EXPECT_EQ(command.shortcut(), QKeySequence(c.shortcut));
        EXPECT_TRUE(form2().plot().actions().contains(&command));
        EXPECT_TRUE(menuActions.contains(&command));
        EXPECT_EQ(command.isEnabled(), !c.needsRun);
    }
    type("Text8", "62.5");
    click("Command2");
    for (const MenuCase& c : cases) {
        EXPECT_TRUE(action(c.name).isEnabled()) << c.name;
    }
    runCancelledAtTheProgressDialog();
    EXPECT_FALSE(action("actionExportCsv").isEnabled());
}

// The table holds the run that is shown, even after a design calculation has changed the
// shared frequency; the dialog proposes a name from the run's data, then the folder used last.
TEST_F(WaveformMenuTest, CsvExportWritesTheShownRun) {
    runExample();
    type("Text3", "22");
    click("Command1");
    const QString path = folder.filePath(QStringLiteral("periodo.csv"));
    files.answer = path;
    trigger("actionExportCsv");
    ASSERT_EQ(files.proposed.size(), 1);
    EXPECT_TRUE(files.proposed[0].endsWith(
        "forme_d_onda_Vi15V_D62.5pct_f11kHz_L7990uH_C94.7uF_RL250ohm_N1000.csv"))
        << files.proposed[0].toStdString();
    QFile table(path);
    ASSERT_TRUE(table.open(QIODevice::ReadOnly));
    const QList<QByteArray> lines = table.readAll().split('\n');
    ASSERT_EQ(lines.size(), 1002); // header, 1000 rows, the empty text after the last LF
    EXPECT_EQ(lines[0], "k,t_s,iL_A,iC_A,Vo_V,id_A");
    EXPECT_EQ(lines[1].split(',')[1].toDouble(), 1.0 / (1000.0 * 11000.0))
        << "the run's 11 kHz, not the 22 kHz typed since";
    files.answer.reset();
    trigger("actionSaveImage");
    EXPECT_EQ(files.proposed[1],
              folder.filePath("forme_d_onda_Vi15V_D62.5pct_f11kHz_L7990uH_C94.7uF_"
                              "RL250ohm_N1000.png"));
    EXPECT_TRUE(messages.texts.empty());
}

// Pictures go to the file or the clipboard; a file that cannot be written is one message that
// names it, and a cancelled dialog writes nothing.
TEST_F(WaveformMenuTest, PicturesAndValues) {
    runExample();
    files.answer = folder.filePath(QStringLiteral("figura.svg"));
    trigger("actionSaveImage");
    EXPECT_TRUE(QFile::exists(*files.answer));
    files.answer = folder.filePath(QStringLiteral("manca/figura.png"));
    trigger("actionSaveImage");
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("figura.png"), std::string::npos) << messages.texts[0];
    files.answer.reset();
    trigger("actionExportCsv");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"figura.svg"});
    trigger("actionCopyImage");
    const QImage whole = QGuiApplication::clipboard()->image();
    EXPECT_GE(whole.width(), 2 * form2().plot().width());
    trigger("actionZoomIn"); // the picture shows the plot as it is shown
    trigger("actionCopyImage");
    EXPECT_NE(QGuiApplication::clipboard()->image(), whole);
    trigger("actionZoomReset");
    trigger("actionCopyImage");
    EXPECT_EQ(QGuiApplication::clipboard()->image(), whole);
}

// "Copia valori" copies the five values with numbers for people, while the boxes keep theirs.
TEST_F(WaveformMenuTest, CopiedValuesAreNumbersForPeople) {
    runExample();
    trigger("actionCopyValues");
    EXPECT_EQ(QGuiApplication::clipboard()->text(),
              "Delta iL = 106,49 mA\nDelta Vo = 59,983 mV\nId picco = 320,25 mA\n"
              "Id media = 100,35 mA\nIi media o continua in ingresso = 166,66 mA");
    EXPECT_EQ(valueTexts(),
              QStringList({"1,06E-01", "6,00E+01", "3,20E-01", "1,00E-01", "1,67E-01"}));
}

// Esc turns the measuring cursors off and never closes the window; "Chiudi" does.
TEST_F(WaveformMenuTest, EscapeTurnsTheCursorsOffAndChiudiCloses) {
    runExample();
    ASSERT_TRUE(activateForm2());
    action("actionMeasure").setChecked(true);
    QTest::keyClick(&form2().plot(), Qt::Key_Escape);
    EXPECT_FALSE(action("actionMeasure").isChecked());
    EXPECT_TRUE(form2().isVisible());
    trigger("actionClose");
    EXPECT_EQ(app.form2().window(), nullptr);
}

} // namespace
