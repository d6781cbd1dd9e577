#pragma once

#include <QString>
#include <QtGlobal>

namespace pavisto {

// The six settings kept between runs. Promotion piece and square colours belong to
// the main board; the main window copies them in and out.
struct StartupSettings {
    QString promotionPiece = QStringLiteral("Q");
    QString autoPlayMode = QStringLiteral("PNP");
    qint16 autoPlaySpeed = 1;
    QString moveListStyle = QStringLiteral("L");
    qint32 lightSquareColor = 0xFFFFFF; // 0x00BBGGRR; negative for a system colour
    qint32 darkSquareColor = 0xC0C0C0;
};

// Where pavisto.txt is kept: the program's folder, or the per-user configuration
// folder where the program's folder cannot be written.
struct StartupFileLocation {
    QString programFolder;
    QString userFolder;

    // The program's folder and the application's configuration folder.
    static StartupFileLocation standard();
    // The file read and written.
    QString filePath() const;
};

inline constexpr char StartupFileName[] = "pavisto.txt";

// Reads the file into `settings`, which holds the defaults. Any failure ends the read
// silently; what was read before it stays in effect as far as the read order allows.
void ReadStartupFile(StartupSettings &settings, const StartupFileLocation &location);

// Writes the six lines, each ending in CR LF. Failures are silent; returns whether
// the file was written.
bool WriteStartupFile(const StartupSettings &settings, const StartupFileLocation &location);

// The file's text for the settings.
QByteArray startupFileText(const StartupSettings &settings);

} // namespace pavisto
