#include "ui/shared/typedentry.h"

#include "core/errors.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QSignalBlocker>

#include <algorithm>
#include <utility>

namespace temparoka {

namespace {

bool isModifierKey(int key)
{
    return (key >= Qt::Key_Shift && key <= Qt::Key_ScrollLock) || key == Qt::Key_AltGr || key == Qt::Key_Super_L ||
           key == Qt::Key_Super_R;
}

}  // namespace

template <class Field>
TypedEntry<Field>::TypedEntry(QWidget* parent) : Field(parent)
{
    // A click into the text while typing chooses a part; it must not move
    // the cursor behind the field's back, which would make Qt read the text.
    this->lineEdit()->installEventFilter(this);
}

template <class Field>
bool TypedEntry<Field>::takesKey(const QKeyEvent& event) const
{
    if (event.matches(QKeySequence::Paste))
        return true;
    const Qt::KeyboardModifiers modifiers = event.modifiers() & ~Qt::KeypadModifier;
    const QString text = event.text();
    if (text.size() == 1 && (modifiers & ~Qt::ShiftModifier) == Qt::NoModifier && digitOf(text[0]) >= 0)
        return true;
    if (modifiers != Qt::NoModifier)
        return false;
    switch (event.key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        // Qt's own would empty a part and read the rest as a value.
        return true;
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Escape:
        return typing();
    default:
        break;
    }
    // The field's own separators, while typing.
    return typing() && text.size() == 1 && !text[0].isLetterOrNumber() && !text[0].isSpace() &&
           this->textFromDateTime(this->dateTime()).contains(text[0]);
}

template <class Field>
void TypedEntry<Field>::typeKey(const QKeyEvent& event)
{
    if (event.matches(QKeySequence::Paste)) {
        typeText(QGuiApplication::clipboard()->text());
        return;
    }
    if (!typing()) {
        const int section = this->currentSectionIndex();
        m_parts.begin(this->textFromDateTime(this->dateTime()), std::max(section, 0));
        if (section < 0 || section >= this->sectionCount())
            m_parts.moveTo(this->lineEdit()->cursorPosition());
    }
    const bool left = event.key() == Qt::Key_Left;
    switch (event.key()) {
    case Qt::Key_Backspace:
        m_parts.eraseBack();
        break;
    case Qt::Key_Delete:
        m_parts.clearPart();
        break;
    case Qt::Key_Left:
    case Qt::Key_Right:
        m_parts.step(left == (this->layoutDirection() == Qt::LeftToRight) ? -1 : 1);
        break;
    case Qt::Key_Escape:
        dropTyping();
        return;
    default:
        if (const int digit = digitOf(event.text()[0]); digit >= 0) {
            if (m_parts.type(digit)) {
                finishTyping(true);
                return;
            }
        } else {
            m_parts.separate();
        }
        break;
    }
    showTyped();
}

template <class Field>
void TypedEntry<Field>::typeText(const QString& text)
{
    // Pasted text is typed: its digits go into the parts one by one, and
    // whatever stands between them ends a part.
    for (const QChar character : text) {
        const int digit = digitOf(character);
        if (digit < 0) {
            if (typing())
                m_parts.separate();
            continue;
        }
        if (!typing())
            m_parts.begin(this->textFromDateTime(this->dateTime()), std::max(this->currentSectionIndex(), 0));
        if (m_parts.type(digit)) {
            finishTyping(true);
            return;
        }
    }
    if (typing())
        showTyped();
}

template <class Field>
void TypedEntry<Field>::showTyped()
{
    // Qt must not read this text as a value: its editor stays quiet.
    QLineEdit* editor = this->lineEdit();
    const QSignalBlocker quiet(editor);
    editor->setText(m_parts.text());
    editor->setSelection(m_parts.partStart(), m_parts.partWidth());
}

template <class Field>
void TypedEntry<Field>::showValue(int part)
{
    {
        const QSignalBlocker quiet(this->lineEdit());
        this->lineEdit()->setText(this->textFromDateTime(this->dateTime()));
    }
    this->setCurrentSectionIndex(part);
    this->setSelectedSection(this->currentSection());
}

template <class Field>
bool TypedEntry<Field>::finishTyping(bool tellAtOnce)
{
    if (!typing())
        return true;
    const std::vector<int> numbers = m_parts.numbers();
    const QString typedText = m_parts.text();
    const int part = m_parts.part();
    m_parts.end();
    const std::string refusal = takeTyped(numbers, typedText);
    // A refused entry is typed again from its first part.
    showValue(refusal.empty() ? part : 0);
    if (refusal.empty())
        return true;
    if (tellAtOnce)
        showErrorBox(refusal);
    else
        QMetaObject::invokeMethod(
            this, [refusal] { showErrorBox(refusal); }, Qt::QueuedConnection);
    return false;
}

template <class Field>
void TypedEntry<Field>::dropTyping()
{
    if (!typing())
        return;
    const int part = m_parts.part();
    m_parts.end();
    showValue(part);
}

template <class Field>
bool TypedEntry<Field>::event(QEvent* event)
{
    // A key that may be a shortcut (Alt+R, Ctrl+H) ends the typing before
    // the shortcut acts, so that it acts on what was typed; if that is
    // refused, the shortcut is held back.
    if (event->type() == QEvent::ShortcutOverride && typing()) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool mayBeShortcut = (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) &&
                                   !isModifierKey(key->key()) && !takesKey(*key);
        if (mayBeShortcut) {
            key->ignore();
            Field::event(event);
            if (key->isAccepted())
                return true;  // the field's own key (Ctrl+C, Ctrl+A)
            if (!finishTyping(false)) {
                key->accept();
                m_heldBackKey = key->key();
                return true;
            }
            return false;
        }
    }
    return Field::event(event);
}

