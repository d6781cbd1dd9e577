#pragma once

#include "tests/viewer/mainwindow/main_window_fixture.h"

#include "platform/board_proxy.h"
#include "platform/desktop.h"

#include <QCoreApplication>
#include <QImage>
#include <QPrinter>

namespace testsupport {

// Desktop services that record what the program hands them: clipboard, printer,
// started programs. The printer, when one is set, writes a PDF file.
class RecordingDesktop final : public platform::Desktop {
public:
    struct Start {
        QString program;
        QStringList arguments;
    };

    void setClipboardText(const QString &text) override
    {
        m_text = text;
        m_image = QImage();
        ++m_clipboardWrites;
    }
    QString clipboardText() const override { return m_text; }
    void setClipboardImage(const QImage &image) override
    {
        m_image = image;
        m_text.clear();
        ++m_clipboardWrites;
    }
    QImage clipboardImage() const override { return m_image; }

    bool hasDefaultPrinter() const override { return !m_printerFile.isEmpty(); }
    std::unique_ptr<QPrinter> defaultPrinter() override
    {
        if (m_printerFile.isEmpty())
            return nullptr;
        auto printer = std::make_unique<QPrinter>();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_printerFile);
        ++m_printJobs;
        return printer;
    }

    bool startProgram(const QString &program, const QStringList &arguments) override
    {
        m_started.append({program, arguments});
        return m_startablePrograms.contains(program);
    }

    QString programFolder() const override { return m_folder; }
    QString programVersion() const override { return m_version; }

    QString m_text;
    QImage m_image;
    int m_clipboardWrites = 0;
    QString m_printerFile; // no printer while empty
    int m_printJobs = 0;
    QList<Start> m_started;
    QStringList m_startablePrograms;
    QString m_folder;
    QString m_version = QStringLiteral("1.2.0");
};

// A main window over recording desktop services, with a small game file to open.
class BoardWindowsTest : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        m_desktop.m_folder = m_dir.path();
        platform::setDesktop(&m_desktop);
    }
    void TearDown() override
    {
        m_window.reset();
        platform::setDesktop(nullptr);
    }

    // Writes the PGN text to a file of the test's folder, opens it and loads its first game.
    void loadGame(const QByteArray &pgn)
    {
        const QString path = m_dir.filePath(QStringLiteral("games.pgn"));
        writeFile(path, pgn);
        openFile(path);
        selectGame(0);
        click("Load");
        m_prompts.clearRecords();
    }

    platform::BoardProxy &mainBoard() { return m_window->board(); }

    RecordingDesktop m_desktop;
};

// Morphy's opera game, 33 plies.
inline const QByteArray OperaGame =
    "[Event \"Paris\"]\r\n[Site \"Paris FRA\"]\r\n[Date \"1858.??.??\"]\r\n[Round \"?\"]\r\n"
    "[White \"Paul Morphy\"]\r\n[Black \"Duke Karl / Count Isouard\"]\r\n[Result \"1-0\"]\r\n\r\n"
    "1.e4 e5 2.Nf3 d6 3.d4 Bg4 4.dxe5 Bxf3 5.Qxf3 dxe5 6.Bc4 Nf6 7.Qb3 Qe7 8.Nc3 c6\r\n"
    "9.Bg5 b5 10.Nxb5 cxb5 11.Bxb5+ Nbd7 12.O-O-O Rd8 13.Rxd7 Rxd7 14.Rd1 Qe6\r\n"
    "15.Bxd7+ Nxd7 16.Qb8+ Nxb8 17.Rd8# 1-0\r\n\r\n";

} // namespace testsupport
