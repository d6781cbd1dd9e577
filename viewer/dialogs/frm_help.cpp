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
#include <QTextCursor>

namespace {

using platform::twipsToPixels;

// The text area takes the window's size less these margins; the topic list keeps its size.
constexpr int TextWidthAllowance = 2415;
constexpr int TextHeightAllowance = 540;
constexpr int TextLeft = 2280;
constexpr int TextTop = 360;

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

    resize(twipsToPixels(TextLeft + 6600 + TextWidthAllowance - TextLeft),
           twipsToPixels(5400 + TextHeightAllowance));
    loadHelpFile();
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
    const int width = this->width() - twipsToPixels(TextWidthAllowance);
    const int height = this->height() - twipsToPixels(TextHeightAllowance);
    if (width <= 0 || height <= 0)
        return;
    m_text1->resize(width, height);
}
