<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Floating point division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of periods out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CalendarDateOf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DateInLeapYear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DateValueOf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DayNumberInYear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DaysBetween</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FutureValue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InterestPayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InterestRate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>InternalRateOfReturn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>IsoWeekDay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MonthLength</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetFutureValue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NetPresentValue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NumberOfPeriods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PaymentParts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PeriodPayment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PresentValue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SLNDepreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WeekNumberInYear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syntax   error   in   expression   at   position   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mismatched   parentheses   at   position   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected   end   of   expression   at   position   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression   nested   too   deeply   at   position   %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many periods: the schedule lists at most %1 periods</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Comma Separate Values (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML File (*.htm)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HelpMessages</name>
    <message>
        <source>Function ShellExecute(%s)<byte value="xd"/>Returned: %s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MS Html Help is not installed on this PC.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System file KeyHH.EXE was not found in the Windows folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System file HH.EXE was not found in the Windows folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error returned by HHHelpContext</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annually</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer stopped at page %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The printer could not finish the report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed. Save it as a PDF file instead?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Export</source>
        <comment>window title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Writing</source>
        <comment>verb: Writing row 3 of 10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>window title</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>verb: Printing row 3 of 10</comment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 row %2 of %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::CashFlowListModel</name>
    <message>
        <source>Group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Times</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::DateEdit</name>
    <message>
        <source>Calendar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::DepreciationTableModel</name>
    <message>
        <source>Year</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Book Value</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::HelpBrowser</name>
    <message>
        <source>Topic not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The topic &lt;b&gt;%1&lt;/b&gt; is not in this help file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::HelpViewerWindow</name>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Forward</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the help file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be opened. It may be missing or damaged.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No topic for this request</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This help file has no topic for help context %1. &lt;a href=&quot;%2&quot;&gt;Go to the overview.&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Topic</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::ReportPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>First</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prior</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> No pages</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Generating pages...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Page %1 of %2%3    Zoom %4%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (generating...)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::ScheduleListModel</name>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_Amortization</name>
    <message>
        <source>Amortization Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_ZavuzirEza</name>
    <message>
        <source>Time Value of Money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest Rate Conversions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date Calculator</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>General</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Syntax Error!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expression Error:%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Discount Rate(%):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Insert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Internal Rate of Return (IRR%): </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Present Value (NPV) :</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Net Future Value (NFV):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The date lies outside the years 1 to 9999.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Two Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day of year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Week of year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days in month:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leap year:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginning Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ending Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days Between Dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time between dates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Years</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Months</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cost basis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Salvage value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Expected life:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Method:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sum-of-the-year&apos;s digits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The expected life is too long to list: the table holds at most %1 years.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nominal Annual Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Effective Annual Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Periodic Interest Rate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Periods(N):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual Interest(I%YR):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present Value(PV):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment(PMT):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Value(FV):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End of period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Amortization</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments Error!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_report</name>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Frequency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Payment Time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Period</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Balance</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>quarrant::ValueField</name>
    <message>
        <source>Can enter expression(Such as: 2*12)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
