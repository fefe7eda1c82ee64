// Preloaded into a program by sunken-bench --startup: once the program's
// first display() has shown its frame, writes the monotonic clock in
// nanoseconds (the bench's steady_clock) to the descriptor named by
// SUNKEN_FIRST_FRAME_FD and ends the program. The game sets no frame-rate
// limit; should a program set one, it is lifted for that frame, since
// display() would sleep after showing it and the figure would include the sleep.
#include <dlfcn.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace sf {
class Window;
}

extern "C" void _ZN2sf6Window7displayEv(sf::Window* window)
{
    using Display = void (*)(sf::Window*);
    using SetFramerateLimit = void (*)(sf::Window*, unsigned);
    const auto real = reinterpret_cast<Display>(dlsym(RTLD_NEXT, "_ZN2sf6Window7displayEv"));
    const auto setLimit =
        reinterpret_cast<SetFramerateLimit>(dlsym(RTLD_DEFAULT, "_ZN2sf6Window17setFramerateLimitEj"));
    setLimit(window, 0);
    real(window);
    const auto now = std::chrono::steady_clock::now().time_since_epoch();
    if (const char* fd = std::getenv("SUNKEN_FIRST_FRAME_FD"))
        dprintf(std::atoi(fd), "%lld\n", static_cast<long long>(std::chrono::nanoseconds(now).count()));
    _exit(0);
}
