#pragma once

#include "tests/viewer/mainwindow/main_window_fixture.h"

#include "platform/board_proxy.h"
#include "viewer/dialogs/frm_variation.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QTest>

namespace testsupport {

// A main window with helpers to open one of its secondary windows and reach its
// controls by name.
class EditWindowsTest : public MainWindowTest {
protected:
    // Opens a window by its menu item and returns it (nullptr when it did not open).
    QWidget *open(const char *item, const char *window)
    {
        trigger(item);
        QWidget *result = m_window->findChild<QWidget *>(QLatin1String(window));
        return result && result->isVisible() ? result : nullptr;
    }

    template <typename Widget = QWidget>
    static Widget *in(QWidget *window, const char *name)
    {
        return window->findChild<Widget *>(QLatin1String(name));
    }

    static void press(QWidget *window, const char *button) { in<QAbstractButton>(window, button)->click(); }

    static void type(QWidget *window, const char *field, const QString &text)
    {
        in<QLineEdit>(window, field)->setText(text);
    }

    // Lets closed windows be deleted.
    static void settle() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    platform::BoardProxy &variation() const { return m_window->variationBoard().board(); }

    // The last prompt, as "title|text".
    QString lastPrompt() const
    {
        if (m_prompts.records().isEmpty())
            return {};
        const auto &record = m_prompts.records().last();
        return record.title + QLatin1Char('|') + record.text;
    }
};

} // namespace testsupport
