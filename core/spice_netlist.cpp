#include "core/spice_netlist.h"

#include <algorithm>
#include <charconv>

namespace {

// The shortest text that reads back to the same double: digits, '.', 'e' and signs only, so
// that no SPICE scale suffix ("m", "meg") can change the number.
std::string Number(double value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return {text, written.ptr};
}

// An ideal switch still needs a resistance; a micro-ohm stands for none. Off, the switch is as
// open as SPICE keeps sound: 1e12 times its on-resistance.
constexpr double IdealOnResistance = 1e-6;
constexpr double OffToOnRatio = 1e12;

// The pulse's edges, a tenth of the transient's longest step: short against the step, yet long
// enough that ngspice's steps at the switching instants stay far from the times' rounding,
// below which its capacitor currents and so its inductor current lose their digits.
constexpr double EdgeShareOfStep = 0.1;

std::string Heading(const ConverterCircuit& c, const RealParts& p, std::int32_t samples,
                    std::int32_t periods) {
    std::string text = "Convertitore buck-boost invertente\n";
    text += "* Vi = " + Number(c.Vi) + " V, D = " + Number(c.D) + ", f = " + Number(c.f) +
            " Hz, L = " + Number(c.L) + " H, C = " + Number(c.C) + " F, RL = " + Number(c.RL) +
            " ohm\n";
    text += "* passo al massimo 1 / (N f) con N = " + std::to_string(samples) +
            ", NI = " + std::to_string(periods) + " periodi dal convertitore scarico\n";
    if (p.any()) {
        text += "* componenti reali: rS = " + Number(p.rS) + " ohm, rL = " + Number(p.rL) +
                " ohm, rC = " + Number(p.rC) + " ohm, Vf = " + Number(p.Vf) +
                " V, rD = " + Number(p.rD) + " ohm\n";
        text += "* tr = " + Number(p.tr) + " s, tf = " + Number(p.tf) +
                " s, Coss = " + Number(p.Coss) + " F, Qg = " + Number(p.Qg) +
                " C, Vg = " + Number(p.Vg) + " V: perdite stimate a parte, non nel circuito\n";
    }
    return text;
}

std::string SwitchLines(const ConverterCircuit& c, double rS, std::int32_t samples) {
    const double period = 1 / c.f;
    const double edge = period / samples * EdgeShareOfStep;
    const double on = rS > 0 ? rS : IdealOnResistance;
    // The switch changes state halfway up each edge: on for the pulse's width plus one edge.
    return "Vin in 0 DC " + Number(c.Vi) + "\n" + "Vpwm gate 0 PULSE(0 1 0 " + Number(edge) + " " +
           Number(edge) + " " + Number(c.D * period - edge) + " " + Number(period) + ")\n" +
           "S1 in sw gate 0 interruttore\n" +
           ".model interruttore sw(vt=0.5 vh=0 ron=" + Number(on) +
           " roff=" + Number(on * OffToOnRatio) + ")\n";
}

// A part in series between two nodes, or a short (the second node renamed) when it is zero.
std::string SeriesResistor(const std::string& name, const std::string& from, const std::string& to,
                           double resistance) {
    return resistance > 0 ? name + " " + from + " " + to + " " + Number(resistance) + "\n" : "";
}

std::string StorageLines(const ConverterCircuit& c, const RealParts& p) {
    // VL senses iL, from the switch node through L to ground.
    std::string text = "VL sw l1 DC 0\n";
    text += "L1 l1 " + std::string(p.rL > 0 ? "l2" : "0") + " " + Number(c.L) + "\n";
    text += SeriesResistor("RDCR", "l2", "0", p.rL);
    text += "C1 out " + std::string(p.rC > 0 ? "c1" : "0") + " " + Number(c.C) + "\n";
    text += SeriesResistor("RESR", "c1", "0", p.rC);
    text += "RLOAD out 0 " + Number(c.RL) + "\n";
    return text;
}

std::string DiodeLines(const RealParts& p) {
    std::string text = "D1 out " + std::string(p.Vf > 0 ? "d1" : "sw") + " diodo\n";
    if (p.Vf > 0) {
        text += "VF d1 sw DC " + Number(p.Vf) + "\n";
    }
    text += ".model diodo d(is=1e-20 n=0.001 rs=" + Number(p.rD) + ")\n";
    return text;
}

std::string AnalysisLines(const ConverterCircuit& c, bool parts, std::int32_t samples,
                          std::int32_t periods) {
    const double period = 1 / c.f;
    const double step = period / samples;
    const double end = periods * period;
    const std::string window =
        " FROM=" + Number(std::max(periods - 1, 0) * period) + " TO=" + Number(end) + "\n";
    std::string text;
    if (parts) {
        text += "Bpin pin 0 V = -" + Number(c.Vi) + " * I(Vin)\n";
        text += "Bpout pout 0 V = V(out) * V(out) / " + Number(c.RL) + "\n";
    }
    text += ".tran " + Number(step) + " " + Number(end) + " 0 " + Number(step) + " uic\n";
    text += ".meas tran vo_avg AVG V(out)" + window;
    text += ".meas tran il_min MIN I(VL)" + window;
    text += ".meas tran il_max MAX I(VL)" + window;
    if (parts) {
        text += ".meas tran pin_avg AVG V(pin)" + window;
        text += ".meas tran pout_avg AVG V(pout)" + window;
    }
    return text;
}

} // namespace

std::string SpiceNetlist(const ConverterCircuit& circuit, const RealParts& parts,
                         std::int32_t samples, std::int32_t periods) {
    return Heading(circuit, parts, samples, periods) + SwitchLines(circuit, parts.rS, samples) +
           StorageLines(circuit, parts) + DiodeLines(parts) +
           AnalysisLines(circuit, parts.any(), samples, periods) + ".end\n";
}
