#include "app/alongside.h"

#include <dlfcn.h>

#include <system_error>

namespace temparoka {

AlongsideStart::AlongsideStart(const std::function<void()>& work)
{
    try {
        m_thread = std::thread([work] {
            try {
                work();
            } catch (...) {
                // The main thread meets the same failure when it does the
                // work itself, and reports it there.
            }
        });
    } catch (const std::system_error&) {
        // No thread to be had: the main thread does the work when it needs it.
    }
}

AlongsideStart::~AlongsideStart()
{
    wait();
}

void AlongsideStart::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}

void readFontConfiguration()
{
    // The toolkit's own font library, already loaded with it; the program
    // does not link it itself. Initialising it twice is safe, and the
    // toolkit's later call finds it done.
    void* library = ::dlopen("libfontconfig.so.1", RTLD_NOW | RTLD_NOLOAD);
    if (!library)
        return;
    if (auto* init = reinterpret_cast<int (*)()>(::dlsym(library, "FcInit")))
        init();
    ::dlclose(library);
}

}  // namespace temparoka
