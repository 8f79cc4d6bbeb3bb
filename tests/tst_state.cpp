// The state file: where and how it is written, and every kind of bad file,
// which must start a fresh calculator with one line on standard error and be
// moved aside.

#include "calculatorharness.h"
#include "statestore.h"

#include <QFile>
#include <QSaveFile>
#include <QScopeGuard>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

#include <csignal>
#include <grp.h>
#include <sys/resource.h>
#include <unistd.h>

namespace {

// What was said about the state files; the platform says its own things.
QStringList messages;
QString stateFolder;

void collect(QtMsgType, const QMessageLogContext &, const QString &message)
{
    if (message.contains(stateFolder))
        messages << message;
}

QByteArray savedFile(const MainWindow &window)
{
    QJsonObject saved = window.calculation();
    saved.insert("version", 1);
    return QJsonDocument(saved).toJson();
}

// `file` with one value changed: "scientific/Sci_Ans" names a page's value.
QByteArray withValue(const QByteArray &file, const QString &path, const QJsonValue &value)
{
    QJsonObject saved = QJsonDocument::fromJson(file).object();
    const QStringList keys = path.split('/');
    if (keys.size() == 1) {
        saved.insert(keys[0], value);
    } else {
        QJsonObject page = saved.value(keys[0]).toObject();
        page.insert(keys[1], value);
        saved.insert(keys[0], page);
    }
    return QJsonDocument(saved).toJson();
}

} // namespace

class TestState : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();
    void badFiles_data();
    void badFiles();
    void savesPrivatelyWithinASecond();
    void unwritableFolderIsReportedOnce();
    void savingUnderFaults_data();
    void savingUnderFaults();

private:
    QString path() const { return StateStore::defaultPath(CALCULATOR_APP_ID); }

    std::unique_ptr<QTemporaryDir> m_state;
};

void TestState::initTestCase()
{
    // Permissions bind root only by its own choice: the tests run as nobody.
    if (geteuid() == 0) {
        const uid_t nobody = 65534;
        QVERIFY(setgroups(0, nullptr) == 0 && setgid(nobody) == 0 && setuid(nobody) == 0);
    }
    // A file growing past the size limit fails its write instead of ending
    // the process.
    std::signal(SIGXFSZ, SIG_IGN);
}

void TestState::init()
{
    m_state = std::make_unique<QTemporaryDir>();
    QVERIFY(m_state->isValid());
    qputenv("XDG_STATE_HOME", m_state->path().toUtf8());
    stateFolder = m_state->path();
    messages.clear();
    qInstallMessageHandler(collect);
}

void TestState::cleanup()
{
    qInstallMessageHandler(nullptr);
}

void TestState::badFiles_data()
{
    QTest::addColumn<QByteArray>("contents");
    QTest::addColumn<QString>("problem");

    Calculator calculator(Calculator::Scientific);
    calculator.press("2 * ( 3 + 4");
    const QByteArray good = savedFile(calculator.window);

    QTest::newRow("empty") << QByteArray() << "is empty";
    QTest::newRow("truncated") << good.left(good.size() / 2) << "is not JSON";
    QByteArray binary;
    for (int byte = 0; byte < 256; ++byte)
        binary += char(byte);
    QTest::newRow("binary") << binary << "is not JSON";
    QTest::newRow("over 1 MiB") << good + QByteArray(StateStore::largestFile, ' ') << "is over 1 MiB";
    QTest::newRow("no calculation") << QByteArray("[1, 2]") << "holds no calculation";
    QTest::newRow("null version") << withValue(good, "version", QJsonValue()) << "is not of version 1";
    QTest::newRow("no version") << withValue(good, "version", QJsonValue::Undefined) << "is not of version 1";
    QTest::newRow("wrong version") << withValue(good, "version", 2) << "is not of version 1";
    QTest::newRow("page") << withValue(good, "page", "graphing") << "calculation page \"graphing\" does not exist";
    QTest::newRow("base") << withValue(good, "scientific/base", "duodecimal")
                          << "scientific base \"duodecimal\" does not exist";
    QTest::newRow("operation") << withValue(good, "standard/Operator", "Power")
                               << "standard Operator \"Power\" does not exist";
    QTest::newRow("bracket") << withValue(good, "scientific/brackets", QJsonArray{QJsonObject{{"operation", "Mod"}}})
                             << "scientific bracket \"Mod\" does not exist";
    QTest::newRow("1 MB number") << withValue(good, "scientific/Sci_Value1", QString(1000000, '1'))
                                 << "scientific Sci_Value1 is not a number written in full";
    QTest::newRow("nan") << withValue(good, "scientific/Sci_Ans", "nan")
                         << "scientific Sci_Ans is not a number written in full";
    QTest::newRow("negative digit count") << withValue(good, "scientific/Sci_TextLength", -3)
                                          << "scientific Sci_TextLength is not a whole number from 0 to 25";
    QTest::newRow("integer out of range") << withValue(good, "scientific/Sci_IntValue1", 4294967296.0)
                                          << "scientific Sci_IntValue1 is not a whole number";
    QTest::newRow("flag") << withValue(good, "standard/DotOperator", "yes")
                          << "standard DotOperator is not true or false";
    QTest::newRow("value unlike its digits") << withValue(good, "scientific/shownValue", "8")
                                             << "scientific shown \"4\" cannot be on show there";
    QTest::newRow("letters in decimal") << withValue(good, "scientific/shown", "FF")
                                        << "scientific shown \"FF\" cannot be on show there";
    QTest::newRow("message on an unlocked page") << withValue(good, "standard/shown", "Cannot divide by zero")
                                                 << "standard shown \"Cannot divide by zero\" cannot be on show";
}

