#include "ui/waveform_window_layout.h"

#include "ui/window_colors.h"

#include <array>

namespace {

// Captions and units of the measured values, and the instruction under the plot.
const std::array labels{
    ControlLayout{"Label3", "Delta iL", 15240, 1320, 735, 255, 8.25},
    ControlLayout{"Label4", "[A]", 17760, 1320, 255, 255, 8.25, {}, "ampere"},
    ControlLayout{"Label6", "Delta Vo", 15240, 5880, 855, 255, 8.25},
    ControlLayout{"Label7", "[mV]", 17880, 5760, 495, 255, 8.25, {}, "millivolt"},
    ControlLayout{"Label10", "Id picco", 15240, 8040, 735, 255, 8.25},
    ControlLayout{"Label11", "[A]", 18000, 8040, 255, 255, 8.25, {}, "ampere"},
    ControlLayout{"Label12", "Id media", 15240, 8640, 735, 255, 8.25},
    ControlLayout{"Label13", "[A]", 18000, 8520, 255, 255, 8.25, {}, "ampere"},
    ControlLayout{"Label14", "Ii media o continua in ingresso", 13560, 9480, 2655, 255, 8.25},
    ControlLayout{"Label15", "[A]", 18000, 9480, 255, 255, 8.25, {}, "ampere"},
    ControlLayout{
        "Label1",
        "Sposta il cursore del mouse sulla forma d'onda , comparirà il valore in quel punto", 120,
        9480, 8655, 375, 9.75},
};

// The values measured on the simulated period; each box shows its own name until the first
// verification writes it.
const std::array valueBoxes{
    ControlLayout{"Label2", "Label2", 16080, 1200, 1575, 375, 8.25, White,
                  "Delta iL, ondulazione simulata della corrente nell'induttore, ampere"},
    ControlLayout{"Label5", "Label5", 16200, 5760, 1575, 375, 8.25, White,
                  "Delta Vo, ondulazione simulata della tensione di uscita, millivolt"},
    ControlLayout{"Label8", "Label8", 16200, 8040, 1575, 375, 8.25, White,
                  "Id picco, corrente di picco simulata nel diodo, ampere"},
    ControlLayout{"Label9", "Label9", 16200, 8520, 1575, 375, 8.25, White,
                  "Id media, corrente media simulata nel diodo, ampere"},
    ControlLayout{"Label16", "Label16", 16320, 9360, 1575, 375, 8.25, White,
                  "Ii media, corrente media simulata in ingresso, ampere"},
};

// One button per trace, beside the trace's zero line and in the trace's colour.
const std::array options{
    OptionLayout{
        {"Option1", "iL(t)", 15360, 1800, 975, 375, 8.25, {}, "iL(t), corrente nell'induttore"},
        qRgb(255, 0, 0)},
    OptionLayout{
        {"Option2", "iC(t)", 15360, 2640, 735, 495, 8.25, {}, "iC(t), corrente nel condensatore"},
        qRgb(0, 255, 0)},
    OptionLayout{{"Option3", "Vo(t)", 15360, 4440, 735, 615, 8.25, {}, "Vo(t), tensione di uscita"},
                 qRgb(0, 0, 255)},
    OptionLayout{{"Option5", "id(t)", 15240, 9000, 735, 495, 8.25, {}, "id(t), corrente nel diodo"},
                 qRgb(0, 255, 255)},
};

const ControlLayout plot{
    "Picture1", "", 120, 120, 15015, 9135, 8.25, {}, "Grafico delle forme d'onda iL, iC, Vo e id"};

const ControlLayout emptyPicture{"Picture2", "", 16800, 6480, 495, 375, 8.25, {}, "Immagine vuota"};

} // namespace

std::span<const ControlLayout> WaveformWindowLabels() {
    return labels;
}
std::span<const ControlLayout> WaveformWindowValueBoxes() {
    return valueBoxes;
}
std::span<const OptionLayout> WaveformWindowOptions() {
    return options;
}
const ControlLayout& WaveformWindowPlot() {
    return plot;
}
const ControlLayout& WaveformWindowEmptyPicture() {
    return emptyPicture;
}
