#include "scalediconengine.h"

#include <QApplication>
#include <QFuture>
#include <QImageReader>
#include <QMutex>
#include <QPainter>
#include <QSet>
#include <QStyle>
#include <QStyleOption>
#include <QThreadPool>
#include <QtConcurrent>
#include <QtPlugin>

#include <algorithm>
#include <atomic>

Q_IMPORT_PLUGIN(ScaledIconEnginePlugin)

namespace {

// Faces being decoded ahead of their first paint, by file and size.
struct Prefetched
{
    QMutex mutex;
    QHash<QString, QFuture<QImage>> images;
    // The full size of each file a decode has read, so that drawing its face
    // does not read the file's header again.
    QHash<QString, QSize> imageSizes;

    static QString key(const QString &fileName, const QSize &size)
    {
        return fileName + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x')
                + QString::number(size.height());
    }

    // The decoded face, waiting for it if it is not ready; null if none was started.
    QImage take(const QString &fileName, const QSize &size)
    {
        QMutexLocker locker(&mutex);
        QFuture<QImage> future = images.take(key(fileName, size));
        locker.unlock();
        return future.isValid() ? future.result() : QImage();
    }

    void noteImageSize(const QString &fileName, const QSize &size)
    {
        QMutexLocker locker(&mutex);
        imageSizes.insert(fileName, size);
    }

    // Invalid if no decode of the file has read its size yet.
    QSize imageSize(const QString &fileName)
    {
        QMutexLocker locker(&mutex);
        return imageSizes.value(fileName);
    }
};

Prefetched &prefetched()
{
    static Prefetched instance;
    return instance;
}

std::atomic<int> decodes{0};

// Faces are decoded ahead on every core but one: the window maps and lays out
// on the main thread meanwhile, and a face wanted before its turn is decoded
// by the thread that waits for it.
QThreadPool &decoders()
{
    static QThreadPool *instance = [] {
        auto *pool = new QThreadPool(qApp);
        pool->setMaxThreadCount(std::max(1, QThread::idealThreadCount() - 1));
        return pool;
    }();
    return *instance;
}

// Every engine alive, for keepSizes(); engines live on the GUI thread.
QSet<ScaledIconEngine *> &engines()
{
    static QSet<ScaledIconEngine *> instance;
    return instance;
}

// The image fitted into `size`, never enlarged.
QSize fitted(const QSize &image, const QSize &size)
{
    if (image.isEmpty())
        return QSize();
    return image.width() <= size.width() && image.height() <= size.height()
            ? image
            : image.scaled(size, Qt::KeepAspectRatio);
}

} // namespace

ScaledIconEngine::ScaledIconEngine(const QString &fileName)
    : m_fileName(fileName)
{
    engines().insert(this);
}

ScaledIconEngine::~ScaledIconEngine()
{
    engines().remove(this);
}

quint64 ScaledIconEngine::sizeKey(const QSize &size)
{
    return quint64(size.width()) << 32 | quint64(size.height());
}

QSize ScaledIconEngine::imageSize()
{
    if (!m_imageSize.isValid())
        m_imageSize = prefetched().imageSize(m_fileName);
    if (!m_imageSize.isValid())
        m_imageSize = QImageReader(m_fileName).size();
    return m_imageSize;
}

QSize ScaledIconEngine::actualSize(const QSize &size, QIcon::Mode, QIcon::State)
{
    return fitted(imageSize(), size);
}

QPixmap ScaledIconEngine::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    const QSize target = actualSize(size, mode, state);
    if (target.isEmpty())
        return QPixmap();

    Faces &faces = m_faces[sizeKey(target)];
    if (faces.normal.isNull()) {
        QImage face = prefetched().take(m_fileName, size);
        if (face.size() != target)
            face = decode(m_fileName, size);
        faces.normal = QPixmap::fromImage(face);
    }
    if (mode != QIcon::Disabled)
        return faces.normal;

    // Greyed the way the style greys any disabled icon.
    if (faces.disabled.isNull()) {
        QStyleOption option;
        option.palette = QGuiApplication::palette();
        faces.disabled = QApplication::style()->generatedIconPixmap(QIcon::Disabled, faces.normal, &option);
    }
    return faces.disabled;
}

// libjpeg can scale by 1/2, 1/4 or 1/8 while it decodes, which costs a
// fraction of a full decode; Qt lets it when the quality asked for is below
// 50. The largest such step that stays at least as large as the target is
// taken, and the rest is scaled smoothly.
QImage ScaledIconEngine::decode(const QString &fileName, const QSize &size)
{
    ++decodes;
    QImageReader reader(fileName);
    const QSize full = reader.size();
    prefetched().noteImageSize(fileName, full);
    const QSize target = fitted(full, size);
    if (target.isEmpty())
        return QImage();
    int denominator = 1;
    while (denominator < 8) {
        const int next = denominator * 2;
        if (full.width() % next || full.height() % next || full.width() / next < target.width()
            || full.height() / next < target.height())
            break;
        denominator = next;
    }
    if (denominator > 1) {
        reader.setQuality(49);
        reader.setScaledSize(full / denominator);
    }
    QImage image = reader.read();
    if (!image.isNull() && image.size() != target)
        image = image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

void ScaledIconEngine::prefetch(const QString &fileName, const QSize &size)
{
    Prefetched &cache = prefetched();
    QMutexLocker locker(&cache.mutex);
    const QString key = Prefetched::key(fileName, size);
    if (!cache.images.contains(key))
        cache.images.insert(key, QtConcurrent::run(&decoders(), &ScaledIconEngine::decode, fileName, size));
}

void ScaledIconEngine::keepSizes(const QList<QSize> &kept)
{
    for (ScaledIconEngine *engine : std::as_const(engines())) {
        if (engine->m_faces.isEmpty())
            continue;
        QSet<quint64> targets;
        for (const QSize &size : std::as_const(kept))
            targets.insert(sizeKey(fitted(engine->imageSize(), size)));
        engine->m_faces.removeIf([&targets](const auto &faces) { return !targets.contains(faces.key()); });
    }

    QStringList suffixes;
    for (const QSize &size : std::as_const(kept))
        suffixes << Prefetched::key(QString(), size);
    Prefetched &cache = prefetched();
    QMutexLocker locker(&cache.mutex);
    cache.images.removeIf([&suffixes](const auto &image) {
        return std::none_of(suffixes.cbegin(), suffixes.cend(),
                            [&image](const QString &suffix) { return image.key().endsWith(suffix); });
    });
}

int ScaledIconEngine::decodeCount()
{
    return decodes;
}

void ScaledIconEngine::waitForPrefetches()
{
    decoders().waitForDone();
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

QString ScaledIconEngine::iconName()
{
    return m_fileName;
}

bool ScaledIconEngine::isNull()
{
    return m_fileName.isEmpty();
}

QIconEngine *ScaledIconEnginePlugin::create(const QString &fileName)
{
    return new ScaledIconEngine(fileName);
}
