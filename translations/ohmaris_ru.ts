<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>PhasorDiagram</name>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>A</source>
        <translation>А</translation>
    </message>
    <message>
        <source>Lab %1: phasor diagram</source>
        <translation>Работа %1: векторная диаграмма</translation>
    </message>
    <message>
        <source>Lab %1: amplitude spectrum</source>
        <translation>Работа %1: амплитудный спектр</translation>
    </message>
    <message>
        <source>voltages %1 %2 per division</source>
        <translation>напряжения %1 %2 на деление</translation>
    </message>
    <message>
        <source>currents %1 %2 per division</source>
        <translation>токи %1 %2 на деление</translation>
    </message>
    <message>
        <source>Scale: %1</source>
        <translation>Масштаб: %1</translation>
    </message>
    <message>
        <source>Zero, not drawn: </source>
        <translation>Равны нулю, не показаны: </translation>
    </message>
    <message>
        <source>Scale: amplitudes %1 %2 per division</source>
        <translation>Масштаб: амплитуды %1 %2 на деление</translation>
    </message>
    <message>
        <source>No source is on.</source>
        <translation>Ни один источник не включён.</translation>
    </message>
    <message>
        <source>%1 Hz</source>
        <translation>%1 Гц</translation>
    </message>
    <message>
        <source>EMF amplitude of the sources at that frequency</source>
        <translation>амплитуда ЭДС источников этой частоты</translation>
    </message>
    <message>
        <source>amplitude of the load voltage at that frequency</source>
        <translation>амплитуда напряжения нагрузки на этой частоте</translation>
    </message>
    <message>
        <source>supply voltage (K-50 V)</source>
        <translation>напряжение питания (K-50 V)</translation>
    </message>
    <message>
        <source>current (K-50 A)</source>
        <translation>ток (K-50 A)</translation>
    </message>
    <message>
        <source>coil voltage (V1)</source>
        <translation>напряжение на катушке (V1)</translation>
    </message>
    <message>
        <source>active component of the coil voltage</source>
        <translation>активная составляющая напряжения на катушке</translation>
    </message>
    <message>
        <source>reactive component of the coil voltage</source>
        <translation>реактивная составляющая напряжения на катушке</translation>
    </message>
    <message>
        <source>capacitor voltage (V2)</source>
        <translation>напряжение на конденсаторе (V2)</translation>
    </message>
    <message>
        <source>total current (K-50 A)</source>
        <translation>общий ток (K-50 A)</translation>
    </message>
    <message>
        <source>coil current (A1)</source>
        <translation>ток катушки (A1)</translation>
    </message>
    <message>
        <source>capacitor current (A2)</source>
        <translation>ток конденсатора (A2)</translation>
    </message>
    <message>
        <source>current (K-50 A, A1, A2)</source>
        <translation>ток (K-50 A, A1, A2)</translation>
    </message>
    <message>
        <source>voltage of branch 1</source>
        <translation>напряжение ветви 1</translation>
    </message>
    <message>
        <source>voltage of branch 2</source>
        <translation>напряжение ветви 2</translation>
    </message>
    <message>
        <source>current of branch 1 (A1)</source>
        <translation>ток ветви 1 (A1)</translation>
    </message>
    <message>
        <source>current of branch 2 (A2)</source>
        <translation>ток ветви 2 (A2)</translation>
    </message>
    <message>
        <source>source phase voltage (K-50 V)</source>
        <translation>фазное напряжение источника (K-50 V)</translation>
    </message>
    <message>
        <source>phase current (K-50 A)</source>
        <translation>фазный ток (K-50 A)</translation>
    </message>
    <message>
        <source>neutral-wire current (A1)</source>
        <translation>ток нейтрального провода (A1)</translation>
    </message>
    <message>
        <source>star point&apos;s shift (V1)</source>
        <translation>смещение нейтрали (V1)</translation>
    </message>
    <message>
        <source>load phase voltage</source>
        <translation>фазное напряжение нагрузки</translation>
    </message>
    <message>
        <source>line voltage</source>
        <translation>линейное напряжение</translation>
    </message>
    <message>
        <source>branch (phase) current (A1, A2, A3)</source>
        <translation>фазный ток, ток ветви (A1, A2, A3)</translation>
    </message>
    <message>
        <source>line current (K-50 A)</source>
        <translation>линейный ток (K-50 A)</translation>
    </message>
    <message>
        <source>Angles in degrees from the real axis +1, counter-clockwise; %1.</source>
        <translation>Углы в градусах от вещественной оси +1 против часовой стрелки; %1.</translation>
    </message>
    <message>
        <source>the supply voltage U at 0°</source>
        <translation>напряжение питания U под углом 0°</translation>
    </message>
    <message>
        <source>phase A&apos;s source voltage at 0°</source>
        <translation>фазное напряжение источника в фазе A под углом 0°</translation>
    </message>
    <message>
        <source>phase A&apos;s star-equivalent voltage at 0°, the line voltage AB at 30°</source>
        <translation>эквивалентное фазное напряжение фазы A под углом 0°, линейное напряжение AB под углом 30°</translation>
    </message>
