#ifndef KEYBOARDINPUT_H
#define KEYBOARDINPUT_H

#include <QHash>
#include <QObject>
#include <QPair>

class MainWindow;
class QPushButton;
class QStackedWidget;

// Lets a hardware keyboard press the keys of the calculator page on show,
// through the same slots as a touch, with the key's press feedback. Copy and
// paste go to the window. A disabled key ignores its keyboard key as it
// ignores a touch.
class KeyboardInput : public QObject
{
    Q_OBJECT

public:
    KeyboardInput(MainWindow *window, QStackedWidget *pages);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool press(const QString &keyName);
    static void showPressed(QPushButton *button);

    MainWindow *m_window;
    QStackedWidget *m_pages;
    // keyboard key name -> (object name, needs shift), for both pages
    QHash<QString, QList<QPair<QString, bool>>> m_bindings;
};

#endif // KEYBOARDINPUT_H
