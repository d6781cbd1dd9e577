// Arbitrary text as a game's movetext: the scanner and the replay of LoadGame, or of
// LoadSetup from a FEN on the first line, then the move lists, navigation over every
// ply and one more move appended.
#include "control/game/game_engine.h"

#include "fuzz_input.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    fuzz::FuzzInput input(data, size);
    tolvar::GameEngine engine;
    const bool setup = input.byte() & 1;
    if (setup) {
        const std::string fen = input.line();
        engine.LoadSetup(fen, input.rest());
    } else {
        engine.LoadGame(input.rest());
    }
    (void)engine.MoveList_P();
    (void)engine.MoveList_L();
    (void)engine.MoveList_A();
    engine.MoveLast();
    for (int ply = engine.GameLength; ply >= 0; --ply) {
        engine.NavigatePly(std::int16_t(ply));
        engine.DoReturnForsyth(ply);
        engine.DoReturnMove(ply);
    }
    engine.MoveNext();
    engine.MovePrevious();
    engine.MoveFirst();
    engine.LoadMove("e4");
    return 0;
}
