#include "platform/component.h"
#include "platform/busy_pointer.h"
#include "platform/component_registry.h"
#include "platform/desktop.h"
#include "platform/property_bag.h"
#include "platform/qt_prompts.h"
#include "platform/system_colors.h"
#include "tests/platform/widget_test_app.h"

#include <QCursor>
#include <QPrinter>
#include <QGuiApplication>
#include <QWidget>

#include <gtest/gtest.h>

using namespace platform;

namespace {

struct RecordingSink final : EventSink {
    QStringList log;
    void componentEvent(DispId id) override { log.append(QStringLiteral("event %1").arg(id)); }
    void propertyChanged(const QString &name) override { log.append(QStringLiteral("changed ") + name); }
};

class ComponentFramework : public testing::Test {
protected:
    static void SetUpTestSuite() { addComponentSearchPath(QStringLiteral(PROBE_PLUGIN_DIR)); }
    QWidget host;
};

} // namespace

TEST_F(ComponentFramework, FindsThePluginByItsClassIdentifier)
{
    const auto info = findComponent(QStringLiteral("Pavisto.Probe"));
    ASSERT_TRUE(info);
    EXPECT_EQ(info->typeLibrary, "ProbeLib");
    EXPECT_EQ(info->description, "Component framework probe");
    EXPECT_FALSE(findComponent(QStringLiteral("Pavisto.Nothing")));
    EXPECT_FALSE(createComponent(QStringLiteral("Pavisto.Nothing"), &host));
    EXPECT_FALSE(createComponent(QString(), &host));
}

TEST_F(ComponentFramework, NewInstanceHearsItsInitialisationAndIsCalledByIdentifier)
{
    RecordingSink sink;
    const Component probe = createComponent(QStringLiteral("Pavisto.Probe"), &host, &sink);
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe.widget->parent(), &host);
    EXPECT_EQ(probe.dispatch->getProperty(1), QVariant(QStringLiteral("new")));
    EXPECT_FALSE(probe.dispatch->getProperty(99));

    EXPECT_TRUE(probe.dispatch->putProperty(1, QStringLiteral("set")));
    QVariantList arguments{21};
    EXPECT_TRUE(probe.dispatch->invoke(2, arguments));
    EXPECT_EQ(arguments[0].toInt(), 42);
    EXPECT_FALSE(invoke(*probe.dispatch, 2)); // wrong argument count
    EXPECT_EQ(sink.log, (QStringList{"event 1", "changed Text", "event 7"}));
}

TEST_F(ComponentFramework, LoadedInstanceReadsItsBagAndSavesOnlyChanges)
{
    PropertyBag bag;
    bag.write("Text", QStringLiteral("stored"), QStringLiteral("new"));
    const Component probe = createComponent(QStringLiteral("Pavisto.Probe"), &host, nullptr, &bag);
    ASSERT_TRUE(probe);
    EXPECT_EQ(probe.dispatch->getProperty(1), QVariant(QStringLiteral("stored")));

    probe.dispatch->putProperty(1, QStringLiteral("new"));
    PropertyBag saved;
    probe.dispatch->save(saved);
    EXPECT_TRUE(saved.isEmpty());
}

TEST(SystemColors, MapOntoPaletteRolesAndPlainValuesAreBlueGreenRed)
{
    QPalette palette;
    palette.setColor(QPalette::Base, QColor(1, 2, 3));
    palette.setColor(QPalette::Button, QColor(4, 5, 6));
    palette.setColor(QPalette::WindowText, QColor(7, 8, 9));
    palette.setColor(QPalette::Dark, QColor(10, 11, 12));

    EXPECT_EQ(toQColor(0x80000005u, palette), QColor(1, 2, 3));
    EXPECT_EQ(toQColor(0x8000000Fu, palette), QColor(4, 5, 6));
    EXPECT_EQ(toQColor(0x80000008u, palette), QColor(7, 8, 9));
    EXPECT_EQ(toQColor(0x8000000Cu, palette), QColor(10, 11, 12));
    EXPECT_EQ(toQColor(0x80000099u, palette), QColor(Qt::black));
    EXPECT_EQ(toQColor(0x00C0FF10u, palette), QColor(0x10, 0xFF, 0xC0));
    EXPECT_EQ(fromQColor(QColor(0x10, 0xFF, 0xC0)), 0x00C0FF10u);
    EXPECT_FALSE(systemColorRole(-1));
    EXPECT_EQ(systemColorRole(0x12), QPalette::ButtonText);
}

TEST(QtPromptsFilter, PairsOfCaptionAndPatternBecomeQtFilters)
{
    const struct {
        const char *in;
        const char *out;
    } rows[] = {
        {"PGN Files (*.pgn)|*.pgn|All Files (*.*)|*.*", "PGN Files (*.pgn);;All Files (*.*)"},
        {"Text|*.txt|All|*.*", "Text (*.txt);;All (*.*)"},
        {"Games|*.pgn;*.txt", "Games (*.pgn *.txt)"},
        {"|*.pgn", "*.pgn (*.pgn)"},
        {"Dangling", ""},
        {"", ""},
    };
    for (const auto &row : rows)
        EXPECT_EQ(toQtFileFilter(QString::fromLatin1(row.in)), QString::fromLatin1(row.out)) << row.in;
}

TEST(Desktop, BusyPointerShowsTheWaitCursorWhileGuarded)
{
    installBusyPointerCursor();
    {
        BusyPointer busy;
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    setBusyPointerHandler({});
}

TEST(Desktop, AStandInReplacesTheRealServices)
{
    struct StandIn final : Desktop {
        QStringList started;
        void setClipboardText(const QString &) override {}
        QString clipboardText() const override { return {}; }
        void setClipboardImage(const QImage &) override {}
        QImage clipboardImage() const override { return {}; }
        bool hasDefaultPrinter() const override { return false; }
        std::unique_ptr<QPrinter> defaultPrinter() override { return nullptr; }
        bool startProgram(const QString &program, const QStringList &) override
        {
            started.append(program);
            return true;
        }
        QString programFolder() const override { return QStringLiteral("/opt/pavisto"); }
        QString programVersion() const override { return QStringLiteral("9.9.9"); }
    } standIn;

    EXPECT_FALSE(desktop().programVersion().isEmpty());
    EXPECT_FALSE(desktop().startProgram(QString(), {}));
    setDesktop(&standIn);
    desktop().startProgram(QStringLiteral("editor"), {QStringLiteral("game.pgn")});
    EXPECT_EQ(standIn.started, QStringList{"editor"});
    EXPECT_EQ(desktop().programFolder(), "/opt/pavisto");
    setDesktop(nullptr);
    EXPECT_EQ(desktop().programFolder(), QCoreApplication::applicationDirPath());
}
