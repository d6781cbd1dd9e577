#include "coordinate_play.h"

#include "fen_check.h"

#include "control/game/game_engine.h"
#include "platform/scripted_prompts.h"

namespace {

int cellIndex(QChar file, QChar rank)
{
    return tolvar::squareIndex(file.unicode() - 'a' + 1, rank.unicode() - '0');
}

bool isFile(QChar c)
{
    return c >= QLatin1Char('a') && c <= QLatin1Char('h');
}

bool isRank(QChar c)
{
    return c >= QLatin1Char('1') && c <= QLatin1Char('8');
}

} // namespace

std::optional<CoordinateMove> parseCoordinateMove(const QString &text)
{
    if (text.size() != 4 && text.size() != 5)
        return std::nullopt;
    if (!isFile(text[0]) || !isRank(text[1]) || !isFile(text[2]) || !isRank(text[3]))
        return std::nullopt;
    CoordinateMove move{text, cellIndex(text[0], text[1]), cellIndex(text[2], text[3])};
    if (text.size() == 5) {
        const char letter = text[4].toUpper().toLatin1();
        if (letter != 'Q' && letter != 'R' && letter != 'B' && letter != 'N')
            return std::nullopt;
        move.promotion = letter;
    }
    return move;
}

PlayResult playMoves(const std::optional<std::string> &fen, const std::vector<CoordinateMove> &moves)
{
    PlayResult result;
    tolvar::GameEngine engine;
    const platform::ScriptedPrompts prompts;
    if (fen) {
        if (std::optional<QString> problem = fenProblem(*fen)) {
            result.error = *problem;
            return result;
        }
        engine.LoadFEN(*fen);
        // The board's own reader may still refuse a counter it cannot hold.
        if (!prompts.records().isEmpty()) {
            result.error = prompts.records().front().text;
            return result;
        }
    }

    bool moved = false;
    engine.setEventHandler([&moved](tolvar::EngineEvent event) {
        if (event == tolvar::EngineEvent::MoveComplete)
            moved = true;
    });
    for (const CoordinateMove &move : moves) {
        moved = false;
        engine.PromotionPiece.assign(1, move.promotion != '\0' ? move.promotion : 'Q');
        engine.picBoard_DragDrop(move.toIndex, move.fromIndex);
        engine.WriteForsyth();
        result.moves.push_back({move.text, moved, engine.MoveText, engine.Forsyth, engine.GameResult});
    }
    return result;
}
