#pragma once

#include "engine_state.h"
#include "piece_code.h"
#include "square_cells.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace tolvar {

// The position, the chess rules and the square cells of one board control.
//
// The rule procedures take no arguments and return nothing: they hand a move in
// progress to each other through the public fields below and report through boolean
// fields or 'Y'/'N' characters, so the game layer and the dispatch interface can call
// every one of them by name. One-character texts are held as `char`, with '\0' for an
// empty text. Each instance owns all of its state.
class RulesEngine {
public:
    // Builds the 64 cells, places the start position and resets the game. No event is
    // raised, since no handler can be connected yet.
    RulesEngine();
    virtual ~RulesEngine() = default;
    // An engine is one board's state: copies would share its event handler.
    RulesEngine(const RulesEngine &) = delete;
    RulesEngine &operator=(const RulesEngine &) = delete;

    // --- events -------------------------------------------------------------------
    void setEventHandler(std::function<void(EngineEvent)> handler) { m_eventHandler = std::move(handler); }
    // Calls the connected handler synchronously; nothing happens when none is connected.
    void raiseEvent(EngineEvent event) const;

    // --- square cells (display model) ---------------------------------------------
    std::array<SquareCell, 65> picBoard{};  // cells 1..64; [0] stands for the unused template

    // Bit (index - 1) is set for every cell whose piece, image, drag state or border changed
    // since the last clearChangedCells(); the board widget repaints those.
    std::uint64_t changedCells() const { return m_changedCells; }
    void clearChangedCells() { m_changedCells = 0; }
    // Hides or shows all 64 cells (a whole game is replayed hidden).
    void setCellsVisible(bool visible);

    void BuildSquares();
    void PlaceStartingPieces();
    void ShowPiece(int index, PieceCode code);
    void ClearSquare(int index);
    void TransferPiece(int fromIndex, int toIndex);

    // --- board model and game record ----------------------------------------------
    BoardGrid Board;
    BoardGrid TrialBoard;
    std::array<PlyRecord, MaxPly + 1> PlyRecords{};

    // Position state.
    char OnMove = 'W';
    char CastleWK = 'K';
    char CastleWQ = 'Q';
    char CastleBK = 'k';
    char CastleBQ = 'q';
    std::string CastleOption = "KQkq";
    std::string PendingEPSquare = "-";
    std::string EP_Square = "-";
    std::int16_t HalfmoveCount = 0;
    std::int16_t PMCapture = 0;
    std::int16_t MoveNumber = 1;
    std::int16_t Ply = 0;
    std::int16_t GameLength = 0;
    std::string GameResult = "*";
    bool GameChanged = false;
    std::string Forsyth;
    std::string MoveText;
    std::string PromotionPiece = "Q";
    bool SetupMode = false;  // a set-up position is being loaded: the game starts from a FEN

    // Move in progress.
    std::int16_t FromFile = 0;
    std::int16_t FromRank = 0;
    std::int16_t ToFile = 0;
    std::int16_t ToRank = 0;
    std::int16_t FromIndex = 0;
    std::int16_t ToIndex = 0;
    std::string ToSquareName;
    char FromFileLetter = '\0';
    std::string FromFileText;
    char MovePiece = '\0';    // 'p', 'N', 'B', 'R', 'Q' or 'K'
    char MoverColor = '\0';   // 'W' or 'B'
    char TargetPiece = '\0';  // piece letter on the destination, 'E' when empty
    char TargetColor = '\0';  // 'W', 'B', 'E' when empty, '\0' when no square was examined
    bool MoveLegal = false;
    bool CaptureMade = false;
    bool PromotionPending = false;
    bool WhiteInCheck = false;
    bool BlackInCheck = false;
    char KingsAdjacent = 'N';

    // Square look-up.
    std::int16_t LookupFile = 0;
    char LookupFileLetter = '\0';
    std::string LookupSquareName;
    std::int16_t LookupSquareIndex = 0;

    // Cell 1..64 to the square of a file and rank and back: "a8" -> 1.
    void Hashtable();
    void PGNForwardHT();
    void FindSFXDesignator();
    void FindHashTableIndex();

    // --- FEN ----------------------------------------------------------------------
    PieceCode FenSquareCode;
    char FenChar = '\0';

    void ReadForsyth();
    void WriteForsyth();
    void GetForsythChar();
    void UpdateCastleOption();
    void SetupNewGame();
    // Sets up the position of the FEN text as a new game; an empty text does nothing.
    void LoadFEN(const std::string &FEN);

    // --- SAN move resolution ------------------------------------------------------
    std::string Token;
    char TokenHead = '\0';
    PieceCode RivalPieceCode;
    std::int16_t RivalFile = 0;
    std::int16_t RivalRank = 0;
    std::int16_t RivalTargetFile = 0;
    std::int16_t RivalTargetRank = 0;
    bool RivalCanReach = false;
    char RivalSameFile = 'N';

