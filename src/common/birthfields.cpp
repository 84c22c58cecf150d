#include "common/birthfields.h"

#include "common/clock.h"

#include <QKeyEvent>
#include <QRegularExpression>

#include <algorithm>

namespace temparoka {

namespace {
// A sign alone or digits alone are still on the way to a number.
const QRegularExpression& wholeNumberSoFar()
{
    static const QRegularExpression pattern(QStringLiteral("^[+-]?[0-9]*$"));
    return pattern;
}
}  // namespace

ChildrenSpinBox::ChildrenSpinBox(QWidget* parent) : QSpinBox(parent)
{
    setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

int ChildrenSpinBox::typedValue() const
{
    return boundedValueOf(cleanText());
}

int ChildrenSpinBox::boundedValueOf(const QString& text) const
{
    const QString trimmed = text.trimmed();
    if (!wholeNumberSoFar().match(trimmed).hasMatch())
        return minimum();
    const bool negative = trimmed.startsWith(QLatin1Char('-'));
    QString digits = trimmed.mid(negative || trimmed.startsWith(QLatin1Char('+')) ? 1 : 0);
    digits.remove(QRegularExpression(QStringLiteral("^0+(?=.)")));
    if (digits.isEmpty())
        return minimum();
    // However many digits were typed, the number lies beyond a bound; only
    // which one matters.
    if (digits.size() > 9)
        return negative ? minimum() : maximum();
    const int magnitude = digits.toInt();
    return std::clamp(negative ? -magnitude : magnitude, minimum(), maximum());
}

QValidator::State ChildrenSpinBox::validate(QString& input, int& /*pos*/) const
{
    if (!wholeNumberSoFar().match(input.trimmed()).hasMatch())
        return QValidator::Invalid;
    // Out of range or not written plainly ("07", "+3", an empty field) is
    // allowed while typing; leaving the field puts it right.
    bool ok = false;
    const int number = input.toInt(&ok);
    if (ok && number >= minimum() && number <= maximum() && input == textFromValue(number))
        return QValidator::Acceptable;
    return QValidator::Intermediate;
}

void ChildrenSpinBox::fixup(QString& input) const
{
    if (wholeNumberSoFar().match(input.trimmed()).hasMatch())
        input = textFromValue(boundedValueOf(input));
}

BirthDateEdit::BirthDateEdit(QWidget* parent) : QDateEdit(parent) {}

bool BirthDateEdit::focusNextPrevChild(bool next)
{
    // The stock field walks its parts on Tab before letting go; here Tab
    // leaves at once, so the window's keyboard order holds.
    return QWidget::focusNextPrevChild(next);
}

void BirthDateEdit::keyPressEvent(QKeyEvent* event)
{
    if (stepBetweenSections(*this, *event))
        event->accept();
    else
        QDateEdit::keyPressEvent(event);
}

bool stepBetweenSections(QDateTimeEdit& edit, const QKeyEvent& event)
{
    const bool left = event.key() == Qt::Key_Left;
    if ((!left && event.key() != Qt::Key_Right) || (event.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int step = (left == (edit.layoutDirection() == Qt::LeftToRight)) ? -1 : 1;
    const int index = std::clamp(edit.currentSectionIndex() + step, 0, edit.sectionCount() - 1);
    edit.setCurrentSectionIndex(index);
    edit.setSelectedSection(edit.currentSection());
    return true;
}

}  // namespace temparoka
