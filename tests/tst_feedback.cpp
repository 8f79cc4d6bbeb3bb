// Taps on the real window against the real feedback daemon (feedbackd) on a
// private session bus: which presses ask it for the key's feel, as a
// dbus-monitor on that bus sees them. libfeedback connects once per process,
// so CTest runs each test function in a process of its own.

// GLib's headers first: they name fields after Qt's keywords.
#include <gio/gio.h>

#include "touchscript.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <dlfcn.h>
#include <sys/prctl.h>

namespace {

const QString asked = QStringLiteral("org.quillon.Calculator button-pressed");
int warnings = 0; // that keys give no feedback
QtMessageHandler defaultHandler = nullptr;

} // namespace

class TestFeedback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void presses_data();
    void presses();
    void daemonStopped();
    void noDaemon();
    void cleanupTestCase();

private:
    QString startBus(const QString &serviceStart);
    QString startDaemon();
    void start(QProcess &process, const QString &program, const QStringList &arguments);
    QStringList seenSinceLast();

    QTemporaryDir m_home; // the XDG folders of the bus, the daemon and the window
    QProcess m_bus;
    QProcess m_monitor;
    QProcess m_daemon;
    QString m_seen; // the monitor's output not yet read by seenSinceLast()
    TouchScript m_touch;
};

void TestFeedback::initTestCase()
{
    for (const char *folder : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_STATE_HOME"})
        qputenv(folder, m_home.path().toLocal8Bit());
    qputenv("GSETTINGS_BACKEND", "memory"); // the daemon's profile setting
    defaultHandler = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &context, const QString &text) {
        warnings += text.startsWith(QLatin1String("Keys give no feedback"));
        defaultHandler(type, context, text);
    });
}

void TestFeedback::presses_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("before"); // keys clicked with the mouse first
    QTest::addColumn<QString>("touches"); // see touchscript.h
    QTest::addColumn<int>("feedbacks");

    const int standard = Calculator::Standard, scientific = Calculator::Scientific;
    QTest::newRow("tap on a digit") << standard << "" << "1+2 1-" << 1;
    QTest::newRow("two fingers at once") << standard << "" << "1+2 2+3 1- 2-" << 2;
    QTest::newRow("second finger on a held key") << standard << "" << "1+2 2+2 2- 1-" << 1;
    QTest::newRow("slid off") << standard << "" << "1+2 1>3 1-" << 1;
    QTest::newRow("disabled key") << scientific << "bin" << "1+2 1-" << 0;
    QTest::newRow("locked page") << standard << "1 / 0 =" << "1+5 1-" << 0;
    QTest::newRow("mouse") << standard << "1 + 2 =" << "s+2 s-" << 0;
}

void TestFeedback::presses()
{
    QFETCH(int, page);
    QFETCH(QString, before);
    QFETCH(QString, touches);
    QFETCH(int, feedbacks);
    if (m_daemon.state() == QProcess::NotRunning) {
        const QString missing = startDaemon();
        if (!missing.isEmpty())
            QSKIP(qPrintable(missing));
    }
    Calculator calculator{Calculator::Page(page)};
    QVERIFY(QTest::qWaitForWindowExposed(&calculator.window));
    if (QTest::currentDataTag() == QLatin1String("tap on a digit")) {
        // The first finger loads the library and connects, and its press is
        // answered once connected.
        QVERIFY(!dlopen(FEEDBACK_LIBRARY, RTLD_NOW | RTLD_NOLOAD));
        m_touch.play(calculator, "1+1 1-");
        QTRY_VERIFY_WITH_TIMEOUT((m_seen += m_monitor.readAllStandardOutput()).contains(asked.section(' ', 0, 0)), 5000);
        seenSinceLast();
    }
    calculator.press(before);
    m_touch.play(calculator, touches);
    QCOMPARE(seenSinceLast(), QStringList(feedbacks, asked));
    QCOMPARE(warnings, 0);
    m_touch.cancel(&calculator.window);
}

// The daemon stops: the keys type on, with one warning for all of them.
void TestFeedback::daemonStopped()
{
    if (m_daemon.state() != QProcess::Running)
        QSKIP("no daemon is running");
    m_daemon.kill();
    m_daemon.waitForFinished(5000);
    Calculator calculator{Calculator::Standard};
    QVERIFY(QTest::qWaitForWindowExposed(&calculator.window));
    m_touch.play(calculator, "1+1 1- 1+2 1- 1+3 1-");
    QCOMPARE(calculator.shown(), QStringLiteral("123"));
    QTRY_COMPARE_WITH_TIMEOUT(warnings, 1, 5000);
    QTest::qWait(100);
    QCOMPARE(warnings, 1);
}

// The daemon's name is on the bus, but starting it never ends: the keys type
// without waiting for it, and one warning comes when the bus gives up.
void TestFeedback::noDaemon()
{
    const QString missing = startBus(QStringLiteral("/bin/sleep 60"));
    if (!missing.isEmpty())
        QSKIP(qPrintable(missing));
    Calculator calculator{Calculator::Standard};
    QVERIFY(QTest::qWaitForWindowExposed(&calculator.window));
    QElapsedTimer tapping;
    tapping.start();
    m_touch.play(calculator, "1+1 1- 1+2 1- 1+3 1-");
    QVERIFY2(tapping.elapsed() < 1000, qPrintable(QString::number(tapping.elapsed()) + " ms"));
    QCOMPARE(calculator.shown(), QStringLiteral("123"));
    QTRY_COMPARE_WITH_TIMEOUT(warnings, 1, 10000); // the bus's start timeout is 2 s
    m_touch.play(calculator, "1+4 1- 1+5 1-");
    QTest::qWait(100);
    QCOMPARE(calculator.shown(), QStringLiteral("12345"));
    QCOMPARE(warnings, 1);
}

