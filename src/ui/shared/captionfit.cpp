#include "ui/shared/captionfit.h"

#include "ui/shared/radiogroup.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTextDocumentFragment>

#include <algorithm>
#include <map>
#include <optional>
#include <tuple>
#include <vector>

namespace temparoka {

namespace {

constexpr char kDesignedFont[] = "temparokaDesignedFont";
constexpr char kDesignedPlace[] = "temparokaDesignedPlace";

// The caption as it is drawn: a link by what it shows, not by its markup.
QString shownText(QWidget* widget)
{
    QString text = captionOf(widget);
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap())
            return {};  // wraps over the lines it has instead
        const bool rich =
            label->textFormat() == Qt::RichText || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text));
        if (rich)
            text = QTextDocumentFragment::fromHtml(text).toPlainText();
    }
    text.remove(QLatin1Char('&'));
    return text;
}

// The room a box keeps beside the indicator of a check box or radio button.
int indicatorRoom(QWidget* widget, bool radio)
{
    const QStyle* style = widget->style();
    return style->pixelMetric(radio ? QStyle::PM_ExclusiveIndicatorWidth : QStyle::PM_IndicatorWidth, nullptr, widget) +
           style->pixelMetric(radio ? QStyle::PM_RadioButtonLabelSpacing : QStyle::PM_CheckBoxLabelSpacing, nullptr,
                              widget) +
           2;
}

// The top of the first control inside a plain group box: its title must
// end above it.
int firstChildTop(QWidget* group)
{
    int top = group->height();
    for (QWidget* child : group->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        top = std::min(top, child->y());
    return top;
}

// Whether a box may take this place: inside its parent, and over no other
// control that it did not already overlap as designed. Pictures that lie
// under the whole box (a window's background) do not count.
bool placeIsFree(QWidget* widget, const QRect& place, const QRect& designed)
{
    QWidget* parent = widget->parentWidget();
    if (!parent || !parent->rect().contains(place))
        return false;
    for (QWidget* sibling : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (sibling == widget || sibling->isWindow())
            continue;
        const QRect other = sibling->geometry();
        if (other.contains(designed) || other.intersects(designed))
            continue;
        if (other.intersects(place))
            return false;
    }
    return true;
}

// The place a box needs for its caption in the given font, grown from its
// designed place; nothing when there is no free room for it.
std::optional<QRect> placeFor(QWidget* widget, const QFont& font)
{
    const QRect designed = widget->property(kDesignedPlace).toRect();
    const QSize needed = captionSize(widget, font);
    QRect place = designed;
    const bool plainGroup = qobject_cast<QGroupBox*>(widget) && !qobject_cast<RadioGroup*>(widget);
    if (needed.width() > place.width()) {
        if (qobject_cast<QPushButton*>(widget))
            return std::nullopt;  // a button keeps its size; its text gives way
        const auto* label = qobject_cast<QLabel*>(widget);
        const int extra = needed.width() - place.width();
        if (label && (label->alignment() & Qt::AlignHCenter))
            place.adjust(-extra / 2, 0, extra - extra / 2, 0);
        else
            place.setWidth(needed.width());
    }
    if (plainGroup) {
        // The controls inside stay where they are on the window; the
        // group's top edge moves up to make room for the title.
        const int extra = needed.height() - firstChildTop(widget);
        if (extra > 0)
            place.setTop(place.top() - extra);
    } else if (needed.height() > place.height()) {
        const int extra = needed.height() - place.height();
        if (qobject_cast<RadioGroup*>(widget))
            place.setHeight(needed.height());  // the rows hang below the title
        else if (qobject_cast<QPushButton*>(widget))
            return std::nullopt;
        else
            place.adjust(0, -extra / 2, 0, extra - extra / 2);  // around the line's centre
    }
    if (place != designed && !placeIsFree(widget, place, designed))
        return std::nullopt;
    return place;
}

void moveTo(QWidget* widget, const QRect& place)
{
    const int down = widget->geometry().top() - place.top();
    widget->setGeometry(place);
    if (qobject_cast<QGroupBox*>(widget) && !qobject_cast<RadioGroup*>(widget) && down != 0) {
        // What is inside keeps its place on the window, designed place and all.
        for (QWidget* child : widget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
            child->move(child->x(), child->y() + down);
            if (const QVariant designed = child->property(kDesignedPlace); designed.isValid())
                child->setProperty(kDesignedPlace, designed.toRect().translated(0, down));
        }
    }
}

void restoreDesign(QWidget* widget)
{
    if (!widget->property(kDesignedFont).isValid()) {
        widget->setProperty(kDesignedFont, QVariant::fromValue(widget->font()));
        widget->setProperty(kDesignedPlace, widget->geometry());
    }
    widget->setFont(widget->property(kDesignedFont).value<QFont>());
    moveTo(widget, widget->property(kDesignedPlace).toRect());
}

// Captions of one kind share a size: the same designed font, buttons apart.
using Kind = std::tuple<QString, int, bool, bool>;

Kind kindOf(QWidget* widget)
{
    const QFont font = widget->font();
    return {font.family(), font.pixelSize(), font.bold(), qobject_cast<QPushButton*>(widget) != nullptr};
}

}  // namespace

