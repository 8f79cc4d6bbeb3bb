#include "calculatorharness.h"
#include "screenturn.h"

#include <QAction>
#include <QDirIterator>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMetaMethod>
#include <QScreen>
#include <QScrollBar>
#include <QStatusBar>
#include <QVBoxLayout>

#include <qpa/qplatformscreen.h>
#include <qpa/qwindowsysteminterface.h>

namespace {

// QObject::receivers() is protected; a pointer to it taken through a
// subclass may be called on any object.
struct ReceiverCount : QObject
{
    static int of(const QObject *sender, const char *signal)
    {
        return (sender->*(&ReceiverCount::receivers))(signal);
    }
};

void setScreen(const QSize &size)
{
    turnScreen(size);
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), QRect(QPoint(0, 0), size));
}

QSize screenSize(const QString &shape)
{
    if (shape == "portrait")
        return {480, 800};
    if (shape == "tall")
        return {600, 1024};
    if (shape == "square")
        return {700, 700};
    if (shape == "wide")
        return {1024, 600};
    return {800, 480}; // landscape
}

// A second display that can be plugged in as the primary screen.
class PluggedScreen : public QPlatformScreen
{
public:
    explicit PluggedScreen(const QRect &geometry)
        : m_geometry(geometry)
    {
    }
    QRect geometry() const override { return m_geometry; }
    int depth() const override { return 32; }
    QImage::Format format() const override { return QImage::Format_RGB32; }

private:
    QRect m_geometry;
};

QStackedWidget *stack(const MainWindow &window)
{
    return window.findChild<QStackedWidget *>("stackedWidget");
}

} // namespace

class TestShell : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void startState();
    void startsScientificOnAnyScreen_data();
    void startsScientificOnAnyScreen();
    void displaysAreReadOnly_data();
    void displaysAreReadOnly();
    void resources_data();
    void resources();
    void resourceFolderHoldsOnlyThese();
    void objectTree_data();
    void objectTree();
    void keysShowOnlyTheirImage();
    void layouts();
    void aboutTexts();
    void slotsInOrder();
    void eachKeyConnectedOnce();
    void pageSwitching_data();
    void pageSwitching();
    void pagesKeepTheirDisplays();
    void followsAReplacedPrimaryScreen();
};

void TestShell::init()
{
    setScreen(screenSize("landscape"));
}

void TestShell::startState()
{
    MainWindow window;
    QCOMPARE(window.size(), QSize(859, 867));
    QCOMPARE(window.objectName(), QString("MainWindow"));
    QCOMPARE(window.windowTitle(), QString("Scientific Calculator"));
    QCOMPARE(stack(window)->currentIndex(), 1);
    QVERIFY(window.statusBar());

    const QList<QAction *> menus = window.menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus.first()->text(), QString("myMenu"));
    const QList<QAction *> items = menus.first()->menu()->actions();
    QCOMPARE(items.size(), 1);
    QCOMPARE(items.first()->text(), QString("About"));

    Calculator scientific(Calculator::Scientific);
    QCOMPARE(scientific.indicators(),
             QStringList({":/images/Decimal.jpg", ":/images/Degree.jpg"}));
    QCOMPARE(scientific.shown(), QString("0"));
    QVERIFY(scientific.rightAligned());
    QVERIFY(scientific.disabledKeys().isEmpty());

    Calculator standard(Calculator::Standard);
    QCOMPARE(standard.indicators(), QStringList());
    QCOMPARE(standard.display()->toPlainText(), QString("0"));
    QVERIFY(standard.rightAligned());
    QVERIFY(standard.disabledKeys().isEmpty());
}

void TestShell::startsScientificOnAnyScreen_data()
{
    QTest::addColumn<QString>("shape");
    QTest::newRow("portrait") << "portrait";
    QTest::newRow("square") << "square";
    QTest::newRow("landscape") << "wide";
}

