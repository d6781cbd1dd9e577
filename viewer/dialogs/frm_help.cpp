#include "frm_help.h"

#include "help_text.h"

#include "platform/desktop.h"
#include "platform/prompts.h"
#include "platform/units.h"
#include "viewer/database/file_io.h"

#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextCursor>

#include <algorithm>

namespace {

using platform::twipsToPixels;

// The designed layout: the topic list on the left, the text area right of it. The text
// area takes the window's width less 2415 twips (its left edge and a margin) and its
// height less 540 twips; the topic list keeps its size.
constexpr int ListWidth = 2040;
constexpr int TextLeft = 2280;
constexpr int TextTop = 360;
constexpr int TextRightMargin = 2415 - TextLeft;
constexpr int TextHeightAllowance = 540;

QRect twipsRect(int left, int top, int width, int height)
{
    return {twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height)};
}

} // namespace

FrmHelp::FrmHelp(QWidget *parent) : QWidget(parent, Qt::Window)
{
    setObjectName(QStringLiteral("frmHelp"));
    setWindowTitle(QStringLiteral("Ludrin Basics Help"));

    m_label1 = new QLabel(QStringLiteral("Help Topics:"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setGeometry(twipsRect(120, 120, 2040, 240));
    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->setGeometry(twipsRect(120, TextTop, 2040, 5400));
    m_label1->setBuddy(m_list1);
    m_text1 = new QPlainTextEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    m_text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_text1->setGeometry(twipsRect(TextLeft, TextTop, 6600, 5400));
    connect(m_list1, &QListWidget::itemClicked, this, &FrmHelp::List1_Click);
    connect(m_list1, &QListWidget::currentRowChanged, this, &FrmHelp::List1_Click);

    loadHelpFile();
    // The designed list is narrower than the longest topic in the desktop's font: list
    // and text area move apart so that every topic reads whole.
    m_list1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const int listWidth = std::max(twipsToPixels(ListWidth),
                                   m_list1->sizeHintForColumn(0) + 2 * m_list1->frameWidth()
                                       + m_list1->verticalScrollBar()->sizeHint().width() + 4);
    const int extra = listWidth - twipsToPixels(ListWidth);
    m_list1->resize(listWidth, m_list1->height());
    m_label1->resize(listWidth, m_label1->height());
    m_text1->move(m_text1->x() + extra, m_text1->y());
    resize(m_text1->geometry().right() + 1 + twipsToPixels(TextRightMargin),
           twipsToPixels(5400 + TextHeightAllowance));
    // The text opens at its top; the list takes no topic before the user chooses one.
    m_text1->setFocus();
}

void FrmHelp::loadHelpFile()
{
    const QString path = QDir(platform::desktop().programFolder()).filePath(help_text::FileName);
    const pavisto::FileContents contents = pavisto::readFileBytes(path);
    if (contents.error) {
        platform::messageBox(QStringLiteral("There was an error trying to open the help file."),
                             platform::MessageButtons::Ok, platform::MessageIcon::Exclamation,
                             QStringLiteral("Help Error"));
        return;
    }
    m_text = help_text::shownText(contents.bytes);
    // The box breaks lines at "\n"; positions in it are those of the shown text less
    // one for every CR LF before them.
    QString boxText = m_text;
    m_text1->setPlainText(boxText.replace(QLatin1String("\r\n"), QLatin1String("\n")));
    m_list1->addItems(help_text::topics());
}

void FrmHelp::List1_Click()
{
    const QListWidgetItem *item = m_list1->currentItem();
    if (!item)
        return;
    const std::optional<help_text::Heading> heading = help_text::findHeading(m_text, item->text());
    if (!heading)
        return;
    const int lineBreaksBefore = int(QStringView(m_text).first(heading->start).count(QLatin1String("\r\n")));
    const int start = heading->start - lineBreaksBefore;
    m_text1->setFocus();
    QTextCursor cursor = m_text1->textCursor();
    // Selecting from the end back to the start leaves the heading's line at the top
    // of the scrolled view rather than at its bottom.
    cursor.movePosition(QTextCursor::End);
    m_text1->setTextCursor(cursor);
    cursor.setPosition(start + heading->length);
    cursor.setPosition(start, QTextCursor::KeepAnchor);
    m_text1->setTextCursor(cursor);
    m_text1->ensureCursorVisible();
}

void FrmHelp::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int width = this->width() - m_text1->x() - twipsToPixels(TextRightMargin);
    const int height = this->height() - twipsToPixels(TextHeightAllowance);
    if (width <= 0 || height <= 0)
        return;
    m_text1->resize(width, height);
}
