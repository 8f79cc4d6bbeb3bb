#include "accessibledisplay.h"
#include "scientificchecks.h"
#include "scientificsequences.h"
#include "standardsequences.h"

#include <QAccessible>
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QClipboard>
#include <QGuiApplication>

namespace {

// The keyboard keys a user types for the harness's on-screen key names, as
// the README's keyboard table documents them.
QString keyboardKey(Calculator::Page page, const QString &token)
{
    static const QHash<QString, QString> common = {
        {"del", "Backspace"}, {"CE", "Esc"}, {"=", "="}, {"+", "+"}, {"-", "-"},
        {"*", "*"}, {"/", "/"}, {".", "."}};
    static const QHash<QString, QString> standard = {{"%", "%"}, {"sqrt", "@"}};
    static const QHash<QString, QString> scientific = {
        {"shift", "i"}, {"deg", "d"}, {"sin", "s"}, {"cos", "c"}, {"tan", "t"},
        {"log", "l"}, {"ln", "n"}, {"sq", "q"}, {"cube", "#"}, {"xy", "^"}, {"E", "e"},
        {"ans", "a"}, {"hex", "F6"}, {"bin", "F8"}, {"(", "("}, {")", ")"}};
    if (token.size() == 1 && token.at(0).isDigit())
        return token;
    const auto &own = page == Calculator::Standard ? standard : scientific;
    const QString key = own.value(token, common.value(token));
    if (key.isEmpty())
        qFatal("no keyboard key for %s", qPrintable(token));
    return key;
}

void typeKey(QWidget *target, const QString &key)
{
    static const QHash<QString, Qt::Key> named = {
        {"Return", Qt::Key_Return}, {"Enter", Qt::Key_Enter}, {"Backspace", Qt::Key_Backspace},
        {"Esc", Qt::Key_Escape}, {"F5", Qt::Key_F5}, {"F6", Qt::Key_F6}, {"F7", Qt::Key_F7},
        {"F8", Qt::Key_F8}, {"F9", Qt::Key_F9}};
    if (named.contains(key))
        QTest::keyClick(target, named.value(key));
    else
        QTest::keyClick(target, key.at(0).toLatin1());
}

// Types an on-screen key sequence of the harness on the keyboard.
void typeSequence(Calculator &calculator, Calculator::Page page, const QString &keys)
{
    for (const QString &token : keys.split(' ', Qt::SkipEmptyParts)) {
        const bool number = token.size() > 1 && token.at(0).isDigit();
        for (const QString &part : number ? token.split(QString(), Qt::SkipEmptyParts) : QStringList{token})
            typeKey(&calculator.window, keyboardKey(page, part));
    }
}

// What the page shows and its state; a refused paste must leave all of it.
QString snapshot(const Calculator &calculator)
{
    const MainWindow &w = calculator.window;
    return calculator.display()->toHtml()
            + QString(" %1 %2 %3 %4 %5 %6 %7 %8 %9")
                      .arg(w.Simple_TextLength).arg(w.PendingOperator).arg(w.CheckingOperator)
                      .arg(w.DeleteOperator).arg(w.DotOperator).arg(w.Sci_TextLength)
                      .arg(w.Sci_PendingOperator).arg(w.Sci_CheckingOperator).arg(w.Sci_DeleteOperator)
            + QString(" %1 %2 %3").arg(w.Sci_DotOperator).arg(w.Operator, w.Sci_Operator);
}

struct AccessibleEventSeen
{
    QObject *object;
    QAccessible::Event type;
    QString text;
    bool display; // told through a calculator display's own interface
};
QList<AccessibleEventSeen> accessibleEvents;

void catchAccessibleEvent(QAccessibleEvent *event)
{
    QString text;
    if (event->type() == QAccessible::TextUpdated)
        text = static_cast<QAccessibleTextUpdateEvent *>(event)->textInserted();
    else if (event->type() == QAccessible::TextInserted)
        text = static_cast<QAccessibleTextInsertEvent *>(event)->textInserted();
    accessibleEvents.append({event->object(), event->type(), text,
                             dynamic_cast<AccessibleDisplay *>(event->accessibleInterface()) != nullptr});
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private slots:
    void standardSequences_data();
    void standardSequences();
    void scientificSequences_data();
    void scientificSequences();
    void scientificFunctionSequences_data();
    void scientificFunctionSequences();
    void shiftedKeysGiveShiftAndKey_data();
    void shiftedKeysGiveShiftAndKey();
    void otherKeys_data();
    void otherKeys();
    void lockedPageIgnoresKeyboard();
    void onlyThePageOnShowListens();
    void keyShowsItsPress();
    void copy_data();
    void copy();
    void paste_data();
    void paste();
    void keysHaveAccessibleNames();
    void displaysReadAsShown_data();
    void displaysReadAsShown();
};

void TestKeyboard::standardSequences_data()
{
    addStandardSequences();
}

void TestKeyboard::standardSequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(bool, isLocked);

