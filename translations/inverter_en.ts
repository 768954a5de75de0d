<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>Cli</name>
    <message>
        <source>lingua dei messaggi</source>
        <translation>language of the messages</translation>
    </message>
    <message>
        <source>%1 (predefinito %2)</source>
        <translation>%1 (default %2)</translation>
    </message>
    <message>
        <source>TESTO</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>formato dell&apos;uscita: json (un oggetto) o csv (intestazione e righe)</source>
        <translation>output format: json (one object) or csv (header and rows)</translation>
    </message>
    <message>
        <source>--shard vuole K/M con 0 &lt;= K &lt; M, ad es. 0/4: %1</source>
        <translation>--shard wants K/M with 0 &lt;= K &lt; M, e.g. 0/4: %1</translation>
    </message>
    <message>
        <source>thread di calcolo (predefinito: tutti i core)</source>
        <translation>computing threads (default: all the cores)</translation>
    </message>
    <message>
        <source>calcola solo %1 con indice K modulo M (ogni parte con l&apos;intestazione), per dividere il lavoro tra più macchine</source>
        <translation>computes only %1 whose index is K modulo M (each part with the header), to split the work among several machines</translation>
    </message>
    <message>
        <source>scrive i campioni 1..N dell&apos;ultimo periodo simulato (k,t_s,iL_A,iC_A,Vo_V,id_A)</source>
        <translation>writes the samples 1..N of the last simulated period (k,t_s,iL_A,iC_A,Vo_V,id_A)</translation>
    </message>
    <message>
        <source>scrive la figura delle forme d&apos;onda come immagine PNG</source>
        <translation>writes the waveform figure as a PNG image</translation>
    </message>
    <message>
        <source>scrive la figura delle forme d&apos;onda come immagine vettoriale SVG</source>
        <translation>writes the waveform figure as an SVG vector image</translation>
    </message>
    <message>
        <source>il disegno della figura non è riuscito</source>
        <translation>the figure could not be drawn</translation>
    </message>
    <message>
        <source>inverter-cli: progetto, verifica, analisi e scansioni di parametro del convertitore buck-boost invertente, senza finestre. I testi delle opzioni sono letti come i campi della finestra (punto decimale).</source>
        <translation>inverter-cli: design, verification, analysis and parameter sweeps of the inverting buck-boost converter, without windows. The options&apos; texts are read as the window&apos;s fields are (decimal point).</translation>
    </message>
    <message>
        <source>calcola D, L, C, IDP, IDm, Iim come &quot;Calcola L , C , IDP, IDm , Iim&quot;</source>
        <translation>computes D, L, C, IDP, IDm, Iim as &quot;Calculate L, C, IDP, IDm, Iim&quot; does</translation>
    </message>
    <message>
        <source>riporta L e C alla serie normalizzata IEC 60063 data</source>
        <translation>rounds L and C to the given IEC 60063 standard series</translation>
    </message>
    <message>
        <source>simula il convertitore come &quot;Grafici&quot; e dà i cinque valori misurati</source>
        <translation>simulates the converter as &quot;Graphs&quot; does and gives the five measured values</translation>
    </message>
    <message>
        <source>verifica e analisi: sollecitazioni, soluzione esatta, accuratezza, CCM/DCM</source>
        <translation>verification and analysis: stresses, exact solution, accuracy, CCM/DCM</translation>
    </message>
    <message>
        <source>rendimento e perdite con i componenti reali al variare del carico (CSV)</source>
        <translation>efficiency and losses with the real parts against the load (CSV)</translation>
    </message>
    <message>
        <source>verifica e analisi per ogni punto di una scansione di un parametro (CSV)</source>
        <translation>verification and analysis at every point of a parameter sweep (CSV)</translation>
    </message>
    <message>
        <source>caso peggiore e Monte Carlo delle tolleranze, con la resa (CSV)</source>
        <translation>worst case and Monte Carlo of the tolerances, with the yield (CSV)</translation>
    </message>
