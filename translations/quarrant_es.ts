<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>No se puede escribir el archivo &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>División de coma flotante por cero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operación de coma flotante no válida</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Desbordamiento de coma flotante</translation>
    </message>
    <message>
        <source>Number of periods out of range</source>
        <translation>Número de períodos fuera de rango</translation>
    </message>
    <message>
        <source>CalendarDateOf</source>
        <translation>Fecha de calendario</translation>
    </message>
    <message>
        <source>DateInLeapYear</source>
        <translation>Año bisiesto</translation>
    </message>
    <message>
        <source>DateValueOf</source>
        <translation>Valor de la fecha</translation>
    </message>
    <message>
        <source>DayNumberInYear</source>
        <translation>Día del año</translation>
    </message>
    <message>
        <source>DaysBetween</source>
        <translation>Días entre fechas</translation>
    </message>
    <message>
        <source>FutureValue</source>
        <translation>Valor final</translation>
    </message>
    <message>
        <source>InterestPayment</source>
        <translation>Intereses del período</translation>
    </message>
    <message>
        <source>InterestRate</source>
        <translation>Tipo de interés</translation>
    </message>
    <message>
        <source>InternalRateOfReturn</source>
        <translation>Tasa interna de retorno</translation>
    </message>
    <message>
        <source>IsoWeekDay</source>
        <translation>Día de la semana ISO</translation>
    </message>
    <message>
        <source>MonthLength</source>
        <translation>Días del mes</translation>
    </message>
    <message>
        <source>NetFutureValue</source>
        <translation>Valor final neto</translation>
    </message>
    <message>
        <source>NetPresentValue</source>
        <translation>Valor actual neto</translation>
    </message>
    <message>
        <source>NumberOfPeriods</source>
        <translation>Número de períodos</translation>
    </message>
    <message>
        <source>Payment</source>
        <translation>Pago</translation>
    </message>
    <message>
        <source>PaymentParts</source>
        <translation>Desglose del pago</translation>
    </message>
    <message>
        <source>PeriodPayment</source>
        <translation>Pago del período</translation>
    </message>
    <message>
        <source>PresentValue</source>
        <translation>Valor actual</translation>
    </message>
    <message>
        <source>SLNDepreciation</source>
        <translation>Depreciación lineal</translation>
    </message>
    <message>
        <source>WeekNumberInYear</source>
        <translation>Semana del año</translation>
    </message>
    <message>
        <source>Syntax   error   in   expression   at   position   %1</source>
        <translation>Error   de   sintaxis   en   la   expresión   en   la   posición   %1</translation>
    </message>
    <message>
        <source>Mismatched   parentheses   at   position   %1</source>
        <translation>Paréntesis   desparejados   en   la   posición   %1</translation>
    </message>
    <message>
        <source>Unexpected   end   of   expression   at   position   %1</source>
        <translation>Fin   inesperado   de   la   expresión   en   la   posición   %1</translation>
    </message>
    <message>
        <source>Expression   nested   too   deeply   at   position   %1</source>
        <translation>Expresión   anidada   en   exceso   en   la   posición   %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; no es un valor de coma flotante válido</translation>
    </message>
    <message>
        <source>Too many periods: the schedule lists at most %1 periods</source>
        <translation>Demasiados períodos: el cuadro admite como máximo %1 períodos</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Error desconocido</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Archivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Comma Separate Values (*.csv)</source>
        <translation>Valores separados por comas (*.csv)</translation>
    </message>
    <message>
        <source>HTML File (*.htm)</source>
        <translation>Archivo HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>HelpMessages</name>
    <message>
        <source>Function ShellExecute(%s)<byte value="xd"/>Returned: %s</source>
        <translation>Función ShellExecute(%s)<byte value="xd"/>Devolvió: %s</translation>
    </message>
    <message>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS Html Help no está instalado en este equipo.</translation>
    </message>
    <message>
        <source>System file KeyHH.EXE was not found in the Windows folder.</source>
        <translation>No se ha encontrado el archivo de sistema KeyHH.EXE en la carpeta de Windows.</translation>
    </message>
    <message>
        <source>System file HH.EXE was not found in the Windows folder.</source>
        <translation>No se ha encontrado el archivo de sistema HH.EXE en la carpeta de Windows.</translation>
    </message>
    <message>
        <source>Unknown error returned by HHHelpContext</source>
        <translation>Error desconocido devuelto por HHHelpContext</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>Quincenal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Cada 14 días</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation>No se ha podido iniciar la impresora</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started</source>
        <translation>No se ha podido iniciar la impresora &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The printer stopped at page %1</source>
        <translation>La impresora se detuvo en la página %1</translation>
    </message>
    <message>
        <source>The printer could not finish the report</source>
        <translation>La impresora no ha podido terminar el informe</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>no se ha podido escribir el PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Archivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed. Save it as a PDF file instead?</source>
        <translation>No hay ninguna impresora instalada, así que el informe no se puede imprimir. ¿Desea guardarlo como archivo PDF?</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Export</source>
        <comment>window title</comment>
        <translation>Exportación</translation>
    </message>
    <message>
        <source>Writing</source>
        <comment>verb: Writing row 3 of 10</comment>
        <translation>Escribiendo</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>window title</comment>
        <translation>Impresión</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>verb: Printing row 3 of 10</comment>
        <translation>Imprimiendo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 row %2 of %3</source>
        <translation>%1 fila %2 de %3</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 fila %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, página %2</translation>
    </message>
