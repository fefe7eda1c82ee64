#pragma once

#include <functional>

// The seam through which the benchmark (bench/bench.cpp) times the screens as
// they are. While a probe is installed, every file loaded through Assets.hpp
// and every frame pacer made reports to it, and it sets the pace: every pass
// of a loop drawn and none asleep, or the loop ended. The game installs none.
class FrameProbe {
public:
    FrameProbe() = default;
    FrameProbe(const FrameProbe&) = delete;
    FrameProbe& operator=(const FrameProbe&) = delete;
    virtual ~FrameProbe() = default;

    // The probe in place, or nullptr. Installing one replaces the last;
    // nullptr removes it.
    static FrameProbe* installed();
    static void install(FrameProbe* probe);

    // A font or picture file was loaded, or failed to.
    virtual void loaded(const char* path, bool font, bool ok) = 0;
    // True: every pass of the loop draws a frame and none sleeps.
    virtual bool unpaced() const = 0;
    // True: the loop ends, as if the window had been closed.
    virtual bool stopped() const = 0;
    // Between drawing a frame and displaying it.
    virtual void displaying() = 0;
    // After a frame is displayed; redraw draws and displays it again, with
    // nothing of the loop around.
    virtual void displayed(const std::function<void()>& redraw) = 0;
};
