<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU" sourcelanguage="en">
<context>
    <name>AtomicFile</name>
    <message>
        <source>Cannot write file &quot;%1&quot;: %2</source>
        <translation>Не удалось записать файл «%1»: %2</translation>
    </message>
</context>
<context>
    <name>EngineMessages</name>
    <message>
        <source>Floating point division by zero</source>
        <translation>Деление на ноль в вычислениях с плавающей точкой</translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation>Недопустимая операция с плавающей точкой</translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation>Переполнение в вычислениях с плавающей точкой</translation>
    </message>
    <message>
        <source>Number of periods out of range</source>
        <translation>Число периодов вне допустимого диапазона</translation>
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
        <translation>Синтаксическая   ошибка   в   выражении   в   позиции   %1</translation>
    </message>
    <message>
        <source>Mismatched   parentheses   at   position   %1</source>
        <translation>Непарные   скобки   в   позиции   %1</translation>
    </message>
    <message>
        <source>Unexpected   end   of   expression   at   position   %1</source>
        <translation>Неожиданный   конец   выражения   в   позиции   %1</translation>
    </message>
    <message>
        <source>Expression   nested   too   deeply   at   position   %1</source>
        <translation>Слишком   глубокая   вложенность   выражения   в   позиции   %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid floating point value</source>
        <translation>«%1» не является допустимым числом с плавающей точкой</translation>
    </message>
    <message>
        <source>Too many periods: the schedule lists at most %1 periods</source>
        <translation>Слишком много периодов: график содержит не более %1 периодов</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Неизвестная ошибка</translation>
    </message>
</context>
<context>
    <name>ExportFormats</name>
    <message>
        <source>Text files (*.txt)</source>
        <translation>Текстовые файлы (*.txt)</translation>
    </message>
    <message>
        <source>Comma Separate Values (*.csv)</source>
        <translation>Значения, разделённые запятыми (*.csv)</translation>
    </message>
    <message>
        <source>HTML File (*.htm)</source>
        <translation>Файл HTML (*.htm)</translation>
    </message>
</context>
<context>
    <name>HelpMessages</name>
    <message>
        <source>Function ShellExecute(%s)<byte value="xd"/>Returned: %s</source>
        <translation>Функция ShellExecute(%s)<byte value="xd"/>Вернула: %s</translation>
    </message>
    <message>
        <source>MS Html Help is not installed on this PC.</source>
        <translation>MS Html Help не установлен на этом компьютере.</translation>
    </message>
    <message>
        <source>System file KeyHH.EXE was not found in the Windows folder.</source>
        <translation>Системный файл KeyHH.EXE не найден в папке Windows.</translation>
    </message>
    <message>
        <source>System file HH.EXE was not found in the Windows folder.</source>
        <translation>Системный файл HH.EXE не найден в папке Windows.</translation>
    </message>
    <message>
        <source>Unknown error returned by HHHelpContext</source>
        <translation>HHHelpContext вернул неизвестную ошибку</translation>
    </message>
</context>
<context>
    <name>PaymentFrequency</name>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Ежеквартально</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Раз в полгода</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Ежегодно</translation>
    </message>
    <message>
        <source>Semi-monthly</source>
        <translation>2 раза в месяц</translation>
    </message>
    <message>
        <source>Bi-weekly</source>
        <translation>Раз в 2 недели</translation>
    </message>
    <message>
        <source>Weekly</source>
        <translation>Еженедельно</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ежедневно</translation>
    </message>
</context>
<context>
    <name>ReportPrint</name>
    <message>
        <source>The printer could not be started</source>
        <translation>Не удалось запустить принтер</translation>
    </message>
    <message>
        <source>The printer &quot;%1&quot; could not be started</source>
        <translation>Не удалось запустить принтер «%1»</translation>
    </message>
    <message>
        <source>The printer stopped at page %1</source>
        <translation>Принтер остановился на странице %1</translation>
    </message>
    <message>
        <source>The printer could not finish the report</source>
        <translation>Принтеру не удалось завершить печать отчёта</translation>
    </message>
    <message>
        <source>the PDF could not be written</source>
        <translation>не удалось записать PDF</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>Файлы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>No printer is installed, so the report cannot be printed. Save it as a PDF file instead?</source>
        <translation>Принтер не установлен, поэтому отчёт нельзя напечатать. Сохранить его в файл PDF?</translation>
    </message>
