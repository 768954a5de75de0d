// The documentation screenshots: the tool driven like a user, its windows saved as pictures.
#include "figure/language.h"
#include "figure/plot_mapping.h"
#include "figure/window_look.h"
#include "ui/analysis_window.h"
#include "ui/converter_app.h"
#include "ui/plot_box.h"
#include "ui/waveform_tools.h"
#include "ui/waveform_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QCursor>
#include <QEventLoop>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <QToolTip>
#include <cstdint>
#include <cstdio>
#include <optional>

// Drives the tool like a user for the documentation pictures: sample data, design,
// verification, then the pointer on the inductor-current trace. Saves form1.png and form2.png
// (the waveform window with the tool tip over it) into the folder given as argument, then
// turns the measuring cursors on over the inductor current and saves form2-cursors.png. Then
// fits the bands, zooms in twice, puts the cursors on the output voltage a period apart and
// saves the figure with "Salva immagine..." as figure-zoomed.png, and the analysis window as
// analysis.png. The windows speak the language INVERTER_LANG names, Italian without it.

namespace {

// Lets the windows appear and repaint.
void Pause(int milliseconds) {
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

bool IsRed(QRgb pixel) {
    return qRed(pixel) > 200 && qGreen(pixel) < 100 && qBlue(pixel) < 100;
}

// A point of the inductor-current trace, the first red from the top, near a quarter of the
// plot's width, in global coordinates.
QPoint PointOnInductorCurrent(PlotBox& plot) {
    const QImage image = plot.grab(plot.contentsRect()).toImage();
    const int column = image.width() / 4 + 7;
    for (int row = 0; row < image.height(); ++row) {
        if (IsRed(image.pixel(column, row))) {
            return plot.mapToGlobal(plot.contentsRect().topLeft() + QPoint(column, row));
        }
    }
    return plot.mapToGlobal(plot.contentsRect().center());
}

// The worked example, clicked as a user would.
void RunWorkedExample(MainWindow& form1) {
    form1.command3().click();
    form1.command1().click();
    form1.command2().click();
}

// The save dialog, answered with the path the tour chose.
class TourFileChooser : public SaveFileChooser {
public:
    QString path;
    std::optional<ChosenFile> choose(QWidget*, const QString&, const QString&,
                                     const std::vector<FileType>&) override {
        return ChosenFile{path, 0};
    }
};

// The analysis window's second page with the parts of a small converter typed in: a 50 mOhm
// switch, an 80 mOhm winding, a 30 mOhm capacitor and a Schottky diode (0.45 V, 20 mOhm).
bool ShowRealParts(QWidget& analysis) {
    auto* pages = analysis.findChild<QTabWidget*>(QStringLiteral("AnalysisPages"));
    if (!pages) {
        return false;
    }
    pages->setCurrentIndex(1);
    const std::pair<const char*, const char*> typed[] = {{"Part_rds-mohm", "50"},
                                                         {"Part_dcr-mohm", "80"},
                                                         {"Part_esr-mohm", "30"},
                                                         {"Part_vf", "0.45"},
                                                         {"Part_rd-mohm", "20"}};
    for (const auto& [name, text] : typed) {
        auto* field = analysis.findChild<QLineEdit*>(QString::fromUtf8(name));
        if (!field) {
            return false;
        }
        field->setText(QString::fromUtf8(text));
    }
    analysis.resize(analysis.sizeHint().expandedTo(QSize(1100, 620)));
    Pause(500);
    return true;
}

// The visible top-level window of type Window, if any.
template <typename Window> Window* OpenWindow() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* found = qobject_cast<Window*>(window); found && window->isVisible()) {
            return found;
        }
    }
    return nullptr;
}

// Turns the event loop until `done` holds, at most `milliseconds`.
template <typename Done> bool WaitUntil(Done done, int milliseconds) {
    for (int waited = 0; !done() && waited < milliseconds; waited += 50) {
        Pause(50);
    }
    return done();
}

// The frequency response of the worked example with the real parts: a Type III compensator
// for 200 Hz and 50 degrees, and the switching circuit measured at eight frequencies.
bool ShowFrequencyResponse(WaveformWindow& form2) {
    form2.action(WaveformAction::FrequencyResponse).trigger();
    Pause(300);
    auto* window = OpenWindow<FrequencyResponseWindow>();
    if (!window) {
        return false;
    }
    window->resize(1280, 860);
    window->findChild<QComboBox*>(QStringLiteral("CompensatorType"))->setCurrentIndex(2);
    window->findChild<QLineEdit*>(QStringLiteral("CrossoverField"))->setText(QStringLiteral("200"));
    window->findChild<QLineEdit*>(QStringLiteral("MarginField"))->setText(QStringLiteral("50"));
    window->findChild<QPushButton*>(QStringLiteral("CompensateButton"))->click();
    window->findChild<QPushButton*>(QStringLiteral("FraButton"))->click();
    return WaitUntil([window] { return !window->fraRunning(); }, 60000);
}