</context>
<context>
    <name>CliBode</name>
    <message>
        <source>NUMERO</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>INTERO</source>
        <translation>INTEGER</translation>
    </message>
    <message>
        <source>prima frequenza dei diagrammi, Hz (predefinito 10)</source>
        <translation>first frequency of the plots, Hz (default 10)</translation>
    </message>
    <message>
        <source>ultima frequenza dei diagrammi, Hz (predefinito f/2)</source>
        <translation>last frequency of the plots, Hz (default f/2)</translation>
    </message>
    <message>
        <source>numero dei punti, spaziati in scala logaritmica (predefinito 200)</source>
        <translation>number of points, spaced logarithmically (default 200)</translation>
    </message>
    <message>
        <source>ampiezza della rampa del modulatore PWM Vm, V (predefinito 1)</source>
        <translation>PWM modulator ramp amplitude Vm, V (default 1)</translation>
    </message>
    <message>
        <source>sintetizza una rete di compensazione di tipo II o III</source>
        <translation>synthesises a type II or type III compensator</translation>
    </message>
    <message>
        <source>frequenza di attraversamento dell&apos;anello, Hz (con --compensate)</source>
        <translation>loop crossover frequency, Hz (with --compensate)</translation>
    </message>
    <message>
        <source>margine di fase, gradi (con --compensate)</source>
        <translation>phase margin, degrees (with --compensate)</translation>
    </message>
    <message>
        <source>resistenza R1 della rete, kΩ (predefinito 10)</source>
        <translation>compensator resistor R1, kΩ (default 10)</translation>
    </message>
    <message>
        <source>punti dell&apos;analisi in frequenza del circuito commutato (FRA), dalla prima frequenza a f/10 (predefinito 0)</source>
        <translation>points of the frequency response analysis of the switched circuit (FRA), from the first frequency to f/10 (default 0)</translation>
    </message>
    <message>
        <source>diagrammi di Bode del modello mediato, compensazione dell&apos;anello e FRA del circuito commutato</source>
        <translation>Bode plots of the averaged model, loop compensation and FRA of the switched circuit</translation>
    </message>
    <message>
        <source>L&apos;opzione --%1 vuole %2: %3</source>
        <translation>The option --%1 wants %2: %3</translation>
    </message>
    <message>
        <source>un numero intero da %1 a %2</source>
        <translation>a whole number from %1 to %2</translation>
    </message>
    <message>
        <source>un numero maggiore di zero</source>
        <translation>a number greater than zero</translation>
    </message>
    <message>
        <source>L&apos;opzione --%1 vuole anche --compensate 2 o 3</source>
        <translation>The option --%1 also wants --compensate 2 or 3</translation>
    </message>
    <message>
        <source>L&apos;opzione --compensate vuole anche --fc-hz e --pm-deg</source>
        <translation>The option --compensate also wants --fc-hz and --pm-deg</translation>
    </message>
    <message>
        <source>2 o 3</source>
        <translation>2 or 3</translation>
    </message>
    <message>
        <source>un numero maggiore di zero e minore di f/2 (%1 Hz)</source>
        <translation>a number greater than zero and less than f/2 (%1 Hz)</translation>
    </message>
    <message>
        <source>un numero maggiore di 0 e minore di 180</source>
        <translation>a number greater than 0 and less than 180</translation>
    </message>
    <message>
        <source>un numero maggiore di --from-hz</source>
        <translation>a number greater than --from-hz</translation>
    </message>
    <message>
        <source>L&apos;opzione --from-hz vuole un numero minore di f/2 (%1 Hz): %2</source>
        <translation>The option --from-hz wants a number less than f/2 (%1 Hz): %2</translation>
    </message>
</context>
<context>
    <name>CliFields</name>
    <message>
        <source>tensione di ingresso Vi, V</source>
        <translation>input voltage Vi, V</translation>
    </message>
    <message>
        <source>valore assoluto della tensione di uscita Vo, V</source>
        <translation>absolute value of the output voltage Vo, V</translation>
    </message>
    <message>
        <source>frequenza di commutazione f, kHz</source>
        <translation>switching frequency f, kHz</translation>
    </message>
    <message>
        <source>ondulazione della corrente nell&apos;induttore, %</source>
        <translation>inductor current ripple, %</translation>
    </message>
    <message>
        <source>ondulazione della tensione di uscita, mV</source>
        <translation>output voltage ripple, mV</translation>
    </message>
    <message>
        <source>corrente di uscita Io, A</source>
        <translation>output current Io, A</translation>
    </message>
    <message>
        <source>Duty Cycle, %</source>
        <translation>duty cycle, %</translation>
    </message>
    <message>
        <source>induttanza L, µH</source>
        <translation>inductance L, µH</translation>
    </message>
    <message>
        <source>capacità C, µF</source>
        <translation>capacitance C, µF</translation>
    </message>
    <message>
        <source>resistenza di carico RL, Ω</source>
        <translation>load resistance RL, Ω</translation>
    </message>
    <message>
        <source>numero dei campioni per periodo N</source>
        <translation>number of samples per period N</translation>
    </message>
    <message>
        <source>numero dei periodi visualizzati NP</source>
        <translation>number of periods shown NP</translation>
    </message>
    <message>
        <source>numero delle iterazioni (periodi simulati) NI</source>
        <translation>number of iterations (simulated periods) NI</translation>
    </message>
</context>
<context>
    <name>CliFiles</name>
    <message>
        <source>Impossibile salvare l&apos;immagine &quot;%1&quot;: %2</source>
        <translation>Cannot save the image &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>Impossibile scrivere l&apos;uscita standard: %1.</source>
        <translation>Cannot write the standard output: %1.</translation>
    </message>
</context>
<context>
    <name>CliNetlist</name>
    <message>
        <source>Il numero delle iterazioni NI deve essere almeno 1!</source>
        <translation>The number of iterations NI must be at least 1!</translation>
    </message>
    <message>
        <source>netlist SPICE del circuito di verify, con i componenti reali (per ngspice)</source>
        <translation>SPICE netlist of the circuit of verify, with the real parts (for ngspice)</translation>
    </message>
    <message>
        <source>scrive la netlist nel file invece che sull&apos;uscita standard</source>
        <translation>writes the netlist to the file instead of the standard output</translation>
    </message>
