#include "platform/display_modes.h"

#include <QGuiApplication>
#include <QScreen>

#ifdef RUMBELO_HAVE_XRANDR
#include <X11/Xlib.h>
#include <X11/extensions/Xrandr.h>
#endif

namespace rumbelo {
namespace {

DisplayMode screenMode() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return {800, 600, 32};
    return {screen->size().width(), screen->size().height(), screen->depth()};
}

#ifdef RUMBELO_HAVE_XRANDR
// XRandR changes sizes, not depths: every size is listed at 16 bits and at the screen's own
// depth, so that the 800x600 offer can be taken where the size exists.
class XRandrDisplayModes : public DisplayModes {
  public:
    explicit XRandrDisplayModes(Display* display) : display_(display) {}
    ~XRandrDisplayModes() override { XCloseDisplay(display_); }

    DisplayMode current() const override {
        const int screen = DefaultScreen(display_);
        return {DisplayWidth(display_, screen), DisplayHeight(display_, screen),
                DefaultDepth(display_, screen)};
    }

    std::vector<DisplayMode> listed() const override {
        std::vector<DisplayMode> modes;
        int count = 0;
        XRRScreenSize* sizes = XRRSizes(display_, DefaultScreen(display_), &count);
        const int depth = current().depth;
        for (int i = 0; i < count; ++i) {
            modes.push_back({sizes[i].width, sizes[i].height, 16});
            if (depth != 16) modes.push_back({sizes[i].width, sizes[i].height, depth});
        }
        return modes;
    }

    bool apply(const DisplayMode& mode) override {
        const Window root = DefaultRootWindow(display_);
        XRRScreenConfiguration* config = XRRGetScreenInfo(display_, root);
        if (!config) return false;
        int count = 0;
        XRRScreenSize* sizes = XRRConfigSizes(config, &count);
        bool changed = false;
        for (int i = 0; i < count; ++i) {
            if (sizes[i].width != mode.width || sizes[i].height != mode.height) continue;
            Rotation rotation = 0;
            XRRConfigCurrentConfiguration(config, &rotation);
            changed = XRRSetScreenConfig(display_, config, root, i, rotation, CurrentTime) == 0;
            break;
        }
        XRRFreeScreenConfigInfo(config);
        XSync(display_, False);
        return changed;
    }

  private:
    Display* display_;
};
#endif

}  // namespace

std::unique_ptr<DisplayModes> makeDisplayModes() {
#ifdef RUMBELO_HAVE_XRANDR
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        if (Display* display = XOpenDisplay(nullptr)) {
            int eventBase = 0, errorBase = 0;
            if (XRRQueryExtension(display, &eventBase, &errorBase))
                return std::make_unique<XRandrDisplayModes>(display);
            XCloseDisplay(display);
        }
    }
#endif
    return std::make_unique<FixedDisplayMode>(screenMode());
}

}  // namespace rumbelo
