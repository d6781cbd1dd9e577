#pragma once

#include "viewer/mainwindow/hosted_board.h"
#include "viewer/mainwindow/frmmain.h"

#include "platform/component_registry.h"
#include "platform/scripted_prompts.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace testsupport {

// A main window with scripted prompts and its startup file in a folder of its own.
// Tests that need the board skip when the board control plugin has not been built.
class MainWindowTest : public testing::Test {
protected:
    void SetUp() override
    {
        static const bool searchPathAdded = [] {
            platform::addComponentSearchPath(QStringLiteral(PAVISTO_PLUGIN_DIR));
            return true;
        }();
        (void)searchPathAdded;
        ASSERT_TRUE(m_dir.isValid());
        m_location.programFolder = m_dir.path();
        m_location.userFolder = m_dir.filePath(QStringLiteral("user"));
    }

    // Creates the window; false (and the test is skipped) without the board plugin.
    bool start()
    {
        m_window = std::make_unique<FrmMain>(m_location);
        return m_window->board().isValid();
    }

    QString startupFile() const { return m_dir.filePath(QStringLiteral("pavisto.txt")); }

    void writeFile(const QString &path, const QByteArray &bytes) const
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // A copy of a shared PGN file in the test's folder, so saving may write it.
    QString copyOfData(const QString &relative) const
    {
        const QString target = m_dir.filePath(QFileInfo(relative).fileName());
        QFile::remove(target);
        QFile::copy(QStringLiteral(PAVISTO_TEST_DATA_DIR "/") + relative, target);
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        return target;
    }

    void openFile(const QString &path)
    {
        m_prompts.queueText(path);
        m_window->Toolbar1_ButtonClick(QStringLiteral("Open"));
    }

    void click(const char *key) { m_window->Toolbar1_ButtonClick(QLatin1String(key)); }
    void trigger(const char *item) { m_window->menuItem(QLatin1String(item))->trigger(); }

    template <typename Widget = QWidget>
    Widget *control(const char *name) const
    {
        return m_window->findChild<Widget *>(QLatin1String(name));
    }

    QString labelText(const char *name) const { return control<QLabel>(name)->text(); }
    QString moveListBox() const { return control<QPlainTextEdit>("txtMoveList")->toPlainText(); }
    QListView *gameList() const { return control<QListView>("lstPGNFiles"); }
    int listIndex() const { return gameList()->currentIndex().row(); }

    void selectGame(int index)
    {
        gameList()->setCurrentIndex(gameList()->model()->index(index, 0));
    }

    QStringList tagList() const
    {
        QStringList lines;
        auto *tags = control<QListWidget>("lstTags");
        for (int i = 0; i < tags->count(); ++i)
            lines << tags->item(i)->text();
        return lines;
    }

    QTemporaryDir m_dir;
    pavisto::StartupFileLocation m_location;
    platform::ScriptedPrompts m_prompts; // before the window, which counts the prompts on top
    std::unique_ptr<FrmMain> m_window;
};

} // namespace testsupport

#define START_WINDOW_OR_SKIP()                                                                     \
    do {                                                                                           \
        if (!start())                                                                              \
            GTEST_SKIP() << "the board control plugin is not built";                               \
    } while (false)
