#include "rules_engine.h"

#include "platform/prompts.h"

#include <cstdint>
#include <cstring>
#include <string>

namespace tolvar {
namespace {

constexpr bool isPieceLetter(char c)
{
    return c == 'K' || c == 'Q' || c == 'R' || c == 'B' || c == 'N';
}

constexpr bool isCheckMark(char c)
{
    return c == '+' || c == '#';
}

// True when a cell of `rank` holds `code`: one word test for four cells at a time, so
// the search for the pieces a token names skips the ranks without one.
bool rankHolds(const BoardGrid &grid, int rank, PieceCode code)
{
    constexpr std::uint64_t low = 0x0001000100010001;
    std::uint64_t cells[2];
    std::memcpy(cells, &grid.cells[(8 - rank) * 8], sizeof cells);
    std::uint16_t lane = 0;
    std::memcpy(&lane, &code, sizeof lane);
    const std::uint64_t pattern = lane * low;
    constexpr std::uint64_t high = 0x8000800080008000;
    const auto hasZeroLane = [](std::uint64_t word) { return ((word - low) & ~word & high) != 0; };
    return hasZeroLane(cells[0] ^ pattern) || hasZeroLane(cells[1] ^ pattern);
}

// The length of a token without its trailing check or mate mark.
std::size_t lengthBeforeMark(std::string_view token)
{
    return !token.empty() && isCheckMark(token.back()) ? token.size() - 1 : token.size();
}

// Many files write a promotion without "=" ("a8Q", "bxa1Q", "e8Q+", "exd8N#"): the "=" is
// put in so the token reads like any other promotion. Only an upper-case letter after rank
// 1 or 8 counts; a lower-case one stays refused, as it is after a piece letter. The token
// is at most 7 characters here, so the insertion stays inside the string's own buffer.
void insertPromotionEquals(std::string &token)
{
    const std::size_t core = lengthBeforeMark(token);
    if ((core != 3 && core != 5) || !isPieceLetter(token[core - 1]) || token[core - 1] == 'K')
        return;
    if ((token[core - 2] != '1' && token[core - 2] != '8') || fileNumber(token[core - 3]) == 0
        || fileNumber(token[0]) == 0 || (core == 5 && token[1] != 'x'))
        return;
    token.insert(core - 1, 1, '=');
}

// Some files write a pawn capture, en passant above all, as its two squares ("e5d6",
// "g4f3+"): one diagonal step forward for `side` becomes "exd6", which names that very
// origin, since a pawn capture is looked for one rank behind its destination.
void markCoordinateCapture(std::string &token, char side)
{
    const std::size_t core = lengthBeforeMark(token);
    if (core != 4 || rankNumber(token[1]) == 0 || rankNumber(token[3]) == 0)
        return;
    const int fileStep = fileNumber(token[2]) - fileNumber(token[0]);
    const int forward = side == 'W' ? 1 : side == 'B' ? -1 : 0;
    if (fileNumber(token[0]) == 0 || fileNumber(token[2]) == 0 || (fileStep != 1 && fileStep != -1)
        || forward == 0 || rankNumber(token[3]) - rankNumber(token[1]) != forward)
        return;
    token[1] = 'x';
}

constexpr std::string_view castlingPrefixes[] = {"O-O-O", "O-O", "0-0-0", "0-0", "o-o-o", "o-o"};

} // namespace

void RulesEngine::ForwardOneMove()
{
    MoveLegal = false;
    EPCaptureMade = false;
    if (Ply < 0 || Ply >= MaxPly)
        return;
    Token = PlyRecords[Ply + 1].MoveSAN;
    TokenHead = Token.empty() ? '\0' : Token[0];
    MoverColor = OnMove;
    TargetColor = '\0';

    if (TokenHead == 'O' || TokenHead == '0' || TokenHead == 'o') {
        for (const std::string_view prefix : castlingPrefixes) {
            if (std::string_view(Token).starts_with(prefix)) {
                PGNCastle();
                joinCastleOption();
                return;
            }
        }
    }

    insertPromotionEquals(Token);
    markCoordinateCapture(Token, OnMove);

    // Check and capture marks and the promotion suffix come off one by one, each step
    // looking at the length the previous one left.
    std::size_t n = Token.size();
    if (n == 7 && isCheckMark(Token.back()))
        Token.pop_back(), n = 6;
    if (n == 6 && isCheckMark(Token.back()))
        Token.pop_back(), n = 5;
    if (n == 6 && Token[4] == '=') {
        PromotionPending = true;
        PromotionPiece.assign(1, Token.back());
        Token.resize(4), n = 4;
    }
    if (n == 5 && isCheckMark(Token.back()))
        Token.pop_back(), n = 4;
    if (n == 5 && Token[2] == 'x')
        Token.erase(2, 1), n = 4;
    if (n == 4 && isCheckMark(Token.back()))
        Token.pop_back(), n = 3;
    if (n == 4 && Token[1] == 'x') {
        Token.erase(1, 1), n = 3;
        TargetColor = otherSide(OnMove);
    }
    if (n == 4 && Token[2] == '=') {
        PromotionPending = true;
        PromotionPiece.assign(1, Token.back());
        Token.resize(2), n = 2;
    }
    if (n == 3 && isCheckMark(Token.back()))
        Token.resize(2), n = 2;

    if (Token.size() == 1 && Token[0] == '*')
        return;
    switch (n) {
    case 2: Len2Move(); break;
    case 3: Len3Move(); break;
    case 4: Len4Move(); break;
    default: break;
    }
    joinCastleOption();
    // The capture is complete: a later refused drop must not bring the pawn back.
    EPCaptureMade = false;
}

void RulesEngine::joinCastleOption()
{
    char letters[4];
    std::size_t n = 0;
    for (const char letter : {CastleWK, CastleWQ, CastleBK, CastleBQ})
        if (letter != '\0')
            letters[n++] = letter;
    if (n == 0)
        letters[n++] = '-';
    if (std::string_view(CastleOption) != std::string_view(letters, n))
        CastleOption.assign(letters, n);
}

// Takes the last two characters of a token as the destination; false, with nothing
// read from Board, when they do not name a square.
bool RulesEngine::readDestination(std::string_view square)
{
    if (square.size() != 2 || fileNumber(square[0]) == 0 || rankNumber(square[1]) == 0)
        return false;
    setText(ToSquareName, square[0], square[1]);
    ToFile = static_cast<std::int16_t>(fileNumber(square[0]));
    ToRank = static_cast<std::int16_t>(rankNumber(square[1]));
    return true;
}

void RulesEngine::Len2Move()
{
    const PieceCode pawn(OnMove, 'p');
    MovePiece = 'p';
    setText(FromFileText, TokenHead);
    if (!readDestination(Token))
        return;
    for (int rank = 1; rank <= 8; ++rank) {
        if (Board(rank, ToFile) != pawn)
            continue;
        FromFile = ToFile;
        FromRank = static_cast<std::int16_t>(rank);
        Pawn();
        if (MoveLegal) {
            makePawnMove();
            if (MoveLegal)
                return;
        }
    }
}

void RulesEngine::Len3Move()
{
    if (fileNumber(TokenHead) != 0)
        return Len3MovePawn();
    if (!isPieceLetter(TokenHead) || !readDestination(std::string_view(Token).substr(1)))
        return;
    const PieceCode code(OnMove, TokenHead);
    MovePiece = TokenHead;
    for (int rank = 1; rank <= 8; ++rank) {
        if (!rankHolds(Board, rank, code))
            continue;
        for (int file = 1; file <= 8; ++file)
            if (Board(rank, file) == code && tryCandidate(file, rank, true))
                return;
    }
}

void RulesEngine::Len3MovePawn()
{
    setText(FromFileText, TokenHead);
    FromFile = static_cast<std::int16_t>(fileNumber(TokenHead));
    if (!readDestination(std::string_view(Token).substr(1)))
        return;
    MovePiece = 'p';
    const int fromRank = OnMove == 'W' ? ToRank - 1 : ToRank + 1;
    if ((OnMove != 'W' && OnMove != 'B') || !onBoard(FromFile, fromRank)
        || Board(fromRank, FromFile) != PieceCode(OnMove, 'p'))
        return;
    FromRank = static_cast<std::int16_t>(fromRank);
    Pawn();
    if (MoveLegal)
        makePawnMove();
}

void RulesEngine::Len4Move()
{
    const int markedFile = fileNumber(Token[1]);
    const int markedRank = rankNumber(Token[1]);
    if (!isPieceLetter(TokenHead) || !readDestination(std::string_view(Token).substr(2)))
        return;
    const PieceCode code(OnMove, TokenHead);
    MovePiece = TokenHead;
    if (markedFile != 0) {
        for (int rank = 1; rank <= 8; ++rank)
            if (Board(rank, markedFile) == code && tryCandidate(markedFile, rank, true))
                return;
    } else if (markedRank != 0) {
        for (int file = 1; file <= 8; ++file)
            if (Board(markedRank, file) == code && tryCandidate(file, markedRank, false))
                return;
    }
}

// Asks the piece rule whether the piece on (file, rank) makes the move in progress and
// makes it when it does; true when the resolution is over (made, or a king refused next
// to the other king).
bool RulesEngine::tryCandidate(int file, int rank, bool kingAdjacencyFirst)
{
    FromFile = static_cast<std::int16_t>(file);
    FromRank = static_cast<std::int16_t>(rank);
    FromFileLetter = fileLetter(file);
    switch (MovePiece) {
    case 'K':
        if (kingAdjacencyFirst) {
            KingsAdjacent = 'N';
            CheckKingNextToKing();
            if (KingsAdjacent == 'Y') {
                MoveLegal = false;
                return true;
            }
        }
        King();
        break;
    case 'Q': Queen(); break;
    case 'R': Rook(); break;
    case 'B': Bishop(); break;
    case 'N': Knight(); break;
    default: return false;
    }
    if (!MoveLegal)
        return false;
    DoPGNMove();
    return MoveLegal;
}

// A pawn found legal by its rule: promote it if the token says so and make the move. A
// move the check test refuses leaves the cells as they were: the pawn stays a pawn and a
// pawn taken en passant comes back.
void RulesEngine::makePawnMove()
{
    if (PromotionPending)
        PGNPromotePiece();
    DoPGNMove();
    if (MoveLegal)
        return;
    if (PromotionPending) {
        ShowPiece(squareIndex(FromFile, FromRank), PieceCode(OnMove, 'p'));
        MovePiece = 'p';
    }
    restoreEnPassantVictim();
}

void RulesEngine::DoPGNMove()
{
    CheckForCheck();
    if ((OnMove == 'W' && WhiteInCheck) || (OnMove == 'B' && BlackInCheck) || !onBoard(FromFile, FromRank)
        || !onBoard(ToFile, ToRank)) {
        MoveLegal = false;
        return;
    }
    FromIndex = static_cast<std::int16_t>(squareIndex(FromFile, FromRank));
    ToIndex = static_cast<std::int16_t>(squareIndex(ToFile, ToRank));
    setText(FromSquareName, fileLetter(FromFile), rankDigit(FromRank));
    ToFileLetter = fileLetter(ToFile);
    TransferPiece(FromIndex, ToIndex);
}

void RulesEngine::PGNPromotePiece()
{
    if (!onBoard(FromFile, FromRank))
        return;
    FromIndex = static_cast<std::int16_t>(squareIndex(FromFile, FromRank));
    if (PromotionPiece != "Q" && PromotionPiece != "R" && PromotionPiece != "B" && PromotionPiece != "N")
        return;
    ShowPiece(FromIndex, PieceCode(OnMove, PromotionPiece[0]));
    MoverColor = OnMove;
    MovePiece = PromotionPiece[0];
}

void RulesEngine::DetermineIfCaptureMade()
{
    CaptureMade = TargetColor == 'W' || TargetColor == 'B';
}

void RulesEngine::PGNError()
{
    platform::messageBox(QStringLiteral("Error Reading PGN File"), platform::MessageButtons::Ok,
                         platform::MessageIcon::None, QStringLiteral("PGN Error"));
}

void RulesEngine::PGNCastle()
{
    // A long prefix is tested before the short one it begins with.
    const std::string_view token = Token;
    for (const std::string_view prefix : castlingPrefixes) {
        if (!token.starts_with(prefix))
            continue;
        const bool queenSide = prefix.size() == 5;
        if (OnMove == 'W')
            queenSide ? PGNWCastlesQSide() : PGNWCastlesKSide();
        else if (OnMove == 'B')
            queenSide ? PGNBCastlesQSide() : PGNBCastlesKSide();
        return;
    }
}

void RulesEngine::PGNWCastlesKSide()
{
    WhiteInCheck = false;
    CForCWCastlesKS();
    castleWith(61, 63, 64, 62);
}

void RulesEngine::PGNWCastlesQSide()
{
    WhiteInCheck = false;
    CForCWCastlesQS();
    castleWith(61, 59, 57, 60);
}

void RulesEngine::PGNBCastlesKSide()
{
    BlackInCheck = false;
    CForCBCastlesKS();
    castleWith(5, 7, 8, 6);
}

void RulesEngine::PGNBCastlesQSide()
{
    BlackInCheck = false;
    CForCBCastlesQS();
    castleWith(5, 3, 1, 4);
}

// Completes a written castling after its attack test: refused with a message when a
// square of the king was attacked, else king and rook move and the side's letters go.
void RulesEngine::castleWith(int kingFromIndex, int kingToIndex, int rookFromIndex, int rookToIndex)
{
    const bool white = kingFromIndex == 61;
    if (white ? WhiteInCheck : BlackInCheck) {
        PGNError();
        return;
    }
    MovePiece = 'K';
    FromFile = static_cast<std::int16_t>(fileOfIndex(kingFromIndex));
    FromRank = static_cast<std::int16_t>(rankOfIndex(kingFromIndex));
    ToFile = static_cast<std::int16_t>(fileOfIndex(kingToIndex));
    ToRank = FromRank;
    FromIndex = static_cast<std::int16_t>(kingFromIndex);
    ToIndex = static_cast<std::int16_t>(kingToIndex);
    TransferPiece(kingFromIndex, kingToIndex);
    TransferPiece(rookFromIndex, rookToIndex);
    MoveLegal = true;
    if (white)
        CastleWK = CastleWQ = '\0';
    else
        CastleBK = CastleBQ = '\0';
}

} // namespace tolvar
