<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fi">
<context>
    <name>DisplayText</name>
    <message>
        <source>decimal</source>
        <translation>desimaali</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>heksadesimaali</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>oktaali</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>binääri</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>asteet</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radiaanit</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Vaihto</translation>
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
        <translation>desimaalierotin</translation>
    </message>
    <message>
        <source>add</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>miinus</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>kertaa</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>jaettuna</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>on yhtä kuin</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>prosentti</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>neliöjuuri</translation>
    </message>
    <message>
        <source>delete last digit</source>
        <translation>poista viimeinen numero</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>tyhjennä</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>käänteisluku</translation>
    </message>
    <message>
        <source>change of sign</source>
        <translation>etumerkin vaihto</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>kertoma</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Vaihto</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>asteet</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radiaanit</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sini</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>arkussini</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>kosini</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arkuskosini</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangentti</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>arkustangentti</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>kymmenkantainen logaritmi</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 potenssiin x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>luonnollinen logaritmi</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e potenssiin x</translation>
    </message>
    <message>
        <source>square</source>
        <translation>neliö</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>kuutio</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>kuutiojuuri</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x potenssiin y</translation>
    </message>
    <message>
        <source>y-th root of x</source>
        <translation>y:s juuri x:stä</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>eksponentti</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>vasen sulje</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>edellinen tulos</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>oikea sulje</translation>
    </message>
    <message>
        <source>decimal base</source>
        <translation>desimaalijärjestelmä</translation>
    </message>
    <message>
        <source>hexadecimal base</source>
        <translation>heksadesimaalijärjestelmä</translation>
    </message>
    <message>
        <source>binary base</source>
        <translation>binäärijärjestelmä</translation>
    </message>
    <message>
        <source>octal base</source>
        <translation>oktaalijärjestelmä</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A key&apos;s tooltip: its function, then what it does after Shift.</extracomment>
        <translation>%1; %2</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>vaihdolla: %1</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Nimi&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Quillon-laskin&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Versio&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Kehittäjä&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sulje</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Nimi&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Quillon-laskin&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Versio&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Kehittäjä&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Nollalla ei voi jakaa</translation>
    </message>
    <message>
        <source>Invalid input for function</source>
        <translation>Virheellinen syöte</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Tietoja</translation>
    </message>
    <message>
        <source>myMenu</source>
        <extracomment>The title of the window&apos;s one menu, which holds About.</extracomment>
        <translation>Valikko</translation>
    </message>
    <message>
        <source>Scientific Calculator</source>
        <translation>Funktiolaskin</translation>
    </message>
    <message>
        <source>Standard calculator display</source>
        <translation>Peruslaskimen näyttö</translation>
    </message>
    <message>
        <source>Scientific calculator display</source>
        <translation>Funktiolaskimen näyttö</translation>
    </message>
    <message>
        <source>Simple</source>
        <extracomment>The window&apos;s title while the standard calculator is on show.</extracomment>
        <translation>Peruslaskin</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start with a fresh calculator; the saved one stays in its file.</source>
        <translation>Käynnistä uudella laskimella; tallennettu jää tiedostoonsa.</translation>
    </message>
</context>
</TS>
