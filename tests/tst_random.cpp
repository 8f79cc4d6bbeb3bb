// Random key sequences on both pages, with screen turns and about pages in
// between, checking after every step what must always hold. A failure prints
// its seed and the steps so far; RANDOM_SEED and RANDOM_SEQUENCES replay or
// widen the run.

#include "numbertext.h"
#include "scientificchecks.h"
#include "screenturn.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>

#include <cmath>
#include <random>

namespace {

const int stepsPerSequence = 60;

QStringList disabledKeys(const QWidget *page)
{
    QStringList names;
    for (const QPushButton *key : page->findChildren<QPushButton *>()) {
        if (!key->isEnabled())
            names << key->objectName();
    }
    names.sort();
    return names;
}

QStringList images(const QTextEdit *display)
{
    QStringList names;
    for (QTextBlock block = display->document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (it.fragment().charFormat().isImageFormat())
                names << it.fragment().charFormat().toImageFormat().name();
        }
    }
    return names;
}

QString shownText(const QTextEdit *display)
{
    QString text = display->document()->lastBlock().text();
    text.remove(QChar::ObjectReplacementCharacter);
    return text.trimmed();
}

QString imageOf(const QString &indicator)
{
    static const QRegularExpression source(QStringLiteral("src=\"([^\"]+)\""));
    return source.match(indicator).captured(1);
}

// The state that the clear key of each page must bring back.
QString standardState(const MainWindow &w, const QWidget *page, const QTextEdit *display)
{
    return QStringList{QString::number(w.Simple_TextLength), w.Value1.toExactText(),
                       w.Value2.toExactText(), QString::number(w.PendingOperator),
                       QString::number(w.CheckingOperator), QString::number(w.EqualOperator),
                       QString::number(w.DeleteOperator), QString::number(w.DotOperator), w.Operator,
                       display->toHtml(), disabledKeys(page).join(',')}
            .join('|');
}

QString scientificState(const MainWindow &w, const QWidget *page, const QTextEdit *display)
{
    return QStringList{QString::number(w.Sci_TextLength), w.Sci_Value1.toExactText(),
                       w.Sci_Value2.toExactText(), w.Sci_Ans.toExactText(),
                       w.Sci_FirstValue.toExactText(), QString::number(w.Sci_PendingOperator),
                       QString::number(w.Sci_CheckingOperator), QString::number(w.Sci_EqualOperator),
                       QString::number(w.Sci_DeleteOperator), QString::number(w.Sci_DotOperator),
                       QString::number(w.ShiftOperator), QString::number(w.shiftNum),
                       QString::number(w.AngleOperator), QString::number(w.Hex_DecOperator),
                       QString::number(w.BracketOperator), w.Sci_Operator, w.Sci_BracketOperator,
                       w.NumConversionText, w.AngleText, w.ShiftText, display->toHtml(),
                       disabledKeys(page).join(',')}
            .join('|');
}

class Run
{
public:
    Run(quint32 seed, const MainWindow &fresh)
        : m_random(seed)
        , m_seed(seed)
        , m_fresh(fresh)
    {
        m_window.show();
        m_pages = m_window.findChild<QStackedWidget *>("stackedWidget");
        m_about = m_window.menuBar()->actions().first()->menu()->actions().first();
    }

    // Runs the steps; returns an empty string or what went wrong, with the
    // steps that led there.
    QString go()
    {
        for (int step = 0; step < stepsPerSequence; ++step) {
            const QString problem = takeStep();
            if (!problem.isEmpty())
                return QStringLiteral("seed %1: %2\n  steps: %3").arg(m_seed).arg(problem, m_steps.join(' '));
        }
        return QString();
    }

private:
    int below(int n) { return std::uniform_int_distribution<int>(0, n - 1)(m_random); }