void TestFeedback::cleanupTestCase()
{
    for (QProcess *process : {&m_daemon, &m_monitor, &m_bus}) {
        process->kill();
        process->waitForFinished(5000);
    }
}

// A session bus of the test's own, watched by dbus-monitor from the start.
// Its daemon's name starts `serviceStart`, when given.
QString TestFeedback::startBus(const QString &serviceStart)
{
    if (!QFile::exists("/usr/bin/dbus-daemon") || !QFile::exists("/usr/bin/dbus-monitor"))
        return QStringLiteral("no dbus-daemon and dbus-monitor (Debian packages dbus-daemon, dbus-bin)");
    QFile config(m_home.filePath("bus.conf"));
    QFile service(m_home.filePath("org.sigxcpu.Feedback.service"));
    if (!config.open(QIODevice::WriteOnly) || !service.open(QIODevice::WriteOnly))
        return QStringLiteral("cannot write the bus's configuration");
    service.write("[D-BUS Service]\nName=org.sigxcpu.Feedback\nExec=" + serviceStart.toUtf8() + "\n");
    config.write(QStringLiteral("<busconfig><type>session</type><listen>unix:dir=%1</listen>"
                                "<auth>EXTERNAL</auth><servicedir>%2</servicedir>"
                                "<limit name=\"service_start_timeout\">2000</limit>"
                                "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
                                "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>")
                         .arg(m_home.path(), serviceStart.isEmpty() ? m_home.filePath("none") : m_home.path())
                         .toUtf8());
    config.close();
    start(m_bus, "dbus-daemon", {"--config-file=" + config.fileName(), "--nofork", "--print-address=1"});
    if (!m_bus.waitForReadyRead(5000))
        return "the bus did not start: " + m_bus.readAllStandardError();
    const QByteArray address = m_bus.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    start(m_monitor, "dbus-monitor", {"--address", address, "--monitor", "interface='org.sigxcpu.Feedback'"});
    // A monitor sees its own name lost first.
    QElapsedTimer waited;
    waited.start();
    while (!m_seen.contains("NameLost") && waited.elapsed() < 5000) {
        m_monitor.waitForReadyRead(100);
        m_seen += m_monitor.readAllStandardOutput();
    }
    return m_seen.contains("NameLost") ? QString() : "dbus-monitor did not start: " + m_monitor.readAllStandardError();
}

QString TestFeedback::startDaemon()
{
    const QString feedbackd = QStringLiteral("/usr/libexec/feedbackd");
    if (!QFile::exists(feedbackd))
        return QStringLiteral("no feedback daemon (Debian package feedbackd)");
    const QString busMissing = startBus(QString());
    if (!busMissing.isEmpty())
        return busMissing;
    start(m_daemon, feedbackd, {});
    // It runs without vibration motor, LEDs or sound; the bus tells when it
    // has taken its name.
    QProcess owner;
    for (QElapsedTimer waited; !waited.isValid() || waited.elapsed() < 5000; QTest::qWait(50)) {
        if (!waited.isValid())
            waited.start();
        owner.start("dbus-send", {"--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                                  "org.freedesktop.DBus.NameHasOwner", "string:org.sigxcpu.Feedback"});
        if (owner.waitForFinished(2000) && owner.readAllStandardOutput().contains("boolean true"))
            return QString();
    }
    return "feedbackd did not take its name on the bus: " + m_daemon.readAllStandardError();
}

// Children die with the test, also when it crashes; the QProcess members
// stop them at its end.
void TestFeedback::start(QProcess &process, const QString &program, const QStringList &arguments)
{
    process.setChildProcessModifier([] { prctl(PR_SET_PDEATHSIG, SIGKILL); });
    process.start(program, arguments);
}

// The daemon's requests since the last call, as "app id event". The test
// asks last on the calculator's own connection, whose messages the bus
// passes on in order: once the monitor has shown that, it has shown all.
QStringList TestFeedback::seenSinceLast()
{
    GDBusConnection *bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, nullptr);
    GVariant *reply = g_dbus_connection_call_sync(
            bus, "org.sigxcpu.Feedback", "/org/sigxcpu/Feedback", "org.sigxcpu.Feedback", "TriggerFeedback",
            g_variant_new("(ss@a{sv}i)", "test", "last", g_variant_new_array(G_VARIANT_TYPE("{sv}"), nullptr, 0), -1),
            nullptr, G_DBUS_CALL_FLAGS_NONE, 5000, nullptr, nullptr);
    if (reply)
        g_variant_unref(reply);
    g_object_unref(bus);
    for (QElapsedTimer waited; !m_seen.contains("\"last\"") && (!waited.isValid() || waited.elapsed() < 5000);) {
        if (!waited.isValid())
            waited.start();
        m_monitor.waitForReadyRead(100);
        m_seen += m_monitor.readAllStandardOutput();
    }
    QStringList requests;
    static const QRegularExpression request(R"re(member=TriggerFeedback\s+string "([^"]*)"\s+string "([^"]*)")re");
    for (const QRegularExpressionMatch &match : request.globalMatch(m_seen)) {
        if (match.captured(1) != QLatin1String("test"))
            requests << match.captured(1) + ' ' + match.captured(2);
    }
    m_seen.clear();
    return requests;
}

QTEST_MAIN(TestFeedback)
#include "tst_feedback.moc"
