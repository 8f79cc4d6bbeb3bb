#include "quitonsignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

const int quitSignals[] = {SIGTERM, SIGINT, SIGHUP};
// A signal handler may only write to a descriptor; the event loop reads the
// other end.
int channel[2] = {-1, -1};

} // namespace

QuitOnSignals::QuitOnSignals(QObject *parent)
    : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, channel) != 0)
        return;
    m_notifier = new QSocketNotifier(channel[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [] {
        char byte;
        while (::read(channel[1], &byte, 1) > 0) {
        }
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = &QuitOnSignals::notify;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (int signal : quitSignals)
        ::sigaction(signal, &action, nullptr);
}

QuitOnSignals::~QuitOnSignals()
{
    if (!m_notifier)
        return;
    for (int signal : quitSignals)
        std::signal(signal, SIG_DFL);
    delete m_notifier;
    ::close(channel[0]);
    ::close(channel[1]);
    channel[0] = channel[1] = -1;
}

void QuitOnSignals::notify(int)
{
    const char byte = 1;
    // Nothing to do if it fails: a quit is on its way already.
    [[maybe_unused]] const ssize_t written = ::write(channel[0], &byte, 1);
}
