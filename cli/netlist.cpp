#include "cli/netlist.h"

#include "core/spice_netlist.h"

NetlistRun RunNetlist(const FieldTexts& fields, const RealParts& parts) {
    const VerificationRun run = ReadVerificationHeadless(fields);
    if (run.status.end != RunEnd::Done) {
        return {run.status, {}};
    }
    // A transient of no period has no last period to measure.
    if (run.m.NI < 1) {
        return {{RunEnd::Refused, u"Il numero delle iterazioni NI deve essere almeno 1!", {}}, {}};
    }
    return {{}, SpiceNetlist(CircuitOf(run.m), parts, run.m.N, run.m.NI)};
}
