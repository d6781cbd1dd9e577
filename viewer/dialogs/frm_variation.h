#pragma once

#include "platform/board_proxy.h"
#include "platform/dispatch_object.h"

#include <QHash>
#include <QMainWindow>
#include <QString>

QT_BEGIN_NAMESPACE
class QAction;
class QPlainTextEdit;
class QPushButton;
QT_END_NAMESPACE

class VariationHost;

namespace pavisto {
struct ViewerState;
}

// The variation board: a second board (its own "Vostra.Tolvar" control) that copies the
// main game (Synchronize), lets the user try other moves on it, prints or saves the
// result and sends it back to the main board (Send). Loaded hidden when the main window
// starts and only hidden when closed while the main window is open.
class FrmVariation final : public QMainWindow, private platform::EventSink {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmVariation)
public:
    FrmVariation(const pavisto::ViewerState &state, VariationHost &host, QWidget *parent = nullptr);
    ~FrmVariation() override;

    platform::BoardProxy &board() { return m_board; }
    // The toolbar button with the given key ("New", "Save", ... "End").
    QAction *toolbarButton(const QString &key) const { return m_buttons.value(key); }
    // The menu item with the given control name ("mnuFileNew", ...).
    QAction *menuItem(const QString &name) const { return m_items.value(name); }

    // Runs the command of the toolbar button with that key, as a click on it does.
    void Toolbar1_ButtonClick(const QString &key);

    // Whether the main game starts from a set-up position, and its FEN, as found by
    // the last Synchronize.
    bool varSetUp() const { return m_varSetUp; }
    const QString &varForsyth() const { return m_varForsyth; }

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void buildToolbar();
    void buildMenu();

    void componentEvent(platform::DispId eventId) override;
    void propertyChanged(const QString &) override {}

    void CheckVarForsyth();
    void SetVarPlayerState();
    void cmdSync_Click();
    void cmdSend_Click();
    void mnuFileNew_Click();
    void mnuFileSaveAs_Click();
    void mnuFilePrint_Click();
    void mnuFileClose_Click();
    void cycleView();
    void txtMoveList_DblClick();
    void showMoveList();

    const pavisto::ViewerState &m_state;
    VariationHost &m_host;
    platform::BoardProxy m_board;
    QWidget *m_picture1 = nullptr;
    QPlainTextEdit *m_txtMoveList = nullptr;
    QPushButton *m_cmdSync = nullptr;
    QPushButton *m_cmdSend = nullptr;
    QHash<QString, QAction *> m_buttons;
    QHash<QString, QAction *> m_items;

    bool m_varSetUp = false;
    QString m_varForsyth;
};
