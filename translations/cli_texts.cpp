// The labels of the real parts (display/part_table.cpp) as the command line's help shows them,
// one for each option of a part. display/ has no Qt: this file, read by lupdate only and never
// compiled, lists them for the English catalogue, where the help looks them up whole in the
// context "CliParts".
const char* const cliPartLabels[] = {
    QT_TRANSLATE_NOOP("CliParts", "resistenza in conduzione dell'interruttore, mΩ"),
    QT_TRANSLATE_NOOP("CliParts", "resistenza dell'avvolgimento dell'induttore, mΩ"),
    QT_TRANSLATE_NOOP("CliParts", "resistenza serie del condensatore di uscita, mΩ"),
    QT_TRANSLATE_NOOP("CliParts", "tensione di soglia del diodo, V"),
    QT_TRANSLATE_NOOP("CliParts", "resistenza dinamica del diodo, mΩ"),
    QT_TRANSLATE_NOOP("CliParts", "tempo di sovrapposizione all'accensione, ns"),
    QT_TRANSLATE_NOOP("CliParts", "tempo di sovrapposizione allo spegnimento, ns"),
    QT_TRANSLATE_NOOP("CliParts", "capacità di uscita dell'interruttore, pF"),
    QT_TRANSLATE_NOOP("CliParts", "carica di gate, nC"),
    QT_TRANSLATE_NOOP("CliParts", "tensione di pilotaggio del gate, V"),
};
