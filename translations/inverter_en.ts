<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="it">
<context>
    <name>AnalysisWindow</name>
    <message>
        <source>Grandezza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>La grandezza confrontata; ogni valore porta la sua unità di misura</source>
        <translation>The quantity compared; every value carries its unit</translation>
    </message>
    <message>
        <source>Simulata</source>
        <translation>Simulated</translation>
    </message>
    <message>
        <source>L&apos;ultimo periodo simulato (il periodo NI, campioni 1..N): il modello a passo fisso, in cui il diodo non si blocca</source>
        <translation>The last simulated period (period NI, samples 1..N): the fixed-step model, in which the diode never blocks</translation>
    </message>
    <message>
        <source>Esatta a NI</source>
        <translation>Exact at NI</translation>
    </message>
    <message>
        <source>Esatta
a NI</source>
        <translation>Exact
at NI</translation>
    </message>
    <message>
        <source>La soluzione esatta del circuito ideale al periodo NI, dallo stesso avvio da scarico: il diodo si blocca quando la corrente nell&apos;induttore si annulla, anche all&apos;avvio</source>
        <translation>The exact solution of the ideal circuit at period NI, from the same start with everything discharged: the diode blocks when the inductor current falls to zero, start-up included</translation>
    </message>
    <message>
        <source>Esatta senza blocco</source>
        <translation>Exact unblocked</translation>
    </message>
    <message>
        <source>Esatta
senza blocco</source>
        <translation>Exact
unblocked</translation>
    </message>
    <message>
        <source>La soluzione esatta del modello simulato al periodo NI: le stesse formule chiuse senza il blocco del diodo. Dalla Simulata differisce per l&apos;errore del passo, dall&apos;Esatta a NI per il blocco del diodo</source>
        <translation>The exact solution of the simulated model at period NI: the same closed-form formulas without the diode&apos;s blocking. It differs from Simulated by the step error, from Exact at NI by the diode&apos;s blocking</translation>
    </message>
    <message>
        <source>Esatta a regime</source>
        <translation>Exact steady state</translation>
    </message>
    <message>
        <source>Esatta
a regime</source>
        <translation>Exact
steady state</translation>
    </message>
    <message>
        <source>La soluzione esatta del circuito ideale nel regime periodico, a cui tende dopo molti periodi</source>
        <translation>The exact solution of the ideal circuit in periodic steady state, which it approaches after many periods</translation>
    </message>
    <message>
        <source>Formula di progetto</source>
        <translation>Design formula</translation>
    </message>
    <message>
        <source>Formula
di progetto</source>
        <translation>Design
formula</translation>
    </message>
    <message>
        <source>Le formule di progetto: della conduzione continua, o della discontinua (DCM) quando L è sotto l&apos;induttanza critica</source>
        <translation>The design formulas: for continuous conduction, or for discontinuous conduction (DCM) when L is below the critical inductance</translation>
    </message>
    <message>
        <source>Scarto %</source>
        <translation>Deviation %</translation>
    </message>
    <message>
        <source>Lo scarto in per cento della Simulata dall&apos;Esatta a NI: (Simulata - Esatta a NI) / Esatta a NI; dove l&apos;esatta è zero, riferito alla corrente di picco</source>
        <translation>The deviation of Simulated from Exact at NI, in per cent: (Simulated - Exact at NI) / Exact at NI; where the exact value is zero, relative to the peak current</translation>
    </message>
    <message>
        <source>iL min</source>
        <translation>iL min</translation>
    </message>
    <message>
        <source>iL max</source>
        <translation>iL max</translation>
    </message>
    <message>
        <source>Delta iL</source>
        <translation>Delta iL</translation>
    </message>
    <message>
        <source>Delta Vo</source>
        <translation>Delta Vo</translation>
    </message>
    <message>
        <source>Vo media</source>
        <translation>Vo mean</translation>
    </message>
    <message>
        <source>Id media</source>
        <translation>Id mean</translation>
    </message>
    <message>
        <source>Ii media</source>
        <translation>Ii mean</translation>
    </message>
    <message>
        <source>Induttore: picco</source>
        <translation>Inductor: peak</translation>
    </message>
    <message>
        <source>Induttore: media</source>
        <translation>Inductor: mean</translation>
    </message>
    <message>
        <source>Induttore: RMS</source>
        <translation>Inductor: RMS</translation>
    </message>
    <message>
        <source>Interruttore: picco</source>
        <translation>Switch: peak</translation>
    </message>
    <message>
        <source>Interruttore: media</source>
        <translation>Switch: mean</translation>
    </message>
    <message>
        <source>Interruttore: RMS</source>
        <translation>Switch: RMS</translation>
    </message>
    <message>
        <source>Diodo: picco</source>
        <translation>Diode: peak</translation>
    </message>
    <message>
        <source>Diodo: media</source>
        <translation>Diode: mean</translation>
    </message>
    <message>
        <source>Diodo: RMS</source>
        <translation>Diode: RMS</translation>
    </message>
    <message>
        <source>Condensatore: picco</source>
        <translation>Capacitor: peak</translation>
    </message>
    <message>
        <source>Condensatore: RMS</source>
        <translation>Capacitor: RMS</translation>
    </message>
    <message>
        <source>Tensione su interruttore e diodo</source>
        <translation>Switch and diode voltage</translation>
    </message>
    <message>
        <source>Conduzione discontinua (DCM)</source>
        <translation>Discontinuous conduction (DCM)</translation>
    </message>
    <message>
        <source>Conduzione continua (CCM)</source>
        <translation>Continuous conduction (CCM)</translation>
    </message>
    <message>
        <source>%1; induttanza critica %2</source>
        <translation>%1; critical inductance %2</translation>
    </message>
    <message>
        <source>%1; zero nel semipiano destro %2</source>
        <translation>%1; right-half-plane zero %2</translation>
    </message>
    <message>
        <source>nessun valore</source>
        <translation>no value</translation>
    </message>
    <message>
        <source>Analisi</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>&amp;Analisi</source>
        <translation>&amp;Analysis</translation>
    </message>
    <message>
        <source>Co&amp;mponenti reali</source>
        <translation>Real &amp;parts</translation>
    </message>
    <message>
        <source>Tabella dell&apos;analisi</source>
        <translation>Analysis table</translation>
    </message>
    <message>
        <source>Modo di conduzione</source>
        <translation>Conduction mode</translation>
    </message>
    <message>
        <source>Avvisi</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>&amp;Copia</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>Copia la tabella e gli avvisi come testo</source>
        <translation>Copy the table and the warnings as text</translation>
    </message>
    <message>
        <source>Salva &amp;rapporto...</source>
        <translation>Save &amp;report...</translation>
    </message>
    <message>
        <source>Salva il rapporto di verifica in PDF o HTML</source>
        <translation>Save the verification report as PDF or HTML</translation>
    </message>