</context>
<context>
    <name>ohmaris::Chooser</name>
    <message>
        <source>Protocol rows not yet saved, lost when the program ends:</source>
        <translation>Строки протокола, ещё не сохранённые в файл, пропадут при выходе из программы:</translation>
    </message>
    <message numerus="yes">
        <source>lab %1: %n row(s)</source>
        <translation>
            <numerusform>лабораторная работа %1: %n строка</numerusform>
            <numerusform>лабораторная работа %1: %n строки</numerusform>
            <numerusform>лабораторная работа %1: %n строк</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ohmaris::CoilCapacitorBench</name>
    <message>
        <source>Variant selector</source>
        <translation>Переключатель вариантов</translation>
    </message>
</context>
<context>
    <name>ohmaris::InstrumentName</name>
    <message>
        <source>K-50 V</source>
        <translation>К-50 V</translation>
    </message>
    <message>
        <source>K-50 A</source>
        <translation>К-50 A</translation>
    </message>
    <message>
        <source>K-50 W</source>
        <translation>К-50 W</translation>
    </message>
    <message>
        <source>K-50 phase</source>
        <translation>К-50 фаза</translation>
    </message>
    <message>
        <source>K-50 direction</source>
        <translation>К-50 направление мощности</translation>
    </message>
    <message>
        <source>AT</source>
        <translation>АТ</translation>
    </message>
    <message>
        <source>variant</source>
        <translation>вариант</translation>
    </message>
    <message>
        <source>coil L1</source>
        <translation>катушка L1</translation>
    </message>
    <message>
        <source>coil L2</source>
        <translation>катушка L2</translation>
    </message>
    <message>
        <source>connection</source>
        <translation>соединение</translation>
    </message>
    <message>
        <source>V selector</source>
        <translation>переключатель V</translation>
    </message>
    <message>
        <source>circuit</source>
        <translation>цепь</translation>
    </message>
    <message>
        <source>channel 1 sensitivity</source>
        <translation>канал 1, чувствительность</translation>
    </message>
    <message>
        <source>channel 2 sensitivity</source>
        <translation>канал 2, чувствительность</translation>
    </message>
    <message>
        <source>channel 1 V/div</source>
        <translation>канал 1, В/дел</translation>
    </message>
    <message>
        <source>channel 2 mA/div</source>
        <translation>канал 2, мА/дел</translation>
    </message>
    <message>
        <source>channel 1 ms/div</source>
        <translation>канал 1, мс/дел</translation>
    </message>
    <message>
        <source>channel 2 ms/div</source>
        <translation>канал 2, мс/дел</translation>
    </message>
    <message>
        <source>V2 sensitivity</source>
        <translation>V2, чувствительность</translation>
    </message>
    <message>
        <source>V2 V/div</source>
        <translation>V2, В/дел</translation>
    </message>
    <message>
        <source>V2 ms/div</source>
        <translation>V2, мс/дел</translation>
    </message>
