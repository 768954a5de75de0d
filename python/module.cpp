// The Python module inverter: the command line's commands as functions of numbers, with the
// same results to the bit. Each call reads its arguments into the texts the command line would
// be given (every number in the shortest text that reads back to it), runs the command without
// the interpreter's lock, so that threads compute in parallel, and returns the command line's
// JSON object as dicts, or its CSV as a list of dicts.
#include "cli/tolerance_options.h"
#include "python/commands.h"
#include "python/python_values.h"

#include <pybind11/numpy.h>
#include <pybind11/pybind11.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>
#include <string>
#include <thread>
#include <tuple>
#include <utility>
#include <vector>

namespace py = pybind11;

namespace {

// A parameter of a function: its name, and its text when not given (none: it must be given).
struct Parameter {
    std::string name;
    std::optional<std::string> fallback;
};

// An option's name as a Python name: "f-khz" is f_khz.
std::string PythonName(const char* option) {
    std::string name = option;
    std::replace(name.begin(), name.end(), '-', '_');
    return name;
}

std::vector<Parameter> FieldParameters(const std::vector<FieldOption>& options) {
    std::vector<Parameter> parameters;
    for (const FieldOption& option : options) {
        parameters.push_back(
            {PythonName(option.name),
             option.defaultText ? std::optional<std::string>(option.defaultText) : std::nullopt});
    }
    return parameters;
}

// A number as the command line's option text: the shortest text that reads back to it.
std::string NumberText(const char* function, const std::string& name, py::handle value) {
    if (!PyFloat_Check(value.ptr()) && !PyLong_Check(value.ptr())) {
        throw py::type_error(std::string(function) + "(): " + name + " vuole un numero");
    }
    return ShortestText(value.cast<double>());
}

// One call's arguments, positional in the order of the parameters or by keyword; the keywords
// that name no parameter are kept for the parts.
class Call {
public:
    Call(const char* function, std::vector<Parameter> parameters, const py::args& args,
         const py::kwargs& kwargs)
        : function_(function), parameters_(std::move(parameters)) {
        if (args.size() > parameters_.size()) {
            throw py::type_error(function_ + "(): troppi argomenti posizionali");
        }
        for (std::size_t i = 0; i < args.size(); ++i) {
            given_[parameters_[i].name] = args[i];
        }
        for (const auto& [key, value] : kwargs) {
            const std::string name = key.cast<std::string>();
            if (given_.contains(name)) {
                throw py::type_error(function_ + "(): " + name + " dato due volte");
            }
            given_[name] = py::reinterpret_borrow<py::object>(value);
        }
    }

    const char* function() const { return function_.c_str(); }

    std::optional<py::object> value(const std::string& name) const {
        const auto found = given_.find(name);
        if (found == given_.end() || found->second.is_none()) {
            return std::nullopt;
        }
        return found->second;
    }

    // The parameter's text: the number given, or its fallback.
    std::string text(const std::string& name) const {
        if (const auto given = value(name)) {
            return NumberText(function(), name, *given);
        }
        for (const Parameter& parameter : parameters_) {
            if (parameter.name == name && parameter.fallback) {
                return *parameter.fallback;
            }
        }
        throw py::type_error(function_ + "(): manca l'argomento " + name);
    }

    FieldTexts fields(const std::vector<FieldOption>& options) const {
        FieldTexts texts;
        for (const FieldOption& option : options) {
            texts[option.box] = TextFromUtf8(text(PythonName(option.name)));
        }
        return texts;
    }

    // A number that must be given.
    double number(const std::string& name) const {
        NumberText(function(), name, required(name));
        return required(name).cast<double>();
    }

    py::object required(const std::string& name) const {
        if (const auto given = value(name)) {
            return *given;
        }
        throw py::type_error(function_ + "(): manca l'argomento " + name);
    }

    // The real parts among the keywords; any other keyword is refused.
    PartTexts partTexts() const { return keywordTexts(true); }