    QString takeStep()
    {
        const int page = m_pages->currentIndex();
        if (page >= 2 || below(100) < 4)
            return changePage(page);

        QWidget *shown = m_pages->currentWidget();
        const QList<QPushButton *> keys = shown->findChildren<QPushButton *>();
        QPushButton *key = keys.at(below(int(keys.size())));
        m_steps << key->objectName();
        auto *display = page == 0 ? standardDisplay() : scientificDisplay();
        const QString before = display->toHtml();
        const bool enabled = key->isEnabled();
        const Number answerBefore = m_window.Sci_Ans;
        const QString shownBefore = shownText(scientificDisplay());
        // A refused exponent mark must change nothing at all.
        const bool mark = key->objectName() == QLatin1String("btnExp_OpenBracket") && !m_window.ShiftOperator;
        const QString stateBefore = mark ? scientificState(m_window, shown, display) : QString();
        const QString pendingBefore = pendingOperation();
        const QString baseBefore = m_window.NumConversionText;
        const bool baseKey = key->objectName() == QLatin1String("btnHex_Dec")
                || key->objectName() == QLatin1String("btnOct_Bin");
        const double valueBefore = baseKey ? shownValue() : 0.0;
        QTest::mouseClick(key, Qt::LeftButton);
        if (oneOperandKey(key) && !pendingBefore.isEmpty() && pendingOperation() != pendingBefore)
            return QStringLiteral("a one-operand key changed the pending operation %1 into %2")
                    .arg(pendingBefore, pendingOperation());
        if (baseKey && m_window.NumConversionText != baseBefore && below(2)) {
            const QString problem = changeBaseBack(baseBefore, valueBefore, pendingBefore);
            if (!problem.isEmpty())
                return problem;
        }
        if (mark && display->toHtml() == before && scientificState(m_window, shown, display) != stateBefore)
            return QStringLiteral("a refused exponent mark changed the state");

        if (!enabled && display->toHtml() != before)
            return QStringLiteral("the disabled key %1 changed the display").arg(key->objectName());
        if (key->objectName() == QLatin1String("btnCE")
            && standardState(m_window, shown, display) != standardState(m_fresh, freshPage(0), freshDisplay(0)))
            return QStringLiteral("clear did not restore the standard page");
        if (key->objectName() == QLatin1String("btnCE_sci")
            && scientificState(m_window, shown, display) != scientificState(m_fresh, freshPage(1), freshDisplay(1)))
            return QStringLiteral("clear did not restore the scientific page");
        QString problem = checkStandard();
        if (problem.isEmpty())
            problem = checkScientific();
        if (problem.isEmpty() && page == 1)
            problem = checkAnswer(key->objectName(), answerBefore, shownBefore);
        return problem;
    }

    // The number on show on the scientific page; nan where it is none or
    // does not fit the integer bases.
    double shownValue() const
    {
        const MainWindow &w = m_window;
        const QString shown = shownText(scientificDisplay());
        if (w.NumConversionText != DisplayText::decimalImage) {
            bool valid = false;
            const int radix = w.NumConversionText == DisplayText::hexadecimalImage ? 16
                    : w.NumConversionText == DisplayText::octalImage ? 8 : 2;
            const int value = NumberText::readInteger(shown, radix, &valid);
            return valid ? value : std::nan("");
        }
        // A base key converts a result from its full value.
        const Number value = w.Sci_ShownValue ? *w.Sci_ShownValue : Number::fromText(shown);
        const auto fitsInt = [](const Number &number) {
            return number.isInteger() && Number(number.toInt32()) == number;
        };
        bool fits = fitsInt(value) && (w.Sci_Operator.isEmpty() || fitsInt(w.Sci_Value1))
                && fitsInt(w.Sci_FirstValue);
        for (const MainWindow::SavedOperation &saved : w.Sci_OuterBrackets)
            fits = fits && fitsInt(saved.leftOperand);
        return fits && shown != QLatin1String("(") ? value.toInt32() : std::nan("");
    }

    // Presses the key of the base just left; the value on show and the
    // pending operation must be as they were.
    QString changeBaseBack(const QString &base, double value, const QString &pending)
    {
        if (std::isnan(value))
            return QString();
        const bool shifted = base == DisplayText::hexadecimalImage || base == DisplayText::octalImage;
        const bool hexDec = base == DisplayText::hexadecimalImage || base == DisplayText::decimalImage;
        QStringList keys = {hexDec ? "btnHex_Dec" : "btnOct_Bin"};
        if (shifted)
            keys.prepend("btnShift");
        for (const QString &name : keys) {
            m_steps << name;
            QTest::mouseClick(m_window.findChild<QPushButton *>(name), Qt::LeftButton);
        }
        if (shownValue() != value || pendingOperation() != pending)
            return QStringLiteral("a base key there and back turned %1 (%2) into %3 (%4)")
                    .arg(value).arg(pending).arg(shownValue()).arg(pendingOperation());
        return QString();
    }

