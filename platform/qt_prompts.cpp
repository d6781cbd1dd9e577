#include "qt_prompts.h"

#include "system_colors.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

#include <utility>

namespace platform {
namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::None: return QMessageBox::NoIcon;
    case MessageIcon::Critical: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    }
    return QMessageBox::NoIcon;
}

using ButtonPair = std::pair<QMessageBox::StandardButton, MessageAnswer>;

QList<ButtonPair> buttonsOf(MessageButtons buttons)
{
    using B = QMessageBox;
    using A = MessageAnswer;
    switch (buttons) {
    case MessageButtons::Ok: return {{B::Ok, A::Ok}};
    case MessageButtons::OkCancel: return {{B::Ok, A::Ok}, {B::Cancel, A::Cancel}};
    case MessageButtons::YesNo: return {{B::Yes, A::Yes}, {B::No, A::No}};
    case MessageButtons::YesNoCancel: return {{B::Yes, A::Yes}, {B::No, A::No}, {B::Cancel, A::Cancel}};
    case MessageButtons::RetryCancel: return {{B::Retry, A::Retry}, {B::Cancel, A::Cancel}};
    case MessageButtons::AbortRetryIgnore: return {{B::Abort, A::Abort}, {B::Retry, A::Retry}, {B::Ignore, A::Ignore}};
    }
    return {{B::Ok, A::Ok}};
}

} // namespace

MessageAnswer QtPrompts::message(const MessageRequest &request)
{
    QMessageBox box(toQtIcon(request.icon), request.title, request.text, QMessageBox::NoButton, m_parent);
    const QList<ButtonPair> pairs = buttonsOf(request.buttons);
    for (const auto &[button, answer] : pairs)
        box.addButton(button);
    box.setDefaultButton(pairs.front().first);
    // Closing the box with Escape or the title bar counts as its cancelling button.
    const auto cancelling = std::find_if(pairs.begin(), pairs.end(), [](const ButtonPair &pair) {
        return pair.second == MessageAnswer::Cancel || pair.second == MessageAnswer::No;
    });
    box.setEscapeButton(cancelling != pairs.end() ? cancelling->first : pairs.front().first);
    const auto pressed = QMessageBox::StandardButton(box.exec());
    for (const auto &[button, answer] : pairs) {
        if (button == pressed)
            return answer;
    }
    return pairs.front().second;
}

std::optional<QString> QtPrompts::input(const InputRequest &request)
{
    bool accepted = false;
    const QString text = QInputDialog::getText(m_parent, request.title, request.text, QLineEdit::Normal,
                                               request.defaultValue, &accepted);
    if (!accepted)
        return std::nullopt;
    return text;
}

std::optional<QString> QtPrompts::openFileName(const FileRequest &request)
{
    const QString name = QFileDialog::getOpenFileName(m_parent, request.title, request.fileName,
                                                      toQtFileFilter(request.filter));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> QtPrompts::saveFileName(const FileRequest &request)
{
    const QString name = QFileDialog::getSaveFileName(m_parent, request.title, request.fileName,
                                                      toQtFileFilter(request.filter));
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<quint32> QtPrompts::color(quint32 initial)
{
    const QColor chosen = QColorDialog::getColor(toQColor(initial), m_parent);
    if (!chosen.isValid())
        return std::nullopt;
    return fromQColor(chosen);
}

QString toQtFileFilter(const QString &filter)
{
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString caption = parts[i].trimmed();
        const QString patterns = QString(parts[i + 1]).replace(QLatin1Char(';'), QLatin1Char(' ')).simplified();
        if (patterns.isEmpty())
            continue;
        if (caption.endsWith(QStringLiteral("(%1)").arg(patterns)))
            entries.append(caption);
        else
            entries.append(QStringLiteral("%1 (%2)").arg(caption.isEmpty() ? patterns : caption, patterns));
    }
    return entries.join(QStringLiteral(";;"));
}

} // namespace platform