</context>
<context>
    <name>AnalysisWording</name>
    <message>
        <source>iL minima</source>
        <translation>minimum iL</translation>
    </message>
    <message>
        <source>iL massima</source>
        <translation>maximum iL</translation>
    </message>
    <message>
        <source>|Vo| minima</source>
        <translation>minimum |Vo|</translation>
    </message>
    <message>
        <source>|Vo| massima</source>
        <translation>maximum |Vo|</translation>
    </message>
    <message>
        <source>Vo media</source>
        <translation>mean Vo</translation>
    </message>
    <message>
        <source>Non ancora a regime: nessun periodo simulato; lo scarto di %1 dal valore di regime è %2 %; aumentare NI</source>
        <translation>Not yet in steady state: no period simulated; %1 is %2 % from its steady-state value; increase NI</translation>
    </message>
    <message>
        <source>Non ancora a regime: dopo 1 periodo lo scarto di %1 dal valore di regime è %2 %; aumentare NI</source>
        <translation>Not yet in steady state: after 1 period %1 is %2 % from its steady-state value; increase NI</translation>
    </message>
    <message>
        <source>Non ancora a regime: dopo %3 periodi lo scarto di %1 dal valore di regime è %2 %; aumentare NI</source>
        <translation>Not yet in steady state: after %3 periods %1 is %2 % from its steady-state value; increase NI</translation>
    </message>
    <message>
        <source>Vicino al confine: la formula dell&apos;induttanza critica indica conduzione continua, la soluzione esatta discontinua.</source>
        <translation>Near the boundary: the critical-inductance formula gives continuous conduction, the exact solution discontinuous.</translation>
    </message>
    <message>
        <source>Vicino al confine: la formula dell&apos;induttanza critica indica conduzione discontinua, la soluzione esatta continua.</source>
        <translation>Near the boundary: the critical-inductance formula gives discontinuous conduction, the exact solution continuous.</translation>
    </message>
    <message>
        <source>Differenza di modello: la simulazione non interdice il diodo quando iL si annulla (all&apos;avvio o a regime); la soluzione esatta senza blocco differisce da quella con il diodo del %2 % in %1.</source>
        <translation>Model difference: the simulation does not block the diode when iL falls to zero (at start-up or in steady state); the exact solution without blocking differs from the one with the diode by %2 % in %1.</translation>
    </message>
    <message>
        <source>Colonna simulata vuota: la simulazione è stata rifiutata dal controllo di conduzione.</source>
        <translation>Simulated column empty: the conduction check refused the simulation.</translation>
    </message>
    <message>
        <source>Colonna simulata vuota: la simulazione è stata annullata.</source>
        <translation>Simulated column empty: the simulation was cancelled.</translation>
    </message>
    <message>
        <source>Colonna simulata vuota: la simulazione si è interrotta per un errore.</source>
        <translation>Simulated column empty: the simulation stopped on an error.</translation>
    </message>
    <message>
        <source>Regime periodico non raggiunto: la colonna a regime è l&apos;ultimo periodo calcolato.</source>
        <translation>Periodic steady state not reached: the steady-state column is the last period computed.</translation>
    </message>
    <message>
        <source>Conduzione discontinua: le formule di progetto valgono solo in conduzione continua.</source>
        <translation>Discontinuous conduction: the design formulas hold in continuous conduction only.</translation>
    </message>
    <message>
        <source>Passo di simulazione grossolano: uno scarto supera l&apos;1 %; aumentare N.</source>
        <translation>Coarse simulation step: a deviation exceeds 1 %; increase N.</translation>
    </message>
</context>
<context>
    <name>BodeCharts</name>
    <message>
        <source>Frequenza [Hz]</source>
        <translation>Frequency [Hz]</translation>
    </message>
    <message>
        <source>Modulo</source>
        <translation>Magnitude</translation>
    </message>
    <message>
        <source>Modulo [dB]</source>
        <translation>Magnitude [dB]</translation>
    </message>
    <message>
        <source>bode-modulo</source>
        <translation>bode-magnitude</translation>
    </message>
    <message>
        <source>Fase</source>
        <translation>Phase</translation>
    </message>
    <message>
        <source>Fase [°]</source>
        <translation>Phase [°]</translation>
    </message>
    <message>
        <source>bode-fase</source>
        <translation>bode-phase</translation>
    </message>
</context>
<context>
    <name>ChartView</name>
    <message>
        <source>Grafico</source>
        <translation>Chart</translation>
    </message>
    <message>
        <source>Valori del grafico</source>
        <translation>Chart values</translation>
    </message>
    <message>
        <source>Salva &amp;immagine...</source>
        <translation>Save &amp;image...</translation>
    </message>
    <message>
        <source>Salva il grafico come immagine PNG o SVG</source>
        <translation>Save the chart as a PNG or SVG image</translation>
    </message>
    <message>
        <source>Esporta C&amp;SV...</source>
        <translation>Export C&amp;SV...</translation>
    </message>
    <message>
        <source>Esporta i valori del grafico in un file CSV</source>
        <translation>Export the chart values to a CSV file</translation>
    </message>
    <message>
        <source>Copia &amp;valori</source>
        <translation>Copy &amp;values</translation>
    </message>
    <message>
        <source>Copia la tabella dei valori come testo</source>
        <translation>Copy the table of values as text</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;immagine &quot;%1&quot;: il nome deve finire con .png o .svg</source>
        <translation>Cannot save the image &quot;%1&quot;: the name must end in .png or .svg</translation>
    </message>
    <message>
        <source>Salva immagine</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>Esporta dati CSV</source>
        <translation>Export CSV data</translation>
    </message>
