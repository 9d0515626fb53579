<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>Impossibile scrivere il file &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisione in virgola mobile per zero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operazione in virgola mobile non valida</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Overflow in virgola mobile</translation>
    </message>
    <message>
        <source>Number of periods out of range</source>
        <translation>Numero di periodi fuori intervallo</translation>
    </message>
    <message>
        <source>CalendarDateOf</source>
        <translation>Data di calendario</translation>
    </message>
    <message>
        <source>DateInLeapYear</source>
        <translation>Anno bisestile</translation>
    </message>
    <message>
        <source>DateValueOf</source>
        <translation>Valore della data</translation>
    </message>
    <message>
        <source>DayNumberInYear</source>
        <translation>Giorno dell&apos;anno</translation>
    </message>
    <message>
        <source>DaysBetween</source>
        <translation>Giorni tra le date</translation>
    </message>
    <message>
        <source>FutureValue</source>
        <translation>Montante</translation>
    </message>
    <message>
        <source>InterestPayment</source>
        <translation>Quota interessi</translation>
    </message>
    <message>
        <source>InterestRate</source>
        <translation>Tasso di interesse</translation>
    </message>
    <message>
        <source>InternalRateOfReturn</source>
        <translation>Tasso interno di rendimento</translation>
    </message>
    <message>
        <source>IsoWeekDay</source>
        <translation>Giorno della settimana ISO</translation>
    </message>
    <message>
        <source>MonthLength</source>
        <translation>Giorni nel mese</translation>
    </message>
    <message>
        <source>NetFutureValue</source>
        <translation>Valore futuro netto</translation>
    </message>
    <message>
        <source>NetPresentValue</source>
        <translation>Valore attuale netto</translation>
    </message>
    <message>
        <source>NumberOfPeriods</source>
        <translation>Numero di periodi</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Rata</translation>
    </message>
    <message>
        <source>PaymentParts</source>
        <translation>Scomposizione della rata</translation>
    </message>
    <message>
        <source>PeriodPayment</source>
        <translation>Rata del periodo</translation>
    </message>
    <message>
        <source>PresentValue</source>
        <translation>Valore attuale</translation>
    </message>
    <message>
        <source>SLNDepreciation</source>
        <translation>Ammortamento a quote costanti</translation>
    </message>
    <message>
        <source>WeekNumberInYear</source>
        <translation>Settimana dell&apos;anno</translation>
    </message>
    <message>
        <source>Syntax   error   in   expression   at   position   %1</source>
        <translation>Errore   di   sintassi   nell&apos;espressione   alla   posizione   %1</translation>
    </message>
    <message>
        <source>Mismatched   parentheses   at   position   %1</source>
        <translation>Parentesi   non   bilanciate   alla   posizione   %1</translation>
    </message>
    <message>
        <source>Unexpected   end   of   expression   at   position   %1</source>
        <translation>Fine   inattesa   dell&apos;espressione   alla   posizione   %1</translation>
    </message>
    <message>
        <source>Expression   nested   too   deeply   at   position   %1</source>
        <translation>Espressione   annidata   troppo   in   profondità   alla   posizione   %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; non è un valore in virgola mobile valido</translation>
    </message>
    <message>
        <source>Too many periods: the schedule lists at most %1 periods</source>
        <translation>Troppi periodi: il piano elenca al massimo %1 periodi</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Errore sconosciuto</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>File di testo (*.txt)</translation>
    </message>
    <message>
        <source>Comma Separate Values (*.csv)</source>
        <translation>Valori separati da virgole (*.csv)</translation>
    </message>
    <message>
        <source>HTML File (*.htm)</source>
        <translation>File HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>HelpMessages</name>
    <message>
        <source>Function ShellExecute(%s)<byte value="xd"/>Returned: %s</source>
        <translation>Funzione ShellExecute(%s)<byte value="xd"/>Ha restituito: %s</translation>
    </message>
    <message>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS Html Help non è installato su questo computer.</translation>
    </message>
    <message>
        <source>System file KeyHH.EXE was not found in the Windows folder.</source>
        <translation>Il file di sistema KeyHH.EXE non è stato trovato nella cartella di Windows.</translation>
    </message>
    <message>
        <source>System file HH.EXE was not found in the Windows folder.</source>
        <translation>Il file di sistema HH.EXE non è stato trovato nella cartella di Windows.</translation>
    </message>
    <message>
        <source>Unknown error returned by HHHelpContext</source>
        <translation>Errore sconosciuto restituito da HHHelpContext</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mensile</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrale</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Semestrale</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Annuale</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Quindicinale</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Ogni 14 giorni</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Settimanale</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giornaliera</translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation>Non è stato possibile avviare la stampante</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started</source>
        <translation>Non è stato possibile avviare la stampante &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The printer stopped at page %1</source>
        <translation>La stampante si è fermata alla pagina %1</translation>
    </message>
    <message>
        <source>The printer could not finish the report</source>
        <translation>La stampante non ha potuto completare il prospetto</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>non è stato possibile scrivere il PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>File PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed. Save it as a PDF file instead?</source>
        <translation>Non è installata alcuna stampante, quindi il prospetto non può essere stampato. Salvarlo invece come file PDF?</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Export</source>
        <comment>window title</comment>
        <translation>Esportazione</translation>
    </message>
    <message>
        <source>Writing</source>
        <comment>verb: Writing row 3 of 10</comment>
        <translation>Scrittura</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>window title</comment>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>verb: Printing row 3 of 10</comment>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>%1 row %2 of %3</source>
        <translation>%1 riga %2 di %3</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 riga %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, pagina %2</translation>
    </message>
