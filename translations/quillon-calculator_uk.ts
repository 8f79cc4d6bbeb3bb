<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="uk">
<context>
    <name>DisplayText</name>
    <message>
        <source>decimal</source>
        <translation>десяткова</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>шістнадцяткова</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>вісімкова</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>двійкова</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градуси</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>радіани</translation>
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
        <translation>десятковий роздільник</translation>
    </message>
    <message>
        <source>add</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>мінус</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>помножити</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>поділити</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>дорівнює</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>відсоток</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>квадратний корінь</translation>
    </message>
    <message>
        <source>delete last digit</source>
        <translation>видалити останню цифру</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>очистити</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>обернене значення</translation>
    </message>
    <message>
        <source>change of sign</source>
        <translation>зміна знака</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>факторіал</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градуси</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>радіани</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>синус</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>арксинус</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>косинус</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>арккосинус</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>тангенс</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>арктангенс</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>десятковий логарифм</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 у степені x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>натуральний логарифм</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e у степені x</translation>
    </message>
    <message>
        <source>square</source>
        <translation>квадрат</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>куб</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>кубічний корінь</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x у степені y</translation>
    </message>
    <message>
        <source>y-th root of x</source>
        <translation>корінь степеня y з x</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>порядок</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>відкривна дужка</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>останній результат</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>закривна дужка</translation>
    </message>
    <message>
        <source>decimal base</source>
        <translation>десяткова система</translation>
    </message>
    <message>
        <source>hexadecimal base</source>
        <translation>шістнадцяткова система</translation>
    </message>
    <message>
        <source>binary base</source>
        <translation>двійкова система</translation>
    </message>
    <message>
        <source>octal base</source>
        <translation>вісімкова система</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A key&apos;s tooltip: its function, then what it does after Shift.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>із Shift: %1</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Назва&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Калькулятор Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Версія&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Розробник&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрити</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Назва&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Калькулятор Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Версія&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Розробник&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Ділення на нуль</translation>
    </message>
    <message>
        <source>Invalid input for function</source>
        <translation>Неприпустимий ввід</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Про програму</translation>
    </message>
    <message>
        <source>myMenu</source>
        <extracomment>The title of the window&apos;s one menu, which holds About.</extracomment>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Scientific Calculator</source>
        <translation>Інженерний калькулятор</translation>
    </message>
    <message>
        <source>Standard calculator display</source>
        <translation>Дисплей звичайного калькулятора</translation>
    </message>
    <message>
        <source>Scientific calculator display</source>
        <translation>Дисплей інженерного калькулятора</translation>
    </message>
    <message>
        <source>Simple</source>
        <extracomment>The window&apos;s title while the standard calculator is on show.</extracomment>
        <translation>Звичайний</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start with a fresh calculator; the saved one stays in its file.</source>
        <translation>Запустити з чистим калькулятором; збережений лишається у своєму файлі.</translation>
    </message>
</context>
</TS>
