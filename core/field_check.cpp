#include "core/field_check.h"

#include "core/runtime_error.h"

namespace {

// Field lengths and positions are counted in 16-bit integers: a text this long cannot be
// walked through.
constexpr std::size_t UncountableLength = 32767;

// Digits by code unit: a full-width or other script's digit is not a number character.
bool IsNumberCharacter(char16_t c) {
    if (c >= u'0' && c <= u'9') {
        return true;
    }
    return c == u'e' || c == u'.' || c == u'E' || c == u'-' || c == u'+';
}

} // namespace

void CheckNumberField(Module1& m, const Text& fieldText, MessageBox& messages) {
    m.ErrFlag = 0;
    if (fieldText == u"") {
        messages.MsgBox(m.Msg);
        m.ErrFlag = 1;
        return;
    }
    if (fieldText.size() >= UncountableLength) {
        throw RuntimeError(RuntimeErrorKind::Overflow);
    }
    m.ErrFlag = 0;
    // Only whether anything was rejected matters: one message however many characters are.
    Text rejected;
    for (const char16_t c : fieldText) {
        if (!IsNumberCharacter(c)) {
            rejected += c;
        }
    }
    if (rejected.empty()) {
        return;
    }
    messages.MsgBox(m.ErrMsg);
    m.ErrFlag = 1;
}
