#include "ui/shared/typedparts.h"

#include <algorithm>

namespace temparoka {

int digitOf(QChar character)
{
    const int digit = character.digitValue();
    return digit >= 0 && digit <= 9 ? digit : -1;
}

void TypedParts::begin(const QString& shown, int part)
{
    m_shown = shown;
    m_parts.clear();
    for (int i = 0; i < shown.size();) {
        if (digitOf(shown[i]) < 0) {
            ++i;
            continue;
        }
        int end = i;
        while (end < shown.size() && digitOf(shown[end]) >= 0)
            ++end;
        m_parts.push_back({i, shown.mid(i, end - i), {}});
        i = end;
    }
    m_part = std::clamp(part, 0, std::max(partCount() - 1, 0));
    m_fresh = true;
    m_typing = !m_parts.empty();
}

bool TypedParts::type(int digit)
{
    Part& current = m_parts[static_cast<std::size_t>(m_part)];
    if (m_fresh || current.typed.size() >= current.width())
        current.typed.clear();
    m_fresh = false;
    current.typed += QChar(u'0' + digit);
    if (current.typed.size() < current.width())
        return false;
    m_fresh = true;
    if (m_part + 1 == partCount())
        return true;
    ++m_part;
    return false;
}

void TypedParts::eraseBack()
{
    if (m_parts[static_cast<std::size_t>(m_part)].typed.isEmpty() && m_part > 0 &&
        !m_parts[static_cast<std::size_t>(m_part - 1)].typed.isEmpty())
        --m_part;
    m_parts[static_cast<std::size_t>(m_part)].typed.chop(1);
    m_fresh = false;
}

void TypedParts::clearPart()
{
    m_parts[static_cast<std::size_t>(m_part)].typed.clear();
    m_fresh = true;
}

void TypedParts::separate()
{
    // Right after a part was typed to its end, the separator is the one the
    // reader sees there already: it does not skip a part.
    if (m_fresh || m_parts[static_cast<std::size_t>(m_part)].typed.isEmpty() || m_part + 1 == partCount())
        return;
    ++m_part;
    m_fresh = true;
}

void TypedParts::step(int parts)
{
    m_part = std::clamp(m_part + parts, 0, partCount() - 1);
    m_fresh = true;
}

void TypedParts::moveTo(int position)
{
    // The part the position lies in or at the end of, else the one before.
    m_part = 0;
    for (int i = 0; i < partCount(); ++i) {
        if (m_parts[static_cast<std::size_t>(i)].start <= position)
            m_part = i;
    }
    m_fresh = true;
}

QString TypedParts::text() const
{
    QString text = m_shown;
    for (const Part& part : m_parts) {
        if (!part.typed.isEmpty())
            text.replace(part.start, part.width(), part.typed.rightJustified(part.width(), u'0'));
    }
    return text;
}

std::vector<int> TypedParts::numbers() const
{
    const QString typed = text();
    std::vector<int> numbers;
    for (const Part& part : m_parts) {
        int number = 0;
        for (const QChar character : typed.mid(part.start, part.width()))
            number = number * 10 + digitOf(character);
        numbers.push_back(number);
    }
    return numbers;
}

}  // namespace temparoka
