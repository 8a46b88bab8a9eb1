// Starts a program and measures the time from its exec to the first window it maps on the X display, the
// processor time its threads have used by then, and its resident memory a moment after that. Prints
// "<milliseconds> <resident kB> <processor milliseconds>" and ends the program. The processor time depends
// less than the elapsed time on what else the machine runs.
//
//   bench_map_timer [--settle MS] PROGRAM [ARGUMENTS...]
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

long residentKilobytes(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) {
            return std::strtol(line.c_str() + 6, nullptr, 10);
        }
    }
    return -1;
}

// The time the program's threads have run on a processor, from the scheduler's account of each thread.
double processorMilliseconds(pid_t pid) {
    long long nanoseconds = 0;
    std::error_code error;
    for (const auto& task :
         std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", error)) {
        std::ifstream schedstat(task.path() / "schedstat");
        long long running = 0;
        if (schedstat >> running) {
            nanoseconds += running;
        }
    }
    return nanoseconds / 1e6;
}

} // namespace

int main(int argc, char** argv) {
    int first = 1;
    int settleMs = 300;
    if (argc > 2 && std::strcmp(argv[1], "--settle") == 0) {
        settleMs = std::atoi(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: %s [--settle MS] PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    // A round trip makes sure the server selects the events before the program starts.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const auto start = std::chrono::steady_clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[first], argv + first);
        std::perror("exec");
        _exit(127);
    }
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }

    double mapMs = -1;
    double processorMs = -1;
    pollfd descriptor{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (mapMs < 0) {
        if (poll(&descriptor, 1, 10000) <= 0) {
            break;
        }
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY && mapMs < 0) {
                mapMs = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
                            .count();
                processorMs = processorMilliseconds(pid);
            }
            free(event);
        }
        if (xcb_connection_has_error(connection)) {
            break;
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
    const long rss = residentKilobytes(pid);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_disconnect(connection);
    if (mapMs < 0) {
        std::fprintf(stderr, "no window was mapped\n");
        return 1;
    }
    std::printf("%.2f %ld %.2f\n", mapMs, rss, processorMs);
    return 0;
}
