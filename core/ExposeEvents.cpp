#include "ExposeEvents.hpp"

// SUNKEN_X11 comes from CMakeLists.txt, which links Xlib where it sets it.
#ifdef SUNKEN_X11
#include <X11/Xlib.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {
// The X server went away (it ended, a remote session dropped): whichever
// connection, SFML's or ours, notices first, the game ends here, at once,
// with one report. Xlib's own handler calls exit(), whose static destructors
// would close the other connection and raise a second fatal error from
// inside the exit; _exit leaves the connections to the process's end.
int serverLost(Display* display)
{
    std::fprintf(stderr, "X server %s lost (%s): the game ends\n", DisplayString(display), std::strerror(errno));
    _exit(1);
}

// One connection for the whole run: a screen change must not open another.
struct Connection {
    Display* display = XOpenDisplay(nullptr);
    ::Window watched = 0;

    Connection()
    {
        if (display != nullptr)
            XSetIOErrorHandler(serverLost);
    }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;
    ~Connection()
    {
        if (display != nullptr)
            XCloseDisplay(display);
    }
};

Connection& connection()
{
    static Connection theConnection;
    return theConnection;
}
}  // namespace

namespace expose {

bool watch(sf::WindowHandle window)
{
    Connection& x = connection();
    if (x.display == nullptr || window == 0)
        return false;
    if (window != x.watched) {
        XSelectInput(x.display, window, ExposureMask);
        XFlush(x.display);
        x.watched = window;
    }
    return true;
}

bool exposed()
{
    Connection& x = connection();
    if (x.display == nullptr)
        return false;
    // Only the last Expose of a burst (count 0) asks for the frame; events of
    // a window watched before are dropped.
    bool burstEnded = false;
    XEvent event;
    while (XPending(x.display) > 0) {
        XNextEvent(x.display, &event);
        if (event.type == Expose && event.xexpose.window == x.watched && event.xexpose.count == 0)
            burstEnded = true;
    }
    return burstEnded;
}

}  // namespace expose

#else

namespace expose {

bool watch(sf::WindowHandle /*window*/)
{
    return false;
}

bool exposed()
{
    return false;
}

}  // namespace expose

#endif
