#include "rules_engine.h"

#include "platform/prompts.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

namespace tolvar {
namespace {

// FEN letters by colour class (white, black, empty, other) and piece letter; '1' for
// every code that starts with "E", '\0' for a code the table does not know.
constexpr auto fenLetters = [] {
    std::array<std::array<char, 256>, 4> letters{};
    constexpr std::string_view pieces = "KQRBNp";
    constexpr std::string_view white = "KQRBNP";
    constexpr std::string_view black = "kqrbnp";
    for (std::size_t i = 0; i < pieces.size(); ++i) {
        letters[0][static_cast<unsigned char>(pieces[i])] = white[i];
        letters[1][static_cast<unsigned char>(pieces[i])] = black[i];
    }
    letters[2].fill('1');
    return letters;
}();

constexpr auto colorClasses = [] {
    std::array<std::uint8_t, 256> classes{};
    classes.fill(3);
    classes['W'] = 0;
    classes['B'] = 1;
    classes['E'] = 2;
    return classes;
}();

// The FEN letter of a piece code, '1' for an empty square, '\0' for anything else.
constexpr char fenLetter(PieceCode code)
{
    return fenLetters[colorClasses[static_cast<unsigned char>(code.color())]][static_cast<unsigned char>(code.piece())];
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

char *appendText(char *out, std::string_view text)
{
    for (const char c : text)
        *out++ = c;
    return out;
}

void showReadError()
{
    platform::messageBox(QStringLiteral("An error occured reading this move."), platform::MessageButtons::Ok,
                         platform::MessageIcon::None, QStringLiteral("Error"));
}

// The FEN text of a rank for each set of occupied squares (bit i: square i of the rank
// holds a piece), as indexes into the rank's choices: i for the letter of square i,
// 8 + n - 1 for the digit of a run of n empty squares.
struct RankPattern {
    std::array<std::uint8_t, 8> items{};
    std::uint8_t length = 0;
};
constexpr auto rankPatterns = [] {
    std::array<RankPattern, 256> patterns{};
    for (int occupied = 0; occupied < 256; ++occupied) {
        RankPattern &pattern = patterns[occupied];
        int run = 0;
        for (int i = 0; i < 8; ++i) {
            if ((occupied >> i & 1) == 0) {
                ++run;
                continue;
            }
            if (run != 0)
                pattern.items[pattern.length++] = static_cast<std::uint8_t>(8 + run - 1);
            pattern.items[pattern.length++] = static_cast<std::uint8_t>(i);
            run = 0;
        }
        if (run != 0)
            pattern.items[pattern.length++] = static_cast<std::uint8_t>(8 + run - 1);
    }
    return patterns;
}();

// Writes the FEN text of one rank's eight letters at `out`, a digit for each run of
// empty squares ('1'), and returns the end of the text. Eight characters are always
// stored: `out` must have room for them.
char *writeRank(const char *letters, char *out)
{
    char choices[16] = {0, 0, 0, 0, 0, 0, 0, 0, '1', '2', '3', '4', '5', '6', '7', '8'};
    int occupied = 0;
    for (int i = 0; i < 8; ++i) {
        choices[i] = letters[i];
        occupied |= (letters[i] != '1') << i;
    }
    const RankPattern &pattern = rankPatterns[occupied];
    for (int i = 0; i < 8; ++i)
        out[i] = choices[pattern.items[i]];
    return out + pattern.length;
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

bool RulesEngine::writeCachedPlacement(const BoardGrid &cells, char *&out)
{
    char *next = out;
    for (int rank = 0; rank < 8; ++rank) {
        const PieceCode *codes = &cells.cells[rank * 8];
        std::array<std::uint64_t, 2> words;
        std::memcpy(words.data(), codes, sizeof words);
        // Ranks recur across plies and games: each rank's codes pick one slot of the table.
        const std::uint64_t hash = words[0] * 0x9E3779B97F4A7C15 ^ words[1] * 0xC2B2AE3D27D4EB4F;
        FenRank &cached = m_fenRanks[hash >> (64 - FenRankSlotBits)];
        if (cached.length == 0 || words != cached.codes) {
            cached.length = 0;
            char letters[8];
            for (int i = 0; i < 8; ++i) {
                letters[i] = fenLetter(codes[i]);
                if (letters[i] == '\0')
                    return false;
            }
            cached.codes = words;
            cached.length = static_cast<std::uint8_t>(writeRank(letters, cached.text.data()) - cached.text.data());
        }
        if (rank > 0)
            *next++ = '/';
        // The buffer has room for eight characters more than any placement.
        std::memcpy(next, cached.text.data(), cached.text.size());
        next += cached.length;
    }
    FenChar = fenLetter(cells.cells[63]);
    out = next;
    return true;
}

void RulesEngine::WriteForsyth()
{
    BoardGrid cells;
    for (int index = 1; index <= 64; ++index)
        cells.atIndex(index) = picBoard[index].Tag;
    writeForsythOf(cells);
}

void RulesEngine::writeForsythOf(const BoardGrid &cells)
{
    const PlyRecord &record = currentRecord();
    // Placement (at most 71 characters), side, two 16-bit numbers and up to 32 characters
    // of castling and en-passant text.
    char buffer[128];
    char *out = buffer;
    if (!writeCachedPlacement(cells, out)) {
        // A code outside the table repeats the letter written before it.
        std::array<char, 65> letters;
        char letter = FenChar;
        for (int index = 1; index <= 64; ++index) {
            const char known = fenLetter(cells.atIndex(index));
            letters[index] = letter = known != '\0' ? known : letter;
        }
        FenChar = letters[64];
        for (int rankStart = 1; rankStart <= 57; rankStart += 8) {
            if (rankStart > 1)
                *out++ = '/';
            out = writeRank(&letters[rankStart], out);
        }
    }

    if (OnMove == 'W' || OnMove == 'B') {
        *out++ = ' ';
        *out++ = OnMove == 'W' ? 'w' : 'b';
    }
    if (CastleOption.size() + record.EPSquare.size() > 32) {
        // Texts this long come only from odd FEN input; they take the slow road.
        Forsyth.assign(buffer, out);
        Forsyth += ' ';
        Forsyth += CastleOption;
        Forsyth += ' ';
        Forsyth += record.EPSquare;
        Forsyth += ' ';
        appendNumber(Forsyth, record.HalfmoveClock);
        Forsyth += ' ';
        appendNumber(Forsyth, MoveNumber);
        return;
    }
    *out++ = ' ';
    out = appendText(out, CastleOption);
    *out++ = ' ';
    out = appendText(out, record.EPSquare);
    *out++ = ' ';
    out = std::to_chars(out, out + 8, record.HalfmoveClock).ptr;
    *out++ = ' ';
    out = std::to_chars(out, out + 8, MoveNumber).ptr;
    Forsyth.assign(buffer, out);
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
        setText(PendingEPSquare, '-');
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
    // Most entries are still reset from the last game: reading them is cheaper than
    // writing them all again.
    const auto isText = [](const std::string &text, char letter) { return text.size() == 1 && text[0] == letter; };
    for (PlyRecord &record : PlyRecords) {
        if (record.MoveSAN.empty() && record.Annotation.empty() && record.Reserved == '\0'
            && isText(record.EPSquare, '-') && record.HalfmoveClock == 0 && isText(record.MoveNumberText, '0')
            && record.MoveNumberMove == 0 && isText(record.CastleRights, '-') && record.PlyIndex == 0)
            continue;
        record.MoveSAN.clear();
        record.Annotation.clear();
        record.Reserved = '\0';
        setText(record.EPSquare, '-');
        record.HalfmoveClock = 0;
        setText(record.MoveNumberText, '0');
        record.MoveNumberMove = 0;
        setText(record.CastleRights, '-');
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
