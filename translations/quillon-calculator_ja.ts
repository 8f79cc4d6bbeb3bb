<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>DisplayText</name>
    <message>
        <source>decimal</source>
        <translation>10 進</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>16 進</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>8 進</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>2 進</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>ラジアン</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the modes a screen reader reads: &quot;decimal, degrees, shift&quot;.</extracomment>
        <translation>、</translation>
    </message>
</context>
<context>
    <name>KeyTable</name>
    <message>
        <source>decimal point</source>
        <translation>小数点</translation>
    </message>
    <message>
        <source>add</source>
        <translation>プラス</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>マイナス</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>かける</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>割る</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>イコール</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>パーセント</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>delete last digit</source>
        <translation>最後の桁を削除</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>逆数</translation>
    </message>
    <message>
        <source>change of sign</source>
        <translation>符号の反転</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>階乗</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>シフト</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>度</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>ラジアン</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>サイン</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>アークサイン</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>コサイン</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>アークコサイン</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>タンジェント</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>アークタンジェント</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>常用対数</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 の x 乗</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>自然対数</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e の x 乗</translation>
    </message>
    <message>
        <source>square</source>
        <translation>2 乗</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>3 乗</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>立方根</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x の y 乗</translation>
    </message>
    <message>
        <source>y-th root of x</source>
        <translation>x の y 乗根</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>指数</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>開き括弧</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>前回の答え</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>閉じ括弧</translation>
    </message>
    <message>
        <source>decimal base</source>
        <translation>10 進数</translation>
    </message>
    <message>
        <source>hexadecimal base</source>
        <translation>16 進数</translation>
    </message>
    <message>
        <source>binary base</source>
        <translation>2 進数</translation>
    </message>
    <message>
        <source>octal base</source>
        <translation>8 進数</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A key&apos;s tooltip: its function, then what it does after Shift.</extracomment>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>シフト時: %1</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;名前&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Quillon 電卓&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;バージョン&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;開発元&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;名前&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Quillon 電卓&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;バージョン&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;開発元&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>0 で割ることはできません</translation>
    </message>
    <message>
        <source>Invalid input for function</source>
        <translation>無効な入力です</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>myMenu</source>
        <extracomment>The title of the window&apos;s one menu, which holds About.</extracomment>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Scientific Calculator</source>
        <translation>関数電卓</translation>
    </message>
    <message>
        <source>Standard calculator display</source>
        <translation>標準電卓の表示部</translation>
    </message>
    <message>
        <source>Scientific calculator display</source>
        <translation>関数電卓の表示部</translation>
    </message>
    <message>
        <source>Simple</source>
        <extracomment>The window&apos;s title while the standard calculator is on show.</extracomment>
        <translation>標準</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start with a fresh calculator; the saved one stays in its file.</source>
        <translation>新しい電卓で起動します。保存された計算はファイルに残ります。</translation>
    </message>
</context>
</TS>