</context>
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
    <name>ConverterApp</name>
    <message>
        <source>Vi, tensione di ingresso [V]</source>
        <translation>Vi, input voltage [V]</translation>
    </message>
    <message>
        <source>|Vo|, tensione di uscita [V]</source>
        <translation>|Vo|, output voltage [V]</translation>
    </message>
    <message>
        <source>f, frequenza di commutazione [kHz]</source>
        <translation>f, switching frequency [kHz]</translation>
    </message>
    <message>
        <source>ΔiL/ILm, ondulazione di iL [%]</source>
        <translation>ΔiL/ILm, iL ripple [%]</translation>
    </message>
    <message>
        <source>ΔVo, ondulazione di Vo [mV]</source>
        <translation>ΔVo, Vo ripple [mV]</translation>
    </message>
    <message>
        <source>|Io|, corrente di uscita [A]</source>
        <translation>|Io|, output current [A]</translation>
    </message>
    <message>
        <source>L, induttanza [µH]</source>
        <translation>L, inductance [µH]</translation>
    </message>
    <message>
        <source>C, capacità [µF]</source>
        <translation>C, capacitance [µF]</translation>
    </message>
    <message>
        <source>IDP, corrente di picco nel diodo [A]</source>
        <translation>IDP, peak diode current [A]</translation>
    </message>
    <message>
        <source>IDm, corrente media nel diodo [A]</source>
        <translation>IDm, average diode current [A]</translation>
    </message>
    <message>
        <source>Iim, corrente media in ingresso [A]</source>
        <translation>Iim, average input current [A]</translation>
    </message>
    <message>
        <source>D, duty cycle [%]</source>
        <translation>D, duty cycle [%]</translation>
    </message>
    <message>
        <source>RL, resistenza di carico [Ω]</source>
        <translation>RL, load resistance [Ω]</translation>
    </message>
    <message>
        <source>N, campioni per periodo</source>
        <translation>N, samples per period</translation>
    </message>
    <message>
        <source>NP, periodi visualizzati</source>
        <translation>NP, periods shown</translation>
    </message>
    <message>
        <source>NI, periodi simulati</source>
        <translation>NI, periods simulated</translation>
    </message>
    <message>
        <source>Campioni per periodo N</source>
        <translation>Samples per period N</translation>
    </message>
    <message>
        <source>Periodi visualizzati NP</source>
        <translation>Periods shown NP</translation>
    </message>
    <message>
        <source>Periodi simulati NI</source>
        <translation>Periods simulated NI</translation>
    </message>
    <message>
        <source>Passo dt = 1 / (N f)</source>
        <translation>Time step dt = 1 / (N f)</translation>
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
    <name>EfficiencyChart</name>
    <message>
        <source>Carico [%]</source>
        <translation>Load [%]</translation>
    </message>
    <message>
        <source>Rendimento [%]</source>
        <translation>Efficiency [%]</translation>
    </message>
    <message>
        <source>Perdite [W]</source>
        <translation>Losses [W]</translation>
    </message>
    <message>
        <source>Rendimento e perdite al variare del carico</source>
        <translation>Efficiency and losses against load</translation>
    </message>
    <message>
        <source>Corrente di carico Io [A]</source>
        <translation>Load current Io [A]</translation>
    </message>
    <message>
        <source>Rendimento</source>
        <translation>Efficiency</translation>
    </message>
    <message>
        <source>rendimento</source>
        <translation>efficiency</translation>
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
<context>
    <name>FrequencyResponseWindow</name>
    <message>
        <source>Risposta in frequenza</source>
        <translation>Frequency response</translation>
    </message>
    <message>
        <source>Lettura del puntatore</source>
        <translation>Pointer readout</translation>
    </message>
    <message>
        <source>Modello mediato</source>
        <translation>Averaged model</translation>
    </message>
    <message>
        <source>Avvisi</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Compensazione (modo tensione)</source>
        <translation>Compensation (voltage mode)</translation>
    </message>
    <message>
        <source>Tipo di compensatore</source>
        <translation>Compensator type</translation>
    </message>
    <message>
        <source>&amp;Tipo</source>
        <translation>&amp;Type</translation>
    </message>
    <message>
        <source>fc, frequenza di attraversamento, hertz</source>
        <translation>fc, crossover frequency, hertz</translation>
    </message>
    <message>
        <source>&amp;fc [Hz]</source>
        <translation>&amp;fc [Hz]</translation>
    </message>
    <message>
        <source>margine di fase, gradi</source>
        <translation>phase margin, degrees</translation>
    </message>
    <message>
        <source>&amp;PM [°]</source>
        <translation>&amp;PM [°]</translation>
    </message>
    <message>
        <source>Vm, ampiezza della rampa PWM, volt</source>
        <translation>Vm, PWM ramp amplitude, volts</translation>
    </message>
    <message>
        <source>&amp;Vm [V]</source>
        <translation>&amp;Vm [V]</translation>
    </message>
    <message>
        <source>R1, kiloohm</source>
        <translation>R1, kilohms</translation>
    </message>
    <message>
        <source>R&amp;1 [kΩ]</source>
        <translation>R&amp;1 [kΩ]</translation>
    </message>
    <message>
        <source>&amp;Compensa</source>
        <translation>&amp;Compensate</translation>
    </message>
    <message>
        <source>Calcola il compensatore</source>
        <translation>Design the compensator</translation>
    </message>
    <message>
        <source>Compensatore</source>
        <translation>Compensator</translation>
    </message>
    <message>
        <source>Circuito a commutazione (FRA)</source>
        <translation>Switching circuit (FRA)</translation>
    </message>
    <message>
        <source>Numero di frequenze della FRA</source>
        <translation>Number of FRA frequencies</translation>
    </message>
    <message>
        <source>F&amp;requenze</source>
        <translation>F&amp;requencies</translation>
    </message>
    <message>
        <source>FR&amp;A</source>
        <translation>FR&amp;A</translation>
    </message>
    <message>
        <source>Misura la risposta del circuito a commutazione fino a f/10</source>
        <translation>Measures the switching circuit&apos;s response up to f/10</translation>
    </message>
    <message>
        <source>A&amp;nnulla</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Avanzamento della FRA</source>
        <translation>FRA progress</translation>
    </message>
    <message>
        <source>Nessuna</source>
        <translation>None</translation>
    </message>
    <message>
        <source>Tipo II</source>
        <translation>Type II</translation>
    </message>
    <message>
        <source>Tipo III</source>
        <translation>Type III</translation>
    </message>
    <message>
        <source>%1, semipiano destro</source>
        <translation>%1, right half-plane</translation>
    </message>
    <message>
        <source>nessuno</source>
        <translation>none</translation>
    </message>
    <message>
        <source>Modo: %1 (modello a ordine ridotto)</source>
        <translation>Mode: %1 (reduced-order model)</translation>
    </message>
    <message>
        <source>Modo: %1 (modello mediato nello spazio degli stati)</source>
        <translation>Mode: %1 (state-space averaged model)</translation>
    </message>
    <message>
        <source>Punto di lavoro del modello: Vo = %1, IL = %2</source>
        <translation>Model operating point: Vo = %1, IL = %2</translation>
    </message>
    <message>
        <source>Poli di Gvd: %1</source>
        <translation>Poles of Gvd: %1</translation>
    </message>
    <message>
        <source>Zeri di Gvd: %1</source>
        <translation>Zeros of Gvd: %1</translation>
    </message>
    <message>
        <source>k = %1, margine di fase %2, margine di guadagno %3</source>
        <translation>k = %1, phase margin %2, gain margin %3</translation>
    </message>
    <message>
        <source>nessuno (la fase di T non raggiunge -180 °)</source>
        <translation>none (the phase of T does not reach -180 °)</translation>
    </message>
    <message>
        <source>fc, PM, Vm e R1 vogliono un numero, con il punto decimale.</source>
        <translation>fc, PM, Vm and R1 need a number, with a decimal point.</translation>
    </message>
