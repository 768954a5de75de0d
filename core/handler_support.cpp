#include "core/handler_support.h"

#include "core/module1.h"

#include <new>

namespace {

// The Italian text the user reads for a runtime error.
Text RuntimeErrorMessage(RuntimeErrorKind kind) {
    switch (kind) {
    case RuntimeErrorKind::DivisionByZero:
        return u"Errore di calcolo: divisione per zero.";
    case RuntimeErrorKind::Overflow:
        return u"Errore di calcolo: un valore supera l'intervallo dei numeri rappresentabili "
               u"(overflow).";
    case RuntimeErrorKind::InvalidOperation:
        return u"Errore di calcolo: operazione non valida (risultato indeterminato).";
    case RuntimeErrorKind::IndexOutOfRange:
        return u"Errore interno: indice fuori dai limiti dell'array.";
    case RuntimeErrorKind::OutOfMemory:
        return u"Memoria insufficiente: riduci il numero dei campioni N.";
    }
    return u"Errore di calcolo.";
}

} // namespace

std::optional<RuntimeErrorKind> RunGuarded(MessageBox& messages,
                                           const std::function<void()>& handler) {
    std::optional<RuntimeErrorKind> fault;
    try {
        handler();
    } catch (const RuntimeError& error) {
        fault = error.kind();
    } catch (const std::bad_alloc&) {
        fault = RuntimeErrorKind::OutOfMemory;
    }
    if (fault) {
        messages.MsgBox(RuntimeErrorMessage(*fault));
    }
    return fault;
}

bool Refuse(Module1& m, MessageBox& messages, const char16_t* message) {
    m.Msg = message;
    messages.MsgBox(m.Msg);
    return false;
}

std::string ControlName(TextBox box) {
    return "Text" + std::to_string(static_cast<int>(box));
}

std::string ControlName(ResultLabel label) {
    static const char* const names[] = {"Label24", "Label25", "Label26", "Label27", "Label32"};
    return names[static_cast<int>(label)];
}

std::string ControlName(SummaryLabel label) {
    static const char* const names[] = {"Label2", "Label5", "Label8", "Label9", "Label16"};
    return names[static_cast<int>(label)];
}
