/* Starts a program on the X display and prints two figures in milliseconds
 * from just before its exec: when its first top-level window is mapped, and
 * when that window is first drawn into (its first frame, as the X server's
 * damage extension reports it). Then it ends the program.
 *
 *   startwatch PROGRAM [ARGUMENTS...]
 *
 * A program that shows nothing within ten seconds prints nothing and fails.
 */

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

static double nowMs()
{
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (double)t.tv_sec * 1e3 + (double)t.tv_nsec / 1e6;
}

static int finish(pid_t child, int status)
{
    kill(child, SIGKILL);
    waitpid(child, NULL, 0);
    return status;
}

int main(int argc, char *argv[])
{
    if (argc < 2) {
        fprintf(stderr, "usage: startwatch PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    xcb_connection_t *x = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(x)) {
        fprintf(stderr, "startwatch: no X display\n");
        return 2;
    }
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(x, &xcb_damage_id);
    if (!damage || !damage->present) {
        fprintf(stderr, "startwatch: the X server has no damage extension\n");
        return 2;
    }
    free(xcb_damage_query_version_reply(x, xcb_damage_query_version(x, 1, 1), NULL));
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t selected = xcb_change_window_attributes_checked(x, root, XCB_CW_EVENT_MASK, &mask);
    free(xcb_request_check(x, selected)); /* in place before the program starts */

    const double start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        perror("startwatch: exec");
        _exit(127);
    }
    if (child < 0)
        return 2;

    /* Every top-level window the program creates is watched from its
     * creation on; the first one mapped is its window. */
    xcb_window_t mapped = XCB_NONE;
    double mapMs = 0;
    struct pollfd fd = {xcb_get_file_descriptor(x), POLLIN, 0};
    while (nowMs() - start < 10000) {
        xcb_generic_event_t *event = xcb_poll_for_event(x);
        if (!event) {
            if (xcb_connection_has_error(x))
                return finish(child, 1);
            poll(&fd, 1, 100);
            continue;
        }
        const double at = nowMs() - start;
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const xcb_window_t window = ((xcb_create_notify_event_t *)event)->window;
            xcb_damage_create(x, xcb_generate_id(x), window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x);
        } else if (type == XCB_MAP_NOTIFY && mapped == XCB_NONE) {
            mapped = ((xcb_map_notify_event_t *)event)->window;
            mapMs = at;
        } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && mapped != XCB_NONE
                   && ((xcb_damage_notify_event_t *)event)->drawable == mapped) {
            printf("%.3f %.3f\n", mapMs, at);
            free(event);
            return finish(child, 0);
        }
        free(event);
    }
    fprintf(stderr, "startwatch: %s showed no frame\n", argv[1]);
    return finish(child, 1);
}