</context>
<context>
    <name>ReportProgress</name>
    <message>
        <source>Export</source>
        <comment>window title</comment>
        <translation>Экспорт</translation>
    </message>
    <message>
        <source>Writing</source>
        <comment>verb: Writing row 3 of 10</comment>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>window title</comment>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Printing</source>
        <comment>verb: Printing row 3 of 10</comment>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>%1 row %2 of %3</source>
        <translation>%1: строка %2 из %3</translation>
    </message>
    <message>
        <source>%1 row %2</source>
        <translation>%1: строка %2</translation>
    </message>
    <message>
        <source>%1, page %2</source>
        <translation>%1, страница %2</translation>
    </message>
</context>
<context>
    <name>ReportRender</name>
    <message>
        <source>Page %1</source>
        <translation>Страница %1</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Страница %1 из %2</translation>
    </message>
</context>
<context>
    <name>TableCopy</name>
    <message>
        <source>Copy</source>
        <translation>Копировать</translation>
    </message>
</context>
<context>
    <name>quarrant::CashFlowListModel</name>
    <message>
        <source>Group</source>
        <translation>Группа</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>Number of Times</source>
        <translation>Кол-во раз</translation>
    </message>
</context>
<context>
    <name>quarrant::DateEdit</name>
    <message>
        <source>Calendar</source>
        <translation>Календарь</translation>
    </message>
    <message>
        <source>%1 calendar</source>
        <translation>Календарь: %1</translation>
    </message>
</context>
<context>
    <name>quarrant::DepreciationTableModel</name>
    <message>
        <source>Year</source>
        <translation>Год</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Амортизация</translation>
    </message>
    <message>
        <source>Total Depreciation</source>
        <translation>Накоплено</translation>
    </message>
    <message>
        <source>Book Value</source>
        <translation>Остат. стоимость</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpBrowser</name>
    <message>
        <source>Topic not found</source>
        <translation>Раздел не найден</translation>
    </message>
    <message>
        <source>The topic &lt;b&gt;%1&lt;/b&gt; is not in this help file.</source>
        <translation>Раздела &lt;b&gt;%1&lt;/b&gt; нет в этом файле справки.</translation>
    </message>
</context>
<context>
    <name>quarrant::HelpViewerWindow</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>Вперёд</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Начало</translation>
    </message>
    <message>
        <source>Contents</source>
        <translation>Содержание</translation>
    </message>
    <message>
        <source>Cannot open the help file</source>
        <translation>Не удалось открыть файл справки</translation>
    </message>
    <message>
        <source>The help file &lt;b&gt;%1&lt;/b&gt; could not be opened. It may be missing or damaged.</source>
        <translation>Не удалось открыть файл справки &lt;b&gt;%1&lt;/b&gt;. Возможно, он отсутствует или повреждён.</translation>
    </message>
    <message>
        <source>No topic for this request</source>
        <translation>Нет раздела для этого запроса</translation>
    </message>
    <message>
        <source>This help file has no topic for help context %1. &lt;a href=&quot;%2&quot;&gt;Go to the overview.&lt;/a&gt;</source>
        <translation>В этом файле справки нет раздела для контекста справки %1. &lt;a href=&quot;%2&quot;&gt;Перейти к обзору.&lt;/a&gt;</translation>
    </message>
    <message>
        <source>Topic</source>
        <translation>Раздел</translation>
    </message>
</context>
<context>
    <name>quarrant::ReportPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>Предварительный просмотр</translation>
    </message>
    <message>
        <source>&amp;Print</source>
        <translation>&amp;Печать</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Сохранить в PDF</translation>
    </message>
    <message>
        <source>First</source>
        <translation>Первая</translation>
    </message>
    <message>
        <source>Prior</source>
        <translation>Предыдущая</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Следующая</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>Последняя</translation>
    </message>
    <message>
        <source>Zoom &amp;In</source>
        <translation>&amp;Увеличить</translation>
    </message>
    <message>
        <source>Zoom &amp;Out</source>
        <translation>У&amp;меньшить</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source> No pages</source>
        <translation> Нет страниц</translation>
    </message>
    <message>
        <source> Generating pages...</source>
        <translation> Формирование страниц...</translation>
    </message>
    <message>
        <source> Page %1 of %2%3    Zoom %4%</source>
        <translation> Страница %1 из %2%3    Масштаб %4%</translation>
    </message>
    <message>
        <source> (generating...)</source>
        <translation> (формирование...)</translation>
    </message>
