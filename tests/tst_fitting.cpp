// The pages fit, and fill, the window at the screen sizes of handsets and
// desktops, in every language: run once as is and once with QT_SCALE_FACTOR=2.

#include "calculatorharness.h"
#include "pagefitter.h"
#include "scalediconengine.h"
#include "translation.h"
#include "windowfitter.h"
#include "residentmemory.h"

#include <QAccessible>
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QLibraryInfo>
#include <QBackingStore>
#include <QPixmapCache>
#include <QPushButton>
#include <QScreen>
#include <QStackedWidget>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextBoundaryFinder>
#include <QTextLayout>

#include <qpa/qwindowsysteminterface.h>

#include <dlfcn.h>
#include <malloc.h>

namespace {

// Screen sizes in logical pixels; every window is maximized to its screen.
const QList<QSize> &screenSizes()
{
    static const QList<QSize> sizes = {{320, 480}, {480, 320}, {360, 720}, {720, 360}, {412, 915}, {915, 412},
                                       {480, 800}, {800, 480}, {1920, 1080}, {859, 867}, {1280, 720}};
    return sizes;
}

// Where a page shrunk uniformly cannot give its keys 40 pixels both ways:
// the standard page (content 461 x 691, keys 91 x 83) on a screen lower than
// about 380, the scientific page (781 x 381, keys 75 x 65) on one narrower
// than about 480. Neither is the page for that screen's shape, but the
// window starts on the scientific page whatever the shape.
bool keysCanBeLarge(const QSize &screen, int page)
{
    static const QList<QSize> smallStandard = {{480, 320}, {720, 360}};
    static const QList<QSize> smallScientific = {{320, 480}, {360, 720}, {412, 915}};
    return !(page == 0 ? smallStandard : smallScientific).contains(screen);
}

// A handset's screen is at most 480 pixels across; on it the about pages'
// Close buttons stay a finger's size like the keys.
bool isHandset(const QSize &screen)
{
    return std::min(screen.width(), screen.height()) <= 480;
}

void turnScreen(const QSize &size)
{
    const QRect geometry(QPoint(0, 0), size * QGuiApplication::primaryScreen()->devicePixelRatio());
    QWindowSystemInterface::handleScreenGeometryChange(QGuiApplication::primaryScreen(), geometry, geometry);
    QWindowSystemInterface::flushWindowSystemEvents();
}

// Turns the screen and gives the window all of it, as a compositor does with
// a maximized window.
bool maximize(MainWindow &window, const QSize &size)
{
    turnScreen(size);
    window.resize(size);
    if (!QTest::qWaitFor([&] { return window.size() == size; }, 2000))
        return false;
    QCoreApplication::processEvents();
    return true;
}

QStackedWidget *pages(const MainWindow &window)
{
    return window.findChild<QStackedWidget *>(QStringLiteral("stackedWidget"));
}

// The window's pixels as last flushed to the screen, in device pixels.
QImage onScreen(QWidget &window)
{
    QPaintDevice *flushed = window.backingStore()->paintDevice();
    return flushed->devType() == QInternal::Image ? *static_cast<QImage *>(flushed) : QImage();
}

// What the screen shows of a window right after its first expose event has
// been handled: its first frame.
class FirstFrame : public QObject
{
public:
    explicit FirstFrame(QWidget &window)
        : m_window(window)
    {
        window.winId();
        window.windowHandle()->installEventFilter(this);
    }

    QImage image;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::Expose || !image.isNull() || m_handling)
            return false;
        m_handling = true;
        QCoreApplication::sendEvent(watched, event);
        m_handling = false;
        image = onScreen(m_window).copy(); // the backing store paints on
        return true;
    }

private:
    QWidget &m_window;
    bool m_handling = false;
};

QRect rectIn(const QWidget *widget, const QWidget *ancestor)
{
    return QRect(widget->mapTo(ancestor, QPoint(0, 0)), widget->size());
}

int lineCount(const QTextDocument *document)
{
    int lines = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
        lines += block.layout()->lineCount();
    return lines;
}

// The longest texts each display shows, as the calculator writes them.
QStringList displayTexts(int page)
{
    const QString indicators = "<img src=\":/images/Binary.jpg\"><img src=\":/images/Radian.jpg\">"
                               "<img src=\":/images/Shift.jpg\">";
    const QStringList numbers = page == 0 ? QStringList{"1234567890123456789012", "-1.2345678e+323228496"}
                                          : QStringList{QString(64, '1'), "1234567890123456789012345",
                                                        "-1.2345678901234e+323228496"};
    QStringList texts;
    for (const QString &text : numbers + QStringList{"Cannot divide by zero", "Invalid input for function"})
        texts << (page == 0 ? QString() : indicators) + "<p align=\"right\">" + text + "</p>";
    return texts;
}