    // Resolves the MoveSAN of entry Ply + 1 against Board and makes it on the cells;
    // MoveLegal tells whether it was made.
    void ForwardOneMove();
    void PGNCastle();
    void PGNWCastlesKSide();
    void PGNWCastlesQSide();
    void PGNBCastlesKSide();
    void PGNBCastlesQSide();
    void Len2Move();
    void Len3Move();
    void Len3MovePawn();
    void Len4Move();
    void DoPGNMove();
    void PGNPromotePiece();
    void PGNError();
    void DetermineIfCaptureMade();
    void CheckOtherPiece();
    void CheckOtherQueen();
    void CheckOtherRook();
    void CheckOtherBishop();
    void CheckOtherKnight();

    // --- check detection ----------------------------------------------------------
    std::int16_t TestFile = 0;
    std::int16_t TestRank = 0;
    bool CheckFound = false;
    std::int16_t CheckCount = 0;  // checkers found by the last king-attack scan, knights included
    std::int16_t CheckerFile = 0;
    std::int16_t CheckerRank = 0;
    bool BlockFound = false;
    bool MateFlag = false;
    bool SquareAttacked = false;
    PieceCode SavedTargetCode;
    bool TrialInCheck = false;

    void CheckForCheck();
    void WhiteChecksBlack();
    void BlackChecksWhite();
    void WChecksBAgain();
    void BChecksWAgain();
    void WKingNextToKing();
    void BKingNextToKing();
    void CheckKingNextToKing();
    void EvaluatePositionForCheck();

    // Tests the position after a castling (king and rook moved on Board for the time of
    // the test) for check and mate against the other side: sets that side's check flag,
    // MateFlag and CheckCount as CheckForCheck does. The king rule runs it for castling.
    void testCastlingForCheck(int kingFromIndex, int kingToIndex, int rookFromIndex, int rookToIndex);

    // --- mate detection -----------------------------------------------------------
    char DefenderColor = '\0';
    char ReachResult = 'N';

    void BlackBlocksCheck();
    void WhiteBlocksCheck();
    void CForCpawn();
    void CForCKnight();
    void CForCBishop();
    void CForCRook();
    void CForCQueen();
    void CForCKing();
    void CheckForMate();
    void CForCWCastlesKS();
    void CForCWCastlesQS();
    void CForCBCastlesKS();
    void CForCBCastlesQS();

    // --- piece rules --------------------------------------------------------------
    std::int16_t EPVictimIndex = 0;
    bool EPCaptureMade = false;
    std::string CastleText;  // "", "O-O" or "O-O-O"
    std::string FromSquareName;
    char ToFileLetter = '\0';

    void Pawn();
    void Knight();
    void Bishop();
    void Rook();
    void Queen();
    void King();

    // Puts the pawn taken en passant back on EPVictimIndex, clears EPCaptureMade and
    // refreshes Board; for a refused en-passant capture.
    void restoreEnPassantVictim();

protected:
    // The entry of the current ply; a Ply outside the record (written by a host) is held
    // to its bounds so that no look-up leaves the record.
    PlyRecord &currentRecord() { return PlyRecords[std::clamp<int>(Ply, 0, MaxPly)]; }
    const PlyRecord &currentRecord() const { return PlyRecords[std::clamp<int>(Ply, 0, MaxPly)]; }

    // True when a piece of `attacker` attacks (file, rank) on `grid` (kings never count).
    static bool isAttacked(const BoardGrid &grid, int file, int rank, char attacker);
    // Finds `king` on `grid`; false when it is not there.
    static bool findKing(const BoardGrid &grid, PieceCode king, int &file, int &rank);

private:
    void markChanged(int index) { m_changedCells |= std::uint64_t{1} << (index - 1); }

    // check.cpp
    void scanKingAttackers(char attacker);

    // mate.cpp
    void blocksCheck(char defender);
    bool enPassantAnswersCheck(char defender);
    void reachTest(char piece);
    void tryKingEscapes(char king);
    void castlingSquaresAttacked(int rank, int step, bool &flag, char attacker);

    // piece_rules.cpp
    void rememberRuleEffects();
    void rollBackRuleEffects();
    void commitRuleEffects();
    void tryCastling(int kingFromIndex, int kingToIndex, int rookFromIndex, int rookToIndex,
                     std::initializer_list<int> emptyIndexes, char letter);

    // san.cpp
    bool readDestination(std::string_view square);
    bool tryCandidate(int file, int rank, bool kingAdjacencyFirst);
    void makePawnMove();
    void castleWith(int kingFromIndex, int kingToIndex, int rookFromIndex, int rookToIndex);
    void joinCastleOption();

    // rival.cpp
    void rivalMovementTest(char piece);
    void rivalReaches(char piece);

    std::function<void(EngineEvent)> m_eventHandler;
    std::uint64_t m_changedCells = ~std::uint64_t{0};

    // Castling letters and PendingEPSquare as they were before a piece rule changed them;
    // put back when the check test refuses the move.
    struct RuleUndo {
        bool active = false;
        std::array<char, 4> castle{};
        std::string pendingEPSquare;
    } m_ruleUndo;

    // Square the pawn of the tried move skipped over when it made a double step, else 0:
    // the en-passant capture square that may answer a check by that pawn.
    int m_trialEnPassantIndex = 0;
};

} // namespace tolvar
