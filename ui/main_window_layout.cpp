#include "ui/main_window_layout.h"

#include "ui/window_colors.h"

#include <array>

namespace {

// Static texts: the title, the symbols and units beside each field, the section headings, the
// legend of the symbols and the contact line. The Greek letters are shown as themselves.
const std::array labels{
    ControlSpec{"Label2", "Convertitore tipo inverter", 240, 120, 4815, 495, 18},
    // Design data
    ControlSpec{"Label1", "Progetto > dati:", 11280, 360, 2055, 255, 9.75},
    ControlSpec{"Label3", "Vi", 10680, 720, 375, 375, 9.75},
    ControlSpec{"Label4", "[V]", 13440, 720, 735, 375, 9.75, {}, "volt"},
    ControlSpec{"Label5", "|Vo|", 10680, 1200, 495, 375, 9.75},
    ControlSpec{"Label6", "[V]", 13440, 1200, 735, 375, 9.75, {}, "volt"},
    ControlSpec{"Label7", "f", 10800, 1680, 255, 255, 9.75},
    ControlSpec{"Label8", "[kHz]", 13440, 1680, 735, 255, 9.75, {}, "kilohertz"},
    ControlSpec{"Label9", "Δ", 10320, 2160, 135, 255, 9.75, {}, "Delta"},
    ControlSpec{"Label11", "iL/ILm", 10440, 2160, 735, 255, 9.75},
    ControlSpec{"Label10", "[%]", 13440, 2160, 495, 375, 9.75, {}, "percento"},
    ControlSpec{"Label12", "Δ", 10680, 2640, 255, 255, 9.75, {}, "Delta"},
    ControlSpec{"Label13", "Vo", 10800, 2640, 375, 375, 9.75},
    ControlSpec{"Label14", "[mV]", 13440, 2640, 615, 375, 9.75, {}, "millivolt"},
    ControlSpec{"Label17", "|Io|", 10800, 3120, 375, 375, 9.75},
    ControlSpec{"Label18", "[A]", 13440, 3120, 495, 375, 9.75, {}, "ampere"},
    ControlSpec{"Label15", "Δ", 11280, 3720, 255, 255, 9.75, {}, "Delta"},
    ControlSpec{"Label16", "iL= (0.3 ; 0.5 )*Io", 11400, 3720, 1695, 375, 9.75},
    // Design results
    ControlSpec{"Label19", "Progetto > Risultati:", 11280, 4080, 2175, 255, 9.75},
    ControlSpec{"Label20", "L", 10800, 4440, 255, 255, 9.75},
    ControlSpec{"Label21", "[uH]", 13440, 4440, 615, 375, 9.75, {}, "microhenry"},
    ControlSpec{"Label22", "C", 10800, 4920, 375, 375, 9.75},
    ControlSpec{"Label23", "[uF]", 13440, 4920, 495, 375, 9.75, {}, "microfarad"},
    ControlSpec{"Label28", "IDP", 10800, 5400, 375, 255, 8.25},
    ControlSpec{"Label29", "[A]", 13440, 5400, 375, 375, 9.75, {}, "ampere"},
    ControlSpec{"Label31", "IDm", 10800, 5880, 375, 255, 8.25},
    ControlSpec{"Label30", "[A]", 13440, 5880, 495, 375, 9.75, {}, "ampere"},
    ControlSpec{"Label33", "Iim", 10800, 6360, 375, 255, 8.25},
    ControlSpec{"Label34", "[A]", 13440, 6360, 495, 375, 9.75, {}, "ampere"},
    // Verification data
    ControlSpec{"Label35", "Verifica > dati:", 1800, 6000, 1575, 255, 8.25},
    ControlSpec{"Label36", "Vi", 1440, 6480, 255, 255, 9.75},
    ControlSpec{"Label37", "[V]", 3840, 6480, 375, 255, 9.75, {}, "volt"},
    ControlSpec{"Label46", "f", 1440, 6960, 135, 255, 9.75},
    ControlSpec{"Label47", "[kHz]", 3840, 6840, 735, 255, 9.75, {}, "kilohertz"},
    ControlSpec{"Label38", "D", 1440, 7440, 255, 255, 8.25},
    ControlSpec{"Label39", "[%]", 3840, 7320, 495, 375, 9.75, {}, "percento"},
    ControlSpec{"Label40", "L", 1440, 8040, 255, 255, 9.75},
    ControlSpec{"Label43", "[uH]", 3840, 7920, 615, 375, 9.75, {}, "microhenry"},
    ControlSpec{"Label41", "C", 1440, 8640, 255, 255, 9.75},
    ControlSpec{"Label44", "[uF]", 3840, 8520, 495, 375, 9.75, {}, "microfarad"},
    ControlSpec{"Label42", "RL", 1440, 9120, 255, 255, 8.25},
    ControlSpec{"Label45", "[Ω]", 3840, 9000, 375, 255, 12, {}, "ohm"},
    ControlSpec{"Label48", "N", 5040, 6360, 255, 255, 8.25},
    ControlSpec{"Label56", "Numero campioni", 7440, 6480, 1935, 255, 8.25},
    ControlSpec{"Label49", "NP", 5040, 6840, 255, 255, 8.25},
    ControlSpec{"Label57", "Numero periodi visualizzati", 7440, 6960, 2655, 255, 8.25},
    ControlSpec{"Label64", "NI", 5040, 7320, 255, 255, 8.25},
    ControlSpec{"Label65", "Numero iterazioni", 7440, 7320, 1695, 255, 8.25},
    ControlSpec{"Label66", "Attendere!", 360, 9720, 1215, 255, 8.25},
    // Legend of the symbols
    ControlSpec{"Label50", "Vi = tensione continua in ingresso", 5040, 7800, 3375, 255, 8.25},
    ControlSpec{"Label51", "|Vo| = valore asoluto della tensione continua desiderata in uscita",
                5040, 8160, 4095, 375, 8.25},
    ControlSpec{"Label52", "f = frequenza di commutazione", 5040, 8640, 2775, 255, 8.25},
    ControlSpec{"Label53", "DeltaiL = variazione di picco della corrente nell'induttore", 5040,
                9000, 5055, 255, 8.25},
    ControlSpec{"Label54", "DeltaVo = variazione di picco della tensione in uscita", 5040, 9360,
                4815, 255, 8.25},
    ControlSpec{"Label55", "Io = corrente continua in uscita", 5040, 9720, 2775, 255, 8.25},
    ControlSpec{"Label58", "D = duty cycle = ton/(ton+toff) =| Vo|/(Vi + |Vo|)", 5040, 10080, 5055,
                255, 8.25},
    ControlSpec{"Label59", "ton =  intervallo di tempo in cui l'interruttore è chiuso", 10320, 7680,
                5055, 255, 8.25},
    ControlSpec{"Label60", "toff = intervallo di tempo in cui l'iterruttore è aperto", 10320, 8040,
                5175, 255, 8.25},
    ControlSpec{"Label61", "IDP = corrente di picco nel diodo", 10320, 8400, 4815, 255, 8.25},
    ControlSpec{"Label62", "IDm = corrente media nel diodo", 10320, 8760, 5415, 255, 8.25},
    ControlSpec{"Label63", "Iim = corrente media, o continua,  in ingresso ", 10320, 9120, 4455,
                255, 8.25},
    // Contact line: the tool's name and version in the window's regular default font
    ControlSpec{"Label67", "Inverter " CONVERTER_VERSION, 13680, 9720, 1575, 285, 8.25, LightCyan,
                "Inverter, versione " CONVERTER_VERSION, false},
};

// The design results: empty until the design calculation writes them.
const std::array resultBoxes{
    ControlSpec{"Label24", "", 11280, 4440, 2055, 375, 8.25, LightBlue,
                "L, induttanza calcolata, microhenry"},
    ControlSpec{"Label25", "", 11280, 4920, 2055, 375, 8.25, LightBlue,
                "C, capacità calcolata, microfarad"},
    ControlSpec{"Label26", "", 11280, 5400, 2055, 375, 8.25, LightBlue,
                "IDP, corrente di picco nel diodo, ampere"},
    ControlSpec{"Label27", "", 11280, 5880, 2055, 375, 8.25, LightBlue,
                "IDm, corrente media nel diodo, ampere"},
    ControlSpec{"Label32", "", 11280, 6360, 2055, 375, 8.25, LightBlue,
                "Iim, corrente media in ingresso, ampere"},
};

// Design data in light blue, verification data in light pink; three simulation counts start
// with usable values so that a designed converter can be verified at once.
const std::array textBoxes{
    ControlSpec{"Text1", "", 11280, 720, 2055, 375, 8.25, LightBlue,
                "Vi, tensione di ingresso, volt"},
    ControlSpec{"Text2", "", 11280, 1200, 2055, 375, 8.25, LightBlue,
                "Vo, valore assoluto della tensione di uscita, volt"},
    ControlSpec{"Text3", "", 11280, 1680, 2055, 375, 8.25, LightBlue,
                "f, frequenza di commutazione, kilohertz"},
    ControlSpec{"Text4", "", 11280, 2160, 2055, 375, 8.25, LightBlue,
                "Delta iL su ILm, ondulazione della corrente nell'induttore, percento"},
    ControlSpec{"Text5", "", 11280, 2640, 2055, 375, 8.25, LightBlue,
                "Delta Vo, ondulazione della tensione di uscita, millivolt"},
    ControlSpec{"Text6", "", 11280, 3120, 2055, 375, 8.25, LightBlue,
                "Io, valore assoluto della corrente di uscita, ampere"},
    ControlSpec{"Text7", "", 1800, 6360, 1935, 375, 8.25, LightPink,
                "Vi, tensione di ingresso da verificare, volt"},
    ControlSpec{"Text12", "", 1800, 6840, 1935, 375, 8.25, LightPink,
                "f, frequenza di commutazione da verificare, kilohertz"},
    ControlSpec{"Text8", "", 1800, 7320, 1935, 375, 8.25, LightPink, "D, duty cycle, percento"},
    ControlSpec{"Text9", "", 1800, 7920, 1935, 375, 8.25, LightPink, "L, induttanza, microhenry"},
    ControlSpec{"Text10", "", 1800, 8520, 1935, 375, 8.25, LightPink, "C, capacità, microfarad"},
    ControlSpec{"Text11", "", 1800, 9000, 1935, 375, 8.25, LightPink,
                "RL, resistenza di carico, ohm"},
    ControlSpec{"Text13", "1000", 5400, 6360, 1935, 375, 8.25, LightPink,
                "N, numero campioni per periodo"},
    ControlSpec{"Text14", "10", 5400, 6840, 1935, 375, 8.25, LightPink,
                "NP, numero periodi visualizzati"},
    ControlSpec{"Text15", "5000", 5400, 7320, 1935, 375, 8.25, LightPink,
                "NI, numero periodi simulati"},
};

const std::array buttons{
    ControlSpec{"Command3", "Dati Esempio", 13920, 3720, 1455, 495, 8.25, LightBlue},
    ControlSpec{"Command1", "Calcola L , C , IDP, IDm , Iim", 10920, 6840, 2895, 495, 8.25,
                LightBlue, "Calcola L, C, IDP, IDm, Iim"},
    ControlSpec{"Command2", "Grafici", 1800, 9600, 1935, 495, 8.25, LightPink},
};

const ControlSpec schematic{
    "Picture1", "", 240, 720, 9615, 5175, 8.25, {}, "Schema del convertitore tipo inverter"};

} // namespace

std::span<const ControlSpec> MainWindowLabels() {
    return labels;
}
std::span<const ControlSpec> MainWindowResultBoxes() {
    return resultBoxes;
}
std::span<const ControlSpec> MainWindowTextBoxes() {
    return textBoxes;
}
std::span<const ControlSpec> MainWindowButtons() {
    return buttons;
}
const ControlSpec& MainWindowSchematic() {
    return schematic;
}