QString plain(const QString &html)
{
    QTextDocument document;
    document.setHtml(html);
    return document.toPlainText().remove(QChar::ObjectReplacementCharacter).trimmed();
}

// What the design-size comparison reads of each widget.
QString describe(const QWidget *widget)
{
    QString text = QStringLiteral("%1 geometry %2,%3 %4x%5 min %6x%7 max %8x%9 font %10")
                           .arg(widget->objectName())
                           .arg(widget->x()).arg(widget->y()).arg(widget->width()).arg(widget->height())
                           .arg(widget->minimumWidth()).arg(widget->minimumHeight())
                           .arg(widget->maximumWidth()).arg(widget->maximumHeight())
                           .arg(widget->font().toString());
    if (auto *button = qobject_cast<const QPushButton *>(widget))
        text += QStringLiteral(" icon %1x%2").arg(button->iconSize().width()).arg(button->iconSize().height());
    if (auto *label = qobject_cast<const QLabel *>(widget))
        text += " text " + label->text();
    if (auto *display = qobject_cast<const QTextEdit *>(widget))
        text += QStringLiteral(" margin %1 viewport %2x%3").arg(display->document()->documentMargin())
                        .arg(display->viewport()->width()).arg(display->viewport()->height());
    return text;
}

QStringList describePage(MainWindow &window, int page)
{
    pages(window)->setCurrentIndex(page);
    QCoreApplication::processEvents();
    QStringList lines{describe(pages(window)), describe(pages(window)->widget(page))};
    for (const QWidget *widget : pages(window)->widget(page)->findChildren<QWidget *>()) {
        if (!widget->objectName().isEmpty() && !widget->objectName().startsWith("qt_"))
            lines << describe(widget);
    }
    return lines;
}

// Everything of the window a person reads or hears, one text per line, in the
// same order in any language: the title and the menu; each widget's text,
// tooltip and accessible name and description; what a screen reader reads of
// the scientific display's modes, with shift off and on.
QStringList windowTexts(Calculator &calculator)
{
    MainWindow &window = calculator.window;
    QStringList texts{window.windowTitle()};
    for (const QAction *menu : window.menuBar()->actions()) {
        texts << menu->text();
        for (const QAction *item : menu->menu()->actions())
            texts << item->text();
    }
    for (const QWidget *widget : window.findChildren<QWidget *>()) {
        QString text;
        if (auto *label = qobject_cast<const QLabel *>(widget))
            text = plain(label->text());
        else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
            text = button->text();
        for (const QString &words : {text, widget->toolTip(), widget->accessibleName(), widget->accessibleDescription()}) {
            if (!words.isEmpty())
                texts << words;
        }
    }
    calculator.usePage(Calculator::Scientific);
    QAccessibleInterface *display = QAccessible::queryAccessibleInterface(calculator.display());
    texts << display->text(QAccessible::Description);
    calculator.press("shift");
    texts << display->text(QAccessible::Description);
    calculator.press("shift");
    return texts;
}

// A message that takes two lines breaks where the language lets a line break.
bool breaksAtWords(const QTextDocument *document)
{
    const QTextBlock block = document->lastBlock();
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, block.text());
    for (int i = 1; i < block.layout()->lineCount(); ++i) {
        breaks.setPosition(block.layout()->lineAt(i).textStart());
        if (!breaks.isAtBoundary())
            return false;
    }
    return true;
}

} // namespace

class TestFitting : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void pagesFit_data();
    void pagesFit();
    void designSizeIsTheForm();
    void firstFrameIsComplete_data();
    void firstFrameIsComplete();
    void turnsDecodeNoFaceTwice();
    void memoryStaysBounded();
    void languages_data();
    void languages();

private:
    void checkCalculator(const MainWindow &window, int page, bool large);
    void checkAbout(const MainWindow &window, int page, bool handset);

    QList<int> m_designLines[2]; // of each display text at design size
    qreal m_designSpacing[2] = {};  // of the display's paragraphs at design size
};

