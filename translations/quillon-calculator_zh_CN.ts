<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>DisplayText</name>
    <message>
        <source>decimal</source>
        <translation>十进制</translation>
    </message>
    <message>
        <source>hexadecimal</source>
        <translation>十六进制</translation>
    </message>
    <message>
        <source>octal</source>
        <translation>八进制</translation>
    </message>
    <message>
        <source>binary</source>
        <translation>二进制</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>弧度</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>, </source>
        <extracomment>Between the modes a screen reader reads: &quot;decimal, degrees, shift&quot;.</extracomment>
        <translation>，</translation>
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
        <translation>加</translation>
    </message>
    <message>
        <source>subtract</source>
        <translation>减</translation>
    </message>
    <message>
        <source>multiply</source>
        <translation>乘</translation>
    </message>
    <message>
        <source>divide</source>
        <translation>除</translation>
    </message>
    <message>
        <source>equals</source>
        <translation>等于</translation>
    </message>
    <message>
        <source>percent</source>
        <translation>百分比</translation>
    </message>
    <message>
        <source>square root</source>
        <translation>平方根</translation>
    </message>
    <message>
        <source>delete last digit</source>
        <translation>删除最后一位</translation>
    </message>
    <message>
        <source>clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>reciprocal</source>
        <translation>倒数</translation>
    </message>
    <message>
        <source>change of sign</source>
        <translation>变号</translation>
    </message>
    <message>
        <source>factorial</source>
        <translation>阶乘</translation>
    </message>
    <message>
        <source>shift</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>degrees</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>radians</source>
        <translation>弧度</translation>
    </message>
    <message>
        <source>sine</source>
        <translation>正弦</translation>
    </message>
    <message>
        <source>arc sine</source>
        <translation>反正弦</translation>
    </message>
    <message>
        <source>cosine</source>
        <translation>余弦</translation>
    </message>
    <message>
        <source>arc cosine</source>
        <translation>反余弦</translation>
    </message>
    <message>
        <source>tangent</source>
        <translation>正切</translation>
    </message>
    <message>
        <source>arc tangent</source>
        <translation>反正切</translation>
    </message>
    <message>
        <source>common logarithm</source>
        <translation>常用对数</translation>
    </message>
    <message>
        <source>10 to the power x</source>
        <translation>10 的 x 次方</translation>
    </message>
    <message>
        <source>natural logarithm</source>
        <translation>自然对数</translation>
    </message>
    <message>
        <source>e to the power x</source>
        <translation>e 的 x 次方</translation>
    </message>
    <message>
        <source>square</source>
        <translation>平方</translation>
    </message>
    <message>
        <source>cube</source>
        <translation>立方</translation>
    </message>
    <message>
        <source>cube root</source>
        <translation>立方根</translation>
    </message>
    <message>
        <source>x to the power y</source>
        <translation>x 的 y 次方</translation>
    </message>
    <message>
        <source>y-th root of x</source>
        <translation>x 的 y 次方根</translation>
    </message>
    <message>
        <source>exponent</source>
        <translation>指数</translation>
    </message>
    <message>
        <source>open bracket</source>
        <translation>左括号</translation>
    </message>
    <message>
        <source>answer</source>
        <translation>上次结果</translation>
    </message>
    <message>
        <source>close bracket</source>
        <translation>右括号</translation>
    </message>
    <message>
        <source>decimal base</source>
        <translation>十进制</translation>
    </message>
    <message>
        <source>hexadecimal base</source>
        <translation>十六进制</translation>
    </message>
    <message>
        <source>binary base</source>
        <translation>二进制</translation>
    </message>
    <message>
        <source>octal base</source>
        <translation>八进制</translation>
    </message>
    <message>
        <source>%1; %2</source>
        <extracomment>A key&apos;s tooltip: its function, then what it does after Shift.</extracomment>
        <translation>%1；%2</translation>
    </message>
    <message>
        <source>with shift: %1</source>
        <translation>Shift 后：%1</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;名称&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Quillon 计算器&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;版本&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;开发者&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:20pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
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
&lt;table cellspacing=&quot;0&quot; cellpadding=&quot;0&quot;&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;名称&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Quillon 计算器&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;版本&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;1.1.5&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;tr&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;开发者&lt;/span&gt;&lt;/td&gt;&lt;td&gt;&lt;span style=&quot; font-size:26pt;&quot;&gt;&amp;nbsp;:&amp;nbsp;&amp;nbsp;Corvane&lt;/span&gt;&lt;/td&gt;&lt;/tr&gt;&lt;/table&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Cannot divide by zero</source>
        <translation>除数不能为零</translation>
    </message>
    <message>
        <source>Invalid input for function</source>
        <translation>输入无效</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>myMenu</source>
        <extracomment>The title of the window&apos;s one menu, which holds About.</extracomment>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Scientific Calculator</source>
        <translation>科学计算器</translation>
    </message>
    <message>
        <source>Standard calculator display</source>
        <translation>标准计算器显示屏</translation>
    </message>
    <message>
        <source>Scientific calculator display</source>
        <translation>科学计算器显示屏</translation>
    </message>
    <message>
        <source>Simple</source>
        <extracomment>The window&apos;s title while the standard calculator is on show.</extracomment>
        <translation>标准</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Start with a fresh calculator; the saved one stays in its file.</source>
        <translation>以新的计算器启动；已保存的计算保留在其文件中。</translation>
    </message>
</context>
</TS>
