#ifndef ACCESSIBLEDISPLAY_H
#define ACCESSIBLEDISPLAY_H

#include <QAccessibleWidget>

class QTextEdit;

// What a screen reader reads of a calculator display: the number or message
// alone, as Ctrl+C copies it, with the scientific page's modes ("decimal,
// degrees, shift") as the description. The display's document also holds the
// indicator images and the characters standing for them, which a plain text
// edit would read out as object replacement characters.
class AccessibleDisplay : public QAccessibleWidget, public QAccessibleTextInterface
{
public:
    explicit AccessibleDisplay(QTextEdit *display);

    // Gives `display` this interface and tells assistive technology of every
    // change of its number or modes. Call before anything asks for the
    // display's accessible interface.
    static void attach(QTextEdit *display);

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    void *interface_cast(QAccessible::InterfaceType t) override;

    void selection(int selectionIndex, int *startOffset, int *endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint &point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int *startOffset, int *endOffset) const override;

private:
    QTextEdit *display() const;
    QString shown() const;
    // Where the shown text starts in the display's document.
    int documentStart() const;
};

#endif // ACCESSIBLEDISPLAY_H