</context>
<context>
    <name>FrequencyResponseWording</name>
    <message>
        <source>Gvd(0) non è negativa: con queste perdite il duty cycle supera quello della |Vo| massima, dove un aumento di D riduce |Vo|.</source>
        <translation>Gvd(0) is not negative: with these losses the duty cycle is beyond that of the maximum |Vo|, where a larger D lowers |Vo|.</translation>
    </message>
    <message>
        <source>Conduzione discontinua: il modello di ordine ridotto non tiene conto di rS, rL, Vf e rD (solo della ESR).</source>
        <translation>Discontinuous conduction: the reduced-order model ignores rS, rL, Vf and rD (it keeps the ESR only).</translation>
    </message>
    <message>
        <source>Conduzione discontinua: il modello di ordine ridotto vale solo a bassa frequenza, ben sotto f.</source>
        <translation>Discontinuous conduction: the reduced-order model holds at low frequency only, well below f.</translation>
    </message>
    <message>
        <source>La frequenza di attraversamento supera un terzo di quella dello zero nel semipiano destro: l&apos;anello sarà poco robusto.</source>
        <translation>The crossover frequency exceeds a third of the right-half-plane zero: the loop will not be robust.</translation>
    </message>
    <message>
        <source>La frequenza di attraversamento supera un decimo della frequenza di commutazione: il modello mediato non vale più lì.</source>
        <translation>The crossover frequency exceeds a tenth of the switching frequency: the averaged model no longer holds there.</translation>
    </message>
    <message>
        <source>La frequenza di attraversamento deve essere maggiore di zero e minore di f/2.</source>
        <translation>The crossover frequency must be greater than zero and less than f/2.</translation>
    </message>
    <message>
        <source>Il margine di fase deve essere compreso tra 0 e 180 gradi, estremi esclusi.</source>
        <translation>The phase margin must lie between 0 and 180 degrees, both excluded.</translation>
    </message>
    <message>
        <source>R1 deve essere maggiore di zero.</source>
        <translation>R1 must be greater than zero.</translation>
    </message>
    <message>
        <source>L&apos;ampiezza della rampa Vm deve essere maggiore di zero.</source>
        <translation>The ramp amplitude Vm must be greater than zero.</translation>
    </message>
    <message>
        <source>Il margine richiesto non chiede anticipo di fase (%1°): basta un integratore, non una rete di tipo II o III.</source>
        <translation>The requested margin needs no phase boost (%1°): an integrator is enough, not a type II or III network.</translation>
    </message>
    <message>
        <source>L&apos;anticipo di fase richiesto (%1°) supera quello della rete (90° per il tipo II, 180° per il tipo III): abbassare fc o il margine di fase.</source>
        <translation>The phase boost required (%1°) exceeds what the network gives (90° for type II, 180° for type III): lower fc or the phase margin.</translation>
    </message>
</context>
<context>
    <name>MeasuringCursors</name>
    <message>
        <source>media e RMS: A e B sullo stesso campione</source>
        <translation>mean and RMS: A and B on the same sample</translation>
    </message>
    <message>
        <source>media %1</source>
        <translation>mean %1</translation>
    </message>
    <message>
        <source>media e RMS: solo con A e B sulla stessa traccia</source>
        <translation>mean and RMS: only with A and B on the same trace</translation>
    </message>
