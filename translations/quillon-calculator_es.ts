<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>DisplayText</name>
    <message>
        <source>decimal</source>
        <translation>decimal</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>hexadecimal</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>octal</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>binario</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radianes</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>mayús</translation>
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
        <translation>separador decimal</translation>
    </message>
    <message>
        <source>add</source>
        <translation>más</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>menos</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>por</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>entre</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>igual</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>por ciento</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>raíz cuadrada</translation>
    </message>
    <message>
        <source>delete last digit</source>
        <translation>borrar el último dígito</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>borrar</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>recíproco</translation>
    </message>
    <message>
        <source>change of sign</source>
        <translation>cambio de signo</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorial</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>mayús</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>grados</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radianes</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>seno</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>arcoseno</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>coseno</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arcocoseno</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>arcotangente</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logaritmo decimal</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 elevado a x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logaritmo natural</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e elevado a x</translation>
    </message>
    <message>
        <source>square</source>
        <translation>cuadrado</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>cubo</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>raíz cúbica</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x elevado a y</translation>
    </message>
    <message>
        <source>y-th root of x</source>
        <translation>raíz y-ésima de x</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exponente</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>abrir paréntesis</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>último resultado</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>cerrar paréntesis</translation>
    </message>
    <message>
        <source>decimal base</source>
        <translation>base decimal</translation>
    </message>
    <message>
        <source>hexadecimal base</source>
        <translation>base hexadecimal</translation>
    </message>
    <message>
        <source>binary base</source>
        <translation>base binaria</translation>
    </message>
    <message>
        <source>octal base</source>
        <translation>base octal</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A key&apos;s tooltip: its function, then what it does after Shift.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>con mayús: %1</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Nombre&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Calculadora Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Versión&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Desarrollador&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Nombre&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Calculadora Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Versión&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Desarrollador&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>División por cero</translation>
    </message>
    <message>
        <source>Invalid input for function</source>
        <translation>Entrada no válida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>myMenu</source>
        <extracomment>The title of the window&apos;s one menu, which holds About.</extracomment>
        <translation>Menú</translation>
    </message>
    <message>
        <source>Scientific Calculator</source>
        <translation>Calculadora científica</translation>
    </message>
    <message>
        <source>Standard calculator display</source>
        <translation>Pantalla de la calculadora estándar</translation>
    </message>
    <message>
        <source>Scientific calculator display</source>
        <translation>Pantalla de la calculadora científica</translation>
    </message>
    <message>
        <source>Simple</source>
        <extracomment>The window&apos;s title while the standard calculator is on show.</extracomment>
        <translation>Estándar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start with a fresh calculator; the saved one stays in its file.</source>
        <translation>Empezar con una calculadora nueva; la guardada se queda en su archivo.</translation>
    </message>
</context>
</TS>
