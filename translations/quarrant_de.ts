<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division durch null</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Ungültige Gleitkommaoperation</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Gleitkommaüberlauf</translation>
    </message>
    <message>
        <source>Number of periods out of range</source>
        <translation>Anzahl der Perioden außerhalb des zulässigen Bereichs</translation>
    </message>
    <message>
        <source>CalendarDateOf</source>
        <translation>CalendarDateOf</translation>
    </message>
    <message>
        <source>DateInLeapYear</source>
        <translation>DateInLeapYear</translation>
    </message>
    <message>
        <source>DateValueOf</source>
        <translation>DateValueOf</translation>
    </message>
    <message>
        <source>DayNumberInYear</source>
        <translation>DayNumberInYear</translation>
    </message>
    <message>
        <source>DaysBetween</source>
        <translation>DaysBetween</translation>
    </message>
    <message>
        <source>FutureValue</source>
        <translation>FutureValue</translation>
    </message>
    <message>
        <source>InterestPayment</source>
        <translation>InterestPayment</translation>
    </message>
    <message>
        <source>InterestRate</source>
        <translation>InterestRate</translation>
    </message>
    <message>
        <source>InternalRateOfReturn</source>
        <translation>InternalRateOfReturn</translation>
    </message>
    <message>
        <source>IsoWeekDay</source>
        <translation>IsoWeekDay</translation>
    </message>
    <message>
        <source>MonthLength</source>
        <translation>MonthLength</translation>
    </message>
    <message>
        <source>NetFutureValue</source>
        <translation>NetFutureValue</translation>
    </message>
    <message>
        <source>NetPresentValue</source>
        <translation>NetPresentValue</translation>
    </message>
    <message>
        <source>NumberOfPeriods</source>
        <translation>NumberOfPeriods</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Payment</translation>
    </message>
    <message>
        <source>PaymentParts</source>
        <translation>PaymentParts</translation>
    </message>
    <message>
        <source>PeriodPayment</source>
        <translation>PeriodPayment</translation>
    </message>
    <message>
        <source>PresentValue</source>
        <translation>PresentValue</translation>
    </message>
    <message>
        <source>SLNDepreciation</source>
        <translation>SLNDepreciation</translation>
    </message>
    <message>
        <source>WeekNumberInYear</source>
        <translation>WeekNumberInYear</translation>
    </message>
    <message>
        <source>Syntax   error   in   expression   at   position   %1</source>
        <translation>Syntaxfehler im Ausdruck an Position %1</translation>
    </message>
    <message>
        <source>Mismatched   parentheses   at   position   %1</source>
        <translation>Klammern passen nicht zusammen an Position %1</translation>
    </message>
    <message>
        <source>Unexpected   end   of   expression   at   position   %1</source>
        <translation>Unerwartetes Ende des Ausdrucks an Position %1</translation>
    </message>
    <message>
        <source>Expression   nested   too   deeply   at   position   %1</source>
        <translation>Ausdruck zu tief verschachtelt an Position %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>„%1“ ist keine gültige Zahl</translation>
    </message>
    <message>
        <source>Too many periods: the schedule lists at most %1 periods</source>
        <translation>Zu viele Perioden: Der Plan umfasst höchstens %1 Perioden</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Textdateien (*.txt)</translation>
    </message>
    <message>
        <source>Comma Separate Values (*.csv)</source>
        <translation>Kommagetrennte Werte (*.csv)</translation>
    </message>
    <message>
        <source>HTML File (*.htm)</source>
        <translation>HTML-Datei (*.htm)</translation>
    </message>