</context>
<context>
    <name>PartTable</name>
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
        <translation>diode threshold voltage, V</translation>
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
    <name>ProgressObserver</name>
    <message>
        <source>in stima</source>
        <translation>estimating</translation>
    </message>
    <message>
        <source>meno di un secondo</source>
        <translation>less than a second</translation>
    </message>
    <message>
        <source>oltre 100 ore</source>
        <translation>over 100 hours</translation>
    </message>
    <message>
        <source>circa %1 s</source>
        <translation>about %1 s</translation>
    </message>
    <message>
        <source>circa %1 min %2 s</source>
        <translation>about %1 min %2 s</translation>
    </message>
    <message>
        <source>circa %1 h %2 min</source>
        <translation>about %1 h %2 min</translation>
    </message>
    <message>
        <source>Simulazione in corso...</source>
        <translation>Simulating...</translation>
    </message>
    <message>
        <source>Al periodo %1 di %2; tempo rimanente: %3</source>
        <translation>At period %1 of %2; time left: %3</translation>
    </message>
    <message>
        <source>Tempo rimanente: %1</source>
        <translation>Time left: %1</translation>
    </message>
    <message>
        <source>Annulla</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>RealPartsPanel</name>
    <message>
        <source>Serve un numero non negativo con il punto decimale (es. 50 o 0.45)</source>
        <translation>Needs a non-negative number with a decimal point (e.g. 50 or 0.45)</translation>
    </message>
    <message>
        <source>Componenti reali</source>
        <translation>Real parts</translation>
    </message>
    <message>
        <source>Perdite per componente</source>
        <translation>Losses per part</translation>
    </message>
    <message>
        <source>Regime ideale e con i componenti</source>
        <translation>Steady state, ideal and with the parts</translation>
    </message>
</context>
<context>
    <name>RealPartsTable</name>
    <message>
        <source>|Vo| media</source>
        <translation>|Vo| mean</translation>
    </message>
    <message>
        <source>Delta Vo</source>
        <translation>Delta Vo</translation>
    </message>
    <message>
        <source>iL min</source>
        <translation>iL min</translation>
    </message>
    <message>
        <source>iL max</source>
        <translation>iL max</translation>
    </message>
    <message>
        <source>Delta iL</source>
        <translation>Delta iL</translation>
    </message>
    <message>
        <source>Id media</source>
        <translation>Id mean</translation>
    </message>
    <message>
        <source>Ii media</source>
        <translation>Ii mean</translation>
    </message>
    <message>
        <source>Discontinua (DCM)</source>
        <translation>Discontinuous (DCM)</translation>
    </message>
    <message>
        <source>Continua (CCM)</source>
        <translation>Continuous (CCM)</translation>
    </message>
    <message>
        <source>Duty per |Vo| = %1</source>
        <translation>Duty for |Vo| = %1</translation>
    </message>
    <message>
        <source>Rendimento</source>
        <translation>Efficiency</translation>
    </message>
    <message>
        <source>Potenza in ingresso</source>
        <translation>Input power</translation>
    </message>
    <message>
        <source>Potenza in uscita</source>
        <translation>Output power</translation>
    </message>
    <message>
        <source>Bilancio energetico</source>
        <translation>Energy balance</translation>
    </message>
    <message>
        <source>Rendimento a quel duty</source>
        <translation>Efficiency at that duty</translation>
    </message>
    <message>
        <source>Interruttore: conduzione</source>
        <translation>Switch: conduction</translation>
    </message>
    <message>
        <source>Interruttore: commutazione</source>
        <translation>Switch: switching</translation>
    </message>
    <message>
        <source>Interruttore: capacità Coss</source>
        <translation>Switch: Coss capacitance</translation>
    </message>
    <message>
        <source>Pilotaggio del gate</source>
        <translation>Gate drive</translation>
    </message>
    <message>
        <source>Induttore</source>
        <translation>Inductor</translation>
    </message>
    <message>
        <source>Diodo</source>
        <translation>Diode</translation>
    </message>
    <message>
        <source>Condensatore</source>
        <translation>Capacitor</translation>
    </message>
    <message>
        <source>Perdita</source>
        <translation>Loss</translation>
    </message>
    <message>
        <source>Esatta</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Quota</source>
        <translation>Share</translation>
    </message>
    <message>
        <source>Formula CCM</source>
        <translation>CCM formula</translation>
    </message>
    <message>
        <source>Quota formula</source>
        <translation>Formula share</translation>
    </message>
    <message>
        <source>Totale</source>
        <translation>Total</translation>
    </message>
    <message>
        <source>A regime</source>
        <translation>Steady state</translation>
    </message>
    <message>
        <source>Ideale</source>
        <translation>Ideal</translation>
    </message>
    <message>
        <source>Con i componenti</source>
        <translation>With the parts</translation>
    </message>
    <message>
        <source>Conduzione</source>
        <translation>Conduction</translation>
    </message>
