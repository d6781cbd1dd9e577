#include "rules_engine.h"

namespace tolvar {

void RulesEngine::ForwardOneMove() {}
void RulesEngine::PGNCastle() {}
void RulesEngine::PGNWCastlesKSide() {}
void RulesEngine::PGNWCastlesQSide() {}
void RulesEngine::PGNBCastlesKSide() {}
void RulesEngine::PGNBCastlesQSide() {}
void RulesEngine::Len2Move() {}
void RulesEngine::Len3Move() {}
void RulesEngine::Len3MovePawn() {}
void RulesEngine::Len4Move() {}
void RulesEngine::DoPGNMove() {}
void RulesEngine::PGNPromotePiece() {}
void RulesEngine::PGNError() {}
void RulesEngine::DetermineIfCaptureMade() {}
void RulesEngine::CheckOtherPiece() {}
void RulesEngine::CheckOtherQueen() {}
void RulesEngine::CheckOtherRook() {}
void RulesEngine::CheckOtherBishop() {}
void RulesEngine::CheckOtherKnight() {}
void RulesEngine::CheckForCheck() {}
void RulesEngine::WhiteChecksBlack() {}
void RulesEngine::BlackChecksWhite() {}
void RulesEngine::WChecksBAgain() {}
void RulesEngine::BChecksWAgain() {}
void RulesEngine::WKingNextToKing() {}
void RulesEngine::BKingNextToKing() {}
void RulesEngine::CheckKingNextToKing() {}
void RulesEngine::EvaluatePositionForCheck() {}
void RulesEngine::testCastlingForCheck(int, int, int, int) {}
void RulesEngine::BlackBlocksCheck() {}
void RulesEngine::WhiteBlocksCheck() {}
void RulesEngine::CForCpawn() {}
void RulesEngine::CForCKnight() {}
void RulesEngine::CForCBishop() {}
void RulesEngine::CForCRook() {}
void RulesEngine::CForCQueen() {}
void RulesEngine::CForCKing() {}
void RulesEngine::CheckForMate() {}
void RulesEngine::CForCWCastlesKS() {}
void RulesEngine::CForCWCastlesQS() {}
void RulesEngine::CForCBCastlesKS() {}
void RulesEngine::CForCBCastlesQS() {}
void RulesEngine::Pawn() {}
void RulesEngine::Knight() {}
void RulesEngine::Bishop() {}
void RulesEngine::Rook() {}
void RulesEngine::Queen() {}
void RulesEngine::King() {}
void RulesEngine::restoreEnPassantVictim() {}
bool RulesEngine::isAttacked(const BoardGrid &, int, int, char) { return false; }
bool RulesEngine::findKing(const BoardGrid &, PieceCode, int &, int &) { return false; }

} // namespace tolvar