</context>
<context>
    <name>ReportRender</name>
    <message>
        <source>Page %1</source>
        <translation>Pagina %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
</context>
<context>
    <name>quarrant::CashFlowListModel</name>
    <message>
        <source>Group</source>
        <translation>Gruppo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>Number of Times</source>
        <translation>N. di volte</translation>
    </message>
</context>
<context>
    <name>quarrant::DateEdit</name>
    <message>
        <source>Calendar</source>
        <translation>Calendario</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>%1: calendario</translation>
    </message>
</context>
<context>
    <name>quarrant::DepreciationTableModel</name>
    <message>
        <source>Year</source>
        <translation>Anno</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Ammortamento</translation>
    </message>
    <message>
        <source>Total Depreciation</source>
        <translation>Fondo amm.to</translation>
    </message>
    <message>
        <source>Book Value</source>
        <translation>Valore contabile</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpBrowser</name>
    <message>
        <source>Topic not found</source>
        <translation>Argomento non trovato</translation>
    </message>
    <message>
        <source>The topic &lt;b&gt;%1&lt;/b&gt; is not in this help file.</source>
        <translation>L&apos;argomento &lt;b&gt;%1&lt;/b&gt; non è in questo file della guida.</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpViewerWindow</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Pagina iniziale</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommario</translation>
    </message>
    <message>
        <source>Cannot open the help file</source>
        <translation>Impossibile aprire il file della guida</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be opened. It may be missing or damaged.</source>
        <translation>Non è stato possibile aprire il file della guida &lt;b&gt;%1&lt;/b&gt;. Potrebbe mancare o essere danneggiato.</translation>
    </message>
    <message>
        <source>No topic for this request</source>
        <translation>Nessun argomento per questa richiesta</translation>
    </message>
    <message>
        <source>This help file has no topic for help context %1. &lt;a href=&quot;%2&quot;&gt;Go to the overview.&lt;/a&gt;</source>
        <translation>Questo file della guida non ha alcun argomento per il contesto %1. &lt;a href=&quot;%2&quot;&gt;Vai alla panoramica.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Argomento</translation>
    </message>
</context>
<context>
    <name>quarrant::ReportPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Anteprima di stampa</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Stampa</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salva come PDF</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Prima</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Precedente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Successiva</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Ultima</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ingrandisci</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Riduci</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source> No pages</source>
        <translation> Nessuna pagina</translation>
    </message>
    <message>
        <source> Generating pages...</source>
        <translation> Generazione pagine...</translation>
    </message>
    <message>
        <source> Page %1 of %2%3    Zoom %4%</source>
        <translation> Pagina %1 di %2%3    Zoom %4%</translation>
    </message>
    <message>
        <source> (generating...)</source>
        <translation> (generazione...)</translation>
    </message>