void TestShell::startsScientificOnAnyScreen()
{
    QFETCH(QString, shape);
    setScreen(screenSize(shape));
    MainWindow window;
    window.show();
    QCOMPARE(stack(window)->currentIndex(), 1);
    QCOMPARE(window.windowTitle(), QString("Scientific Calculator"));

    // The first about page and close button apply the screen's shape.
    const bool portrait = shape == "portrait";
    window.menuBar()->actions().first()->menu()->actions().first()->trigger();
    QCOMPARE(stack(window)->currentIndex(), portrait ? 2 : 3);
    QCOMPARE(window.windowTitle(), QString("Scientific Calculator"));
    QTest::mouseClick(window.findChild<QPushButton *>(portrait ? "Simple_CloseButton" : "Scientific_CloseButton"),
                      Qt::LeftButton);
    QCOMPARE(stack(window)->currentIndex(), portrait ? 0 : 1);
    QCOMPARE(window.windowTitle(), QString(portrait ? "Simple" : "Scientific Calculator"));
}

void TestShell::displaysAreReadOnly_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("pointSize");
    QTest::addColumn<QSize>("maximumSize");
    QTest::newRow("standard") << "Simple_textEdit" << 24 << QSize(460, 80);
    QTest::newRow("scientific") << "Scientific_textEdit" << 18 << QSize(780, 100);
}

void TestShell::displaysAreReadOnly()
{
    QFETCH(QString, name);
    QFETCH(int, pointSize);
    QFETCH(QSize, maximumSize);
    MainWindow window;
    auto *display = window.findChild<QTextEdit *>(name);
    QVERIFY(display);
    QVERIFY(display->isReadOnly());
    QVERIFY(!display->acceptRichText());
    QVERIFY(!display->acceptDrops());
    QCOMPARE(display->textInteractionFlags(), Qt::NoTextInteraction);
    QCOMPARE(display->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(display->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    QCOMPARE(display->lineWrapMode(), QTextEdit::WidgetWidth);
    QCOMPARE(display->font().pointSize(), pointSize);
    QCOMPARE(display->maximumSize(), maximumSize);
}

void TestShell::resources_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");

    const QStringList keys = {
        "btnce", "btndel", "btnsquareroot", "btnpercent", "btnseven", "btneight", "btnnine",
        "btndivide", "btnfour", "btnfive", "btnsix", "btnmultiply", "btnone", "btntwo",
        "btnthree", "btnminus", "btnzero", "btndot", "btnequal", "btnplus",
        "scshift_btn", "scdeg_btn", "scpi_seven", "scnegative_eight", "scnxFactorial_nine",
        "scsin_btn", "sccos_btn", "sctan_btn", "scxy_btn", "scfour_btn", "scfive_btn",
        "scx-1_six", "sclog_btn", "scln_btn", "scx2_btn", "scXcube_Xcuberoot", "scone_btn",
        "sctwo_btn", "scthree_btn", "schex_dec", "scoct_bin", "scExp_OpenBracket",
        "scAns_CloseBracket", "scA_zero"};
    const QStringList indicators = {"Decimal", "Hexadecimal", "Octal", "Binary",
                                    "Degree", "Radian", "Shift"};
    for (const QString &name : keys)
        QTest::newRow(qPrintable(name)) << ":/images/" + name + ".jpg" << QSize(200, 200);
    for (const QString &name : indicators)
        QTest::newRow(qPrintable(name)) << ":/images/" + name + ".jpg" << QSize(40, 15);
}

void TestShell::resources()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QImage image(file);
    QVERIFY2(!image.isNull(), qPrintable(file));
    QCOMPARE(image.size(), size);
}

void TestShell::resourceFolderHoldsOnlyThese()
{
    int count = 0;
    for (QDirIterator it(":/images"); it.hasNext(); it.next())
        ++count;
    QCOMPARE(count, 51);
}