void TestFitting::initTestCase()
{
    turnScreen({1280, 800});
    MainWindow window;
    // The number libraries are opened after the first frame, not with the window.
    const char *const numberLibraries[] = {ARB_LIBRARY, MPFR_LIBRARY, GMP_LIBRARY};
    for (const char *library : numberLibraries)
        QVERIFY2(!dlopen(library, RTLD_NOW | RTLD_NOLOAD), library);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char *library : numberLibraries)
        QTRY_VERIFY2(dlopen(library, RTLD_NOW | RTLD_NOLOAD), library);
    for (int page : {0, 1}) {
        pages(window)->setCurrentIndex(page);
        QCoreApplication::processEvents();
        auto *display = pages(window)->widget(page)->findChild<QTextEdit *>();
        for (const QString &text : displayTexts(page)) {
            display->setHtml(text);
            m_designLines[page] << lineCount(display->document());
        }
        m_designSpacing[page] = display->document()->lastBlock().blockFormat().topMargin();
    }
}

void TestFitting::pagesFit_data()
{
    QTest::addColumn<QSize>("screen");
    QTest::addColumn<int>("page");
    const char *names[] = {"standard", "scientific", "about upright", "about sideways"};
    for (const QSize &size : screenSizes()) {
        for (int page = 0; page < 4; ++page)
            QTest::addRow("%dx%d %s", size.width(), size.height(), names[page]) << size << page;
    }
    // The about texts in a short, wide window and a tall, narrow one, where
    // a text shrunk with its page can still be too large one way only.
    for (const QSize &size : {QSize(1280, 300), QSize(260, 1280)}) {
        for (int page = 2; page < 4; ++page)
            QTest::addRow("%dx%d %s", size.width(), size.height(), names[page]) << size << page;
    }
}

// The window is shown, then maximized to the screen (the turn switches the
// page), then switched to the page under test, so both a resize and a page
// switch refit.
void TestFitting::pagesFit()
{
    QFETCH(QSize, screen);
    QFETCH(int, page);
    turnScreen({1280, 800});
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(maximize(window, screen));
    pages(window)->setCurrentIndex(page);
    QCoreApplication::processEvents();

    if (page < 2)
        checkCalculator(window, page, keysCanBeLarge(screen, page));
    else
        checkAbout(window, page, isHandset(screen));
}

