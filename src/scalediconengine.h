#ifndef SCALEDICONENGINE_H
#define SCALEDICONENGINE_H

#include <QIconEngine>
#include <QHash>
#include <QIconEnginePlugin>
#include <QPixmap>

// An icon of one image file that is decoded only when it is first drawn (or
// when the page it is on is about to be), and then at the size it is drawn:
// the JPEG decoder scales while it decodes, so a 200 x 200 key face drawn at
// 58 x 58 never exists at full size in memory. Its name is its file's.
class ScaledIconEngine : public QIconEngine
{
public:
    explicit ScaledIconEngine(const QString &fileName);
    ~ScaledIconEngine() override;
    ScaledIconEngine(const ScaledIconEngine &) = delete;
    ScaledIconEngine &operator=(const ScaledIconEngine &) = delete;

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override;
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override;
    QIconEngine *clone() const override;
    QString key() const override;
    QString iconName() override;
    bool isNull() override;

    // Starts decoding the face in `fileName` for drawing at `size` on another
    // thread; the icon of that file drawn at that size then takes the result.
    static void prefetch(const QString &fileName, const QSize &size);

    // Lets go of every face, decoded or being decoded, that is not for one
    // of the drawing sizes `kept` (in device pixels).
    static void keepSizes(const QList<QSize> &kept);

    // How many faces have been decoded so far, ahead of time or not.
    static int decodeCount();

    // Waits until every face started ahead of time is decoded.
    static void waitForPrefetches();

private:
    QSize imageSize();
    static quint64 sizeKey(const QSize &size);
    static QImage decode(const QString &fileName, const QSize &size);

    QString m_fileName;
    QSize m_imageSize;
    // The faces drawn so far, normal and greyed, by size: a face shared by
    // keys of both pages is drawn at two sizes and decoded once for each.
    struct Faces
    {
        QPixmap normal;
        QPixmap disabled;
    };
    QHash<quint64, Faces> m_faces;
};

// Makes QIcon use ScaledIconEngine for every JPEG file, the form's key faces
// among them, and every PNG file: the style's own icons, such as the menu
// bar's hidden extension arrow, are PNG files, and Qt's default engine reads
// each as the icon is made, which loads every image format plugin before the
// window is first shown. An icon made of several PNG files of one picture
// keeps the first.
class ScaledIconEnginePlugin : public QIconEnginePlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QIconEngineFactoryInterface_iid FILE "scalediconengine.json")

public:
    QIconEngine *create(const QString &fileName) override;
};

#endif // SCALEDICONENGINE_H
