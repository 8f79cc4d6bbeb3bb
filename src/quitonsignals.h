#ifndef QUITONSIGNALS_H
#define QUITONSIGNALS_H

#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (a phone shell or the session ending the
// program) into an ordinary quit of the event loop, so that what runs when
// the application quits runs then too. One at a time.
class QuitOnSignals : public QObject
{
    Q_OBJECT

public:
    explicit QuitOnSignals(QObject *parent = nullptr);
    ~QuitOnSignals() override;

private:
    static void notify(int signal);

    QSocketNotifier *m_notifier = nullptr;
};

#endif // QUITONSIGNALS_H