    // Square root, percent, the functions and the shifted digit keys work on
    // the number on show alone.
    bool oneOperandKey(const QPushButton *key) const
    {
        static const QStringList keys = {"btnSqrt", "btnPercent", "btnSin", "btnCos", "btnTan",
                                         "btn10x_Log", "btnex_ln", "btnSqrt_Square",
                                         "btnXcuberoot_Xcube"};
        static const QStringList shiftedDigits = {"btnXinv_Six", "btnPi_Seven", "btnNegative_Eight",
                                                  "btnXfactorial_Nine"};
        return keys.contains(key->objectName())
                || (m_window.ShiftOperator && shiftedDigits.contains(key->objectName()));
    }

    // A value as the keys take it: one whose ball holds a whole number
    // alone is that number.
    static QString valueText(const Number &value)
    {
        const bool whole = value.isInteger() && Number(value.toInt32()) == value;
        return whole ? QString::number(value.toInt32()) : value.toExactText();
    }

    // The pending operation of the page on show with its left operand; empty
    // while nothing is pending.
    QString pendingOperation() const
    {
        const MainWindow &w = m_window;
        if (m_pages->currentIndex() == 0)
            return w.Operator.isEmpty() ? QString() : w.Operator + ' ' + valueText(w.Value1);
        if (w.Sci_Operator.isEmpty())
            return QString();
        const QString left = w.NumConversionText == DisplayText::decimalImage
                ? valueText(w.Sci_Value1)
                : QString::number(w.Sci_IntValue1);
        return w.Sci_Operator + ' ' + left + ' ' + w.Sci_BracketOperator + ' '
                + valueText(w.Sci_FirstValue);
    }

    QString changePage(int page)
    {
        static const QSize shapes[] = {{480, 800}, {800, 480}, {700, 700}, {600, 1024}};
        const int choice = below(page >= 2 ? 4 : 3);
        if (choice == 0 && page >= 2) {
            m_steps << QStringLiteral("close");
            const char *close = page == 2 ? "Simple_CloseButton" : "Scientific_CloseButton";
            QTest::mouseClick(m_window.findChild<QPushButton *>(close), Qt::LeftButton);
        } else if (choice == 1) {
            m_steps << QStringLiteral("about");
            m_about->trigger();
        } else {
            const QSize shape = shapes[below(4)];
            m_steps << QStringLiteral("screen:%1x%2").arg(shape.width()).arg(shape.height());
            turnScreen(shape);
        }
        return checkStandard() + checkScientific();
    }

    QTextEdit *standardDisplay() const { return m_window.findChild<QTextEdit *>("Simple_textEdit"); }
    QTextEdit *scientificDisplay() const { return m_window.findChild<QTextEdit *>("Scientific_textEdit"); }
    const QWidget *freshPage(int index) const { return m_fresh.findChild<QStackedWidget *>("stackedWidget")->widget(index); }
    const QTextEdit *freshDisplay(int index) const
    {
        return m_fresh.findChild<QTextEdit *>(index == 0 ? "Simple_textEdit" : "Scientific_textEdit");
    }

    QString checkStandard() const
    {
        static const QRegularExpression number(
                QStringLiteral("^-?([0-9]+\\.?[0-9]*(e[+-][0-9]+)?|inf)$"));
        const QString shown = shownText(standardDisplay());
        const QStringList disabled = disabledKeys(m_pages->widget(0));
        if (disabled.contains(QLatin1String("btnCE")))
            return QStringLiteral("the standard clear key is disabled");
        if (shown == DisplayText::divideByZero || shown == DisplayText::invalidInput) {
            if (disabled.size() != 19)
                return QStringLiteral("the standard page shows its message but is not locked");
        } else if (!number.match(shown).hasMatch()) {
            return QStringLiteral("the standard page shows \"%1\"").arg(shown);
        } else if (!disabled.isEmpty()) {
            return QStringLiteral("the standard page is locked without a message");
        }
        return QString();
    }

