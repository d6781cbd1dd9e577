#include "game_engine.h"

namespace tolvar {

void GameEngine::ConvertMoveToAnnotation()
{
    CaptureMade = TargetColor == 'W' || TargetColor == 'B';
    std::string &text = MoveText;
    text.clear();
    switch (MovePiece) {
    case 'p':
        if (CaptureMade || EPCaptureMade) {
            text += FromFileLetter;
            text += 'x';
        }
        text += ToSquareName;
        EPCaptureMade = false;
        if (PromotionPending) {
            text += '=';
            if (!PromotionPiece.empty())
                text += PromotionPiece[0];
            PromotionPending = false;
        }
        break;
    case 'N':
    case 'B':
    case 'R':
    case 'Q':
        RivalCanReach = false;
        RivalPieceCode = PieceCode(OnMove, MovePiece);
        CheckOtherPiece();
        text += MovePiece;
        if (RivalCanReach) {
            if (RivalSameFile == 'Y')
                text += rankDigit(FromRank);
            else
                text += FromFileText;
        }
        if (CaptureMade)
            text += 'x';
        text += ToSquareName;
        break;
    default:
        text += 'K';
        if (CaptureMade)
            text += 'x';
        text += ToSquareName;
        break;
    }
    if (CastleText == "O-O" || CastleText == "O-O-O") {
        text = CastleText;
        CastleText.clear();
    }

    const bool otherInCheck = OnMove == 'W' ? BlackInCheck : WhiteInCheck;
    if (otherInCheck) {
        if (MateFlag) {
            text += '#';
            GameResult = OnMove == 'W' ? "1-0" : "0-1";
        } else {
            text += '+';
        }
    }

    if (CaptureMade || MovePiece == 'p')
        HalfmoveCount = 0;
    else
        ++HalfmoveCount;
    currentRecord().HalfmoveClock = HalfmoveCount;
    PMCapture = HalfmoveCount;
}

void GameEngine::ReadAnnotation(std::string &Annotation) const
{
    Annotation = currentRecord().Annotation;
}

void GameEngine::WriteAnnotation(const std::string &Annotation)
{
    currentRecord().Annotation = Annotation;
}

} // namespace tolvar
