// The calculation as the state file keeps it: both pages' fields as JSON
// values, and the way back, which checks every value before it changes
// anything, so that a damaged or hand-edited calculation is refused whole.

#include "mainwindow.h"
#include "numbertext.h"
#include "ui_mainwindow.h"

#include <QJsonArray>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>

namespace {

const QStringList standardOperations = {"", "Add", "Minus", "Times", "Divide"};
const QStringList scientificOperations = standardOperations + QStringList{"Power", "Root"};
const QStringList pageNames = {"standard", "scientific"};
const QStringList baseNames = {"decimal", "hexadecimal", "octal", "binary"};
const QStringList baseImages = {DisplayText::decimalImage, DisplayText::hexadecimalImage,
                                DisplayText::octalImage, DisplayText::binaryImage};
const QStringList angleNames = {"degrees", "radians"};
const int radixes[] = {10, 16, 8, 2};
// Nesting deeper than anyone types; a file that claims more is damaged.
const qsizetype deepestBrackets = 10000;

// The entry flags of each page, kept under their own names.
struct Flag
{
    const char *key;
    bool MainWindow::*field;
};
using Flags = std::array<Flag, 5>;
const Flags standardFlags = {{{"PendingOperator", &MainWindow::PendingOperator},
                              {"CheckingOperator", &MainWindow::CheckingOperator},
                              {"EqualOperator", &MainWindow::EqualOperator},
                              {"DeleteOperator", &MainWindow::DeleteOperator},
                              {"DotOperator", &MainWindow::DotOperator}}};
const Flags scientificFlags = {{{"Sci_PendingOperator", &MainWindow::Sci_PendingOperator},
                                {"Sci_CheckingOperator", &MainWindow::Sci_CheckingOperator},
                                {"Sci_EqualOperator", &MainWindow::Sci_EqualOperator},
                                {"Sci_DeleteOperator", &MainWindow::Sci_DeleteOperator},
                                {"Sci_DotOperator", &MainWindow::Sci_DotOperator}}};

// A locked page's message is kept in English, the program's own language, so
// that a file written under one language comes back under any other.
const char *const messages[] = {DisplayText::divideByZero, DisplayText::invalidInput};

QString savedShown(const QString &shown, bool locked)
{
    for (const char *message : messages) {
        if (locked && shown == MainWindow::tr(message))
            return QLatin1String(message);
    }
    return shown;
}

QString restoredShown(const QString &saved, bool locked)
{
    return locked ? MainWindow::tr(saved.toUtf8().constData()) : saved;
}

void writeFlags(QJsonObject &object, const MainWindow &window, const Flags &flags)
{
    for (const Flag &flag : flags)
        object.insert(QLatin1String(flag.key), window.*flag.field);
}

// Not-a-number stands only in the fields of a locked page, which its clear
// key sets to 0 before anything reads them.
QJsonValue numberText(const Number &value)
{
    return value.isNan() ? QStringLiteral("0") : value.toExactText();
}

QJsonValue numberValue(const std::optional<Number> &value)
{
    return value ? numberText(*value) : QJsonValue();
}

// Reads one page's values, keeping the first thing wrong with them.
class PageReader
{
public:
    PageReader(const QJsonObject &object, const char *page)
        : m_object(object)
        , m_page(QLatin1String(page))
    {
    }

    QString error() const { return m_error; }

    std::array<bool, 5> flags(const Flags &flags)
    {
        std::array<bool, 5> values;
        for (std::size_t i = 0; i < flags.size(); ++i)
            values[i] = flag(flags[i].key);
        return values;
    }

    bool flag(const char *key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isBool())
            fail(key, QStringLiteral("is not true or false"));
        return value.toBool();
    }

