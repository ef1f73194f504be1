<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
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
