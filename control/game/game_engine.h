#pragma once

#include "control/rules/rules_engine.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace tolvar {

// The complete headless board control: the position and rules of RulesEngine plus the
// game record with its navigation, the movetext scanner, the move-list texts, the
// annotations and the moves made by dragging a piece.
//
// Methods with arguments take them as the control's interface lists them; results that
// the interface defines as empty (or the 0 of DoReturnForsyth and DoReturnMove) are
// left to the dispatch layer. Events go out synchronously through raiseEvent().
class GameEngine : public RulesEngine {
public:
    GameEngine() = default;

    // --- game record (game_record.cpp) --------------------------------------------
    bool ImportError = false;   // a move of the replayed movetext was not made
    bool LoadMoveMode = false;  // a LoadMove call is in progress
    bool LoadMoveDone = false;  // the token of that call was made
    std::string ReturnForsyth;
    std::string ReturnMove;

    // New game from the standard start position and the movetext; "" does nothing.
    void LoadGame(const std::string &moveList);
    // New game from the FEN position and the movetext; either text "" does nothing.
    void LoadSetup(const std::string &FEN, const std::string &Move_List);
    // Appends one SAN move after the current ply. A token that cannot be made, or a
    // move beyond the record's 500 plies, leaves the record as it was and raises nothing.
    void LoadMove(const std::string &moveText);
    // ReturnForsyth / ReturnMove := the FEN / SAN text of that ply; a ply outside the
    // record (0..500) leaves them unchanged.
    void DoReturnForsyth(int FromPly);
    void DoReturnMove(int FromPly);

    void ReadGame();
    void GoForwardOneMove();
    // Records the move just made on the cells (by dragging or by LoadMove) as the ply
    // after the current one, cutting off any later plies, and raises MoveComplete.
    void UpdateGameStatus();

    // MoveNumberMove of the current ply (the MoveNumber_Move property read).
    std::int16_t MoveNumber_Move() const { return currentRecord().MoveNumberMove; }

    // --- navigation (navigation.cpp) ----------------------------------------------
    // Each shows the FEN stored for its target ply and raises its event; when the ply
    // cannot move in that direction nothing happens.
    void MoveFirst();
    void MovePrevious();
    void MoveNext();
    void MoveLast();
    // Shows ply NavPly (0..GameLength) without an event.
    void NavigatePly(std::int16_t NavPly);
    void GameReset();

    // --- movetext scanner and move lists (movetext_scanner.cpp, move_lists.cpp) ----
    std::string txtEvalText;  // the scanning buffer StripMovesFromList reads
    std::string MoveList;     // plain movetext built by WriteMoveToMoveText

    // Texts built by the three layout builders.
    std::string ParagraphText;
    std::string ListText;
    std::string AnnotationText;

    void StripMovesFromList();
    void WriteMoveToMoveText();
    void ParagraphMoveList();
    void ListMoveList();
    void AnnotationMoveList();

    // The property reads: each builds its layout afresh from the record.
    const std::string &MoveList_P();
    const std::string &MoveList_L();
    const std::string &MoveList_A();
    // Values a host writes to the three properties: kept for its property bag only,
    // never returned by a read.
    std::string StoredMoveList_P;
    std::string StoredMoveList_L;
    std::string StoredMoveList_A;

    // --- annotations (annotations.cpp) --------------------------------------------
    // MoveText := the SAN of the move just made by dragging; advances HalfmoveCount.
    void ConvertMoveToAnnotation();
    // Annotation := the comment of the current ply.
    void ReadAnnotation(std::string &Annotation) const;
    void WriteAnnotation(const std::string &Annotation);

    // --- moves made by dragging (drag_moves.cpp) ----------------------------------
    bool RightSide = false;  // the dragged piece belongs to the side on move

    // A drag from cell sourceIndex passes over the board: the piece looks lifted.
    void picBoard_DragOver(int sourceIndex);
    // The piece of cell sourceIndex is dropped on cell targetIndex: the move is made and
    // recorded when legal, otherwise the cells are put back as they were.
    void picBoard_DragDrop(int targetIndex, int sourceIndex);
    // A drag ended outside the squares: the source cell shows its piece again.
    void picBoard_DragCancel(int sourceIndex);
    void CheckLegalMove();
    void PromotePiece();

private:
    // Last valid ply of the record: GameLength held to the record's bounds.
    int lastPly() const;
    // Shows ply `ply` from its stored FEN.
    void showPly(int ply);
    // HalfmoveCount after a move made from the SAN token `token`, as a replay counts it.
    void advanceHalfmoveClock(std::string_view token);
    // Writes the MoveNumber into entry `ply`'s MoveNumberText.
    void writeMoveNumberText(int ply, int number);
    // Appends `comment` as a brace comment to the annotated layout's line buffer.
    void appendComment(std::string &line, std::string_view comment);
    void flushLine(std::string &line);
    // Puts the dragged piece back on its source cell.
    void restoreSourceCell(int sourceIndex);
    // Accepts or refuses a drop after CheckLegalMove.
    void finishDrop(int targetIndex, int sourceIndex);
};

} // namespace tolvar
