#include "translation.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>

Translation::Translation(const QLocale &locale, const QString &folder)
{
    // Each load tries the locale's languages in order ("de_DE", "de", ...)
    // and maps the file it finds; only the first match of each is read.
    m_loaded = m_own.load(locale, QStringLiteral("quillon-calculator"), QStringLiteral("_"), folder);
    if (m_loaded)
        QCoreApplication::installTranslator(&m_own);
    // Only Qt's base module is used: its catalogue alone, not "qt_", which
    // pulls in every installed module's.
    if (m_qt.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&m_qt);
}

QString Translation::programFolder()
{
    const QString program = QCoreApplication::applicationDirPath();
    const QString installed = program + QStringLiteral("/../share/quillon-calculator/translations");
    return QFileInfo(installed).isDir() ? installed : program + QStringLiteral("/translations");
}
