#include "pagefitter.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QLabel>
#include <QLayout>
#include <QSpacerItem>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// Fonts of rich texts are set in the text itself, as "font-size:12pt". Read
// by hand: a regular expression would be compiled, its library's JIT
// included, while the window is built.
const QLatin1String fontSize("font-size:");

// The span of the number in the point size that starts at `from`, or an
// empty one where no point size does.
std::pair<qsizetype, qsizetype> pointSizeAt(QStringView text, qsizetype from)
{
    qsizetype start = from + fontSize.size();
    while (start < text.size() && text.at(start).isSpace())
        ++start;
    qsizetype end = start;
    bool point = false;
    while (end < text.size() && (text.at(end).isDigit() || (text.at(end) == QLatin1Char('.') && !point))) {
        point = point || text.at(end) == QLatin1Char('.');
        ++end;
    }
    // Digits, then a point only if more digits follow it, then "pt".
    if (end == start || !text.at(start).isDigit() || !text.at(end - 1).isDigit()
        || !text.mid(end).startsWith(QLatin1String("pt")))
        return {start, start};
    return {start, end};
}

bool setsPointSizes(const QString &text)
{
    for (qsizetype at = text.indexOf(fontSize); at >= 0; at = text.indexOf(fontSize, at + 1)) {
        if (const auto [start, end] = pointSizeAt(text, at); end > start)
            return true;
    }
    return false;
}

QString scaledPointSizes(const QString &text, qreal factor)
{
    QString result;
    qsizetype last = 0;
    for (qsizetype at = text.indexOf(fontSize); at >= 0; at = text.indexOf(fontSize, at + 1)) {
        const auto [start, end] = pointSizeAt(text, at);
        if (end == start)
            continue;
        result += QStringView(text).mid(last, start - last);
        result += QString::number(QStringView(text).mid(start, end - start).toDouble() * factor, 'f', 2);
        last = end;
    }
    result += QStringView(text).mid(last);
    return result;
}

int lineCount(const QTextDocument &document)
{
    int lines = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        lines += block.layout()->lineCount();
    return lines;
}

// Rounds a rectangle's edges rather than its size, so that neighbours stay
// neighbours.
QRect scaledRect(const QRect &rect, qreal factor)
{
    const QPoint topLeft(qRound(rect.x() * factor), qRound(rect.y() * factor));
    const QPoint end(qRound((rect.x() + rect.width()) * factor), qRound((rect.y() + rect.height()) * factor));
    return QRect(topLeft, QSize(end.x() - topLeft.x(), end.y() - topLeft.y()));
}

// A button placed by hand keeps a finger's size, as the keys do: its width
// grows about its centre, its height downward, away from the text that the
// sideways about page sets close above its Close button. The form's buttons
// are larger, so at its own size nothing changes.
constexpr int fingerSize = 40;

QRect fingerSized(const QRect &rect)
{
    const int width = std::max(rect.width(), fingerSize);
    return QRect(rect.x() - (width - rect.width()) / 2, rect.y(), width, std::max(rect.height(), fingerSize));
}

// Each step down when a text does not fit at the plain factor: pixel-rounded
// glyphs, line heights and frames do not scale exactly.
constexpr qreal textStep = 0.97;
constexpr int maxTextSteps = 24;
constexpr qsizetype maxFoundFonts = 4;

} // namespace

PageFitter::PageFitter(QWidget *page)
    : m_page(page)
{
    recordWidget(page);
    for (const WidgetValues &values : std::as_const(m_widgets)) {
        const auto *button = qobject_cast<const QAbstractButton *>(values.widget);
        const auto *label = qobject_cast<const QLabel *>(values.widget);
        if (!values.ownFont && ((button && !button->text().isEmpty()) || (label && !label->text().isEmpty())))
            m_pageFontShown = true;
    }
    for (const QObject *child : page->children()) {
        if (auto *widget = qobject_cast<const QWidget *>(child)) {
            const QRect extent = widget->geometry();
            m_designedSize = m_designedSize.expandedTo(QSize(extent.right() + 1, extent.bottom() + 1));
        }
    }
}