</context>
<context>
    <name>quarrant::ScheduleListModel</name>
    <message>
        <source>Period</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Основной долг</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Проценты</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Погашено</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Уплачено %</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Остаток долга</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_Amortization</name>
    <message>
        <source>Amortization Schedule</source>
        <translation>График погашения</translation>
    </message>
    <message>
        <source>Save as</source>
        <translation>Сохранить как</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Печать</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Просмотр</translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation>&amp;Закрыть</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Число периодов:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Годовая ставка(I%YR):</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Сумма займа:</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Будущая ст.:</translation>
    </message>
    <message>
        <source>Payment time:</source>
        <translation>Платежи:</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>В начале периода</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>В конце периода</translation>
    </message>
    <message>
        <source>&amp;Calculate</source>
        <translation>&amp;Рассчитать</translation>
    </message>
    <message>
        <source>Payment frequency:</source>
        <translation>Периодичность:</translation>
    </message>
    <message>
        <source>Save file</source>
        <translation>Сохранить файл</translation>
    </message>
    <message>
        <source>Loan options</source>
        <translation>Параметры кредита</translation>
    </message>
    <message>
        <source>Selected periods</source>
        <translation>Выбранные периоды</translation>
    </message>
    <message>
        <source>Loan options: %1</source>
        <translation>Параметры кредита: %1</translation>
    </message>
    <message>
        <source>Period %1</source>
        <translation>Период %1</translation>
    </message>
    <message>
        <source>Periods %1-%2</source>
        <translation>Периоды %1-%2</translation>
    </message>
    <message>
        <source>%1: principal %2, interest %3, payments %4</source>
        <translation>%1: основной долг %2, проценты %3, платежи %4</translation>
    </message>
    <message>
        <source>%1 periods</source>
        <translation>Периоды (%1)</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_LoanOptions</name>
    <message>
        <source>Same as payments</source>
        <translation>Как у платежей</translation>
    </message>
    <message>
        <source>Annually</source>
        <translation>Ежегодно</translation>
    </message>
    <message>
        <source>Semi-annually</source>
        <translation>Раз в полгода</translation>
    </message>
    <message>
        <source>Quarterly</source>
        <translation>Ежеквартально</translation>
    </message>
    <message>
        <source>Monthly</source>
        <translation>Ежемесячно</translation>
    </message>
    <message>
        <source>Daily</source>
        <translation>Ежедневно</translation>
    </message>
    <message>
        <source>Continuously</source>
        <translation>Непрерывно</translation>
    </message>
    <message>
        <source>Exact</source>
        <translation>Точные</translation>
    </message>
    <message>
        <source>Rounded to cents as a lender does</source>
        <translation>Округлённые до копеек, как у банка</translation>
    </message>
    <message>
        <source>Loan Options</source>
        <translation>Параметры кредита</translation>
    </message>
    <message>
        <source>One-off payments</source>
        <translation>Разовые платежи</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>Amount</source>
        <translation>Сумма</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Добавить</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Удалить</translation>
    </message>
    <message>
        <source>Pe&amp;riod:</source>
        <translation>&amp;Период:</translation>
    </message>
    <message>
        <source>A&amp;mount:</source>
        <translation>&amp;Сумма:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>ОК</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>&amp;Compounding:</source>
        <translation>&amp;Начисление процентов:</translation>
    </message>
    <message>
        <source>&amp;Extra each period:</source>
        <translation>Доп&amp;лата за период:</translation>
    </message>
    <message>
        <source>&amp;from period:</source>
        <translation>с пе&amp;риода:</translation>
    </message>
    <message>
        <source>Amo&amp;unts:</source>
        <translation>Сумм&amp;ы:</translation>
    </message>
    <message>
        <source>Compounding: %1</source>
        <translation>Начисление процентов: %1</translation>
    </message>
    <message>
        <source>Rounded to cents</source>
        <translation>Округление до копеек</translation>
    </message>
    <message>
        <source>Extra %1 each period from period %2</source>
        <translation>Доплата %1 за период с периода %2</translation>
    </message>
    <message>
        <source>The extra payment each period cannot be negative.</source>
        <translation>Доплата за период не может быть отрицательной.</translation>
    </message>
    <message>
        <source>The extra payments must start in a period from 1 to %1.</source>
        <translation>Доплаты должны начинаться в периоде с 1 по %1.</translation>
    </message>
    <message>
        <source>The one-off payment of period %1 lies after the last period, %2: delete it or change its period.</source>
        <translation>Разовый платёж периода %1 приходится на время после последнего периода, %2: удалите его или измените его период.</translation>
    </message>
    <message>
        <source>A one-off payment must fall in a period from 1 to %1.</source>
        <translation>Разовый платёж должен приходиться на период с 1 по %1.</translation>
    </message>
    <message>
        <source>A one-off payment must be greater than 0.</source>
        <translation>Разовый платёж должен быть больше 0.</translation>
    </message>
    <message>
        <source>One-off payments: %1</source>
        <translation>Разовых платежей: %1</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_ZavuzirEza</name>
    <message>
        <source>Time Value of Money</source>
        <translation>Стоимость денег во времени</translation>
    </message>
    <message>
        <source>Interest Rate Conversions</source>
        <translation>Пересчёт ставок</translation>
    </message>
    <message>
        <source>Depreciation</source>
        <translation>Амортизация</translation>
    </message>
    <message>
        <source>Cash Flow</source>
        <translation>Денежный поток</translation>
    </message>
    <message>
        <source>Date Calculator</source>
        <translation>Калькулятор дат</translation>
    </message>
    <message>
        <source>Expression Value:</source>
        <translation>Значение:</translation>
    </message>
    <message>
        <source>Decimal places:</source>
        <translation>Точность:</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Общий</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Справка</translation>
    </message>
    <message>
        <source>Syntax Error!</source>
        <translation>Синтаксическая ошибка!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>Expression Error:%1</source>
        <translation>Ошибка в выражении:%1</translation>
    </message>
    <message>
        <source>Can not calculate</source>
        <translation>Невозможно рассчитать</translation>
    </message>
    <message>
        <source>Discount Rate(%):</source>
        <translation>Ставка дисконта(%):</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Вставить</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>Заменить</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>&amp;Очистить</translation>
    </message>
    <message>
        <source>Amount:</source>
        <translation>Сумма:</translation>
    </message>
    <message>
        <source>Times:</source>
        <translation>Раз:</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Рассчитать</translation>
    </message>
    <message>
        <source>Internal Rate of Return (IRR%): </source>
        <translation>Норма доходности (ВНД%): </translation>
    </message>
    <message>
        <source>Net Present Value (NPV) :</source>
        <translation>Чистая привед. стоимость (ЧПС) :</translation>
    </message>
    <message>
        <source>Net Future Value (NFV):</source>
        <translation>Чистая будущая стоимость (ЧБС):</translation>
    </message>
    <message>
        <source>The date lies outside the years 1 to 9999.</source>
        <translation>Дата выходит за пределы годов с 1 по 9999.</translation>
    </message>
    <message>
        <source>One Date</source>
        <translation>Одна дата</translation>
    </message>
    <message>
        <source>Two Dates</source>
        <translation>Две даты</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Day of year:</source>
        <translation>День года:</translation>
    </message>
    <message>
        <source>Week of year:</source>
        <translation>Неделя года:</translation>
    </message>
    <message>
        <source>Days in month:</source>
        <translation>Дней в месяце:</translation>
    </message>
    <message>
        <source>Leap year:</source>
        <translation>Високосный:</translation>
    </message>
    <message>
        <source>Beginning Date</source>
        <translation>Начальная дата</translation>
    </message>
    <message>
        <source>Ending Date</source>
        <translation>Конечная дата</translation>
    </message>
    <message>
        <source>Days Between Dates</source>
        <translation>Дней между датами</translation>
    </message>
    <message>
        <source>Time between dates</source>
        <translation>Срок между датами</translation>
    </message>
    <message>
        <source>years</source>
        <translation>лет</translation>
    </message>
    <message>
        <source>Years</source>
        <translation>Годы</translation>
    </message>
    <message>
        <source>months</source>
        <translation>мес.</translation>
    </message>
    <message>
        <source>Months</source>
        <translation>Месяцы</translation>
    </message>
    <message>
        <source>days</source>
        <translation>дн.</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>Дни</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Cost basis:</source>
        <translation>Стоимость:</translation>
    </message>
    <message>
        <source>Salvage value:</source>
        <translation>Ликвид. стоимость:</translation>
    </message>
    <message>
        <source>Expected life:</source>
        <translation>Срок службы:</translation>
    </message>
    <message>
        <source>Factor:</source>
        <translation>Коэффициент:</translation>
    </message>
    <message>
        <source>Method:</source>
        <translation>Метод:</translation>
    </message>
    <message>
        <source>Straight-line</source>
        <translation>Линейный</translation>
    </message>
    <message>
        <source>Sum-of-the-year&apos;s digits</source>
        <translation>По сумме чисел лет</translation>
    </message>
    <message>
        <source>Declining balance</source>
        <translation>Уменьш. остатка</translation>
    </message>
    <message>
        <source>The expected life is too long to list: the table holds at most %1 years.</source>
        <translation>Срок службы слишком велик: таблица вмещает не более %1 лет.</translation>
    </message>
    <message>
        <source>Nominal Annual Rate</source>
        <translation>Номинальная ставка</translation>
    </message>
    <message>
        <source>%</source>
        <translation>%</translation>
    </message>
    <message>
        <source>Effective Annual Rate</source>
        <translation>Эффективная ставка</translation>
    </message>
    <message>
        <source>Periodic Interest Rate</source>
        <translation>Ставка за период</translation>
    </message>
    <message>
        <source>Payment frequency</source>
        <translation>Периодичность платежей</translation>
    </message>
    <message>
        <source>Number of Periods(N):</source>
        <translation>Число периодов(N):</translation>
    </message>
    <message>
        <source>Annual Interest(I%YR):</source>
        <translation>Годовая ставка(I%YR):</translation>
    </message>
    <message>
        <source>Present Value(PV):</source>
        <translation>Привед. стоимость(PV):</translation>
    </message>
    <message>
        <source>Payment(PMT):</source>
        <translation>Платёж(PMT):</translation>
    </message>
    <message>
        <source>Future Value(FV):</source>
        <translation>Будущая стоимость(FV):</translation>
    </message>
    <message>
        <source>Payment time</source>
        <translation>Срок платежа</translation>
    </message>
    <message>
        <source>Beginning of period</source>
        <translation>В начале периода</translation>
    </message>
    <message>
        <source>End of period</source>
        <translation>В конце периода</translation>
    </message>
    <message>
        <source>&amp;Amortization</source>
        <translation>&amp;График погашения</translation>
    </message>
    <message>
        <source>Arguments Error!</source>
        <translation>Ошибка в аргументах!</translation>
    </message>
