#ifndef LIBRARYFORWARD_H
#define LIBRARYFORWARD_H

// The number libraries are not linked into the program: each is opened on
// its first use, and every function of it that the program calls is defined
// inside the program as a forwarder to the library's own. The forwarders are
// hidden, so that no library's calls land on them, and each looks its
// function up once, at its first call. A library opened this way stays out
// of the scope every other symbol look-up of the process walks through.
namespace LibraryForward {
// The library of that run-time name, opened for good; ends the program
// if it cannot be opened, as a library missing at start would.
void *open(const char *name);
// The address of a function of `library` or of a library it loaded.
void *resolve(void *library, const char *name);
} // namespace LibraryForward

// Defines `name` with its header's signature (the compiler holds the two
// together, exception specification included, which follows the
// parameters) as a call of the same function in `library()`.
#define LIBRARY_FORWARD(library, result, name, parameters, arguments)                                        \
    extern "C" __attribute__((visibility("hidden"))) result name parameters                                  \
    {                                                                                                        \
        static const auto function = reinterpret_cast<decltype(&name)>(LibraryForward::resolve(library(), #name)); \
        return function arguments;                                                                           \
    }

#endif // LIBRARYFORWARD_H