PageFitter::~PageFitter()
{
    delete m_scratch;
}

void PageFitter::recordWidget(QWidget *widget)
{
    WidgetValues values{widget, widget->minimumSize(), widget->maximumSize(), QRect(), QSize(),
                        widget->font(), widget->testAttribute(Qt::WA_SetFont), QString()};
    // A layout with a size constraint sets its widget's limits itself.
    if (const QLayout *layout = widget->layout();
        layout && layout->sizeConstraint() != QLayout::SetDefaultConstraint
        && layout->sizeConstraint() != QLayout::SetNoConstraint) {
        values.minimum = values.maximum = QSize();
    }
    const QWidget *parent = widget->parentWidget();
    if (widget != m_page && parent && !parent->layout())
        values.geometry = widget->geometry();
    if (auto *button = qobject_cast<QAbstractButton *>(widget); button && !button->icon().isNull())
        values.iconSize = button->iconSize();
    if (auto *label = qobject_cast<QLabel *>(widget); label && setsPointSizes(label->text()))
        values.richText = label->text();
    m_widgets.append(values);

    if (widget->layout())
        recordLayout(widget->layout());
    // A scroll area's viewport and scroll bars are its own business.
    if (qobject_cast<QAbstractScrollArea *>(widget))
        return;
    for (QObject *child : widget->children()) {
        if (auto *childWidget = qobject_cast<QWidget *>(child); childWidget && !childWidget->isWindow())
            recordWidget(childWidget);
    }
}

void PageFitter::recordLayout(QLayout *layout)
{
    m_layouts.append({layout, layout->spacing(), layout->contentsMargins()});
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem *item = layout->itemAt(i);
        if (QSpacerItem *spacer = item->spacerItem())
            m_spacers.append({spacer, spacer->sizeHint(), spacer->sizePolicy()});
        else if (QLayout *inner = item->layout())
            recordLayout(inner);
    }
}

void PageFitter::addDisplay(QTextEdit *display, const QStringList &samples, const QList<QUrl> &images)
{
    DisplayValues values{display, samples, {}, {}, display->font(), display->document()->documentMargin(),
                         display->document()->defaultStyleSheet(), 0.0, {}, false};
    for (const QUrl &url : images)
        values.images.append({url, display->document()->resource(QTextDocument::ImageResource, url).value<QImage>()});
    m_displays.append(values);
}

// How the samples show at design size, measured when the page is first
// fitted to another size (not at start, where the window mostly has its
// designed size): only what shows whole then has to stay whole.
void PageFitter::measureDisplay(DisplayValues &values)
{
    if (QLayout *layout = values.display->parentWidget()->layout())
        layout->activate();
    const QSize viewport = values.display->contentsRect().size();
    QList<int> lines;
    samplesFit(values, values.font, values.margin, values.styleSheet, viewport, &lines);
    for (QTextBlock block = m_scratch->begin(); block.isValid(); block = block.next())
        values.paragraphMargin = std::max(values.paragraphMargin, block.blockFormat().topMargin());
    QStringList whole;
    for (qsizetype i = 0; i < values.samples.size(); ++i) {
        if (lines.at(i) > 0) {
            whole.append(values.samples.at(i));
            values.lines.append(lines.at(i));
        }
    }
    values.samples = whole;
    values.measured = true;
}

qreal PageFitter::largestFactor(qreal ratio) const
{
    qreal limit = 1e6;
    for (const WidgetValues &values : m_widgets) {
        if (!values.iconSize.isValid())
            continue;
        const QIcon icon = static_cast<QAbstractButton *>(values.widget)->icon();
        const QSize image = icon.actualSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
        const QSize drawn = icon.actualSize(values.iconSize);
        if (!drawn.isEmpty())
            limit = std::min({limit, qreal(image.width()) / (drawn.width() * ratio),
                              qreal(image.height()) / (drawn.height() * ratio)});
    }
    return limit;
}

