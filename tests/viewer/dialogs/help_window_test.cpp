// The help viewer and the About box as the Help menu opens them.
#include "board_windows_fixture.h"

#include "viewer/dialogs/frm_about.h"
#include "viewer/dialogs/frm_help.h"

#include "platform/units.h"
#include "tests/platform/widget_test_app.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>

using namespace testsupport;

namespace {

class HelpWindow : public BoardWindowsTest {
protected:
    FrmHelp *openHelp()
    {
        trigger("mnuHelpHelp");
        return m_window->findChild<FrmHelp *>();
    }
    void writeHelpFile(const QByteArray &bytes) { writeFile(m_dir.filePath(QStringLiteral("pvshelp.txt")), bytes); }
    void shipHelpFile()
    {
        ASSERT_TRUE(QFile::copy(QStringLiteral(PAVISTO_HELP_FILE), m_dir.filePath(QStringLiteral("pvshelp.txt"))));
    }
    void choose(FrmHelp *help, const QString &topic)
    {
        auto *list = help->findChild<QListWidget *>(QStringLiteral("List1"));
        const QList<QListWidgetItem *> items = list->findItems(topic, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1);
        list->setCurrentItem(items.first());
    }
    QPlainTextEdit *text1(FrmHelp *help) { return help->findChild<QPlainTextEdit *>(QStringLiteral("Text1")); }
};

} // namespace

TEST_F(HelpWindow, WithoutAHelpFileItSaysSoAndStaysEmpty)
{
    START_WINDOW_OR_SKIP();
    FrmHelp *help = openHelp();
    ASSERT_TRUE(help);
    ASSERT_EQ(m_prompts.records().size(), 1);
    const auto &record = m_prompts.records().first();
    EXPECT_EQ(record.text, QStringLiteral("There was an error trying to open the help file."));
    EXPECT_EQ(record.title, QStringLiteral("Help Error"));
    EXPECT_EQ(record.icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(record.buttons, platform::MessageButtons::Ok);
    EXPECT_TRUE(help->isVisible());
    EXPECT_TRUE(text1(help)->toPlainText().isEmpty());
    EXPECT_EQ(help->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 0);
}

TEST_F(HelpWindow, ChoosingATopicSelectsItsHeadingAndScrollsToIt)
{
    START_WINDOW_OR_SKIP();
    shipHelpFile();
    FrmHelp *help = openHelp();
    ASSERT_TRUE(help);
    EXPECT_TRUE(m_prompts.records().isEmpty());
    EXPECT_EQ(help->windowTitle(), QStringLiteral("Ludrin Basics Help"));
    EXPECT_EQ(help->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Help Topics:"));
    EXPECT_EQ(help->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 36);
    QPlainTextEdit *text = text1(help);
    QScrollBar *scroll = text->verticalScrollBar();
    EXPECT_EQ(scroll->value(), 0);

    // A section far down the file.
    choose(help, QStringLiteral("Tag Editor"));
    EXPECT_EQ(text->textCursor().selectedText(), QStringLiteral("Tag Editor:"));
    EXPECT_EQ(text->textCursor().selectionStart(), text->toPlainText().indexOf(QLatin1String("Tag Editor:")));
    EXPECT_GT(scroll->value(), 0);
    EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect()));
    EXPECT_TRUE(text->hasFocus() || !QApplication::activeWindow());

    choose(help, QStringLiteral("Introduction"));
    EXPECT_EQ(text->textCursor().selectedText(), QStringLiteral("Introduction:"));
    EXPECT_TRUE(text->viewport()->rect().contains(text->cursorRect()));
}

TEST_F(HelpWindow, AHeadingFoundEarlierWinsAndAMissingOneDoesNothing)
{
    START_WINDOW_OR_SKIP();
    // Lone CR, CR LF and LF line ends: selections stay on the heading all the same.
    writeHelpFile("Menus:\rsee Find: below\r\nFind:\nsearches\n");
    FrmHelp *help = openHelp();
    QPlainTextEdit *text = text1(help);
    EXPECT_EQ(text->toPlainText(), QStringLiteral("Menus:\nsee Find: below\nFind:\nsearches\n"));
    choose(help, QStringLiteral("Find"));
    EXPECT_EQ(text->textCursor().selectionStart(), 11);
    EXPECT_EQ(text->textCursor().selectedText(), QStringLiteral("Find:"));
    choose(help, QStringLiteral("Tag Editor"));
    EXPECT_EQ(text->textCursor().selectionStart(), 11);
    EXPECT_TRUE(m_prompts.records().isEmpty());
}

TEST_F(HelpWindow, TheTextAreaFollowsTheWindowSizeUntilItWouldVanish)
{
    START_WINDOW_OR_SKIP();
    shipHelpFile();
    FrmHelp *help = openHelp();
    QPlainTextEdit *text = text1(help);
    auto *list = help->findChild<QListWidget *>(QStringLiteral("List1"));
    const QPoint corner = text->pos();
    const QSize listSize = list->size();

    help->resize(800, 500);
    EXPECT_EQ(text->pos(), corner);
    // The text area's left edge and a margin of 2415 twips in all in the designed layout.
    EXPECT_EQ(text->size(), QSize(800 - text->x() - platform::twipsToPixels(2415 - 2280),
                                  500 - platform::twipsToPixels(540)));
    const QSize before = text->size();
    help->resize(platform::twipsToPixels(2415) - 10, 500);
    EXPECT_EQ(text->size(), before);
    EXPECT_EQ(list->size(), listSize);
}

TEST_F(HelpWindow, EachWindowExistsOnceAndStartsAfreshAfterClosing)
{
    START_WINDOW_OR_SKIP();
    FrmHelp *help = openHelp();
    EXPECT_EQ(openHelp(), help);
    EXPECT_EQ(m_window->findChildren<FrmHelp *>().size(), 1);
    EXPECT_EQ(m_prompts.records().size(), 1); // the help file was read once
    help->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(m_window->findChildren<FrmHelp *>().isEmpty());
    shipHelpFile();
    help = openHelp();
    EXPECT_EQ(help->findChild<QListWidget *>(QStringLiteral("List1"))->count(), 36);
    EXPECT_TRUE(m_window->isEnabled()); // modeless
}

TEST_F(HelpWindow, TheAboutBoxShowsTheProgramsOwnVersion)
{
    START_WINDOW_OR_SKIP();
    m_desktop.m_version = QStringLiteral("7.8.9");
    trigger("mnuHelpAbout");
    auto *about = m_window->findChild<FrmAbout *>();
    ASSERT_TRUE(about);
    EXPECT_EQ(about->windowTitle(), QStringLiteral("About Ludrin Basics PGN Viewer"));
    EXPECT_EQ(about->findChild<QLabel *>(QStringLiteral("lblVersion"))->text(), QStringLiteral("Version: 7.8.9"));
    QStringList texts;
    for (const QLabel *label : about->findChildren<QLabel *>())
        texts << label->text();
    for (const char *text : {"Ludrin", "Basics", "PGN Viewer", "Win95/98"})
        EXPECT_TRUE(texts.contains(QLatin1String(text))) << text;
    trigger("mnuHelpAbout");
    EXPECT_EQ(m_window->findChildren<FrmAbout *>().size(), 1);
    about->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click();
    EXPECT_FALSE(about->isVisible());

    // The real services give the version the build was made with.
    platform::setDesktop(nullptr);
    EXPECT_EQ(platform::desktop().programVersion(), QStringLiteral("1.2.0"));
    platform::setDesktop(&m_desktop);
}
