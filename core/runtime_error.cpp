#include "core/runtime_error.h"

RuntimeError::RuntimeError(RuntimeErrorKind kind)
    : std::runtime_error("runtime error"), kind_(kind) {}

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
