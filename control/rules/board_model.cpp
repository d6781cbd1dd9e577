#include "rules_engine.h"

namespace tolvar {

RulesEngine::RulesEngine()
{
    BuildSquares();
    PlaceStartingPieces();
    SetupNewGame();
}

void RulesEngine::raiseEvent(EngineEvent event) const
{
    if (m_eventHandler)
        m_eventHandler(event);
}

void RulesEngine::Hashtable()
{
    PlyRecord &record = currentRecord();
    for (int index = 1; index <= 64; ++index) {
        const PieceCode code = picBoard[index].Tag;
        record.Squares[index] = code;
        Board.atIndex(index) = code;
    }
    record.PlyIndex = Ply;
}

void RulesEngine::PGNForwardHT()
{
    const PlyRecord &record = currentRecord();
    std::copy(record.Squares.begin() + 1, record.Squares.end(), Board.cells.begin());
}

void RulesEngine::FindSFXDesignator()
{
    if (LookupFile >= 1 && LookupFile <= 8)
        LookupFileLetter = fileLetter(LookupFile);
}

void RulesEngine::FindHashTableIndex()
{
    if (LookupSquareName.size() != 2)
        return;
    const int file = fileNumber(LookupSquareName[0]);
    const int rank = rankNumber(LookupSquareName[1]);
    if (file != 0 && rank != 0)
        LookupSquareIndex = static_cast<std::int16_t>(squareIndex(file, rank));
}

} // namespace tolvar