void TestFitting::checkCalculator(const MainWindow &window, int page, bool large)
{
    const QWidget *area = window.centralWidget();
    const QWidget *shown = pages(window)->widget(page);
    const QRect visible = area->rect() & rectIn(shown, area);
    const QList<QPushButton *> keys = shown->findChildren<QPushButton *>();
    QCOMPARE(keys.size(), page == 0 ? 20 : 32);
    int smallest = INT_MAX;
    for (const QPushButton *key : keys) {
        const QRect rect = rectIn(key, area);
        QVERIFY2(key->isVisible() && visible.contains(rect), qPrintable(key->objectName()));
        for (const QPushButton *other : keys)
            QVERIFY2(other == key || !rect.intersects(rectIn(other, area)), qPrintable(key->objectName()));
        smallest = std::min({smallest, rect.width(), rect.height()});
        // The face as large in its key as the form has it: not clipped, not tiny.
        const int face = std::min(key->iconSize().width(), key->iconSize().height());
        const int room = std::min(rect.width(), rect.height());
        QVERIFY2(face <= room && face >= 0.75 * room,
                 qPrintable(QStringLiteral("%1: %2 in %3").arg(key->objectName()).arg(face).arg(room)));
    }
    if (large)
        QVERIFY2(smallest >= 40, qPrintable(QString::number(smallest)));

    // Nothing of the page passes the window's edge, by even a pixel; a grown
    // page is centred.
    QRect content;
    for (const QWidget *child : shown->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
        content |= rectIn(child, area);
    QCOMPARE(area->rect() | content, area->rect());
    if (window.width() > 859 && window.height() > 867) { // larger than the form: grown
        const QMargins gaps(content.left(), content.top(), area->width() - 1 - content.right(),
                            area->height() - 1 - content.bottom());
        QVERIFY2(std::abs(gaps.left() - gaps.right()) <= 4 && std::abs(gaps.top() - gaps.bottom()) <= 4,
                 qPrintable(QStringLiteral("%1 %2 %3 %4").arg(gaps.left()).arg(gaps.top()).arg(gaps.right())
                                    .arg(gaps.bottom())));
    }

    // The faces are decoded at the size they are drawn, never enlarged.
    const QPushButton *key = keys.first();
    const qreal ratio = window.devicePixelRatio();
    const QPixmap face = key->icon().pixmap(key->iconSize(), ratio);
    const int side = qRound(std::min(key->iconSize().width(), key->iconSize().height()) * ratio);
    QCOMPARE(face.size(), QSize(side, side));
    QVERIFY(side <= 200);

    auto *display = shown->findChild<QTextEdit *>();
    QVERIFY(visible.contains(rectIn(display, area)));
    const QSize viewport = display->viewport()->size();
    const QFontMetricsF metrics(display->font());
    // The paragraph spacing follows the page's factor (in whole pixels in a
    // text written since), in the number on show since before the resize as
    // in every text written after it; so do the indicators (three images of
    // 40 x 15) at any pixel ratio.
    const qreal factor = window.findChild<WindowFitter *>()->page(page).factor();
    const auto spacingError = [&] {
        return std::abs(display->document()->lastBlock().blockFormat().topMargin() - m_designSpacing[page] * factor);
    };
    QVERIFY2(spacingError() <= 0.5, qPrintable(QString::number(spacingError())));
    const QStringList texts = displayTexts(page);
    for (int i = 0; i < texts.size(); ++i) {
        display->setHtml(texts.at(i));
        const QTextDocument *document = display->document();
        QVERIFY2(document->size().height() <= viewport.height(), qPrintable(texts.at(i)));
        QCOMPARE(lineCount(document), m_designLines[page].at(i));
        QVERIFY2(spacingError() <= 0.5, qPrintable(QString::number(spacingError())));
        const qreal indicators = document->begin().layout()->lineAt(0).naturalTextWidth();
        QVERIFY2(page == 0 || std::abs(indicators - 120 * factor) <= 3, qPrintable(QString::number(indicators)));
        const QString text = plain(texts.at(i));
        if (text.size() < 30) // one line of its own
            QVERIFY2(metrics.horizontalAdvance(text) + 2 * document->documentMargin() <= viewport.width(),
                     qPrintable(text));
    }
}

void TestFitting::checkAbout(const MainWindow &window, int page, bool handset)
{
    const QWidget *area = window.centralWidget();
    const QWidget *shown = pages(window)->widget(page);
    const QRect visible = area->rect() & rectIn(shown, area);
    auto *label = shown->findChild<QLabel *>();
    QVERIFY(visible.contains(rectIn(label, area)));
    const QSize text = label->sizeHint();
    QVERIFY2(text.width() <= label->width() && text.height() <= label->height(),
             qPrintable(QStringLiteral("%1x%2 in %3x%4").arg(text.width()).arg(text.height())
                                .arg(label->width()).arg(label->height())));

    auto *close = shown->findChild<QPushButton *>();
    QVERIFY(visible.contains(rectIn(close, area)));
    QVERIFY(!close->geometry().intersects(label->geometry()));
    if (handset)
        QVERIFY2(close->width() >= 40 && close->height() >= 40,
                 qPrintable(QStringLiteral("%1x%2").arg(close->width()).arg(close->height())));
    QStyleOptionButton option;
    option.initFrom(close);
    const QRect contents = close->style()->subElementRect(QStyle::SE_PushButtonContents, &option, close);
    const QSize needed = close->fontMetrics().size(Qt::TextSingleLine, close->text());
    QVERIFY2(needed.width() <= contents.width() && needed.height() <= contents.height(),
             qPrintable(QStringLiteral("%1x%2 in %3x%4").arg(needed.width()).arg(needed.height())
                                .arg(contents.width()).arg(contents.height())));
}

// Back at the form's size after any other, every page is exactly the form's,
// as a window that never fits anything shows it.
void TestFitting::designSizeIsTheForm()
{
    turnScreen({1280, 800});
    MainWindow form;
    delete form.findChild<WindowFitter *>();
    form.show();
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form) && QTest::qWaitForWindowExposed(&window));
    for (const QSize &size : {QSize(360, 720), QSize(720, 360), QSize(1920, 1080)}) {
        QVERIFY(maximize(window, size));
        for (int page = 0; page < 4; ++page)
            describePage(window, page);
    }
    QVERIFY(maximize(window, QSize(859, 867)));
    turnScreen({1280, 800});
    for (int page = 0; page < 4; ++page)
        QCOMPARE(describePage(window, page), describePage(form, page));
}