    Calculator calculator(Calculator::Standard);
    typeSequence(calculator, Calculator::Standard, keys);
    QCOMPARE(calculator.shown(), shown);
    QCOMPARE(calculator.disabledKeys(), isLocked ? StandardSequences::lockedKeys() : QStringList());
}

void TestKeyboard::scientificSequences_data()
{
    addScientificSequences();
}

void TestKeyboard::scientificSequences()
{
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    QFETCH(QString, indicators);
    QFETCH(QString, disabled);

    Calculator calculator(Calculator::Scientific);
    typeSequence(calculator, Calculator::Scientific, keys);
    checkScientificPage(calculator, shown, indicators, disabled);
}

void TestKeyboard::scientificFunctionSequences_data()
{
    addScientificFunctionSequences();
}

void TestKeyboard::scientificFunctionSequences()
{
    scientificSequences();
}

// A keyboard key that stands for a shifted function gives what Shift and the
// on-screen key give, whether or not the shift was on already.
void TestKeyboard::shiftedKeysGiveShiftAndKey_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("onScreen");

    const QList<QPair<QString, QString>> shifted = {
        {"p", "7"}, {"r", "6"}, {"~", "8"}, {"F9", "8"}, {"!", "9"}, {"@", "sq"},
        {"(", "E"}, {")", "ans"}, {"F5", "hex"}, {"F7", "bin"}};
    for (const auto &[key, onScreen] : shifted) {
        QTest::addRow("%s on 4", qPrintable(key)) << "4" << key << "shift " + onScreen;
        QTest::addRow("%s with shift on", qPrintable(key)) << "4 shift" << key << "shift " + onScreen;
    }
    for (char letter = 'A'; letter <= 'F'; ++letter) {
        const QString digit = QString::number(letter - 'A');
        QTest::addRow("%c in hex", letter) << "shift hex 1" << QString(letter) << "shift " + digit;
        QTest::addRow("%c in decimal", letter) << "1" << QString(letter) << "shift " + digit;
    }
}

void TestKeyboard::shiftedKeysGiveShiftAndKey()
{
    QFETCH(QString, before);
    QFETCH(QString, key);
    QFETCH(QString, onScreen);

    Calculator typed(Calculator::Scientific);
    typed.press(before);
    typeKey(&typed.window, key);

    Calculator pressed(Calculator::Scientific);
    pressed.press(before);
    if (!before.endsWith("shift"))
        pressed.press(onScreen);
    else
        pressed.press(onScreen.mid(QString("shift ").size()));

    QCOMPARE(typed.shown(), pressed.shown());
    QCOMPARE(typed.indicatorLabels(), pressed.indicatorLabels());
    QCOMPARE(typed.disabledKeys(), pressed.disabledKeys());
}

void TestKeyboard::otherKeys_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QString>("shown");

    const int standard = Calculator::Standard, scientific = Calculator::Scientific;
    QTest::newRow("comma is the point") << standard << QStringList{"1", ",", "5"} << "1.5";
    QTest::newRow("Return is equals") << standard << QStringList{"2", "+", "3", "Return"} << "5";
    QTest::newRow("Enter is equals") << scientific << QStringList{"2", "+", "3", "Enter"} << "5";
    QTest::newRow("brackets by keyboard alone")
            << scientific << QStringList{"2", "*", "(", "3", "+", "4", ")", "="} << "14";
    QTest::newRow("hex letters") << scientific << QStringList{"F5", "F", "F", "+", "1", "="} << "100";
    QTest::newRow("radians by shift") << scientific << QStringList{"i", "d", "p", "c"} << "-1";
    QTest::newRow("unbound keys do nothing") << scientific << QStringList{"1", "z", "Z", "?", "2"} << "12";
}

void TestKeyboard::otherKeys()
{
    QFETCH(int, page);
    QFETCH(QStringList, keys);
    QFETCH(QString, shown);

    Calculator calculator{Calculator::Page(page)};
    for (const QString &key : keys)
        typeKey(&calculator.window, key);
    QCOMPARE(calculator.shown(), shown);
}