</context>
<context>
    <name>ReportRender</name>
    <message>
        <source>Page %1</source>
        <translation>Página %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
</context>
<context>
    <name>quarrant::CashFlowListModel</name>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>Number of Times</source>
        <translation>Nº de veces</translation>
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
        <translation>Año</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Depreciación</translation>
    </message>
    <message>
        <source>Total Depreciation</source>
        <translation>Deprec. acumulada</translation>
    </message>
    <message>
        <source>Book Value</source>
        <translation>Valor contable</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpBrowser</name>
    <message>
        <source>Topic not found</source>
        <translation>Tema no encontrado</translation>
    </message>
    <message>
        <source>The topic &lt;b&gt;%1&lt;/b&gt; is not in this help file.</source>
        <translation>El tema &lt;b&gt;%1&lt;/b&gt; no está en este archivo de ayuda.</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpViewerWindow</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Adelante</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Contenido</translation>
    </message>
    <message>
        <source>Cannot open the help file</source>
        <translation>No se puede abrir el archivo de ayuda</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be opened. It may be missing or damaged.</source>
        <translation>No se ha podido abrir el archivo de ayuda &lt;b&gt;%1&lt;/b&gt;. Puede que falte o que esté dañado.</translation>
    </message>
    <message>
        <source>No topic for this request</source>
        <translation>Ningún tema para esta petición</translation>
    </message>
    <message>
        <source>This help file has no topic for help context %1. &lt;a href=&quot;%2&quot;&gt;Go to the overview.&lt;/a&gt;</source>
        <translation>Este archivo de ayuda no tiene ningún tema para el contexto de ayuda %1. &lt;a href=&quot;%2&quot;&gt;Ir a la presentación.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Tema</translation>
    </message>
</context>
<context>
    <name>quarrant::ReportPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Vista previa de impresión</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primera</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>A&amp;mpliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reducir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Cerrar</translation>
    </message>
    <message>
        <source> No pages</source>
        <translation> Sin páginas</translation>
    </message>
    <message>
        <source> Generating pages...</source>
        <translation> Generando páginas...</translation>
    </message>
    <message>
        <source> Page %1 of %2%3    Zoom %4%</source>
        <translation> Página %1 de %2%3    Zoom %4%</translation>
    </message>
    <message>
        <source> (generating...)</source>
        <translation> (generando...)</translation>
    </message>
