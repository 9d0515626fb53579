<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire le fichier «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Division par zéro</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Opération en virgule flottante non valide</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Dépassement de capacité en virgule flottante</translation>
    </message>
    <message>
        <source>Number of periods out of range</source>
        <translation>Nombre de périodes hors limites</translation>
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
        <translation>Erreur de syntaxe dans l&apos;expression à la position %1</translation>
    </message>
    <message>
        <source>Mismatched   parentheses   at   position   %1</source>
        <translation>Parenthèses non appariées à la position %1</translation>
    </message>
    <message>
        <source>Unexpected   end   of   expression   at   position   %1</source>
        <translation>Fin inattendue de l&apos;expression à la position %1</translation>
    </message>
    <message>
        <source>Expression   nested   too   deeply   at   position   %1</source>
        <translation>Expression trop imbriquée à la position %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre valide</translation>
    </message>
    <message>
        <source>Too many periods: the schedule lists at most %1 periods</source>
        <translation>Trop de périodes&#xa0;: le tableau comporte au plus %1 périodes</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erreur inconnue</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Fichiers texte (*.txt)</translation>
    </message>
    <message>
        <source>Comma Separate Values (*.csv)</source>
        <translation>Valeurs séparées par des virgules (*.csv)</translation>
    </message>
    <message>
        <source>HTML File (*.htm)</source>
        <translation>Fichier HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>HelpMessages</name>
    <message>
        <source>Function ShellExecute(%s)<byte value="xd"/>Returned: %s</source>
        <translation>Fonction ShellExecute(%s)<byte value="xd"/>Résultat&#xa0;: %s</translation>
    </message>
    <message>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS HTML Help n&apos;est pas installé sur ce PC.</translation>
    </message>
    <message>
        <source>System file KeyHH.EXE was not found in the Windows folder.</source>
        <translation>Le fichier système KeyHH.EXE est introuvable dans le dossier Windows.</translation>
    </message>
    <message>
        <source>System file HH.EXE was not found in the Windows folder.</source>
        <translation>Le fichier système HH.EXE est introuvable dans le dossier Windows.</translation>
    </message>
    <message>
        <source>Unknown error returned by HHHelpContext</source>
        <translation>Erreur inconnue renvoyée par HHHelpContext</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestriel</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Semestriel</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Annuel</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Bimensuel</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Par quinzaine</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Hebdomadaire</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidien</translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation>L&apos;imprimante n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started</source>
        <translation>L&apos;imprimante «&#xa0;%1&#xa0;» n&apos;a pas pu être démarrée</translation>
    </message>
    <message>
        <source>The printer stopped at page %1</source>
        <translation>L&apos;imprimante s&apos;est arrêtée à la page %1</translation>
    </message>
    <message>
        <source>The printer could not finish the report</source>
        <translation>L&apos;imprimante n&apos;a pas pu terminer le rapport</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>le PDF n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Fichiers PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed. Save it as a PDF file instead?</source>
        <translation>Aucune imprimante n&apos;est installée, le rapport ne peut donc pas être imprimé. L&apos;enregistrer plutôt en fichier PDF&#xa0;?</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Export</source>
        <comment>window title</comment>
        <translation>Exportation</translation>
    </message>
    <message>
        <source>Writing</source>
        <comment>verb: Writing row 3 of 10</comment>
        <translation>Écriture</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>window title</comment>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>verb: Printing row 3 of 10</comment>
        <translation>Impression</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>%1 row %2 of %3</source>
        <translation>%1&#xa0;: ligne %2 sur %3</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1&#xa0;: ligne %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, page %2</translation>
    </message>
</context>
<context>
    <name>ReportRender</name>
    <message>
        <source>Page %1</source>
        <translation>Page %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
</context>
<context>
    <name>quarrant::CashFlowListModel</name>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>Number of Times</source>
        <translation>Nombre de fois</translation>
    </message>
</context>
<context>
    <name>quarrant::DateEdit</name>
    <message>
        <source>Calendar</source>
        <translation>Calendrier</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>Calendrier (%1)</translation>
    </message>
