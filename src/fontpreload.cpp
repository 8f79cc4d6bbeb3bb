#include "fontpreload.h"

#include <dlfcn.h>

#include <system_error>

namespace {

void initFontconfig()
{
    // Qt's font database loads fontconfig with Qt Gui; a Qt built without it
    // leaves nothing to do.
    using Init = int (*)();
    if (const auto init = reinterpret_cast<Init>(dlsym(RTLD_DEFAULT, "FcInit")))
        init();
}

} // namespace

FontPreload::FontPreload()
{
    try {
        m_thread = std::thread(&initFontconfig);
    } catch (const std::system_error &) {
        // No thread to spare: Qt loads fontconfig itself at the first font.
    }
}

FontPreload::~FontPreload()
{
    wait();
}

void FontPreload::wait()
{
    if (m_thread.joinable())
        m_thread.join();
}