</context>
<context>
    <name>ReportDocument</name>
    <message>
        <source>Rapporto di verifica — Convertitore tipo inverter</source>
        <translation>Verification report — Inverting converter</translation>
    </message>
    <message>
        <source>la grandezza del periodo o la sollecitazione del componente, con la sua unità di misura.</source>
        <translation>the quantity of the period or the stress on the part, with its unit.</translation>
    </message>
    <message>
        <source>misurata sull&apos;ultimo dei NI periodi simulati (Eulero esplicito con il passo dt, N campioni per periodo, partendo da induttore e condensatore scarichi).</source>
        <translation>measured over the last of the NI simulated periods (explicit Euler with the time step dt, N samples per period, starting from a discharged inductor and capacitor).</translation>
    </message>
    <message>
        <source>soluzione esatta del circuito ideale allo stesso periodo NI, dalla stessa partenza, con il diodo che si blocca quando la corrente nell&apos;induttore si annulla: è il riferimento dello scarto.</source>
        <translation>exact solution of the ideal circuit at the same period NI, from the same start, with the diode blocking when the inductor current falls to zero: the reference for the deviation.</translation>
    </message>
    <message>
        <source>soluzione esatta del modello simulato, in cui il diodo non si blocca, allo stesso periodo NI: la Simulata ne differisce per l&apos;errore del passo, l&apos;Esatta a NI per il blocco del diodo.</source>
        <translation>exact solution of the simulated model, in which the diode never blocks, at the same period NI: the Simulated value differs from it by the error of the time step, the Exact at NI by the diode&apos;s blocking.</translation>
    </message>
    <message>
        <source>regime periodico esatto del circuito ideale, con il blocco del diodo: l&apos;Esatta a NI ne differisce finché l&apos;avvio non si è esaurito.</source>
        <translation>exact periodic steady state of the ideal circuit, with the diode&apos;s blocking: the Exact at NI differs from it until the start-up transient has died out.</translation>
    </message>
    <message>
        <source>le formule di progetto in forma chiusa, calcolate con i dati di verifica.</source>
        <translation>the closed-form design formulas, evaluated with the verification data.</translation>
    </message>
    <message>
        <source>(Simulata − Esatta a NI) / Esatta a NI, in per cento; dove l&apos;Esatta a NI è zero, la differenza è divisa per la corrente di picco.</source>
        <translation>(Simulated − Exact at NI) / Exact at NI, in percent; where the Exact at NI is zero, the difference is divided by the peak current.</translation>
    </message>
    <message>
        <source>Una cella vuota: le colonne esatte non danno in forma chiusa i valori efficaci (RMS), la media della corrente nell&apos;induttore né il picco della corrente nel condensatore; lo scarto è dato solo per le grandezze del periodo; Simulata e Scarto % restano vuote quando la simulazione non ha un periodo da confrontare (il motivo è tra gli avvisi); ogni cella resta vuota quando il valore non si può scrivere come numero.</source>
        <translation>An empty cell: the exact columns give no closed form for the RMS values, the mean inductor current or the peak capacitor current; the deviation is given for the period&apos;s quantities only; Simulated and Deviation % stay empty when the simulation has no period to compare (the reason is among the warnings); any cell stays empty when its value cannot be written as a number.</translation>
    </message>
    <message>
        <source>Dati di progetto e risultati</source>
        <translation>Design data and results</translation>
    </message>
    <message>
        <source>Dati di verifica, come digitati</source>
        <translation>Verification data, as typed</translation>
    </message>
    <message>
        <source>Simulazione</source>
        <translation>Simulation</translation>
    </message>
    <message>
        <source>Risposta in frequenza</source>
        <translation>Frequency response</translation>
    </message>
    <message>
        <source>Compensatore</source>
        <translation>Compensator</translation>
    </message>
    <message>
        <source>Diagramma di Bode, modulo</source>
        <translation>Bode plot, magnitude</translation>
    </message>
    <message>
        <source>Diagramma di Bode, fase</source>
        <translation>Bode plot, phase</translation>
    </message>
    <message>
        <source>Rendimento e perdite al variare del carico</source>
        <translation>Efficiency and losses against load</translation>
    </message>
    <message>
        <source>Componenti reali</source>
        <translation>Real parts</translation>
    </message>
    <message>
        <source>Perdite</source>
        <translation>Losses</translation>
    </message>
    <message>
        <source>Regime con i componenti reali</source>
        <translation>Steady state with the real parts</translation>
    </message>
    <message>
        <source>Legenda delle colonne</source>
        <translation>Column legend</translation>
    </message>
    <message>
        <source>Nessun avviso.</source>
        <translation>No warnings.</translation>
    </message>
    <message>
        <source>Data del rapporto: %1</source>
        <translation>Report date: %1</translation>
    </message>
    <message>
        <source>Forme d&apos;onda e valori misurati</source>
        <translation>Waveforms and measured values</translation>
    </message>
    <message>
        <source>Analisi</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Avvisi</source>
        <translation>Warnings</translation>
    </message>
    <message>
        <source>Tolleranze</source>
        <translation>Tolerances</translation>
    </message>
    <message>
        <source>Istogramma</source>
        <translation>Histogram</translation>
    </message>
    <message>
        <source>Nessuna forma d&apos;onda: la simulazione non ha tracciato le tracce.</source>
        <translation>No waveforms: the simulation drew no traces.</translation>
    </message>
    <message>
        <source>Forme d&apos;onda</source>
        <translation>Waveforms</translation>
    </message>
    <message>
        <source>Impossibile salvare il rapporto &quot;%1&quot;: %2</source>
        <translation>Cannot save the report &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>il nome deve finire con .pdf, .html o .htm</source>
        <translation>the name must end in .pdf, .html or .htm</translation>
    </message>
</context>
<context>
    <name>SaveDialog</name>
    <message>
        <source>Immagine PNG</source>
        <translation>PNG image</translation>
    </message>
    <message>
        <source>Immagine vettoriale SVG</source>
        <translation>SVG vector image</translation>
    </message>
    <message>
        <source>Dati CSV</source>
        <translation>CSV data</translation>
    </message>
</context>
<context>
    <name>StandardValuesDialog</name>
    <message>
        <source>Valori normalizzati</source>
        <translation>Standard values</translation>
    </message>
    <message>
        <source>Serie di valori normalizzati IEC 60063</source>
        <translation>IEC 60063 series of standard values</translation>
    </message>
    <message>
        <source>&amp;Serie</source>
        <translation>&amp;Series</translation>
    </message>
    <message>
        <source>Valori normalizzati e ondulazioni</source>
        <translation>Standard values and ripples</translation>
    </message>
    <message>
        <source>&amp;Usa nella verifica</source>
        <translation>&amp;Use in verification</translation>
    </message>
    <message>
        <source>Scrive L e C normalizzati nei campi di verifica</source>
        <translation>Writes the standard L and C into the verification fields</translation>
    </message>
    <message>
        <source>&amp;Chiudi</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>L: progettata %1, normalizzata %2
C: progettata %3, normalizzata %4
Con i valori normalizzati, a regime esatto:
Delta iL = %5, Delta Vo = %6</source>
        <translation>L: designed %1, standard %2
C: designed %3, standard %4
With the standard values, in exact steady state:
Delta iL = %5, Delta Vo = %6</translation>
    </message>
