// The window itself: building the form and the menu, wiring every key to its
// slot and to the keyboard, choosing the page that fits the screen's shape,
// copy and paste of the number on show, and the rule both calculators follow
// for a one-operand key's result.

#include "mainwindow.h"
#include "accessibledisplay.h"
#include "keyboardinput.h"
#include "keytable.h"
#include "numbertext.h"
#include "faceprefetcher.h"
#include "pagefitter.h"
#include "scalediconengine.h"
#include "screenwatcher.h"
#include "touchinput.h"
#include "warmup.h"
#include "windowfitter.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QHash>
#include <QFont>
#include <QIcon>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QTextDocument>
#include <QUrl>
#include <QtConcurrent>

#include <utility>

namespace {

// A square screen counts as landscape.
bool isPortrait()
{
    const QRect screen = ScreenWatcher::primaryGeometry();
    return screen.width() < screen.height();
}

// The form's rich texts name the Windows dialog font, a narrow one; the about
// texts were laid out for it and overflow their labels in a wider face.
void substituteDialogFont()
{
    QFont::insertSubstitutions(QStringLiteral("MS Shell Dlg 2"),
                               {QStringLiteral("Tahoma"), QStringLiteral("Liberation Sans Narrow"),
                                QStringLiteral("Nimbus Sans Narrow"),
                                QStringLiteral("DejaVu Sans Condensed")});
}

const char *const indicatorNames[] = {"Decimal", "Hexadecimal", "Octal", "Binary", "Degree", "Radian", "Shift"};

QString indicatorPath(const char *name)
{
    return QStringLiteral(":/images/%1.jpg").arg(QLatin1String(name));
}

QList<QImage> decodeIndicatorImages()
{
    QList<QImage> images;
    for (const char *name : indicatorNames)
        images.append(QImage(indicatorPath(name)));
    return images;
}

// The form names each key's face; its engine is made here directly, where a
// QIcon made from the file's name would look the engine up among the icon
// engine plugins, by the file's suffix, for every key.
void setKeyFaces(const QWidget *window)
{
    for (QPushButton *key : window->findChildren<QPushButton *>()) {
        const QString face = key->property("face").toString();
        if (!face.isEmpty())
            key->setIcon(QIcon(new ScaledIconEngine(face)));
    }
}

} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    // Decoded on another core while the form is built: the first text box
    // sets up the fonts, the longest step before the window shows.
    const QFuture<QList<QImage>> indicators = QtConcurrent::run(&decodeIndicatorImages);
    substituteDialogFont();
    ui->setupUi(this);
    setKeyFaces(this);

    auto *bar = new QMenuBar(this);
    setMenuBar(bar);
    auto *about = new QAction(tr("About"), this);
    //: The title of the window's one menu, which holds About.
    auto *menu = new QMenu(tr("myMenu"), this);
    menu->addAction(about);
    bar->addMenu(menu);
    connect(about, &QAction::triggered, this, &MainWindow::aboutClick);

    // The window opens on the scientific page whatever the screen's shape and
    // turns only when the screen changes or an about page is closed.
    setWindowTitle(tr("Scientific Calculator"));
    ui->stackedWidget->setCurrentIndex(ScientificPage);

    connectKeys();
    describeKeys();
    fitPages(keepIndicatorImages(indicators.result()));
    // Each calculator page's key faces are decoded on another core from the
    // page's first show on (from the map, when it shows with the window).
    for (QWidget *page : {ui->page, ui->page_2})
        new FacePrefetcher(page);
    new KeyboardInput(this, ui->stackedWidget);
    new TouchInput({ui->page, ui->page_2}, this);
    new WarmUp({ui->page, ui->page_2}, this);

    showStandard(QStringLiteral("0"));
    showScientific(QStringLiteral("0"));
}

MainWindow::~MainWindow()
{
    delete ui;
}

