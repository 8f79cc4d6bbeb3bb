#include "displaytext.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

namespace DisplayText {

QString paragraph(const QString &content)
{
    return QStringLiteral("<p align=\"right\">") + content + QStringLiteral("</p>");
}

QString cleanNumberText(const QString &plainText)
{
    QString text = QString::fromLatin1(plainText.toLatin1());
    text.remove(QLatin1Char('?'));
    text.remove(QLatin1Char(' '));
    return text;
}

namespace {

bool isHidden(QChar c)
{
    return c == QChar::ObjectReplacementCharacter || c.isSpace();
}

} // namespace

QString shownText(const QTextDocument &document)
{
    // Appending leaves the indicators' object characters in front of the number.
    QString text = document.lastBlock().text();
    text.remove(QChar::ObjectReplacementCharacter);
    return text.trimmed();
}

int shownTextStart(const QTextDocument &document)
{
    const QTextBlock block = document.lastBlock();
    const QString text = block.text();
    int start = 0;
    while (start < text.size() && isHidden(text.at(start)))
        ++start;
    return block.position() + start;
}

QString modeWords(const QTextDocument &document)
{
    static const QHash<QString, const char *> words = {
        {"Decimal", QT_TRANSLATE_NOOP("DisplayText", "decimal")},
        {"Hexadecimal", QT_TRANSLATE_NOOP("DisplayText", "hexadecimal")},
        {"Octal", QT_TRANSLATE_NOOP("DisplayText", "octal")},
        {"Binary", QT_TRANSLATE_NOOP("DisplayText", "binary")},
        {"Degree", QT_TRANSLATE_NOOP("DisplayText", "degrees")},
        {"Radian", QT_TRANSLATE_NOOP("DisplayText", "radians")},
        {"Shift", QT_TRANSLATE_NOOP("DisplayText", "shift")}};
    QStringList modes;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (format.isImageFormat())
                modes.append(QCoreApplication::translate(
                        "DisplayText", words.value(QFileInfo(format.toImageFormat().name()).baseName())));
        }
    }
    //: Between the modes a screen reader reads: "decimal, degrees, shift".
    return modes.join(QCoreApplication::translate("DisplayText", ", "));
}

} // namespace DisplayText
