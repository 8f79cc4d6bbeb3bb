#ifndef KEYTABLE_H
#define KEYTABLE_H

#include <QList>
#include <QString>

// What each key of the two calculator pages does, for people who cannot or
// would rather not touch it: the names of its two functions and the keyboard
// keys that press it.
struct KeyInfo
{
    const char *objectName;
    const char *function;         // what a plain press does
    const char *shiftedFunction;  // what it does after Shift; null if nothing
    const char *keys;             // keyboard keys for a plain press, space-separated
    const char *shiftedKeys;      // keyboard keys that give the shifted function
};

namespace KeyTable {

const QList<KeyInfo> &keys();

// The key's main function in the user's language: "7", "sine".
QString function(const KeyInfo &key);
// "7; with shift: π", or the one function of a single-function key.
QString description(const KeyInfo &key);
// "with shift: π"; empty for a single-function key.
QString shiftedDescription(const KeyInfo &key);

// The keyboard names of a key event as the table writes them: a printable
// character as itself ("a", "A", "("), other keys by their QKeySequence
// names ("Return", "Esc", "F5").
QString keyName(int key, const QString &text);

} // namespace KeyTable

#endif // KEYTABLE_H