void MainWindow::connectKeys()
{
    auto *screen = new ScreenWatcher(this);
    connect(screen, &ScreenWatcher::geometryChanged, this, &MainWindow::checkScreenOrientation);
    connect(ui->Simple_CloseButton, &QPushButton::clicked, this, &MainWindow::checkScreenOrientation);
    connect(ui->Scientific_CloseButton, &QPushButton::clicked, this, &MainWindow::checkScreenOrientation);

    using Slot = void (MainWindow::*)();
    const std::pair<QPushButton *, Slot> keys[] = {
        {ui->btnCE, &MainWindow::CEclick},
        {ui->btnDelete, &MainWindow::btnDelete_click},
        {ui->btnZero, &MainWindow::numclick0},
        {ui->btnOne, &MainWindow::numclick1},
        {ui->btnTwo, &MainWindow::numclick2},
        {ui->btnThree, &MainWindow::numclick3},
        {ui->btnFour, &MainWindow::numclick4},
        {ui->btnFive, &MainWindow::numclick5},
        {ui->btnSix, &MainWindow::numclick6},
        {ui->btnSeven, &MainWindow::numclick7},
        {ui->btnEight, &MainWindow::numclick8},
        {ui->btnNine, &MainWindow::numclick9},
        {ui->btnDot, &MainWindow::btnDot_Click},
        {ui->btnSqrt, &MainWindow::btnSqrt_Click},
        {ui->btnPercent, &MainWindow::btnPercent_Click},
        {ui->btnPlus, &MainWindow::btnPlus_Click},
        {ui->btnMinus, &MainWindow::btnMinus_Click},
        {ui->btnTimes, &MainWindow::btnTimes_Click},
        {ui->btnDivide, &MainWindow::btnDivide_Click},
        {ui->btnEqual, &MainWindow::btnEqual_Click},

        {ui->btnCE_sci, &MainWindow::Sci_CEclick},
        {ui->btnDelete_sci, &MainWindow::Sci_DeleteClick},
        {ui->btnShift, &MainWindow::Sci_ShiftClick},
        {ui->btnA_Zero, &MainWindow::Sci_numclick0},
        {ui->btnB_One, &MainWindow::Sci_numclick1},
        {ui->btnC_Two, &MainWindow::Sci_numclick2},
        {ui->btnD_Three, &MainWindow::Sci_numclick3},
        {ui->btnE_Four, &MainWindow::Sci_numclick4},
        {ui->btnF_Five, &MainWindow::Sci_numclick5},
        {ui->btnXinv_Six, &MainWindow::Sci_numclick6},
        {ui->btnPi_Seven, &MainWindow::Sci_numclick7},
        {ui->btnNegative_Eight, &MainWindow::Sci_numclick8},
        {ui->btnXfactorial_Nine, &MainWindow::Sci_numclick9},
        {ui->btnRad_Deg, &MainWindow::Sci_RadDegClick},
        {ui->btnXcuberoot_Xcube, &MainWindow::Sci_XcubeClick},
        {ui->btnSin, &MainWindow::Sci_SineClick},
        {ui->btnCos, &MainWindow::Sci_CosineClick},
        {ui->btnTan, &MainWindow::Sci_TangentClick},
        {ui->btn10x_Log, &MainWindow::Sci_LogClick},
        {ui->btnex_ln, &MainWindow::Sci_LnClick},
        {ui->btnXroot_Xy, &MainWindow::Sci_XyClick},
        {ui->btnSqrt_Square, &MainWindow::Sci_XsquareClick},
        {ui->btnHex_Dec, &MainWindow::Sci_HexDecClick},
        {ui->btnOct_Bin, &MainWindow::Sci_OctBinClick},
        {ui->btnExp_OpenBracket, &MainWindow::Sci_ExpClick},
        {ui->btnAns_CloseBracket, &MainWindow::Sci_AnsClick},
        {ui->btnDot_sci, &MainWindow::Sci_DotClick},
        {ui->btnPlus_sci, &MainWindow::Sci_PlusClick},
        {ui->btnMinus_sci, &MainWindow::Sci_MinusClick},
        {ui->btnTimes_sci, &MainWindow::Sci_TimesClick},
        {ui->btnDivide_sci, &MainWindow::Sci_DivideClick},
        {ui->btnEqual_sci, &MainWindow::Sci_EqualClick},
    };
    for (const auto &[button, slot] : keys) {
        // A tap or a click leaves the focus where it was: on a calculator a
        // pressed key keeps no focus frame, and the first press does not
        // repaint the display the focus leaves. Tab still reaches every key.
        button->setFocusPolicy(Qt::TabFocus);
        connect(button, &QPushButton::clicked, this, slot);
        connect(button, &QPushButton::clicked, this, &MainWindow::calculationChanged);
    }
}

// Every display text names the indicator images, and each write of the
// document drops the images it had loaded. Held as the document's own
// resources they are decoded once instead of on every key press.
QList<QUrl> MainWindow::keepIndicatorImages(const QList<QImage> &images)
{
    QTextDocument *document = ui->Scientific_textEdit->document();
    QList<QUrl> urls;
    for (const char *name : indicatorNames) {
        urls.append(QUrl(QStringLiteral("qrc") + indicatorPath(name)));
        document->addResource(QTextDocument::ImageResource, urls.last(), images.at(urls.size() - 1));
    }
    return urls;
}

