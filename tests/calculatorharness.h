#ifndef CALCULATORHARNESS_H
#define CALCULATORHARNESS_H

// Drives a real MainWindow through its keys, found by object name, and reads
// its displays back.

#include "displaytext.h"
#include "mainwindow.h"
#include "number.h"

#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFragment>
#include <QTextImageFormat>

class Calculator
{
public:
    enum Page { Standard = 0, Scientific = 1 };

    explicit Calculator(Page page)
        : m_page(page)
    {
        window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->setCurrentIndex(page);
        window.show();
    }

    Page page() const { return m_page; }

    // Presses and reads the keys and display of the other page from now on;
    // the page on show is left to the window.
    void usePage(Page page) { m_page = page; }

    QPushButton *key(const QString &name) const
    {
        auto *button = window.findChild<QPushButton *>(name);
        if (!button)
            qFatal("no key named %s", qPrintable(name));
        return button;
    }

    // Presses the keys of a space-separated sequence. A token of digits and
    // points types them one by one; other tokens are short key names of the
    // page (see the tables below) or object names. "(" and ")" press shift
    // and the bracket key.
    void press(const QString &sequence)
    {
        const QStringList tokens = sequence.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString &token : tokens) {
            if (isNumberToken(token)) {
                for (QChar c : token)
                    click(keyName(QString(c)));
            } else {
                for (const QString &name : keyName(token).split(QLatin1Char(' ')))
                    click(name);
            }
        }
    }

    void click(const QString &objectName)
    {
        QTest::mouseClick(key(objectName), Qt::LeftButton);
    }

    QTextEdit *display() const
    {
        return window.findChild<QTextEdit *>(m_page == Standard ? QStringLiteral("Simple_textEdit")
                                                                : QStringLiteral("Scientific_textEdit"));
    }

    // The number or message on show: the last line, without the hidden
    // characters that appending leaves in front of the number.
    QString shown() const
    {
        QString text = display()->document()->lastBlock().text();
        text.remove(QChar::ObjectReplacementCharacter);
        return text.trimmed();
    }

    bool rightAligned() const
    {
        const QTextDocument *doc = display()->document();
        return doc->lastBlock().blockFormat().alignment() & Qt::AlignRight;
    }

    // The images of the display document, in order.
    QStringList indicators() const
    {
        QStringList images;
        for (QTextBlock block = display()->document()->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                if (format.isImageFormat())
                    images << format.toImageFormat().name();
            }
        }
        return images;
    }

    // The indicators as their labels, for example "Dec Deg Shift".
    QString indicatorLabels() const
    {
        static const QHash<QString, QString> labels = {
            {":/images/Decimal.jpg", "Dec"}, {":/images/Hexadecimal.jpg", "Hex"},
            {":/images/Octal.jpg", "Oct"}, {":/images/Binary.jpg", "Bin"},
            {":/images/Degree.jpg", "Deg"}, {":/images/Radian.jpg", "Rad"},
            {":/images/Shift.jpg", "Shift"}};
        QStringList shown;
        for (const QString &image : indicators())
            shown << labels.value(image, image);
        return shown.join(QLatin1Char(' '));
    }

    // Object names of the page's disabled keys, sorted.
    QStringList disabledKeys() const
    {
        QStringList names;
        const QWidget *page = window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"))->widget(m_page);
        for (const QPushButton *button : page->findChildren<QPushButton *>()) {
            if (!button->isEnabled())
                names << button->objectName();
        }
        names.sort();
        return names;
    }

    // The object name of one of the page's short key names; any other token
    // is taken as an object name already.
    QString keyName(const QString &token) const
    {
        static const QHash<QString, QString> standard = {
            {"0", "btnZero"}, {"1", "btnOne"}, {"2", "btnTwo"}, {"3", "btnThree"},
            {"4", "btnFour"}, {"5", "btnFive"}, {"6", "btnSix"}, {"7", "btnSeven"},
            {"8", "btnEight"}, {"9", "btnNine"}, {".", "btnDot"}, {"+", "btnPlus"},
            {"-", "btnMinus"}, {"*", "btnTimes"}, {"/", "btnDivide"}, {"=", "btnEqual"},
            {"%", "btnPercent"}, {"sqrt", "btnSqrt"}, {"del", "btnDelete"}, {"CE", "btnCE"},
        };
        static const QHash<QString, QString> scientific = {
            {"0", "btnA_Zero"}, {"1", "btnB_One"}, {"2", "btnC_Two"}, {"3", "btnD_Three"},
            {"4", "btnE_Four"}, {"5", "btnF_Five"}, {"6", "btnXinv_Six"}, {"7", "btnPi_Seven"},
            {"8", "btnNegative_Eight"}, {"9", "btnXfactorial_Nine"}, {".", "btnDot_sci"},
            {"+", "btnPlus_sci"}, {"-", "btnMinus_sci"}, {"*", "btnTimes_sci"},
            {"/", "btnDivide_sci"}, {"=", "btnEqual_sci"}, {"del", "btnDelete_sci"},
            {"CE", "btnCE_sci"}, {"shift", "btnShift"}, {"deg", "btnRad_Deg"},
            {"sin", "btnSin"}, {"cos", "btnCos"}, {"tan", "btnTan"}, {"log", "btn10x_Log"},
            {"ln", "btnex_ln"}, {"sq", "btnSqrt_Square"}, {"cube", "btnXcuberoot_Xcube"},
            {"xy", "btnXroot_Xy"}, {"E", "btnExp_OpenBracket"}, {"ans", "btnAns_CloseBracket"},
            {"hex", "btnHex_Dec"}, {"bin", "btnOct_Bin"},
            // The brackets are shifted keys.
            {"(", "btnShift btnExp_OpenBracket"}, {")", "btnShift btnAns_CloseBracket"},
        };
        const auto &names = m_page == Standard ? standard : scientific;
        return names.value(token, token);
    }

    MainWindow window;