void TestState::badFiles()
{
    QFETCH(QByteArray, contents);
    QFETCH(QString, problem);
    QVERIFY(QDir().mkpath(QFileInfo(path()).path()));
    QFile file(path());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(contents);
    file.close();

    Calculator fresh(Calculator::Scientific);
    Calculator calculator(Calculator::Scientific);
    StateStore store(path());
    QVERIFY(!store.restore(calculator.window));
    QCOMPARE(calculator.window.calculation(), fresh.window.calculation());
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(path() + ' ') && messages[0].contains(problem), qPrintable(messages[0]));
    QVERIFY(messages[0].endsWith("moved to " + path() + ".bad"));
    QVERIFY(!QFile::exists(path()));
    QFile aside(path() + ".bad");
    QVERIFY(aside.open(QIODevice::ReadOnly));
    QCOMPARE(aside.readAll(), contents);
}

void TestState::savesPrivatelyWithinASecond()
{
    Calculator calculator(Calculator::Scientific);
    {
        StateStore store(path());
        store.watch(&calculator.window);
        calculator.press("1 / 3 = 1 2");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path()), 2000);
        calculator.press("+");
        store.save();
    }
    const QFileInfo file(path());
    QCOMPARE(int(file.permissions() & 0x0777), 0x0600);
    QCOMPARE(int(QFileInfo(file.path()).permissions() & 0x0777), 0x0700);
    QVERIFY(messages.isEmpty());

    Calculator restored(Calculator::Standard);
    QVERIFY(StateStore(path()).restore(restored.window));
    QCOMPARE(restored.window.calculation(), calculator.window.calculation());
}

void TestState::unwritableFolderIsReportedOnce()
{
    QFile blocker(m_state->filePath("file"));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    const QString unwritable = m_state->filePath("file/calculation.json");
    Calculator calculator(Calculator::Scientific);
    {
        StateStore store(unwritable);
        store.watch(&calculator.window);
        calculator.press("1");
        store.save();
        calculator.press("2");
        store.save();
    }
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith(unwritable + ": cannot save"), qPrintable(messages[0]));
    calculator.press("+ 1 =");
    QCOMPARE(calculator.shown(), QString("13"));
}

// The file is saved, then something goes wrong; an unchanged calculation
// leaves the file alone, a changed one is written whole or not at all, with
// one line at most, and the keys go on.
void TestState::savingUnderFaults_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("changedIsWritten");
    QTest::newRow("folder turns read-only") << "read-only" << false;
    QTest::newRow("disk fills") << "full" << false;
    QTest::newRow("another calculator saves") << "other" << true;
    QTest::newRow("file replaced") << "replaced" << true;
}

void TestState::savingUnderFaults()
{
    QFETCH(QString, fault);
    QFETCH(bool, changedIsWritten);
    Calculator calculator(Calculator::Scientific);
    StateStore store(path());
    store.watch(&calculator.window);
    calculator.press("1 + 2");
    store.flush();
    QByteArray expected = savedFile(calculator.window);
    const QString folder = QFileInfo(path()).path();
    rlimit size{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &size), 0);
    const auto undo = qScopeGuard([&] {
        setrlimit(RLIMIT_FSIZE, &size);
        QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    });

    if (fault == "read-only") {
        QVERIFY(QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::ExeOwner));
    } else if (fault == "full") {
        const rlimit small{64, size.rlim_max};
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    } else if (fault == "other") {
        Calculator other(Calculator::Standard);
        StateStore otherStore(path());
        otherStore.watch(&other.window);
        other.press("7 * 6 =");
        otherStore.flush();
        expected = savedFile(other.window);
    } else {
        QSaveFile replacement(path());
        expected = "{\"version\": 1}";
        QVERIFY(replacement.open(QIODevice::WriteOnly));
        replacement.write(expected);
        QVERIFY(replacement.commit());
    }
    auto file = [this] {
        QFile saved(path());
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    };
    store.flush();
    QCOMPARE(file(), expected);

    calculator.press("* 3");
    store.flush();
    store.flush();
    QCOMPARE(file(), changedIsWritten ? savedFile(calculator.window) : expected);
    QCOMPARE(messages.size(), changedIsWritten ? 0 : 1);
    calculator.press("=");
    QCOMPARE(calculator.shown(), QString("9"));
}

QTEST_MAIN(TestState)
#include "tst_state.moc"