QString captionOf(const QWidget* control)
{
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* group = qobject_cast<const QGroupBox*>(control))
        return group->title();
    if (const auto* button = qobject_cast<const QAbstractButton*>(control))
        return button->text();
    return {};
}

void setCaption(QWidget* control, const QString& caption)
{
    if (auto* label = qobject_cast<QLabel*>(control))
        label->setText(caption);
    else if (auto* group = qobject_cast<QGroupBox*>(control))
        group->setTitle(caption);
    else if (auto* button = qobject_cast<QAbstractButton*>(control))
        button->setText(caption);
}

// For a plain group box, the height is the room its title needs above the
// first control inside.
QSize captionSize(QWidget* control, const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString text = shownText(control);
    const int line = metrics.height();
    if (auto* group = qobject_cast<RadioGroup*>(control)) {
        // Rows share the space under the title, each a line high.
        int items = 0;
        for (int i = 0; i < group->count(); ++i)
            items = std::max(items, metrics.horizontalAdvance(group->itemText(i)));
        const int width = std::max(metrics.horizontalAdvance(text) + 16, items + 12 + indicatorRoom(control, true));
        return {width, line + group->count() * line + 3};
    }
    if (qobject_cast<QGroupBox*>(control))
        return {metrics.horizontalAdvance(text) + 16, line};
    if (qobject_cast<QCheckBox*>(control) || qobject_cast<QRadioButton*>(control))
        return {metrics.horizontalAdvance(text) + indicatorRoom(control, qobject_cast<QRadioButton*>(control)), line};
    if (qobject_cast<QPushButton*>(control))
        return {metrics.horizontalAdvance(text) + 12, line + 2};
    const QMargins margins = control->contentsMargins();
    return {metrics.horizontalAdvance(text) + margins.left() + margins.right(),
            line + margins.top() + margins.bottom()};
}

QFont shrunkToFit(QFont font, int minimumPixels, const std::function<bool(const QFont&)>& fits)
{
    while (font.pixelSize() > minimumPixels && !fits(font))
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

void fitCaptions(QWidget* window, int minimumPixels)
{
    // The controls inside a group come before the group, so that the group
    // makes room for its title above them once they have their places.
    std::vector<QWidget*> captions;
    const QList<QWidget*> all = window->findChildren<QWidget*>();
    for (auto it = all.rbegin(); it != all.rend(); ++it) {
        QWidget* widget = *it;
        // A radio group's items are fitted with their group.
        if (widget->window() != window || qobject_cast<RadioGroup*>(widget->parentWidget()))
            continue;
        if (!shownText(widget).isEmpty())
            captions.push_back(widget);
    }
    for (QWidget* widget : captions)
        restoreDesign(widget);

    // The largest size at which each caption fits, then one size for each
    // kind: the smallest of its members.
    std::map<Kind, int> kindSize;
    for (QWidget* widget : captions) {
        const auto fits = [widget](const QFont& font) { return placeFor(widget, font).has_value(); };
        const int fitting = shrunkToFit(widget->font(), minimumPixels, fits).pixelSize();
        const auto [found, first] = kindSize.try_emplace(kindOf(widget), fitting);
        if (!first)
            found->second = std::min(found->second, fitting);
    }
    for (QWidget* widget : captions) {
        QFont font = widget->font();
        font.setPixelSize(kindSize[kindOf(widget)]);
        if (const auto place = placeFor(widget, font))
            moveTo(widget, *place);
        widget->setFont(font);
        if (auto* group = qobject_cast<RadioGroup*>(widget))
            group->placeButtons();
    }
}

}  // namespace temparoka
