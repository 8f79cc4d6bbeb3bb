#ifndef PAGEFITTER_H
#define PAGEFITTER_H

#include <QFont>
#include <QImage>
#include <QList>
#include <QMargins>
#include <QRect>
#include <QSizePolicy>
#include <QStringList>
#include <QUrl>

class QLabel;
class QLayout;
class QSpacerItem;
class QTextDocument;
class QTextEdit;
class QWidget;

// Keeps the values a page of the form was designed with (the geometry of
// its absolutely placed widgets, size limits, layout spacings and margins,
// spacers, icon sizes, fonts and the point sizes of rich texts) and lays the
// page out at one uniform factor of them. At factor 1 every value is the
// form's own again.
class PageFitter
{
public:
    explicit PageFitter(QWidget *page);
    ~PageFitter();
    PageFitter(const PageFitter &) = delete;
    PageFitter &operator=(const PageFitter &) = delete;

    // A display whose text must keep its designed line breaks and stay
    // whole: `samples` are display texts as the calculator writes them, and
    // `images` the image resources of its document, drawn with the text.
    void addDisplay(QTextEdit *display, const QStringList &samples, const QList<QUrl> &images);

    // The extent of the page's designed content, from its top-left corner.
    QSize designedSize() const { return m_designedSize; }
    // The largest factor at which no key face is drawn larger than its
    // image, on a screen of `ratio` device pixels per logical pixel.
    qreal largestFactor(qreal ratio) const;
    qreal factor() const { return m_factor; }

    // Lays the page out at `factor` of its designed values; `ratio` is the
    // screen's, at which the display images are drawn.
    void apply(qreal factor, qreal ratio);

private:
    struct WidgetValues
    {
        QWidget *widget;
        QSize minimum;
        QSize maximum;
        QRect geometry;   // null when a layout places the widget
        QSize iconSize;   // invalid when the widget shows no icon
        QFont font;
        bool ownFont;
        QString richText; // empty unless a label's text sets point sizes
    };
    struct SpacerValues
    {
        QSpacerItem *spacer;
        QSize size;
        QSizePolicy policy;
    };
    struct LayoutValues
    {
        QLayout *layout;
        int spacing;
        QMargins margins;
    };
    struct DisplayValues
    {
        QTextEdit *display;
        QStringList samples;
        QList<int> lines;   // each sample's line count at design size
        QList<QPair<QUrl, QImage>> images;
        QFont font;
        qreal margin;         // the document's
        QString styleSheet;   // the document's default one
        qreal paragraphMargin; // the spacing of the display text's paragraphs
        // The fonts found for the last few factors and display sizes, so
        // that turning back and forth lays no samples out.
        QList<QPair<QString, QFont>> found;
        bool measured;
    };

    void recordWidget(QWidget *widget);
    void recordLayout(QLayout *layout);
    void applyWidget(const WidgetValues &values);
    void applyLayout(const LayoutValues &values);
    void measureDisplay(DisplayValues &values);
    void fitDisplay(DisplayValues &values, qreal ratio);
    void fitLabel(QLabel *label, const QString &richText);
    bool samplesFit(const DisplayValues &values, const QFont &font, qreal margin, const QString &styleSheet,
                    const QSize &viewport, QList<int> *lines = nullptr);
    static void setParagraphMargins(QTextDocument *document, qreal margin);
    QFont scaled(const QFont &font, qreal factor) const;
    int scaled(int value) const;

    QWidget *m_page;
    QList<WidgetValues> m_widgets;
    QList<LayoutValues> m_layouts;
    QList<SpacerValues> m_spacers;
    QList<DisplayValues> m_displays;
    QSize m_designedSize;
    bool m_pageFontShown = false; // something with text takes the page's font
    qreal m_factor = 1.0;
    qreal m_ratio = 1.0;
    QTextDocument *m_scratch = nullptr; // lays sample texts out
};

#endif // PAGEFITTER_H
