#include "file_io.h"

#include <QFile>
#include <QSaveFile>

namespace pavisto {

FileContents readAllBytes(QIODevice &device)
{
    FileContents contents;
    if (device.isSequential()) {
        contents.bytes = device.readAll();
        return contents;
    }
    const qint64 size = device.size() - device.pos();
    contents.bytes.resize(qsizetype(size));
    qsizetype got = 0;
    while (got < contents.bytes.size()) {
        const qint64 n = device.read(contents.bytes.data() + got, contents.bytes.size() - got);
        if (n < 0) {
            contents.error = device.errorString();
            break;
        }
        if (n == 0)
            break;
        got += qsizetype(n);
    }
    contents.bytes.resize(got);
    return contents;
}

FileContents readFileBytes(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    return readAllBytes(file);
}

std::optional<QString> writeFileAtomically(const QString &path, const std::function<void(QIODevice &)> &write)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    write(file);
    // QSaveFile remembers a failed write, so commit() also reports a full disk.
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace pavisto
