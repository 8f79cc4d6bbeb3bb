#include "scalediconengine.h"

#include <QApplication>
#include <QImageReader>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QtPlugin>

Q_IMPORT_PLUGIN(ScaledIconEnginePlugin)

ScaledIconEngine::ScaledIconEngine(const QString &fileName)
    : m_fileName(fileName)
{
}

QSize ScaledIconEngine::imageSize()
{
    if (!m_imageSize.isValid())
        m_imageSize = QImageReader(m_fileName).size();
    return m_imageSize;
}

// The image fitted into `size`, never enlarged.
QSize ScaledIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    const QSize image = imageSize();
    if (image.isEmpty())
        return QSize();
    return image.width() <= size.width() && image.height() <= size.height()
            ? image
            : image.scaled(size, Qt::KeepAspectRatio);
}

QPixmap ScaledIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QSize target = actualSize(size, mode, state);
    if (target.isEmpty())
        return QPixmap();

    if (m_normal.size() != target) {
        QImageReader reader(m_fileName);
        reader.setScaledSize(target);
        m_normal = QPixmap::fromImage(reader.read());
        m_disabled = QPixmap();
    }
    if (mode != QIcon::Disabled)
        return m_normal;

    // Greyed the way the style greys any disabled icon.
    if (m_disabled.isNull()) {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        m_disabled = QApplication::style()->generatedIconPixmap(QIcon::Disabled, m_normal, &option);
    }
    return m_disabled;
}

void ScaledIconEngine::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state)
{
    const qreal ratio = painter->device()->devicePixelRatio();
    QPixmap face = pixmap(rect.size() * ratio, mode, state);
    face.setDevicePixelRatio(ratio);
    const QSize shown = face.deviceIndependentSize().toSize();
    painter->drawPixmap(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, shown, rect), face);
}

QIconEngine *ScaledIconEngine::clone() const
{
    return new ScaledIconEngine(m_fileName);
}

QString ScaledIconEngine::key() const
{
    return QStringLiteral("ScaledIconEngine");
}

bool ScaledIconEngine::isNull()
{
    return m_fileName.isEmpty();
}

QIconEngine *ScaledIconEnginePlugin::create(const QString &fileName)
{
    return new ScaledIconEngine(fileName);
}
