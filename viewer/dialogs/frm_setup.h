#pragma once

#include "setup_position.h"

#include <QMainWindow>

class EditHost;

QT_BEGIN_NAMESPACE
class QAction;
class QCheckBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolBar;
QT_END_NAMESPACE

// The position setup editor "Setup Pieces": 64 cells filled from a piece palette, the
// side to move, castling rights and counters; OK starts a new game in the main window
// from the position.
class FrmSetup final : public QMainWindow {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmSetup)
public:
    explicit FrmSetup(EditHost &host, QWidget *parent = nullptr);

    // The code on cell 1..64.
    QChar cellCode(int cell) const { return m_cells[cell - 1]; }
    // Builds the FEN text of the controls into txtSetupForsyth.
    void WriteForsyth();
    void ResetSetupBoard();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void CreateSetupSquares(QWidget *board);
    void buildPalette();
    void buildMenus();
    QWidget *buildStatusControls();
    void picBoard_Click(int cell);
    void mnuToolsClear_Click();
    void cmdOK_Click();
    void setCell(int cell, QChar code);

    EditHost &m_host;
    pavisto::SetupCells m_cells = pavisto::emptyCells();
    QLabel *m_picBoard[64] = {};
    QToolBar *m_toolbar = nullptr;
    QList<QAction *> m_palette; // buttons 1..13
    QCheckBox *m_chkWCK = nullptr;
    QCheckBox *m_chkWCQ = nullptr;
    QCheckBox *m_chkBCK = nullptr;
    QCheckBox *m_chkBCQ = nullptr;
    QRadioButton *m_optMoveWhite = nullptr;
    QRadioButton *m_optMoveBlack = nullptr;
    QLineEdit *m_txtEPSquare = nullptr;
    QLineEdit *m_txtMoveNumber = nullptr;
    QLineEdit *m_txtFiftyMove = nullptr;
    QLineEdit *m_txtSetupForsyth = nullptr;
};
