#include "game_engine.h"

#include "platform/busy_pointer.h"
#include "platform/prompts.h"

#include <charconv>

namespace tolvar {

void GameEngine::writeMoveNumberText(int ply, int number)
{
    char buffer[12];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, number).ptr;
    PlyRecords[ply].MoveNumberText.assign(buffer, end);
}

void GameEngine::LoadGame(const std::string &moveList)
{
    if (moveList.empty())
        return;
    txtEvalText = moveList;
    SetupNewGame();
    StripMovesFromList();
    WriteMoveToMoveText();
    ReadGame();
    raiseEvent(EngineEvent::LoadGameComplete);
}

void GameEngine::LoadSetup(const std::string &FEN, const std::string &Move_List)
{
    if (FEN.empty() || Move_List.empty())
        return;
    SetupNewGame();
    Forsyth = FEN;
    MoveList = Move_List;
    ReadForsyth();
    txtEvalText = Move_List;
    SetupMode = true;
    StripMovesFromList();
    WriteMoveToMoveText();
    Forsyth = FEN;
    ReadGame();
    SetupMode = false;
    raiseEvent(EngineEvent::LoadSetupComplete);
}

void GameEngine::ReadGame()
{
    {
        // The pointer is normal again before any message is shown.
        platform::BusyPointer busy;
        ImportError = false;
        setCellsVisible(false);
        Ply = 0;
        MoveNumber = 1;
        PlyRecord &start = PlyRecords[0];
        if (SetupMode) {
            start.Fen = Forsyth;
            if (OnMove == 'B')
                start.MoveSAN = "...";
        } else {
            start.Fen = StartFen;
        }
        Forsyth = start.Fen;
        ReadForsyth();
        // Promotion tokens set PromotionPiece while they are resolved; the host's choice
        // for moves made by dragging must survive the replay.
        const std::string promotionPiece = PromotionPiece;
        for (int ply = 1, last = lastPly(); ply <= last; ++ply) {
            PendingEPSquare = "-";
            GoForwardOneMove();
        }
        PromotionPiece = promotionPiece;
        setCellsVisible(true);
        Ply = 0;
        Forsyth = start.Fen;
        ReadForsyth();
        GameChanged = false;
    }
    if (ImportError) {
        platform::messageBox(QStringLiteral("Error loading this game. It may be an illegal move or an error\r\n"
                                            "in the notation. Some information may not be displayed properly."),
                             platform::MessageButtons::Ok, platform::MessageIcon::Information,
                             QStringLiteral("Import Error"));
    }
}

void GameEngine::advanceHalfmoveClock(std::string_view token)
{
    const bool castling = !token.empty() && (token[0] == 'O' || token[0] == '0' || token[0] == 'o');
    // Board still holds the position before the move: the destination tells a capture.
    const bool capture = onBoard(ToFile, ToRank) && !Board(ToRank, ToFile).isEmpty();
    if (!castling && (MovePiece == 'p' || PromotionPending || capture))
        HalfmoveCount = 0;
    else
        ++HalfmoveCount;
}

void GameEngine::GoForwardOneMove()
{
    PGNForwardHT();
    PromotionPending = false;
    if (Ply == GameLength && Ply != 0)
        return;
    // A ply a host wrote outside the record has no next entry.
    if (Ply < 0 || Ply >= MaxPly)
        return;
    ForwardOneMove();
    const bool made = MoveLegal;
    if (!made)
        ImportError = true;
    if (LoadMoveMode) {
        LoadMoveDone = made;
        return;
    }
    if (made)
        advanceHalfmoveClock(PlyRecords[Ply + 1].MoveSAN);
    ++Ply;
    PlyRecord &record = PlyRecords[Ply];
    const auto recordPly = [this, &record] {
        record.EPSquare = PendingEPSquare;
        EP_Square = PendingEPSquare;
        record.HalfmoveClock = HalfmoveCount;
        PMCapture = HalfmoveCount;
        WriteForsyth();
        record.Fen = Forsyth;
        MoveLegal = false;
    };
    if (OnMove == 'W') {
        OnMove = 'B';
        recordPly();
        writeMoveNumberText(Ply, MoveNumber);
        record.MoveNumberMove = MoveNumber;
    } else {
        OnMove = 'W';
        record.MoveNumberMove = MoveNumber;
        ++MoveNumber;
        recordPly();
        writeMoveNumberText(Ply, MoveNumber);
    }
    Hashtable();
}

void GameEngine::UpdateGameStatus()
{
    if (Ply < 0 || Ply >= MaxPly)
        return;
    const int cutFrom = Ply + 1;
    const int previousLast = lastPly();
    ++Ply;
    PlyRecord &record = PlyRecords[Ply];
    if (!LoadMoveMode)
        ConvertMoveToAnnotation();
    else {
        MoveText = record.MoveSAN;
        advanceHalfmoveClock(MoveText);
    }
    // The plies this move replaces take their comments with them.
    for (int ply = cutFrom; ply <= previousLast; ++ply)
        PlyRecords[ply].Annotation.clear();
    record.MoveSAN = MoveText;
    if (OnMove != 'W') {
        OnMove = 'W';
        record.MoveNumberMove = MoveNumber;
        ++MoveNumber;
        if (Ply == 1)
            PlyRecords[0].MoveSAN = "...";
    } else {
        OnMove = 'B';
        record.MoveNumberMove = MoveNumber;
    }
    writeMoveNumberText(Ply, MoveNumber);
    GameLength = Ply;
    UpdateCastleOption();
    WriteForsyth();
    record.Fen = Forsyth;
    WriteMoveToMoveText();
    MoveLegal = false;
    RightSide = false;
    PromotionPending = false;
    EPCaptureMade = false;
    CastleText.clear();
    Hashtable();
    TargetColor = '\0';
    TargetPiece = '\0';
    GameChanged = true;
    raiseEvent(EngineEvent::MoveComplete);
}

void GameEngine::LoadMove(const std::string &moveText)
{
    // Entry Ply + 1 must exist: the record holds at most 500 plies.
    if (moveText.empty() || Ply < 0 || Ply >= MaxPly)
        return;
    PlyRecord &next = PlyRecords[Ply + 1];
    const std::int16_t previousLength = GameLength;
    const bool previousImportError = ImportError;
    std::string previousSAN = std::move(next.MoveSAN);
    const std::string promotionPiece = PromotionPiece;

    LoadMoveMode = true;
    LoadMoveDone = false;
    next.MoveSAN = moveText;
    GameLength = static_cast<std::int16_t>(GameLength + 1);
    GoForwardOneMove();
    PromotionPiece = promotionPiece;
    if (LoadMoveDone) {
        UpdateGameStatus();
        raiseEvent(EngineEvent::LoadMoveComplete);
    } else {
        next.MoveSAN = std::move(previousSAN);
        GameLength = previousLength;
        ImportError = previousImportError;
    }
    LoadMoveMode = false;
    LoadMoveDone = false;
}

void GameEngine::DoReturnForsyth(int FromPly)
{
    if (FromPly >= 0 && FromPly <= MaxPly)
        ReturnForsyth = PlyRecords[FromPly].Fen;
}

void GameEngine::DoReturnMove(int FromPly)
{
    if (FromPly >= 0 && FromPly <= MaxPly)
        ReturnMove = PlyRecords[FromPly].MoveSAN;
}

} // namespace tolvar
