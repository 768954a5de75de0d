// The Bode analysis of the command line: its options read strictly, its report.
#include "cli/bode_report.h"

#include "cli/cli_text.h"
#include "core/bode_curve.h"
#include "core/frequency_response_analysis.h"
#include "display/frequency_response_wording.h"

#include <charconv>
#include <cmath>
#include <functional>

namespace {

constexpr std::int32_t MostPoints = 100000;
constexpr std::int32_t MostFraPoints = 1000;

// The refusals' text `italian`, with %1, %2, ... filled in.
template <typename... Values> std::string Worded(const char* italian, const Values&... values) {
    return CliText("CliBode", italian, values...);
}

// The finite number `text` is, read whole.
std::optional<double> NumberIn(const std::string& text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() ||
        !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

// Reads the options in turn; the first refused one stops the reading with its message.
class OptionReader {
public:
    explicit OptionReader(const BodeTexts& texts) : texts_(texts) {}

    bool given(const std::string& name) const { return texts_.contains(name); }
    const std::optional<std::string>& refusal() const { return refusal_; }

    // The option's number, when given, into `value`; refused unless `accept`ed, with what it
    // wants worded after "vuole " in the language in use.
    void number(const std::string& name, double& value, const std::function<bool(double)>& accept,
                const std::string& accepted) {
        if (refusal_ || !given(name)) {
            return;
        }
        const std::string& text = texts_.at(name);
        const std::optional<double> read = NumberIn(text);
        if (!read || !accept(*read)) {
            refusal_ = Worded(QT_TRANSLATE_NOOP("CliBode", "L'opzione --%1 vuole %2: %3"), name,
                              accepted, text);
            return;
        }
        value = *read;
    }

    void whole(const std::string& name, std::int32_t& value, std::int32_t least,
               std::int32_t most) {
        double read = value;
        number(
            name, read, [&](double v) { return std::trunc(v) == v && v >= least && v <= most; },
            Worded(QT_TRANSLATE_NOOP("CliBode", "un numero intero da %1 a %2"),
                   std::to_string(least), std::to_string(most)));
        value = static_cast<std::int32_t>(read);
    }

    void refuse(const std::string& message) {
        if (!refusal_) {
            refusal_ = message;
        }
    }

private:
    const BodeTexts& texts_;
    std::optional<std::string> refusal_;
};

std::string GreaterThanZero() {
    return Worded(QT_TRANSLATE_NOOP("CliBode", "un numero maggiore di zero"));
}

bool Positive(double v) {
    return v > 0;
}

void ReadCompensator(OptionReader& read, BodeRequest& request, double fSwitching) {
    if (!read.given("compensate")) {
        for (const char* name : {"fc-hz", "pm-deg", "r1-kohm"}) {
            if (read.given(name)) {
                read.refuse(Worded(
                    QT_TRANSLATE_NOOP("CliBode", "L'opzione --%1 vuole anche --compensate 2 o 3"),
                    name));
            }
        }
        return;
    }
    if (!read.given("fc-hz") || !read.given("pm-deg")) {
        read.refuse(Worded(
            QT_TRANSLATE_NOOP("CliBode", "L'opzione --compensate vuole anche --fc-hz e --pm-deg")));
        return;
    }
    CompensatorRequest compensator;
    double type = 2;
    read.number(
        "compensate", type, [](double v) { return v == 2 || v == 3; },
        Worded(QT_TRANSLATE_NOOP("CliBode", "2 o 3")));
    compensator.type = type == 3 ? CompensatorType::TypeIII : CompensatorType::TypeII;
    read.number(
        "fc-hz", compensator.fcHz, [&](double v) { return v > 0 && v < fSwitching / 2; },
        Worded(QT_TRANSLATE_NOOP("CliBode", "un numero maggiore di zero e minore di f/2 (%1 Hz)"),
               ShortestText(fSwitching / 2)));
    read.number(
        "pm-deg", compensator.pmDeg, [](double v) { return v > 0 && v < 180; },
        Worded(QT_TRANSLATE_NOOP("CliBode", "un numero maggiore di 0 e minore di 180")));
    double kilohm = compensator.R1 / 1000;
    read.number("r1-kohm", kilohm, Positive, GreaterThanZero());
    compensator.R1 = kilohm * 1000;
    compensator.Vm = request.Vm;
    request.compensator = compensator;
}

Report Optional(const std::optional<double>& value) {
    return value ? Report(*value) : Report();
}

Report RootsReport(const std::vector<Root>& roots, bool zeros) {
    Report list = Report::array();
    for (const Root& root : roots) {
        Report item = {{"f_Hz", root.fHz}, {"q", Optional(root.q)}};
        if (zeros) {
            item["rhp"] = root.rightHalfPlane;
        }
        list.push_back(item);
    }
    return list;
}

Report CompensatorReport(const LoopDesign& design, const CompensatorRequest& request) {
    if (design.refusal) {
        return {{"refused", Utf8(CompensatorRefusalText(*design.refusal, design.boostDeg, u'.'))}};
    }
    const CompensatorNetwork& n = design.network;
    Report report = {{"type", static_cast<int>(n.type)},
                     {"R1_ohm", n.R1},
                     {"R2_ohm", n.R2},
                     {"C1_F", n.C1},
                     {"C2_F", n.C2}};
    if (n.type == CompensatorType::TypeIII) {
        report["R3_ohm"] = n.R3;
        report["C3_F"] = n.C3;
    }
    report["k"] = design.k;
    report["fc_Hz"] = request.fcHz;
    report["pm_deg"] = design.pmDeg;
    report["gm_dB"] = Optional(design.gmDb);
    return report;
}

Report PointsReport(const std::vector<BodePoint>& curve) {
    Report points = Report::array();
    for (const BodePoint& p : curve) {
        Report point = {{"f_Hz", p.fHz},        {"Gvd_dB", p.gvdDb},   {"Gvd_deg", p.gvdDeg},
                        {"Gvg_dB", p.gvgDb},    {"Gvg_deg", p.gvgDeg}, {"Zout_dBohm", p.zoutDbOhm},
                        {"Zout_deg", p.zoutDeg}};
        if (p.loopDb) {
            point["T_dB"] = *p.loopDb;
            point["T_deg"] = *p.loopDeg;
        }
        points.push_back(point);
    }
    return points;
}

Report FraReport(const ConverterCircuit& circuit, const RealParts& parts,
                 const AveragedModel& model, const BodeRequest& request) {
    Report list = Report::array();
    if (request.fraPoints == 0) {
        return list;
    }
    const FrequencyResponseAnalyser analyser(circuit, parts);
    for (const double f : FraFrequencies(request.fromHz, circuit.f, request.fraPoints)) {
        const FraPoint point = *analyser.measure(f);
        const double deg = PhaseNear(point.deg, GvdCurvePhaseDeg(model, request.fromHz, point.fHz));
        list.push_back({{"f_Hz", point.fHz}, {"dB", point.dB}, {"deg", deg}});
    }
    return list;
}

} // namespace

BodeRequestRead ReadBodeRequest(const BodeTexts& texts, double fSwitching) {
    BodeRequestRead result;
    BodeRequest& request = result.request;
    request.toHz = fSwitching / 2;
    OptionReader read(texts);
    read.number("from-hz", request.fromHz, Positive, GreaterThanZero());
    if (read.given("to-hz")) {
        read.number(
            "to-hz", request.toHz, [&](double v) { return v > request.fromHz; },
            Worded(QT_TRANSLATE_NOOP("CliBode", "un numero maggiore di --from-hz")));
    } else if (!read.refusal() && !(request.fromHz < request.toHz)) {
        read.refuse(Worded(QT_TRANSLATE_NOOP("CliBode", "L'opzione --from-hz vuole un numero "
                                                        "minore di f/2 (%1 Hz): %2"),
                           ShortestText(request.toHz), texts.at("from-hz")));
    }
    read.whole("points", request.points, 2, MostPoints);
    read.number("vm", request.Vm, Positive, GreaterThanZero());
    ReadCompensator(read, request, fSwitching);
    read.whole("fra", request.fraPoints, 0, MostFraPoints);
    result.refusal = read.refusal();
    return result;
}

Report BodeReport(const ConverterCircuit& circuit, const RealParts& parts,
                  const BodeRequest& request) {
    const AveragedModel model = AverageModel(circuit, parts);
    Report body;
    body["mode"] = model.discontinuous ? "DCM" : "CCM";
    body["operating_point"] = {{"VoMean_V", model.VoMean}, {"IL_A", model.IL}};
    body["poles_Hz"] = RootsReport(model.poles, false);
    body["zeros_Hz"] = RootsReport(model.zeros, true);
    body["rhp_zero_Hz"] = Optional(model.rhpZeroHz);
    std::optional<LoopDesign> design;
    if (request.compensator) {
        design = SynthesiseCompensator(model, circuit, *request.compensator);
    }
    body["compensator"] = design ? CompensatorReport(*design, *request.compensator) : Report();
    const bool compensated = design && !design->refusal;
    body["points"] = PointsReport(BodeCurve(model, compensated ? &design->loopGain : nullptr,
                                            request.fromHz, request.toHz, request.points));
    body["fra"] = FraReport(circuit, parts, model, request);
    body["warnings"] = Report::array();
    for (const ModelWarning warning : model.warnings) {
        body["warnings"].push_back(Utf8(ModelWarningText(warning)));
    }
    if (compensated) {
        for (const LoopWarning warning : design->warnings) {
            body["warnings"].push_back(Utf8(LoopWarningText(warning)));
        }
    }
    return {{"bode", body}};
}

void WriteBodeCsv(std::ostream& out, const Report& report) {
    const Report& points = report.at("bode").at("points");
    if (points.empty()) {
        return;
    }
    const char* separator = "";
    for (const auto& [key, value] : points.front().items()) {
        out << separator << key;
        separator = ",";
    }
    out << '\n';
    for (const Report& point : points) {
        separator = "";
        for (const auto& [key, value] : point.items()) {
            out << separator << CsvCell(value);
            separator = ",";
        }
        out << '\n';
    }
}
