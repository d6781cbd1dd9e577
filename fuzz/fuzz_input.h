#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace fuzz {

// Hands out the parts of one fuzzer input: text up to a line end, and single bytes.
class FuzzInput final {
public:
    FuzzInput(const std::uint8_t *data, std::size_t size) : m_rest(reinterpret_cast<const char *>(data), size) {}

    bool atEnd() const { return m_rest.empty(); }

    // The text up to the next LF (not included), or all that is left.
    std::string line()
    {
        const std::size_t lf = m_rest.find('\n');
        const std::string_view text = m_rest.substr(0, lf);
        m_rest.remove_prefix(lf == std::string_view::npos ? m_rest.size() : lf + 1);
        return std::string(text);
    }

    std::string rest()
    {
        const std::string text(m_rest);
        m_rest = {};
        return text;
    }

    // The next byte, 0 once the input is used up.
    std::uint8_t byte()
    {
        if (m_rest.empty())
            return 0;
        const auto value = static_cast<std::uint8_t>(m_rest.front());
        m_rest.remove_prefix(1);
        return value;
    }

private:
    std::string_view m_rest;
};

} // namespace fuzz
