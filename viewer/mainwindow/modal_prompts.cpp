#include "modal_prompts.h"

ModalPrompts::ModalPrompts() : m_target(&platform::prompts())
{
    platform::setPrompts(this);
}

ModalPrompts::~ModalPrompts()
{
    if (&platform::prompts() == this)
        platform::setPrompts(m_target);
}

template <typename Call>
auto ModalPrompts::whileOpen(Call call)
{
    ++m_open;
    struct Closer {
        int &open;
        ~Closer() { --open; }
    } closer{m_open};
    return call(*m_target);
}

platform::MessageAnswer ModalPrompts::message(const platform::MessageRequest &request)
{
    return whileOpen([&](platform::Prompts &p) { return p.message(request); });
}

std::optional<QString> ModalPrompts::input(const platform::InputRequest &request)
{
    return whileOpen([&](platform::Prompts &p) { return p.input(request); });
}

std::optional<QString> ModalPrompts::openFileName(const platform::FileRequest &request)
{
    return whileOpen([&](platform::Prompts &p) { return p.openFileName(request); });
}

std::optional<QString> ModalPrompts::saveFileName(const platform::FileRequest &request)
{
    return whileOpen([&](platform::Prompts &p) { return p.saveFileName(request); });
}

std::optional<quint32> ModalPrompts::color(quint32 initial)
{
    return whileOpen([&](platform::Prompts &p) { return p.color(initial); });
}