</context>
<context>
    <name>ohmaris::K50Panel</name>
    <message>
        <source>K-50 measuring set</source>
        <translation>Измерительный комплекс К-50</translation>
    </message>
    <message>
        <source>Power direction %1</source>
        <translation>Направление мощности %1</translation>
    </message>
    <message>
        <source>K-50 voltmeter</source>
        <translation>Вольтметр комплекса К-50</translation>
    </message>
    <message>
        <source>K-50 ammeter</source>
        <translation>Амперметр комплекса К-50</translation>
    </message>
    <message>
        <source>K-50 wattmeter</source>
        <translation>Ваттметр комплекса К-50</translation>
    </message>
    <message>
        <source>K-50 phase selector</source>
        <translation>Переключатель фаз комплекса К-50</translation>
    </message>
    <message>
        <source>phase %1</source>
        <translation>фаза %1</translation>
    </message>
</context>
<context>
    <name>ohmaris::Lab1Window</name>
    <message>
        <source>Voltmeter selector</source>
        <translation>Переключатель вольтметра</translation>
    </message>
    <message>
        <source>voltmeter across %1</source>
        <translation>вольтметр на узлах %1</translation>
    </message>
</context>
<context>
    <name>ohmaris::Lab4Window</name>
    <message>
        <source>Variant selector of coil L1</source>
        <translation>Переключатель вариантов катушки L1</translation>
    </message>
    <message>
        <source>Connection of the coils</source>
        <translation>Соединение катушек</translation>
    </message>
    <message>
        <source>in series, aiding</source>
        <translation>последовательно, согласно</translation>
    </message>
    <message>
        <source>in series, opposing</source>
        <translation>последовательно, встречно</translation>
    </message>
    <message>
        <source>in parallel, opposing</source>
        <translation>параллельно, встречно</translation>
    </message>
    <message>
        <source>in parallel, aiding</source>
        <translation>параллельно, согласно</translation>
    </message>
    <message>
        <source>Variant selector of coil L2</source>
        <translation>Переключатель вариантов катушки L2</translation>
    </message>
</context>
<context>
    <name>ohmaris::Lab7Window</name>
    <message>
        <source>Channel 1 sensitivity selector</source>
        <translation>Переключатель чувствительности канала 1</translation>
    </message>
    <message>
        <source>Channel 2 sensitivity selector</source>
        <translation>Переключатель чувствительности канала 2</translation>
    </message>
    <message>
        <source>Circuit selector</source>
        <translation>Переключатель схемы</translation>
    </message>
    <message>
        <source>circuit %1</source>
        <translation>схема %1</translation>
    </message>
    <message>
        <source>Channel 1 sensitivity</source>
        <translation>Чувствительность канала 1</translation>
    </message>
    <message>
        <source>Channel 2 sensitivity</source>
        <translation>Чувствительность канала 2</translation>
    </message>
    <message>
        <source>Channel 1 time base</source>
        <translation>Развёртка канала 1</translation>
    </message>
    <message>
        <source>Channel 2 time base</source>
        <translation>Развёртка канала 2</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>выключен</translation>
    </message>
    <message>
        <source>switched on, %1 %2, time base %3 %4</source>
        <translation>включён, %1 %2, развёртка %3 %4</translation>
    </message>
    <message>
        <source>, paused</source>
        <translation>, пауза</translation>
    </message>
</context>
<context>
    <name>ohmaris::Lab8Window</name>
    <message>
        <source>Source E%1</source>
        <translation>Источник E%1</translation>
    </message>
    <message>
        <source>f%1, multiple of f1</source>
        <translation>f%1, кратность f1</translation>
    </message>
    <message>
        <source>Voltmeter V1 on</source>
        <translation>Включение вольтметра V1</translation>
    </message>
    <message>
        <source>Milliammeter on</source>
        <translation>Включение миллиамперметра</translation>
    </message>
    <message>
        <source>Oscilloscope V2 on</source>
        <translation>Включение осциллографа V2</translation>
    </message>
    <message>
        <source>Oscilloscope V2 screen</source>
        <translation>Экран осциллографа V2</translation>
    </message>
    <message>
        <source>switched off</source>
        <translation>выключен</translation>
    </message>
    <message>
        <source>switched on, %1 %2, time base %3 %4</source>
        <translation>включён, %1 %2, развёртка %3 %4</translation>
    </message>
    <message>
        <source>Voltmeter V1</source>
        <translation>Вольтметр V1</translation>
    </message>
    <message>
        <source>Milliammeter</source>
        <translation>Миллиамперметр</translation>
    </message>
    <message>
        <source>Oscilloscope V2 time base</source>
        <translation>Развёртка осциллографа V2</translation>
    </message>
    <message>
        <source>Oscilloscope V2 sensitivity</source>
        <translation>Чувствительность осциллографа V2</translation>
    </message>
    <message>
        <source>Oscilloscope V2 sensitivity selector</source>
        <translation>Переключатель чувствительности осциллографа V2</translation>
    </message>
