#include "game_engine.h"

#include "platform/prompts.h"

namespace tolvar {
namespace {

// End of the word that starts at `pos`: the first space or CR after it (or, with
// `angleBrackets`, "<" or ">"), or the text's end.
std::size_t wordEnd(std::string_view text, std::size_t pos, bool angleBrackets = false)
{
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == ' ' || c == '\r' || (angleBrackets && (c == '<' || c == '>')))
            break;
    }
    return pos;
}

// A second comment on the same ply joins the first instead of replacing it.
void addComment(std::string &annotation, std::string_view comment)
{
    if (comment.empty())
        return;
    if (!annotation.empty())
        annotation += ' ';
    annotation += comment;
}

constexpr bool isGlyph(char c)
{
    return c == '!' || c == '?';
}

constexpr bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// End of the variation that opens at `pos`: just after its closing parenthesis, nested
// ones counted and brace comments skipped, or the text's end when it is never closed.
std::size_t variationEnd(std::string_view text, std::size_t pos)
{
    int depth = 0;
    for (; pos < text.size(); ++pos) {
        const char c = text[pos];
        if (c == '(') {
            ++depth;
        } else if (c == ')') {
            if (--depth == 0)
                return pos + 1;
        } else if (c == '{') {
            pos = text.find('}', pos + 1);
            if (pos == std::string_view::npos)
                return text.size();
        }
    }
    return text.size();
}

// A variation kept as a comment loses the braces of the comments inside it: saved as
// one brace comment, an inner closing brace would end it early.
void addVariation(std::string &annotation, std::string_view variation)
{
    std::string text;
    text.reserve(variation.size());
    for (const char c : variation)
        if (c != '{' && c != '}')
            text += c;
    addComment(annotation, text);
}

} // namespace

void GameEngine::StripMovesFromList()
{
    const std::string_view text = txtEvalText;
    int plies = 0;
    int number = SetupMode ? MoveNumber : 1;
    bool whiteNext = true;
    if (OnMove == 'B') {
        PlyRecords[0].MoveSAN = "...";
        writeMoveNumberText(0, MoveNumber);
        whiteNext = false;
    }

    // False when the record is full: the scan ends with the plies stored so far. Glyphs
    // glued to the move ("e4!", "Nf3?!") are no part of its SAN: they join the comments of
    // its ply, and a word of glyphs alone is only a comment.
    const auto recordMove = [&](std::string_view word) {
        std::size_t sanLength = word.size();
        while (sanLength > 0 && isGlyph(word[sanLength - 1]))
            --sanLength;
        const std::string_view glyphs = word.substr(sanLength);
        word = word.substr(0, sanLength);
        if (word.empty()) {
            addComment(PlyRecords[plies].Annotation, glyphs);
            return true;
        }
        if (plies == MaxPly) {
            platform::messageBox(QStringLiteral("Error reading game information."), platform::MessageButtons::Ok,
                                 platform::MessageIcon::None, QStringLiteral("Error Reading Game"));
            return false;
        }
        ++plies;
        PlyRecords[plies].MoveSAN.assign(word);
        GameLength = static_cast<std::int16_t>(plies);
        writeMoveNumberText(plies, number);
        if (!whiteNext)
            ++number;
        whiteNext = !whiteNext;
        addComment(PlyRecords[plies].Annotation, glyphs);
        return true;
    };
    const auto endWithResult = [this](const char *result) { GameResult = result; };

    // A word that starts with "0" or "1" and is no result is skipped one character at a
    // time, so its end is remembered: no stop character lies before it, and a long
    // numeric word is scanned once instead of once per character.
    std::size_t pos = 0;
    std::size_t knownEnd[2] = {0, 0};
    const auto endOfWord = [&](bool angleBrackets) {
        std::size_t &end = knownEnd[angleBrackets];
        if (pos >= end)
            end = wordEnd(text, pos, angleBrackets);
        return end;
    };

    while (pos < text.size()) {
        const char c = text[pos];
        switch (c) {
        case '0': {
            const std::size_t end = endOfWord(true);
            const std::string_view word = text.substr(pos, end - pos);
            if (word == "0-1" || word == "0:1")
                return endWithResult("0-1");
            // Castling with glyphs is short; a long word is never castling.
            const std::string_view castling =
                word.size() > 9 ? std::string_view() : word.substr(0, word.find_first_of("!?"));
            if (castling == "0-0" || castling == "0-0-0") {
                if (!recordMove(word))
                    return;
                pos = end;
            } else {
                ++pos;
            }
            break;
        }
        case '1': {
            const std::string_view word = text.substr(pos, endOfWord(false) - pos);
            if (word == "1-0" || word == "1:0")
                return endWithResult("1-0");
            if (word == "1/2-1/2" || word == "1/2")
                return endWithResult("1/2-1/2");
            ++pos;
            break;
        }
        case '2': case '3': case '4': case '5': case '6': case '7': case '8': case '9':
        case '.': case ' ': case '\n': case '\r':
            ++pos;
            break;
        case '*':
            return endWithResult("*");
        case ';': {
            const std::size_t cr = text.find('\r', pos);
            const std::size_t end = cr == std::string_view::npos ? text.size() : cr + 1;
            addComment(PlyRecords[plies].Annotation, text.substr(pos, end - pos));
            pos = end;
            break;
        }
        case '(': {
            const std::size_t end = variationEnd(text, pos);
            addVariation(PlyRecords[plies].Annotation, text.substr(pos, end - pos));
            pos = end;
            break;
        }
        case '{': {
            // An unclosed comment runs to the end of the text.
            const std::size_t close = text.find('}', pos + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            addComment(PlyRecords[plies].Annotation, text.substr(pos + 1, end - pos - 1));
            pos = end + 1;
            break;
        }
        case '$': {
            // A numeric annotation glyph is kept with the comments of its ply.
            std::size_t end = pos + 1;
            while (end < text.size() && isDigit(text[end]))
                ++end;
            if (end > pos + 1) {
                addComment(PlyRecords[plies].Annotation, text.substr(pos, end - pos));
                pos = end;
                break;
            }
            [[fallthrough]];
        }
        default: {
            const std::size_t end = wordEnd(text, pos);
            if (!recordMove(text.substr(pos, end - pos)))
                return;
            pos = end + 1;
            break;
        }
        }
    }
    txtEvalText.clear();
    GameLength = static_cast<std::int16_t>(plies);
}

} // namespace tolvar
