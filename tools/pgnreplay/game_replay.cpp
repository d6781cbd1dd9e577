#include "game_replay.h"

#include "viewer/database/game_text.h"

#include <algorithm>
#include <string_view>

namespace {

const QString SetupMark = QStringLiteral("SetUp \"1\"");
// Titles of the board's messages: its FEN reader's, and its scanner's when a movetext
// holds more plies than the record.
const QString FenReadErrorTitle = QStringLiteral("Error");
const QString RecordFullTitle = QStringLiteral("Error Reading Game");

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
    if (setup.isSetupGame && prompted(FenReadErrorTitle)) {
        outcome.importError = true;
        outcome.failedToken = fen;
    } else if (m_engine.ImportError) {
        outcome.importError = true;
        outcome.failedPly = firstUnmadePly();
        outcome.failedToken = m_engine.PlyRecords[outcome.failedPly].MoveSAN;
    } else if (prompted(RecordFullTitle)) {
        // The scanner kept the first 500 plies and dropped the rest of the movetext.
        outcome.importError = true;
        outcome.failedPly = tolvar::MaxPly + 1;
        outcome.failedToken = "(record full)";
    }
    return outcome;
}

bool GameReplay::prompted(const QString &title) const
{
    return std::any_of(m_prompts.records().cbegin(), m_prompts.records().cend(),
                       [&title](const platform::ScriptedPrompts::Record &record) { return record.title == title; });
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