void PageFitter::apply(qreal factor, qreal ratio)
{
    // At factor 1 every value is the form's own on any screen: the ratio
    // only sizes the display images of a scaled page. So a page shown at its
    // designed size on a dense screen is not laid out again at start.
    if (factor == m_factor && (ratio == m_ratio || factor == 1.0))
        return;
    for (DisplayValues &values : m_displays) {
        if (!values.measured)
            measureDisplay(values);
    }
    m_factor = factor;
    m_ratio = ratio;

    for (const WidgetValues &values : m_widgets)
        applyWidget(values);
    for (const SpacerValues &values : m_spacers) {
        values.spacer->changeSize(scaled(values.size.width()), scaled(values.size.height()),
                                  values.policy.horizontalPolicy(), values.policy.verticalPolicy());
    }
    for (const LayoutValues &values : m_layouts)
        applyLayout(values);
    // The layouts that limit their widget's size take the new limits first,
    // then the absolutely placed widgets take their places and sizes, which
    // places what is in them; the displays' new sizes are known after that.
    for (const LayoutValues &values : m_layouts) {
        if (values.layout->parentWidget())
            values.layout->activate();
    }
    for (const WidgetValues &values : m_widgets) {
        if (values.geometry.isNull())
            continue;
        const QRect rect = scaledRect(values.geometry, m_factor);
        values.widget->setGeometry(qobject_cast<QAbstractButton *>(values.widget) ? fingerSized(rect) : rect);
    }
    for (const LayoutValues &values : m_layouts) {
        if (values.layout->parentWidget())
            values.layout->activate();
    }

    for (DisplayValues &values : m_displays)
        fitDisplay(values, ratio);
    for (const WidgetValues &values : m_widgets) {
        if (!values.richText.isEmpty())
            fitLabel(static_cast<QLabel *>(values.widget), values.richText);
    }
}

void PageFitter::applyWidget(const WidgetValues &values)
{
    QWidget *widget = values.widget;
    if (values.minimum.isValid()) {
        widget->setMinimumSize(scaled(values.minimum.width()), scaled(values.minimum.height()));
        widget->setMaximumSize(scaled(values.maximum.width()), scaled(values.maximum.height()));
    }

    if (values.iconSize.isValid())
        static_cast<QAbstractButton *>(widget)->setIconSize(values.iconSize * m_factor);

    const bool display = std::any_of(m_displays.cbegin(), m_displays.cend(),
                                     [widget](const DisplayValues &d) { return d.display == widget; });
    if (display)
        return;
    if (values.ownFont)
        widget->setFont(scaled(values.font, m_factor));
    else if (widget == m_page && m_pageFontShown) // passed on to what inherits it
        widget->setFont(m_factor == 1.0 ? QFont() : scaled(values.font, m_factor));
}

void PageFitter::applyLayout(const LayoutValues &values)
{
    if (values.spacing > 0)
        values.layout->setSpacing(scaled(values.spacing));
    const QMargins &m = values.margins;
    if (!m.isNull())
        values.layout->setContentsMargins(scaled(m.left()), scaled(m.top()), scaled(m.right()), scaled(m.bottom()));
    values.layout->invalidate();
}

