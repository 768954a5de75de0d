#include "core/conduction_check.h"

bool CheckConduction(Module1& m, MessageBox& messages) {
    const std::int32_t last = m.N;
    for (m.Idx = 1; m.Idx <= last; ++m.Idx) {
        if (!(m.iL_t[m.Idx] > 0)) {
            m.Msg = u"Il Duty Cycle non può essere così basso, la corrente nell'induttore non può "
                    u"annullarsi, prova ad aumentare L ( anche di molto )!";
            messages.MsgBox(m.Msg);
            return false;
        }
    }
    return true;
}