</context>
<context>
    <name>CliParts</name>
    <message>
        <source>NUMERO</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>L&apos;opzione --%1 vuole un numero finito non negativo, con il punto decimale: %2</source>
        <translation>The option --%1 wants a finite, non-negative number with a decimal point: %2</translation>
    </message>
    <message>
        <source>L&apos;opzione --from-pct vuole un numero maggiore di zero: %1</source>
        <translation>The option --from-pct wants a number greater than zero: %1</translation>
    </message>
    <message>
        <source>L&apos;opzione --to-pct vuole un numero maggiore di --from-pct: %1</source>
        <translation>The option --to-pct wants a number greater than --from-pct: %1</translation>
    </message>
    <message>
        <source>L&apos;opzione --points vuole un numero intero da 2 a 100000: %1</source>
        <translation>The option --points wants a whole number from 2 to 100000: %1</translation>
    </message>
    <message>
        <source>primo carico, % di quello di RL</source>
        <translation>first load, % of the load of RL</translation>
    </message>
    <message>
        <source>ultimo carico, % di quello di RL</source>
        <translation>last load, % of the load of RL</translation>
    </message>
    <message>
        <source>numero dei punti (almeno 2)</source>
        <translation>number of points (at least 2)</translation>
    </message>
    <message>
        <source>INTERO</source>
        <translation>INTEGER</translation>
    </message>
    <message>
        <source>resistenza in conduzione dell&apos;interruttore, mΩ</source>
        <translation>switch on-resistance, mΩ</translation>
    </message>
    <message>
        <source>resistenza dell&apos;avvolgimento dell&apos;induttore, mΩ</source>
        <translation>inductor winding resistance, mΩ</translation>
    </message>
    <message>
        <source>resistenza serie del condensatore di uscita, mΩ</source>
        <translation>output capacitor series resistance, mΩ</translation>
    </message>
    <message>
        <source>tensione di soglia del diodo, V</source>
        <translation>diode forward voltage, V</translation>
    </message>
    <message>
        <source>resistenza dinamica del diodo, mΩ</source>
        <translation>diode dynamic resistance, mΩ</translation>
    </message>
    <message>
        <source>tempo di sovrapposizione all&apos;accensione, ns</source>
        <translation>turn-on overlap time, ns</translation>
    </message>
    <message>
        <source>tempo di sovrapposizione allo spegnimento, ns</source>
        <translation>turn-off overlap time, ns</translation>
    </message>
    <message>
        <source>capacità di uscita dell&apos;interruttore, pF</source>
        <translation>switch output capacitance, pF</translation>
    </message>
    <message>
        <source>carica di gate, nC</source>
        <translation>gate charge, nC</translation>
    </message>
    <message>
        <source>tensione di pilotaggio del gate, V</source>
        <translation>gate drive voltage, V</translation>
    </message>
</context>
<context>
    <name>CliSweep</name>
    <message>
        <source>PARAM deve essere un&apos;opzione di verify o di un componente reale senza trattini (vi, d-pct, f-khz, l-uh, c-uf, rl, n, np, ni, rds-mohm, vf, ...): %1</source>
        <translation>PARAM must be an option of verify or of a real part, without dashes (vi, d-pct, f-khz, l-uh, c-uf, rl, n, np, ni, rds-mohm, vf, ...): %1</translation>
    </message>
    <message>
        <source>con --log FROM e TO devono essere maggiori di zero</source>
        <translation>with --log, FROM and TO must be greater than zero</translation>
    </message>
    <message>
        <source>%1 La scansione è stata interrotta.</source>
        <translation>%1 The sweep was interrupted.</translation>
    </message>
    <message>
        <source>opzione di verify da variare, senza trattini (l-uh, c-uf, vi, ...)</source>
        <translation>option of verify to vary, without dashes (l-uh, c-uf, vi, ...)</translation>
    </message>
    <message>
        <source>primo valore, nell&apos;unità dell&apos;opzione</source>
        <translation>first value, in the option&apos;s unit</translation>
    </message>
    <message>
        <source>ultimo valore, nell&apos;unità dell&apos;opzione</source>
        <translation>last value, in the option&apos;s unit</translation>
    </message>
    <message>
        <source>numero degli intervalli: STEPS + 1 punti</source>
        <translation>number of intervals: STEPS + 1 points</translation>
    </message>
    <message>
        <source>punti in progressione geometrica</source>
        <translation>points in geometric progression</translation>
    </message>
    <message>
        <source>i punti</source>
        <translation>the points</translation>
    </message>
