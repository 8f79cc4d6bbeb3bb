#ifndef FONTPRELOAD_H
#define FONTPRELOAD_H

#include <thread>

// Fontconfig reads its configuration and font caches at the first use of a
// font, the longest step before any Qt window shows text. Made at the start
// of main, this reads them on another core while QApplication connects to
// the display; wait() before the first font is used, so that Qt finds them
// loaded rather than loading them a second time beside the thread.
class FontPreload
{
public:
    FontPreload();
    ~FontPreload();

    FontPreload(const FontPreload &) = delete;
    FontPreload &operator=(const FontPreload &) = delete;

    void wait();

private:
    std::thread m_thread;
};

#endif // FONTPRELOAD_H
