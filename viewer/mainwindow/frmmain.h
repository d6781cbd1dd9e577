#pragma once

#include "modal_prompts.h"

#include "viewer/database/database_host.h"
#include "viewer/database/startup_file.h"
#include "viewer/database/viewer_state.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <QString>

#include <memory>

QT_BEGIN_NAMESPACE
class QAction;
class QLabel;
class QListView;
class QListWidget;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QTimer;
class QToolBar;
QT_END_NAMESPACE

class EditWindowsHost;
class FrmAbout;
class FrmFind;
class FrmHelp;
class FrmLoadFile;
class FrmOptions;
class FrmSetup;
class FrmTagEditor;
class FrmVariation;
class HostedBoard;

namespace platform {
class BoardProxy;
}

namespace pavisto {
class DatabaseCommands;
class GameListModel;
} // namespace pavisto

// The viewer's main window: the main board Tolvar1, the game list, the tag, move-list
// and annotation boxes, the status labels, menus, toolbar and status bar. Its routines
// are spread over one source file per concern (layout, command routing, game selection,
// status panel, auto play, annotations, file commands).
class FrmMain final : public QMainWindow, private pavisto::DatabaseHost {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmMain)
public:
    // Builds the window and runs the start-up order: settings defaults, startup file
    // (read from the given place), variation board, new game, status refresh.
    explicit FrmMain(const pavisto::StartupFileLocation &startupFile = pavisto::StartupFileLocation::standard(),
                     QWidget *parent = nullptr);
    ~FrmMain() override;

    pavisto::ViewerState &state() { return m_state; }
    // The text of status-bar panel 1..4.
    QString statusPanelText(int panel) const;

    platform::BoardProxy &board() const;
    FrmVariation &variationBoard() const { return *m_variation; }
    // The toolbar button with the given key ("New", "Open", ... "StopAP").
    QAction *toolbarButton(const QString &key) const { return m_buttons.value(key); }
    // The menu item with the given control name ("mnuFileOpen", ...).
    QAction *menuItem(const QString &name) const { return m_items.value(name); }

    // Runs the command of the toolbar button with that key, as a click on it does.
    void Toolbar1_ButtonClick(const QString &key);

    // Routines shared with the secondary windows.
    void SetupNewGame() override;
    void ShowBoardStatus() override;
    void ShowMoveList();
    void HighlightCurrentMove();
    void UpdateCommandState() override;
    void LoadGame();

    // Values set by CheckForForsyth, used by Load Game.
    bool isSetupGame() const { return m_isSetupGame; }
    QString setupFEN() const { return m_setupFEN; }

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Layout (frmmain_layout.cpp)
    void buildControls();
    void buildMenus();
    void buildToolbar();
    void buildStatusBar();
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption,
                     void (FrmMain::*handler)(), const QKeySequence &shortcut = {});
    void addSeparator(QMenu *menu, const QString &name);
    void applyResizeRules();
    void updateDateAndTime();

    // Start-up and command routing (frmmain_commands.cpp)
    void startUp();
    void readStartupFile();
    void writeStartupFile();
    void onBoardEvent(int eventId);
    void setItemsEnabled(std::initializer_list<QAction *> items, bool enabled);
    void mnuFileExit_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuBoardReverse_Click();
    void openVariationBoard();
    void toolbarDelete();

    // Game selection (game_selection.cpp)
    void lstPGNFiles_Click();
    void ShowTagList();
    void CheckForForsyth();
    void SetPlayerNames();
    void showDeletedState(bool deleted);
    void mnuPlayerNextGame_Click();
    void mnuPlayerPreviousGame_Click();
    int listIndex() const;
    int listCount() const;
    void selectListIndex(int index);

    // Status panel and move commands (status_panel.cpp)
    void mnuPlayerMoveFirst_Click();
    void mnuPlayerMovePrevious_Click();
    void mnuPlayerMoveNext_Click();
    void mnuPlayerMoveLast_Click();

    // Auto play (auto_play.cpp)
    void mnuPlayerStartAP_Click();
    void mnuPlayerStopAP_Click();
    void AutoPlay();

    // Annotations and the move-list jump (annotations.cpp)
    void cmdSetAnno_Click();
    void cmdClearAnnotation_Click();
    void txtMoveList_DblClick();

    // File commands (file_commands.cpp)
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileClose_Click();
    void mnuFileSave_Click();
    void mnuFileSaveAs_Click();
    void mnuFileSaveAll_Click();
    void mnuFileSaveAllAs_Click();
    void mnuEditmarkDeleted_Click();

    // What the database commands ask of the window (file_commands.cpp).
    bool gameChanged() const override;
    void setGameChanged(bool changed) override;
    QString annotatedMoveList() const override;
    QStringList tagLines() const override;
    QString moveListText() const override;
    int selectedGameIndex() const override;
    void selectGameIndex(int index) override;
    void setCaption(const QString &caption) override;
    void setGameCountStatus(const QString &text) override;
    void clearPreview() override;
    bool markDeletedChecked() const override;
    void setMarkDeletedChecked(bool checked) override;
    void setDeleteButtonPressed(bool pressed) override;
    void showProgress(const QString &path) override;
    void updateProgress(int count, int percent) override;
    void closeProgress() override;

    // Printing, clipboard, board bitmap, text editors, help and About, and the variation
    // board's link to this window (print_and_clipboard.cpp, variation_link.cpp).
    QString gameText() const;
    void mnuFilePrint_Click();
    void mnuEditCopyClipboard_Click();
    void mnuEditCopyBitmap_Click();
    void CaptureScreen();
    QImage CaptureBoardArea() const;
    void mnuToolsEditorsNotepad_Click();
    void mnuToolsEditorsWordPad_Click();
    void mnuHelpHelp_Click();
    void mnuHelpAbout_Click();
    class VariationLink;
    friend class VariationLink;
    std::unique_ptr<VariationLink> m_variationLink;
    QPointer<FrmHelp> m_help;
    QPointer<FrmAbout> m_about;

    ModalPrompts m_prompts;
    pavisto::ViewerState m_state;
    pavisto::StartupFileLocation m_startupFile;
    pavisto::GameListModel *m_gameList = nullptr;
    std::unique_ptr<pavisto::DatabaseCommands> m_commands;
    FrmLoadFile *m_loadFile = nullptr;
    HostedBoard *m_board = nullptr;
    FrmVariation *m_variation = nullptr;

    QToolBar *m_toolbar = nullptr;
    QWidget *m_picMain = nullptr;
    QLabel *m_lblMoveNumber = nullptr;
    QLabel *m_lblMoveText = nullptr;
    QLabel *m_lblOnMove = nullptr;
    QLabel *m_lblEPSquare = nullptr;
    QLabel *m_lblFifty = nullptr;
    QLabel *m_lblCastle = nullptr;
    QLabel *m_lblPly = nullptr;
    QLabel *m_lblGameLength = nullptr;
    QListWidget *m_lstTags = nullptr;
    QPlainTextEdit *m_txtMoveList = nullptr;
    QPlainTextEdit *m_txtAnnotation = nullptr;
    QPushButton *m_cmdClearAnnotation = nullptr;
    QPushButton *m_cmdSetAnno = nullptr;
    QPlainTextEdit *m_txtPreview = nullptr;
    QListView *m_lstPGNFiles = nullptr;
    QLabel *m_panels[4] = {};
    QTimer *m_timer1 = nullptr;
    QTimer *m_timer2 = nullptr;
    QTimer *m_clock = nullptr;

    QHash<QString, QAction *> m_items;
    QHash<QString, QAction *> m_buttons;

    bool m_isSetupGame = false;
    QString m_setupFEN;

    // The options, tag editor, find and setup windows (edit_windows.cpp): each exists
    // at most once and starts afresh when opened after being closed.
    friend class EditWindowsHost;
    EditWindowsHost &editHost();
    void mnuOptionsOptions_Click();
    void mnuToolsEditTags_Click();
    void mnuEditFind_Click();
    void mnuToolsSetup_Click();
    EditWindowsHost *m_editHost = nullptr;
    QPointer<FrmOptions> m_frmOptions;
    QPointer<FrmTagEditor> m_frmTagEditor;
    QPointer<FrmFind> m_frmFind;
    QPointer<FrmSetup> m_frmSetup;
};