    // Refuses every keyword that names no parameter.
    void takesNoParts() const { keywordTexts(false); }

private:
    PartTexts keywordTexts(bool takesParts) const {
        PartTexts texts;
        for (const auto& [name, value] : given_) {
            if (IsParameter(name)) {
                continue;
            }
            const PartEntry* part = takesParts ? PartNamed(name) : nullptr;
            if (!part) {
                throw py::type_error(function_ + "(): argomento inatteso " + name);
            }
            if (!value.is_none()) {
                texts[part->name] = NumberText(function(), name, value);
            }
        }
        return texts;
    }

    bool IsParameter(const std::string& name) const {
        return std::any_of(parameters_.begin(), parameters_.end(),
                           [&](const Parameter& p) { return p.name == name; });
    }

    static const PartEntry* PartNamed(const std::string& name) {
        for (const PartEntry& entry : PartTable()) {
            if (PythonName(entry.name) == name) {
                return &entry;
            }
        }
        return nullptr;
    }

    std::string function_;
    std::vector<Parameter> parameters_;
    std::map<std::string, py::object> given_;
};

// Runs `compute` without the interpreter's lock.
template <typename Compute> auto Unlocked(Compute compute) {
    py::gil_scoped_release unlocked;
    return compute();
}

py::object Design(const py::args& args, const py::kwargs& kwargs) {
    const Call call("design", FieldParameters(DesignOptions()), args, kwargs);
    const FieldTexts fields = call.fields(DesignOptions());
    const PartTexts parts = call.partTexts();
    return PythonValue(Unlocked([&] { return DesignBody(fields, ReadPartsOrThrow(parts)); }));
}

py::object Verify(const py::args& args, const py::kwargs& kwargs) {
    const Call call("verify", FieldParameters(VerificationOptions()), args, kwargs);
    const FieldTexts fields = call.fields(VerificationOptions());
    call.takesNoParts();
    return PythonValue(Unlocked([&] { return VerifyBody(fields); }));
}

py::object Analyze(const py::args& args, const py::kwargs& kwargs) {
    const Call call("analyze", FieldParameters(VerificationOptions()), args, kwargs);
    const FieldTexts fields = call.fields(VerificationOptions());
    const PartTexts parts = call.partTexts();
    return PythonValue(Unlocked([&] { return AnalyzeBody(fields, ReadPartsOrThrow(parts)); }));
}

// bode's own options, by Python name: from_hz is --from-hz.
const char* const BodeParameters[] = {"from_hz", "to_hz",  "points",  "vm", "compensate",
                                      "fc_hz",   "pm_deg", "r1_kohm", "fra"};

py::object Bode(const py::args& args, const py::kwargs& kwargs) {
    std::vector<Parameter> parameters = FieldParameters(VerificationOptions());
    for (const char* name : BodeParameters) {
        parameters.push_back({name, {}});
    }
    const Call call("bode", parameters, args, kwargs);
    const FieldTexts fields = call.fields(VerificationOptions());
    const PartTexts parts = call.partTexts();
    BodeTexts texts;
    for (std::string name : BodeParameters) {
        if (call.value(name)) {
            const std::string text = call.text(name);
            std::replace(name.begin(), name.end(), '_', '-');
            texts[name] = text;
        }
    }
    return PythonValue(Unlocked([&] { return BodeBody(fields, ReadPartsOrThrow(parts), texts); }));
}

py::array_t<double> Array(const std::vector<double>& samples) {
    return py::array_t<double>(static_cast<py::ssize_t>(samples.size()), samples.data());
}

py::dict WaveformArrays(const py::args& args, const py::kwargs& kwargs) {
    const Call call("waveforms", FieldParameters(VerificationOptions()), args, kwargs);
    const FieldTexts fields = call.fields(VerificationOptions());
    call.takesNoParts();
    const LastPeriodSamples samples = Unlocked([&] { return Waveforms(fields); });
    py::dict arrays;
    arrays["t"] = Array(samples.t);
    arrays["iL"] = Array(samples.iL);
    arrays["iC"] = Array(samples.iC);
    arrays["Vo"] = Array(samples.Vo);
    arrays["id"] = Array(samples.id);
    return arrays;
}

py::list Efficiency(const py::args& args, const py::kwargs& kwargs) {
    const CurveOptions defaults;
    std::vector<Parameter> parameters = FieldParameters(VerificationOptions());
    parameters.push_back({"from_pct", defaults.from});
    parameters.push_back({"to_pct", defaults.to});
    parameters.push_back({"points", defaults.points});
    const Call call("efficiency", parameters, args, kwargs);
    const FieldTexts fields = call.fields(VerificationOptions());
    const PartTexts parts = call.partTexts();
    const CurveOptions curve{call.text("from_pct"), call.text("to_pct"), call.text("points")};
    return PythonRows(
        Unlocked([&] { return EfficiencyCsv(fields, ReadPartsOrThrow(parts), curve); }));
}

py::str Netlist(const py::args& args, const py::kwargs& kwargs) {
    const Call call("netlist", FieldParameters(VerificationOptions()), args, kwargs);
    const FieldTexts fields = call.fields(VerificationOptions());
    const PartTexts parts = call.partTexts();
    return Unlocked([&] { return NetlistText(fields, ReadPartsOrThrow(parts)); });
}

// The sweep's parameter: a verification field or a real part, by its Python name.
void SetSwept(SweepPlan& plan, const std::string& name) {
    for (const FieldOption& option : VerificationOptions()) {
        if (PythonName(option.name) == name) {
            plan.swept = &option;
            return;
        }
    }
    for (const PartEntry& entry : PartTable()) {
        if (PythonName(entry.name) == name) {
            plan.sweptPart = &entry;
            return;
        }
    }
    throw py::value_error("param deve essere un argomento di verify o di un componente reale "
                          "(vi, d_pct, f_khz, l_uh, c_uf, rl, n, np, ni, rds_mohm, vf, ...): " +
                          name);
}

// The most points of a sweep, and samples of a Monte Carlo analysis.
constexpr std::int64_t MostRows = std::int64_t{1} << 40;

// A whole number of `call` from `least` to `most`.
std::int64_t WholeArgument(const Call& call, const std::string& name, std::int64_t least,
                           std::int64_t most) {
    const auto number = call.required(name).cast<std::int64_t>();
    if (number < least || number > most) {
        throw py::value_error(name + " vuole un numero intero da " + std::to_string(least) + " a " +
                              std::to_string(most));
    }
    return number;
}

// The threads of `call`, all the cores unless given, and its shard (K, M), the whole when not
// given: as -j and --shard K/M.
RowSplit SplitOf(const Call& call) {
    RowSplit split;
    split.jobs = call.value("jobs")
                     ? static_cast<int>(WholeArgument(call, "jobs", 1, 1024))
                     : static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));
    if (const auto shard = call.value("shard")) {
        std::tie(split.shard, split.shards) = shard->cast<std::pair<std::int64_t, std::int64_t>>();
        if (!(split.shard >= 0 && split.shard < split.shards)) {
            throw py::value_error("shard vuole (K, M) con 0 <= K < M");
        }
    }
    return split;
}

