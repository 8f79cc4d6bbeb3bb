#include "accessibledisplay.h"
#include "displaytext.h"

#include <QAbstractTextDocumentLayout>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

const char *const displayProperty = "calculatorDisplay";

QAccessibleInterface *displayFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("QTextEdit") && object->property(displayProperty).toBool())
        return new AccessibleDisplay(static_cast<QTextEdit *>(object));
    return nullptr;
}

// A text edit tells assistive technology of each change of its document with
// the raw text, in which the indicator images are object replacement
// characters; the display announces its shown text instead. The edit's text
// control connects its raw notice again at the end of every setHtml, always
// after this earlier connection, which therefore runs first on each change
// and cuts the control's off before its turn.
void silenceRawTextEvents(QTextEdit *display)
{
    QTextDocument *document = display->document();
    for (QObject *child : display->children()) {
        if (!child->inherits("QWidgetTextControl"))
            continue;
        const auto cutOff = [document, child] {
            QObject::disconnect(document, &QTextDocument::contentsChange, child, nullptr);
        };
        cutOff();
        QObject::connect(document, &QTextDocument::contentsChange, display, cutOff);
    }
}

// Announces each change of the shown text or of the modes. Every key press
// writes the display, so without a screen reader listening nothing is read
// back; the first change heard after one starts is announced whole.
void announceChanges(QTextEdit *display)
{
    QObject::connect(display, &QTextEdit::textChanged, display,
                     [display, text = QString(), modes = QString()]() mutable {
                         if (!QAccessible::isActive())
                             return;
                         const QString newText = DisplayText::shownText(*display->document());
                         const QString newModes = DisplayText::modeWords(*display->document());
                         if (newText != text) {
                             QAccessibleTextUpdateEvent event(display, 0, text, newText);
                             QAccessible::updateAccessibility(&event);
                             text = newText;
                         }
                         if (newModes != modes) {
                             QAccessibleEvent event(display, QAccessible::DescriptionChanged);
                             QAccessible::updateAccessibility(&event);
                             modes = newModes;
                         }
                     });
}

} // namespace

AccessibleDisplay::AccessibleDisplay(QTextEdit *display)
    : QAccessibleWidget(display, QAccessible::EditableText)
{
}

void AccessibleDisplay::attach(QTextEdit *display)
{
    static const bool installed = [] {
        QAccessible::installFactory(displayFactory);
        return true;
    }();
    Q_UNUSED(installed);
    display->setProperty(displayProperty, true);
    // Setting up the form may have announced the display already, and so
    // made it a plain text edit's interface, which stays until replaced.
    QAccessibleInterface *made = QAccessible::queryAccessibleInterface(display);
    if (made && !dynamic_cast<AccessibleDisplay *>(made))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    silenceRawTextEvents(display);
    announceChanges(display);
}

QTextEdit *AccessibleDisplay::display() const
{
    return static_cast<QTextEdit *>(widget());
}

QString AccessibleDisplay::shown() const
{
    return DisplayText::shownText(*display()->document());
}

int AccessibleDisplay::documentStart() const
{
    return DisplayText::shownTextStart(*display()->document());
}

QAccessible::State AccessibleDisplay::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.editable = false;
    state.selectableText = true;
    return state;
}

QString AccessibleDisplay::text(QAccessible::Text t) const
{
    switch (t) {
    case QAccessible::Value:
        return shown();
    case QAccessible::Description:
        return DisplayText::modeWords(*display()->document());
    default:
        return QAccessibleWidget::text(t);
    }
}

void *AccessibleDisplay::interface_cast(QAccessible::InterfaceType t)
{
    if (t == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    return QAccessibleWidget::interface_cast(t);
}

// The display offers its text to read, not to select or edit.
void AccessibleDisplay::selection(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = 0;
}

int AccessibleDisplay::selectionCount() const
{
    return 0;
}

void AccessibleDisplay::addSelection(int, int) {}

void AccessibleDisplay::removeSelection(int) {}

void AccessibleDisplay::setSelection(int, int, int) {}

int AccessibleDisplay::cursorPosition() const
{
    return 0;
}

void AccessibleDisplay::setCursorPosition(int) {}

QString AccessibleDisplay::text(int startOffset, int endOffset) const
{
    return shown().mid(startOffset, endOffset - startOffset);
}

int AccessibleDisplay::characterCount() const
{
    return int(shown().size());
}

QRect AccessibleDisplay::characterRect(int offset) const
{
    if (offset < 0 || offset >= characterCount())
        return QRect();
    QTextCursor cursor(display()->document());
    cursor.setPosition(documentStart() + offset);
    QRect rect = display()->cursorRect(cursor);
    cursor.movePosition(QTextCursor::NextCharacter);
    rect.setRight(display()->cursorRect(cursor).left());
    return rect.translated(display()->viewport()->mapToGlobal(QPoint(0, 0)));
}

int AccessibleDisplay::offsetAtPoint(const QPoint &point) const
{
    const QPoint scrolled(display()->horizontalScrollBar()->value(), display()->verticalScrollBar()->value());
    const QPoint inDocument = display()->viewport()->mapFromGlobal(point) + scrolled;
    const int position = display()->document()->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    const int offset = position - documentStart();
    return position >= 0 && offset >= 0 && offset < characterCount() ? offset : -1;
}

void AccessibleDisplay::scrollToSubstring(int, int) {}

QString AccessibleDisplay::attributes(int, int *startOffset, int *endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return QString();
}
