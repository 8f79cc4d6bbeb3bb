#include "libraryforward.h"

#include <QtGlobal>

#include <dlfcn.h>

void *LibraryForward::open(const char *name)
{
    // Local: the library's symbols serve its forwarders alone.
    void *library = dlopen(name, RTLD_NOW | RTLD_LOCAL);
    if (!library)
        qFatal("Cannot open the number library %s: %s", name, dlerror());
    return library;
}

void *LibraryForward::resolve(void *library, const char *name)
{
    void *address = dlsym(library, name);
    if (!address)
        qFatal("A number library lacks %s: %s", name, dlerror());
    return address;
}
