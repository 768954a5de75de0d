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
</TS>
