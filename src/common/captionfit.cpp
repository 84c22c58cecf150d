#include "common/captionfit.h"

#include "common/radiogroup.h"

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

QString shownText(QWidget* widget)
{
    QString text;
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        if (label->wordWrap())
            return {};  // wraps over the lines it has instead
        const bool rich = label->textFormat() == Qt::RichText ||
                          (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
        text = rich ? QTextDocumentFragment::fromHtml(label->text()).toPlainText() : label->text();
    } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
        text = group->title();
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        text = button->text();
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

// The size a widget's box must have for its caption in the given font; for
// a plain group box, the height is the room its title needs above the
// first control inside.
QSize neededSize(QWidget* widget, const QFont& font)
{
    const QFontMetrics metrics(font);
    const QString text = shownText(widget);
    const int line = metrics.height();
    if (auto* group = qobject_cast<RadioGroup*>(widget)) {
        // Rows share the space under the title, each a line high.
        int items = 0;
        for (int i = 0; i < group->count(); ++i)
            items = std::max(items, metrics.horizontalAdvance(group->itemText(i)));
        const int width = std::max(metrics.horizontalAdvance(text) + 16, items + 12 + indicatorRoom(widget, true));
        return {width, line + group->count() * line + 3};
    }
    if (qobject_cast<QGroupBox*>(widget))
        return {metrics.horizontalAdvance(text) + 16, line};
    if (qobject_cast<QCheckBox*>(widget) || qobject_cast<QRadioButton*>(widget))
        return {metrics.horizontalAdvance(text) + indicatorRoom(widget, qobject_cast<QRadioButton*>(widget)), line};
    if (qobject_cast<QPushButton*>(widget))
        return {metrics.horizontalAdvance(text) + 12, line + 2};
    const QMargins margins = widget->contentsMargins();
    return {metrics.horizontalAdvance(text) + margins.left() + margins.right(),
            line + margins.top() + margins.bottom()};
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
    const QSize needed = neededSize(widget, font);
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

}  // namespace

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
    using Kind = std::tuple<QString, int, bool, bool>;
    std::map<Kind, int> kindSize;
    for (QWidget* widget : captions) {
        QFont font = widget->font();
        const Kind kind{font.family(), font.pixelSize(), font.bold(), qobject_cast<QPushButton*>(widget) != nullptr};
        while (font.pixelSize() > minimumPixels && !placeFor(widget, font))
            font.setPixelSize(font.pixelSize() - 1);
        const auto found = kindSize.find(kind);
        kindSize[kind] = found == kindSize.end() ? font.pixelSize() : std::min(found->second, font.pixelSize());
    }
    for (QWidget* widget : captions) {
        QFont font = widget->font();
        font.setPixelSize(kindSize[{font.family(), font.pixelSize(), font.bold(),
                                    qobject_cast<QPushButton*>(widget) != nullptr}]);
        if (const auto place = placeFor(widget, font))
            moveTo(widget, *place);
        widget->setFont(font);
        if (auto* group = qobject_cast<RadioGroup*>(widget))
            group->placeButtons();
    }
}

}  // namespace temparoka