</context>
<context>
    <name>ohmaris::LabProtocol</name>
    <message>
        <source>Time</source>
        <translation>Время</translation>
    </message>
    <message>
        <source>range</source>
        <translation>предел</translation>
    </message>
    <message>
        <source>error</source>
        <translation>погрешность</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Примечание</translation>
    </message>
    <message>
        <source>pointer moving</source>
        <translation>стрелка движется</translation>
    </message>
    <message>
        <source>Could not save &quot;%1&quot;: %2</source>
        <translation>Не удалось сохранить «%1»: %2</translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Save protocol as CSV</source>
        <translation>Сохранить протокол в CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Файлы CSV (*.csv)</translation>
    </message>
    <message>
        <source>Save picture of the window</source>
        <translation>Сохранить изображение окна</translation>
    </message>
    <message>
        <source>PNG pictures (*.png)</source>
        <translation>Изображения PNG (*.png)</translation>
    </message>
    <message>
        <source>The oscilloscope shows no trace: switch it on first.</source>
        <translation>Осциллограф не показывает ни одной кривой: сначала включите его.</translation>
    </message>
    <message>
        <source>Save oscilloscope data</source>
        <translation>Сохранить данные осциллографа</translation>
    </message>
    <message>
        <source>Print protocol</source>
        <translation>Печать протокола</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>№</translation>
    </message>
    <message>
        <source>the PDF could not be made</source>
        <translation>не удалось создать PDF</translation>
    </message>
    <message>
        <source>the printer could not be used</source>
        <translation>принтер недоступен</translation>
    </message>
</context>
<context>
    <name>ohmaris::LabWindow</name>
    <message>
        <source>Close the lab window</source>
        <translation>Закрыть окно лабораторной работы</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>Схема</translation>
    </message>
    <message>
        <source>&amp;Protocol</source>
        <translation>&amp;Протокол</translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation>&amp;Записать</translation>
    </message>
    <message>
        <source>&amp;Show protocol</source>
        <translation>&amp;Показать протокол</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Сохранить в &amp;CSV...</translation>
    </message>
    <message>
        <source>Save p&amp;icture of the window...</source>
        <translation>Сохранить &amp;изображение окна...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Пе&amp;чать...</translation>
    </message>
    <message>
        <source>Save &amp;oscilloscope data...</source>
        <translation>Сохранить данные &amp;осциллографа...</translation>
    </message>
</context>
<context>
    <name>ohmaris::ProtocolWindow</name>
    <message numerus="yes">
        <source>%n row(s)</source>
        <translation>
            <numerusform>%n строка</numerusform>
            <numerusform>%n строки</numerusform>
            <numerusform>%n строк</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not yet saved</source>
        <translation>
            <numerusform>%n ещё не сохранена</numerusform>
            <numerusform>%n ещё не сохранены</numerusform>
            <numerusform>%n ещё не сохранены</numerusform>
        </translation>
    </message>
    <message>
        <source>Protocol</source>
        <translation>Протокол</translation>
    </message>
    <message>
        <source>Protocol: %1</source>
        <translation>Протокол: %1</translation>
    </message>
    <message>
        <source>Protocol table</source>
        <translation>Таблица протокола</translation>
    </message>
    <message>
        <source>One row per recorded measurement; Delete removes the selected rows.</source>
        <translation>Одна строка на каждое записанное измерение; Delete удаляет выделенные строки.</translation>
    </message>
    <message>
        <source>&amp;Remove row</source>
        <translation>&amp;Удалить строку</translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation>Сохранить в &amp;CSV...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>Пе&amp;чать...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
    </message>