    int count(const char *key, int lowest, int highest)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        const double number = value.toDouble(qQNaN());
        const bool valid = number >= lowest && number <= highest && number == std::floor(number);
        if (!valid)
            fail(key, QStringLiteral("is not a whole number from %1 to %2").arg(lowest).arg(highest));
        return valid ? int(number) : 0;
    }

    // One of `names`; returns its index.
    int choice(const char *key, const QStringList &names)
    {
        const QString name = m_object.value(QLatin1String(key)).toString();
        const qsizetype index = names.indexOf(name);
        if (!m_object.value(QLatin1String(key)).isString() || index < 0)
            fail(key, QStringLiteral("\"%1\" does not exist").arg(name.left(40)));
        return int(qMax<qsizetype>(index, 0));
    }

    Number number(const QJsonValue &value, const QString &key)
    {
        const std::optional<Number> number = Number::parse(value.toString());
        if (!number)
            failAt(key, QStringLiteral("is not a number written in full"));
        return number.value_or(Number());
    }

    Number number(const char *key) { return number(m_object.value(QLatin1String(key)), QLatin1String(key)); }

    std::optional<Number> optionalNumber(const char *key)
    {
        if (m_object.value(QLatin1String(key)).isNull())
            return std::nullopt;
        return number(key);
    }

    QString text(const char *key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isString() || value.toString().size() > 100)
            fail(key, QStringLiteral("is not a short text"));
        return value.toString();
    }

    QJsonArray list(const char *key)
    {
        const QJsonValue value = m_object.value(QLatin1String(key));
        if (!value.isArray() || value.toArray().size() > deepestBrackets)
            fail(key, QStringLiteral("is not a list of brackets"));
        return value.toArray();
    }

    // The display of a page that is not locked shows a number of its base,
    // whose value (if it has one) is the one written beside it; a locked
    // one shows a message.
    void checkShown(const QString &shown, const std::optional<Number> &value, bool locked, int radix,
                    int digits)
    {
        static const QRegularExpression decimal(QStringLiteral(
                "^-?([0-9]+\\.?[0-9]*|\\.[0-9]+)(E-?[0-9]*|e[+-][0-9]+)?$|^-?inf$|^\\($"));
        bool valid = false;
        if (locked)
            valid = std::any_of(std::begin(messages), std::end(messages),
                                [&shown](const char *message) { return shown == QLatin1String(message); });
        else if (radix == 10)
            valid = decimal.match(shown).hasMatch() && (!value || value->toText(digits) == shown);
        else
            NumberText::readInteger(shown, radix, &valid);
        if (!valid || (radix != 10 && value))
            fail("shown", QStringLiteral("\"%1\" cannot be on show there").arg(shown.left(40)));
    }

    void fail(const char *key, const QString &what) { failAt(QLatin1String(key), what); }

    void failAt(const QString &key, const QString &what)
    {
        if (m_error.isEmpty())
            m_error = QStringLiteral("%1 %2 %3").arg(m_page, key, what);
    }

private:
    QJsonObject m_object;
    QString m_page;
    QString m_error;
};

} // namespace

QJsonObject MainWindow::calculation() const
{
    const int page = ui->stackedWidget->currentIndex();
    // An about page belongs to the calculator of its screen shape.
    const bool standard = page == StandardPage || page == PortraitAboutPage;
    return {{"page", pageNames.at(standard ? 0 : 1)},
            {"standard", standardCalculation()},
            {"scientific", scientificCalculation()}};
}

QJsonObject MainWindow::standardCalculation() const
{
    const bool locked = !ui->btnEqual->isEnabled();
    const QString shown = DisplayText::shownText(*ui->Simple_textEdit->document());
    QJsonObject page = {{"shown", savedShown(shown, locked)},
                        {"shownValue", numberValue(Simple_ShownValue)},
                        {"locked", locked},
                        {"Operator", Operator},
                        {"Value1", numberText(Value1)},
                        {"Simple_TextLength", Simple_TextLength}};
    writeFlags(page, *this, standardFlags);
    return page;
}

QJsonObject MainWindow::scientificCalculation() const
{
    QJsonArray brackets;
    const auto save = [&brackets](const SavedOperation &saved) {
        brackets.append(QJsonObject{{"operation", saved.name}, {"leftOperand", numberText(saved.leftOperand)}});
    };
    for (const SavedOperation &saved : Sci_OuterBrackets)
        save(saved);
    if (BracketOperator)
        save({Sci_BracketOperator, Sci_FirstValue});

    const QString shown = DisplayText::shownText(*ui->Scientific_textEdit->document());
    QJsonObject page = {{"shown", savedShown(shown, sciLocked())},
                        {"shownValue", numberValue(Sci_ShownValue)},
                        {"locked", sciLocked()},
                        {"base", baseNames.at(baseImages.indexOf(NumConversionText))},
                        {"angle", angleNames.at(AngleOperator ? 1 : 0)},
                        {"shift", ShiftOperator},
                        {"Hex_DecOperator", Hex_DecOperator},
                        {"Sci_Operator", Sci_Operator},
                        {"Sci_Value1", numberText(Sci_Value1)},
                        {"Sci_IntValue1", Sci_IntValue1},
                        {"Sci_Ans", numberText(Sci_Ans)},
                        {"brackets", brackets},
                        {"Sci_TextLength", Sci_TextLength}};
    writeFlags(page, *this, scientificFlags);
    return page;
}

