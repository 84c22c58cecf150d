#include "app/nothread.h"

#include "core/errors.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/keysym.h>
#include <dlfcn.h>
#include <unistd.h>

#include <algorithm>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace temparoka {

int threadsTheProgramNeeds()
{
    return 6 + static_cast<int>(std::max(1U, std::thread::hardware_concurrency()));
}

bool threadsCanStart(int count)
{
    // Each thread waits at the gate until all have been asked for, so that
    // they run side by side, as the program's own threads would.
    std::mutex gate;
    std::unique_lock closed(gate);
    std::vector<std::thread> started;
    bool all = true;
    for (int i = 0; i < count && all; ++i) {
        try {
            started.emplace_back([&gate] { const std::lock_guard pass(gate); });
        } catch (const std::system_error&) {
            all = false;
        }
    }
    closed.unlock();
    for (std::thread& thread : started)
        thread.join();
    return all;
}

std::string noThreadsMessage()
{
    return inBothLanguages("Program tidak dapat dimulai: sistem tidak mengizinkannya menjalankan utas yang "
                           "dibutuhkannya, karena batas jumlah proses sudah tercapai",
                           "The program cannot start: the system does not let it run the threads it needs, since a "
                           "limit on the number of processes is reached");
}

namespace {

// The few calls of the X library the box makes, looked up when it is
// shown: the program itself does not link the library, which the toolkit
// loads for itself wherever there is an X display.
struct Xlib {
    void* library = ::dlopen("libX11.so.6", RTLD_NOW | RTLD_LOCAL);
    bool complete = true;  // every call below was found
    decltype(&XOpenDisplay) openDisplay = find<decltype(&XOpenDisplay)>("XOpenDisplay");
    decltype(&XCloseDisplay) closeDisplay = find<decltype(&XCloseDisplay)>("XCloseDisplay");
    decltype(&XLoadQueryFont) loadQueryFont = find<decltype(&XLoadQueryFont)>("XLoadQueryFont");
    decltype(&XFreeFont) freeFont = find<decltype(&XFreeFont)>("XFreeFont");
    decltype(&XTextWidth) textWidth = find<decltype(&XTextWidth)>("XTextWidth");
    decltype(&XCreateSimpleWindow) createWindow = find<decltype(&XCreateSimpleWindow)>("XCreateSimpleWindow");
    decltype(&XStoreName) storeName = find<decltype(&XStoreName)>("XStoreName");
    decltype(&XInternAtom) internAtom = find<decltype(&XInternAtom)>("XInternAtom");
    decltype(&XChangeProperty) changeProperty = find<decltype(&XChangeProperty)>("XChangeProperty");
    decltype(&XSetWMProtocols) setProtocols = find<decltype(&XSetWMProtocols)>("XSetWMProtocols");
    decltype(&XSetWMNormalHints) setSizeHints = find<decltype(&XSetWMNormalHints)>("XSetWMNormalHints");
    decltype(&XSelectInput) selectInput = find<decltype(&XSelectInput)>("XSelectInput");
    decltype(&XMapRaised) mapRaised = find<decltype(&XMapRaised)>("XMapRaised");
    decltype(&XNextEvent) nextEvent = find<decltype(&XNextEvent)>("XNextEvent");
    decltype(&XLookupKeysym) lookupKeysym = find<decltype(&XLookupKeysym)>("XLookupKeysym");
    decltype(&XCreateGC) createGC = find<decltype(&XCreateGC)>("XCreateGC");
    decltype(&XFreeGC) freeGC = find<decltype(&XFreeGC)>("XFreeGC");
    decltype(&XSetFont) setFont = find<decltype(&XSetFont)>("XSetFont");
    decltype(&XClearWindow) clearWindow = find<decltype(&XClearWindow)>("XClearWindow");
    decltype(&XDrawString) drawString = find<decltype(&XDrawString)>("XDrawString");
    decltype(&XDrawRectangle) drawRectangle = find<decltype(&XDrawRectangle)>("XDrawRectangle");
    decltype(&XDestroyWindow) destroyWindow = find<decltype(&XDestroyWindow)>("XDestroyWindow");

    Xlib(const Xlib&) = delete;
    Xlib& operator=(const Xlib&) = delete;
    Xlib() = default;
    ~Xlib()
    {
        if (library)
            ::dlclose(library);
    }

    template <typename Function>
    Function find(const char* name)
    {
        if (!library)
            return nullptr;
        if (void* found = ::dlsym(library, name))
            return reinterpret_cast<Function>(found);
        complete = false;
        return nullptr;
    }

    bool usable() const { return library && complete; }
};

// The text in lines of at most this many characters, broken between words;
// a blank line between the two languages.
std::vector<std::string> wrapped(const std::string& text, std::size_t width)
{
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find('\n', start), text.size());
        if (!lines.empty())
            lines.emplace_back();
        std::string line;
        std::size_t word = start;
        while (word < end) {
            const std::size_t space = std::min(text.find(' ', word), end);
            const std::string next = text.substr(word, space - word);
            if (!line.empty() && line.size() + 1 + next.size() > width) {
                lines.push_back(line);
                line.clear();
            }
            line += (line.empty() ? "" : " ") + next;
            word = space + 1;
        }
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

constexpr int kMargin = 16;
constexpr std::size_t kLineWidth = 64;

}  // namespace

