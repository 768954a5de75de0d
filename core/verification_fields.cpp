#include "core/verification_fields.h"

const std::array<VerificationField, 9>& VerificationFields() {
    static const std::array<VerificationField, 9> fields{{
        {TextBox::Text7, u"la tensione di ingresso Vi"},
        {TextBox::Text8, u"il valore del Duty Cycle in %"},
        {TextBox::Text12, u"il valore della frequenza di commutazione f in kHz"},
        {TextBox::Text9, u"il valore dell'induttanza in uH"},
        {TextBox::Text10, u"il valore della capacità in uF"},
        {TextBox::Text11, u"il valore della resistenza di carico RL in ohm"},
        {TextBox::Text13, u"il numero dei campioni N"},
        {TextBox::Text14, u"il numero dei periodi visualizzati NP"},
        {TextBox::Text15, u"il numero delle iterazioni NI"},
    }};
    return fields;
}

Text EmptyFieldText(const VerificationField& field) {
    return Text(u"Hai dimenticato di scrivere ") + field.subject;
}

Text MalformedFieldText(const VerificationField& field) {
    return Text(u"Errore di inserimento dati per ") + field.subject +
           u". Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, "
           u"anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3";
}