// The tolerances of the worked example: the corners and 10,000 samples, with a ripple limit.
bool ShowTolerances(WaveformWindow& form2) {
    form2.action(WaveformAction::Tolerances).trigger();
    Pause(300);
    auto* window = OpenWindow<ToleranceWindow>();
    if (!window) {
        return false;
    }
    window->resize(1280, 860);
    window->findChild<QLineEdit*>(QStringLiteral("Limit0"))->setText(QStringLiteral("0.12"));
    window->findChild<QComboBox*>(QStringLiteral("HistogramQuantity"))->setCurrentIndex(1);
    window->findChild<QPushButton*>(QStringLiteral("RunButton"))->click();
    return WaitUntil([window] { return !window->running(); }, 60000);
}

// A click of the left button at screen coordinates (x, y) of the plot, 0 to 100 across and up.
void ClickPlot(PlotBox& plot, float x, float y) {
    const QPointF at =
        plot.contentsRect().topLeft() + PlotToPixel(x, y, plot.contentsRect().size());
    QMouseEvent press(QEvent::MouseButtonPress, at, plot.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&plot, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, plot.mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&plot, &release);
}

void PressKey(QWidget& widget, Qt::Key key) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
}

// Steps the active cursor B with the arrow keys until it lies a period after A.
void PlaceBAPeriodAfterA(const PlotCursors& plotCursors, PlotBox& plot, std::int32_t n) {
    const auto apart = [&] {
        const MeasuringCursors& cursors = *plotCursors.measuringCursors();
        const auto number = [&](CursorName name) {
            return std::int64_t{cursors[name].period} * n + cursors[name].sample;
        };
        return number(CursorName::B) - number(CursorName::A);
    };
    while (apart() != n) {
        PressKey(plot, apart() < n ? Qt::Key_Right : Qt::Key_Left);
    }
}

bool SaveScreenArea(const QWidget& window, const QString& path) {
    const QRect area(window.mapToGlobal(QPoint(0, 0)), window.size());
    const QPixmap shot =
        window.screen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    return shot.save(path);
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // Fusion paints push buttons in their palette colour on every desktop.
    QApplication::setStyle(QStringLiteral("Fusion"));
    RegisterWindowFonts();
    if (argc != 2) {
        std::fprintf(stderr, "usage: inverter_screenshots <folder>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    UseLanguage(ChosenLanguage(std::nullopt));
    DialogMessageBox messages;
    Module1 variables;
    TourFileChooser files;
    ConverterApp app(variables, messages, files, UserDecimalSeparator());
    app.form1().move(0, 0);
    app.form1().show();
    Pause(300);
    RunWorkedExample(app.form1());
    WaveformWindow& form2 = *app.form2().window();
    form2.move(0, 0);
    Pause(300);
    QCursor::setPos(PointOnInductorCurrent(form2.plot()));
    Pause(500);
    bool saved = app.form1().grab().save(folder + QStringLiteral("/form1.png")) &&
                 SaveScreenArea(form2, folder + QStringLiteral("/form2.png"));
    // The pointer leaves the plot, and its tool tip goes with it.
    QCursor::setPos(form2.mapToGlobal(QPoint(form2.width() - 1, form2.height() - 1)));
    QToolTip::hideText();
    form2.activateWindow();
    form2.select(Trace::InductorCurrent);
    form2.action(WaveformAction::Measure).setChecked(true);
    Pause(500);
    saved = saved && SaveScreenArea(form2, folder + QStringLiteral("/form2-cursors.png"));
    form2.action(WaveformAction::Measure).setChecked(false);
    // The output's ripple, zoomed in on two and a half periods and fitted, with the cursors on
    // the output voltage a period apart: their box gives the period's mean and RMS.
    form2.action(WaveformAction::FitBands).setChecked(true);
    form2.action(WaveformAction::ZoomIn).trigger();
    form2.action(WaveformAction::ZoomIn).trigger();
    form2.action(WaveformAction::Measure).setChecked(true);
    ClickPlot(form2.plot(), 20, 40);
    PressKey(form2.plot(), Qt::Key_Space);
    ClickPlot(form2.plot(), 60, 40);
    PlaceBAPeriodAfterA(app.form2().plotCursors(), form2.plot(), variables.N);
    Pause(300);
    files.path = folder + QStringLiteral("/figure-zoomed.png");
    QFile::remove(files.path);
    form2.action(WaveformAction::SaveImage).trigger();
    saved = saved && QFile::exists(files.path);
    form2.action(WaveformAction::Measure).setChecked(false);
    form2.action(WaveformAction::Analysis).trigger();
    Pause(500);
    QWidget* analysis = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (qobject_cast<AnalysisWindow*>(window) && window->isVisible()) {
            analysis = window;
        }
    }
    saved = saved && analysis != nullptr &&
            analysis->grab().save(folder + QStringLiteral("/analysis.png"));
    saved = saved && ShowRealParts(*analysis) &&
            analysis->grab().save(folder + QStringLiteral("/real-parts.png"));
    saved = saved && ShowFrequencyResponse(form2);
    Pause(500);
    saved = saved && OpenWindow<FrequencyResponseWindow>()->grab().save(
                         folder + QStringLiteral("/frequency-response.png"));
    saved = saved && ShowTolerances(form2);
    Pause(500);
    saved = saved &&
            OpenWindow<ToleranceWindow>()->grab().save(folder + QStringLiteral("/tolerances.png"));
    return saved ? 0 : 1;
}
