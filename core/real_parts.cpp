// The real parts of the converter.
#include "core/real_parts.h"

bool RealParts::any() const {
    return rS != 0 || rL != 0 || rC != 0 || Vf != 0 || rD != 0 || tr != 0 || tf != 0 || Coss != 0 ||
           Qg != 0 || Vg != 0;
}
