// Opening the options, tag editor, find and setup windows, and what they use of the
// main window.

#include "frmmain.h"
#include "viewer/dialogs/frm_variation.h"

#include "viewer/dialogs/edit_host.h"
#include "viewer/dialogs/frm_find.h"
#include "viewer/dialogs/frm_options.h"
#include "viewer/dialogs/frm_setup.h"
#include "viewer/dialogs/frm_tag_editor.h"

#include <QAction>
#include <QListWidget>

class EditWindowsHost final : public QObject, public EditHost {
public:
    explicit EditWindowsHost(FrmMain &main) : QObject(&main), m_main(main) {}

    pavisto::ViewerState &state() override { return m_main.m_state; }
    platform::BoardProxy &mainBoard() override { return m_main.board(); }
    platform::BoardProxy *variationBoard() override
    {
        return m_main.m_variation ? &m_main.m_variation->board() : nullptr;
    }

    QStringList tagLines() const override { return m_main.tagLines(); }
    int selectedTagLine() const override
    {
        const QList<QListWidgetItem *> selected = m_main.m_lstTags->selectedItems();
        return selected.isEmpty() ? -1 : m_main.m_lstTags->row(selected.first());
    }
    void setTagLines(const QStringList &lines) override
    {
        m_main.m_lstTags->clear();
        m_main.m_lstTags->addItems(lines);
    }

    int gameListCount() const override { return m_main.listCount(); }
    int selectedGame() const override { return m_main.listIndex(); }
    void selectGame(int index) override { m_main.selectListIndex(index); }

    void ShowMoveList() override { m_main.ShowMoveList(); }
    void SetPlayerNames() override { m_main.SetPlayerNames(); }
    void UpdateCommandState() override { m_main.UpdateCommandState(); }
    bool newGame() override
    {
        m_main.mnuFileNew_Click();
        return !m_main.m_state.CancelPending;
    }
    void enableSaveGame() override
    {
        m_main.menuItem(QStringLiteral("mnuFileSave"))->setEnabled(true);
        m_main.toolbarButton(QStringLiteral("Save"))->setEnabled(true);
    }
    void revealVariationBoard() override
    {
        m_main.menuItem(QStringLiteral("mnuToolsVariationBoard"))->setVisible(true);
    }

private:
    FrmMain &m_main;
};

namespace {

// Brings the window to the front, creating it first when it is not open. A closed
// window is deleted only once the event loop runs again: until then it is hidden.
template <typename Window>
void openWindow(QPointer<Window> &window, EditHost &host, QWidget *owner)
{
    if (!window || window->isHidden())
        window = new Window(host, owner);
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

EditWindowsHost &FrmMain::editHost()
{
    if (!m_editHost)
        m_editHost = new EditWindowsHost(*this);
    return *m_editHost;
}

void FrmMain::mnuOptionsOptions_Click()
{
    openWindow(m_frmOptions, editHost(), this);
}

void FrmMain::mnuToolsEditTags_Click()
{
    openWindow(m_frmTagEditor, editHost(), this);
}

void FrmMain::mnuEditFind_Click()
{
    openWindow(m_frmFind, editHost(), this);
}

void FrmMain::mnuToolsSetup_Click()
{
    openWindow(m_frmSetup, editHost(), this);
}
