#include "prompts.h"

namespace platform {
namespace {

class SilentPrompts final : public Prompts {
public:
    MessageAnswer message(const MessageRequest &request) override
    {
        switch (request.buttons) {
        case MessageButtons::Ok:
        case MessageButtons::OkCancel:
            return MessageAnswer::Ok;
        case MessageButtons::YesNo:
        case MessageButtons::YesNoCancel:
            return MessageAnswer::Yes;
        case MessageButtons::RetryCancel:
            return MessageAnswer::Retry;
        case MessageButtons::AbortRetryIgnore:
            return MessageAnswer::Abort;
        }
        return MessageAnswer::Ok;
    }
    std::optional<QString> input(const InputRequest &) override { return QString(); }
    std::optional<QString> openFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<QString> saveFileName(const FileRequest &) override { return std::nullopt; }
    std::optional<quint32> color(quint32) override { return std::nullopt; }
};

SilentPrompts silentPrompts;
Prompts *installed = nullptr;

} // namespace

Prompts &prompts()
{
    return installed ? *installed : silentPrompts;
}

void setPrompts(Prompts *prompts)
{
    installed = prompts;
}

MessageAnswer messageBox(const QString &text, MessageButtons buttons, MessageIcon icon,
                         const QString &title)
{
    return prompts().message({text, title, icon, buttons});
}

} // namespace platform