</context>
<context>
    <name>quarrant::ScheduleListModel</name>
    <message>
        <source>Period</source>
        <translation>Plazo</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Amortización</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Total amort.</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Total intereses</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Pendiente</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_Amortization</name>
    <message>
        <source>Amortization Schedule</source>
        <translation>Cuadro de amortización</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Guardar como</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vista previa</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>Ce&amp;rrar</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Nº de períodos:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Interés anual (I%AÑO):</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Valor actual:</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Valor final:</translation>
    </message>
    <message>
        <source>Payment time:</source>
        <translation>Vencimiento:</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Inicio del período</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Final del período</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Payment frequency:</source>
        <translation>Frecuencia de pago:</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Guardar archivo</translation>
    </message>
    <message>
        <source>Loan options</source>
        <translation>Opciones del préstamo</translation>
    </message>
    <message>
        <source>Selected periods</source>
        <translation>Períodos seleccionados</translation>
    </message>
    <message>
        <source>Loan options: %1</source>
        <translation>Opciones del préstamo: %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Período %1</translation>
    </message>
    <message>
        <source>Periods %1-%2</source>
        <translation>Períodos %1-%2</translation>
    </message>
    <message>
        <source>%1: principal %2, interest %3, payments %4</source>
        <translation>%1: amortización %2, intereses %3, pagos %4</translation>
    </message>
    <message>
        <source>%1 periods</source>
        <translation>%1 períodos</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_LoanOptions</name>
    <message>
        <source>Same as payments</source>
        <translation>Igual que los pagos</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Anual</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Semestral</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Trimestral</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Mensual</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diaria</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exacto</translation>
    </message>
    <message>
        <source>Rounded to cents as a lender does</source>
        <translation>Redondeo a céntimos, como el banco</translation>
    </message>
    <message>
        <source>Loan Options</source>
        <translation>Opciones del préstamo</translation>
    </message>
    <message>
        <source>One-off payments</source>
        <translation>Pagos puntuales</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Importe</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
    <message>
        <source>Pe&amp;riod:</source>
        <translation>Pe&amp;ríodo:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Importe:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Compounding:</source>
        <translation>&amp;Capitalización:</translation>
    </message>
    <message>
        <source>&amp;Extra each period:</source>
        <translation>E&amp;xtra por período:</translation>
    </message>
    <message>
        <source>&amp;from period:</source>
        <translation>&amp;desde el período:</translation>
    </message>
    <message>
        <source>Amo&amp;unts:</source>
        <translation>Imp&amp;ortes:</translation>
    </message>
    <message>
        <source>Compounding: %1</source>
        <translation>Capitalización: %1</translation>
    </message>
    <message>
        <source>Rounded to cents</source>
        <translation>Redondeo a céntimos</translation>
    </message>
    <message>
        <source>Extra %1 each period from period %2</source>
        <translation>Extra de %1 por período desde el período %2</translation>
    </message>
    <message>
        <source>The extra payment each period cannot be negative.</source>
        <translation>El pago extra por período no puede ser negativo.</translation>
    </message>
    <message>
        <source>The extra payments must start in a period from 1 to %1.</source>
        <translation>Los pagos extra deben empezar en un período de 1 a %1.</translation>
    </message>
    <message>
        <source>The one-off payment of period %1 lies after the last period, %2: delete it or change its period.</source>
        <translation>El pago puntual del período %1 queda después del último período, %2: elimínelo o cambie su período.</translation>
    </message>
    <message>
        <source>A one-off payment must fall in a period from 1 to %1.</source>
        <translation>Un pago puntual debe caer en un período de 1 a %1.</translation>
    </message>
    <message>
        <source>A one-off payment must be greater than 0.</source>
        <translation>Un pago puntual debe ser mayor que 0.</translation>
    </message>
    <message>
        <source>One-off payments: %1</source>
        <translation>Pagos puntuales: %1</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_ZavuzirEza</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Valor temporal del dinero</translation>
    </message>
    <message>
        <source>Interest Rate Conversions</source>
        <translation>Conversión de tipos</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Depreciación</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Flujo de caja</translation>
    </message>
    <message>
        <source>Date Calculator</source>
        <translation>Calculadora de fechas</translation>
    </message>
    <message>
        <source>Expression Value:</source>
        <translation>Valor expresión:</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Decimales:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>General</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Syntax Error!</source>
        <translation>¡Error de sintaxis!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Expression Error:%1</source>
        <translation>Error en la expresión:%1</translation>
    </message>
    <message>
        <source>Can not calculate</source>
        <translation>No se puede calcular</translation>
    </message>
    <message>
        <source>Discount Rate(%):</source>
        <translation>Tasa de descuento(%):</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insertar</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Reemplazar</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Borrar</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Importe:</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Veces:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Internal Rate of Return (IRR%): </source>
        <translation>Tasa interna de retorno (TIR%): </translation>
    </message>
    <message>
        <source>Net Present Value (NPV) :</source>
        <translation>Valor actual neto (VAN) :</translation>
    </message>
    <message>
        <source>Net Future Value (NFV):</source>
        <translation>Valor final neto (VFN):</translation>
    </message>
    <message>
        <source>The date lies outside the years 1 to 9999.</source>
        <translation>La fecha está fuera de los años 1 a 9999.</translation>
    </message>
    <message>
        <source>One Date</source>
        <translation>Una fecha</translation>
    </message>
    <message>
        <source>Two Dates</source>
        <translation>Dos fechas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Day of year:</source>
        <translation>Día del año:</translation>
    </message>
    <message>
        <source>Week of year:</source>
        <translation>Semana del año:</translation>
    </message>
    <message>
        <source>Days in month:</source>
        <translation>Días del mes:</translation>
    </message>
    <message>
        <source>Leap year:</source>
        <translation>Año bisiesto:</translation>
    </message>
    <message>
        <source>Beginning Date</source>
        <translation>Fecha inicial</translation>
    </message>
    <message>
        <source>Ending Date</source>
        <translation>Fecha final</translation>
    </message>
    <message>
        <source>Days Between Dates</source>
        <translation>Días entre fechas</translation>
    </message>
    <message>
        <source>Time between dates</source>
        <translation>Tiempo entre fechas</translation>
    </message>
    <message>
        <source>years</source>
        <translation>años</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Años</translation>
    </message>
    <message>
        <source>months</source>
        <translation>meses</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Meses</translation>
    </message>
    <message>
        <source>days</source>
        <translation>días</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Días</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Cost basis:</source>
        <translation>Coste:</translation>
    </message>
    <message>
        <source>Salvage value:</source>
        <translation>Valor residual:</translation>
    </message>
    <message>
        <source>Expected life:</source>
        <translation>Vida útil:</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Factor:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Método:</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Sum-of-the-year&apos;s digits</source>
        <translation>Suma de dígitos</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Saldo decreciente</translation>
    </message>
    <message>
        <source>The expected life is too long to list: the table holds at most %1 years.</source>
        <translation>La vida útil es demasiado larga para detallarla: la tabla admite como máximo %1 años.</translation>
    </message>
    <message>
        <source>Nominal Annual Rate</source>
        <translation>Tipo nominal anual</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Effective Annual Rate</source>
        <translation>Tipo efectivo anual</translation>
    </message>
    <message>
        <source>Periodic Interest Rate</source>
        <translation>Tipo periódico</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Frecuencia de pago</translation>
    </message>
    <message>
        <source>Number of Periods(N):</source>
        <translation>Nº de períodos(N):</translation>
    </message>
    <message>
        <source>Annual Interest(I%YR):</source>
        <translation>Interés anual(I%AÑO):</translation>
    </message>
    <message>
        <source>Present Value(PV):</source>
        <translation>Valor actual(VA):</translation>
    </message>
    <message>
        <source>Payment(PMT):</source>
        <translation>Pago(PAGO):</translation>
    </message>
    <message>
        <source>Future Value(FV):</source>
        <translation>Valor final(VF):</translation>
    </message>
    <message>
        <source>Payment time</source>
        <translation>Vencimiento del pago</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Inicio del período</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Final del período</translation>
    </message>
    <message>
        <source>&amp;Amortization</source>
        <translation>&amp;Amortización</translation>
    </message>
    <message>
        <source>Arguments Error!</source>
        <translation>¡Error en los argumentos!</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_report</name>
    <message>
        <source>Report</source>
        <translation>Informe</translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation>Cuadro de amortización</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Nº de períodos:</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Valor actual:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Interés anual (I%AÑO):</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Valor final:</translation>
    </message>
    <message>
        <source>Payment Frequency:</source>
        <translation>Frecuencia de pago:</translation>
    </message>
    <message>
        <source>Payment Time:</source>
        <translation>Vencimiento:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Plazo</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Amortización</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Intereses</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Total amort.</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Total intereses</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Pendiente</translation>
    </message>
    <message>
        <source>Loan Options:</source>
        <translation>Opciones:</translation>
    </message>
</context>
<context>
    <name>quarrant::ValueField</name>
    <message>
        <source>Can enter expression(Such as: 2*12)</source>
        <translation>Admite expresiones (p. ej.: 2*12)</translation>
    </message>
</context>
</TS>