</context>
<context>
    <name>CliTolerance</name>
    <message>
        <source>ondulazione massima di iL, A</source>
        <translation>maximum ripple of iL, A</translation>
    </message>
    <message>
        <source>ondulazione massima di Vo, mV</source>
        <translation>maximum ripple of Vo, mV</translation>
    </message>
    <message>
        <source>scarto massimo di |Vo| medio, % di quello senza tolleranze</source>
        <translation>maximum deviation of the mean |Vo|, % of the one without tolerances</translation>
    </message>
    <message>
        <source>corrente di picco massima dell&apos;interruttore, A</source>
        <translation>maximum switch peak current, A</translation>
    </message>
    <message>
        <source>rendimento minimo, % (con i componenti reali)</source>
        <translation>minimum efficiency, % (with the real parts)</translation>
    </message>
    <message>
        <source>%1 L&apos;analisi delle tolleranze è stata interrotta.</source>
        <translation>%1 The tolerance analysis was interrupted.</translation>
    </message>
    <message>
        <source>--format json vuole l&apos;analisi intera, senza --shard</source>
        <translation>--format json wants the whole analysis, without --shard</translation>
    </message>
    <message>
        <source>tolleranze in %: vi=5,f=2,l=20,c=20,rl=10 e, con i componenti reali, rds=, dcr=, esr=, vf=, rd=</source>
        <translation>tolerances in %: vi=5,f=2,l=20,c=20,rl=10 and, with the real parts, rds=, dcr=, esr=, vf=, rd=</translation>
    </message>
    <message>
        <source>NOME=%,...</source>
        <translation>NAME=%,...</translation>
    </message>
    <message>
        <source>caso peggiore: tutti i 2^k vertici delle k tolleranze</source>
        <translation>worst case: all the 2^k corners of the k tolerances</translation>
    </message>
    <message>
        <source>Monte Carlo con N campioni (senza --worst-case né --monte-carlo: entrambi, con 10000 campioni)</source>
        <translation>Monte Carlo with N samples (with neither --worst-case nor --monte-carlo: both, with 10000 samples)</translation>
    </message>
    <message>
        <source>seme dei campioni (predefinito 1)</source>
        <translation>seed of the samples (default 1)</translation>
    </message>
    <message>
        <source>distribuzione: uniform (predefinita) o normal (3 sigma alla tolleranza)</source>
        <translation>distribution: uniform (default) or normal (3 sigma at the tolerance)</translation>
    </message>
    <message>
        <source>NUMERO</source>
        <translation>NUMBER</translation>
    </message>
    <message>
        <source>le righe</source>
        <translation>the rows</translation>
    </message>
    <message>
        <source>L&apos;opzione --tol vuole nome=percentuale separati da virgole (nomi vi, f, l, c, rl, rds, dcr, esr, vf, rd, ognuno una volta; percentuali da 0 a meno di 100): %1</source>
        <translation>The option --tol wants name=percentage separated by commas (names vi, f, l, c, rl, rds, dcr, esr, vf, rd, each once; percentages from 0 to less than 100): %1</translation>
    </message>
</context>
<context>
    <name>CliUsage</name>
    <message>
        <source>manca l&apos;opzione %1</source>
        <translation>missing option %1</translation>
    </message>
    <message>
        <source> o </source>
        <translation> or </translation>
    </message>
    <message>
        <source>comando sconosciuto: %1</source>
        <translation>unknown command: %1</translation>
    </message>
    <message>
        <source>manca il comando: %1</source>
        <translation>missing command: %1</translation>
    </message>
    <message>
        <source>manca l&apos;argomento %1</source>
        <translation>missing argument %1</translation>
    </message>
    <message>
        <source>manca un&apos;opzione</source>
        <translation>missing an option</translation>
    </message>
    <message>
        <source>argomenti inattesi: %1</source>
        <translation>unexpected arguments: %1</translation>
    </message>
    <message>
        <source>argomento inatteso: %1</source>
        <translation>unexpected argument: %1</translation>
    </message>
    <message>
        <source>l&apos;opzione %1 vuole un valore</source>
        <translation>the option %1 wants a value</translation>
    </message>
    <message>
        <source>%1 e %2 si escludono: scegline una</source>
        <translation>%1 and %2 exclude each other: choose one</translation>
    </message>
    <message>
        <source>riga di comando non valida</source>
        <translation>invalid command line</translation>
    </message>
    <message>
        <source>vuole un nome di file che finisca con %1</source>
        <translation>wants a file name ending in %1</translation>
    </message>
    <message>
        <source>vuole un nome di file, non un testo vuoto</source>
        <translation>wants a file name, not an empty text</translation>
    </message>
    <message>
        <source>vuole %1, non %2</source>
        <translation>wants %1, not %2</translation>
    </message>
    <message>
        <source>vuole un numero con il punto decimale (ad es. 1.5 o 1E-5), non %1</source>
        <translation>wants a number with a decimal point (e.g. 1.5 or 1E-5), not %1</translation>
    </message>
    <message>
        <source>vuole un numero intero da %1 a %2, non %3</source>
        <translation>wants a whole number from %1 to %2, not %3</translation>
    </message>
    <message>
        <source>%1: %2 (vedi --help)</source>
        <translation>%1: %2 (see --help)</translation>
    </message>
