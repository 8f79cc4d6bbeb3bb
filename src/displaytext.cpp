#include "displaytext.h"

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

} // namespace DisplayText
