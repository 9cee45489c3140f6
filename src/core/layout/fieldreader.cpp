// Field and line reading over an in-memory text; see fieldreader.h.
#include "core/layout/fieldreader.h"

namespace tarvik {

void FieldReader::skipLineEnd()
{
    if (m_pos < m_text.size() && m_text[m_pos] == '\r' && m_pos + 1 < m_text.size()
        && m_text[m_pos + 1] == '\n')
        ++m_pos;
    if (m_pos < m_text.size() && m_text[m_pos] == '\n')
        ++m_pos;
}

bool FieldReader::readLine(std::string &line)
{
    if (atEnd())
        return false;
    auto end = m_text.find('\n', m_pos);
    if (end == std::string_view::npos)
        end = m_text.size();
    std::size_t stop = end;
    if (stop > m_pos && m_text[stop - 1] == '\r')
        --stop;
    line.assign(m_text.substr(m_pos, stop - m_pos));
    m_pos = end < m_text.size() ? end + 1 : end;
    return true;
}

bool FieldReader::readField(std::string &field)
{
    if (atEnd())
        return false;
    while (m_pos < m_text.size() && m_text[m_pos] == ' ')
        ++m_pos;
    std::string value;
    auto isLineEnd = [this](std::size_t at) {
        return m_text[at] == '\n'
            || (m_text[at] == '\r' && at + 1 < m_text.size() && m_text[at + 1] == '\n');
    };
    if (m_pos < m_text.size() && m_text[m_pos] == '"') {
        ++m_pos;
        auto close = m_text.find('"', m_pos);
        if (close == std::string_view::npos)
            close = m_text.size();
        value.assign(m_text.substr(m_pos, close - m_pos));
        m_pos = close < m_text.size() ? close + 1 : close;
        // Drop whatever follows the closing quote up to the delimiter.
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && !isLineEnd(m_pos))
            ++m_pos;
    } else {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] != ',' && !isLineEnd(m_pos))
            ++m_pos;
        value.assign(m_text.substr(start, m_pos - start));
    }
    if (m_pos < m_text.size()) {
        if (m_text[m_pos] == ',')
            ++m_pos;
        else
            skipLineEnd();
    }
    field = std::move(value);
    return true;
}

std::string fieldForWriting(std::string_view text)
{
    std::string plain;
    plain.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n' && c != '"')
            plain += c;
    }
    const bool needsQuotes
        = plain.find(',') != std::string::npos || (!plain.empty() && plain.front() == ' ');
    return needsQuotes ? '"' + plain + '"' : plain;
}

std::string lineForWriting(std::string_view text)
{
    std::string line;
    line.reserve(text.size());
    for (const char c : text) {
        if (c != '\r' && c != '\n')
            line += c;
    }
    return line;
}

} // namespace tarvik