void TestKeyboard::lockedPageIgnoresKeyboard()
{
    Calculator calculator(Calculator::Scientific);
    calculator.press("5 / 0 =");
    for (const char *key : {"7", "+", "Backspace", "i", "p", "s", "F5", "Return", "A"})
        typeKey(&calculator.window, key);
    checkScientificPage(calculator, "Cannot divide by zero", "Dec Deg", "locked");

    typeKey(&calculator.window, "Esc");
    checkScientificPage(calculator, "0", "Dec Deg", "");

    Calculator standard(Calculator::Standard);
    standard.press("5 / 0 =");
    for (const char *key : {"7", "+", "Backspace", "@", "%", "Return"})
        typeKey(&standard.window, key);
    QCOMPARE(standard.shown(), QString("Cannot divide by zero"));
    typeKey(&standard.window, "Esc");
    QCOMPARE(standard.shown(), QString("0"));
}

void TestKeyboard::onlyThePageOnShowListens()
{
    Calculator calculator(Calculator::Scientific);
    typeKey(&calculator.window, "7");
    QCOMPARE(calculator.shown(), QString("7"));
    calculator.usePage(Calculator::Standard);
    QCOMPARE(calculator.shown(), QString("0"));
}

void TestKeyboard::keyShowsItsPress()
{
    Calculator calculator(Calculator::Scientific);
    QPushButton *seven = calculator.key("btnPi_Seven");
    typeKey(calculator.display(), "7"); // the key event reaches a child of the window
    QCOMPARE(calculator.shown(), QString("7"));
    QVERIFY(seven->isDown());
    QTRY_VERIFY(!seven->isDown());
}

void TestKeyboard::copy_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("copied");

    const int standard = Calculator::Standard, scientific = Calculator::Scientific;
    QTest::newRow("standard result") << standard << "1 / 3 =" << "0.33333333";
    QTest::newRow("standard message") << standard << "1 / 0 =" << "Cannot divide by zero";
    QTest::newRow("typed number") << scientific << "1 2 3 shift shift 4" << "1234";
    QTest::newRow("scientific result") << scientific << "1 / 3 =" << "0.33333333333333";
    QTest::newRow("scientific message") << scientific << "0 log" << "Invalid input for function";
    QTest::newRow("hex") << scientific << "shift hex 0 - 1 =" << QString(16, 'F');
}

void TestKeyboard::copy()
{
    QFETCH(int, page);
    QFETCH(QString, keys);
    QFETCH(QString, copied);

    Calculator calculator{Calculator::Page(page)};
    calculator.press(keys);
    QGuiApplication::clipboard()->clear();
    QTest::keyClick(&calculator.window, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), copied);
}

// An empty "shown" means the paste is refused and nothing changes.
void TestKeyboard::paste_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("after");
    QTest::addColumn<QString>("result");

    const int standard = Calculator::Standard, scientific = Calculator::Scientific;
    QTest::newRow("standard number") << standard << "" << "12.5" << "12.5" << "+ 1 =" << "13.5";
    QTest::newRow("standard replaces entry") << standard << "9 9" << "3" << "3" << "* 2 =" << "6";
    QTest::newRow("standard right operand") << standard << "2 +" << " 3 " << "3" << "=" << "5";
    QTest::newRow("standard negative") << standard << "" << "-5" << "-5" << "* 2 =" << "-10";
    QTest::newRow("standard exponent") << standard << "" << "1.5e3" << "1.5E3" << "+ 0 =" << "1500";
    QTest::newRow("standard typing on") << standard << "" << "12" << "12" << "3" << "123";
    QTest::newRow("standard 22 digits") << standard << "" << QString(22, '1') << QString(22, '1') << "1" << QString(22, '1');
    QTest::newRow("standard 23 digits") << standard << "" << QString(23, '1') << "" << "" << "";
    QTest::newRow("standard word") << standard << "" << "twelve" << "" << "" << "";
    QTest::newRow("standard two points") << standard << "" << "1.2.3" << "" << "" << "";
    QTest::newRow("standard two numbers") << standard << "" << "12 34" << "" << "" << "";
    QTest::newRow("standard empty exponent") << standard << "" << "1e" << "" << "" << "";
    QTest::newRow("standard other digits") << standard << "" << "\u0661\u0662" << "" << "" << "";
    QTest::newRow("standard hex") << standard << "" << "FF" << "" << "" << "";
    QTest::newRow("standard locked") << standard << "1 / 0 =" << "5" << "" << "" << "";

    QTest::newRow("decimal") << scientific << "" << "0.25" << "0.25" << "+ 1 =" << "1.25";
    QTest::newRow("decimal exponent with a plus") << scientific << "" << "1e+3" << "1E3" << "+ 1 =" << "1001";
    QTest::newRow("decimal after operator") << scientific << "2 xy" << "10" << "10" << "=" << "1024";
    QTest::newRow("decimal 25 digits") << scientific << "" << QString(25, '2') << QString(25, '2') << "" << QString(25, '2');
    QTest::newRow("decimal 26 digits") << scientific << "" << QString(26, '2') << "" << "" << "";
    QTest::newRow("decimal letters") << scientific << "" << "A" << "" << "" << "";
    QTest::newRow("digit replaces a pasted 0") << scientific << "" << "0" << "0" << "5" << "5";
    QTest::newRow("standard digit replaces a pasted 0") << standard << "" << "0" << "0" << "5" << "5";
    QTest::newRow("hex") << scientific << "shift hex" << "ff" << "FF" << "+ 1 =" << "100";
    QTest::newRow("hex negative") << scientific << "shift hex" << QString(16, 'F') << QString(16, 'F') << "+ 3 =" << "2";
    QTest::newRow("hex out of range") << scientific << "shift hex" << "FFFFFFFFF" << "" << "" << "";
    QTest::newRow("hex point") << scientific << "shift hex" << "1.5" << "" << "" << "";
    QTest::newRow("hex not a digit") << scientific << "shift hex" << "G1" << "" << "" << "";
    QTest::newRow("octal") << scientific << "shift bin" << "17" << "17" << "+ 1 =" << "20";
    QTest::newRow("octal 8") << scientific << "shift bin" << "18" << "" << "" << "";
    QTest::newRow("binary") << scientific << "bin" << "101" << "101" << "* 10 =" << "1010";
    QTest::newRow("binary 2") << scientific << "bin" << "102" << "" << "" << "";
    QTest::newRow("scientific locked") << scientific << "0 ln" << "5" << "" << "" << "";
}

