#include "frm_tag_editor.h"
#include "edit_host.h"
#include "tag_lines.h"

#include "platform/board_proxy.h"
#include "platform/prompts.h"
#include "viewer/database/viewer_state.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString NothingSelected = QStringLiteral("Nothing Selected");
const QString EditingPrefix = QStringLiteral("Editing: ");

} // namespace

FrmTagEditor::FrmTagEditor(EditHost &host, QWidget *parent)
    : QWidget(parent, Qt::Window), m_host(host)
{
    setObjectName(QStringLiteral("frmTagEditor"));
    setWindowTitle(QStringLiteral("Tag Editor"));
    setAttribute(Qt::WA_DeleteOnClose);
    buildControls();

    for (const QString &line : m_host.tagLines()) {
        if (!line.isEmpty())
            m_lstTags->addItem(line);
    }
    setEditing(false);
    const int row = m_host.selectedTagLine();
    if (row >= 0 && row < m_lstTags->count())
        m_lstTags->setCurrentRow(row); // acts as a click on that line
    for (QPushButton *each : {m_cmdOK, m_cmdApply, m_cmdCancel, m_cmdAdd, m_cmdDelete, m_cmdClose})
        each->setEnabled(true);
}

void FrmTagEditor::buildControls()
{
    auto button = [this](const char *name, const QString &caption, const QString &tip) {
        auto *result = new QPushButton(caption, this);
        result->setObjectName(QLatin1String(name));
        result->setToolTip(tip);
        return result;
    };
    m_lstTags = new QListWidget(this);
    m_lstTags->setObjectName(QStringLiteral("lstTags"));
    m_lstTags->setToolTip(QStringLiteral("Header tags in current game"));
    m_lblSelected = new QLabel(NothingSelected, this);
    m_lblSelected->setObjectName(QStringLiteral("lblSelected"));
    m_txtSelected = new QLineEdit(this);
    m_txtSelected->setObjectName(QStringLiteral("txtSelected"));
    m_txtSelected->setToolTip(QStringLiteral("Enter header tag information"));
    m_cmdAdd = button("cmdAdd", QStringLiteral("Add Tag"), QStringLiteral("Add a header tag"));
    m_cmdDelete = button("cmdDelete", QStringLiteral("Delete Tag"), QStringLiteral("Delete the selected header tag"));
    m_cmdApply = button("cmdApply", QStringLiteral("Apply"), QStringLiteral("Apply changes"));
    m_cmdCancel = button("cmdCancel", QStringLiteral("Undo"), QStringLiteral("Cancel all changes"));
    m_cmdOK = button("cmdOK", QStringLiteral("OK"), QStringLiteral("Apply changes and close window"));
    m_cmdClose = button("cmdClose", QStringLiteral("Cancel"), QStringLiteral("Cancel all changes and close window"));

    auto *buttons = new QGridLayout;
    buttons->addWidget(m_cmdAdd, 0, 0);
    buttons->addWidget(m_cmdDelete, 0, 1);
    buttons->addWidget(m_cmdApply, 0, 2);
    buttons->addWidget(m_cmdCancel, 1, 0);
    buttons->addWidget(m_cmdOK, 1, 1);
    buttons->addWidget(m_cmdClose, 1, 2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_lstTags, 1);
    layout->addWidget(m_lblSelected);
    layout->addWidget(m_txtSelected);
    layout->addLayout(buttons);
    resize(420, 360);

    // A line counts as clicked when it becomes selected: the list moves its current
    // row without selecting when it merely takes the focus.
    connect(m_lstTags, &QListWidget::itemSelectionChanged, this, [this] { lstTags_Click(selectedRow()); });
    connect(m_txtSelected, &QLineEdit::returnPressed, this, &FrmTagEditor::cmdApply_Click);
    connect(m_cmdAdd, &QPushButton::clicked, this, &FrmTagEditor::cmdAdd_Click);
    connect(m_cmdDelete, &QPushButton::clicked, this, &FrmTagEditor::cmdDelete_Click);
    connect(m_cmdApply, &QPushButton::clicked, this, &FrmTagEditor::cmdApply_Click);
    connect(m_cmdCancel, &QPushButton::clicked, this, &FrmTagEditor::cmdCancel_Click);
    connect(m_cmdOK, &QPushButton::clicked, this, &FrmTagEditor::cmdOK_Click);
    connect(m_cmdClose, &QPushButton::clicked, this, &FrmTagEditor::close);
}