py::list Sweep(const py::args& args, const py::kwargs& kwargs) {
    std::vector<Parameter> parameters{{"param", {}}, {"start", {}}, {"stop", {}}, {"steps", {}},
                                      {"log", {}},   {"jobs", {}},  {"shard", {}}};
    for (const Parameter& field : FieldParameters(VerificationOptions())) {
        parameters.push_back(field);
    }
    const Call call("sweep", parameters, args, kwargs);
    SweepPlan plan;
    SetSwept(plan, call.required("param").cast<std::string>());
    plan.from = call.number("start");
    plan.to = call.number("stop");
    plan.steps = WholeArgument(call, "steps", 1, MostRows);
    plan.logarithmic = call.value("log").value_or(py::bool_(false)).cast<bool>();
    if (plan.logarithmic && !(plan.from > 0 && plan.to > 0)) {
        throw py::value_error("con log=True start e stop devono essere maggiori di zero");
    }
    const RowSplit split = SplitOf(call);
    plan.jobs = split.jobs;
    plan.shard = split.shard;
    plan.shards = split.shards;
    // Every field but the swept one is given, as in verify; the swept one's text is each
    // point's value.
    FieldTexts fields;
    for (const FieldOption& option : VerificationOptions()) {
        if (&option != plan.swept) {
            fields[option.box] = TextFromUtf8(call.text(PythonName(option.name)));
        }
    }
    const PartTexts parts = call.partTexts();
    return PythonRows(Unlocked([&] {
        plan.parts = ReadPartsOrThrow(parts);
        return SweepCsv(plan, fields);
    }));
}