</context>
<context>
    <name>quarrant::DepreciationTableModel</name>
    <message>
        <source>Year</source>
        <translation>Année</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Dotation</translation>
    </message>
    <message>
        <source>Total Depreciation</source>
        <translation>Amort. cumulés</translation>
    </message>
    <message>
        <source>Book Value</source>
        <translation>Valeur nette</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpBrowser</name>
    <message>
        <source>Topic not found</source>
        <translation>Rubrique introuvable</translation>
    </message>
    <message>
        <source>The topic &lt;b&gt;%1&lt;/b&gt; is not in this help file.</source>
        <translation>La rubrique &lt;b&gt;%1&lt;/b&gt; ne figure pas dans ce fichier d&apos;aide.</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpViewerWindow</name>
    <message>
        <source>Back</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Accueil</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Sommaire</translation>
    </message>
    <message>
        <source>Cannot open the help file</source>
        <translation>Impossible d&apos;ouvrir le fichier d&apos;aide</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be opened. It may be missing or damaged.</source>
        <translation>Le fichier d&apos;aide &lt;b&gt;%1&lt;/b&gt; n&apos;a pas pu être ouvert. Il est peut-être absent ou endommagé.</translation>
    </message>
    <message>
        <source>No topic for this request</source>
        <translation>Aucune rubrique pour cette demande</translation>
    </message>
    <message>
        <source>This help file has no topic for help context %1. &lt;a href=&quot;%2&quot;&gt;Go to the overview.&lt;/a&gt;</source>
        <translation>Ce fichier d&apos;aide n&apos;a pas de rubrique pour le contexte d&apos;aide %1. &lt;a href=&quot;%2&quot;&gt;Aller à la présentation.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Rubrique</translation>
    </message>
</context>
<context>
    <name>quarrant::ReportPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Aperçu avant impression</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimer</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Enregistrer en PDF</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Première page</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Dernière page</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;avant</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>Zoom a&amp;rrière</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source> No pages</source>
        <translation> Aucune page</translation>
    </message>
    <message>
        <source> Generating pages...</source>
        <translation> Création des pages…</translation>
    </message>
    <message>
        <source> Page %1 of %2%3    Zoom %4%</source>
        <translation> Page %1 sur %2%3    Zoom %4&#xa0;%</translation>
    </message>
    <message>
        <source> (generating...)</source>
        <translation> (en cours de création…)</translation>
    </message>