</context>
<context>
    <name>HelpMessages</name>
    <message>
        <source>Function ShellExecute(%s)<byte value="xd"/>Returned: %s</source>
        <translation>Funktion ShellExecute(%s)<byte value="xd"/>Ergebnis: %s</translation>
    </message>
    <message>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS HTML Help ist auf diesem PC nicht installiert.</translation>
    </message>
    <message>
        <source>System file KeyHH.EXE was not found in the Windows folder.</source>
        <translation>Die Systemdatei KeyHH.EXE wurde im Windows-Ordner nicht gefunden.</translation>
    </message>
    <message>
        <source>System file HH.EXE was not found in the Windows folder.</source>
        <translation>Die Systemdatei HH.EXE wurde im Windows-Ordner nicht gefunden.</translation>
    </message>
    <message>
        <source>Unknown error returned by HHHelpContext</source>
        <translation>Unbekannter Fehler von HHHelpContext</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Halbmonatlich</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>14-täglich</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Wöchentlich</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation>Der Drucker konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started</source>
        <translation>Der Drucker „%1“ konnte nicht gestartet werden</translation>
    </message>
    <message>
        <source>The printer stopped at page %1</source>
        <translation>Der Drucker hat bei Seite %1 angehalten</translation>
    </message>
    <message>
        <source>The printer could not finish the report</source>
        <translation>Der Drucker konnte den Bericht nicht fertigstellen</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>die PDF-Datei konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF-Dateien (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed. Save it as a PDF file instead?</source>
        <translation>Es ist kein Drucker installiert, daher kann der Bericht nicht gedruckt werden. Stattdessen als PDF-Datei speichern?</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Export</source>
        <comment>window title</comment>
        <translation>Export</translation>
    </message>
    <message>
        <source>Writing</source>
        <comment>verb: Writing row 3 of 10</comment>
        <translation>Schreiben</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>window title</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>verb: Printing row 3 of 10</comment>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 row %2 of %3</source>
        <translation>%1: Zeile %2 von %3</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1: Zeile %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, Seite %2</translation>
    </message>
</context>
<context>
    <name>ReportRender</name>
    <message>
        <source>Page %1</source>
        <translation>Seite %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>quarrant::CashFlowListModel</name>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>Number of Times</source>
        <translation>Anzahl</translation>
    </message>
</context>
<context>
    <name>quarrant::DateEdit</name>
    <message>
        <source>Calendar</source>
        <translation>Kalender</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>Kalender für %1</translation>
    </message>
</context>
<context>
    <name>quarrant::DepreciationTableModel</name>
    <message>
        <source>Year</source>
        <translation>Jahr</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Abschreibung</translation>
    </message>
    <message>
        <source>Total Depreciation</source>
        <translation>Kumuliert</translation>
    </message>
    <message>
        <source>Book Value</source>
        <translation>Buchwert</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpBrowser</name>
    <message>
        <source>Topic not found</source>
        <translation>Thema nicht gefunden</translation>
    </message>
    <message>
        <source>The topic &lt;b&gt;%1&lt;/b&gt; is not in this help file.</source>
        <translation>Das Thema &lt;b&gt;%1&lt;/b&gt; ist nicht in dieser Hilfedatei enthalten.</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpViewerWindow</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Vorwärts</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Startseite</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Inhalt</translation>
    </message>
    <message>
        <source>Cannot open the help file</source>
        <translation>Die Hilfedatei lässt sich nicht öffnen</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be opened. It may be missing or damaged.</source>
        <translation>Die Hilfedatei &lt;b&gt;%1&lt;/b&gt; konnte nicht geöffnet werden. Sie fehlt möglicherweise oder ist beschädigt.</translation>
    </message>
    <message>
        <source>No topic for this request</source>
        <translation>Kein Thema zu dieser Anfrage</translation>
    </message>
    <message>
        <source>This help file has no topic for help context %1. &lt;a href=&quot;%2&quot;&gt;Go to the overview.&lt;/a&gt;</source>
        <translation>Diese Hilfedatei hat kein Thema zum Hilfekontext %1. &lt;a href=&quot;%2&quot;&gt;Zum Überblick.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Thema</translation>
    </message>
</context>
<context>
    <name>quarrant::ReportPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Druckvorschau</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Drucken</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Erste Seite</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Letzte Seite</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Ver&amp;größern</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Ver&amp;kleinern</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Schließen</translation>
    </message>
    <message>
        <source> No pages</source>
        <translation> Keine Seiten</translation>
    </message>
    <message>
        <source> Generating pages...</source>
        <translation> Seiten werden erstellt …</translation>
    </message>
    <message>
        <source> Page %1 of %2%3    Zoom %4%</source>
        <translation> Seite %1 von %2%3    Zoom %4 %</translation>
    </message>
    <message>
        <source> (generating...)</source>
        <translation> (wird erstellt …)</translation>
    </message>
</context>
<context>
    <name>quarrant::ScheduleListModel</name>
    <message>
        <source>Period</source>
        <translation>Per.</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Tilgung kum.</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Zinsen kum.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_Amortization</name>
    <message>
        <source>Amortization Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Anzahl Perioden:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Nominalzins (I%YR):</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Barwert:</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Endwert:</translation>
    </message>
    <message>
        <source>Payment time:</source>
        <translation>Fälligkeit:</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Periodenanfang</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Periodenende</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Berechnen</translation>
    </message>
    <message>
        <source>Payment frequency:</source>
        <translation>Zahlungsweise:</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Datei speichern</translation>
    </message>
    <message>
        <source>Loan options</source>
        <translation>Darlehensoptionen</translation>
    </message>
    <message>
        <source>Selected periods</source>
        <translation>Markierte Perioden</translation>
    </message>
    <message>
        <source>Loan options: %1</source>
        <translation>Darlehensoptionen: %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Periode %1</translation>
    </message>
    <message>
        <source>Periods %1-%2</source>
        <translation>Perioden %1-%2</translation>
    </message>
    <message>
        <source>%1: principal %2, interest %3, payments %4</source>
        <translation>%1: Tilgung %2, Zinsen %3, Zahlungen %4</translation>
    </message>
    <message>
        <source>%1 periods</source>
        <translation>%1 Perioden</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_LoanOptions</name>
    <message>
        <source>Same as payments</source>
        <translation>Wie Zahlungsweise</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Jährlich</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Halbjährlich</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Vierteljährlich</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Monatlich</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Täglich</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Stetig</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exakt</translation>
    </message>
    <message>
        <source>Rounded to cents as a lender does</source>
        <translation>Auf Cent gerundet (wie die Bank)</translation>
    </message>
    <message>
        <source>Loan Options</source>
        <translation>Darlehensoptionen</translation>
    </message>
    <message>
        <source>One-off payments</source>
        <translation>Einmalige Sondertilgungen</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Betrag</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>Pe&amp;riod:</source>
        <translation>Pe&amp;riode:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>Betra&amp;g:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>&amp;Compounding:</source>
        <translation>&amp;Zinsverrechnung:</translation>
    </message>
    <message>
        <source>&amp;Extra each period:</source>
        <translation>&amp;Sondertilgung je Periode:</translation>
    </message>
    <message>
        <source>&amp;from period:</source>
        <translation>&amp;ab Periode:</translation>
    </message>
    <message>
        <source>Amo&amp;unts:</source>
        <translation>Be&amp;träge:</translation>
    </message>
    <message>
        <source>Compounding: %1</source>
        <translation>Zinsverrechnung: %1</translation>
    </message>
    <message>
        <source>Rounded to cents</source>
        <translation>Auf Cent gerundet</translation>
    </message>
    <message>
        <source>Extra %1 each period from period %2</source>
        <translation>Sondertilgung %1 je Periode ab Periode %2</translation>
    </message>
    <message>
        <source>The extra payment each period cannot be negative.</source>
        <translation>Die Sondertilgung je Periode darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>The extra payments must start in a period from 1 to %1.</source>
        <translation>Die Sondertilgungen müssen in einer Periode von 1 bis %1 beginnen.</translation>
    </message>
    <message>
        <source>The one-off payment of period %1 lies after the last period, %2: delete it or change its period.</source>
        <translation>Die Sondertilgung in Periode %1 liegt nach der letzten Periode (%2): Entfernen Sie sie oder ändern Sie ihre Periode.</translation>
    </message>
    <message>
        <source>A one-off payment must fall in a period from 1 to %1.</source>
        <translation>Eine Sondertilgung muss in einer Periode von 1 bis %1 liegen.</translation>
    </message>
    <message>
        <source>A one-off payment must be greater than 0.</source>
        <translation>Eine Sondertilgung muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>One-off payments: %1</source>
        <translation>Einmalige Sondertilgungen: %1</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_ZavuzirEza</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Zeitwert des Geldes</translation>
    </message>
    <message>
        <source>Interest Rate Conversions</source>
        <translation>Zinsumrechnung</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Abschreibung</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Zahlungsreihe</translation>
    </message>
    <message>
        <source>Date Calculator</source>
        <translation>Datumsrechner</translation>
    </message>
    <message>
        <source>Expression Value:</source>
        <translation>Ausdruckswert:</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Dezimalstellen:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Syntax Error!</source>
        <translation>Syntaxfehler!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>Expression Error:%1</source>
        <translation>Fehler im Ausdruck:%1</translation>
    </message>
    <message>
        <source>Can not calculate</source>
        <translation>Nicht berechenbar</translation>
    </message>
    <message>
        <source>Discount Rate(%):</source>
        <translation>Kalkulationszins (%):</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Löschen</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Betrag:</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Anzahl:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Berechnen</translation>
    </message>
    <message>
        <source>Internal Rate of Return (IRR%): </source>
        <translation>Interner Zinsfuß (IRR%): </translation>
    </message>
    <message>
        <source>Net Present Value (NPV) :</source>
        <translation>Kapitalwert (NPV):</translation>
    </message>
    <message>
        <source>Net Future Value (NFV):</source>
        <translation>Vermögensendwert (NFV):</translation>
    </message>
    <message>
        <source>The date lies outside the years 1 to 9999.</source>
        <translation>Das Datum liegt außerhalb der Jahre 1 bis 9999.</translation>
    </message>
    <message>
        <source>One Date</source>
        <translation>Ein Datum</translation>
    </message>
    <message>
        <source>Two Dates</source>
        <translation>Zwei Daten</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Day of year:</source>
        <translation>Tag im Jahr:</translation>
    </message>
    <message>
        <source>Week of year:</source>
        <translation>Kalenderwoche:</translation>
    </message>
    <message>
        <source>Days in month:</source>
        <translation>Tage im Monat:</translation>
    </message>
    <message>
        <source>Leap year:</source>
        <translation>Schaltjahr:</translation>
    </message>
    <message>
        <source>Beginning Date</source>
        <translation>Anfangsdatum</translation>
    </message>
    <message>
        <source>Ending Date</source>
        <translation>Enddatum</translation>
    </message>
    <message>
        <source>Days Between Dates</source>
        <translation>Tage dazwischen</translation>
    </message>
    <message>
        <source>Time between dates</source>
        <translation>Zeitraum</translation>
    </message>
    <message>
        <source>years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Jahre</translation>
    </message>
    <message>
        <source>months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Monate</translation>
    </message>
    <message>
        <source>days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Tage</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Cost basis:</source>
        <translation>Anschaffungskosten:</translation>
    </message>
    <message>
        <source>Salvage value:</source>
        <translation>Restwert:</translation>
    </message>
    <message>
        <source>Expected life:</source>
        <translation>Nutzungsdauer:</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Faktor:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Methode:</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Sum-of-the-year&apos;s digits</source>
        <translation>Digital</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Degressiv</translation>
    </message>
    <message>
        <source>The expected life is too long to list: the table holds at most %1 years.</source>
        <translation>Die Nutzungsdauer ist zu lang für die Liste: Die Tabelle fasst höchstens %1 Jahre.</translation>
    </message>
    <message>
        <source>Nominal Annual Rate</source>
        <translation>Nominaler Jahreszins</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Effective Annual Rate</source>
        <translation>Effektiver Jahreszins</translation>
    </message>
    <message>
        <source>Periodic Interest Rate</source>
        <translation>Periodenzins</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Zahlungsweise</translation>
    </message>
    <message>
        <source>Number of Periods(N):</source>
        <translation>Anzahl Perioden (N):</translation>
    </message>
    <message>
        <source>Annual Interest(I%YR):</source>
        <translation>Nominalzins (I%YR):</translation>
    </message>
    <message>
        <source>Present Value(PV):</source>
        <translation>Barwert (PV):</translation>
    </message>
    <message>
        <source>Payment(PMT):</source>
        <translation>Zahlung (PMT):</translation>
    </message>
    <message>
        <source>Future Value(FV):</source>
        <translation>Endwert (FV):</translation>
    </message>
    <message>
        <source>Payment time</source>
        <translation>Fälligkeit</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Periodenanfang</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Periodenende</translation>
    </message>
    <message>
        <source>&amp;Amortization</source>
        <translation>&amp;Tilgungsplan</translation>
    </message>
    <message>
        <source>Arguments Error!</source>
        <translation>Ungültige Argumente!</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_report</name>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation>Tilgungsplan</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Anzahl Perioden:</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Barwert:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Nominalzins (I%YR):</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Endwert:</translation>
    </message>
    <message>
        <source>Payment Frequency:</source>
        <translation>Zahlungsweise:</translation>
    </message>
    <message>
        <source>Payment Time:</source>
        <translation>Fälligkeit:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Periode</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Tilgung</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Zinsen</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Tilgung kum.</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Zinsen kum.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restschuld</translation>
    </message>
    <message>
        <source>Loan Options:</source>
        <translation>Optionen:</translation>
    </message>
</context>
<context>
    <name>quarrant::ValueField</name>
    <message>
        <source>Can enter expression(Such as: 2*12)</source>
        <translation>Ausdruck möglich (z. B. 2*12)</translation>
    </message>
</context>
</TS>
