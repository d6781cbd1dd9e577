#include "game_engine.h"

namespace tolvar {

void GameEngine::showPly(int ply)
{
    Ply = static_cast<std::int16_t>(ply);
    Forsyth = currentRecord().Fen;
    ReadForsyth();
}

void GameEngine::MoveFirst()
{
    if (Ply <= 0)
        return;
    showPly(0);
    raiseEvent(EngineEvent::MoveFirstComplete);
}

void GameEngine::MovePrevious()
{
    if (Ply <= 0)
        return;
    showPly(std::min<int>(Ply - 1, lastPly()));
    raiseEvent(EngineEvent::MovePreviousComplete);
}

void GameEngine::MoveNext()
{
    if (Ply >= GameLength)
        return;
    showPly(std::clamp<int>(Ply + 1, 0, lastPly()));
    raiseEvent(EngineEvent::MoveNextComplete);
}

void GameEngine::MoveLast()
{
    if (Ply >= GameLength || GameLength <= 0)
        return;
    showPly(lastPly());
    raiseEvent(EngineEvent::MoveLastComplete);
}

void GameEngine::NavigatePly(std::int16_t NavPly)
{
    if (NavPly < 0 || NavPly > GameLength || NavPly > MaxPly)
        return;
    showPly(NavPly);
}

void GameEngine::GameReset()
{
    SetupNewGame();
}

} // namespace tolvar
