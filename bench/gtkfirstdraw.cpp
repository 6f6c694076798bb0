// Preloaded into a GTK 3 program (LD_PRELOAD) to end it right after the
// first frame of one of its windows has been drawn and the X server has it,
// as exitatfirstpaint.cpp does for ours: the peers' start-up figure. No GTK
// headers are needed; the two calls made are looked up at run time.

#include <dlfcn.h>

#include <cstdlib>

extern "C" void gdk_window_end_draw_frame(void *window, void *context)
{
    using EndFrame = void (*)(void *, void *);
    using GetDisplay = void *(*)(void *);
    using Sync = void (*)(void *);
    static const auto end = reinterpret_cast<EndFrame>(dlsym(RTLD_NEXT, "gdk_window_end_draw_frame"));
    static const auto display = reinterpret_cast<GetDisplay>(dlsym(RTLD_DEFAULT, "gdk_window_get_display"));
    static const auto sync = reinterpret_cast<Sync>(dlsym(RTLD_DEFAULT, "gdk_display_sync"));
    if (end)
        end(window, context);
    if (display && sync)
        sync(display(window));
    std::_Exit(0);
}
