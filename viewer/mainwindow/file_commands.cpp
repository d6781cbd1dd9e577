// The File commands and Mark As Deleted, carried out by the database commands, and
// what those commands read and change in the window.

#include "frmmain.h"
#include "hosted_board.h"
#include "frm_load_file.h"
#include "viewer/database/game_text.h"

#include "viewer/database/database_commands.h"

#include <QAction>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>

void FrmMain::mnuFileNew_Click()
{
    m_commands->newGame();
}

void FrmMain::mnuFileOpen_Click()
{
    m_commands->open();
}

void FrmMain::mnuFileClose_Click()
{
    m_commands->close();
}

void FrmMain::mnuFileSave_Click()
{
    m_commands->saveGame();
}

void FrmMain::mnuFileSaveAs_Click()
{
    m_commands->saveGameAs();
}

void FrmMain::mnuFileSaveAll_Click()
{
    m_commands->saveAll();
}

void FrmMain::mnuFileSaveAllAs_Click()
{
    m_commands->saveAllAs();
}

void FrmMain::mnuEditmarkDeleted_Click()
{
    // The menu has flipped the check mark already; the command flips it itself.
    QAction *item = menuItem(QStringLiteral("mnuEditmarkDeleted"));
    item->setChecked(!item->isChecked());
    if (listIndex() < 0)
        return; // no game selected: nothing to mark
    m_commands->markAsDeleted();
}

void FrmMain::toolbarDelete()
{
    if (listIndex() < 0) {
        toolbarButton(QStringLiteral("Delete"))->setChecked(markDeletedChecked());
        return;
    }
    m_commands->markAsDeleted();
}

bool FrmMain::gameChanged() const
{
    return board().GameChanged();
}

void FrmMain::setGameChanged(bool changed)
{
    board().setGameChanged(changed);
}

QString FrmMain::annotatedMoveList() const
{
    return board().MoveList_A();
}

QStringList FrmMain::tagLines() const
{
    QStringList lines;
    for (int i = 0; i < m_lstTags->count(); ++i)
        lines << m_lstTags->item(i)->text();
    return lines;
}

QString FrmMain::moveListText() const
{
    return game_text::crlfText(m_txtMoveList->toPlainText());
}

int FrmMain::selectedGameIndex() const
{
    return listIndex();
}

void FrmMain::selectGameIndex(int index)
{
    selectListIndex(index);
}

void FrmMain::setCaption(const QString &caption)
{
    setWindowTitle(caption);
}

void FrmMain::setGameCountStatus(const QString &text)
{
    m_panels[0]->setText(text);
}

void FrmMain::clearPreview()
{
    m_txtPreview->clear();
}

bool FrmMain::markDeletedChecked() const
{
    return menuItem(QStringLiteral("mnuEditmarkDeleted"))->isChecked();
}

void FrmMain::setMarkDeletedChecked(bool checked)
{
    menuItem(QStringLiteral("mnuEditmarkDeleted"))->setChecked(checked);
}

void FrmMain::setDeleteButtonPressed(bool pressed)
{
    toolbarButton(QStringLiteral("Delete"))->setChecked(pressed);
}

void FrmMain::showProgress(const QString &path)
{
    m_loadFile->start(path);
}

void FrmMain::updateProgress(int count, int percent)
{
    m_loadFile->setProgress(count, percent);
}

void FrmMain::closeProgress()
{
    m_loadFile->finish();
}
