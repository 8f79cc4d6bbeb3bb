#include "keyboardinput.h"
#include "keytable.h"
#include "mainwindow.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QPushButton>
#include <QStackedWidget>
#include <QTimer>

KeyboardInput::KeyboardInput(MainWindow *window, QStackedWidget *pages)
    : QObject(window)
    , m_window(window)
    , m_pages(pages)
{
    const auto bind = [this](const char *keys, const char *objectName, bool shifted) {
        if (!keys)
            return;
        for (const QString &key : QString::fromLatin1(keys).split(QLatin1Char(' ')))
            m_bindings[key].append({QString::fromLatin1(objectName), shifted});
    };
    for (const KeyInfo &key : KeyTable::keys()) {
        bind(key.keys, key.objectName, false);
        bind(key.shiftedKeys, key.objectName, true);
    }
    // Key events go to whichever child has focus; the application sees them first.
    qApp->installEventFilter(this);
}

bool KeyboardInput::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *widget = qobject_cast<QWidget *>(watched);
    if (!widget || widget->window() != m_window)
        return false;

    auto *keyEvent = static_cast<QKeyEvent *>(event);
    if (keyEvent->matches(QKeySequence::Copy)) {
        const QString shown = m_window->shownText();
        if (!shown.isEmpty())
            QGuiApplication::clipboard()->setText(shown);
        return true;
    }
    if (keyEvent->matches(QKeySequence::Paste)) {
        m_window->pasteNumber(QGuiApplication::clipboard()->text());
        return true;
    }
    if (keyEvent->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    return press(KeyTable::keyName(keyEvent->key(), keyEvent->text()));
}

// Presses the on-screen key bound to `keyName` on the page on show. A key
// that stands for a shifted function switches the shift on first, unless it
// is on already, so it gives what Shift and the key give.
bool KeyboardInput::press(const QString &keyName)
{
    QWidget *page = m_pages->currentWidget();
    for (const auto &[objectName, shifted] : m_bindings.value(keyName)) {
        auto *button = page->findChild<QPushButton *>(objectName);
        if (!button)
            continue;
        if (!button->isEnabled())
            return true;
        if (shifted && !m_window->ShiftOperator) {
            auto *shift = page->findChild<QPushButton *>(QStringLiteral("btnShift"));
            if (!shift || !shift->isEnabled())
                return true;
            shift->click();
            showPressed(shift);
        }
        button->click();
        showPressed(button);
        return true;
    }
    return false;
}

// The same sunken look a touch gives, for a moment.
void KeyboardInput::showPressed(QPushButton *button)
{
    button->setDown(true);
    QTimer::singleShot(100, button, [button] { button->setDown(false); });
}