void TestShell::objectTree_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("className");
    QTest::addColumn<QString>("parentName");
    QTest::addColumn<int>("page");

    QTest::newRow("centralWidget") << "centralWidget" << "QWidget" << "MainWindow" << -1;
    QTest::newRow("stackedWidget") << "stackedWidget" << "QStackedWidget" << "centralWidget" << -1;
    const char *pages[] = {"page", "page_2", "page_3", "page_4"};
    for (int i = 0; i < 4; ++i)
        QTest::newRow(pages[i]) << pages[i] << "QWidget" << "stackedWidget" << i;

    QTest::newRow("verticalLayoutWidget_3") << "verticalLayoutWidget_3" << "QWidget" << "page" << 0;
    QTest::newRow("Simple_textEdit") << "Simple_textEdit" << "QTextEdit" << "verticalLayoutWidget_3" << 0;
    const QStringList standardKeys = {
        "btnCE", "btnDelete", "btnSqrt", "btnPercent", "btnSeven", "btnEight", "btnNine",
        "btnDivide", "btnFour", "btnFive", "btnSix", "btnTimes", "btnOne", "btnTwo",
        "btnThree", "btnMinus", "btnZero", "btnDot", "btnEqual", "btnPlus"};
    for (const QString &key : standardKeys)
        QTest::newRow(qPrintable(key)) << key << "QPushButton" << "verticalLayoutWidget_3" << 0;

    QTest::newRow("verticalLayoutWidget") << "verticalLayoutWidget" << "QWidget" << "page_2" << 1;
    QTest::newRow("Scientific_textEdit") << "Scientific_textEdit" << "QTextEdit" << "verticalLayoutWidget" << 1;
    const QStringList scientificKeys = {
        "btnCE_sci", "btnDelete_sci", "btnShift", "btnRad_Deg", "btnPi_Seven",
        "btnNegative_Eight", "btnXfactorial_Nine", "btnDivide_sci", "btnSin", "btnCos",
        "btnTan", "btnXroot_Xy", "btnE_Four", "btnF_Five", "btnXinv_Six", "btnTimes_sci",
        "btn10x_Log", "btnex_ln", "btnSqrt_Square", "btnXcuberoot_Xcube", "btnB_One",
        "btnC_Two", "btnD_Three", "btnMinus_sci", "btnHex_Dec", "btnOct_Bin",
        "btnExp_OpenBracket", "btnAns_CloseBracket", "btnA_Zero", "btnDot_sci",
        "btnEqual_sci", "btnPlus_sci"};
    for (const QString &key : scientificKeys)
        QTest::newRow(qPrintable(key)) << key << "QPushButton" << "verticalLayoutWidget" << 1;

    QTest::newRow("widget") << "widget" << "QWidget" << "page_3" << 2;
    QTest::newRow("label") << "label" << "QLabel" << "widget" << 2;
    QTest::newRow("Simple_CloseButton") << "Simple_CloseButton" << "QPushButton" << "widget" << 2;
    QTest::newRow("widget_2") << "widget_2" << "QWidget" << "page_4" << 3;
    QTest::newRow("label_2") << "label_2" << "QLabel" << "widget_2" << 3;
    QTest::newRow("Scientific_CloseButton") << "Scientific_CloseButton" << "QPushButton" << "widget_2" << 3;
    QTest::newRow("statusBar") << "statusBar" << "QStatusBar" << "MainWindow" << -1;
}

void TestShell::objectTree()
{
    QFETCH(QString, name);
    QFETCH(QString, className);
    QFETCH(QString, parentName);
    QFETCH(int, page);

    MainWindow window;
    const QList<QWidget *> found = window.findChildren<QWidget *>(name);
    QCOMPARE(found.size(), 1);
    QWidget *widget = found.first();
    QCOMPARE(widget->metaObject()->className(), qPrintable(className));
    QCOMPARE(widget->parent()->objectName(), parentName);
    if (page >= 0) {
        QWidget *pageWidget = stack(window)->widget(page);
        QVERIFY(pageWidget == widget || pageWidget->isAncestorOf(widget));
    }
}

