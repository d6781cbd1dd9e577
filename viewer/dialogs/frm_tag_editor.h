#pragma once

#include <QWidget>

class EditHost;

QT_BEGIN_NAMESPACE
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
QT_END_NAMESPACE

// The Tag Editor: edits a copy of the main window's tag lines and hands them back, with
// the result and the player names for the main board, on OK.
class FrmTagEditor final : public QWidget {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(FrmTagEditor)
public:
    // The word that, typed into the edit field before OK, reveals the Variation Board
    // menu item instead.
    static inline const QString AccessWord = QStringLiteral("RevealTools");

    explicit FrmTagEditor(EditHost &host, QWidget *parent = nullptr);

private:
    void buildControls();
    void lstTags_Click(int row);
    void cmdApply_Click();
    void cmdCancel_Click();
    void cmdAdd_Click();
    void cmdDelete_Click();
    void cmdOK_Click();
    void selectNoLine();
    void setEditing(bool editing);
    int selectedRow() const;
    QStringList lines() const;

    EditHost &m_host;
    QListWidget *m_lstTags = nullptr;
    QLabel *m_lblSelected = nullptr;
    QLineEdit *m_txtSelected = nullptr;
    QPushButton *m_cmdAdd = nullptr;
    QPushButton *m_cmdDelete = nullptr;
    QPushButton *m_cmdApply = nullptr;
    QPushButton *m_cmdCancel = nullptr;
    QPushButton *m_cmdOK = nullptr;
    QPushButton *m_cmdClose = nullptr;
};