</context>
<context>
    <name>ToleranceHistogram</name>
    <message>
        <source>Vo medio</source>
        <translation>Mean Vo</translation>
    </message>
    <message>
        <source>ΔiL</source>
        <translation>ΔiL</translation>
    </message>
    <message>
        <source>ΔVo</source>
        <translation>ΔVo</translation>
    </message>
    <message>
        <source>IDP</source>
        <translation>IDP</translation>
    </message>
    <message>
        <source>Rendimento</source>
        <translation>Efficiency</translation>
    </message>
    <message>
        <source>Distribuzione di %1</source>
        <translation>Distribution of %1</translation>
    </message>
    <message>
        <source>Campioni</source>
        <translation>Samples</translation>
    </message>
    <message>
        <source>Centro classe [%1]</source>
        <translation>Bin centre [%1]</translation>
    </message>
    <message>
        <source>Limite</source>
        <translation>Limit</translation>
    </message>
    <message>
        <source>tolleranze</source>
        <translation>tolerances</translation>
    </message>
</context>
<context>
    <name>ToleranceWindow</name>
    <message>
        <source>tolleranza della tensione di ingresso, percento</source>
        <translation>input voltage tolerance, percent</translation>
    </message>
    <message>
        <source>tolleranza della frequenza di commutazione, percento</source>
        <translation>switching frequency tolerance, percent</translation>
    </message>
    <message>
        <source>tolleranza dell&apos;induttanza, percento</source>
        <translation>inductance tolerance, percent</translation>
    </message>
    <message>
        <source>tolleranza della capacità, percento</source>
        <translation>capacitance tolerance, percent</translation>
    </message>
    <message>
        <source>tolleranza della resistenza di carico, percento</source>
        <translation>load resistance tolerance, percent</translation>
    </message>
    <message>
        <source>tolleranza della resistenza dell&apos;interruttore, percento</source>
        <translation>switch resistance tolerance, percent</translation>
    </message>
    <message>
        <source>tolleranza della resistenza dell&apos;induttore, percento</source>
        <translation>inductor resistance tolerance, percent</translation>
    </message>
    <message>
        <source>tolleranza della resistenza serie del condensatore, percento</source>
        <translation>capacitor series resistance tolerance, percent</translation>
    </message>
    <message>
        <source>tolleranza della tensione di soglia del diodo, percento</source>
        <translation>diode forward voltage tolerance, percent</translation>
    </message>
    <message>
        <source>tolleranza della resistenza del diodo, percento</source>
        <translation>diode resistance tolerance, percent</translation>
    </message>
    <message>
        <source>ΔiL max [A]</source>
        <translation>ΔiL max [A]</translation>
    </message>
    <message>
        <source>limite dell&apos;ondulazione della corrente nell&apos;induttore, ampere</source>
        <translation>inductor current ripple limit, amperes</translation>
    </message>
    <message>
        <source>ΔVo max [mV]</source>
        <translation>ΔVo max [mV]</translation>
    </message>
    <message>
        <source>limite dell&apos;ondulazione della tensione di uscita, millivolt</source>
        <translation>output voltage ripple limit, millivolts</translation>
    </message>
    <message>
        <source>Banda |Vo| [%]</source>
        <translation>|Vo| band [%]</translation>
    </message>
    <message>
        <source>banda ammessa attorno a Vo, percento</source>
        <translation>band allowed around Vo, percent</translation>
    </message>
    <message>
        <source>IDP max [A]</source>
        <translation>IDP max [A]</translation>
    </message>
    <message>
        <source>limite della corrente di picco, ampere</source>
        <translation>peak current limit, amperes</translation>
    </message>
    <message>
        <source>Rendimento min [%]</source>
        <translation>Efficiency min [%]</translation>
    </message>
    <message>
        <source>rendimento minimo, percento</source>
        <translation>minimum efficiency, percent</translation>
    </message>
    <message>
        <source>Grandezza</source>
        <translation>Quantity</translation>
    </message>
    <message>
        <source>Minimo</source>
        <translation>Minimum</translation>
    </message>
    <message>
        <source>Angolo del minimo</source>
        <translation>Corner of minimum</translation>
    </message>
    <message>
        <source>Massimo</source>
        <translation>Maximum</translation>
    </message>
    <message>
        <source>Angolo del massimo</source>
        <translation>Corner of maximum</translation>
    </message>
    <message>
        <source>Media</source>
        <translation>Mean</translation>
    </message>
    <message>
        <source>Deviazione standard</source>
        <translation>Standard deviation</translation>
    </message>
    <message>
        <source>Quantile 0,1 %</source>
        <translation>Quantile 0.1 %</translation>
    </message>
    <message>
        <source>Quantile 99,9 %</source>
        <translation>Quantile 99.9 %</translation>
    </message>
    <message>
        <source>Uniforme</source>
        <translation>Uniform</translation>
    </message>
    <message>
        <source>Normale (3σ = tolleranza)</source>
        <translation>Normal (3σ = tolerance)</translation>
    </message>
    <message>
        <source>Tolleranze</source>
        <translation>Tolerances</translation>
    </message>
    <message>
        <source>Tolleranze [%]</source>
        <translation>Tolerances [%]</translation>
    </message>
    <message>
        <source>Limiti (vuoto: non controllato)</source>
        <translation>Limits (empty: not checked)</translation>
    </message>
    <message>
        <source>Analisi</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>&amp;Caso peggiore (tutti gli angoli)</source>
        <translation>&amp;Worst case (all corners)</translation>
    </message>
    <message>
        <source>numero di campioni Monte Carlo</source>
        <translation>number of Monte Carlo samples</translation>
    </message>
    <message>
        <source>Campioni &amp;Monte Carlo</source>
        <translation>&amp;Monte Carlo samples</translation>
    </message>
    <message>
        <source>Distribuzione dei campioni</source>
        <translation>Sample distribution</translation>
    </message>
    <message>
        <source>&amp;Distribuzione</source>
        <translation>&amp;Distribution</translation>
    </message>
    <message>
        <source>seme del generatore</source>
        <translation>generator seed</translation>
    </message>
    <message>
        <source>S&amp;eme</source>
        <translation>S&amp;eed</translation>
    </message>
    <message>
        <source>Ca&amp;lcola</source>
        <translation>&amp;Run</translation>
    </message>
    <message>
        <source>Calcola caso peggiore e Monte Carlo</source>
        <translation>Run worst case and Monte Carlo</translation>
    </message>
    <message>
        <source>A&amp;nnulla</source>
        <translation>Ca&amp;ncel</translation>
    </message>
    <message>
        <source>Avanzamento dell&apos;analisi</source>
        <translation>Analysis progress</translation>
    </message>
    <message>
        <source>Stato dell&apos;analisi</source>
        <translation>Analysis status</translation>
    </message>
    <message>
        <source>Caso peggiore e statistiche</source>
        <translation>Worst case and statistics</translation>
    </message>
    <message>
        <source>Resa</source>
        <translation>Yield</translation>
    </message>
    <message>
        <source>Grandezza dell&apos;istogramma</source>
        <translation>Histogram quantity</translation>
    </message>
    <message>
        <source>&amp;Istogramma di</source>
        <translation>&amp;Histogram of</translation>
    </message>
    <message>
        <source>Caso peggiore: %1 angoli su %2 fuori da qualche limite</source>
        <translation>Worst case: %1 of %2 corners outside some limit</translation>
    </message>
    <message>
        <source>Resa: %1 dei %2 campioni entro ogni limite</source>
        <translation>Yield: %1 of the %2 samples within every limit</translation>
    </message>
    <message>
        <source>Fuori dal limite %1: %2</source>
        <translation>Outside limit %1: %2</translation>
    </message>
    <message>
        <source>La tolleranza di %1 vuole un numero da 0 a meno di 100.</source>
        <translation>The tolerance of %1 needs a number from 0 to less than 100.</translation>
    </message>
    <message>
        <source>Il limite %1 vuole un numero non negativo, o nulla.</source>
        <translation>The limit %1 needs a non-negative number, or nothing.</translation>
    </message>
    <message>
        <source>I campioni Monte Carlo vogliono un numero intero da 0 a 10000000.</source>
        <translation>The Monte Carlo samples need a whole number from 0 to 10000000.</translation>
    </message>
    <message>
        <source>Il seme vuole un numero intero non negativo.</source>
        <translation>The seed needs a non-negative whole number.</translation>
    </message>
    <message>
        <source>Scegliere il caso peggiore o almeno un campione Monte Carlo.</source>
        <translation>Choose the worst case or at least one Monte Carlo sample.</translation>
    </message>
    <message>
        <source>Analisi annullata.</source>
        <translation>Analysis cancelled.</translation>
    </message>
    <message>
        <source>Tolleranze: %1</source>
        <translation>Tolerances: %1</translation>
    </message>
    <message>
        <source>Campioni Monte Carlo: %1, seme %2</source>
        <translation>Monte Carlo samples: %1, seed %2</translation>
    </message>
