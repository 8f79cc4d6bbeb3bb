#ifndef BALLLIBRARY_H
#define BALLLIBRARY_H

// Arb and FLINT, which hold the calculator's balls, are opened at their first
// use. open() does it now: called on a thread of its own after the first
// frame, it spares the first inexact result the wait. Safe from any thread.
namespace BallLibrary {
void open();
}

#endif // BALLLIBRARY_H
