<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>SettingFacts</name>
    <message numerus="yes">
        <source>A number of up to %n characters with three decimals.</source>
        <translation>
            <numerusform>A number of up to %n character with three decimals.</numerusform>
            <numerusform>A number of up to %n characters with three decimals.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters can be typed.</source>
        <translation>
            <numerusform>Up to %n character can be typed.</numerusform>
            <numerusform>Up to %n characters can be typed.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Up to %n characters.</source>
        <translation>
            <numerusform>Up to %n character.</numerusform>
            <numerusform>Up to %n characters.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Units</name>
    <message numerus="yes">
        <source>%n min</source>
        <translation>
            <numerusform>%n min</numerusform>
            <numerusform>%n min</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n ms</source>
        <translation>
            <numerusform>%n ms</numerusform>
            <numerusform>%n ms</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hour(s)</source>
        <translation>
            <numerusform>%n hour</numerusform>
            <numerusform>%n hours</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trv</name>
    <message numerus="yes">
        <source>Another program is working in the folder %1.
Waiting for it to finish: at most %n more second(s).</source>
        <translation>
            <numerusform>Another program is working in the folder %1.
Waiting for it to finish: at most %n more second.</numerusform>
            <numerusform>Another program is working in the folder %1.
Waiting for it to finish: at most %n more seconds.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n value(s) in TARVO.INI could not be used and were replaced; OK will write the replacements.</source>
        <translation>
            <numerusform>%n value in TARVO.INI could not be used and was replaced; OK will write the replacement.</numerusform>
            <numerusform>%n values in TARVO.INI could not be used and were replaced; OK will write the replacements.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The audio output cannot play %1 Hz with %n channel(s)</source>
        <translation>
            <numerusform>The audio output cannot play %1 Hz with %n channel</numerusform>
            <numerusform>The audio output cannot play %1 Hz with %n channels</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trv::QrgEdit</name>
    <message numerus="yes">
        <source>a number of at most %n characters with three decimals</source>
        <translation>
            <numerusform>a number of at most %n character with three decimals</numerusform>
            <numerusform>a number of at most %n characters with three decimals</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trv::TEditSectionForm</name>
    <message numerus="yes">
        <source>TARVO.INI can hold at most %n line(s) in one block, and this block has %1. Please shorten it.</source>
        <translation>
            <numerusform>TARVO.INI can hold at most %n line in one block, and this block has %1. Please shorten it.</numerusform>
            <numerusform>TARVO.INI can hold at most %n lines in one block, and this block has %1. Please shorten it.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>trv::TncPage</name>
    <message numerus="yes">
        <source>%n chars</source>
        <translation>
            <numerusform>%n char</numerusform>
            <numerusform>%n chars</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n channel(s)</source>
        <translation>
            <numerusform>%n channel</numerusform>
            <numerusform>%n channels</numerusform>
        </translation>
    </message>
</context>
</TS>