private:
    static bool isNumberToken(const QString &token)
    {
        for (QChar c : token) {
            if (!c.isDigit() && c != QLatin1Char('.'))
                return false;
        }
        return true;
    }

    Page m_page;
};

// Calculations alike, their numbers compared as values: once a key has
// worked on it, a real read back from its ball agrees with the real it was
// saved from as far as the cap tells, not bit for bit.
inline bool sameValues(const QJsonValue &a, const QJsonValue &b)
{
    if (a.isObject() && b.isObject()) {
        const QJsonObject x = a.toObject();
        const QJsonObject y = b.toObject();
        if (x.keys() != y.keys())
            return false;
        for (const QString &key : x.keys()) {
            if (!sameValues(x.value(key), y.value(key)))
                return false;
        }
        return true;
    }
    if (a.isArray() && b.isArray()) {
        const QJsonArray x = a.toArray();
        const QJsonArray y = b.toArray();
        for (qsizetype i = 0; i < x.size() && x.size() == y.size(); ++i) {
            if (!sameValues(x.at(i), y.at(i)))
                return false;
        }
        return x.size() == y.size();
    }
    const std::optional<Number> x = Number::parse(a.toString());
    const std::optional<Number> y = Number::parse(b.toString());
    if (a.isString() && b.isString() && x && y)
        return *x == *y;
    return a == b;
}

// A window given this calculator's calculation, as the state file keeps
// it, shows the same and goes on the same with the keys `next`.
inline void checkRestoredWhole(Calculator &calculator, const QString &next)
{
    Calculator copy(calculator.page());
    QCOMPARE(copy.window.restoreCalculation(calculator.window.calculation()), QString());
    QCOMPARE(copy.window.calculation(), calculator.window.calculation());
    QCOMPARE(copy.shown(), calculator.shown());
    QCOMPARE(copy.indicatorLabels(), calculator.indicatorLabels());
    QCOMPARE(copy.disabledKeys(), calculator.disabledKeys());
    calculator.press(next);
    copy.press(next);
    QCOMPARE(copy.shown(), calculator.shown());
    QVERIFY2(sameValues(copy.window.calculation(), calculator.window.calculation()),
             QJsonDocument(copy.window.calculation()).toJson().left(2000).constData());
}

#endif // CALCULATORHARNESS_H
