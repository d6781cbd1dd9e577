#pragma once

#include <QString>
#include <QStringList>

namespace platform {
class BoardProxy;
}

// The game text that Print and Copy Game To Clipboard hand out.
namespace game_print_text {

// The board's move list in a style: "A" MoveList_A, "P" MoveList_P, "L" MoveList_L,
// "" for any other style.
QString moveListOfStyle(const platform::BoardProxy &board, const QString &style);

// Every tag line followed by CR LF, one more CR LF, then the move list.
QString gameText(const QStringList &tagLines, const QString &moveList);

// Prints the text on the default printer as one document, with no dialog. Without a
// printer, or when printing fails, nothing happens.
void printText(const QString &text);

} // namespace game_print_text
