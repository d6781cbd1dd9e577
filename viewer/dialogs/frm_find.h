#pragma once

#include "game_search.h"

#include <QWidget>

class EditHost;

QT_BEGIN_NAMESPACE
class QLineEdit;
QT_END_NAMESPACE

// The Find dialog: searches the game database for a text and selects the matching game
// in the main window's game list, where its preview shows. Stays open between searches.
class FrmFind final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmFind)
public:
    explicit FrmFind(EditHost &host, QWidget *parent = nullptr);

    // Runs one of the four Find commands with the search text of the dialog.
    void find(pavisto::FindCommand command);

private:
    EditHost &m_host;
    QLineEdit *m_txtFindString = nullptr;
};