bool showBoxWithoutThreads(const std::string& title, const std::string& text)
{
    const Xlib x;
    if (!x.usable())
        return false;
    Display* display = x.openDisplay(nullptr);
    if (!display)
        return false;
    // "fixed" is the one font every X server has.
    XFontStruct* font = x.loadQueryFont(display, "fixed");
    if (!font) {
        x.closeDisplay(display);
        return false;
    }
    const std::vector<std::string> lines = wrapped(text, kLineWidth);
    const int lineHeight = font->ascent + font->descent + 2;
    int textWidth = 0;
    for (const std::string& line : lines)
        textWidth = std::max(textWidth, x.textWidth(font, line.c_str(), static_cast<int>(line.size())));
    const int buttonWidth = std::max(80, x.textWidth(font, "OK", 2) + 2 * kMargin);
    const int buttonHeight = lineHeight + 10;
    const int width = std::max(textWidth, buttonWidth) + 2 * kMargin;
    const int height = 3 * kMargin + static_cast<int>(lines.size()) * lineHeight + buttonHeight;
    const XRectangle button{static_cast<short>(width - kMargin - buttonWidth),
                            static_cast<short>(height - kMargin - buttonHeight),
                            static_cast<unsigned short>(buttonWidth), static_cast<unsigned short>(buttonHeight)};

    const int screen = DefaultScreen(display);
    const Window window =
        x.createWindow(display, RootWindow(display, screen), std::max(0, (DisplayWidth(display, screen) - width) / 2),
                       std::max(0, (DisplayHeight(display, screen) - height) / 2), static_cast<unsigned>(width),
                       static_cast<unsigned>(height), 1, BlackPixel(display, screen), WhitePixel(display, screen));
    x.storeName(display, window, title.c_str());
    const auto atom = [&](const char* name) { return x.internAtom(display, name, False); };
    const auto property = [&](const char* name, Atom type, int format, const void* data, int count) {
        x.changeProperty(display, window, atom(name), type, format, PropModeReplace,
                         static_cast<const unsigned char*>(data), count);
    };
    property("_NET_WM_NAME", atom("UTF8_STRING"), 8, title.c_str(), static_cast<int>(title.size()));
    const long pid = ::getpid();
    property("_NET_WM_PID", XA_CARDINAL, 32, &pid, 1);
    const Atom dialog = atom("_NET_WM_WINDOW_TYPE_DIALOG");
    property("_NET_WM_WINDOW_TYPE", XA_ATOM, 32, &dialog, 1);
    Atom closeRequest = atom("WM_DELETE_WINDOW");
    x.setProtocols(display, window, &closeRequest, 1);
    XSizeHints size{};
    size.flags = PMinSize | PMaxSize;
    size.min_width = size.max_width = width;
    size.min_height = size.max_height = height;
    x.setSizeHints(display, window, &size);
    x.selectInput(display, window, ExposureMask | KeyPressMask | ButtonReleaseMask);
    GC gc = x.createGC(display, window, 0, nullptr);
    x.setFont(display, gc, font->fid);
    x.mapRaised(display, window);

    for (bool open = true; open;) {
        XEvent event;
        x.nextEvent(display, &event);
        if (event.type == Expose && event.xexpose.count == 0) {
            x.clearWindow(display, window);
            int baseline = kMargin + font->ascent;
            for (const std::string& line : lines) {
                x.drawString(display, window, gc, kMargin, baseline, line.c_str(), static_cast<int>(line.size()));
                baseline += lineHeight;
            }
            x.drawRectangle(display, window, gc, button.x, button.y, button.width, button.height);
            x.drawString(display, window, gc, button.x + (button.width - x.textWidth(font, "OK", 2)) / 2,
                         button.y + (button.height + font->ascent - font->descent) / 2, "OK", 2);
        } else if (event.type == KeyPress) {
            // Read keys are stamped on the window, as desktops expect.
            const long time = static_cast<long>(event.xkey.time);
            property("_NET_WM_USER_TIME", XA_CARDINAL, 32, &time, 1);
            const KeySym key = x.lookupKeysym(&event.xkey, 0);
            open = key != XK_Return && key != XK_KP_Enter && key != XK_Escape && key != XK_space;
        } else if (event.type == ButtonRelease) {
            open = !(event.xbutton.button == Button1 && event.xbutton.x >= button.x &&
                     event.xbutton.x < button.x + button.width && event.xbutton.y >= button.y &&
                     event.xbutton.y < button.y + button.height);
        } else if (event.type == ClientMessage) {
            open = static_cast<Atom>(event.xclient.data.l[0]) != closeRequest;
        }
    }
    x.freeGC(display, gc);
    x.destroyWindow(display, window);
    x.freeFont(display, font);
    x.closeDisplay(display);
    return true;
}

}  // namespace temparoka
