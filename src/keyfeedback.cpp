#include "keyfeedback.h"

#define LIBFEEDBACK_USE_UNSTABLE_API
#include <libfeedback.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QString>
#include <QtGlobal>

#include <dlfcn.h>

#include <thread>
#include <utility>

namespace {

// libfeedback brings GIO, GObject and their own libraries with it: opened
// when the first finger comes rather than linked, the calculator starts
// without loading them. GLib's own functions come through it too, so that
// the program does not link GLib, which Qt loads anyway. Set on the
// connecting thread before it hands over, read on the main thread after.
struct Library
{
    decltype(&g_bus_get_sync) busGetSync = nullptr;
    decltype(&g_dbus_connection_set_exit_on_close) setExitOnClose = nullptr;
    decltype(&g_object_unref) objectUnref = nullptr;
    decltype(&g_error_free) errorFree = nullptr;
    decltype(&lfb_init) init = nullptr;
    decltype(&lfb_event_new) eventNew = nullptr;
    decltype(&lfb_event_trigger_feedback_async) triggerAsync = nullptr;
    decltype(&lfb_event_trigger_feedback_finish) triggerFinish = nullptr;

    // False, with `failure` set, when the library or one of its functions is missing.
    bool open(QString &failure)
    {
        // Never closed: GLib keeps the types it registers until the process ends.
        void *handle = dlopen(FEEDBACK_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        const bool found = handle && resolve(handle, "g_bus_get_sync", busGetSync)
                && resolve(handle, "g_dbus_connection_set_exit_on_close", setExitOnClose)
                && resolve(handle, "g_object_unref", objectUnref) && resolve(handle, "g_error_free", errorFree)
                && resolve(handle, "lfb_init", init) && resolve(handle, "lfb_event_new", eventNew)
                && resolve(handle, "lfb_event_trigger_feedback_async", triggerAsync)
                && resolve(handle, "lfb_event_trigger_feedback_finish", triggerFinish);
        if (!found) {
            const char *why = dlerror();
            failure = QString::fromLocal8Bit(why ? why : FEEDBACK_LIBRARY);
        }
        return found;
    }

    // The message of a library call's error, which it frees.
    QString take(GError *error) const
    {
        const QString message = QString::fromUtf8(error->message);
        errorFree(error);
        return message;
    }

    // Looks in the library and in the libraries it loaded.
    template<typename Function>
    static bool resolve(void *handle, const char *name, Function &function)
    {
        function = reinterpret_cast<Function>(dlsym(handle, name));
        return function != nullptr;
    }
};
Library library;

// Touched on the main thread only: the connecting thread hands its outcome
// over through the application's event loop.
enum class State { Unconnected, Connecting, Connected, Failed };
State state = State::Unconnected;
// The latest press made while connecting. It is answered when the
// connection comes soon enough; a later buzz would not feel like the key's.
QElapsedTimer pressWhileConnecting;
constexpr qint64 lateMs = 100;

void warnOnce(const QString &failure)
{
    static bool warned = false;
    if (!std::exchange(warned, true))
        qWarning("Keys give no feedback: %s", qPrintable(failure));
}

// A daemon that stops is asked again at the next press: the bus starts it
// anew where it can, or answers at once that it is not there.
void trigger()
{
    LfbEvent *event = library.eventNew("button-pressed");
    library.triggerAsync(
            event, nullptr,
            [](GObject *source, GAsyncResult *result, gpointer) {
                GError *error = nullptr;
                if (!library.triggerFinish(reinterpret_cast<LfbEvent *>(source), result, &error))
                    warnOnce(library.take(error));
            },
            nullptr);
    library.objectUnref(event); // the call keeps it until answered
}

void connected(bool ready, const QString &failure)
{
    if (!ready) {
        state = State::Failed;
        warnOnce(failure);
        return;
    }
    state = State::Connected;
    if (pressWhileConnecting.elapsed() <= lateMs)
        trigger();
}

void connect()
{
    QString failure;
    bool ready = false;
    GError *error = nullptr;
    // GLib ends the process when its shared session bus connection closes,
    // which libfeedback connects through: the calculator outlives a bus it
    // has no need of. This thread has no GLib context of its own, so the
    // connection's signals (the daemon's name changing owner) go to the
    // main context.
    if (library.open(failure)) {
        if (GDBusConnection *bus = library.busGetSync(G_BUS_TYPE_SESSION, nullptr, &error)) {
            library.setExitOnClose(bus, FALSE);
            ready = library.init(CALCULATOR_APP_ID, &error);
            library.objectUnref(bus);
        }
        if (error)
            failure = library.take(error);
        else if (!ready)
            failure = QStringLiteral("the feedback library did not start");
    }
    if (QCoreApplication *application = QCoreApplication::instance())
        QMetaObject::invokeMethod(application, [ready, failure] { connected(ready, failure); }, Qt::QueuedConnection);
}

} // namespace

void KeyFeedback::keyPressed()
{
    switch (state) {
    case State::Connected:
        trigger();
        break;
    case State::Unconnected:
        state = State::Connecting;
        std::thread(connect).detach(); // a bus that never answers holds only this thread
        Q_FALLTHROUGH();
    case State::Connecting:
        pressWhileConnecting.start();
        break;
    case State::Failed:
        break;
    }
}
