// Random chains of functions and operations on long typed numbers, each
// checked digit for digit against its value worked out at 1000 digits by
// mpmath (oracle.py, run by the build on the build machine, so that a
// cross-built test checks against the same values).

#include "number.h"

#include <QFile>
#include <QTest>

class TestOracle : public QObject
{
    Q_OBJECT

private slots:
    void chains();
};

namespace {

QString values;

Number step(const Number &x, const Number &start, const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(' '));
    const QString name = parts.at(0);
    const Number y = parts.size() > 1 ? Number::fromText(parts.at(1)) : Number();
    const Number::Angle unit = parts.value(1) == QLatin1String("d") ? Number::Angle::Degrees
                                                                      : Number::Angle::Radians;
    if (name == QLatin1String("+"))
        return x + y;
    if (name == QLatin1String("-"))
        return x - y;
    if (name == QLatin1String("*"))
        return x * y;
    if (name == QLatin1String("/"))
        return x / y;
    if (name == QLatin1String("pow"))
        return x.power(y);
    if (name == QLatin1String("root"))
        return x.root(y);
    if (name == QLatin1String("-start"))
        return x - start;
    if (name == QLatin1String("sin"))
        return x.sin(unit);
    if (name == QLatin1String("cos"))
        return x.cos(unit);
    if (name == QLatin1String("tan"))
        return x.tan(unit);
    if (name == QLatin1String("asin"))
        return x.asin(unit);
    if (name == QLatin1String("acos"))
        return x.acos(unit);
    if (name == QLatin1String("atan"))
        return x.atan(unit);
    if (name == QLatin1String("sq"))
        return x.square();
    if (name == QLatin1String("cube"))
        return x.cube();
    if (name == QLatin1String("inv"))
        return Number(1) / x;
    if (name == QLatin1String("cbrt"))
        return x.cubeRoot();
    if (name == QLatin1String("sqrt"))
        return x.squareRoot();
    if (name == QLatin1String("ln"))
        return x.ln();
    if (name == QLatin1String("log"))
        return x.log10();
    if (name == QLatin1String("exp"))
        return x.exp();
    if (name == QLatin1String("exp10"))
        return x.exp10();
    qFatal("unknown step %s", qPrintable(text));
}

} // namespace

void TestOracle::chains()
{
    QFile oracle(values);
    QVERIFY2(oracle.open(QIODevice::ReadOnly), qPrintable(values));
    const QStringList lines = QString::fromLatin1(oracle.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2000);
    for (const QString &line : lines) {
        QStringList fields = line.split(QLatin1Char('\t'));
        const QString expected = fields.takeLast().mid(1);
        const Number start = Number::fromText(fields.takeFirst());
        Number x = start;
        for (const QString &text : fields)
            x = step(x, start, text);
        QVERIFY2(x.toText(14) == expected, qPrintable(line + QStringLiteral(" shows ") + x.toText(14)));
    }
}

int main(int argc, char **argv)
{
    // The oracle's values come first; Qt Test's own arguments follow.
    if (argc < 2)
        qFatal("usage: tst_oracle ORACLE_VALUES [Qt Test options]");
    values = QString::fromLocal8Bit(argv[1]);
    argv[1] = argv[0];
    TestOracle test;
    return QTest::qExec(&test, argc - 1, argv + 1);
}

#include "tst_oracle.moc"
