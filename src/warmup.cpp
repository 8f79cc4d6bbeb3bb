#include "warmup.h"
#include "balllibrary.h"
#include "displaytext.h"
#include "number.h"

#include <QCoreApplication>
#include <QEvent>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QThreadPool>
#include <QTimer>

#include <memory>

namespace {

QImage scratchImage(const QWidget *widget)
{
    const qreal ratio = widget->devicePixelRatioF();
    QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    return image;
}

// A key as it is drawn while a finger holds it and after it lets go (down or
// up, under the pointer), and as a message that locks the page
// leaves it. The style caches each look by its state and size, and the face's
// locked look is made once, so drawing them here spares the first press.
void drawKeyLooks(QPushButton *key)
{
    QStyleOptionButton option;
    option.initFrom(key);
    option.icon = key->icon();
    option.iconSize = key->iconSize();
    const QStyle::State shown = option.state;
    const QStyle::State held = shown | QStyle::State_MouseOver;
    QImage image = scratchImage(key);
    QPainter painter(&image);
    for (const QStyle::State look : {held | QStyle::State_Sunken, held | QStyle::State_Raised,
                                     (shown & ~QStyle::State_Enabled) | QStyle::State_Raised}) {
        option.state = look;
        key->style()->drawControl(QStyle::CE_PushButton, &option, &painter, key);
    }
}

// Every character a number or a message can show, laid out and drawn in the
// display's own font, so that their glyphs are cached.
void drawCharacters(const QTextEdit *display)
{
    const std::unique_ptr<QTextDocument> document(display->document()->clone());
    document->setHtml(DisplayText::paragraph(QStringLiteral("0123456789.-+eEinfABCDEF"))
                      + DisplayText::paragraph(QCoreApplication::translate("MainWindow", DisplayText::invalidInput))
                      + DisplayText::paragraph(QCoreApplication::translate("MainWindow", DisplayText::divideByZero)));
    QImage image = scratchImage(display);
    QPainter painter(&image);
    document->drawContents(&painter);
}

// Each function of the number library once, with an argument that takes it
// through its inexact path, and the result written out as a display does.
QList<std::function<void()>> numberSteps()
{
    using Angle = Number::Angle;
    const auto work = [](Number (*function)(const Number &)) {
        return [function] { function(Number::fromText(QStringLiteral("0.3"))).toText(14); };
    };
    return {
            work([](const Number &x) { return x.log10() + x.exp10(); }),
            work([](const Number &x) { return x.ln() + x.exp(); }),
            work([](const Number &x) { return x.sin(Angle::Degrees) + x.sin(Angle::Radians); }),
            work([](const Number &x) { return x.cos(Angle::Degrees) + x.cos(Angle::Radians); }),
            work([](const Number &x) { return x.tan(Angle::Degrees) + x.tan(Angle::Radians); }),
            work([](const Number &x) { return x.asin(Angle::Degrees) + x.acos(Angle::Radians); }),
            work([](const Number &x) { return x.atan(Angle::Degrees) + Number::pi(); }),
            work([](const Number &x) { return x.squareRoot() + x.cubeRoot() + x.root(Number(5)); }),
            work([](const Number &x) { return x.power(x) + x.factorial(); }),
    };
}

} // namespace

WarmUp::WarmUp(const QList<QWidget *> &pages, QObject *parent)
    : QObject(parent)
    , m_pagesLeft(int(pages.size()))
{
    for (QWidget *page : pages)
        page->installEventFilter(this);
}

// A page is first painted at the size it keeps; its steps begin once that
// frame is out.
bool WarmUp::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::Paint)
        return false;
    watched->removeEventFilter(this);
    --m_pagesLeft;
    const bool idle = m_steps.isEmpty();
    for (QPushButton *key : watched->findChildren<QPushButton *>())
        m_steps.append([key] { drawKeyLooks(key); });
    for (QTextEdit *display : watched->findChildren<QTextEdit *>())
        m_steps.append([display] { drawCharacters(display); });
    if (!m_numbersDone) {
        // Opening Arb takes some milliseconds, on a core of its own once the
        // frame is out; the number steps come last and find it open.
        m_steps.prepend([] { QThreadPool::globalInstance()->start(&BallLibrary::open); });
        m_steps.append(numberSteps());
        m_numbersDone = true;
    }
    if (idle)
        QTimer::singleShot(0, this, &WarmUp::nextStep);
    return false;
}

void WarmUp::nextStep()
{
    m_steps.takeFirst()();
    if (!m_steps.isEmpty())
        QTimer::singleShot(0, this, &WarmUp::nextStep);
    else if (m_pagesLeft == 0)
        deleteLater();
}