// The tolerances as --tol gives them: the text itself, or a dict of per cents by name.
std::string ToleranceText(const Call& call) {
    const py::object tol = call.required("tol");
    if (py::isinstance<py::str>(tol)) {
        return tol.cast<std::string>();
    }
    if (!py::isinstance<py::dict>(tol)) {
        throw py::type_error("tolerance(): tol vuole un dict o un testo come \"vi=5,l=20\"");
    }
    std::string text;
    for (const auto& [name, percent] : tol.cast<py::dict>()) {
        if (!py::isinstance<py::str>(name)) {
            throw py::type_error("tolerance(): i nomi di tol sono testi");
        }
        text += (text.empty() ? "" : ",") + name.cast<std::string>() + "=" +
                NumberText(call.function(), "tol", percent);
    }
    return text;
}

// The limits, by Python name as the command line's --limit- options.
struct LimitParameter {
    const char* name;
    std::optional<double> ToleranceLimits::*limit;
};

const LimitParameter LimitParameters[] = {
    {"limit_ripple_il_a", &ToleranceLimits::rippleIL},
    {"limit_ripple_vo_mv", &ToleranceLimits::rippleVoMilli},
    {"limit_vo_band_pct", &ToleranceLimits::voBandPercent},
    {"limit_ipk_a", &ToleranceLimits::peakCurrent},
    {"limit_eff_pct", &ToleranceLimits::efficiencyPercent},
};

// The problem's rows, distribution, seed and limits, as the command line's options set them.
ToleranceProblem ToleranceRequest(const Call& call) {
    ToleranceProblem problem;
    const std::optional<std::int64_t> samples =
        call.value("monte_carlo") ? std::optional(WholeArgument(call, "monte_carlo", 1, MostRows))
                                  : std::nullopt;
    SetRowKinds(problem, call.value("worst_case").value_or(py::bool_(false)).cast<bool>(), samples);
    if (call.value("seed")) {
        problem.seed = static_cast<std::uint64_t>(
            WholeArgument(call, "seed", 0, std::numeric_limits<std::int64_t>::max()));
    }
    const std::string distribution =
        call.value("dist").value_or(py::str("uniform")).cast<std::string>();
    if (distribution != "uniform" && distribution != "normal") {
        throw py::value_error("dist vuole \"uniform\" o \"normal\": " + distribution);
    }
    problem.distribution =
        distribution == "normal" ? SampleDistribution::Normal : SampleDistribution::Uniform;
    for (const LimitParameter& parameter : LimitParameters) {
        if (call.value(parameter.name)) {
            const double limit = call.number(parameter.name);
            if (!std::isfinite(limit)) {
                throw py::value_error(std::string(parameter.name) + " vuole un numero finito");
            }
            problem.limits.*parameter.limit = limit;
        }
    }
    return problem;
}

