#include "faceprefetcher.h"
#include "scalediconengine.h"

#include <QEvent>
#include <QPushButton>
#include <QTimer>
#include <QWindow>

FacePrefetcher::FacePrefetcher(QWidget *page)
    : QObject(page)
    , m_page(page)
{
    page->installEventFilter(this);
}

bool FacePrefetcher::eventFilter(QObject *, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        // Shown with the window, the page waits for the window's map: a
        // decoding thread beside it slows the map more than its head start
        // gains.
        const QWindow *window = m_page->window()->windowHandle();
        if (window && window->isExposed())
            prefetch();
        else
            QTimer::singleShot(0, this, &FacePrefetcher::prefetch);
    } else if (event->type() == QEvent::Paint) {
        // Painted first: its keys have decoded their faces themselves.
        m_page->removeEventFilter(this);
        m_page = nullptr;
        deleteLater();
    }
    return false;
}

void FacePrefetcher::prefetch()
{
    if (!m_page)
        return;
    m_page->removeEventFilter(this);
    for (const QPushButton *key : m_page->findChildren<QPushButton *>()) {
        const QString face = key->icon().name();
        if (!face.isEmpty())
            ScaledIconEngine::prefetch(face, key->iconSize() * key->devicePixelRatio());
    }
    m_page = nullptr; // once is enough
    deleteLater();
}