void TestShell::keysShowOnlyTheirImage()
{
    MainWindow window;
    const QList<QPushButton *> keys = window.findChildren<QPushButton *>();
    QCOMPARE(keys.size(), 54); // 52 keys and two close buttons
    for (const QPushButton *key : keys) {
        if (key->objectName().endsWith("CloseButton")) {
            QCOMPARE(key->text(), QString("Close"));
            continue;
        }
        QVERIFY2(key->text().isEmpty(), qPrintable(key->objectName()));
        const bool scientific = stack(window)->widget(1)->isAncestorOf(key);
        const QSize iconSize = scientific ? QSize(75, 58) : QSize(100, 70);
        QCOMPARE(key->iconSize(), iconSize);
        QVERIFY2(!key->icon().pixmap(iconSize).isNull(), qPrintable(key->objectName()));
        QCOMPARE(key->minimumSize(), scientific ? QSize(75, 65) : QSize(60, 80));
    }
}

void TestShell::layouts()
{
    MainWindow window;
    QCOMPARE(stack(window)->geometry(), QRect(20, 10, 811, 841));
    QCOMPARE(stack(window)->font().pointSize(), 18);
    QCOMPARE(stack(window)->count(), 4);

    auto *standard = window.findChild<QVBoxLayout *>("verticalLayout_5");
    QVERIFY(standard);
    QCOMPARE(standard->spacing(), 0);
    QCOMPARE(standard->contentsMargins(), QMargins(0, 0, 0, 0));
    QCOMPARE(standard->sizeConstraint(), QLayout::SetMaximumSize);
    QCOMPARE(standard->count(), 12);

    auto *row = window.findChild<QHBoxLayout *>("horizontalLayout_12");
    QCOMPARE(row->spacing(), 18);
    QCOMPARE(row->count(), 4);

    auto *scientific = window.findChild<QVBoxLayout *>("verticalLayout");
    QVERIFY(scientific);
    QCOMPARE(scientific->count(), 6);
    auto *empty = window.findChild<QHBoxLayout *>("horizontalLayout_2");
    QCOMPARE(empty->count(), 0);
    for (const char *name : {"horizontalLayout_4", "horizontalLayout_3", "horizontalLayout_5",
                             "horizontalLayout_7"}) {
        auto *keys = window.findChild<QHBoxLayout *>(name);
        QCOMPARE(keys->count(), 8);
        QCOMPARE(keys->spacing(), 2);
        QCOMPARE(keys->sizeConstraint(), QLayout::SetFixedSize);
    }
}

void TestShell::aboutTexts()
{
    MainWindow window;
    const auto *portrait = window.findChild<QLabel *>("label");
    const auto *landscape = window.findChild<QLabel *>("label_2");

    QTextDocument doc;
    doc.setHtml(portrait->text());
    QCOMPARE(doc.toPlainText(), QString("App Name   \t:  Quillon Calculator\n"
                                        "App Version \t:  1.1.5\n"
                                        "Developer\t:  Corvane"));
    QCOMPARE(doc.begin().begin().fragment().charFormat().fontPointSize(), 20.0);

    doc.setHtml(landscape->text());
    QCOMPARE(doc.toPlainText(), QString("App Name   \t:  Quillon Calculator\n"
                                        "App Version \t:  1.1.5\n"
                                        "Developer\t\t:  Corvane"));
    QCOMPARE(doc.begin().begin().fragment().charFormat().fontPointSize(), 26.0);

    // The texts were laid out for a narrow dialog font; they must not overflow.
    QVERIFY(portrait->sizeHint().width() <= portrait->width());
    QVERIFY(landscape->sizeHint().width() <= landscape->width());

    QCOMPARE(window.findChild<QPushButton *>("Simple_CloseButton")->font().pointSize(), 16);
    QCOMPARE(window.findChild<QPushButton *>("Scientific_CloseButton")->font().pointSize(), 18);
}