</context>
<context>
    <name>ohmaris::SaveWhole</name>
    <message>
        <source>it is a folder</source>
        <translation>это папка</translation>
    </message>
</context>
<context>
    <name>ohmaris::SinglePhaseBench</name>
    <message>
        <source>Voltage regulator</source>
        <translation>Регулятор напряжения</translation>
    </message>
    <message>
        <source>max</source>
        <translation>максимум</translation>
    </message>
    <message>
        <source>min</source>
        <translation>минимум</translation>
    </message>
    <message>
        <source>step %1 of %2</source>
        <translation>ступень %1 из %2</translation>
    </message>
    <message>
        <source>variant %1</source>
        <translation>вариант %1</translation>
    </message>
</context>
<context>
    <name>ohmaris::Spoken</name>
    <message>
        <source>position %1 of %2</source>
        <translation>положение %1 из %2</translation>
    </message>
    <message>
        <source>Ammeter</source>
        <translation>Амперметр</translation>
    </message>
    <message>
        <source>Voltage regulator</source>
        <translation>Регулятор напряжения</translation>
    </message>
    <message>
        <source>Voltmeter</source>
        <translation>Вольтметр</translation>
    </message>
    <message>
        <source>Oscilloscope input</source>
        <translation>Вход осциллографа</translation>
    </message>
    <message>
        <source>Resistor</source>
        <translation>Резистор</translation>
    </message>
    <message>
        <source>EMF source</source>
        <translation>Источник ЭДС</translation>
    </message>
    <message>
        <source>Inductive coil</source>
        <translation>Катушка индуктивности</translation>
    </message>
    <message>
        <source>Capacitor</source>
        <translation>Конденсатор</translation>
    </message>
    <message>
        <source>Switch</source>
        <translation>Выключатель</translation>
    </message>
    <message>
        <source>Rotary switch</source>
        <translation>Переключатель</translation>
    </message>
    <message>
        <source>Range</source>
        <translation>Предел</translation>
    </message>
    <message>
        <source>Power direction</source>
        <translation>Направление мощности</translation>
    </message>
    <message>
        <source>Breaker</source>
        <translation>Автоматический выключатель</translation>
    </message>
    <message>
        <source>Measuring set</source>
        <translation>Измерительный комплекс</translation>
    </message>
    <message>
        <source>Wattmeter</source>
        <translation>Ваттметр</translation>
    </message>
    <message>
        <source>Milliammeter</source>
        <translation>Миллиамперметр</translation>
    </message>
    <message>
        <source>%1: %2, range %3</source>
        <extracomment>A pointer meter&apos;s reading: its label, what the pointer shows, its range.</extracomment>
        <translation>%1: %2, предел %3</translation>
    </message>
    <message>
        <source>%1: no number shown</source>
        <extracomment>A numeric display that is dark or shows an overflow.</extracomment>
        <translation>%1: число не показано</translation>
    </message>
</context>
<context>
    <name>ohmaris::Unit</name>
    <message>
        <source>A</source>
        <translation>А</translation>
    </message>
    <message>
        <source>mA</source>
        <translation>мА</translation>
    </message>
    <message>
        <source>V</source>
        <translation>В</translation>
    </message>
    <message>
        <source>W</source>
        <translation>Вт</translation>
    </message>
    <message>
        <source>mH</source>
        <translation>мГн</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Гн</translation>
    </message>
    <message>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <source>s</source>
        <translation>с</translation>
    </message>
    <message>
        <source>ms</source>
        <translation>мс</translation>
    </message>
    <message>
        <source>V/div</source>
        <translation>В/дел</translation>
    </message>
    <message>
        <source>mA/div</source>
        <translation>мА/дел</translation>
    </message>
    <message>
        <source>ms/div</source>
        <translation>мс/дел</translation>
    </message>
    <message>
        <source>Ohm</source>
        <translation>Ом</translation>
    </message>
    <message>
        <source>uF</source>
        <translation>мкФ</translation>
    </message>
    <message>
        <source>deg</source>
        <translation>°</translation>
    </message>
</context>
</TS>