</context>
<context>
    <name>CoreText</name>
    <message>
        <source>Convertitore tipo inverter</source>
        <translation>Inverting converter</translation>
    </message>
    <message>
        <source>La tensione in ingresso non può essere zero o negativa!</source>
        <translation>The input voltage cannot be zero or negative!</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per la tensione di ingresso Vi. Usa il punto come separatore decimale, ad es: 1.5</source>
        <translation>Data entry error for the input voltage Vi. Use the point as decimal separator, e.g.: 1.5</translation>
    </message>
    <message>
        <source>La tensione in uscita è negativa ma il suo valore assoluto non può essere zero o negativo!</source>
        <translation>The output voltage is negative but its absolute value cannot be zero or negative!</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il valore assoluto della tensione in uscita. Usa il punto come separatore decimale, ad es: 1.5</source>
        <translation>Data entry error for the absolute value of the output voltage. Use the point as decimal separator, e.g.: 1.5</translation>
    </message>
    <message>
        <source>La frequenza non può essere zero o negativa!</source>
        <translation>The frequency cannot be zero or negative!</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per la frequenza di commutazione f in kHz. Usa il punto come separatore decimale, ad es: 1.5</source>
        <translation>Data entry error for the switching frequency f in kHz. Use the point as decimal separator, e.g.: 1.5</translation>
    </message>
    <message>
        <source>DeltaVo non può essere zero o negativo!</source>
        <translation>DeltaVo cannot be zero or negative!</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per DeltaVo in mV. Usa il punto come separatore decimale, ad es: 1.5</source>
        <translation>Data entry error for DeltaVo in mV. Use the point as decimal separator, e.g.: 1.5</translation>
    </message>
    <message>
        <source>Io è negativo ma il suo valore assoluto non può essere zero o negativo!</source>
        <translation>Io is negative but its absolute value cannot be zero or negative!</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il valore assoluto di Io. Usa il punto come separatore decimale, ad es: 1.5</source>
        <translation>Data entry error for the absolute value of Io. Use the point as decimal separator, e.g.: 1.5</translation>
    </message>
    <message>
        <source>DeltaiL non può essere zero o negativo!</source>
        <translation>DeltaiL cannot be zero or negative!</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per la variazione della corrente nell&apos;induttore in %. Usa il punto come separatore decimale, ad es: 1.5</source>
        <translation>Data entry error for the inductor current variation in %. Use the point as decimal separator, e.g.: 1.5</translation>
    </message>
    <message>
        <source>Il Duty Cycle non può essere zero o negativo o maggiore o uguale al 100%!</source>
        <translation>The Duty Cycle cannot be zero or negative or greater than or equal to 100%!</translation>
    </message>
    <message>
        <source>L&apos;induttanza non può essere zero o negativa!</source>
        <translation>The inductance cannot be zero or negative!</translation>
    </message>
    <message>
        <source>La capacità non può essere zero o negativa!</source>
        <translation>The capacitance cannot be zero or negative!</translation>
    </message>
    <message>
        <source>La resistenza di carico RL non può essere zero o negativa!</source>
        <translation>The load resistance RL cannot be zero or negative!</translation>
    </message>
    <message>
        <source>Il numero dei campioni N deve essere compreso tra 1 e 10000000!</source>
        <translation>The number of samples N must be between 1 and 10000000!</translation>
    </message>
    <message>
        <source>Il Duty Cycle non può essere così basso, la corrente nell&apos;induttore non può annullarsi, prova ad aumentare L ( anche di molto )!</source>
        <translation>The Duty Cycle cannot be this low, the inductor current cannot fall to zero, try increasing L ( even by a lot )!</translation>
    </message>
    <message>
        <source>Errore di calcolo: divisione per zero.</source>
        <translation>Calculation error: division by zero.</translation>
    </message>
    <message>
        <source>Errore di calcolo: un valore supera l&apos;intervallo dei numeri rappresentabili (overflow).</source>
        <translation>Calculation error: a value exceeds the range of representable numbers (overflow).</translation>
    </message>
    <message>
        <source>Errore di calcolo: operazione non valida (risultato indeterminato).</source>
        <translation>Calculation error: invalid operation (undefined result).</translation>
    </message>
    <message>
        <source>Errore interno: indice fuori dai limiti dell&apos;array.</source>
        <translation>Internal error: index outside the bounds of the array.</translation>
    </message>
    <message>
        <source>Memoria insufficiente: riduci il numero dei campioni N.</source>
        <translation>Not enough memory: reduce the number of samples N.</translation>
    </message>
    <message>
        <source>Errore di calcolo.</source>
        <translation>Calculation error.</translation>
    </message>
    <message>
        <source>corrente nell&apos;induttore</source>
        <translation>inductor current</translation>
    </message>
    <message>
        <source>corrente nel condensatore</source>
        <translation>capacitor current</translation>
    </message>
    <message>
        <source>tensione di uscita</source>
        <translation>output voltage</translation>
    </message>
    <message>
        <source>corrente nel diodo</source>
        <translation>diode current</translation>
    </message>
    <message>
        <source>Hai dimenticato di scrivere la tensione di ingresso Vi</source>
        <translation>You forgot to write the input voltage Vi</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per la tensione di ingresso Vi. Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3</source>
        <translation>Data entry error for the input voltage Vi. You can write only rational numbers with the point as decimal separator, also in exponential form. E.g.: 1.23 , 1E-5 , 5E3</translation>
    </message>
    <message>
        <source>Hai dimenticato di scrivere il valore del Duty Cycle in %</source>
        <translation>You forgot to write the Duty Cycle in %</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il valore del Duty Cycle in %. Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3</source>
        <translation>Data entry error for the Duty Cycle in %. You can write only rational numbers with the point as decimal separator, also in exponential form. E.g.: 1.23 , 1E-5 , 5E3</translation>
    </message>
    <message>
        <source>Hai dimenticato di scrivere il valore della frequenza di commutazione f in kHz</source>
        <translation>You forgot to write the switching frequency f in kHz</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il valore della frequenza di commutazione f in kHz. Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3</source>
        <translation>Data entry error for the switching frequency f in kHz. You can write only rational numbers with the point as decimal separator, also in exponential form. E.g.: 1.23 , 1E-5 , 5E3</translation>
    </message>
    <message>
        <source>Hai dimenticato di scrivere il valore dell&apos;induttanza in uH</source>
        <translation>You forgot to write the inductance in uH</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il valore dell&apos;induttanza in uH. Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3</source>
        <translation>Data entry error for the inductance in uH. You can write only rational numbers with the point as decimal separator, also in exponential form. E.g.: 1.23 , 1E-5 , 5E3</translation>
    </message>
    <message>
        <source>Hai dimenticato di scrivere il valore della capacità in uF</source>
        <translation>You forgot to write the capacitance in uF</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il valore della capacità in uF. Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3</source>
        <translation>Data entry error for the capacitance in uF. You can write only rational numbers with the point as decimal separator, also in exponential form. E.g.: 1.23 , 1E-5 , 5E3</translation>
    </message>
    <message>
        <source>Hai dimenticato di scrivere il valore della resistenza di carico RL in ohm</source>
        <translation>You forgot to write the load resistance RL in ohm</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il valore della resistenza di carico RL in ohm. Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3</source>
        <translation>Data entry error for the load resistance RL in ohm. You can write only rational numbers with the point as decimal separator, also in exponential form. E.g.: 1.23 , 1E-5 , 5E3</translation>
    </message>
    <message>
        <source>Hai dimenticato di scrivere il numero dei campioni N</source>
        <translation>You forgot to write the number of samples N</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il numero dei campioni N. Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3</source>
        <translation>Data entry error for the number of samples N. You can write only rational numbers with the point as decimal separator, also in exponential form. E.g.: 1.23 , 1E-5 , 5E3</translation>
    </message>
    <message>
        <source>Hai dimenticato di scrivere il numero dei periodi visualizzati NP</source>
        <translation>You forgot to write the number of periods shown NP</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il numero dei periodi visualizzati NP. Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3</source>
        <translation>Data entry error for the number of periods shown NP. You can write only rational numbers with the point as decimal separator, also in exponential form. E.g.: 1.23 , 1E-5 , 5E3</translation>
    </message>
    <message>
        <source>Hai dimenticato di scrivere il numero delle iterazioni NI</source>
        <translation>You forgot to write the number of iterations NI</translation>
    </message>
    <message>
        <source>Errore di inserimento dati per il numero delle iterazioni NI. Puoi scrivere soltanto numeri razionali con il punto come separatore decimale, anche in forma esponenziale. Ad es: 1.23 , 1E-5 , 5E3</source>
        <translation>Data entry error for the number of iterations NI. You can write only rational numbers with the point as decimal separator, also in exponential form. E.g.: 1.23 , 1E-5 , 5E3</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Convertitore tipo inverter</source>
        <translation>Inverting converter</translation>
    </message>
    <message>
        <source>Progetto &gt; dati:</source>
        <translation>Design &gt; data:</translation>
    </message>
    <message>
        <source>Vi</source>
        <translation>Vi</translation>
    </message>
    <message>
        <source>[V]</source>
        <translation>[V]</translation>
    </message>
    <message>
        <source>volt</source>
        <translation>volt</translation>
    </message>
    <message>
        <source>|Vo|</source>
        <translation>|Vo|</translation>
    </message>
    <message>
        <source>f</source>
        <translation>f</translation>
    </message>
    <message>
        <source>[kHz]</source>
        <translation>[kHz]</translation>
    </message>
    <message>
        <source>kilohertz</source>
        <translation>kilohertz</translation>
    </message>
    <message>
        <source>Δ</source>
        <translation>Δ</translation>
    </message>
    <message>
        <source>Delta</source>
        <translation>Delta</translation>
    </message>
    <message>
        <source>iL/ILm</source>
        <translation>iL/ILm</translation>
    </message>
    <message>
        <source>[%]</source>
        <translation>[%]</translation>
    </message>
    <message>
        <source>percento</source>
        <translation>percent</translation>
    </message>
    <message>
        <source>Vo</source>
        <translation>Vo</translation>
    </message>
    <message>
        <source>[mV]</source>
        <translation>[mV]</translation>
    </message>
    <message>
        <source>millivolt</source>
        <translation>millivolt</translation>
    </message>
    <message>
        <source>|Io|</source>
        <translation>|Io|</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>ampere</source>
        <translation>ampere</translation>
    </message>
    <message>
        <source>iL= (0.3 ; 0.5 )*Io</source>
        <translation>iL= (0.3 ; 0.5 )*Io</translation>
    </message>
    <message>
        <source>Progetto &gt; Risultati:</source>
        <translation>Design &gt; Results:</translation>
    </message>
    <message>
        <source>L</source>
        <translation>L</translation>
    </message>
    <message>
        <source>[uH]</source>
        <translation>[uH]</translation>
    </message>
    <message>
        <source>microhenry</source>
        <translation>microhenry</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>[uF]</source>
        <translation>[uF]</translation>
    </message>
    <message>
        <source>microfarad</source>
        <translation>microfarad</translation>
    </message>
    <message>
        <source>IDP</source>
        <translation>IDP</translation>
    </message>
    <message>
        <source>IDm</source>
        <translation>IDm</translation>
    </message>
    <message>
        <source>Iim</source>
        <translation>Iim</translation>
    </message>
    <message>
        <source>Verifica &gt; dati:</source>
        <translation>Check &gt; data:</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>RL</source>
        <translation>RL</translation>
    </message>
    <message>
        <source>[Ω]</source>
        <translation>[Ω]</translation>
    </message>
    <message>
        <source>ohm</source>
        <translation>ohm</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Numero campioni</source>
        <translation>Number of samples</translation>
    </message>
    <message>
        <source>NP</source>
        <translation>NP</translation>
    </message>
    <message>
        <source>Numero periodi visualizzati</source>
        <translation>Number of periods shown</translation>
    </message>
    <message>
        <source>NI</source>
        <translation>NI</translation>
    </message>
    <message>
        <source>Numero iterazioni</source>
        <translation>Iterations</translation>
    </message>
    <message>
        <source>Attendere!</source>
        <translation>Please wait!</translation>
    </message>
    <message>
        <source>Vi = tensione continua in ingresso</source>
        <translation>Vi = DC input voltage</translation>
    </message>
    <message>
        <source>|Vo| = valore asoluto della tensione continua desiderata in uscita</source>
        <translation>|Vo| = absolute value of the desired DC output voltage</translation>
    </message>
    <message>
        <source>f = frequenza di commutazione</source>
        <translation>f = switching frequency</translation>
    </message>
    <message>
        <source>DeltaiL = variazione di picco della corrente nell&apos;induttore</source>
        <translation>DeltaiL = peak variation of the inductor current</translation>
    </message>
    <message>
        <source>DeltaVo = variazione di picco della tensione in uscita</source>
        <translation>DeltaVo = peak variation of the output voltage</translation>
    </message>
    <message>
        <source>Io = corrente continua in uscita</source>
        <translation>Io = DC output current</translation>
    </message>
    <message>
        <source>D = duty cycle = ton/(ton+toff) =| Vo|/(Vi + |Vo|)</source>
        <translation>D = duty cycle = ton/(ton+toff) =| Vo|/(Vi + |Vo|)</translation>
    </message>
    <message>
        <source>ton =  intervallo di tempo in cui l&apos;interruttore è chiuso</source>
        <translation>ton = time interval in which the switch is closed</translation>
    </message>
    <message>
        <source>toff = intervallo di tempo in cui l&apos;iterruttore è aperto</source>
        <translation>toff = time interval in which the switch is open</translation>
    </message>
    <message>
        <source>IDP = corrente di picco nel diodo</source>
        <translation>IDP = peak diode current</translation>
    </message>
    <message>
        <source>IDm = corrente media nel diodo</source>
        <translation>IDm = average diode current</translation>
    </message>
    <message>
        <source>Iim = corrente media, o continua,  in ingresso </source>
        <translation>Iim = average, or DC, input current</translation>
    </message>
    <message>
        <source>L, induttanza calcolata, microhenry</source>
        <translation>L, calculated inductance, microhenry</translation>
    </message>
    <message>
        <source>C, capacità calcolata, microfarad</source>
        <translation>C, calculated capacitance, microfarad</translation>
    </message>
    <message>
        <source>IDP, corrente di picco calcolata nel diodo, ampere</source>
        <translation>IDP, calculated peak diode current, ampere</translation>
    </message>
    <message>
        <source>IDm, corrente media calcolata nel diodo, ampere</source>
        <translation>IDm, calculated average diode current, ampere</translation>
    </message>
    <message>
        <source>Iim, corrente media calcolata in ingresso, ampere</source>
        <translation>Iim, calculated average input current, ampere</translation>
    </message>
    <message>
        <source>Vi, tensione di ingresso, volt</source>
        <translation>Vi, input voltage, volt</translation>
    </message>
    <message>
        <source>Vo, valore assoluto della tensione di uscita, volt</source>
        <translation>Vo, absolute value of the output voltage, volt</translation>
    </message>
    <message>
        <source>f, frequenza di commutazione, kilohertz</source>
        <translation>f, switching frequency, kilohertz</translation>
    </message>
    <message>
        <source>Delta iL su ILm, ondulazione della corrente nell&apos;induttore, percento</source>
        <translation>Delta iL over ILm, inductor current ripple, percent</translation>
    </message>
    <message>
        <source>Delta Vo, ondulazione della tensione di uscita, millivolt</source>
        <translation>Delta Vo, output voltage ripple, millivolt</translation>
    </message>
    <message>
        <source>Io, valore assoluto della corrente di uscita, ampere</source>
        <translation>Io, absolute value of the output current, ampere</translation>
    </message>
    <message>
        <source>Vi, tensione di ingresso da verificare, volt</source>
        <translation>Vi, input voltage to check, volt</translation>
    </message>
    <message>
        <source>D, duty cycle, percento</source>
        <translation>D, duty cycle, percent</translation>
    </message>
    <message>
        <source>L, induttanza, microhenry</source>
        <translation>L, inductance, microhenry</translation>
    </message>
    <message>
        <source>C, capacità, microfarad</source>
        <translation>C, capacitance, microfarad</translation>
    </message>
    <message>
        <source>RL, resistenza di carico, ohm</source>
        <translation>RL, load resistance, ohm</translation>
    </message>
    <message>
        <source>f, frequenza di commutazione da verificare, kilohertz</source>
        <translation>f, switching frequency to check, kilohertz</translation>
    </message>
    <message>
        <source>N, numero campioni per periodo</source>
        <translation>N, number of samples per period</translation>
    </message>
    <message>
        <source>NP, numero periodi visualizzati</source>
        <translation>NP, number of periods shown</translation>
    </message>
    <message>
        <source>NI, numero periodi simulati</source>
        <translation>NI, number of periods simulated</translation>
    </message>
    <message>
        <source>Calcola L , C , IDP, IDm , Iim</source>
        <translation>Calculate L , C , IDP, IDm , Iim</translation>
    </message>
    <message>
        <source>Calcola L, C, IDP, IDm, Iim</source>
        <translation>Calculate L, C, IDP, IDm, Iim</translation>
    </message>
    <message>
        <source>Grafici</source>
        <translation>Graphs</translation>
    </message>
    <message>
        <source>Dati Esempio</source>
        <translation>Sample Data</translation>
    </message>
    <message>
        <source>Schema del convertitore tipo inverter</source>
        <translation>Schematic of the inverting converter</translation>
    </message>
    <message>
        <source>Inverter, versione %1</source>
        <translation>Inverter, version %1</translation>
    </message>
    <message>
        <source>Convertitore step down</source>
        <translation>Step down converter</translation>
    </message>
    <message>
        <source>&amp;Progetto</source>
        <translation>&amp;Design</translation>
    </message>
    <message>
        <source>&amp;Valori normalizzati...</source>
        <translation>&amp;Standard values...</translation>
    </message>
