#pragma once

#include "prompts.h"

#include <QList>
#include <QVariant>

#include <deque>

namespace platform {

// Answers prompts from a queue prepared in advance and records every prompt, so tests
// can assert on exact texts and never block. A prompt with no queued answer gets the
// silent default (first button, cancelled dialog) and is still recorded.
class ScriptedPrompts final : public Prompts {
public:
    enum class Kind { Message, Input, OpenFile, SaveFile, Color };

    struct Record {
        Kind kind;
        QString text;   // message or input text; dialog title for file dialogs
        QString title;
        MessageIcon icon = MessageIcon::None;
        MessageButtons buttons = MessageButtons::Ok;
        QString filter; // file dialogs
        QString fileName;
    };

    ScriptedPrompts();  // installs itself
    ~ScriptedPrompts() override; // restores the silent default

    void queueAnswer(MessageAnswer answer) { m_answers.push_back(answer); }
    // A null optional answers a dialog or input box with Cancel.
    void queueText(std::optional<QString> text) { m_texts.push_back(std::move(text)); }
    void queueColor(std::optional<quint32> color) { m_colors.push_back(color); }

    const QList<Record> &records() const { return m_records; }
    void clearRecords() { m_records.clear(); }

    MessageAnswer message(const MessageRequest &request) override;
    std::optional<QString> input(const InputRequest &request) override;
    std::optional<QString> openFileName(const FileRequest &request) override;
    std::optional<QString> saveFileName(const FileRequest &request) override;
    std::optional<quint32> color(quint32 initial) override;

private:
    std::optional<QString> nextText(std::optional<QString> fallback);

    std::deque<MessageAnswer> m_answers;
    std::deque<std::optional<QString>> m_texts;
    std::deque<std::optional<quint32>> m_colors;
    QList<Record> m_records;
};

} // namespace platform
