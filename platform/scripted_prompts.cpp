#include "scripted_prompts.h"

namespace platform {

ScriptedPrompts::ScriptedPrompts()
{
    setPrompts(this);
}

ScriptedPrompts::~ScriptedPrompts()
{
    if (&prompts() == this)
        setPrompts(nullptr);
}

MessageAnswer ScriptedPrompts::message(const MessageRequest &request)
{
    m_records.append({Kind::Message, request.text, request.title, request.icon, request.buttons, {}, {}});
    if (m_answers.empty()) {
        setPrompts(nullptr);
        const MessageAnswer fallback = prompts().message(request);
        setPrompts(this);
        return fallback;
    }
    const MessageAnswer answer = m_answers.front();
    m_answers.pop_front();
    return answer;
}

std::optional<QString> ScriptedPrompts::nextText(std::optional<QString> fallback)
{
    if (m_texts.empty())
        return fallback;
    std::optional<QString> text = std::move(m_texts.front());
    m_texts.pop_front();
    return text;
}

std::optional<QString> ScriptedPrompts::input(const InputRequest &request)
{
    m_records.append({Kind::Input, request.text, request.title, MessageIcon::None, MessageButtons::OkCancel, {},
                      request.defaultValue});
    return nextText(QString());
}

std::optional<QString> ScriptedPrompts::openFileName(const FileRequest &request)
{
    m_records.append({Kind::OpenFile, request.title, request.title, MessageIcon::None, MessageButtons::OkCancel,
                      request.filter, request.fileName});
    return nextText(std::nullopt);
}

std::optional<QString> ScriptedPrompts::saveFileName(const FileRequest &request)
{
    m_records.append({Kind::SaveFile, request.title, request.title, MessageIcon::None, MessageButtons::OkCancel,
                      request.filter, request.fileName});
    return nextText(std::nullopt);
}

std::optional<quint32> ScriptedPrompts::color(quint32 initial)
{
    m_records.append({Kind::Color, {}, {}, MessageIcon::None, MessageButtons::OkCancel, {},
                      QString::number(initial)});
    if (m_colors.empty())
        return std::nullopt;
    const std::optional<quint32> answer = m_colors.front();
    m_colors.pop_front();
    return answer;
}

} // namespace platform
