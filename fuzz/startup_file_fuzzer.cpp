// Arbitrary bytes as the startup file: the read, and a write of what was read, which
// must read back into the same settings.
#include "viewer/database/startup_file.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

using namespace pavisto;

namespace {

bool operator==(const StartupSettings &a, const StartupSettings &b)
{
    return a.promotionPiece == b.promotionPiece && a.autoPlayMode == b.autoPlayMode
        && a.autoPlaySpeed == b.autoPlaySpeed && a.moveListStyle == b.moveListStyle
        && a.lightSquareColor == b.lightSquareColor && a.darkSquareColor == b.darkSquareColor;
}

void writeFile(const QString &path, QByteArrayView bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes.data(), bytes.size()) != bytes.size())
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static QTemporaryDir folder;
    const StartupFileLocation location{folder.path(), folder.path()};
    writeFile(location.filePath(), QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));

    StartupSettings settings;
    ReadStartupFile(settings, location);

    writeFile(location.filePath(), startupFileText(settings));
    StartupSettings reread;
    ReadStartupFile(reread, location);
    if (!(reread == settings))
        std::abort();
    return 0;
}
