// Preloaded into a program by bench/realgame.py: counts the frames it shows.
// Every sf::Window::display() adds one to a 64-bit counter in the file named
// by SUNKEN_FRAME_COUNT (8 bytes, made by the caller), mapped shared, so the
// caller reads the count at any time without a system call per frame here.
#include <dlfcn.h>
#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>

namespace sf {
class Window;
}

namespace {
std::uint64_t* mapCounter()
{
    const char* path = std::getenv("SUNKEN_FRAME_COUNT");
    const int fd = path ? open(path, O_RDWR) : -1;
    if (fd < 0)
        return nullptr;
    void* mapped = mmap(nullptr, sizeof(std::uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    close(fd);
    return mapped == MAP_FAILED ? nullptr : static_cast<std::uint64_t*>(mapped);
}
}  // namespace

extern "C" void _ZN2sf6Window7displayEv(sf::Window* window)
{
    using Display = void (*)(sf::Window*);
    static const auto real = reinterpret_cast<Display>(dlsym(RTLD_NEXT, "_ZN2sf6Window7displayEv"));
    static std::uint64_t* const counter = mapCounter();
    real(window);
    if (counter)
        __atomic_add_fetch(counter, 1, __ATOMIC_RELAXED);
}
