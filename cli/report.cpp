#include "cli/report.h"

#include "cli/cli_text.h"
#include "display/analysis_wording.h"

#include <charconv>
#include <cmath>

namespace {

Report TextsOf(const std::vector<ControlText>& texts) {
    Report object = Report::object();
    for (const auto& [name, text] : texts) {
        object[name] = Utf8(text);
    }
    return object;
}

Report VerificationBody(const VerificationRun& run) {
    const Module1& m = run.m;
    return {{"DeltaiLSim", m.DeltaiLSim}, {"DeltaVoSim", m.DeltaVoSim},
            {"IDPSim", m.IDPSim},         {"IdmSim", m.IdmSim},
            {"IimSim", m.IimSim},         {"texts", TextsOf(run.values)}};
}

Report StressesOf(const PartStresses& s) {
    return {{"switch",
             {{"peak_A", s.switchPeak},
              {"mean_A", s.switchMean},
              {"rms_A", s.switchRms},
              {"voltage_V", s.voltageStress}}},
            {"diode",
             {{"peak_A", s.diodePeak},
              {"mean_A", s.diodeMean},
              {"rms_A", s.diodeRms},
              {"voltage_V", s.voltageStress}}},
            {"inductor",
             {{"peak_A", s.inductorPeak}, {"mean_A", s.inductorMean}, {"rms_A", s.inductorRms}}},
            {"capacitor", {{"peak_A", s.capacitorPeak}, {"rms_A", s.capacitorRms}}}};
}

Report PeriodOf(const PeriodValues& v) {
    return {{"iLMin_A", v.iLMin},         {"iLMax_A", v.iLMax},   {"DeltaiL_A", v.DeltaiL},
            {"DeltaVo_V", v.DeltaVo},     {"VoMean_V", v.meanVo}, {"IDm_A", v.meanDiodeCurrent},
            {"Iim_A", v.meanInputCurrent}};
}

Report DeviationsOf(const QuantityDeviations& d) {
    return {{"iLMin_A", d.iLMin},         {"iLMax_A", d.iLMax},   {"DeltaiL_A", d.DeltaiL},
            {"DeltaVo_V", d.DeltaVo},     {"VoMean_V", d.meanVo}, {"IDm_A", d.meanDiodeCurrent},
            {"Iim_A", d.meanInputCurrent}};
}

void FlattenInto(const Report& value, const std::string& name,
                 std::vector<std::pair<std::string, Report>>& leaves) {
    if (!value.is_object()) {
        leaves.emplace_back(name, value);
        return;
    }
    for (const auto& [key, inner] : value.items()) {
        FlattenInto(inner, name.empty() ? key : name + "." + key, leaves);
    }
}

std::string Quoted(const std::string& text) {
    if (text.find_first_of(",\"\r\n") == std::string::npos) {
        return text;
    }
    std::string quoted = "\"";
    for (const char c : text) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

Report PartsOf(const RealParts& p) {
    return {{"rds_ohm", p.rS}, {"dcr_ohm", p.rL}, {"esr_ohm", p.rC}, {"vf_V", p.Vf},
            {"rd_ohm", p.rD},  {"tr_s", p.tr},    {"tf_s", p.tf},    {"coss_F", p.Coss},
            {"qg_C", p.Qg},    {"vg_V", p.Vg}};
}

Report LossesOf(const PartLosses& l) {
    return {{"switch_conduction", l.switchConduction},
            {"switch_switching", l.switchSwitching},
            {"switch_coss", l.switchCoss},
            {"gate", l.gate},
            {"inductor", l.inductor},
            {"diode", l.diode},
            {"capacitor", l.capacitor},
            {"total", l.total}};
}

const char* ModeOf(bool discontinuous) {
    return discontinuous ? "DCM" : "CCM";
}

Report Optional(const std::optional<double>& value) {
    return value ? Report(*value) : Report();
}

} // namespace

Report DesignReport(const DesignRun& run) {
    const Module1& m = run.m;
    return {{"design",
             {{"D", m.D},
              {"L", m.L},
              {"C", m.C},
              {"IDP", m.IDP},
              {"IDm", m.IDm},
              {"Iim", m.Iim},
              {"RL", m.RL},
              {"texts", TextsOf(run.texts)}}}};
}

Report VerificationReport(const VerificationRun& run) {
    return {{"verify", VerificationBody(run)}};
}

Report AnalysisBody(const VerificationRun& run, const ConverterAnalysis& analysis) {
    const bool simulated = run.status.end == RunEnd::Done;
    const ConductionBoundary& boundary = analysis.boundary;
    Report body;
    body["simulation"] = simulated ? VerificationBody(run) : Report();
    body["status"] = simulated ? std::string("ok") : CliText(run.status.message);
    body["stress"] = simulated ? StressesOf(analysis.simulatedStresses) : Report();
    body["exact_at_ni"] = PeriodOf(analysis.exactAtNI.values);
    body["exact_unblocked_at_ni"] = PeriodOf(analysis.exactUnblockedAtNI.values);
    body["exact_steady"] = PeriodOf(analysis.exactSteady.values);
    body["accuracy_pct"] = simulated ? DeviationsOf(analysis.accuracy) : Report();
    body["step_error_pct"] = simulated ? DeviationsOf(analysis.stepError) : Report();
    body["model_difference_pct"] = DeviationsOf(analysis.modelDifference);
    body["ccm"] = {{"Lcrit_H", boundary.criticalL},
                   {"mode", analysis.discontinuous ? "DCM" : "CCM"}};
    body["rhp_zero_Hz"] = analysis.rhpZeroHz ? Report(*analysis.rhpZeroHz) : Report();
    body["warnings"] = Report::array();
    for (const Text& warning : AnalysisWarnings(analysis, simulated, u'.')) {
        body["warnings"].push_back(Utf8(warning));
    }
    return body;
}

void AddRealParts(Report& body, const ConverterCircuit& circuit, const RealParts& parts) {
    const LossySteadyState lossy = SolveLossySteadyState(circuit, parts);
    Report steady = PeriodOf(lossy.values);
    steady["mode"] = ModeOf(lossy.discontinuous);
    body["parts"] = PartsOf(parts);
    body["lossy_steady"] = steady;
    body["losses_W"] = LossesOf(lossy.losses);
    body["input_power_W"] = lossy.inputPower;
    body["output_power_W"] = lossy.outputPower;
    body["energy_balance_W"] = lossy.energyBalance;
    body["efficiency"] = lossy.efficiency;
    body["losses_formula_W"] =
        lossy.discontinuous ? Report() : LossesOf(FormulaLosses(circuit, parts));
    const double target = circuit.Vi * circuit.D / (1 - circuit.D);
    body["D_parts"] = Optional(DutyForOutput(circuit, parts, target).D);
}

void AddDesignParts(Report& body, const Module1& m, const RealParts& parts) {
    const DutyForTarget duty = DutyForOutput(DesignedCircuit(m), parts, m.Vo);
    body["D_parts"] = Optional(duty.D);
    body["efficiency_parts"] = Optional(duty.efficiency);
}

void AddSeriesDesign(Report& body, const Module1& m, ESeries series) {
    const SeriesDesign snapped = SnapDesign(DesignedCircuit(m), m.L, m.C, series);
    body["L_series_uH"] = snapped.LMicro;
    body["C_series_uF"] = snapped.CMicro;
    body["DeltaiL_series_A"] = snapped.steady.DeltaiL;
    body["DeltaVo_series_mV"] = snapped.steady.DeltaVoMilli;
}

void WriteEfficiencyCsv(std::ostream& out, const std::vector<EfficiencyPoint>& curve) {
    out << "index,load_pct,RL_ohm,Io_A,mode,Pout_W,Ploss_W,efficiency\n";
    for (std::size_t k = 0; k < curve.size(); ++k) {
        const EfficiencyPoint& p = curve[k];
        out << k << ',' << ShortestText(p.loadPercent) << ',' << ShortestText(p.RL) << ','
            << ShortestText(p.Io) << ',' << ModeOf(p.discontinuous) << ','
            << ShortestText(p.outputPower) << ',' << ShortestText(p.loss) << ','
            << ShortestText(p.efficiency) << '\n';
    }
}

Report AnalysisReport(const VerificationRun& run, const ConverterAnalysis& analysis) {
    return {{"analyze", AnalysisBody(run, analysis)}};
}

ConverterAnalysis AnalyseRun(const VerificationRun& run) {
    if (run.status.end == RunEnd::Done) {
        return AnalyseLastRun(run.m);
    }
    return AnalyseCircuit(CircuitOf(run.m), run.m.NI);
}

std::vector<std::pair<std::string, Report>> Flatten(const Report& report) {
    std::vector<std::pair<std::string, Report>> leaves;
    FlattenInto(report, "", leaves);
    return leaves;
}

std::string ShortestText(double value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value);
    return {text, written.ptr};
}

std::string CsvCell(const Report& value) {
    if (value.is_number_float()) {
        const double number = value.get<double>();
        return std::isfinite(number) ? ShortestText(number) : std::string();
    }
    if (value.is_string()) {
        return Quoted(value.get<std::string>());
    }
    if (value.is_null()) {
        return {};
    }
    if (value.is_array()) {
        std::string joined;
        for (const Report& item : value) {
            joined += (joined.empty() ? "" : " | ") + item.get<std::string>();
        }
        return Quoted(joined);
    }
    return value.dump();
}

void WriteJson(std::ostream& out, const Report& report) {
    out << report.dump(2) << '\n';
}

void WriteCsv(std::ostream& out, const Report& report) {
    const auto leaves = Flatten(report);
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        out << (i == 0 ? "" : ",") << Quoted(leaves[i].first);
    }
    out << '\n';
    for (std::size_t i = 0; i < leaves.size(); ++i) {
        out << (i == 0 ? "" : ",") << CsvCell(leaves[i].second);
    }
    out << '\n';
}
