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
</TS>