</context>
<context>
    <name>quarrant::ScheduleListModel</name>
    <message>
        <source>Period</source>
        <translation>Pér.</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Amortissement</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Amort. cum.</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Intérêts cum.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restant dû</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_Amortization</name>
    <message>
        <source>Amortization Schedule</source>
        <translation>Tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fermer</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Nb de périodes&#xa0;:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Taux nominal (I%YR)&#xa0;:</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Valeur actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Val. acquise&#xa0;:</translation>
    </message>
    <message>
        <source>Payment time:</source>
        <translation>Échéance&#xa0;:</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Début de période</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Fin de période</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calculer</translation>
    </message>
    <message>
        <source>Payment frequency:</source>
        <translation>Périodicité&#xa0;:</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Enregistrer le fichier</translation>
    </message>
    <message>
        <source>Loan options</source>
        <translation>Options du prêt</translation>
    </message>
    <message>
        <source>Selected periods</source>
        <translation>Périodes sélectionnées</translation>
    </message>
    <message>
        <source>Loan options: %1</source>
        <translation>Options du prêt&#xa0;: %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Période %1</translation>
    </message>
    <message>
        <source>Periods %1-%2</source>
        <translation>Périodes %1-%2</translation>
    </message>
    <message>
        <source>%1: principal %2, interest %3, payments %4</source>
        <translation>%1&#xa0;: amortissement %2, intérêts %3, versements %4</translation>
    </message>
    <message>
        <source>%1 periods</source>
        <translation>%1 périodes</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_LoanOptions</name>
    <message>
        <source>Same as payments</source>
        <translation>Comme les versements</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Annuel</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Semestriel</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestriel</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensuel</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Quotidien</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exact</translation>
    </message>
    <message>
        <source>Rounded to cents as a lender does</source>
        <translation>Arrondi au centime comme le prêteur</translation>
    </message>
    <message>
        <source>Loan Options</source>
        <translation>Options du prêt</translation>
    </message>
    <message>
        <source>One-off payments</source>
        <translation>Remboursements ponctuels</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Montant</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
    <message>
        <source>Pe&amp;riod:</source>
        <translation>Pé&amp;riode&#xa0;:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Montant&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>&amp;Compounding:</source>
        <translation>&amp;Capitalisation&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Extra each period:</source>
        <translation>Suppléme&amp;nt par période&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;from period:</source>
        <translation>à partir de la péri&amp;ode&#xa0;:</translation>
    </message>
    <message>
        <source>Amo&amp;unts:</source>
        <translation>Montan&amp;ts&#xa0;:</translation>
    </message>
    <message>
        <source>Compounding: %1</source>
        <translation>Capitalisation&#xa0;: %1</translation>
    </message>
    <message>
        <source>Rounded to cents</source>
        <translation>Arrondi au centime</translation>
    </message>
    <message>
        <source>Extra %1 each period from period %2</source>
        <translation>Supplément de %1 par période à partir de la période %2</translation>
    </message>
    <message>
        <source>The extra payment each period cannot be negative.</source>
        <translation>Le supplément par période ne peut pas être négatif.</translation>
    </message>
    <message>
        <source>The extra payments must start in a period from 1 to %1.</source>
        <translation>Les suppléments doivent commencer à une période de 1 à %1.</translation>
    </message>
    <message>
        <source>The one-off payment of period %1 lies after the last period, %2: delete it or change its period.</source>
        <translation>Le remboursement ponctuel de la période %1 se situe après la dernière période (%2)&#xa0;: supprimez-le ou changez sa période.</translation>
    </message>
    <message>
        <source>A one-off payment must fall in a period from 1 to %1.</source>
        <translation>Un remboursement ponctuel doit se situer dans une période de 1 à %1.</translation>
    </message>
    <message>
        <source>A one-off payment must be greater than 0.</source>
        <translation>Un remboursement ponctuel doit être supérieur à 0.</translation>
    </message>
    <message>
        <source>One-off payments: %1</source>
        <translation>Remboursements ponctuels&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_ZavuzirEza</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Valeur temps</translation>
    </message>
    <message>
        <source>Interest Rate Conversions</source>
        <translation>Conversion de taux</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Amortissements</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flux de trésorerie</translation>
    </message>
    <message>
        <source>Date Calculator</source>
        <translation>Calcul de dates</translation>
    </message>
    <message>
        <source>Expression Value:</source>
        <translation>Valeur saisie&#xa0;:</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Décimales&#xa0;:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Syntax Error!</source>
        <translation>Erreur de syntaxe&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>Expression Error:%1</source>
        <translation>Erreur d&apos;expression&#xa0;:%1</translation>
    </message>
    <message>
        <source>Can not calculate</source>
        <translation>Calcul impossible</translation>
    </message>
    <message>
        <source>Discount Rate(%):</source>
        <translation>Actualisation (%)&#xa0;:</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insérer</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Remplacer</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>Effa&amp;cer</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Montant&#xa0;:</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Fois&#xa0;:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>Internal Rate of Return (IRR%): </source>
        <translation>Taux de rendement interne&#xa0;: </translation>
    </message>
    <message>
        <source>Net Present Value (NPV) :</source>
        <translation>Valeur actuelle nette (VAN)&#xa0;:</translation>
    </message>
    <message>
        <source>Net Future Value (NFV):</source>
        <translation>Valeur acquise nette&#xa0;:</translation>
    </message>
    <message>
        <source>The date lies outside the years 1 to 9999.</source>
        <translation>La date est en dehors des années 1 à 9999.</translation>
    </message>
    <message>
        <source>One Date</source>
        <translation>Une date</translation>
    </message>
    <message>
        <source>Two Dates</source>
        <translation>Deux dates</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Day of year:</source>
        <translation>Jour de l&apos;année&#xa0;:</translation>
    </message>
    <message>
        <source>Week of year:</source>
        <translation>Semaine&#xa0;:</translation>
    </message>
    <message>
        <source>Days in month:</source>
        <translation>Jours du mois&#xa0;:</translation>
    </message>
    <message>
        <source>Leap year:</source>
        <translation>Année bissextile&#xa0;:</translation>
    </message>
    <message>
        <source>Beginning Date</source>
        <translation>Date de début</translation>
    </message>
    <message>
        <source>Ending Date</source>
        <translation>Date de fin</translation>
    </message>
    <message>
        <source>Days Between Dates</source>
        <translation>Nombre de jours</translation>
    </message>
    <message>
        <source>Time between dates</source>
        <translation>Durée entre les dates</translation>
    </message>
    <message>
        <source>years</source>
        <translation>années</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Années</translation>
    </message>
    <message>
        <source>months</source>
        <translation>mois</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Mois</translation>
    </message>
    <message>
        <source>days</source>
        <translation>jours</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Jours</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Oui</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Cost basis:</source>
        <translation>Valeur d&apos;origine&#xa0;:</translation>
    </message>
    <message>
        <source>Salvage value:</source>
        <translation>Valeur résiduelle&#xa0;:</translation>
    </message>
    <message>
        <source>Expected life:</source>
        <translation>Durée d&apos;utilisation&#xa0;:</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Coefficient&#xa0;:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Méthode&#xa0;:</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Sum-of-the-year&apos;s digits</source>
        <translation>Somme des années</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Dégressif</translation>
    </message>
    <message>
        <source>The expected life is too long to list: the table holds at most %1 years.</source>
        <translation>La durée d&apos;utilisation est trop longue pour la liste&#xa0;: le tableau contient au plus %1 années.</translation>
    </message>
    <message>
        <source>Nominal Annual Rate</source>
        <translation>Taux annuel nominal</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Effective Annual Rate</source>
        <translation>Taux annuel effectif</translation>
    </message>
    <message>
        <source>Periodic Interest Rate</source>
        <translation>Taux périodique</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Périodicité</translation>
    </message>
    <message>
        <source>Number of Periods(N):</source>
        <translation>Nb de périodes (N)&#xa0;:</translation>
    </message>
    <message>
        <source>Annual Interest(I%YR):</source>
        <translation>Taux nominal (I%YR)&#xa0;:</translation>
    </message>
    <message>
        <source>Present Value(PV):</source>
        <translation>Valeur actuelle (PV)&#xa0;:</translation>
    </message>
    <message>
        <source>Payment(PMT):</source>
        <translation>Versement (PMT)&#xa0;:</translation>
    </message>
    <message>
        <source>Future Value(FV):</source>
        <translation>Valeur acquise (FV)&#xa0;:</translation>
    </message>
    <message>
        <source>Payment time</source>
        <translation>Échéance</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Début de période</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Fin de période</translation>
    </message>
    <message>
        <source>&amp;Amortization</source>
        <translation>&amp;Tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Arguments Error!</source>
        <translation>Arguments invalides&#xa0;!</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_report</name>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation>Tableau d&apos;amortissement</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Nb de périodes&#xa0;:</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Valeur actuelle&#xa0;:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Taux nominal (I%YR)&#xa0;:</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Val. acquise&#xa0;:</translation>
    </message>
    <message>
        <source>Payment Frequency:</source>
        <translation>Périodicité&#xa0;:</translation>
    </message>
    <message>
        <source>Payment Time:</source>
        <translation>Échéance&#xa0;:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Période</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Amortissement</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intérêts</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Amort. cum.</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Intérêts cum.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Restant dû</translation>
    </message>
    <message>
        <source>Loan Options:</source>
        <translation>Options du prêt&#xa0;:</translation>
    </message>
</context>
<context>
    <name>quarrant::ValueField</name>
    <message>
        <source>Can enter expression(Such as: 2*12)</source>
        <translation>Expression possible (par ex. 2*12)</translation>
    </message>
</context>
</TS>
