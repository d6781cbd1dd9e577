#pragma once

#include "control/game/game_engine.h"
#include "platform/scripted_prompts.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tolvar::testing {

// A game engine whose events are recorded and whose message boxes are scripted.
class EngineTest : public ::testing::Test {
protected:
    EngineTest()
    {
        engine.setEventHandler([this](EngineEvent event) { events.push_back(event); });
    }

    // Scans a movetext into a fresh record, without replaying it.
    void scan(const std::string &movetext)
    {
        engine.SetupNewGame();
        engine.txtEvalText = movetext;
        engine.StripMovesFromList();
    }

    // The cell index of a square name such as "e4".
    static int cell(const char *square) { return squareIndex(square[0] - 'a' + 1, square[1] - '0'); }

    // Drags the piece on `from` to `to` as the board widget reports it.
    void drag(const char *from, const char *to)
    {
        engine.picBoard_DragOver(cell(from));
        engine.picBoard_DragDrop(cell(to), cell(from));
    }

    std::string code(const char *square) const { return std::string(engine.picBoard[cell(square)].Tag.text()); }

    // Texts of the recorded message boxes.
    std::vector<std::string> messageTitles() const
    {
        std::vector<std::string> titles;
        for (const auto &record : prompts.records())
            titles.push_back(record.title.toStdString());
        return titles;
    }

    platform::ScriptedPrompts prompts;
    GameEngine engine;
    std::vector<EngineEvent> events;
};

} // namespace tolvar::testing
