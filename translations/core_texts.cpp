// The texts that the handlers (core/) and the drawing's tables (display/) write in Italian,
// whole, as the windows and the command line show them. core/ and display/ have no Qt, and
// lupdate reads no UTF-16 literal: this file, read by lupdate only and never compiled, lists
// them for the English catalogue, where the texts are looked up whole (TranslatedText). A
// message built from a subject lists every subject.
const char* const coreTexts[] = {
    QT_TRANSLATE_NOOP("CoreText", "Convertitore tipo inverter"),
    QT_TRANSLATE_NOOP("CoreText", "La tensione in ingresso non può essere zero o negativa!"),
    QT_TRANSLATE_NOOP(
        "CoreText", "Errore di inserimento dati per la tensione di ingresso Vi. Usa il punto come "
                    "separatore decimale, ad es: 1.5"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "La tensione in uscita è negativa ma il suo valore assoluto non può essere zero o "
        "negativo!"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per il valore assoluto della tensione in uscita. Usa il "
        "punto come separatore decimale, ad es: 1.5"),
    QT_TRANSLATE_NOOP("CoreText", "La frequenza non può essere zero o negativa!"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per la frequenza di commutazione f in kHz. Usa il punto "
        "come separatore decimale, ad es: 1.5"),
    QT_TRANSLATE_NOOP("CoreText", "DeltaVo non può essere zero o negativo!"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Errore di inserimento dati per DeltaVo in mV. Usa il punto come separatore "
                      "decimale, ad es: 1.5"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Io è negativo ma il suo valore assoluto non può essere zero o negativo!"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Errore di inserimento dati per il valore assoluto di Io. Usa il punto come "
                      "separatore decimale, ad es: 1.5"),
    QT_TRANSLATE_NOOP("CoreText", "DeltaiL non può essere zero o negativo!"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per la variazione della corrente nell'induttore in %. "
        "Usa il punto come separatore decimale, ad es: 1.5"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Il Duty Cycle non può essere zero o negativo o maggiore o uguale al 100%!"),
    QT_TRANSLATE_NOOP("CoreText", "L'induttanza non può essere zero o negativa!"),
    QT_TRANSLATE_NOOP("CoreText", "La capacità non può essere zero o negativa!"),
    QT_TRANSLATE_NOOP("CoreText", "La resistenza di carico RL non può essere zero o negativa!"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Il numero dei campioni N deve essere compreso tra 1 e 10000000!"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Il Duty Cycle non può essere così basso, la corrente nell'induttore non può "
                      "annullarsi, prova ad aumentare L ( anche di molto )!"),
    QT_TRANSLATE_NOOP("CoreText", "Errore di calcolo: divisione per zero."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Errore di calcolo: un valore supera l'intervallo dei numeri rappresentabili "
                      "(overflow)."),
    QT_TRANSLATE_NOOP("CoreText",
                      "Errore di calcolo: operazione non valida (risultato indeterminato)."),
    QT_TRANSLATE_NOOP("CoreText", "Errore interno: indice fuori dai limiti dell'array."),
    QT_TRANSLATE_NOOP("CoreText", "Memoria insufficiente: riduci il numero dei campioni N."),
    QT_TRANSLATE_NOOP("CoreText", "Errore di calcolo."),
    QT_TRANSLATE_NOOP("CoreText", "corrente nell'induttore"),
    QT_TRANSLATE_NOOP("CoreText", "corrente nel condensatore"),
    QT_TRANSLATE_NOOP("CoreText", "tensione di uscita"),
    QT_TRANSLATE_NOOP("CoreText", "corrente nel diodo"),
    QT_TRANSLATE_NOOP("CoreText", "Hai dimenticato di scrivere la tensione di ingresso Vi"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per la tensione di ingresso Vi. Puoi scrivere soltanto "
        "numeri razionali con il punto come separatore decimale, anche in forma "
        "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"),
    QT_TRANSLATE_NOOP("CoreText", "Hai dimenticato di scrivere il valore del Duty Cycle in %"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per il valore del Duty Cycle in %. Puoi scrivere "
        "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
        "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Hai dimenticato di scrivere il valore della frequenza di commutazione f in kHz"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per il valore della frequenza di commutazione f in kHz. "
        "Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, "
        "anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3"),
    QT_TRANSLATE_NOOP("CoreText", "Hai dimenticato di scrivere il valore dell'induttanza in uH"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per il valore dell'induttanza in uH. Puoi scrivere "
        "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
        "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"),
    QT_TRANSLATE_NOOP("CoreText", "Hai dimenticato di scrivere il valore della capacità in uF"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per il valore della capacità in uF. Puoi scrivere "
        "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
        "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Hai dimenticato di scrivere il valore della resistenza di carico RL in ohm"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per il valore della resistenza di carico RL in ohm. Puoi "
        "scrivere soltanto numeri razionali con il punto come separatore decimale, anche in "
        "forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3"),
    QT_TRANSLATE_NOOP("CoreText", "Hai dimenticato di scrivere il numero dei campioni N"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per il numero dei campioni N. Puoi scrivere soltanto "
        "numeri razionali con il punto come separatore decimale, anche in forma "
        "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"),
    QT_TRANSLATE_NOOP("CoreText",
                      "Hai dimenticato di scrivere il numero dei periodi visualizzati NP"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per il numero dei periodi visualizzati NP. Puoi scrivere "
        "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
        "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"),
    QT_TRANSLATE_NOOP("CoreText", "Hai dimenticato di scrivere il numero delle iterazioni NI"),
    QT_TRANSLATE_NOOP(
        "CoreText",
        "Errore di inserimento dati per il numero delle iterazioni NI. Puoi scrivere "
        "soltanto numeri razionali con il punto come separatore decimale, anche in forma "
        "esponenziale. Ad es: 1.23 , 1E-5 , 5E3"),
};

// The real parts' labels, each with its unit, as the windows and the command line show them
// (Translated("PartTable", entry.label)).
const char* const partLabels[] = {
    QT_TRANSLATE_NOOP("PartTable", "resistenza in conduzione dell'interruttore, mΩ"),
    QT_TRANSLATE_NOOP("PartTable", "resistenza dell'avvolgimento dell'induttore, mΩ"),
    QT_TRANSLATE_NOOP("PartTable", "resistenza serie del condensatore di uscita, mΩ"),
    QT_TRANSLATE_NOOP("PartTable", "tensione di soglia del diodo, V"),
    QT_TRANSLATE_NOOP("PartTable", "resistenza dinamica del diodo, mΩ"),
    QT_TRANSLATE_NOOP("PartTable", "tempo di sovrapposizione all'accensione, ns"),
    QT_TRANSLATE_NOOP("PartTable", "tempo di sovrapposizione allo spegnimento, ns"),
    QT_TRANSLATE_NOOP("PartTable", "capacità di uscita dell'interruttore, pF"),
    QT_TRANSLATE_NOOP("PartTable", "carica di gate, nC"),
    QT_TRANSLATE_NOOP("PartTable", "tensione di pilotaggio del gate, V"),
};