void TestShell::slotsInOrder()
{
    const QStringList expected = {
        "aboutClick", "checkScreenOrientation", "CEclick", "btnDelete_click", "numclick0",
        "numclick1", "numclick2", "numclick3", "numclick4", "numclick5", "numclick6",
        "numclick7", "numclick8", "numclick9", "btnDot_Click", "btnSqrt_Click",
        "btnPercent_Click", "btnPlus_Click", "btnMinus_Click", "btnTimes_Click",
        "btnDivide_Click", "btnEqual_Click", "Sci_CEclick", "Sci_DeleteClick",
        "Sci_ShiftClick", "Sci_numclick0", "Sci_numclick1", "Sci_numclick2", "Sci_numclick3",
        "Sci_numclick4", "Sci_numclick5", "Sci_numclick6", "Sci_numclick7", "Sci_numclick8",
        "Sci_numclick9", "Sci_RadDegClick", "Sci_XcubeClick", "Sci_SineClick",
        "Sci_CosineClick", "Sci_TangentClick", "Sci_LogClick", "Sci_LnClick",
        "Sci_XsquareClick", "Sci_XyClick", "Sci_HexDecClick", "Sci_OctBinClick",
        "Sci_ExpClick", "Sci_AnsClick", "Sci_PlusClick", "Sci_MinusClick", "Sci_TimesClick",
        "Sci_DivideClick", "Sci_DotClick", "Sci_EqualClick"};
    const QMetaObject &meta = MainWindow::staticMetaObject;
    QStringList declared;
    QStringList signalNames;
    for (int i = meta.methodOffset(); i < meta.methodCount(); ++i) {
        const QMetaMethod method = meta.method(i);
        if (method.methodType() == QMetaMethod::Signal) {
            signalNames << QString::fromLatin1(method.name());
            continue;
        }
        QCOMPARE(method.methodType(), QMetaMethod::Slot);
        QCOMPARE(method.access(), QMetaMethod::Private);
        QCOMPARE(method.parameterCount(), 0);
        declared << QString::fromLatin1(method.name());
    }
    QCOMPARE(declared, expected);
    QCOMPARE(signalNames, QStringList{"calculationChanged"});
}

void TestShell::eachKeyConnectedOnce()
{
    MainWindow window;
    // A key runs its slot, then tells that the calculation changed; the
    // about pages' Close buttons only turn the page.
    for (const QPushButton *key : window.findChildren<QPushButton *>()) {
        const int receivers = key->objectName().endsWith("CloseButton") ? 1 : 2;
        QVERIFY2(ReceiverCount::of(key, SIGNAL(clicked(bool))) == receivers, qPrintable(key->objectName()));
    }
    // A menu listens to its own actions; the window adds exactly one receiver.
    QMenu menu;
    const int menuReceivers = ReceiverCount::of(menu.addAction("About"), SIGNAL(triggered(bool)));
    QAction *about = window.menuBar()->actions().first()->menu()->actions().first();
    QCOMPARE(ReceiverCount::of(about, SIGNAL(triggered(bool))), menuReceivers + 1);
}