QString MainWindow::restoreCalculation(const QJsonObject &saved)
{
    PageReader top(saved, "calculation");
    const int page = top.choice("page", pageNames);

    // Every value is read and checked before any is set.
    PageReader standard(saved.value(QLatin1String("standard")).toObject(), "standard");
    const QString standardShown = standard.text("shown");
    const std::optional<Number> standardValue = standard.optionalNumber("shownValue");
    const bool standardLocked = standard.flag("locked");
    standard.checkShown(standardShown, standardValue, standardLocked, 10, 8);
    const QString operation = standardOperations.at(standard.choice("Operator", standardOperations));
    const Number value1 = standard.number("Value1");
    const int typed = standard.count("Simple_TextLength", 0, maxStandardDigits);
    const std::array<bool, 5> standardEntry = standard.flags(standardFlags);

    PageReader scientific(saved.value(QLatin1String("scientific")).toObject(), "scientific");
    const QString sciShown = scientific.text("shown");
    const std::optional<Number> sciValue = scientific.optionalNumber("shownValue");
    const bool locked = scientific.flag("locked");
    const int base = scientific.choice("base", baseNames);
    scientific.checkShown(sciShown, sciValue, locked, radixes[base], 14);
    const bool radians = scientific.choice("angle", angleNames) == 1;
    const bool shift = scientific.flag("shift");
    const bool hexLetters = scientific.flag("Hex_DecOperator");
    const QString sciOperation = scientificOperations.at(scientific.choice("Sci_Operator", scientificOperations));
    const Number sciValue1 = scientific.number("Sci_Value1");
    const int intValue1 = scientific.count("Sci_IntValue1", INT_MIN, INT_MAX);
    const Number answer = scientific.number("Sci_Ans");
    QList<SavedOperation> brackets;
    for (const QJsonValue &bracket : scientific.list("brackets")) {
        const QString name = bracket.toObject().value(QLatin1String("operation")).toString();
        if (!scientificOperations.contains(name))
            scientific.failAt(QStringLiteral("bracket"), QStringLiteral("\"%1\" does not exist").arg(name.left(40)));
        brackets.append({name, scientific.number(bracket.toObject().value(QLatin1String("leftOperand")),
                                                 QStringLiteral("bracket leftOperand"))});
    }
    const int sciTyped = scientific.count("Sci_TextLength", 0, maxScientificDigits);
    const std::array<bool, 5> scientificEntry = scientific.flags(scientificFlags);

    for (const QString &error : {top.error(), standard.error(), scientific.error()}) {
        if (!error.isEmpty())
            return error;
    }

    Operator = operation;
    Value1 = value1;
    Simple_TextLength = typed;
    for (std::size_t i = 0; i < standardFlags.size(); ++i)
        this->*standardFlags[i].field = standardEntry[i];
    showStandard(restoredShown(standardShown, standardLocked));
    Simple_ShownValue = standardValue;
    setStandardKeysEnabled(!standardLocked);

    NumConversionText = baseImages.at(base);
    AngleOperator = radians;
    AngleText = radians ? DisplayText::radianImage : DisplayText::degreeImage;
    ShiftOperator = shift;
    shiftNum = shift ? 1 : 0;
    ShiftText = shift ? DisplayText::shiftImage : QString();
    Hex_DecOperator = hexLetters;
    Sci_Operator = sciOperation;
    Sci_Value1 = sciValue1;
    Sci_IntValue1 = intValue1;
    Sci_Ans = answer;
    Sci_OuterBrackets = brackets;
    takeInnermostBracket();
    Sci_TextLength = sciTyped;
    for (std::size_t i = 0; i < scientificFlags.size(); ++i)
        this->*scientificFlags[i].field = scientificEntry[i];
    showScientific(restoredShown(sciShown, locked));
    Sci_ShownValue = sciValue;
    Sci_buttonEnabled();
    const QList<void (MainWindow::*)()> keySets = {nullptr, &MainWindow::Sci_HexButtons,
                                                   &MainWindow::Sci_OctButtons, &MainWindow::Sci_BinButtons};
    if (keySets.at(base))
        (this->*keySets.at(base))();
    if (locked)
        Sci_buttonDisabled();

    showPage(page == 0 ? StandardPage : ScientificPage);
    return QString();
}
