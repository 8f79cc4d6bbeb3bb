#include "windowfitter.h"
#include "pagefitter.h"
#include "scalediconengine.h"

#include <QAbstractButton>
#include <QEvent>
#include <QScreen>
#include <QStackedWidget>

#include <algorithm>
#include <cmath>

WindowFitter::WindowFitter(QStackedWidget *pages, const QSize &formSize)
    : QObject(pages)
    , m_pages(pages)
    , m_designedGeometry(pages->geometry())
    , m_formSize(formSize)
{
    for (int i = 0; i < pages->count(); ++i)
        m_fitters.push_back(std::make_unique<PageFitter>(pages->widget(i)));
    pages->parentWidget()->installEventFilter(this);
    connect(pages, &QStackedWidget::currentChanged, this, [this] { fit(true); });
}

WindowFitter::~WindowFitter() = default;

// The area is sized by the window's layout when the window is shown; until
// then its size says nothing. The faces no key draws any more are let go
// after a resize only: a turn switches the page before the window takes its
// new shape, and the page's faces at that shape are still wanted.
bool WindowFitter::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Resize) {
        m_placed = true;
        fit(false);
        keepFacesInUse();
    }
    return false;
}

// A turn switches the page as soon as the screen changes; a window that
// filled the screen is given the turned screen only later, and the page is
// fitted to that already, so that it is not laid out and painted, with its
// faces decoded, at a passing size.
void WindowFitter::fit(bool pageSwitch)
{
    const int index = m_pages->currentIndex();
    if (index < 0 || !m_placed)
        return;
    PageFitter &fitter = page(index);
    QSize area = m_pages->parentWidget()->size();
    QSize window = m_pages->window()->size();
    if (const QScreen *screen = m_pages->screen(); pageSwitch && screen) {
        const QSize available = screen->availableGeometry().size();
        if (window != available && window == available.transposed()) {
            area += available - window;
            window = available;
        }
    }
    const QSize content = fitter.designedSize();
    const qreal ratio = m_pages->devicePixelRatioF();
    const qreal fits = std::min(qreal(area.width()) / content.width(), qreal(area.height()) / content.height());

    qreal factor = std::min(1.0, fits);
    QPoint origin;
    if (window.width() > m_formSize.width() && window.height() > m_formSize.height()) {
        factor = std::max(1.0, std::min(fits, fitter.largestFactor(ratio)));
        origin = QPoint(int(area.width() - content.width() * factor) / 2,
                         int(area.height() - content.height() * factor) / 2);
    } else {
        origin = QPoint(std::clamp(int(std::floor(area.width() - content.width() * factor)), 0, m_designedGeometry.x()),
                        std::clamp(int(std::floor(area.height() - content.height() * factor)), 0, m_designedGeometry.y()));
    }

    if (factor == 1.0 && origin == m_designedGeometry.topLeft())
        m_pages->setGeometry(m_designedGeometry);
    else
        m_pages->setGeometry(QRect(origin, area - QSize(origin.x(), origin.y())));
    fitter.apply(factor, ratio);
}

// A face is decoded per drawn size; the sizes that no key draws any more are
// let go.
void WindowFitter::keepFacesInUse()
{
    const qreal ratio = m_pages->devicePixelRatioF();
    QList<QSize> sizes;
    for (const QAbstractButton *button : m_pages->findChildren<QAbstractButton *>()) {
        if (button->icon().isNull())
            continue;
        const QSize size = button->iconSize() * ratio;
        if (!sizes.contains(size))
            sizes.append(size);
    }
    ScaledIconEngine::keepSizes(sizes);
}