void TestFitting::firstFrameIsComplete_data()
{
    QTest::addColumn<int>("page");
    QTest::addColumn<QSize>("size");
    for (int page : {0, 1}) {
        for (const QSize &size : {QSize(859, 867), QSize(360, 720)})
            QTest::addRow("%s %dx%d", page ? "scientific" : "standard", size.width(), size.height()) << page << size;
    }
}

// The first frame is the window as it stays once the work left for later,
// faces decoded ahead of time among it, is done.
void TestFitting::firstFrameIsComplete()
{
    QFETCH(int, page);
    QFETCH(QSize, size);
    turnScreen({1280, 800});
    MainWindow window;
    pages(window)->setCurrentIndex(page);
    window.resize(size);
    FirstFrame first(window);
    window.show();
    QTRY_VERIFY(!first.image.isNull());
    ScaledIconEngine::waitForPrefetches();
    QTest::qWait(100);
    window.repaint();
    QCOMPARE(first.image.size(), size * window.devicePixelRatio());
    QVERIFY(first.image == onScreen(window));
    // Image formats are found by loading every plugin; the window needs JPEG's alone.
    const QString gif = QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/imageformats/libqgif.so";
    QVERIFY(!dlopen(qPrintable(gif), RTLD_NOW | RTLD_NOLOAD));
}

// A page first shown while the window is dragged draws the faces decoded for
// it ahead of time. A maximized window turned to the other shape fits the new
// page to the turned screen at once, not first to its passing shape, and
// turned back decodes no face again.
void TestFitting::turnsDecodeNoFaceTwice()
{
    turnScreen({1280, 800});
    const int before = ScaledIconEngine::decodeCount();
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto decodes = [&window] {
        window.repaint();
        ScaledIconEngine::waitForPrefetches();
        return ScaledIconEngine::decodeCount();
    };
    const int shown = decodes();
    // Ahead of the first frame or by it, each of the 32 faces once.
    QCOMPARE(shown - before, 32);
    // Through the 100 sizes the standard page keeps its designed size, at
    // which each of its 20 faces is decoded once.
    turnScreen({800, 1280});
    for (int i = 1; i <= 100; ++i)
        window.resize(QSize(859, 867) - QSize(i, i));
    QCOMPARE(decodes() - shown, 20);

    QPair<const QPushButton *, QSize> switched; // a key of the new page as the page switch leaves it
    connect(pages(window), &QStackedWidget::currentChanged, &window, [&](int index) {
        const QPushButton *key = pages(window)->widget(index)->findChild<QPushButton *>();
        switched = {key, key->size()};
    });
    QVERIFY(maximize(window, {720, 360}));
    QVERIFY(maximize(window, {360, 720}));
    const int drawn = decodes();
    for (const QSize &size : {QSize(720, 360), QSize(360, 720), QSize(720, 360)}) {
        QVERIFY(maximize(window, size));
        QCOMPARE(switched.second, switched.first->size());
        QCOMPARE(decodes(), drawn);
    }
}

// Faces are decoded per drawn size; the sizes no key draws any more must go.
// The style keeps drawn panels of every size in Qt's pixmap cache, which Qt
// bounds itself; it is emptied before each reading.
void TestFitting::memoryStaysBounded()
{
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("resident memory says nothing under AddressSanitizer");
#elif defined(CALCULATOR_TEST_EMULATED)
    // Under qemu the process's resident memory is the emulator's too: it
    // moved by 10 MiB between runs of one build whose heap stayed the same.
    QSKIP("resident memory says nothing under an emulator");
#endif
    // At two device pixels per logical one Qt's own glyph caches for the
    // display fonts of all these sizes come close to the bound by themselves.
    if (QGuiApplication::primaryScreen()->devicePixelRatio() != 1.0)
        QSKIP("measured at one device pixel per logical pixel");
    turnScreen({1280, 800});
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const QList<QSize> &sizes = screenSizes();
    long first = 0;
    for (int i = 0; i <= 20 * int(sizes.size()); ++i) {
        QVERIFY(maximize(window, sizes.at(i % sizes.size())));
        window.repaint();
        if (i == 0) {
            QPixmapCache::clear();
            malloc_trim(0);
            first = residentKiB();
        }
    }
    QPixmapCache::clear();
    malloc_trim(0);
    const long last = residentKiB();
    qInfo("resident: %ld KiB after the first resize, %ld KiB after %lld more", first, last,
          qint64(20 * sizes.size()));
    QVERIFY2(last - first <= 2048, qPrintable(QStringLiteral("%1 KiB, then %2 KiB").arg(first).arg(last)));
}

