#include "keyfeedback.h"

#define LIBFEEDBACK_USE_UNSTABLE_API
#include <libfeedback.h>

#include <QElapsedTimer>
#include <QtGlobal>

#include <thread>
#include <utility>

namespace {

// Touched on the main thread only: the connecting thread hands its outcome
// over through the main GLib context, which Qt's event loop runs on Linux.
enum class State { Unconnected, Connecting, Connected, Failed };
State state = State::Unconnected;
// The latest press made while connecting. It is answered when the
// connection comes soon enough; a later buzz would not feel like the key's.
QElapsedTimer pressWhileConnecting;
constexpr qint64 lateMs = 100;

void warnOnce(const GError *error)
{
    static bool warned = false;
    if (!std::exchange(warned, true))
        qWarning("Keys give no feedback: %s", error->message);
}

// A daemon that stops is asked again at the next press: the bus starts it
// anew where it can, or answers at once that it is not there.
void trigger()
{
    LfbEvent *event = lfb_event_new("button-pressed");
    lfb_event_trigger_feedback_async(
            event, nullptr,
            [](GObject *source, GAsyncResult *result, gpointer) {
                GError *error = nullptr;
                if (!lfb_event_trigger_feedback_finish(LFB_EVENT(source), result, &error)) {
                    warnOnce(error);
                    g_error_free(error);
                }
            },
            nullptr);
    g_object_unref(event); // the call keeps it until answered
}

gboolean connected(gpointer data)
{
    if (auto *error = static_cast<GError *>(data)) {
        state = State::Failed;
        warnOnce(error);
        g_error_free(error);
        return G_SOURCE_REMOVE;
    }
    state = State::Connected;
    if (pressWhileConnecting.elapsed() <= lateMs)
        trigger();
    return G_SOURCE_REMOVE;
}

void connect()
{
    GError *error = nullptr;
    // GLib ends the process when its shared session bus connection closes,
    // which libfeedback connects through: the calculator outlives a bus it
    // has no need of. This thread has no GLib context of its own, so the
    // connection's signals (the daemon's name changing owner) go to the
    // main context.
    if (GDBusConnection *bus = g_bus_get_sync(G_BUS_TYPE_SESSION, nullptr, &error)) {
        g_dbus_connection_set_exit_on_close(bus, FALSE);
        lfb_init(CALCULATOR_APP_ID, &error);
        g_object_unref(bus);
    }
    g_idle_add(connected, error);
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
