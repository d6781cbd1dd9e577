#pragma once

#include <QByteArrayView>

#include <cstring>

namespace pavisto {

// Splits bytes into lines without copying. A line ends at CR LF, at a lone CR or at a
// lone LF; the terminator is not part of the line. A UTF-8 byte-order mark in front of
// the first line is not part of it.
class LineReader final {
public:
    explicit LineReader(QByteArrayView bytes, bool skipByteOrderMark = true)
        : m_begin(bytes.data()), m_pos(bytes.data()), m_end(bytes.data() + bytes.size())
    {
        if (skipByteOrderMark && bytes.startsWith("\xEF\xBB\xBF"))
            m_pos += 3;
    }

    bool atEnd() const { return m_pos == m_end; }

    // Bytes consumed so far, terminators included.
    qsizetype position() const { return m_pos - m_begin; }

    // Offset of a pointer into the bytes given at construction.
    qsizetype offsetOf(const char *p) const { return p - m_begin; }

    // The next line; call only when not atEnd().
    QByteArrayView next()
    {
        const char *start = m_pos;
        // The position of the next LF is kept, so a file of lone CRs is not rescanned
        // to its end for every line.
        if (!m_nextLf || m_nextLf < start) {
            const void *lf = std::memchr(start, '\n', m_end - start);
            m_nextLf = lf ? static_cast<const char *>(lf) : m_end;
        }
        const char *lineEnd = m_nextLf;
        if (const void *cr = std::memchr(start, '\r', lineEnd - start))
            lineEnd = static_cast<const char *>(cr);
        m_pos = lineEnd;
        if (m_pos < m_end) {
            const bool cr = *m_pos++ == '\r';
            if (cr && m_pos < m_end && *m_pos == '\n')
                ++m_pos;
        }
        return QByteArrayView(start, lineEnd - start);
    }

private:
    const char *m_begin;
    const char *m_pos;
    const char *m_end;
    const char *m_nextLf = nullptr;
};

// The line without leading and trailing blanks (code 32; tabs stay).
inline QByteArrayView trimBlanks(QByteArrayView line)
{
    qsizetype from = 0;
    qsizetype to = line.size();
    while (from < to && line[from] == ' ')
        ++from;
    while (to > from && line[to - 1] == ' ')
        --to;
    return line.sliced(from, to - from);
}

} // namespace pavisto
