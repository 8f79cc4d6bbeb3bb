<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>DisplayText</name>
    <message>
        <source>decimal</source>
        <translation>desítková</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>šestnáctková</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>osmičková</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>dvojková</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>stupně</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radiány</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the modes a screen reader reads: &quot;decimal, degrees, shift&quot;.</extracomment>
        <translation>, </translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>decimal point</source>
        <translation>desetinný oddělovač</translation>
    </message>
    <message>
        <source>add</source>
        <translation>sčítání</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>odčítání</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>násobení</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dělení</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>rovná se</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>procento</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>druhá odmocnina</translation>
    </message>
    <message>
        <source>delete last digit</source>
        <translation>smazat poslední číslici</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>vymazat</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>převrácená hodnota</translation>
    </message>
    <message>
        <source>change of sign</source>
        <translation>změna znaménka</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>faktoriál</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>stupně</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radiány</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>arkus sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>kosinus</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arkus kosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangens</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>arkus tangens</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>dekadický logaritmus</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 na x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>přirozený logaritmus</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e na x</translation>
    </message>
    <message>
        <source>square</source>
        <translation>druhá mocnina</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>třetí mocnina</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>třetí odmocnina</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x na y</translation>
    </message>
    <message>
        <source>y-th root of x</source>
        <translation>y-tá odmocnina z x</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exponent</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>levá závorka</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>poslední výsledek</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>pravá závorka</translation>
    </message>
    <message>
        <source>decimal base</source>
        <translation>desítková soustava</translation>
    </message>
    <message>
        <source>hexadecimal base</source>
        <translation>šestnáctková soustava</translation>
    </message>
    <message>
        <source>binary base</source>
        <translation>dvojková soustava</translation>
    </message>
    <message>
        <source>octal base</source>
        <translation>osmičková soustava</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A key&apos;s tooltip: its function, then what it does after Shift.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>se Shiftem: %1</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:18pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;App Name   	:  Quillon Calculator&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;App Version 	:  1.1.5&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Developer	:  Corvane&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:18pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Název&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Kalkulačka Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Verze&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Vývojář&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:18pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;App Name   	:  Quillon Calculator&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;App Version 	:  1.1.5&lt;/span&gt;&lt;/p&gt;
&lt;p style=&quot; margin-top:0px; margin-bottom:0px; margin-left:0px; margin-right:0px; -qt-block-indent:0; text-indent:0px;&quot;&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Developer		:  Corvane&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;!DOCTYPE HTML PUBLIC &quot;-//W3C//DTD HTML 4.0//EN&quot; &quot;http://www.w3.org/TR/REC-html40/strict.dtd&quot;&gt;
&lt;html&gt;&lt;head&gt;&lt;meta name=&quot;qrichtext&quot; content=&quot;1&quot; /&gt;&lt;style type=&quot;text/css&quot;&gt;
p, li { white-space: pre-wrap; }
&lt;/style&gt;&lt;/head&gt;&lt;body style=&quot; font-family:&apos;MS Shell Dlg 2&apos;; font-size:18pt; font-weight:400; font-style:normal;&quot;&gt;
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Název&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Kalkulačka Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Verze&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Vývojář&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Nelze dělit nulou</translation>
    </message>
    <message>
        <source>Invalid input for function</source>
        <translation>Neplatný vstup</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>myMenu</source>
        <extracomment>The title of the window&apos;s one menu, which holds About.</extracomment>
        <translation>Nabídka</translation>
    </message>
    <message>
        <source>Scientific Calculator</source>
        <translation>Vědecká kalkulačka</translation>
    </message>
    <message>
        <source>Standard calculator display</source>
        <translation>Displej standardní kalkulačky</translation>
    </message>
    <message>
        <source>Scientific calculator display</source>
        <translation>Displej vědecké kalkulačky</translation>
    </message>
    <message>
        <source>Simple</source>
        <extracomment>The window&apos;s title while the standard calculator is on show.</extracomment>
        <translation>Standardní</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start with a fresh calculator; the saved one stays in its file.</source>
        <translation>Spustit s novou kalkulačkou; uložená zůstane ve svém souboru.</translation>
    </message>
</context>
</TS>
