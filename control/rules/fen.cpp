#include "rules_engine.h"

#include "platform/prompts.h"

#include <charconv>
#include <cmath>

namespace tolvar {
namespace {

// The FEN letter of a piece code, '1' for an empty square, '\0' for anything else.
constexpr char fenLetter(PieceCode code)
{
    const bool white = code.color() == 'W';
    if (!white && code.color() != 'B')
        return code.isEmpty() ? '1' : '\0';
    char letter = '\0';
    switch (code.piece()) {
    case 'K': letter = 'K'; break;
    case 'Q': letter = 'Q'; break;
    case 'R': letter = 'R'; break;
    case 'B': letter = 'B'; break;
    case 'N': letter = 'N'; break;
    case 'p': letter = 'P'; break;
    default: return '\0';
    }
    return white ? letter : static_cast<char>(letter - 'A' + 'a');
}

// The piece code of a FEN placement letter, or an empty code with `ok` false.
constexpr PieceCode codeOfFenLetter(char letter, bool &ok)
{
    ok = true;
    switch (letter) {
    case 'P': return {'W', 'p'};
    case 'R': return {'W', 'R'};
    case 'N': return {'W', 'N'};
    case 'B': return {'W', 'B'};
    case 'Q': return {'W', 'Q'};
    case 'K': return {'W', 'K'};
    case 'p': return {'B', 'p'};
    case 'r': return {'B', 'R'};
    case 'n': return {'B', 'N'};
    case 'b': return {'B', 'B'};
    case 'q': return {'B', 'Q'};
    case 'k': return {'B', 'K'};
    default: ok = false; return EmptyCode;
    }
}

// The leading number of a text (0 when it has none), rounded half to even like an
// assignment of a fraction to an integer; false when it does not fit 16 bits.
bool leadingNumber(std::string_view text, std::int16_t &result)
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    double value = 0;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        value = value * 10 + (text[i++] - '0');
    if (i < text.size() && text[i] == '.') {
        double scale = 0.1;
        for (++i; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, scale /= 10)
            value += (text[i] - '0') * scale;
    }
    value = std::nearbyint(negative ? -value : value);
    if (value < -32768 || value > 32767)
        return false;
    result = static_cast<std::int16_t>(value);
    return true;
}

void appendNumber(std::string &text, int value)
{
    char buffer[8];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    text.append(buffer, end);
}

void showReadError()
{
    platform::messageBox(QStringLiteral("An error occured reading this move."), platform::MessageButtons::Ok,
                         platform::MessageIcon::None, QStringLiteral("Error"));
}

} // namespace

void RulesEngine::ReadForsyth()
{
    // Fields split at every single space; only the first six are ever read.
    std::array<std::string_view, 6> fields{};
    int fieldCount = 0;
    {
        const std::string_view text = Forsyth;
        std::size_t start = 0;
        while (true) {
            const std::size_t space = text.find(' ', start);
            if (fieldCount < 6)
                fields[fieldCount] = text.substr(start, space == std::string_view::npos ? space : space - start);
            ++fieldCount;
            if (space == std::string_view::npos)
                break;
            start = space + 1;
        }
    }

    int counter = 1;
    for (const char c : fields[0]) {
        bool isPiece = false;
        const PieceCode code = codeOfFenLetter(c, isPiece);
        if (isPiece) {
            if (counter > 64)
                return showReadError();
            ShowPiece(counter++, code);
        } else if (c >= '0' && c <= '9') {
            for (int n = c - '0'; n > 0; --n) {
                if (counter > 64)
                    return showReadError();
                ClearSquare(counter++);
            }
        }
    }
    Hashtable();

    if (fieldCount >= 3) {
        if (fields[1] == "w")
            OnMove = 'W';
        else if (fields[1] == "b")
            OnMove = 'B';

        const std::string_view castling = fields[2];
        if (castling != "-") {
            const auto has = [castling](char letter) { return castling.find(letter) != std::string_view::npos; };
            CastleWK = has('K') ? 'K' : '\0';
            CastleBK = has('k') ? 'k' : '\0';
            CastleWQ = has('Q') ? 'Q' : '\0';
            CastleBQ = has('q') ? 'q' : '\0';
            CastleOption.clear();
            for (const char letter : {CastleWK, CastleWQ, CastleBK, CastleBQ})
                if (letter != '\0')
                    CastleOption += letter;
            if (currentRecord().CastleRights.empty())
                currentRecord().CastleRights = "-";
        } else {
            CastleOption = "-";
            currentRecord().CastleRights = "-";
            CastleWK = CastleWQ = CastleBK = CastleBQ = '\0';
        }

        if (fieldCount < 4)
            return showReadError();
        PendingEPSquare = fields[3];
        if (fieldCount < 5 || !leadingNumber(fields[4], HalfmoveCount))
            return showReadError();
        if (fieldCount < 6 || !leadingNumber(fields[5], MoveNumber))
            return showReadError();
        currentRecord().MoveNumberText.clear();
        appendNumber(currentRecord().MoveNumberText, MoveNumber);
    }

    Hashtable();
    UpdateCastleOption();
}

