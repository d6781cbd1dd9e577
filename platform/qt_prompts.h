#pragma once

#include "prompts.h"

#include <QPointer>
#include <QWidget>

namespace platform {

// The prompts as real modal dialogs: message box, input box, file dialogs and the
// colour chooser, each centred on the given parent window.
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}

    void setParent(QWidget *parent) { m_parent = parent; }

    MessageAnswer message(const MessageRequest &request) override;
    std::optional<QString> input(const InputRequest &request) override;
    std::optional<QString> openFileName(const FileRequest &request) override;
    std::optional<QString> saveFileName(const FileRequest &request) override;
    std::optional<quint32> color(quint32 initial) override;

private:
    QPointer<QWidget> m_parent;
};

// Turns a "Caption|pattern|Caption|pattern" filter into Qt's ";;"-separated form with
// the patterns of each pair in brackets after its caption: "PGN Files (*.pgn)|*.pgn|All|*.*"
// becomes "PGN Files (*.pgn);;All (*.*)" (a caption that already shows its patterns
// keeps them once). Patterns separated by ";" become space separated; a trailing caption
// without a pattern is dropped.
QString toQtFileFilter(const QString &filter);

} // namespace platform
