#include "frm_find.h"
#include "edit_host.h"

#include "platform/busy_pointer.h"
#include "platform/prompts.h"
#include "viewer/database/viewer_state.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using pavisto::FindCommand;

FrmFind::FrmFind(EditHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(QStringLiteral("frmFind"));
    setWindowTitle(QStringLiteral("Find"));
    setAttribute(Qt::WA_DeleteOnClose);

    auto *label = new QLabel(QStringLiteral("Enter Search String:"), this);
    m_txtFindString = new QLineEdit(this);
    m_txtFindString->setObjectName(QStringLiteral("txtFindString"));
    m_txtFindString->setToolTip(QStringLiteral("Enter search string"));
    m_txtFindString->setMinimumWidth(260);
    label->setBuddy(m_txtFindString);

    auto *frame = new QGroupBox(QStringLiteral("Find"), this);
    frame->setObjectName(QStringLiteral("fraFind"));
    auto *frameLayout = new QHBoxLayout(frame);
    struct Row {
        const char *name;
        const char *caption;
        const char *tip;
        FindCommand command;
    };
    static const Row rows[] = {
        {"cmdFindFirst", "Find First", "Find first match of search string", FindCommand::First},
        {"cmdFindNext", "Find Next", "Find next match of search string", FindCommand::Next},
        {"cmdFindPrevious", "Find Prev", "Find previous match of search string", FindCommand::Previous},
        {"cmdFindLast", "Find Last", "Find last match of search string", FindCommand::Last},
    };
    for (const Row &row : rows) {
        auto *button = new QPushButton(QLatin1String(row.caption), frame);
        button->setObjectName(QLatin1String(row.name));
        button->setToolTip(QLatin1String(row.tip));
        button->setAutoDefault(false);
        frameLayout->addWidget(button);
        const FindCommand command = row.command;
        connect(button, &QPushButton::clicked, this, [this, command] { find(command); });
    }

    auto *close = new QPushButton(QStringLiteral("&Cancel"), this);
    close->setObjectName(QStringLiteral("cmdClose"));
    close->setToolTip(QStringLiteral("Close this window"));
    close->setAutoDefault(false);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto *closeRow = new QHBoxLayout;
    closeRow->addStretch();
    closeRow->addWidget(close);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_txtFindString);
    layout->addWidget(frame);
    layout->addLayout(closeRow);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

// The search runs over the database itself and selects only the game it finds, so the
// preview is refreshed once, not for every game passed on the way; a search that finds
// nothing leaves the selection as it was.
void FrmFind::find(FindCommand command)
{
    const pavisto::GameDatabase &games = m_host.state().Games;
    const int count = qMin(m_host.gameListCount(), games.count());
    const pavisto::SearchRange range = pavisto::searchRange(command, m_host.selectedGame(), count);
    if (range.isEmpty())
        return;
    const QString text = m_txtFindString->text();
    int found = -1;
    {
        platform::BusyPointer busy;
        found = pavisto::GameSearch(games, text).find(range);
    }
    if (found >= 0) {
        m_host.selectGame(found);
        return;
    }
    const bool fromEnd = command == FindCommand::First || command == FindCommand::Last;
    const QString message =
        fromEnd ? QStringLiteral("No matches found for ") : QStringLiteral("No more matches found for ");
    platform::messageBox(message + text, platform::MessageButtons::Ok, platform::MessageIcon::None,
                         QStringLiteral("Match Failed"));
}
