#include "game_replay.h"

#include "viewer/mainwindow/game_text.h"

#include <string_view>

namespace {

const QString SetupMark = QStringLiteral("SetUp \"1\"");

// The piece placement of a FEN text: its first field.
std::string_view placement(std::string_view fen)
{
    return fen.substr(0, fen.find(' '));
}

} // namespace

GameReplay::GameReplay()
{
    m_engine.setEventHandler([this](tolvar::EngineEvent event) {
        if (event == tolvar::EngineEvent::LoadGameComplete || event == tolvar::EngineEvent::LoadSetupComplete)
            m_completed = true;
    });
}

ReplayOutcome GameReplay::replay(const pavisto::GameDatabase &games, int game)
{
    // Only a tag text holding SetUp "1" has a line holding it (the mark spans no line
    // break), so most games skip splitting their tags into lines.
    const QString tags = games.tags(game);
    const game_text::SetupPosition setup = tags.contains(SetupMark)
                                               ? game_text::checkForForsyth(game_text::nonEmptyLines(tags))
                                               : game_text::SetupPosition{};
    const std::string moves = games.moves(game).toStdString();
    m_completed = false;
    m_prompts.clearRecords();

    ReplayOutcome outcome;
    std::string fen;
    if (setup.isSetupGame) {
        fen = setup.fen.toStdString();
        m_engine.LoadSetup(fen, moves);
    } else {
        m_engine.LoadGame(moves);
    }
    if (setup.isSetupGame && fen.empty()) {
        outcome.importError = true;
        outcome.failedToken = "(no FEN)";
        return outcome;
    }
    if (!m_completed)
        return outcome;

    outcome.loaded = true;
    outcome.plies = m_engine.GameLength;
    // The FEN reader complains through a prompt before any move is replayed.
    const bool fenUnread = setup.isSetupGame && !m_prompts.records().isEmpty()
                           && m_prompts.records().front().title == QLatin1String("Error");
    if (fenUnread) {
        outcome.importError = true;
        outcome.failedToken = fen;
    } else if (m_engine.ImportError) {
        outcome.importError = true;
        outcome.failedPly = firstUnmadePly();
        outcome.failedToken = m_engine.PlyRecords[outcome.failedPly].MoveSAN;
    }
    return outcome;
}

int GameReplay::firstUnmadePly() const
{
    // Every move a board makes changes the placement of its pieces; a token the board
    // could not make leaves the placement stored for its ply as it was.
    const int last = std::min<int>(m_engine.GameLength, tolvar::MaxPly);
    for (int ply = 1; ply <= last; ++ply) {
        if (placement(m_engine.PlyRecords[ply].Fen) == placement(m_engine.PlyRecords[ply - 1].Fen))
            return ply;
    }
    return last;
}
