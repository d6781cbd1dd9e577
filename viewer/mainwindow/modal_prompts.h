#pragma once

#include "platform/prompts.h"

// Forwards every prompt to the prompts that were installed before it and counts those
// that are open. A real dialog runs its own event loop, in which timers fire and queued
// events arrive; the main window asks isOpen() so that auto play does not advance and
// no command handler is re-entered from inside a prompt.
class ModalPrompts final : public platform::Prompts {
public:
    ModalPrompts();           // installs itself over the current prompts
    ~ModalPrompts() override; // puts the previous prompts back
    ModalPrompts(const ModalPrompts &) = delete;
    ModalPrompts &operator=(const ModalPrompts &) = delete;

    bool isOpen() const { return m_open > 0; }

    platform::MessageAnswer message(const platform::MessageRequest &request) override;
    std::optional<QString> input(const platform::InputRequest &request) override;
    std::optional<QString> openFileName(const platform::FileRequest &request) override;
    std::optional<QString> saveFileName(const platform::FileRequest &request) override;
    std::optional<quint32> color(quint32 initial) override;

private:
    template <typename Call>
    auto whileOpen(Call call);

    platform::Prompts *m_target = nullptr;
    int m_open = 0;
};
