// The Tag Editor over a main window: opening on the selected line, editing, Add,
// Delete, OK and the access word.

#include "edit_windows_fixture.h"

#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPushButton>

using platform::MessageAnswer;
using testsupport::EditWindowsTest;

class TagEditorTest : public EditWindowsTest {
protected:
    QWidget *openEditor() { return open("mnuToolsEditTags", "frmTagEditor"); }
    QListWidget *lines(QWidget *editor) const { return in<QListWidget>(editor, "lstTags"); }
    QStringList editorLines(QWidget *editor) const
    {
        QStringList result;
        for (int i = 0; i < lines(editor)->count(); ++i)
            result << lines(editor)->item(i)->text();
        return result;
    }
    QString selectedLabel(QWidget *editor) const { return in<QLabel>(editor, "lblSelected")->text(); }
    QString field(QWidget *editor) const { return in<QLineEdit>(editor, "txtSelected")->text(); }
    // Enabled state of OK, Apply, Undo, Add, Delete, Cancel.
    std::vector<bool> buttonStates(QWidget *editor) const
    {
        std::vector<bool> states;
        for (const char *name : {"cmdOK", "cmdApply", "cmdCancel", "cmdAdd", "cmdDelete", "cmdClose"})
            states.push_back(in<QPushButton>(editor, name)->isEnabled());
        return states;
    }
};

TEST_F(TagEditorTest, DoubleClickOnTheMainTagListOpensItEditingThatLine)
{
    START_WINDOW_OR_SKIP();
    auto *mainTags = control<QListWidget>("lstTags");
    mainTags->setCurrentRow(0); // the Event line
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(mainTags->viewport(), &doubleClick);
    QWidget *editor = m_window->findChild<QWidget *>(QStringLiteral("frmTagEditor"));
    ASSERT_TRUE(editor && editor->isVisible());
    EXPECT_EQ(editor->windowTitle(), QStringLiteral("Tag Editor"));
    EXPECT_EQ(editorLines(editor), tagList());
    EXPECT_EQ(field(editor), QStringLiteral("?"));
    EXPECT_EQ(selectedLabel(editor), QStringLiteral("Editing: [Event \"?\"]"));
    EXPECT_EQ(buttonStates(editor), std::vector<bool>(6, true));
}

TEST_F(TagEditorTest, EditingALineAndTheButtonStates)
{
    START_WINDOW_OR_SKIP();
    QWidget *editor = openEditor();
    ASSERT_TRUE(editor);
    // Taking the focus moves the list's current row but selects nothing.
    lines(editor)->setFocus();
    QFocusEvent focus(QEvent::FocusIn, Qt::TabFocusReason);
    QCoreApplication::sendEvent(lines(editor), &focus);
    EXPECT_EQ(selectedLabel(editor), QStringLiteral("Nothing Selected"));
    EXPECT_EQ(buttonStates(editor), (std::vector<bool>{true, true, true, true, true, true}));
    lines(editor)->setCurrentRow(1);
    EXPECT_EQ(buttonStates(editor), (std::vector<bool>{true, true, true, false, true, false}));
    type(editor, "txtSelected", QStringLiteral("London"));
    QTest::keyClick(in<QLineEdit>(editor, "txtSelected"), Qt::Key_Return);
    EXPECT_EQ(editorLines(editor).at(1), QStringLiteral("[Site \"London\"]"));
    EXPECT_EQ(field(editor), QString());
    EXPECT_EQ(selectedLabel(editor), QStringLiteral("Nothing Selected"));
    EXPECT_EQ(buttonStates(editor), (std::vector<bool>{true, false, false, true, false, true}));
    EXPECT_EQ(tagList().at(1), QStringLiteral("[Site \"?\"]")); // only OK reaches the main window

    // Undo abandons the edit in progress but keeps what Apply did.
    lines(editor)->setCurrentRow(2);
    type(editor, "txtSelected", QStringLiteral("2024"));
    press(editor, "cmdCancel");
    EXPECT_EQ(editorLines(editor).at(2), QStringLiteral("[Date \"????.??.??\"]"));
    EXPECT_EQ(editorLines(editor).at(1), QStringLiteral("[Site \"London\"]"));
    EXPECT_TRUE(lines(editor)->selectedItems().isEmpty());
}

TEST_F(TagEditorTest, AddRefusesANameContainedInAnyLine)
{
    START_WINDOW_OR_SKIP();
    QWidget *editor = openEditor();
    m_prompts.queueText(QStringLiteral("Annotator"));
    press(editor, "cmdAdd");
    ASSERT_EQ(m_prompts.records().size(), 1);
    EXPECT_EQ(m_prompts.records().first().title, QStringLiteral("New Tag"));
    EXPECT_EQ(m_prompts.records().first().text, QStringLiteral("Enter tag name"));
    ASSERT_EQ(editorLines(editor).size(), 8);
    EXPECT_EQ(editorLines(editor).last(), QStringLiteral("[Annotator \"\"]"));
    EXPECT_EQ(selectedLabel(editor), QStringLiteral("Nothing Selected"));

    lines(editor)->item(0)->setText(QStringLiteral("[WhiteElo \"2700\"]"));
    m_prompts.queueText(QStringLiteral("Elo"));
    press(editor, "cmdAdd");
    EXPECT_EQ(lastPrompt(), QStringLiteral("Tag Cannot Be Added|There already is a header tag named Elo."));
    EXPECT_EQ(m_prompts.records().last().buttons, platform::MessageButtons::Ok);
    m_prompts.queueText(std::nullopt);
    press(editor, "cmdAdd");
    m_prompts.queueText(QString());
    press(editor, "cmdAdd");
    EXPECT_EQ(editorLines(editor).size(), 8);
}