int FrmTagEditor::selectedRow() const
{
    const QList<QListWidgetItem *> selected = m_lstTags->selectedItems();
    return selected.isEmpty() ? -1 : m_lstTags->row(selected.first());
}

QStringList FrmTagEditor::lines() const
{
    QStringList result;
    for (int i = 0; i < m_lstTags->count(); ++i)
        result << m_lstTags->item(i)->text();
    return result;
}

void FrmTagEditor::setEditing(bool editing)
{
    m_cmdOK->setEnabled(true);
    m_cmdApply->setEnabled(editing);
    m_cmdCancel->setEnabled(editing);
    m_cmdAdd->setEnabled(!editing);
    m_cmdDelete->setEnabled(editing);
    m_cmdClose->setEnabled(!editing);
}

void FrmTagEditor::lstTags_Click(int row)
{
    if (row < 0)
        return;
    const QString line = m_lstTags->item(row)->text();
    m_txtSelected->setText(pavisto::tagValue(line));
    m_lblSelected->setText(EditingPrefix + line);
    setEditing(true);
}

void FrmTagEditor::selectNoLine()
{
    const QSignalBlocker block(m_lstTags);
    m_lstTags->setCurrentRow(-1);
    m_lstTags->clearSelection();
}

void FrmTagEditor::cmdApply_Click()
{
    const int row = selectedRow();
    if (row >= 0) {
        QListWidgetItem *item = m_lstTags->item(row);
        item->setText(pavisto::withTagValue(item->text(), m_txtSelected->text()));
        m_txtSelected->clear();
        m_lblSelected->setText(NothingSelected);
        selectNoLine();
    }
    setEditing(false);
}

void FrmTagEditor::cmdCancel_Click()
{
    m_txtSelected->clear();
    m_lblSelected->setText(NothingSelected);
    selectNoLine();
    setEditing(false);
}

void FrmTagEditor::cmdAdd_Click()
{
    cmdCancel_Click();
    const std::optional<QString> name =
        platform::prompts().input({QStringLiteral("Enter tag name"), QStringLiteral("New Tag"), {}});
    if (!name || name->isEmpty())
        return;
    if (pavisto::anyLineContains(lines(), *name)) {
        platform::messageBox(QStringLiteral("There already is a header tag named ") + *name + QLatin1Char('.'),
                             platform::MessageButtons::Ok, platform::MessageIcon::None,
                             QStringLiteral("Tag Cannot Be Added"));
        return;
    }
    m_lstTags->addItem(pavisto::newTagLine(*name));
}

void FrmTagEditor::cmdDelete_Click()
{
    const int row = selectedRow();
    if (row < 0)
        return;
    const QString line = m_lstTags->item(row)->text();
    const platform::MessageAnswer answer =
        platform::messageBox(QStringLiteral("Are you sure you want to delete Tag ") + line + QStringLiteral(" ?"),
                             platform::MessageButtons::YesNo, platform::MessageIcon::None,
                             QStringLiteral("Confirm Delete"));
    if (answer != platform::MessageAnswer::Yes)
        return;
    if (m_lblSelected->text() == EditingPrefix + line) {
        m_lblSelected->setText(NothingSelected);
        m_txtSelected->clear();
    }
    {
        const QSignalBlocker block(m_lstTags);
        delete m_lstTags->takeItem(row);
    }
    selectNoLine();
    setEditing(false);
}

void FrmTagEditor::cmdOK_Click()
{
    if (m_txtSelected->text() == AccessWord) {
        m_host.revealVariationBoard();
        close();
        return;
    }
    platform::BoardProxy &board = m_host.mainBoard();
    if (m_lstTags->count() > 0) {
        cmdApply_Click();
        const QStringList tags = lines();
        m_host.setTagLines(tags);
        const pavisto::BoardTagValues values = pavisto::boardTagValues(tags);
        if (values.result) {
            m_host.state().GameResultText = *values.result;
            board.setGameResult(*values.result);
        }
        if (values.white)
            board.setWhitePlayer(*values.white);
        if (values.black)
            board.setBlackPlayer(*values.black);
    }
    m_host.SetPlayerNames();
    m_host.enableSaveGame();
    board.setGameChanged(true);
    close();
}
