#include "game_print_text.h"

#include "platform/board_proxy.h"
#include "platform/desktop.h"

#include <QPrinter>
#include <QTextDocument>

namespace game_print_text {

QString moveListOfStyle(const platform::BoardProxy &board, const QString &style)
{
    if (!board.isValid())
        return {};
    if (style == QLatin1String("A"))
        return board.MoveList_A();
    if (style == QLatin1String("P"))
        return board.MoveList_P();
    if (style == QLatin1String("L"))
        return board.MoveList_L();
    return {};
}

QString gameText(const QStringList &tagLines, const QString &moveList)
{
    QString text;
    for (const QString &line : tagLines)
        text += line + QLatin1String("\r\n");
    text += QLatin1String("\r\n");
    text += moveList;
    return text;
}

void printText(const QString &text)
{
    const std::unique_ptr<QPrinter> printer = platform::desktop().defaultPrinter();
    if (!printer || !printer->isValid())
        return;
    // The page layout is the printing system's default: the document's default font,
    // the printer's page and margins, lines wrapped at the page width.
    QTextDocument document;
    document.setPlainText(QString(text).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    document.print(printer.get());
}

} // namespace game_print_text
