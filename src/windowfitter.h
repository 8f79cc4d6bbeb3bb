#ifndef WINDOWFITTER_H
#define WINDOWFITTER_H

#include <QObject>
#include <QRect>
#include <QSize>

#include <memory>
#include <vector>

class PageFitter;
class QStackedWidget;

// Fits the page on show into the window on every resize and page switch:
// one factor per page, the largest at which its designed content fits the
// area the pages are placed in. A page that fits as designed stays exactly
// as designed; the form's margin around the pages gives way before the
// content shrinks. In a window larger than the form's in both directions the
// content grows, centred, until a key face would be drawn larger than its
// image.
class WindowFitter : public QObject
{
    Q_OBJECT

public:
    // `formSize` is the window size the form was designed for.
    WindowFitter(QStackedWidget *pages, const QSize &formSize);
    ~WindowFitter() override;

    PageFitter &page(int index) { return *m_fitters.at(std::size_t(index)); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit(bool pageSwitch);
    void keepFacesInUse();

    QStackedWidget *m_pages;
    QRect m_designedGeometry; // of the stacked pages, in the area
    QSize m_formSize;
    bool m_placed = false;
    std::vector<std::unique_ptr<PageFitter>> m_fitters;
};

#endif // WINDOWFITTER_H
