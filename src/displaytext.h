#ifndef DISPLAYTEXT_H
#define DISPLAYTEXT_H

#include <QString>
#include <QtGlobal>

class QTextDocument;

// The texts the calculator writes into its displays with setHtml, and the
// rule by which it reads a number back from a display's plain text.
namespace DisplayText {

inline const QString decimalImage = QStringLiteral("<img src=\":/images/Decimal.jpg\">");
inline const QString hexadecimalImage = QStringLiteral("<img src=\":/images/Hexadecimal.jpg\">");
inline const QString octalImage = QStringLiteral("<img src=\":/images/Octal.jpg\">");
inline const QString binaryImage = QStringLiteral("<img src=\":/images/Binary.jpg\">");
inline const QString degreeImage = QStringLiteral("<img src=\":/images/Degree.jpg\">");
inline const QString radianImage = QStringLiteral("<img src=\":/images/Radian.jpg\">");
inline const QString shiftImage = QStringLiteral("<img src=\":/images/Shift.jpg\">");

// The two messages, in English: the window shows them through tr(), and the
// state file keeps them in English, so that it reads the same in every
// language.
inline constexpr char divideByZero[] = QT_TRANSLATE_NOOP("MainWindow", "Cannot divide by zero");
inline constexpr char invalidInput[] = QT_TRANSLATE_NOOP("MainWindow", "Invalid input for function");

// The right-aligned number line: <p align="right"> + content + </p>.
QString paragraph(const QString &content);

// The number text of a scientific display's plain text. Each indicator image
// reads back as U+FFFC; through Latin-1 it becomes "?", and every "?" and
// every space is dropped. Other white space (the line feed after the
// indicators) stays; the number conversions skip it.
QString cleanNumberText(const QString &plainText);

// The number or message a display shows: its last line, without the
// characters that stand for the indicator images. This is what Ctrl+C copies
// and what a screen reader reads.
QString shownText(const QTextDocument &document);
// The document position where that text starts.
int shownTextStart(const QTextDocument &document);

// The modes the indicator images show, in words of the user's language:
// "decimal, degrees, shift".
QString modeWords(const QTextDocument &document);

} // namespace DisplayText

#endif // DISPLAYTEXT_H
