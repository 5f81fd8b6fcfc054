// Starts a program and reports how long it takes until its window with the given title is
// mapped on the X display, and its resident memory a moment later. The program is measured as
// it is, with no hook of its own.
//   firstmap TITLE SETTLE_MS PROGRAM [ARGUMENTS...]
// prints "SECONDS<TAB>RESIDENT_KIB".

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

std::string titleOf(Display* display, Window window) {
    XTextProperty property;
    std::string title;
    const Atom netName = XInternAtom(display, "_NET_WM_NAME", False);
    if (XGetTextProperty(display, window, &property, netName) && property.value) {
        title.assign(reinterpret_cast<const char*>(property.value), property.nitems);
        XFree(property.value);
        return title;
    }
    char* name = nullptr;
    if (XFetchName(display, window, &name) && name) {
        title = name;
        XFree(name);
    }
    return title;
}

long residentKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmRSS:", 0) == 0) return std::atol(line.c_str() + 6);
    return -1;
}

int errorHandler(Display*, XErrorEvent*) {
    return 0; // a window that vanished between its event and our question
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: firstmap TITLE SETTLE_MS PROGRAM [ARGUMENTS...]\n");
        return 2;
    }
    const std::string wanted = argv[1];
    const int settle = std::atoi(argv[2]);
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "firstmap: no X display\n");
        return 2;
    }
    XSetErrorHandler(errorHandler);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    const auto deadline = start + std::chrono::seconds(30);
    double seconds = -1;
    while (seconds < 0 && std::chrono::steady_clock::now() < deadline) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify && titleOf(display, event.xmap.window) == wanted) {
                seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
                              .count();
                break;
            }
        }
        if (seconds < 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
    }
    long resident = -1;
    if (seconds >= 0) {
        std::this_thread::sleep_for(std::chrono::milliseconds(settle));
        resident = residentKib(child);
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (seconds < 0) {
        std::fprintf(stderr, "firstmap: no window \"%s\" within 30 s\n", wanted.c_str());
        return 1;
    }
    std::printf("%.4f\t%ld\n", seconds, resident);
    return 0;
}