// Events: a screen shape (the screen turns to it), "about" (the menu action),
// "close" (the close button of the about page on show).
void TestShell::pageSwitching_data()
{
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("page");
    QTest::addColumn<QString>("title");

    const QString sci = "Scientific Calculator";
    QTest::newRow("turn upright") << "portrait" << 0 << "Simple";
    QTest::newRow("turn sideways") << "portrait landscape" << 1 << sci;
    QTest::newRow("turn square") << "portrait square" << 1 << sci;
    QTest::newRow("upright to upright") << "portrait tall" << 0 << "Simple";
    QTest::newRow("about sideways") << "about" << 3 << sci;
    QTest::newRow("about square") << "square about" << 3 << sci;
    QTest::newRow("about upright") << "portrait about" << 2 << "Simple";
    QTest::newRow("about twice") << "portrait about about" << 2 << "Simple";
    QTest::newRow("close upright") << "portrait about close" << 0 << "Simple";
    QTest::newRow("close sideways") << "about close" << 1 << sci;
    QTest::newRow("close square") << "square about close" << 1 << sci;
    QTest::newRow("turn on portrait about") << "portrait about landscape" << 1 << sci;
    QTest::newRow("turn on landscape about") << "about portrait" << 0 << "Simple";
    QTest::newRow("turn then about") << "about portrait about" << 2 << "Simple";
}

void TestShell::pageSwitching()
{
    QFETCH(QString, events);
    QFETCH(int, page);
    QFETCH(QString, title);

    MainWindow window;
    window.show();
    QAction *about = window.menuBar()->actions().first()->menu()->actions().first();
    for (const QString &event : events.split(' ')) {
        if (event == "about") {
            about->trigger();
        } else if (event == "close") {
            const int shown = stack(window)->currentIndex();
            QVERIFY(shown == 2 || shown == 3);
            const char *button = shown == 2 ? "Simple_CloseButton" : "Scientific_CloseButton";
            QTest::mouseClick(window.findChild<QPushButton *>(button), Qt::LeftButton);
        } else {
            setScreen(screenSize(event));
        }
    }
    QCOMPARE(stack(window)->currentIndex(), page);
    QCOMPARE(window.windowTitle(), title);
}

void TestShell::pagesKeepTheirDisplays()
{
    Calculator calculator(Calculator::Scientific);
    QAction *about = calculator.window.menuBar()->actions().first()->menu()->actions().first();

    setScreen(screenSize("portrait"));
    calculator.usePage(Calculator::Standard);
    calculator.press("1 2 +");
    setScreen(screenSize("landscape"));
    calculator.usePage(Calculator::Scientific);
    calculator.press("shift 7");
    about->trigger();

    setScreen(screenSize("portrait"));
    calculator.usePage(Calculator::Standard);
    QCOMPARE(calculator.shown(), QString("12"));
    calculator.press("3 =");
    QCOMPARE(calculator.shown(), QString("15"));

    setScreen(screenSize("square"));
    calculator.usePage(Calculator::Scientific);
    QCOMPARE(calculator.shown(), QString("3.1415926535898"));
    calculator.press("+ 1 =");
    QCOMPARE(calculator.shown(), QString("4.1415926535898"));
}

// Plugging in another display as the primary screen counts as a turn, and
// the window then follows the new screen's turns.
void TestShell::followsAReplacedPrimaryScreen()
{
    MainWindow window;
    window.show();
    QScreen *first = QGuiApplication::primaryScreen();

    auto *plugged = new PluggedScreen(QRect(QPoint(2000, 0), QSize(480, 800)));
    QWindowSystemInterface::handleScreenAdded(plugged, true);
    QCOMPARE(QGuiApplication::primaryScreen()->geometry(), plugged->geometry());
    QCOMPARE(stack(window)->currentIndex(), 0);

    const QRect turned(QPoint(2000, 0), QSize(800, 480));
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), turned, turned);
    QWindowSystemInterface::flushWindowSystemEvents();
    QCOMPARE(stack(window)->currentIndex(), 1);

    // The old screen no longer turns the window.
    const QRect upright(QPoint(0, 0), QSize(480, 800));
    QWindowSystemInterface::handleScreenGeometryChange(first, upright, upright);
    QWindowSystemInterface::flushWindowSystemEvents();
    QCOMPARE(stack(window)->currentIndex(), 1);

    QWindowSystemInterface::handleScreenRemoved(plugged);
    QCOMPARE(QGuiApplication::primaryScreen(), first);
    QCOMPARE(stack(window)->currentIndex(), 0);
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