</context>
<context>
    <name>quarrant::Tfrm_report</name>
    <message>
        <source>Report</source>
        <translation>Отчёт</translation>
    </message>
    <message>
        <source>Amortization Schedule</source>
        <translation>График погашения</translation>
    </message>
    <message>
        <source>Number of Periods:</source>
        <translation>Число периодов:</translation>
    </message>
    <message>
        <source>Present Value:</source>
        <translation>Сумма займа:</translation>
    </message>
    <message>
        <source>Annual Interest (I%YR):</source>
        <translation>Годовая ставка(I%YR):</translation>
    </message>
    <message>
        <source>Future Value:</source>
        <translation>Будущая ст.:</translation>
    </message>
    <message>
        <source>Payment Frequency:</source>
        <translation>Периодичность:</translation>
    </message>
    <message>
        <source>Payment Time:</source>
        <translation>Срок платежа:</translation>
    </message>
    <message>
        <source>Period</source>
        <translation>Период</translation>
    </message>
    <message>
        <source>Principal</source>
        <translation>Основной долг</translation>
    </message>
    <message>
        <source>Interest</source>
        <translation>Проценты</translation>
    </message>
    <message>
        <source>Total Principal</source>
        <translation>Погашено</translation>
    </message>
    <message>
        <source>Total Interest</source>
        <translation>Уплачено %</translation>
    </message>
    <message>
        <source>Balance</source>
        <translation>Остаток долга</translation>
    </message>
    <message>
        <source>Loan Options:</source>
        <translation>Параметры:</translation>
    </message>
</context>
<context>
    <name>quarrant::ValueField</name>
    <message>
        <source>Can enter expression(Such as: 2*12)</source>
        <translation>Выражение (напр.: 2*12)</translation>
    </message>
</context>
</TS>
