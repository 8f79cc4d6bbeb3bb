<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>DisplayText</name>
    <message>
        <source>decimal</source>
        <translation>десятичная</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>шестнадцатеричная</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>восьмеричная</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>двоичная</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градусы</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>радианы</translation>
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
        <translation>десятичный разделитель</translation>
    </message>
    <message>
        <source>add</source>
        <translation>плюс</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>минус</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>умножить</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>разделить</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>равно</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>процент</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>квадратный корень</translation>
    </message>
    <message>
        <source>delete last digit</source>
        <translation>удалить последнюю цифру</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>очистить</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>обратная величина</translation>
    </message>
    <message>
        <source>change of sign</source>
        <translation>смена знака</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>факториал</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>градусы</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>радианы</translation>
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
        <translation>десятичный логарифм</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 в степени x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>натуральный логарифм</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e в степени x</translation>
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
        <translation>кубический корень</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x в степени y</translation>
    </message>
    <message>
        <source>y-th root of x</source>
        <translation>корень степени y из x</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>порядок</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>открывающая скобка</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>последний результат</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>закрывающая скобка</translation>
    </message>
    <message>
        <source>decimal base</source>
        <translation>десятичная система</translation>
    </message>
    <message>
        <source>hexadecimal base</source>
        <translation>шестнадцатеричная система</translation>
    </message>
    <message>
        <source>binary base</source>
        <translation>двоичная система</translation>
    </message>
    <message>
        <source>octal base</source>
        <translation>восьмеричная система</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A key&apos;s tooltip: its function, then what it does after Shift.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>с Shift: %1</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Название&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Калькулятор Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Версия&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Разработчик&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Закрыть</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Название&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Калькулятор Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Версия&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Разработчик&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Деление на ноль</translation>
    </message>
    <message>
        <source>Invalid input for function</source>
        <translation>Недопустимый ввод</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>myMenu</source>
        <extracomment>The title of the window&apos;s one menu, which holds About.</extracomment>
        <translation>Меню</translation>
    </message>
    <message>
        <source>Scientific Calculator</source>
        <translation>Инженерный калькулятор</translation>
    </message>
    <message>
        <source>Standard calculator display</source>
        <translation>Дисплей обычного калькулятора</translation>
    </message>
    <message>
        <source>Scientific calculator display</source>
        <translation>Дисплей инженерного калькулятора</translation>
    </message>
    <message>
        <source>Simple</source>
        <extracomment>The window&apos;s title while the standard calculator is on show.</extracomment>
        <translation>Обычный</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start with a fresh calculator; the saved one stays in its file.</source>
        <translation>Запустить с чистым калькулятором; сохранённый остаётся в своём файле.</translation>
    </message>
</context>
</TS>