template <class Field>
bool TypedEntry<Field>::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == this->lineEdit() && typing()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            m_parts.moveTo(this->lineEdit()->cursorPositionAt(static_cast<QMouseEvent*>(event)->position().toPoint()));
            showTyped();
            return true;
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return true;
        default:
            break;
        }
    }
    return Field::eventFilter(watched, event);
}

template <class Field>
void TypedEntry<Field>::keyPressEvent(QKeyEvent* event)
{
    if (const int heldBack = std::exchange(m_heldBackKey, 0); heldBack != 0 && heldBack == event->key()) {
        event->accept();
        return;
    }
    if (takesKey(*event)) {
        typeKey(*event);
        event->accept();
        return;
    }
    // Any other key (Enter, Up, Home) acts on what was typed, or not at
    // all when that is refused.
    if (typing() && !isModifierKey(event->key()) && !finishTyping(true)) {
        event->accept();
        return;
    }
    if (stepBetweenSections(*this, *event))
        event->accept();
    else
        Field::keyPressEvent(event);
}

template <class Field>
void TypedEntry<Field>::focusOutEvent(QFocusEvent* event)
{
    // Leaving the field ends the typing, but the window losing the focus to
    // another window or a popup menu only pauses it.
    const bool pause = event->reason() == Qt::ActiveWindowFocusReason || event->reason() == Qt::PopupFocusReason;
    if (!pause)
        finishTyping(false);
    Field::focusOutEvent(event);
    if (typing())
        showTyped();
}

template <class Field>
bool TypedEntry<Field>::focusNextPrevChild(bool next)
{
    // Tab ends the typing, and stays when what was typed is refused. The
    // stock field walks its parts on Tab before letting go; here Tab leaves
    // at once, so the window's keyboard order holds.
    if (!finishTyping(true))
        return true;
    return this->QWidget::focusNextPrevChild(next);
}

template <class Field>
void TypedEntry<Field>::mousePressEvent(QMouseEvent* event)
{
    if (!finishTyping(true)) {
        event->accept();
        return;
    }
    Field::mousePressEvent(event);
}

template <class Field>
void TypedEntry<Field>::contextMenuEvent(QContextMenuEvent* event)
{
    if (finishTyping(true))
        Field::contextMenuEvent(event);
}

template <class Field>
void TypedEntry<Field>::stepBy(int steps)
{
    if (finishTyping(true))
        Field::stepBy(steps);
}

template class TypedEntry<QDateEdit>;
template class TypedEntry<QTimeEdit>;

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