// Every page follows the window's size. The displays keep the lines their
// longest texts take at design size: the longest entries and results (all
// digits, a sign and an exponent at the end of MPFR's range) and the
// messages in the user's language, under the widest indicator line.
void MainWindow::fitPages(const QList<QUrl> &indicatorImages)
{
    auto *fitter = new WindowFitter(ui->stackedWidget, size());
    const QString digits = QStringLiteral("1234567890123456789012345");
    fitter->page(StandardPage)
            .addDisplay(ui->Simple_textEdit,
                        {DisplayText::paragraph(digits.left(maxStandardDigits)),
                         DisplayText::paragraph(QStringLiteral("-1.2345678e+323228496")),
                         DisplayText::paragraph(tr(DisplayText::divideByZero)),
                         DisplayText::paragraph(tr(DisplayText::invalidInput))},
                        {});
    const QString indicators = DisplayText::hexadecimalImage + DisplayText::radianImage + DisplayText::shiftImage;
    fitter->page(ScientificPage)
            .addDisplay(ui->Scientific_textEdit,
                        {indicators + DisplayText::paragraph(QString(64, QLatin1Char('1'))),
                         indicators + DisplayText::paragraph(QLatin1Char('-') + digits.left(12) + QLatin1Char('.')
                                                             + digits.mid(12)),
                         indicators + DisplayText::paragraph(QStringLiteral("-1.2345678901234e+323228496")),
                         indicators + DisplayText::paragraph(tr(DisplayText::divideByZero)),
                         indicators + DisplayText::paragraph(tr(DisplayText::invalidInput))},
                        indicatorImages);
}

// Names for screen readers and tooltips; the key faces are images only. A
// screen reader says the name, the key's main function, then its description,
// the shifted function.
void MainWindow::describeKeys()
{
    // One walk through the window's children, not one per key.
    QHash<QString, QPushButton *> byName;
    for (QPushButton *key : findChildren<QPushButton *>())
        byName.insert(key->objectName(), key);
    for (const KeyInfo &info : KeyTable::keys()) {
        QPushButton *key = byName.value(QLatin1String(info.objectName));
        key->setAccessibleName(KeyTable::function(info));
        key->setAccessibleDescription(KeyTable::shiftedDescription(info));
        key->setToolTip(KeyTable::description(info));
    }
    AccessibleDisplay::attach(ui->Simple_textEdit);
    AccessibleDisplay::attach(ui->Scientific_textEdit);
    ui->Simple_textEdit->setAccessibleName(tr("Standard calculator display"));
    ui->Scientific_textEdit->setAccessibleName(tr("Scientific calculator display"));
}

QString MainWindow::shownText() const
{
    const int page = ui->stackedWidget->currentIndex();
    if (page != StandardPage && page != ScientificPage)
        return QString();
    const QTextEdit *display = page == StandardPage ? ui->Simple_textEdit : ui->Scientific_textEdit;
    return DisplayText::shownText(*display->document());
}

bool MainWindow::pasteNumber(const QString &text)
{
    const int page = ui->stackedWidget->currentIndex();
    const bool standard = page == StandardPage;
    if (!standard && page != ScientificPage)
        return false;
    // A locked page takes nothing but its clear key.
    if (!(standard ? ui->btnEqual : ui->btnEqual_sci)->isEnabled())
        return false;

    const int radix = standard ? 10 : currentRadix();
    QString number = text.trimmed();
    if (!NumberText::isEntry(number, radix, standard ? maxStandardDigits : maxScientificDigits))
        return false;
    if (number.startsWith(QLatin1Char('+')))
        number.remove(0, 1);
    // Shown as the keys would type it: the exponent mark takes no plus.
    number = number.toUpper().replace(QLatin1String("E+"), QLatin1String("E"));
    const int digits = NumberText::digitCount(number, 10);

    if (standard) {
        showStandard(number);
        Simple_TextLength = digits;
        PendingOperator = false;
        CheckingOperator = true;
        DeleteOperator = true;
        DotOperator = false;
    } else {
        showScientific(number);
        Sci_TextLength = digits;
        Sci_PendingOperator = false;
        Sci_CheckingOperator = true;
        Sci_DeleteOperator = true;
        Sci_DotOperator = false;
    }
    emit calculationChanged();
    return true;
}

void MainWindow::aboutClick()
{
    ui->stackedWidget->setCurrentIndex(isPortrait() ? PortraitAboutPage : LandscapeAboutPage);
}

void MainWindow::checkScreenOrientation()
{
    showPage(isPortrait() ? StandardPage : ScientificPage);
}

void MainWindow::showPage(int page)
{
    //: The window's title while the standard calculator is on show.
    setWindowTitle(page == StandardPage ? tr("Simple") : tr("Scientific Calculator"));
    ui->stackedWidget->setCurrentIndex(page);
    emit calculationChanged();
}

void MainWindow::takeOneOperandResult(const Number &result, bool operationPending,
                                      Number &runningValue, bool &newOperand)
{
    // The result stays on show, where the pending operation reads its right
    // operand; a running value is kept exact rather than read back rounded.
    newOperand = operationPending;
    if (!operationPending)
        runningValue = result;
}
