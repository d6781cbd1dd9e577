// Pieces dragged from random source cells and dropped on random target cells, in a
// position read from a FEN on the input's first line; each drop's move is made and
// recorded or refused. Every drag ends in a drop, a drop on its own cell or a cancel.
#include "control/game/game_engine.h"

#include "fuzz_input.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    tolvar::GameEngine engine;
    engine.LoadFEN(input.line());
    static constexpr char promotions[] = {'Q', 'R', 'B', 'N'};
    for (int drag = 0; drag < 64 && !input.atEnd(); ++drag) {
        const int source = 1 + input.byte() % 64;
        const std::uint8_t how = input.byte();
        engine.PromotionPiece = std::string(1, promotions[how & 3]);
        engine.picBoard_DragOver(source);
        if (how & 4)
            engine.picBoard_DragCancel(source);
        else
            engine.picBoard_DragDrop(1 + input.byte() % 64, source);
        if (how & 8)
            engine.MovePrevious();
    }
    (void)engine.MoveList_A();
    return 0;
}