void TestFitting::languages_data()
{
    QTest::addColumn<QString>("language");
    // English names that are the same word in the language.
    QTest::addColumn<QStringList>("same");
    for (const char *language : {"de", "fr", "es", "it", "pt_BR", "pl", "fi", "ru", "uk", "zh_CN", "ja"})
        QTest::newRow(language) << language << QStringList();
    for (const char *language : {"nl", "cs", "sv"})
        QTest::newRow(language) << language << QStringList{"exponent"};
}

// Started in a language, the window shows and speaks it, fits a handset held
// either way with both messages on both pages, and types as in English; its
// calculation is kept in the same words as in English, and an English one
// comes back in the language's words.
void TestFitting::languages()
{
    QFETCH(QString, language);
    QFETCH(QStringList, same);
    const auto lock = [](Calculator &calculator) {
        calculator.usePage(Calculator::Standard);
        calculator.press("1 / 0 =");
        calculator.usePage(Calculator::Scientific);
        calculator.press("1 - 2 = ln");
    };
    turnScreen({1280, 800});
    Calculator english(Calculator::Scientific);
    const QStringList englishTexts = windowTexts(english);
    lock(english);

    const Translation translation(QLocale(language), QStringLiteral(CALCULATOR_BUILD_TRANSLATIONS));
    QVERIFY(translation.isLoaded());
    Calculator calculator(Calculator::Scientific);
    const QStringList texts = windowTexts(calculator);
    QCOMPARE(texts.size(), englishTexts.size());
    static const QRegularExpression word(QStringLiteral("[a-z]{2}"));
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const bool untranslated = texts[i] == englishTexts[i] && texts[i].contains(word) && !same.contains(texts[i]);
        QVERIFY2(!untranslated, qPrintable(texts[i]));
    }

    const QString messages[] = {MainWindow::tr(DisplayText::divideByZero), MainWindow::tr(DisplayText::invalidInput)};
    // A phone shell's title bar: a screen 360 pixels wide less three buttons.
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    for (const QSize &size : {QSize(360, 720), QSize(720, 360)}) {
        QVERIFY(maximize(calculator.window, size));
        const QString title = calculator.window.windowTitle();
        QVERIFY2(title != (size.width() < size.height() ? "Simple" : "Scientific Calculator"), qPrintable(title));
        QVERIFY2(QFontMetrics(titleFont).horizontalAdvance(title) <= 360 - 3 * 40, qPrintable(title));
        for (Calculator::Page page : {Calculator::Standard, Calculator::Scientific}) {
            pages(calculator.window)->setCurrentIndex(page);
            calculator.usePage(page);
            QCoreApplication::processEvents();
            const QString keys[] = {"CE 1 / 0 =", page == Calculator::Standard ? "CE 1 - 2 = sqrt" : "CE 1 - 2 = ln"};
            for (int i = 0; i < 2; ++i) {
                calculator.press(keys[i]);
                QCOMPARE(calculator.shown(), messages[i]);
                const QTextDocument *document = calculator.display()->document();
                QVERIFY2(document->size().height() <= calculator.display()->viewport()->height(),
                         qPrintable(QStringLiteral("%1 on page %2").arg(messages[i]).arg(page)));
                QVERIFY2(document->lastBlock().layout()->lineCount() <= 2 && breaksAtWords(document),
                         qPrintable(messages[i]));
            }
            calculator.press(page == Calculator::Standard ? "CE 1.5 + 2 =" : "CE 1.5 E 1 + 1 =");
            QCOMPARE(calculator.shown(), QString(page == Calculator::Standard ? "3.5" : "16"));
        }
        for (int page = 2; page < 4; ++page) {
            pages(calculator.window)->setCurrentIndex(page);
            QCoreApplication::processEvents();
            checkAbout(calculator.window, page, true);
        }
    }

    Calculator translated(Calculator::Scientific);
    lock(translated);
    QCOMPARE(translated.window.calculation(), english.window.calculation());
    Calculator restored(Calculator::Scientific);
    QCOMPARE(restored.window.restoreCalculation(english.window.calculation()), QString());
    QCOMPARE(restored.shown(), messages[1]);
    restored.press("CE 2");
    QCOMPARE(restored.shown(), QString("2"));
}

QTEST_MAIN(TestFitting)
#include "tst_fitting.moc"
