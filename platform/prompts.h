#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

namespace platform {

// The icon a message box shows.
enum class MessageIcon { None, Critical, Question, Exclamation, Information };

// The button set of a message box.
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel, AbortRetryIgnore };

// The button the user pressed to close a message box.
enum class MessageAnswer { Ok, Cancel, Yes, No, Retry, Abort, Ignore };

struct MessageRequest {
    QString text;
    QString title;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

struct InputRequest {
    QString text;
    QString title;
    QString defaultValue;
};

struct FileRequest {
    QString title;
    QString filter;    // "PGN Files (*.pgn)|*.pgn|All Files (*.*)|*.*" style, pairs of caption and pattern
    QString fileName;  // preset name, may be empty
};

// Every modal question the programs ask goes through this interface, so tests can
// answer it from a script instead of a window. An empty optional means cancelled.
class Prompts {
public:
    virtual ~Prompts() = default;

    virtual MessageAnswer message(const MessageRequest &request) = 0;
    virtual std::optional<QString> input(const InputRequest &request) = 0;
    virtual std::optional<QString> openFileName(const FileRequest &request) = 0;
    virtual std::optional<QString> saveFileName(const FileRequest &request) = 0;
    // Colours are 0x00BBGGRR values.
    virtual std::optional<quint32> color(quint32 initial) = 0;
};

// The prompts every component of the process uses. Until a host installs its own
// (the viewer installs real dialogs), questions are answered silently: the first
// button of the set, empty input, cancelled file and colour dialogs.
Prompts &prompts();

// Installs the process-wide prompts; nullptr restores the silent default.
// The caller keeps ownership and must outlive its use.
void setPrompts(Prompts *prompts);

// Shorthand for a message box.
MessageAnswer messageBox(const QString &text, MessageButtons buttons, MessageIcon icon,
                         const QString &title);

} // namespace platform
