<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>ohmaris::CoilCapacitorBench</name>
    <message>
        <source>Variant selector</source>
        <translation>Переключатель вариантов</translation>
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
    <name>ohmaris::LabWindow</name>
    <message>
        <source>Close the lab window</source>
        <translation>Закрыть окно лабораторной работы</translation>
    </message>
    <message>
        <source>Schematic</source>
        <translation>Схема</translation>
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
</TS>