</context>
<context>
    <name>quarrant::ScheduleListModel</name>
    <message>
        <source>Period</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Quota capitale</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Quota interessi</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Tot. capitale</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Tot. interessi</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Debito residuo</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_Amortization</name>
    <message>
        <source>Amortization Schedule</source>
        <translation>Piano di ammortamento</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salva con nome</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Stampa</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Anteprima</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>C&amp;hiudi</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>N. di periodi:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Tasso annuo (I%):</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Valore attuale:</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Montante:</translation>
    </message>
    <message>
        <source>Payment time:</source>
        <translation>Scadenza:</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Inizio periodo</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Fine periodo</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcola</translation>
    </message>
    <message>
        <source>Payment frequency:</source>
        <translation>Periodicità:</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salva file</translation>
    </message>
    <message>
        <source>Loan options</source>
        <translation>Opzioni del prestito</translation>
    </message>
    <message>
        <source>Selected periods</source>
        <translation>Periodi selezionati</translation>
    </message>
    <message>
        <source>Loan options: %1</source>
        <translation>Opzioni del prestito: %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periodo %1</translation>
    </message>
    <message>
        <source>Periods %1-%2</source>
        <translation>Periodi %1-%2</translation>
    </message>
    <message>
        <source>%1: principal %2, interest %3, payments %4</source>
        <translation>%1: capitale %2, interessi %3, rate %4</translation>
    </message>
    <message>
        <source>%1 periods</source>
        <translation>%1 periodi</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_LoanOptions</name>
    <message>
        <source>Same as payments</source>
        <translation>Come i pagamenti</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Annuale</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Semestrale</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestrale</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensile</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Giornaliera</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Esatto</translation>
    </message>
    <message>
        <source>Rounded to cents as a lender does</source>
        <translation>Arrotondato al centesimo come la banca</translation>
    </message>
    <message>
        <source>Loan Options</source>
        <translation>Opzioni del prestito</translation>
    </message>
    <message>
        <source>One-off payments</source>
        <translation>Pagamenti una tantum</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periodo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importo</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Aggiungi</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>E&amp;limina</translation>
    </message>
    <message>
        <source>Pe&amp;riod:</source>
        <translation>Pe&amp;riodo:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Importo:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>&amp;Compounding:</source>
        <translation>&amp;Capitalizzazione:</translation>
    </message>
    <message>
        <source>&amp;Extra each period:</source>
        <translation>&amp;Extra per periodo:</translation>
    </message>
    <message>
        <source>&amp;from period:</source>
        <translation>&amp;dal periodo:</translation>
    </message>
    <message>
        <source>Amo&amp;unts:</source>
        <translation>Im&amp;porti:</translation>
    </message>
    <message>
        <source>Compounding: %1</source>
        <translation>Capitalizzazione: %1</translation>
    </message>
    <message>
        <source>Rounded to cents</source>
        <translation>Arrotondato al centesimo</translation>
    </message>
    <message>
        <source>Extra %1 each period from period %2</source>
        <translation>Extra di %1 per periodo dal periodo %2</translation>
    </message>
    <message>
        <source>The extra payment each period cannot be negative.</source>
        <translation>Il pagamento extra per periodo non può essere negativo.</translation>
    </message>
    <message>
        <source>The extra payments must start in a period from 1 to %1.</source>
        <translation>I pagamenti extra devono iniziare in un periodo da 1 a %1.</translation>
    </message>
    <message>
        <source>The one-off payment of period %1 lies after the last period, %2: delete it or change its period.</source>
        <translation>Il pagamento una tantum del periodo %1 cade dopo l&apos;ultimo periodo, %2: eliminatelo o cambiatene il periodo.</translation>
    </message>
    <message>
        <source>A one-off payment must fall in a period from 1 to %1.</source>
        <translation>Un pagamento una tantum deve cadere in un periodo da 1 a %1.</translation>
    </message>
    <message>
        <source>A one-off payment must be greater than 0.</source>
        <translation>Un pagamento una tantum deve essere maggiore di 0.</translation>
    </message>
    <message>
        <source>One-off payments: %1</source>
        <translation>Pagamenti una tantum: %1</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_ZavuzirEza</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Valore finanziario del tempo</translation>
    </message>
    <message>
        <source>Interest Rate Conversions</source>
        <translation>Conversione dei tassi</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Ammortamento</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flussi di cassa</translation>
    </message>
    <message>
        <source>Date Calculator</source>
        <translation>Calcolo delle date</translation>
    </message>
    <message>
        <source>Expression Value:</source>
        <translation>Valore espr.:</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Decimali:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Gen.</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Syntax Error!</source>
        <translation>Errore di sintassi!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>Expression Error:%1</source>
        <translation>Errore nell&apos;espressione:%1</translation>
    </message>
    <message>
        <source>Can not calculate</source>
        <translation>Impossibile calcolare</translation>
    </message>
    <message>
        <source>Discount Rate(%):</source>
        <translation>Tasso di sconto(%):</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserisci</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Sostituisci</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>A&amp;zzera</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importo:</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Volte:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcola</translation>
    </message>
    <message>
        <source>Internal Rate of Return (IRR%): </source>
        <translation>Tasso int. di rendimento (TIR%): </translation>
    </message>
    <message>
        <source>Net Present Value (NPV) :</source>
        <translation>Valore attuale netto (VAN) :</translation>
    </message>
    <message>
        <source>Net Future Value (NFV):</source>
        <translation>Valore futuro netto (VFN):</translation>
    </message>
    <message>
        <source>The date lies outside the years 1 to 9999.</source>
        <translation>La data è fuori dagli anni da 1 a 9999.</translation>
    </message>
    <message>
        <source>One Date</source>
        <translation>Una data</translation>
    </message>
    <message>
        <source>Two Dates</source>
        <translation>Due date</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Day of year:</source>
        <translation>Giorno dell&apos;anno:</translation>
    </message>
    <message>
        <source>Week of year:</source>
        <translation>Settimana dell&apos;anno:</translation>
    </message>
    <message>
        <source>Days in month:</source>
        <translation>Giorni nel mese:</translation>
    </message>
    <message>
        <source>Leap year:</source>
        <translation>Anno bisestile:</translation>
    </message>
    <message>
        <source>Beginning Date</source>
        <translation>Data iniziale</translation>
    </message>
    <message>
        <source>Ending Date</source>
        <translation>Data finale</translation>
    </message>
    <message>
        <source>Days Between Dates</source>
        <translation>Giorni tra le date</translation>
    </message>
    <message>
        <source>Time between dates</source>
        <translation>Intervallo tra le date</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anni</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Anni</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mesi</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mesi</translation>
    </message>
    <message>
        <source>days</source>
        <translation>giorni</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Giorni</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sì</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cost basis:</source>
        <translation>Costo:</translation>
    </message>
    <message>
        <source>Salvage value:</source>
        <translation>Valore residuo:</translation>
    </message>
    <message>
        <source>Expected life:</source>
        <translation>Vita utile:</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Fattore:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Metodo:</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Quote costanti</translation>
    </message>
    <message>
        <source>Sum-of-the-year&apos;s digits</source>
        <translation>Somma cifre anni</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Quote decrescenti</translation>
    </message>
    <message>
        <source>The expected life is too long to list: the table holds at most %1 years.</source>
        <translation>La vita utile è troppo lunga per l&apos;elenco: la tabella contiene al massimo %1 anni.</translation>
    </message>
    <message>
        <source>Nominal Annual Rate</source>
        <translation>Tasso nominale annuo</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Effective Annual Rate</source>
        <translation>Tasso effettivo annuo</translation>
    </message>
    <message>
        <source>Periodic Interest Rate</source>
        <translation>Tasso periodale</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Periodicità dei pagamenti</translation>
    </message>
    <message>
        <source>Number of Periods(N):</source>
        <translation>N. di periodi(N):</translation>
    </message>
    <message>
        <source>Annual Interest(I%YR):</source>
        <translation>Tasso annuo(I%):</translation>
    </message>
    <message>
        <source>Present Value(PV):</source>
        <translation>Valore attuale(VA):</translation>
    </message>
    <message>
        <source>Payment(PMT):</source>
        <translation>Rata(RATA):</translation>
    </message>
    <message>
        <source>Future Value(FV):</source>
        <translation>Montante(M):</translation>
    </message>
    <message>
        <source>Payment time</source>
        <translation>Scadenza dei pagamenti</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Inizio periodo</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Fine periodo</translation>
    </message>
    <message>
        <source>&amp;Amortization</source>
        <translation>&amp;Piano di ammortamento</translation>
    </message>
    <message>
        <source>Arguments Error!</source>
        <translation>Argomenti non validi!</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_report</name>
    <message>
        <source>Report</source>
        <translation>Prospetto</translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation>Piano di ammortamento</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>N. di periodi:</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Valore attuale:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Tasso annuo (I%):</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Montante:</translation>
    </message>
    <message>
        <source>Payment Frequency:</source>
        <translation>Periodicità:</translation>
    </message>
    <message>
        <source>Payment Time:</source>
        <translation>Scadenza:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>N.</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Quota capitale</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Quota interessi</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Tot. capitale</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Tot. interessi</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Debito residuo</translation>
    </message>
    <message>
        <source>Loan Options:</source>
        <translation>Opzioni prestito:</translation>
    </message>
</context>
<context>
    <name>quarrant::ValueField</name>
    <message>
        <source>Can enter expression(Such as: 2*12)</source>
        <translation>Accetta espressioni (es.: 2*12)</translation>
    </message>
</context>
</TS>