py::list Tolerance(const py::args& args, const py::kwargs& kwargs) {
    std::vector<Parameter> parameters{
        {"tol", {}}, {"worst_case", {}}, {"monte_carlo", {}}, {"seed", {}}, {"dist", {}}};
    for (const LimitParameter& limit : LimitParameters) {
        parameters.push_back({limit.name, {}});
    }
    parameters.push_back({"jobs", {}});
    parameters.push_back({"shard", {}});
    for (const Parameter& field : FieldParameters(VerificationOptions())) {
        parameters.push_back(field);
    }
    const Call call("tolerance", parameters, args, kwargs);
    const ToleranceProblem problem = ToleranceRequest(call);
    const std::string tolerances = ToleranceText(call);
    const RowSplit split = SplitOf(call);
    const FieldTexts fields = call.fields(VerificationOptions());
    const PartTexts parts = call.partTexts();
    return PythonRows(
        Unlocked([&] { return ToleranceCsv(problem, tolerances, parts, fields, split); }));
}

void RaiseAsPython(std::exception_ptr thrown) {
    try {
        std::rethrow_exception(thrown);
    } catch (const RunFailure& failure) {
        const RunStatus& status = failure.status();
        if (status.end != RunEnd::Faulted) {
            PyErr_SetString(PyExc_ValueError, failure.what());
            return;
        }
        const std::string kind = status.fault ? FaultName(*status.fault) : "RuntimeError";
        PyErr_SetString(PyExc_ArithmeticError, (kind + ": " + failure.what()).c_str());
    } catch (const RuntimeError& fault) {
        PyErr_SetString(PyExc_ArithmeticError, FaultName(fault.kind()));
    }
}

} // namespace

PYBIND11_MODULE(_inverter, module) {
    module.doc() = "Progetto, verifica e analisi del convertitore buck-boost invertente";
    py::register_exception_translator([](std::exception_ptr thrown) {
        if (thrown) {
            RaiseAsPython(thrown);
        }
    });
    module.def("design", &Design,
               "design(vi, vo, f_khz, ripple_il_pct, ripple_vo_mv, io, **parts) -> dict");
    module.def("verify", &Verify,
               "verify(vi, d_pct, f_khz, l_uh, c_uf, rl, n=1000, np=10, ni=5000) -> dict");
    module.def("analyze", &Analyze,
               "analyze(vi, d_pct, f_khz, l_uh, c_uf, rl, n=1000, np=10, ni=5000, **parts) -> "
               "dict");
    module.def("waveforms", &WaveformArrays,
               "waveforms(vi, d_pct, f_khz, l_uh, c_uf, rl, n=1000, np=10, ni=5000) -> dict of "
               "numpy arrays t, iL, iC, Vo, id");
    module.def("efficiency", &Efficiency,
               "efficiency(vi, d_pct, f_khz, l_uh, c_uf, rl, n=1000, np=10, ni=5000, "
               "from_pct=10, to_pct=150, points=50, **parts) -> list of dicts");
    module.def("netlist", &Netlist,
               "netlist(vi, d_pct, f_khz, l_uh, c_uf, rl, n=1000, np=10, ni=5000, **parts) -> "
               "str");
    module.def("sweep", &Sweep,
               "sweep(param, start, stop, steps, log=False, jobs=None, shard=None, **fixed) -> "
               "list of dicts");
    module.def("bode", &Bode,
               "bode(vi, d_pct, f_khz, l_uh, c_uf, rl, n=1000, np=10, ni=5000, from_hz=10, "
               "to_hz=None, points=200, vm=1, compensate=None, fc_hz=None, pm_deg=None, "
               "r1_kohm=10, fra=0, **parts) -> dict");
    module.def("tolerance", &Tolerance,
               "tolerance(tol, worst_case=False, monte_carlo=None, seed=1, dist='uniform', "
               "limit_ripple_il_a=None, limit_ripple_vo_mv=None, limit_vo_band_pct=None, "
               "limit_ipk_a=None, limit_eff_pct=None, jobs=None, shard=None, **fixed) -> list of "
               "dicts");
}
