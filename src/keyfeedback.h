#ifndef KEYFEEDBACK_H
#define KEYFEEDBACK_H

// Lets a key answer the finger that presses it, as the phone shell's keypads
// do: the phone's feedback daemon (feedbackd) is asked for its event
// "button-pressed" under the calculator's app id. What that event does, a
// buzz, a click or nothing, is the user's feedback profile's choice; the
// calculator has no setting of its own.
//
// The daemon is reached over the session bus through libfeedback, whose
// connection is made once per process and synchronously: it can wait on a
// bus that starts the daemon, so it is made on a thread of its own when the
// first finger comes, and never at start-up, which a mouse-only desktop
// would pay for nothing. Presses are sent without waiting for the answer.
// Without a bus or a daemon the keys work as before, with one warning the
// first time and no retries.
class KeyFeedback
{
public:
    // A finger has pressed an enabled key.
    static void keyPressed();
};

#endif // KEYFEEDBACK_H