</context>
<context>
    <name>WaveformFigure</name>
    <message>
        <source>Delta iL</source>
        <translation>Delta iL</translation>
    </message>
    <message>
        <source>Delta Vo</source>
        <translation>Delta Vo</translation>
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
        <source>Tempo: 0 ... %1 µs</source>
        <translation>Time: 0 ... %1 µs</translation>
    </message>
    <message>
        <source>Tempo: %1</source>
        <translation>Time: %1</translation>
    </message>
    <message>
        <source>Forme d&apos;onda reali</source>
        <translation>Real waveforms</translation>
    </message>
    <message>
        <source>Impossibile salvare l&apos;immagine &quot;%1&quot;: %2</source>
        <translation>Cannot save the image &quot;%1&quot;: %2</translation>
    </message>
    <message>
        <source>il nome deve finire con .png o .svg</source>
        <translation>the name must end in .png or .svg</translation>
    </message>
    <message>
        <source>il disegno della figura non è riuscito</source>
        <translation>drawing the figure failed</translation>
    </message>
</context>
<context>
    <name>WaveformTools</name>
    <message>
        <source>Netlist SPICE</source>
        <translation>SPICE netlist</translation>
    </message>
    <message>
        <source>Documento PDF</source>
        <translation>PDF document</translation>
    </message>
    <message>
        <source>Pagina HTML</source>
        <translation>HTML page</translation>
    </message>
    <message>
        <source>Salva immagine</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>Esporta dati CSV</source>
        <translation>Export CSV data</translation>
    </message>
    <message>
        <source>Esportazione dei dati in corso...</source>
        <translation>Exporting data...</translation>
    </message>
    <message>
        <source>Salva rapporto</source>
        <translation>Save report</translation>
    </message>
    <message>
        <source>Esporta netlist SPICE</source>
        <translation>Export SPICE netlist</translation>
    </message>
</context>
<context>
    <name>WholeFile</name>
    <message>
        <source>permesso negato</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>la cartella non esiste</source>
        <translation>the folder does not exist</translation>
    </message>
    <message>
        <source>spazio su disco esaurito</source>
        <translation>no space left on the disk</translation>
    </message>
    <message>
        <source>il disco è di sola lettura</source>
        <translation>the disk is read-only</translation>
    </message>
    <message>
        <source>è una cartella</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>il nome non è valido</source>
        <translation>the name is not valid</translation>
    </message>
    <message>
        <source>il nome è troppo lungo</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>troppi collegamenti simbolici</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>troppi file temporanei accanto al file</source>
        <translation>too many temporary files beside the file</translation>
    </message>
    <message>
        <source>non si può scrivere in questo tipo di file</source>
        <translation>this kind of file cannot be written</translation>
    </message>
    <message>
        <source>il file è troppo grande</source>
        <translation>the file is too large</translation>
    </message>
    <message>
        <source>errore di lettura o scrittura del disco</source>
        <translation>disk read or write error</translation>
    </message>
    <message>
        <source>descrittore chiuso</source>
        <translation>closed descriptor</translation>
    </message>
    <message>
        <source>chi leggeva ha chiuso il collegamento</source>
        <translation>the reader closed the connection</translation>
    </message>
    <message>
        <source>troppi file aperti</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>il file è in uso</source>
        <translation>the file is in use</translation>
    </message>
    <message>
        <source>errore del sistema n. %1</source>
        <translation>system error no. %1</translation>
    </message>
    <message>
        <source>Impossibile scrivere il file &quot;%1&quot;: %2.</source>
        <translation>Cannot write the file &quot;%1&quot;: %2.</translation>
    </message>
</context>
</TS>