// The display keeps the lines it has at design size: the font follows the
// factor, and steps down further while a sample would need another line or
// not fit the display's height.
void PageFitter::fitDisplay(DisplayValues &values, qreal ratio)
{
    QTextDocument *document = values.display->document();
    const bool design = m_factor == 1.0;
    for (const auto &[url, image] : values.images) {
        QImage shown = image;
        if (!design) {
            const QSize size = (QSizeF(image.size()) * m_factor * ratio).toSize().expandedTo(QSize(1, 1));
            shown = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
            shown.setDevicePixelRatio(ratio);
        }
        document->addResource(QTextDocument::ImageResource, url, shown);
    }
    const qreal margin = values.margin * m_factor;
    const qreal paragraph = values.paragraphMargin * m_factor;
    QString styleSheet = values.styleSheet;
    if (!design)
        styleSheet += QStringLiteral("p { margin-top: %1px; margin-bottom: %1px; }").arg(paragraph);
    QFont font = scaled(values.font, m_factor);
    if (!design) {
        const QSize viewport = values.display->contentsRect().size();
        const QString key = QStringLiteral("%1 %2 %3x%4").arg(m_factor).arg(ratio).arg(viewport.width()).arg(viewport.height());
        const auto known = std::find_if(values.found.cbegin(), values.found.cend(),
                                        [&key](const auto &found) { return found.first == key; });
        if (known != values.found.cend()) {
            font = known->second;
        } else {
            for (int step = 0; step < maxTextSteps && !samplesFit(values, font, margin, styleSheet, viewport); ++step)
                font.setPointSizeF(font.pointSizeF() * textStep);
            values.found.prepend({key, font});
            if (values.found.size() > maxFoundFonts)
                values.found.removeLast();
        }
    }
    document->setDefaultStyleSheet(styleSheet);
    setParagraphMargins(document, paragraph);
    document->setDocumentMargin(margin);
    values.display->setFont(font);
}

// The text on show was written with the paragraph spacing of the factor
// before; the next one will take the style sheet's.
void PageFitter::setParagraphMargins(QTextDocument *document, qreal margin)
{
    const bool undo = document->isUndoRedoEnabled();
    document->setUndoRedoEnabled(false);
    QTextCursor cursor(document);
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        QTextBlockFormat format = block.blockFormat();
        if (format.topMargin() <= 0 && format.bottomMargin() <= 0)
            continue;
        format.setTopMargin(format.topMargin() > 0 ? margin : 0);
        format.setBottomMargin(format.bottomMargin() > 0 ? margin : 0);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(format);
    }
    document->setUndoRedoEnabled(undo);
}

bool PageFitter::samplesFit(const DisplayValues &values, const QFont &font, qreal margin,
                            const QString &styleSheet, const QSize &viewport, QList<int> *lines)
{
    if (!m_scratch)
        m_scratch = new QTextDocument;
    QTextDocument *document = values.display->document();
    m_scratch->setDefaultTextOption(document->defaultTextOption());
    m_scratch->setDefaultStyleSheet(styleSheet);
    m_scratch->setDefaultFont(font);
    for (const auto &[url, image] : values.images)
        m_scratch->addResource(QTextDocument::ImageResource, url, document->resource(QTextDocument::ImageResource, url));
    for (qsizetype i = 0; i < values.samples.size(); ++i) {
        m_scratch->setHtml(values.samples.at(i));
        m_scratch->setDocumentMargin(margin);
        m_scratch->setTextWidth(viewport.width());
        const qreal height = m_scratch->size().height();
        const int count = lineCount(*m_scratch);
        if (lines)
            lines->append(height <= viewport.height() ? count : 0);
        else if (height > viewport.height() || count != values.lines.at(i))
            return false;
    }
    return true;
}

// A label's rich text names its point sizes; they shrink with the page, and
// further if tab stops and rounding would still make the text overflow.
void PageFitter::fitLabel(QLabel *label, const QString &richText)
{
    if (m_factor == 1.0) {
        label->setText(richText);
        return;
    }
    qreal factor = m_factor;
    label->setText(scaledPointSizes(richText, factor));
    for (int step = 0; step < maxTextSteps; ++step) {
        const QSize needed = label->sizeHint();
        if (needed.width() <= label->width() && needed.height() <= label->height())
            break;
        factor *= textStep;
        label->setText(scaledPointSizes(richText, factor));
    }
}

QFont PageFitter::scaled(const QFont &font, qreal factor) const
{
    if (factor == 1.0)
        return font;
    QFont result = font;
    if (font.pointSizeF() > 0)
        result.setPointSizeF(font.pointSizeF() * factor);
    else
        result.setPixelSize(std::max(1, qRound(font.pixelSize() * factor)));
    return result;
}

// Zero and the unbounded size stay as they are.
int PageFitter::scaled(int value) const
{
    if (value <= 0 || value >= QWIDGETSIZE_MAX)
        return value;
    return std::max(1, qRound(value * m_factor));
}
