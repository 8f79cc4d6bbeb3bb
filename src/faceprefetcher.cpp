#include "faceprefetcher.h"
#include "scalediconengine.h"

#include <QEvent>
#include <QPushButton>

FacePrefetcher::FacePrefetcher(QWidget *page)
    : QObject(page)
{
    page->installEventFilter(this);
}

bool FacePrefetcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        for (const QPushButton *key : watched->findChildren<QPushButton *>()) {
            const QString face = key->icon().name();
            if (!face.isEmpty())
                ScaledIconEngine::prefetch(face, key->iconSize() * key->devicePixelRatio());
        }
        deleteLater(); // once is enough
    }
    return false;
}
