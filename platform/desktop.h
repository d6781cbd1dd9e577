#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <memory>

QT_BEGIN_NAMESPACE
class QPrinter;
QT_END_NAMESPACE

namespace platform {

// The desktop services the programs call on, behind one interface so that a test can
// install a stand-in and observe them.
class Desktop {
public:
    virtual ~Desktop() = default;

    virtual void setClipboardText(const QString &text) = 0;
    virtual QString clipboardText() const = 0;
    virtual void setClipboardImage(const QImage &image) = 0;
    virtual QImage clipboardImage() const = 0;

    // Whether the system names a default printer.
    virtual bool hasDefaultPrinter() const = 0;
    // A printer set up for the default printer, or nullptr when there is none.
    virtual std::unique_ptr<QPrinter> defaultPrinter() = 0;

    // Starts a program without waiting for it; false when it could not be started.
    virtual bool startProgram(const QString &program, const QStringList &arguments) = 0;

    // The folder the running program was started from.
    virtual QString programFolder() const = 0;
    // The program's version text, "major.minor.patch".
    virtual QString programVersion() const = 0;
};

// The desktop services in use: the real ones until a stand-in is installed.
Desktop &desktop();
// Installs a stand-in (nullptr restores the real services). The caller keeps ownership.
void setDesktop(Desktop *standIn);

// Lets platform::BusyPointer show the wait cursor through the application's override
// cursor. Call once the QApplication exists.
void installBusyPointerCursor();

} // namespace platform