void RulesEngine::WriteForsyth()
{
    std::string &text = Forsyth;
    text.clear();
    char letter = FenChar;
    for (int rankStart = 1; rankStart <= 57; rankStart += 8) {
        if (rankStart > 1)
            text += '/';
        int emptyRun = 0;
        for (int index = rankStart; index < rankStart + 8; ++index) {
            const char mapped = fenLetter(picBoard[index].Tag);
            if (mapped != '\0')
                letter = mapped;
            if (letter == '1') {
                ++emptyRun;
                continue;
            }
            if (emptyRun > 0)
                text += static_cast<char>('0' + emptyRun);
            emptyRun = 0;
            text += letter;
        }
        if (emptyRun > 0)
            text += static_cast<char>('0' + emptyRun);
    }
    FenChar = letter;

    if (OnMove == 'W')
        text += " w";
    else if (OnMove == 'B')
        text += " b";
    const PlyRecord &record = currentRecord();
    text += ' ';
    text += CastleOption;
    text += ' ';
    text += record.EPSquare;
    text += ' ';
    appendNumber(text, record.HalfmoveClock);
    text += ' ';
    appendNumber(text, MoveNumber);
}

void RulesEngine::GetForsythChar()
{
    const char letter = fenLetter(FenSquareCode);
    if (letter != '\0')
        FenChar = letter;
}

void RulesEngine::UpdateCastleOption()
{
    PlyRecord &record = currentRecord();
    std::string &rights = record.CastleRights;
    rights.clear();
    for (const char letter : {CastleWK, CastleWQ, CastleBK, CastleBQ})
        if (letter != '\0')
            rights += letter;
    if (rights.empty())
        rights = "-";
    CastleOption = rights;

    if (PendingEPSquare != "-") {
        record.EPSquare = PendingEPSquare;
        EP_Square = PendingEPSquare;
        PendingEPSquare = "-";
    } else {
        record.EPSquare = "-";
        EP_Square = "-";
    }
    record.HalfmoveClock = HalfmoveCount;
    PMCapture = HalfmoveCount;
    MoveText = record.MoveSAN;
}

void RulesEngine::SetupNewGame()
{
    for (PlyRecord &record : PlyRecords) {
        record.MoveSAN.clear();
        record.Annotation.clear();
        record.Reserved = '\0';
        record.EPSquare = "-";
        record.HalfmoveClock = 0;
        record.MoveNumberText = "0";
        record.MoveNumberMove = 0;
        record.CastleRights = "-";
        record.PlyIndex = 0;
    }
    GameResult = "*";
    PlaceStartingPieces();
    OnMove = 'W';
    CastleWK = 'K';
    CastleBK = 'k';
    CastleWQ = 'Q';
    CastleBQ = 'q';
    HalfmoveCount = 0;
    PendingEPSquare = "-";
    MoveNumber = 1;
    Ply = 0;
    PlyRecords[0].Fen = StartFen;
    GameLength = Ply;
    SetupMode = false;
    UpdateCastleOption();
    PlyRecords[0].MoveNumberText = "1";
    Hashtable();
    GameChanged = false;
    raiseEvent(EngineEvent::GameInitialize);
}

void RulesEngine::LoadFEN(const std::string &FEN)
{
    if (FEN.empty())
        return;
    Forsyth = FEN;
    SetupNewGame();
    ReadForsyth();
    PlyRecords[0].Fen = FEN;
    raiseEvent(EngineEvent::LoadFENComplete);
}

} // namespace tolvar
