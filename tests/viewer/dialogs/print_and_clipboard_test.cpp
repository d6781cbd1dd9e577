// Print, Copy Game To Clipboard, Copy Board As Bitmap and the text editors of the main window.
#include "board_windows_fixture.h"

#include <QFrame>
#include <QTest>
#include <QTimer>

using namespace testsupport;

namespace {

class PrintAndClipboard : public BoardWindowsTest {
protected:
    QString tagText() const { return tagList().join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"); }
    QStringList startedPrograms() const
    {
        QStringList programs;
        for (const RecordingDesktop::Start &start : m_desktop.m_started)
            programs << (start.arguments.isEmpty() ? start.program
                                                   : start.program + QLatin1Char(' ') + start.arguments.join(' '));
        return programs;
    }
};

} // namespace

TEST_F(PrintAndClipboard, CopyPutsTheTagsAnEmptyLineAndTheMoveListOfTheChosenStyle)
{
    START_WINDOW_OR_SKIP();
    loadGame(OperaGame);
    ASSERT_EQ(tagList().size(), 7);
    const struct {
        const char *style;
        QString list;
    } cases[] = {
        {"L", mainBoard().MoveList_L()},
        {"P", mainBoard().MoveList_P()},
        {"A", mainBoard().MoveList_A()},
        {"X", QString()},
    };
    for (const auto &c : cases) {
        m_window->state().MoveListStyle = QLatin1String(c.style);
        click("Copy");
        EXPECT_EQ(m_desktop.m_text, tagText() + QStringLiteral("\r\n") + c.list) << c.style;
    }
    EXPECT_NE(mainBoard().MoveList_P(), mainBoard().MoveList_L());

    m_window->state().MoveListStyle = QStringLiteral("L");
    control<QListWidget>("lstTags")->clear();
    trigger("mnuEditCopyClipboard");
    EXPECT_EQ(m_desktop.m_text, QStringLiteral("\r\n") + mainBoard().MoveList_L());
}

TEST_F(PrintAndClipboard, PrintGoesToTheDefaultPrinterWithoutAskingAndIsSilentWithoutOne)
{
    START_WINDOW_OR_SKIP();
    loadGame(OperaGame);
    click("Print");
    trigger("mnuFilePrint");
    EXPECT_EQ(m_desktop.m_printJobs, 0);
    EXPECT_TRUE(m_prompts.records().isEmpty());

    m_desktop.m_printerFile = m_dir.filePath(QStringLiteral("game.pdf"));
    trigger("mnuFilePrint");
    EXPECT_EQ(m_desktop.m_printJobs, 1);
    EXPECT_TRUE(m_prompts.records().isEmpty());
    QFile pdf(m_desktop.m_printerFile);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    EXPECT_TRUE(bytes.startsWith("%PDF"));
    EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page "), 1);
}

TEST_F(PrintAndClipboard, TheBoardPictureArrivesHalfASecondLaterInTheSizeOfTheBoardArea)
{
    START_WINDOW_OR_SKIP();
    m_window->show();
    loadGame(OperaGame);
    m_desktop.setClipboardText(QStringLiteral("old"));
    auto *timer2 = m_window->findChild<QTimer *>(QStringLiteral("Timer2"));
    ASSERT_TRUE(timer2);
    EXPECT_FALSE(timer2->isActive());

    trigger("mnuEditCopyBitmap");
    EXPECT_TRUE(m_desktop.m_text.isEmpty());
    EXPECT_TRUE(m_desktop.m_image.isNull());
    EXPECT_TRUE(timer2->isActive());
    EXPECT_EQ(timer2->interval(), 500);
    QTest::qWait(250);
    EXPECT_TRUE(m_desktop.m_image.isNull());
    QTRY_VERIFY_WITH_TIMEOUT(!m_desktop.m_image.isNull(), 2000);
    EXPECT_FALSE(timer2->isActive());

    auto *frame = control<QFrame>("Picture1");
    const qreal ratio = m_window->devicePixelRatioF();
    EXPECT_EQ(m_desktop.m_image.size(), frame->contentsRect().size() * ratio);
    // The picture shows the board: the empty squares a5 and b5 differ in colour.
    const QImage &image = m_desktop.m_image;
    EXPECT_NE(image.pixel(image.width() / 16, image.height() * 7 / 16),
              image.pixel(image.width() * 3 / 16, image.height() * 7 / 16));
    const int writes = m_desktop.m_clipboardWrites;
    QTest::qWait(700);
    EXPECT_EQ(m_desktop.m_clipboardWrites, writes); // one shot
}

TEST_F(PrintAndClipboard, TheEditorsTryTheProgramsInOrderAndSayWhenNoneStarts)
{
    START_WINDOW_OR_SKIP();
    trigger("mnuToolsEditorsNotepad");
    EXPECT_EQ(startedPrograms(),
              QStringList({"gnome-text-editor", "gedit", "kwrite", "kate", "mousepad", "xed", "pluma",
                           "featherpad", "leafpad", "l3afpad"}));
    ASSERT_EQ(m_prompts.records().size(), 1);
    EXPECT_EQ(m_prompts.records().last().text, QStringLiteral("Error Opening Notepad"));
    EXPECT_EQ(m_prompts.records().last().title, QStringLiteral("Error"));
    EXPECT_EQ(m_prompts.records().last().icon, platform::MessageIcon::None);
    EXPECT_EQ(m_prompts.records().last().buttons, platform::MessageButtons::Ok);

    m_desktop.m_started.clear();
    trigger("mnuToolsEditorsWordPad");
    EXPECT_EQ(startedPrograms(), QStringList({"libreoffice --writer", "lowriter", "abiword", "calligrawords"}));
    ASSERT_EQ(m_prompts.records().size(), 2);
    EXPECT_EQ(m_prompts.records().last().text,
              QStringLiteral("No word processor could be started; none of libreoffice, lowriter, abiword, "
                             "calligrawords was found."));
    EXPECT_EQ(m_prompts.records().last().title, QCoreApplication::applicationName());
    EXPECT_EQ(m_prompts.records().last().icon, platform::MessageIcon::Exclamation);

    // The first program that starts ends the search, with no message.
    m_desktop.m_started.clear();
    m_desktop.m_startablePrograms = {QStringLiteral("mousepad"), QStringLiteral("abiword")};
    trigger("mnuToolsEditorsNotepad");
    trigger("mnuToolsEditorsWordPad");
    EXPECT_EQ(startedPrograms().last(), QStringLiteral("abiword"));
    EXPECT_EQ(startedPrograms().at(4), QStringLiteral("mousepad"));
    EXPECT_EQ(startedPrograms().size(), 5 + 3);
    EXPECT_EQ(m_prompts.records().size(), 2);
}