</context>
<context>
    <name>Form2</name>
    <message>
        <source>Delta iL</source>
        <translation>Delta iL</translation>
    </message>
    <message>
        <source>[A]</source>
        <translation>[A]</translation>
    </message>
    <message>
        <source>ampere</source>
        <translation>ampere</translation>
    </message>
    <message>
        <source>Delta Vo</source>
        <translation>Delta Vo</translation>
    </message>
    <message>
        <source>[mV]</source>
        <translation>[mV]</translation>
    </message>
    <message>
        <source>millivolt</source>
        <translation>millivolt</translation>
    </message>
    <message>
        <source>Id picco</source>
        <translation>Id peak</translation>
    </message>
    <message>
        <source>Id media</source>
        <translation>Id mean</translation>
    </message>
    <message>
        <source>Ii media o continua in ingresso</source>
        <translation>Ii mean or DC input</translation>
    </message>
    <message>
        <source>Sposta il cursore del mouse sulla forma d&apos;onda , comparirà il valore in quel punto</source>
        <translation>Move the mouse pointer over the waveform , its value at that point will appear</translation>
    </message>
    <message>
        <source>Delta iL, ondulazione simulata della corrente nell&apos;induttore, ampere</source>
        <translation>Delta iL, simulated inductor current ripple, ampere</translation>
    </message>
    <message>
        <source>Delta Vo, ondulazione simulata della tensione di uscita, millivolt</source>
        <translation>Delta Vo, simulated output voltage ripple, millivolt</translation>
    </message>
    <message>
        <source>Id picco, corrente di picco simulata nel diodo, ampere</source>
        <translation>Id peak, simulated peak diode current, ampere</translation>
    </message>
    <message>
        <source>Id media, corrente media simulata nel diodo, ampere</source>
        <translation>Id mean, simulated average diode current, ampere</translation>
    </message>
    <message>
        <source>Ii media, corrente media simulata in ingresso, ampere</source>
        <translation>Ii mean, simulated average input current, ampere</translation>
    </message>
    <message>
        <source>Grafico delle forme d&apos;onda iL, iC, Vo e id</source>
        <translation>Plot of the waveforms iL, iC, Vo and id</translation>
    </message>
    <message>
        <source>Immagine vuota</source>
        <translation>Empty picture</translation>
    </message>
    <message>
        <source>&amp;Salva immagine...</source>
        <translation>&amp;Save image...</translation>
    </message>
    <message>
        <source>&amp;Esporta dati CSV...</source>
        <translation>&amp;Export CSV data...</translation>
    </message>
    <message>
        <source>Salva &amp;rapporto...</source>
        <translation>Save &amp;report...</translation>
    </message>
    <message>
        <source>&amp;Copia immagine</source>
        <translation>&amp;Copy image</translation>
    </message>
    <message>
        <source>Copia &amp;valori</source>
        <translation>Copy &amp;values</translation>
    </message>
    <message>
        <source>C&amp;hiudi</source>
        <translation>C&amp;lose</translation>
    </message>
    <message>
        <source>Zoom &amp;avanti</source>
        <translation>Zoom &amp;in</translation>
    </message>
    <message>
        <source>Zoom &amp;indietro</source>
        <translation>Zoom &amp;out</translation>
    </message>
    <message>
        <source>&amp;Vista intera</source>
        <translation>&amp;Whole view</translation>
    </message>
    <message>
        <source>Scorri a &amp;sinistra</source>
        <translation>Pan &amp;left</translation>
    </message>
    <message>
        <source>Scorri a &amp;destra</source>
        <translation>Pan &amp;right</translation>
    </message>
    <message>
        <source>Adatta le &amp;bande</source>
        <translation>Fit the &amp;bands</translation>
    </message>
    <message>
        <source>&amp;Cursori di misura</source>
        <translation>&amp;Measuring cursors</translation>
    </message>
    <message>
        <source>&amp;Analisi...</source>
        <translation>&amp;Analysis...</translation>
    </message>
    <message>
        <source>&amp;Tolleranze...</source>
        <translation>&amp;Tolerances...</translation>
    </message>
    <message>
        <source>Risposta in &amp;frequenza...</source>
        <translation>&amp;Frequency response...</translation>
    </message>
    <message>
        <source>Forme d&apos;onda reali</source>
        <translation>Real waveforms</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Visualizza</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>&amp;Strumenti</source>
        <translation>&amp;Tools</translation>
    </message>
    <message>
        <source>Esporta &amp;netlist SPICE...</source>
        <translation>Export SPICE &amp;netlist...</translation>
    </message>
</context>
</TS>
