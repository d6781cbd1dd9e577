#include "game_engine.h"

namespace tolvar {
namespace {

constexpr std::string_view LineBreak = "\r\n";
constexpr std::size_t ListColumnWidth = 16;
constexpr int PliesPerParagraphLine = 9;
constexpr std::size_t AnnotatedLineLength = 50;

// The result that ends every list; a result the host cleared is written as "*".
std::string_view resultText(const std::string &result)
{
    return result.empty() ? std::string_view("*") : std::string_view(result);
}

// Walks the plies the move lists show, calling visit(record, whiteTurn) for each: from
// ply 0 when the game starts with Black to move ("..." printed as White's move), else
// from ply 1, up to `last`.
template<typename Visit>
void forEachListedPly(const std::array<PlyRecord, MaxPly + 1> &records, int last, Visit visit)
{
    bool whiteTurn = true;
    for (int ply = records[0].MoveSAN == "..." ? 0 : 1; ply <= last; ++ply) {
        visit(records[ply], whiteTurn);
        whiteTurn = !whiteTurn;
    }
}

} // namespace

int GameEngine::lastPly() const
{
    return std::clamp<int>(GameLength, 0, MaxPly);
}

void GameEngine::WriteMoveToMoveText()
{
    std::string &text = MoveList;
    text.clear();
    if (!currentRecord().MoveNumberText.empty()) {
        forEachListedPly(PlyRecords, lastPly(), [&text](const PlyRecord &record, bool whiteTurn) {
            if (whiteTurn) {
                text += record.MoveNumberText;
                text += ". ";
            }
            text += record.MoveSAN;
            text += ' ';
        });
    }
    text += resultText(GameResult);
}

void GameEngine::ParagraphMoveList()
{
    std::string &text = ParagraphText;
    text.clear();
    int counter = 1;
    forEachListedPly(PlyRecords, lastPly(), [&](const PlyRecord &record, bool whiteTurn) {
        if (whiteTurn) {
            text += record.MoveNumberText;
            text += '.';
        }
        text += record.MoveSAN;
        text += ' ';
        if (++counter > PliesPerParagraphLine) {
            counter = 1;
            text += LineBreak;
        }
    });
    text += resultText(GameResult);
}

void GameEngine::ListMoveList()
{
    std::string &text = ListText;
    text.clear();
    forEachListedPly(PlyRecords, lastPly(), [&text](const PlyRecord &record, bool whiteTurn) {
        if (whiteTurn) {
            const std::size_t start = text.size();
            text += record.MoveNumberText;
            text += ". ";
            text += record.MoveSAN;
            const std::size_t width = text.size() - start;
            if (width < ListColumnWidth)
                text.append(ListColumnWidth - width, ' ');
            text += '\t';
        } else {
            text += record.MoveSAN;
            text += LineBreak;
        }
    });
    text += resultText(GameResult);
}

void GameEngine::flushLine(std::string &line)
{
    AnnotationText += line;
    AnnotationText += ' ';
    AnnotationText += LineBreak;
    line.clear();
}

void GameEngine::appendComment(std::string &line, std::string_view comment)
{
    line += '{';
    // Split at every single space, so runs of spaces survive as empty words.
    std::size_t start = 0;
    while (true) {
        const std::size_t space = comment.find(' ', start);
        const bool lastWord = space == std::string_view::npos;
        line += comment.substr(start, lastWord ? std::string_view::npos : space - start);
        line += lastWord ? std::string_view("} ") : std::string_view(" ");
        if (line.size() > AnnotatedLineLength)
            flushLine(line);
        if (lastWord)
            break;
        start = space + 1;
    }
}

void GameEngine::AnnotationMoveList()
{
    AnnotationText.clear();
    std::string line;
    // A comment before White's first move sits on ply 0, which no list prints: it
    // leads the text so that a game saved from the board keeps it.
    if (PlyRecords[0].MoveSAN != "..." && !PlyRecords[0].Annotation.empty()) {
        appendComment(line, PlyRecords[0].Annotation);
        if (line.size() > AnnotatedLineLength)
            flushLine(line);
    }
    forEachListedPly(PlyRecords, lastPly(), [&](const PlyRecord &record, bool whiteTurn) {
        if (whiteTurn) {
            line += record.MoveNumberText;
            line += ". ";
        }
        line += record.MoveSAN;
        line += ' ';
        if (!record.Annotation.empty())
            appendComment(line, record.Annotation);
        if (line.size() > AnnotatedLineLength)
            flushLine(line);
    });
    AnnotationText += line;
    AnnotationText += resultText(GameResult);
}

const std::string &GameEngine::MoveList_P()
{
    ParagraphMoveList();
    return ParagraphText;
}

const std::string &GameEngine::MoveList_L()
{
    ListMoveList();
    return ListText;
}

const std::string &GameEngine::MoveList_A()
{
    AnnotationMoveList();
    return AnnotationText;
}

} // namespace tolvar