void TestKeyboard::paste()
{
    QFETCH(int, page);
    QFETCH(QString, before);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QFETCH(QString, after);
    QFETCH(QString, result);

    Calculator calculator{Calculator::Page(page)};
    calculator.press(before);
    const QString unchanged = snapshot(calculator);
    QGuiApplication::clipboard()->setText(text);
    QTest::keyClick(&calculator.window, Qt::Key_V, Qt::ControlModifier);
    if (shown.isEmpty()) {
        QCOMPARE(snapshot(calculator), unchanged);
        return;
    }
    QCOMPARE(calculator.shown(), shown);
    calculator.press(after);
    QCOMPARE(calculator.shown(), result);
}

void TestKeyboard::keysHaveAccessibleNames()
{
    MainWindow window;
    auto *pages = window.findChild<QStackedWidget *>("stackedWidget");
    for (int page : {0, 1}) {
        QSet<QString> names;
        const QList<QPushButton *> keys = pages->widget(page)->findChildren<QPushButton *>();
        for (QPushButton *key : keys) {
            QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(key);
            const QString name = accessible->text(QAccessible::Name);
            const QString description = accessible->text(QAccessible::Description);
            QVERIFY2(!name.isEmpty(), qPrintable(key->objectName()));
            // Qt gives a key without a description of its own its tooltip,
            // here the name again, which screen readers do not repeat.
            QCOMPARE(key->toolTip(), description == name ? name : name + "; " + description);
            names.insert(name);
        }
        QCOMPARE(names.size(), keys.size()); // a screen reader tells them apart
    }
    const auto read = [&window](const char *key) {
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(window.findChild<QPushButton *>(key));
        return QStringList{accessible->text(QAccessible::Name), accessible->text(QAccessible::Description)};
    };
    QCOMPARE(read("btnPi_Seven"), QStringList({"7", "with shift: π"}));
    QCOMPARE(read("btnSin"), QStringList({"sine", "with shift: arc sine"}));
    QCOMPARE(read("btnCE_sci").first(), QString("clear"));
    QCOMPARE(window.findChild<QPushButton *>("btnPi_Seven")->toolTip(), QString("7; with shift: π"));
    for (const char *display : {"Simple_textEdit", "Scientific_textEdit"}) {
        auto *edit = window.findChild<QTextEdit *>(display);
        QVERIFY(!QAccessible::queryAccessibleInterface(edit)->text(QAccessible::Name).isEmpty());
    }
}

