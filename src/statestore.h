#ifndef STATESTORE_H
#define STATESTORE_H

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QThreadPool>
#include <QTimer>

#include <atomic>

class MainWindow;

// Keeps the calculation in one small JSON file, so that a calculator the
// phone closed comes back as it was. The file is written whole or not at
// all (QSaveFile), on a thread of its own so that no key press waits for
// the disk: within a second of a change, and at once when the application
// quits. A file that cannot be read back as a calculation is moved aside
// with one line on standard error, and the calculator starts fresh.
class StateStore : public QObject
{
    Q_OBJECT

public:
    // The state file of the application `appId` in the XDG state directory
    // ($XDG_STATE_HOME, else ~/.local/state).
    static QString defaultPath(const QString &appId);

    explicit StateStore(const QString &path, QObject *parent = nullptr);
    ~StateStore() override;

    // Brings the saved calculation back into `window`; returns whether it
    // did. No file is a first start.
    bool restore(MainWindow &window);
    // From now on saves `window`'s calculation when it changes.
    void watch(MainWindow *window);

    static constexpr qint64 largestFile = 1024 * 1024;

public slots:
    // Writes the calculation now, if it changed since it was last written
    // or the last write failed.
    void save();
    // Saves, and returns once the file is written.
    void flush();

private:
    QByteArray contents() const;
    bool write(const QByteArray &contents);
    void setAside(const QString &problem);

    QString m_path;
    MainWindow *m_window = nullptr;
    QTimer m_timer;
    QByteArray m_written;
    QThreadPool m_writer;
    std::atomic_bool m_failureReported{false};
    // Set by the writer while the file on disk is not the last calculation
    // handed to it.
    std::atomic_bool m_writeFailed{false};
};

#endif // STATESTORE_H
