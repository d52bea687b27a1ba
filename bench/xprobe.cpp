// SPDX-License-Identifier: GPL-3.0-or-later
// Measures a program from outside, on an X server without a window manager:
// the time from its start to the first pixels of its window (X DAMAGE), its
// peak resident memory once the window is shown, and for synthetic clicks
// (XTest) the time until the window has finished repainting.
//
//   xprobe [--click X,Y,press|release]... -- PROGRAM [ARGUMENTS...]
//
// Prints one line: startup_us=N peak_kib=N anon_kib=N clicks_us=N,N,...
#include <xcb/damage.h>
#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

struct Click
{
    int x;
    int y;
    bool onRelease;
};

xcb_connection_t *connection;
xcb_window_t root;
std::uint8_t damageEvent;
std::vector<xcb_damage_damage_t> damages;
xcb_window_t shown = XCB_NONE;

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "xprobe: %s\n", what);
    std::exit(2);
}

// Handles one event; returns true for a damage notification.
bool handle(xcb_generic_event_t *event)
{
    const int type = event->response_type & 0x7f;
    if (type == XCB_CREATE_NOTIFY) {
        auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
        if (created->parent == root) {
            const xcb_damage_damage_t damage = xcb_generate_id(connection);
            xcb_damage_create(connection, damage, created->window,
                              XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            damages.push_back(damage);
            xcb_flush(connection);
        }
    } else if (type == damageEvent + XCB_DAMAGE_NOTIFY) {
        auto *notify = reinterpret_cast<xcb_damage_notify_event_t *>(event);
        xcb_damage_subtract(connection, notify->damage, XCB_NONE, XCB_NONE);
        xcb_flush(connection);
        if (shown == XCB_NONE)
            shown = notify->drawable;
        return true;
    }
    return false;
}

// Waits up to a timeout for a damage notification; false when none came.
bool waitForDamage(int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    while (true) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection)) {
            const bool damaged = handle(event);
            std::free(event);
            if (damaged)
                return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return false;
        pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(left.count()));
        if (xcb_connection_has_error(connection))
            fail("the X connection broke");
    }
}

// Lets the window come to rest: no damage for the quiet time. Returns when
// the last damage came, or `since` when none did.
Clock::time_point settle(int quietMs, Clock::time_point since = {})
{
    Clock::time_point last = since;
    while (waitForDamage(quietMs))
        last = Clock::now();
    return last;
}

// A field of /proc/PID/status in KiB: VmHWM, the peak resident size, or
// RssAnon, the resident memory that is the process's own.
long statusKib(pid_t pid, const std::string &field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field + ":", 0) == 0)
            return std::strtol(line.c_str() + field.size() + 1, nullptr, 10);
    return -1;
}

void fake(std::uint8_t type, std::uint8_t detail, int x = 0, int y = 0)
{
    xcb_test_fake_input(connection, type, detail, XCB_CURRENT_TIME, root,
                        static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 0);
    xcb_flush(connection);
}

} // namespace

int main(int argc, char **argv)
{
    std::vector<Click> clicks;
    int first = 1;
    for (; first < argc && std::strcmp(argv[first], "--") != 0; ++first) {
        if (std::strcmp(argv[first], "--click") == 0 && first + 1 < argc) {
            Click click{};
            char edge[16] = {};
            if (std::sscanf(argv[++first], "%d,%d,%15s", &click.x, &click.y, edge) != 3)
                fail("--click takes X,Y,press or X,Y,release");
            click.onRelease = std::strcmp(edge, "release") == 0;
            clicks.push_back(click);
        }
    }
    if (first + 1 >= argc)
        fail("usage: xprobe [--click X,Y,press|release]... -- PROGRAM [ARGUMENTS...]");

    connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection))
        fail("cannot connect to the X server");
    root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present)
        fail("the X server has no DAMAGE extension");
    damageEvent = damage->first_event;
    free(xcb_damage_query_version_reply(connection, xcb_damage_query_version(connection, 1, 1), nullptr));
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection);

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[first + 1], argv + first + 1);
        _exit(127);
    }
    if (!waitForDamage(20000))
        fail("the program showed no window");
    const auto startup =
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count();
    settle(300);
    const long peak = statusKib(child, "VmHWM");
    const long anonymous = statusKib(child, "RssAnon");

    std::string latencies;
    const auto *geometry = xcb_translate_coordinates_reply(
        connection, xcb_translate_coordinates(connection, shown, root, 0, 0), nullptr);
    for (const Click &click : clicks) {
        const int x = click.x + (geometry ? geometry->dst_x : 0);
        const int y = click.y + (geometry ? geometry->dst_y : 0);
        fake(XCB_MOTION_NOTIFY, 0, x, y);
        settle(150);
        Clock::time_point begin = Clock::now();
        fake(XCB_BUTTON_PRESS, 1);
        if (click.onRelease) {
            settle(150);
            begin = Clock::now();
        }
        if (click.onRelease)
            fake(XCB_BUTTON_RELEASE, 1);
        const Clock::time_point end = settle(150, begin);
        if (!click.onRelease) {
            fake(XCB_BUTTON_RELEASE, 1);
            settle(150);
        }
        const auto micro = std::chrono::duration_cast<std::chrono::microseconds>(end - begin).count();
        if (!latencies.empty())
            latencies += ',';
        latencies += std::to_string(end == begin ? -1 : micro);
    }

    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    std::printf("startup_us=%lld peak_kib=%ld anon_kib=%ld clicks_us=%s\n",
                static_cast<long long>(startup), peak, anonymous, latencies.c_str());
    xcb_disconnect(connection);
    return 0;
}
