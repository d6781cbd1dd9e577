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

    // False when the record is full: the scan ends with the plies stored so far.
    const auto recordMove = [&](std::string_view word) {
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
        return true;
    };
    const auto endWithResult = [this](const char *result) { GameResult = result; };

    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos];
        switch (c) {
        case '0': {
            const std::size_t end = wordEnd(text, pos, true);
            const std::string_view word = text.substr(pos, end - pos);
            if (word == "0-1" || word == "0:1")
                return endWithResult("0-1");
            if (word == "0-0" || word == "0-0-0") {
                if (!recordMove(word))
                    return;
                pos = end;
            } else {
                ++pos;
            }
            break;
        }
        case '1': {
            const std::string_view word = text.substr(pos, wordEnd(text, pos) - pos);
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
        case '{': {
            // An unclosed comment runs to the end of the text.
            const std::size_t close = text.find('}', pos + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            addComment(PlyRecords[plies].Annotation, text.substr(pos + 1, end - pos - 1));
            pos = end + 1;
            break;
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
