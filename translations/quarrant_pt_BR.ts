<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>Não foi possível gravar o arquivo &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Divisão de ponto flutuante por zero</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Operação de ponto flutuante inválida</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Estouro de ponto flutuante</translation>
    </message>
    <message>
        <source>Number of periods out of range</source>
        <translation>Número de períodos fora do intervalo</translation>
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
        <translation>Erro   de   sintaxe   na   expressão   na   posição   %1</translation>
    </message>
    <message>
        <source>Mismatched   parentheses   at   position   %1</source>
        <translation>Parênteses   não   correspondentes   na   posição   %1</translation>
    </message>
    <message>
        <source>Unexpected   end   of   expression   at   position   %1</source>
        <translation>Fim   inesperado   da   expressão   na   posição   %1</translation>
    </message>
    <message>
        <source>Expression   nested   too   deeply   at   position   %1</source>
        <translation>Expressão   aninhada   em   excesso   na   posição   %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>&apos;%1&apos; não é um valor de ponto flutuante válido</translation>
    </message>
    <message>
        <source>Too many periods: the schedule lists at most %1 periods</source>
        <translation>Períodos demais: a tabela lista no máximo %1 períodos</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Erro desconhecido</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Arquivos de texto (*.txt)</translation>
    </message>
    <message>
        <source>Comma Separate Values (*.csv)</source>
        <translation>Valores separados por vírgula (*.csv)</translation>
    </message>
    <message>
        <source>HTML File (*.htm)</source>
        <translation>Arquivo HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>HelpMessages</name>
    <message>
        <source>Function ShellExecute(%s)<byte value="xd"/>Returned: %s</source>
        <translation>Função ShellExecute(%s)<byte value="xd"/>Retornou: %s</translation>
    </message>
    <message>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>O MS Html Help não está instalado neste computador.</translation>
    </message>
    <message>
        <source>System file KeyHH.EXE was not found in the Windows folder.</source>
        <translation>O arquivo de sistema KeyHH.EXE não foi encontrado na pasta do Windows.</translation>
    </message>
    <message>
        <source>System file HH.EXE was not found in the Windows folder.</source>
        <translation>O arquivo de sistema HH.EXE não foi encontrado na pasta do Windows.</translation>
    </message>
    <message>
        <source>Unknown error returned by HHHelpContext</source>
        <translation>Erro desconhecido retornado por HHHelpContext</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Mensal</translation>
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
        <translation>Quinzenal</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>A cada 14 dias</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Semanal</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diária</translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation>Não foi possível iniciar a impressora</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started</source>
        <translation>Não foi possível iniciar a impressora &quot;%1&quot;</translation>
    </message>
    <message>
        <source>The printer stopped at page %1</source>
        <translation>A impressora parou na página %1</translation>
    </message>
    <message>
        <source>The printer could not finish the report</source>
        <translation>A impressora não conseguiu concluir o relatório</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>não foi possível gravar o PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Arquivos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed. Save it as a PDF file instead?</source>
        <translation>Não há impressora instalada, portanto o relatório não pode ser impresso. Salvá-lo como arquivo PDF?</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Export</source>
        <comment>window title</comment>
        <translation>Exportação</translation>
    </message>
    <message>
        <source>Writing</source>
        <comment>verb: Writing row 3 of 10</comment>
        <translation>Gravando</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>window title</comment>
        <translation>Impressão</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>verb: Printing row 3 of 10</comment>
        <translation>Imprimindo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1 row %2 of %3</source>
        <translation>%1 linha %2 de %3</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1 linha %2</translation>
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
        <translation>Valor</translation>
    </message>
    <message>
        <source>Number of Times</source>
        <translation>Vezes</translation>
    </message>
</context>
<context>
    <name>quarrant::DateEdit</name>
    <message>
        <source>Calendar</source>
        <translation>Calendário</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>Calendário: %1</translation>
    </message>
</context>
<context>
    <name>quarrant::DepreciationTableModel</name>
    <message>
        <source>Year</source>
        <translation>Ano</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Depreciação</translation>
    </message>
    <message>
        <source>Total Depreciation</source>
        <translation>Depreciação Acum.</translation>
    </message>
    <message>
        <source>Book Value</source>
        <translation>Valor Contábil</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpBrowser</name>
    <message>
        <source>Topic not found</source>
        <translation>Tópico não encontrado</translation>
    </message>
    <message>
        <source>The topic &lt;b&gt;%1&lt;/b&gt; is not in this help file.</source>
        <translation>O tópico &lt;b&gt;%1&lt;/b&gt; não está neste arquivo de ajuda.</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpViewerWindow</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Conteúdo</translation>
    </message>
    <message>
        <source>Cannot open the help file</source>
        <translation>Não foi possível abrir o arquivo de ajuda</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be opened. It may be missing or damaged.</source>
        <translation>Não foi possível abrir o arquivo de ajuda &lt;b&gt;%1&lt;/b&gt;. Ele pode estar ausente ou danificado.</translation>
    </message>
    <message>
        <source>No topic for this request</source>
        <translation>Nenhum tópico para este pedido</translation>
    </message>
    <message>
        <source>This help file has no topic for help context %1. &lt;a href=&quot;%2&quot;&gt;Go to the overview.&lt;/a&gt;</source>
        <translation>Este arquivo de ajuda não tem tópico para o contexto de ajuda %1. &lt;a href=&quot;%2&quot;&gt;Ir para a visão geral.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Tópico</translation>
    </message>
