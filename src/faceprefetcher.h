#ifndef FACEPREFETCHER_H
#define FACEPREFETCHER_H

#include <QObject>

// Starts decoding the key faces of a page on another thread when the page is
// first shown (once the window is mapped, if it shows with the window), so
// that they are ready, or nearly, when its keys are painted.
class FacePrefetcher : public QObject
{
    Q_OBJECT

public:
    explicit FacePrefetcher(QWidget *page);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void prefetch();

    QWidget *m_page;
};

#endif // FACEPREFETCHER_H
