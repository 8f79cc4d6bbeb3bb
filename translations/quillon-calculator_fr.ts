<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>DisplayText</name>
    <message>
        <source>decimal</source>
        <translation>décimal</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>hexadécimal</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>octal</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>binaire</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radians</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Maj</translation>
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
        <translation>séparateur décimal</translation>
    </message>
    <message>
        <source>add</source>
        <translation>plus</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>moins</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>multiplié par</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>divisé par</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>égal</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>pour cent</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>racine carrée</translation>
    </message>
    <message>
        <source>delete last digit</source>
        <translation>effacer le dernier chiffre</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>inverse</translation>
    </message>
    <message>
        <source>change of sign</source>
        <translation>changement de signe</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>factorielle</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Maj</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>degrés</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>radians</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>sinus</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>arc sinus</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>cosinus</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>arc cosinus</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>tangente</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>arc tangente</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>logarithme décimal</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 puissance x</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>logarithme népérien</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e puissance x</translation>
    </message>
    <message>
        <source>square</source>
        <translation>carré</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>au cube</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>racine cubique</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x puissance y</translation>
    </message>
    <message>
        <source>y-th root of x</source>
        <translation>racine y-ième de x</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>exposant</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>parenthèse ouvrante</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>dernier résultat</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>parenthèse fermante</translation>
    </message>
    <message>
        <source>decimal base</source>
        <translation>base décimale</translation>
    </message>
    <message>
        <source>hexadecimal base</source>
        <translation>base hexadécimale</translation>
    </message>
    <message>
        <source>binary base</source>
        <translation>base binaire</translation>
    </message>
    <message>
        <source>octal base</source>
        <translation>base octale</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A key&apos;s tooltip: its function, then what it does after Shift.</extracomment>
        <translation>%1 ; %2</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>avec Maj : %1</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Nom&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Calculatrice Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Version&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;Développeur&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Nom&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Calculatrice Quillon&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Version&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;Développeur&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>Division par zéro impossible</translation>
    </message>
    <message>
        <source>Invalid input for function</source>
        <translation>Entrée non valide</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>myMenu</source>
        <extracomment>The title of the window&apos;s one menu, which holds About.</extracomment>
        <translation>Menu</translation>
    </message>
    <message>
        <source>Scientific Calculator</source>
        <translation>Calculatrice scientifique</translation>
    </message>
    <message>
        <source>Standard calculator display</source>
        <translation>Affichage de la calculatrice standard</translation>
    </message>
    <message>
        <source>Scientific calculator display</source>
        <translation>Affichage de la calculatrice scientifique</translation>
    </message>
    <message>
        <source>Simple</source>
        <extracomment>The window&apos;s title while the standard calculator is on show.</extracomment>
        <translation>Standard</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start with a fresh calculator; the saved one stays in its file.</source>
        <translation>Démarrer avec une calculatrice vierge ; celle enregistrée reste dans son fichier.</translation>
    </message>
</context>
</TS>
