#ifndef TRANSLATION_H
#define TRANSLATION_H

#include <QLocale>
#include <QString>
#include <QTranslator>

// The calculator's words in the user's language, and Qt's own (the display's
// context menu, the command line help), installed for as long as this object
// lives. English is the source: for it, or for a language without a
// translation, nothing is loaded and the source texts show.
class Translation
{
public:
    explicit Translation(const QLocale &locale, const QString &folder = programFolder());
    Translation(const Translation &) = delete;
    Translation &operator=(const Translation &) = delete;

    // Whether the calculator's own words were found for the locale.
    bool isLoaded() const { return m_loaded; }

    // Where the program's .qm files are: installed, in
    // share/quillon-calculator/translations under the program's prefix; in
    // the build folder, in translations/ beside the program.
    static QString programFolder();

private:
    QTranslator m_own;
    QTranslator m_qt;
    bool m_loaded = false;
};

#endif // TRANSLATION_H