    QString checkScientific() const
    {
        const MainWindow &w = m_window;
        const QTextEdit *display = scientificDisplay();
        const QString shown = shownText(display);
        const QStringList disabled = disabledKeys(m_pages->widget(1));
        if (disabled.contains(QLatin1String("btnCE_sci")))
            return QStringLiteral("the clear key is disabled");

        if (w.ShiftOperator != (w.shiftNum % 2 == 1)
            || w.ShiftOperator != (w.ShiftText == DisplayText::shiftImage))
            return QStringLiteral("the shift state and its image disagree");
        if (w.AngleOperator != (w.AngleText == DisplayText::radianImage))
            return QStringLiteral("the angle and its image disagree");
        QStringList expected = {imageOf(w.NumConversionText), imageOf(w.AngleText)};
        if (!w.ShiftText.isEmpty())
            expected << imageOf(w.ShiftText);
        if (images(display) != expected)
            return QStringLiteral("the display shows the indicators %1").arg(images(display).join(','));

        const bool message = shown == QLatin1String("Cannot divide by zero")
                || shown == QLatin1String("Invalid input for function");
        if (message)
            return disabled == scientificDisabledKeys("locked")
                    ? QString()
                    : QStringLiteral("the scientific page shows a message but is not locked");

        static const QRegularExpression decimal(QStringLiteral(
                "^(-?[0-9]+\\.?[0-9]*(E-?[0-9]*|e[+-][0-9]+)?|-?inf|\\()$"));
        static const QRegularExpression hexadecimal(QStringLiteral("^[0-9A-F]+$"));
        static const QRegularExpression octal(QStringLiteral("^[0-7]+$"));
        static const QRegularExpression binary(QStringLiteral("^[01]+$"));
        const QRegularExpression *pattern = &decimal;
        QString keys;
        if (w.NumConversionText == DisplayText::hexadecimalImage) {
            pattern = &hexadecimal;
            keys = QStringLiteral("hex");
        } else if (w.NumConversionText == DisplayText::octalImage) {
            pattern = &octal;
            keys = QStringLiteral("oct");
        } else if (w.NumConversionText == DisplayText::binaryImage) {
            pattern = &binary;
            keys = QStringLiteral("bin");
        }
        if (!pattern->match(shown).hasMatch())
            return QStringLiteral("the scientific page shows \"%1\"").arg(shown);
        if (disabled != scientificDisabledKeys(keys))
            return QStringLiteral("the keys disabled are %1").arg(disabled.join(','));
        return QString();
    }

    // In decimal base the answer memory holds results only: whenever a key
    // changes it, the display shows the new value. Equals shows the answer,
    // unless it had nothing to compute and left the number on show (written
    // to 14 digits at most), and never leaves an exponent mark.
    QString checkAnswer(const QString &key, const Number &answerBefore, const QString &shownBefore) const
    {
        const MainWindow &w = m_window;
        const QString shown = shownText(scientificDisplay());
        if (w.NumConversionText != DisplayText::decimalImage || shown == DisplayText::divideByZero
            || shown == DisplayText::invalidInput)
            return QString();
        const QString answer = w.Sci_Ans.toText(14);
        const bool answerChanged = answer != answerBefore.toText(14);
        if (answerChanged && shown != answer)
            return QStringLiteral("the answer memory became %1 while the display shows %2").arg(answer, shown);
        if (key != QLatin1String("btnEqual_sci"))
            return QString();
        if (shown.contains(QLatin1Char('E')))
            return QStringLiteral("equals left the exponent mark in \"%1\"").arg(shown);
        const QString valueBefore = Number::fromText(shownBefore).toText(14);
        if (shown != answer && shown != shownBefore && shown != valueBefore)
            return QStringLiteral("equals turned \"%1\" into \"%2\" with the answer memory at %3")
                    .arg(shownBefore, shown, answer);
        return QString();
    }

    std::mt19937 m_random;
    quint32 m_seed;
    const MainWindow &m_fresh;
    MainWindow m_window;
    QStackedWidget *m_pages = nullptr;
    QAction *m_about = nullptr;
    QStringList m_steps;
};

} // namespace

class TestRandom : public QObject
{
    Q_OBJECT

private slots:
    void randomSequences();
};

void TestRandom::randomSequences()
{
    const quint32 firstSeed = qEnvironmentVariableIsSet("RANDOM_SEED")
            ? qEnvironmentVariable("RANDOM_SEED").toUInt()
            : 20261207u;
    const int sequences = qEnvironmentVariableIsSet("RANDOM_SEQUENCES")
            ? qEnvironmentVariableIntValue("RANDOM_SEQUENCES")
            : 2000;

    turnScreen({800, 480});
    MainWindow fresh;
    for (int i = 0; i < sequences; ++i) {
        turnScreen({800, 480});
        Run run(firstSeed + quint32(i), fresh);
        const QString problem = run.go();
        if (!problem.isEmpty())
            QFAIL(qPrintable(problem));
    }
}

QTEST_MAIN(TestRandom)
#include "tst_random.moc"
