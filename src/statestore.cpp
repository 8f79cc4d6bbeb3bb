#include "statestore.h"
#include "mainwindow.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QSaveFile>
#include <QtDebug>

namespace {

const int version = 1;
// At most this long after a change the calculation is on disk.
const int saveDelayMs = 1000;

} // namespace

QString StateStore::defaultPath(const QString &appId)
{
    // Relative paths in XDG variables are to be ignored.
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state))
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QLatin1Char('/') + appId + QStringLiteral("/calculation.json");
}

StateStore::StateStore(const QString &path, QObject *parent)
    : QObject(parent)
    , m_path(path)
{
    // One writer, so that the files are written in the order of the changes.
    m_writer.setMaxThreadCount(1);
    m_timer.setSingleShot(true);
    m_timer.setInterval(saveDelayMs);
    connect(&m_timer, &QTimer::timeout, this, &StateStore::save);
}

StateStore::~StateStore()
{
    m_writer.waitForDone();
}

bool StateStore::restore(MainWindow &window)
{
    QFile file(m_path);
    if (!file.exists())
        return false;
    if (file.size() > largestFile) {
        setAside(QStringLiteral("is over 1 MiB"));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        setAside(QStringLiteral("cannot be read (%1)").arg(file.errorString()));
        return false;
    }
    const QByteArray bytes = file.read(largestFile + 1);
    file.close();

    QJsonParseError parsing;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parsing);
    const QJsonObject saved = document.object();
    QString problem;
    if (bytes.trimmed().isEmpty())
        problem = QStringLiteral("is empty");
    else if (parsing.error != QJsonParseError::NoError)
        problem = QStringLiteral("is not JSON (%1 at byte %2)").arg(parsing.errorString()).arg(parsing.offset);
    else if (!document.isObject())
        problem = QStringLiteral("holds no calculation");
    else if (saved.value(QLatin1String("version")) != QJsonValue(version))
        problem = QStringLiteral("is not of version %1").arg(version);
    else
        problem = window.restoreCalculation(saved);
    if (!problem.isEmpty())
        setAside(problem);
    return problem.isEmpty();
}

void StateStore::watch(MainWindow *window)
{
    m_window = window;
    m_written = contents();
    // The first change starts the clock; later ones within the second ride
    // along, so that steady typing is saved every second.
    connect(window, &MainWindow::calculationChanged, &m_timer, [this] {
        if (!m_timer.isActive())
            m_timer.start();
    });
    connect(qApp, &QCoreApplication::aboutToQuit, this, &StateStore::flush);
}

void StateStore::save()
{
    m_timer.stop();
    if (!m_window)
        return;
    const QByteArray bytes = contents();
    // An unchanged calculation leaves the file alone: another calculator
    // may have saved a newer one since.
    if (bytes == m_written && !m_writeFailed)
        return;
    m_written = bytes;
    m_writer.start([this, bytes] { m_writeFailed = !write(bytes); });
}

void StateStore::flush()
{
    save();
    m_writer.waitForDone();
}

QByteArray StateStore::contents() const
{
    QJsonObject saved = m_window->calculation();
    saved.insert(QStringLiteral("version"), version);
    return QJsonDocument(saved).toJson();
}

// Runs on the writer thread. The folder and the file are the user's alone;
// a folder that is there already keeps the modes it has. A write that fails
// leaves the last file whole (QSaveFile). Unbuffered, so that a write the
// disk takes only in part is seen as failed: a buffered one would fail in
// the commit's flush, which commits what got through.
bool StateStore::write(const QByteArray &contents)
{
    const QString folder = QFileInfo(m_path).absolutePath();
    QSaveFile file(m_path);
    const bool hasFolder = QFileInfo(folder).isDir()
            || (QDir().mkpath(folder)
                && QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                 | QFileDevice::ExeOwner));
    const bool written = hasFolder
            && file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)
            && file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            && file.write(contents) == contents.size() && file.commit();
    if (!written && !m_failureReported.exchange(true)) {
        const QString reason = file.errorString().isEmpty() ? QStringLiteral("no folder") : file.errorString();
        qWarning().noquote() << QStringLiteral("%1: cannot save the calculation (%2); the calculator goes on without")
                                        .arg(m_path, reason);
    }
    return written;
}

void StateStore::setAside(const QString &problem)
{
    const QString aside = m_path + QStringLiteral(".bad");
    QFile::remove(aside);
    const QString fate = QFile::rename(m_path, aside) ? QStringLiteral("moved to ") + aside
                                                       : QStringLiteral("left where it is");
    qWarning().noquote() << QStringLiteral("%1 %2: starting a fresh calculator, the file is %3")
                                    .arg(m_path, problem, fate);
}
