#include "fen_check.h"

#include <array>

namespace {

bool isDigits(std::string_view text)
{
    return !text.empty() && text.size() <= 5
           && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<QString> placementProblem(std::string_view placement)
{
    int rank = 0;
    int squares = 0;
    for (const char c : placement) {
        if (c == '/') {
            if (squares != 8)
                return QStringLiteral("rank %1 does not hold eight squares").arg(8 - rank);
            ++rank;
            squares = 0;
        } else if (c >= '1' && c <= '8') {
            squares += c - '0';
        } else if (std::string_view("pnbrqkPNBRQK").find(c) != std::string_view::npos) {
            ++squares;
        } else {
            return QStringLiteral("'%1' is not a piece letter").arg(QLatin1Char(c));
        }
        if (squares > 8)
            return QStringLiteral("rank %1 holds more than eight squares").arg(8 - rank);
    }
    if (rank != 7 || squares != 8)
        return QStringLiteral("the placement does not describe eight ranks of eight squares");
    return std::nullopt;
}

} // namespace

std::optional<QString> fenProblem(std::string_view fen)
{
    std::array<std::string_view, 6> fields{};
    std::size_t count = 0;
    for (std::size_t start = 0;;) {
        const std::size_t space = fen.find(' ', start);
        if (count == fields.size())
            return QStringLiteral("it has more than six fields");
        fields[count++] = fen.substr(start, space == std::string_view::npos ? space : space - start);
        if (space == std::string_view::npos)
            break;
        start = space + 1;
    }
    if (count != fields.size())
        return QStringLiteral("it has %1 fields instead of six").arg(count);
    if (std::optional<QString> problem = placementProblem(fields[0]))
        return problem;
    if (fields[1] != "w" && fields[1] != "b")
        return QStringLiteral("the side on move is not w or b");
    const std::string_view castling = fields[2];
    if (castling != "-"
        && (castling.empty() || castling.size() > 4 || castling.find_first_not_of("KQkq") != std::string_view::npos))
        return QStringLiteral("the castling field is neither - nor letters out of KQkq");
    const std::string_view ep = fields[3];
    const bool epSquare = ep.size() == 2 && ep[0] >= 'a' && ep[0] <= 'h' && (ep[1] == '3' || ep[1] == '6');
    if (ep != "-" && !epSquare)
        return QStringLiteral("the en-passant field is neither - nor a square on rank 3 or 6");
    if (!isDigits(fields[4]) || !isDigits(fields[5]))
        return QStringLiteral("the move counters are not numbers");
    return std::nullopt;
}
