// Sequential reading of the program's delimited text files from memory.
//
// Two kinds of read, as the files mix them: a field (leading spaces skipped;
// ends at a comma or a line end, which is consumed; a field that starts with
// a double quote runs to the closing quote, and anything after it up to the
// delimiter is dropped) and a whole line. A line ends at LF or CR LF. Reading
// past the end of the text fails and leaves the output untouched.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tarvik {

class FieldReader
{
public:
    explicit FieldReader(std::string_view text)
        : m_text(text)
    {
    }

    bool atEnd() const { return m_pos >= m_text.size(); }
    bool readField(std::string &field);
    bool readLine(std::string &line);

private:
    // Consumes a line end (LF or CR LF) at the current position, if any.
    void skipLineEnd();

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// The text to write for a field so that readField gives it back: as it is
// when that is safe, else quoted (a comma or leading space inside it), with
// line ends and double quotes, which no field can carry, dropped.
std::string fieldForWriting(std::string_view text);
// A text for a whole-line record: line ends dropped.
std::string lineForWriting(std::string_view text);

} // namespace tarvik
