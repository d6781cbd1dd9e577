#include "rules_engine.h"

#include "platform/prompts.h"

#include <charconv>
#include <cmath>

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
    const PlyRecord &record = currentRecord();
    // Placement (at most 71 characters), the fixed fields and two 16-bit numbers fit; the
    // castling and en-passant texts are bounded so that odd values cannot overflow it.
    char buffer[160];
    char *out = buffer;
    std::array<char, 65> letters;
    bool allKnown = true;
    for (int index = 1; index <= 64; ++index) {
        letters[index] = fenLetter(picBoard[index].Tag);
        allKnown &= letters[index] != '\0';
    }
    if (!allKnown) {
        // A code outside the table repeats the letter written before it.
        char letter = FenChar;
        for (int index = 1; index <= 64; ++index) {
            if (letters[index] == '\0')
                letters[index] = letter;
            letter = letters[index];
        }
    }
    FenChar = letters[64];
    for (int rankStart = 1; rankStart <= 57; rankStart += 8) {
        if (rankStart > 1)
            *out++ = '/';
        // Without branches on the squares: a digit goes out when a piece ends a run of
        // empty squares, a letter for every piece.
        int run = 0;
        for (int index = rankStart; index < rankStart + 8; ++index) {
            const char letter = letters[index];
            const int empty = letter == '1';
            *out = static_cast<char>('0' + run);
            out += (run != 0) & (empty ^ 1);
            *out = letter;
            out += empty ^ 1;
            run = (run + 1) * empty;
        }
        if (run != 0)
            *out++ = static_cast<char>('0' + run);
    }

    if (OnMove == 'W' || OnMove == 'B') {
        *out++ = ' ';
        *out++ = OnMove == 'W' ? 'w' : 'b';
    }
    *out++ = ' ';
    out = appendText(out, std::string_view(CastleOption).substr(0, 16));
    *out++ = ' ';
    out = appendText(out, std::string_view(record.EPSquare).substr(0, 16));
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