</context>
<context>
    <name>quarrant::ReportPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Visualizar Impressão</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Imprimir</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Salvar como PDF</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Primeira</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Próxima</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Última</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Ampliar</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>&amp;Reduzir</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source> No pages</source>
        <translation> Nenhuma página</translation>
    </message>
    <message>
        <source> Generating pages...</source>
        <translation> Gerando páginas...</translation>
    </message>
    <message>
        <source> Page %1 of %2%3    Zoom %4%</source>
        <translation> Página %1 de %2%3    Zoom %4%</translation>
    </message>
    <message>
        <source> (generating...)</source>
        <translation> (gerando...)</translation>
    </message>
</context>
<context>
    <name>quarrant::ScheduleListModel</name>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Amortização</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Juros</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Amort. Acum.</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Juros Acum.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo Devedor</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_Amortization</name>
    <message>
        <source>Amortization Schedule</source>
        <translation>Tabela de Amortização</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Salvar como</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Imprimir</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Visualizar</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Fechar</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Nº de períodos:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Juros anuais (I%YR):</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Valor presente:</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Valor futuro:</translation>
    </message>
    <message>
        <source>Payment time:</source>
        <translation>Vencimento:</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Início do período</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Fim do período</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Calcular</translation>
    </message>
    <message>
        <source>Payment frequency:</source>
        <translation>Periodicidade:</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Salvar arquivo</translation>
    </message>
    <message>
        <source>Loan options</source>
        <translation>Opções do empréstimo</translation>
    </message>
    <message>
        <source>Selected periods</source>
        <translation>Períodos selecionados</translation>
    </message>
    <message>
        <source>Loan options: %1</source>
        <translation>Opções do empréstimo: %1</translation>
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
        <translation>%1: amortização %2, juros %3, pagamentos %4</translation>
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
        <translation>Igual aos pagamentos</translation>
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
        <translation>Mensal</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Diária</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Contínua</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Exatos</translation>
    </message>
    <message>
        <source>Rounded to cents as a lender does</source>
        <translation>Arredondados aos centavos, como o credor</translation>
    </message>
    <message>
        <source>Loan Options</source>
        <translation>Opções do Empréstimo</translation>
    </message>
    <message>
        <source>One-off payments</source>
        <translation>Pagamentos avulsos</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Valor</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Adicionar</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Excluir</translation>
    </message>
    <message>
        <source>Pe&amp;riod:</source>
        <translation>&amp;Período:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Valor:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>&amp;Compounding:</source>
        <translation>&amp;Capitalização:</translation>
    </message>
    <message>
        <source>&amp;Extra each period:</source>
        <translation>E&amp;xtra por período:</translation>
    </message>
    <message>
        <source>&amp;from period:</source>
        <translation>a pa&amp;rtir do período:</translation>
    </message>
    <message>
        <source>Amo&amp;unts:</source>
        <translation>Valore&amp;s:</translation>
    </message>
    <message>
        <source>Compounding: %1</source>
        <translation>Capitalização: %1</translation>
    </message>
    <message>
        <source>Rounded to cents</source>
        <translation>Arredondados aos centavos</translation>
    </message>
    <message>
        <source>Extra %1 each period from period %2</source>
        <translation>Extra de %1 por período a partir do período %2</translation>
    </message>
    <message>
        <source>The extra payment each period cannot be negative.</source>
        <translation>O pagamento extra por período não pode ser negativo.</translation>
    </message>
    <message>
        <source>The extra payments must start in a period from 1 to %1.</source>
        <translation>Os pagamentos extras devem começar em um período de 1 a %1.</translation>
    </message>
    <message>
        <source>The one-off payment of period %1 lies after the last period, %2: delete it or change its period.</source>
        <translation>O pagamento avulso do período %1 fica depois do último período, %2: exclua-o ou altere o seu período.</translation>
    </message>
    <message>
        <source>A one-off payment must fall in a period from 1 to %1.</source>
        <translation>Um pagamento avulso deve cair em um período de 1 a %1.</translation>
    </message>
    <message>
        <source>A one-off payment must be greater than 0.</source>
        <translation>Um pagamento avulso deve ser maior que 0.</translation>
    </message>
    <message>
        <source>One-off payments: %1</source>
        <translation>Pagamentos avulsos: %1</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_ZavuzirEza</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Valor do Dinheiro no Tempo</translation>
    </message>
    <message>
        <source>Interest Rate Conversions</source>
        <translation>Conversão de Taxas</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Depreciação</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Fluxo de Caixa</translation>
    </message>
    <message>
        <source>Date Calculator</source>
        <translation>Cálculo de Datas</translation>
    </message>
    <message>
        <source>Expression Value:</source>
        <translation>Resultado:</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Decimais:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Geral</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Aj&amp;uda</translation>
    </message>
    <message>
        <source>Syntax Error!</source>
        <translation>Erro de sintaxe!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>Expression Error:%1</source>
        <translation>Erro na expressão:%1</translation>
    </message>
    <message>
        <source>Can not calculate</source>
        <translation>Não é possível calcular</translation>
    </message>
    <message>
        <source>Discount Rate(%):</source>
        <translation>Taxa de Desconto(%):</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Inserir</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Substituir</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Excluir</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Limpar</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Valor:</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Vezes:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calcular</translation>
    </message>
    <message>
        <source>Internal Rate of Return (IRR%): </source>
        <translation>Taxa Interna de Retorno (TIR%): </translation>
    </message>
    <message>
        <source>Net Present Value (NPV) :</source>
        <translation>Valor Presente Líquido (VPL) :</translation>
    </message>
    <message>
        <source>Net Future Value (NFV):</source>
        <translation>Valor Futuro Líquido (VFL):</translation>
    </message>
    <message>
        <source>The date lies outside the years 1 to 9999.</source>
        <translation>A data está fora dos anos 1 a 9999.</translation>
    </message>
    <message>
        <source>One Date</source>
        <translation>Uma Data</translation>
    </message>
    <message>
        <source>Two Dates</source>
        <translation>Duas Datas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Day of year:</source>
        <translation>Dia do ano:</translation>
    </message>
    <message>
        <source>Week of year:</source>
        <translation>Semana do ano:</translation>
    </message>
    <message>
        <source>Days in month:</source>
        <translation>Dias no mês:</translation>
    </message>
    <message>
        <source>Leap year:</source>
        <translation>Ano bissexto:</translation>
    </message>
    <message>
        <source>Beginning Date</source>
        <translation>Data Inicial</translation>
    </message>
    <message>
        <source>Ending Date</source>
        <translation>Data Final</translation>
    </message>
    <message>
        <source>Days Between Dates</source>
        <translation>Dias entre Datas</translation>
    </message>
    <message>
        <source>Time between dates</source>
        <translation>Tempo entre as datas</translation>
    </message>
    <message>
        <source>years</source>
        <translation>anos</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Anos</translation>
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
        <translation>dias</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Dias</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sim</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Cost basis:</source>
        <translation>Custo:</translation>
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
        <translation>Fator:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Método:</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Sum-of-the-year&apos;s digits</source>
        <translation>Soma dos dígitos</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Saldo decrescente</translation>
    </message>
    <message>
        <source>The expected life is too long to list: the table holds at most %1 years.</source>
        <translation>A vida útil é longa demais para listar: a tabela comporta no máximo %1 anos.</translation>
    </message>
    <message>
        <source>Nominal Annual Rate</source>
        <translation>Taxa Nominal Anual</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Effective Annual Rate</source>
        <translation>Taxa Efetiva Anual</translation>
    </message>
    <message>
        <source>Periodic Interest Rate</source>
        <translation>Taxa por Período</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Periodicidade</translation>
    </message>
    <message>
        <source>Number of Periods(N):</source>
        <translation>Nº de Períodos(N):</translation>
    </message>
    <message>
        <source>Annual Interest(I%YR):</source>
        <translation>Juros Anuais(I%YR):</translation>
    </message>
    <message>
        <source>Present Value(PV):</source>
        <translation>Valor Presente(PV):</translation>
    </message>
    <message>
        <source>Payment(PMT):</source>
        <translation>Pagamento(PMT):</translation>
    </message>
    <message>
        <source>Future Value(FV):</source>
        <translation>Valor Futuro(FV):</translation>
    </message>
    <message>
        <source>Payment time</source>
        <translation>Vencimento</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>Início do período</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>Fim do período</translation>
    </message>
    <message>
        <source>&amp;Amortization</source>
        <translation>&amp;Amortização</translation>
    </message>
    <message>
        <source>Arguments Error!</source>
        <translation>Erro nos argumentos!</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_report</name>
    <message>
        <source>Report</source>
        <translation>Relatório</translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation>Tabela de Amortização</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Nº de períodos:</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Valor presente:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Juros anuais (I%YR):</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Valor futuro:</translation>
    </message>
    <message>
        <source>Payment Frequency:</source>
        <translation>Periodicidade:</translation>
    </message>
    <message>
        <source>Payment Time:</source>
        <translation>Vencimento:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Período</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Amortização</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Juros</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Amort. Acum.</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Juros Acum.</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Saldo Devedor</translation>
    </message>
    <message>
        <source>Loan Options:</source>
        <translation>Opções:</translation>
    </message>
</context>
<context>
    <name>quarrant::ValueField</name>
    <message>
        <source>Can enter expression(Such as: 2*12)</source>
        <translation>Aceita expressão (ex.: 2*12)</translation>
    </message>
</context>
</TS>