void TestKeyboard::displaysReadAsShown_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("modes");
    QTest::addColumn<QStringList>("announced"); // from the window's start on

    const int standard = Calculator::Standard;
    const int scientific = Calculator::Scientific;
    const QString message = "Cannot divide by zero";
    const QString decimal = "decimal, degrees";
    QTest::newRow("standard") << standard << "1 / 4 =" << "" << QStringList{"0", "1", "4", "0.25"};
    QTest::newRow("standard message") << standard << "1 / 0 =" << "" << QStringList{"0", "1", "0", message};
    QTest::newRow("entry") << scientific << "2 3" << decimal << QStringList{"0", "2", "23"};
    QTest::newRow("shift") << scientific << "2 3 shift" << "decimal, degrees, shift" << QStringList{"0", "2", "23"};
    QTest::newRow("radians") << scientific << "shift deg 1" << "decimal, radians" << QStringList{"0", "1"};
    QTest::newRow("hexadecimal") << scientific << "shift hex 1 2" << "hexadecimal, degrees" << QStringList{"0", "1", "12"};
    QTest::newRow("binary") << scientific << "5 bin" << "binary, degrees" << QStringList{"0", "5", "101"};
    QTest::newRow("message") << scientific << "1 / 0 =" << decimal << QStringList{"0", "1", "0", message};
    QTest::newRow("five digits") << scientific << "12345" << decimal << QStringList{"0", "1", "12", "123", "1234", "12345"};
}

// A screen reader reads the number or message alone, as Ctrl+C copies it,
// hears of each change once, from the window's first write on, and learns
// the modes from the description.
void TestKeyboard::displaysReadAsShown()
{
    QFETCH(int, page);
    QFETCH(QString, keys);
    QFETCH(QString, modes);
    QFETCH(QStringList, announced);

    // As when a screen reader runs: Qt tells of changes only then.
    QPlatformAccessibility *platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    QVERIFY(platform);
    platform->setActive(true);
    accessibleEvents.clear();
    QAccessible::installUpdateHandler(catchAccessibleEvent);
    Calculator calculator{Calculator::Page(page)};
    QAccessibleInterface *display = QAccessible::queryAccessibleInterface(calculator.display());
    const QString modesBefore = display->text(QAccessible::Description);
    const qsizetype started = accessibleEvents.size();
    calculator.press(keys);
    QAccessible::installUpdateHandler(nullptr);

    const QString shown = calculator.shown();
    QCOMPARE(display->text(QAccessible::Value), shown);
    QCOMPARE(display->text(QAccessible::Description), modes);
    QAccessibleTextInterface *text = display->textInterface();
    QVERIFY(text);
    QCOMPARE(text->characterCount(), shown.size());
    QCOMPARE(text->text(0, text->characterCount()), shown);
    QCOMPARE(text->text(1, 3), shown.mid(1, 2));
    // The characters lie where they are drawn; past the last there is none.
    const QRect last = text->characterRect(text->characterCount() - 1);
    QCOMPARE(text->offsetAtPoint(last.center()), text->characterCount() - 1);
    QVERIFY(display->rect().contains(last));
    QVERIFY(text->characterRect(text->characterCount()).isEmpty());

    QStringList texts;
    bool modesAnnounced = false;
    for (qsizetype i = 0; i < accessibleEvents.size(); ++i) {
        const AccessibleEventSeen &event = accessibleEvents.at(i);
        if (event.object != calculator.display())
            continue;
        QVERIFY2(!event.text.contains(QChar::ObjectReplacementCharacter), qPrintable(event.text));
        // The text edit's raw notices of parts of its text end as the
        // display becomes the calculator's, before its first write.
        QVERIFY(!event.display
                || (event.type != QAccessible::TextRemoved && event.type != QAccessible::TextInserted));
        if (event.type == QAccessible::TextUpdated) // the display's own notice, the whole text
            texts << event.text;
        modesAnnounced |= i >= started && event.type == QAccessible::DescriptionChanged;
    }
    QCOMPARE(texts, announced);
    QCOMPARE(modesAnnounced, modes != modesBefore);

    // While no assistive technology listens the display keeps no account of
    // what it told: once one listens again, its first write is told whole,
    // though the same as the last one made unheard.
    platform->setActive(false);
    calculator.press("CE");
    platform->setActive(true);
    accessibleEvents.clear();
    QAccessible::installUpdateHandler(catchAccessibleEvent);
    calculator.press("CE");
    QAccessible::installUpdateHandler(nullptr);
    QVERIFY(std::any_of(accessibleEvents.cbegin(), accessibleEvents.cend(), [&](const AccessibleEventSeen &event) {
        return event.object == calculator.display() && event.type == QAccessible::TextUpdated && event.text == "0";
    }));
}

QTEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
