#include "rules_engine.h"

#include <cstdlib>

namespace tolvar {

// Piece rules: each sets MoveLegal when the piece on (FromFile, FromRank) may move to
// (ToFile, ToRank) on Board; a target is free when TargetColor differs from MoverColor.

void RulesEngine::Knight()
{
    if (onBoard(FromFile, FromRank) && onBoard(ToFile, ToRank) && TargetColor != MoverColor
        && Board.reaches('N', FromFile, FromRank, ToFile, ToRank))
        MoveLegal = true;
}

void RulesEngine::Bishop()
{
    if (onBoard(FromFile, FromRank) && onBoard(ToFile, ToRank) && TargetColor != MoverColor
        && Board.reaches('B', FromFile, FromRank, ToFile, ToRank))
        MoveLegal = true;
}

void RulesEngine::Queen()
{
    if (onBoard(FromFile, FromRank) && onBoard(ToFile, ToRank) && TargetColor != MoverColor
        && Board.reaches('Q', FromFile, FromRank, ToFile, ToRank))
        MoveLegal = true;
}

void RulesEngine::Rook()
{
    if (!onBoard(FromFile, FromRank) || !onBoard(ToFile, ToRank) || TargetColor == MoverColor
        || !Board.reaches('R', FromFile, FromRank, ToFile, ToRank))
        return;
    MoveLegal = true;
    // Leaving a corner gives up that side's castling; the check test puts the letter back
    // when it refuses the move.
    char *letter = nullptr;
    switch (squareIndex(FromFile, FromRank)) {
    case 57: letter = &CastleWQ; break;
    case 64: letter = &CastleWK; break;
    case 1: letter = &CastleBQ; break;
    case 8: letter = &CastleBK; break;
    default: return;
    }
    rememberRuleEffects();
    *letter = '\0';
}

void RulesEngine::Pawn()
{
    if (!onBoard(FromFile, FromRank) || !onBoard(ToFile, ToRank))
        return;
    const bool white = MoverColor == 'W';
    const int forward = white ? 1 : -1;
    const int df = ToFile - FromFile;
    const int dr = ToRank - FromRank;
    const PieceCode target = Board(ToRank, ToFile);

    if (FromRank == (white ? 5 : 4) && dr == forward && std::abs(df) == 1) {
        const int targetIndex = squareIndex(ToFile, ToRank);
        const int victimIndex = targetIndex + (white ? 8 : -8);
        const PlyRecord &record = currentRecord();
        const bool nameMatches = record.EPSquare.size() == 2 && record.EPSquare[0] == fileLetter(ToFile)
                                 && record.EPSquare[1] == rankDigit(ToRank);
        // The victim must be the enemy pawn, so a FEN naming a wrong square takes nothing.
        if (nameMatches && record.Squares[targetIndex].isEmpty()
            && picBoard[victimIndex].Tag == PieceCode(otherSide(MoverColor), 'p')) {
            EPVictimIndex = static_cast<std::int16_t>(victimIndex);
            ClearSquare(victimIndex);
            MoveLegal = true;
            EPCaptureMade = true;
            Hashtable();
            return;
        }
    }
    if (df == 0 && dr == forward) {
        MoveLegal = target.isEmpty();
    } else if (df == 0 && dr == 2 * forward && FromRank == (white ? 2 : 7)) {
        MoveLegal = target.isEmpty() && Board(FromRank + forward, FromFile).isEmpty();
        if (MoveLegal) {
            rememberRuleEffects();
            setText(PendingEPSquare, fileLetter(FromFile), white ? '3' : '6');
        }
    } else if (std::abs(df) == 1 && dr == forward && TargetColor != MoverColor) {
        MoveLegal = !target.isEmpty();
    }
}

void RulesEngine::King()
{
    CastleText.clear();
    KingsAdjacent = 'N';
    CheckKingNextToKing();
    if (KingsAdjacent == 'Y') {
        MoveLegal = false;
        return;
    }
    if (!onBoard(FromFile, FromRank) || !onBoard(ToFile, ToRank))
        return;
    const bool white = MoverColor == 'W';
    const int df = std::abs(ToFile - FromFile);
    const int dr = std::abs(ToRank - FromRank);
    if (df <= 1 && dr <= 1 && (df | dr) != 0) {
        if (TargetColor == MoverColor)
            return;
        CheckForCheck();
        if (!(white ? WhiteInCheck : BlackInCheck)) {
            MoveLegal = true;
            commitRuleEffects();
            if (white)
                CastleWK = CastleWQ = '\0';
            else
                CastleBK = CastleBQ = '\0';
        }
        return;
    }

    const int from = squareIndex(FromFile, FromRank);
    const int to = squareIndex(ToFile, ToRank);
    if (white && from == 61 && to == 63)
        tryCastling(61, 63, 64, 62, {62, 63}, 'K');
    else if (white && from == 61 && to == 59)
        tryCastling(61, 59, 57, 60, {58, 59, 60}, 'Q');
    else if (MoverColor == 'B' && from == 5 && to == 3)
        tryCastling(5, 3, 1, 4, {2, 3, 4}, 'q');
    else if (MoverColor == 'B' && from == 5 && to == 7)
        tryCastling(5, 7, 8, 6, {6, 7}, 'k');
}

// Castling by the king rule: the letter must still be held, the squares between king and
// rook empty and the mover's own rook on its corner; then no square the king crosses may
// be attacked. The rook is moved here, the king by the caller.
void RulesEngine::tryCastling(int kingFromIndex, int kingToIndex, int rookFromIndex, int rookToIndex,
                              std::initializer_list<int> emptyIndexes, char letter)
{
    if (CastleOption.find(letter) == std::string::npos)
        return;
    const PlyRecord &record = currentRecord();
    for (const int index : emptyIndexes)
        if (!record.Squares[index].isEmpty())
            return;
    if (record.Squares[rookFromIndex] != PieceCode(MoverColor, 'R'))
        return;

    const bool white = MoverColor == 'W';
    bool &flag = white ? WhiteInCheck : BlackInCheck;
    flag = false;
    switch (letter) {
    case 'K': CForCWCastlesKS(); break;
    case 'Q': CForCWCastlesQS(); break;
    case 'k': CForCBCastlesKS(); break;
    default: CForCBCastlesQS(); break;
    }
    if (flag)
        return;
    TransferPiece(rookFromIndex, rookToIndex);
    if (white)
        CastleWK = CastleWQ = '\0';
    else
        CastleBK = CastleBQ = '\0';
    MoveLegal = true;
    CastleText = kingToIndex < kingFromIndex ? "O-O-O" : "O-O";
    testCastlingForCheck(kingFromIndex, kingToIndex, rookFromIndex, rookToIndex);
}

void RulesEngine::restoreEnPassantVictim()
{
    if (!EPCaptureMade)
        return;
    if (EPVictimIndex >= 1 && EPVictimIndex <= 64)
        ShowPiece(EPVictimIndex, PieceCode(otherSide(MoverColor), 'p'));
    EPCaptureMade = false;
    Hashtable();
}

void RulesEngine::rememberRuleEffects()
{
    if (m_ruleUndo.active)
        return;
    m_ruleUndo.active = true;
    m_ruleUndo.castle = {CastleWK, CastleWQ, CastleBK, CastleBQ};
    m_ruleUndo.pendingEPSquare = PendingEPSquare;
}

void RulesEngine::rollBackRuleEffects()
{
    if (!m_ruleUndo.active)
        return;
    CastleWK = m_ruleUndo.castle[0];
    CastleWQ = m_ruleUndo.castle[1];
    CastleBK = m_ruleUndo.castle[2];
    CastleBQ = m_ruleUndo.castle[3];
    PendingEPSquare = m_ruleUndo.pendingEPSquare;
    m_ruleUndo.active = false;
}

// A move found safe takes a rook off its corner: that side can no longer castle there.
void RulesEngine::commitRuleEffects()
{
    if (SavedTargetCode.piece() != 'R' || !onBoard(ToFile, ToRank))
        return;
    const char color = SavedTargetCode.color();
    switch (squareIndex(ToFile, ToRank)) {
    case 57: if (color == 'W') CastleWQ = '\0'; break;
    case 64: if (color == 'W') CastleWK = '\0'; break;
    case 1: if (color == 'B') CastleBQ = '\0'; break;
    case 8: if (color == 'B') CastleBK = '\0'; break;
    default: break;
    }
}

} // namespace tolvar