TEST_F(TagEditorTest, DeleteAsksFirst)
{
    START_WINDOW_OR_SKIP();
    QWidget *editor = openEditor();
    lines(editor)->setCurrentRow(3);
    m_prompts.queueAnswer(MessageAnswer::No);
    press(editor, "cmdDelete");
    EXPECT_EQ(lastPrompt(), QStringLiteral("Confirm Delete|Are you sure you want to delete Tag [Round \"?\"] ?"));
    EXPECT_EQ(m_prompts.records().last().buttons, platform::MessageButtons::YesNo);
    EXPECT_EQ(editorLines(editor).size(), 7);
    m_prompts.queueAnswer(MessageAnswer::Yes);
    press(editor, "cmdDelete");
    EXPECT_EQ(editorLines(editor).size(), 6);
    EXPECT_FALSE(editorLines(editor).contains(QStringLiteral("[Round \"?\"]")));
    EXPECT_EQ(selectedLabel(editor), QStringLiteral("Nothing Selected"));
    EXPECT_EQ(field(editor), QString());
    EXPECT_FALSE(in<QPushButton>(editor, "cmdDelete")->isEnabled());
}

TEST_F(TagEditorTest, OkHandsTheLinesResultAndNamesToTheMainWindow)
{
    START_WINDOW_OR_SKIP();
    m_window->board().setGameChanged(false);
    m_window->UpdateCommandState();
    ASSERT_FALSE(m_window->menuItem(QStringLiteral("mnuFileSave"))->isEnabled());
    QWidget *editor = openEditor();
    lines(editor)->item(4)->setText(QStringLiteral("[White \"Black Knight\"]"));
    lines(editor)->item(5)->setText(QStringLiteral("Black without quotes"));
    lines(editor)->setCurrentRow(6);
    type(editor, "txtSelected", QStringLiteral("1-0"));
    press(editor, "cmdOK"); // commits the edit in progress
    EXPECT_FALSE(editor->isVisible());
    const QStringList tags = tagList();
    EXPECT_EQ(tags.at(4), QStringLiteral("[White \"Black Knight\"]"));
    EXPECT_EQ(tags.at(5), QStringLiteral("Black without quotes"));
    EXPECT_EQ(tags.at(6), QStringLiteral("[Result \"1-0\"]"));
    EXPECT_EQ(m_window->state().GameResultText, QStringLiteral("1-0"));
    EXPECT_EQ(m_window->board().WhitePlayer(), QStringLiteral("Black Knight"));
    EXPECT_EQ(m_window->board().BlackPlayer(), QStringLiteral("Black Knight"));
    EXPECT_TRUE(m_window->board().GameChanged());
    EXPECT_TRUE(m_window->menuItem(QStringLiteral("mnuFileSave"))->isEnabled());
    EXPECT_TRUE(m_window->toolbarButton(QStringLiteral("Save"))->isEnabled());
}

TEST_F(TagEditorTest, OkWithNoLinesKeepsTheTagsButMarksTheGameChanged)
{
    START_WINDOW_OR_SKIP();
    const QStringList before = tagList();
    m_window->board().setGameChanged(false);
    QWidget *editor = openEditor();
    lines(editor)->clear();
    press(editor, "cmdOK");
    EXPECT_EQ(tagList(), before);
    EXPECT_TRUE(m_window->board().GameChanged());
}

TEST_F(TagEditorTest, TheAccessWordRevealsTheVariationBoardItemAndNothingElse)
{
    START_WINDOW_OR_SKIP();
    QAction *item = m_window->menuItem(QStringLiteral("mnuToolsVariationBoard"));
    ASSERT_FALSE(item->isVisible());
    m_window->board().setGameChanged(false);
    const QStringList before = tagList();
    QWidget *editor = openEditor();
    lines(editor)->setCurrentRow(0);
    type(editor, "txtSelected", QStringLiteral("RevealTools"));
    press(editor, "cmdOK");
    EXPECT_TRUE(item->isVisible());
    EXPECT_FALSE(editor->isVisible());
    EXPECT_EQ(tagList(), before);
    EXPECT_FALSE(m_window->board().GameChanged());

    // Cancel leaves the main window alone; a new opening starts from its lines.
    settle();
    editor = openEditor();
    lines(editor)->item(0)->setText(QStringLiteral("changed"));
    press(editor, "cmdClose");
    EXPECT_EQ(tagList(), before);
    settle();
    editor = openEditor();
    EXPECT_EQ(editorLines(editor), before);
}
