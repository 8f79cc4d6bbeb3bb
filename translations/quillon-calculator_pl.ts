<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>DisplayText</name>
    <message>
        <source>decimal</source>
        <translation>dziesiętny</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>szesnastkowy</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>ósemkowy</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>dwójkowy</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>stopnie</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radiany</translation>
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
        <translation>separator dziesiętny</translation>
    </message>
    <message>
        <source>add</source>
        <translation>dodawanie</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>odejmowanie</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>mnożenie</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>dzielenie</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>równa się</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>procent</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>pierwiastek kwadratowy</translation>
    </message>
    <message>
        <source>delete last digit</source>
        <translation>usuń ostatnią cyfrę</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>wyczyść</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>odwrotność</translation>
    </message>
    <message>
        <source>change of sign</source>
        <translation>zmiana znaku</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>silnia</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>stopnie</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radiany</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>arcus sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosinus</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arcus cosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangens</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>arcus tangens</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarytm dziesiętny</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 do potęgi x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarytm naturalny</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e do potęgi x</translation>
    </message>
    <message>
        <source>square</source>
        <translation>kwadrat</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>sześcian</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>pierwiastek sześcienny</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x do potęgi y</translation>
    </message>
    <message>
        <source>y-th root of x</source>
        <translation>pierwiastek stopnia y z x</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>wykładnik</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>nawias otwierający</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>ostatni wynik</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>nawias zamykający</translation>
    </message>
    <message>
        <source>decimal base</source>
        <translation>system dziesiętny</translation>
    </message>
    <message>
        <source>hexadecimal base</source>
        <translation>system szesnastkowy</translation>
    </message>
    <message>
        <source>binary base</source>
        <translation>system dwójkowy</translation>
    </message>
    <message>
        <source>octal base</source>
        <translation>system ósemkowy</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A key&apos;s tooltip: its function, then what it does after Shift.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>z Shift: %1</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Nazwa&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Kalkulator Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Wersja&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Producent&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Nazwa&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Kalkulator Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Wersja&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Producent&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Dzielenie przez zero</translation>
    </message>
    <message>
        <source>Invalid input for function</source>
        <translation>Nieprawidłowe dane</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>myMenu</source>
        <extracomment>The title of the window&apos;s one menu, which holds About.</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Scientific Calculator</source>
        <translation>Kalkulator naukowy</translation>
    </message>
    <message>
        <source>Standard calculator display</source>
        <translation>Wyświetlacz kalkulatora standardowego</translation>
    </message>
    <message>
        <source>Scientific calculator display</source>
        <translation>Wyświetlacz kalkulatora naukowego</translation>
    </message>
    <message>
        <source>Simple</source>
        <extracomment>The window&apos;s title while the standard calculator is on show.</extracomment>
        <translation>Standardowy</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start with a fresh calculator; the saved one stays in its file.</source>
        <translation>Uruchom z nowym kalkulatorem; zapisany pozostaje w swoim pliku.</translation>
    </message>
</context>
</TS>
