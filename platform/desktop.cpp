#include "desktop.h"

#include "busy_pointer.h"

#include <QClipboard>
#include <QCursor>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>

namespace platform {
namespace {

class QtDesktop final : public Desktop {
public:
    void setClipboardText(const QString &text) override { QGuiApplication::clipboard()->setText(text); }
    QString clipboardText() const override { return QGuiApplication::clipboard()->text(); }
    void setClipboardImage(const QImage &image) override { QGuiApplication::clipboard()->setImage(image); }
    QImage clipboardImage() const override { return QGuiApplication::clipboard()->image(); }

    bool hasDefaultPrinter() const override { return !QPrinterInfo::defaultPrinter().isNull(); }

    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        const QPrinterInfo info = QPrinterInfo::defaultPrinter();
        if (info.isNull())
            return nullptr;
        return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }

    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        return !program.isEmpty() && QProcess::startDetached(program, arguments);
    }

    QString programFolder() const override { return QCoreApplication::applicationDirPath(); }
    QString programVersion() const override
    {
        const QString version = QCoreApplication::applicationVersion();
        return version.isEmpty() ? QStringLiteral(PAVISTO_VERSION) : version;
    }
};

QtDesktop realDesktop;
Desktop *installed = nullptr;

} // namespace

Desktop &desktop()
{
    return installed ? *installed : realDesktop;
}

void setDesktop(Desktop *standIn)
{
    installed = standIn;
}

void installBusyPointerCursor()
{
    setBusyPointerHandler([](bool busy) {
        if (busy)
            QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
        else
            QGuiApplication::restoreOverrideCursor();
    });
}

} // namespace platform
