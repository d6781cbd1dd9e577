#include "file_io.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace pavisto {

FileContents readAllBytes(QIODevice &device)
{
    FileContents contents;
    QByteArray &bytes = contents.bytes;
    // One read of the known size, then on until the device reports its end: files
    // whose size is not known beforehand (or that grow) are read whole too.
    bytes.resize(qsizetype(qMax<qint64>(device.isSequential() ? 0 : device.size() - device.pos(), 0)) + 1);
    qsizetype got = 0;
    for (;;) {
        if (got == bytes.size())
            bytes.resize(bytes.size() * 2);
        const qint64 n = device.read(bytes.data() + got, bytes.size() - got);
        if (n < 0) {
            contents.error = device.errorString();
            break;
        }
        if (n == 0)
            break;
        got += qsizetype(n);
    }
    bytes.resize(got);
    if (bytes.capacity() - got > 65536)
        bytes.squeeze();
    return contents;
}

FileContents readFileBytes(const QString &path)
{
    // Only a regular file has an end to read up to: the open of a FIFO without a writer
    // would wait for one forever, and a device like /dev/zero would fill the memory.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return {{}, QStringLiteral("Not a regular file")};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {{}, file.errorString()};
    return readAllBytes(file);
}

bool writeAll(QIODevice &out, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 n = out.write(bytes.data(), bytes.size());
        if (n <= 0)
            return false;
        bytes = bytes.sliced(n);
    }
    return true;
}

std::optional<QString> writeFileAtomically(const QString &path, const std::function<void(QIODevice &)> &write)
{
    QSaveFile file(path);
    // Unbuffered, so a failed write shows at once and not in a flush at commit(),
    // where QSaveFile would not notice it and rename the short file anyway.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    write(file);
    if (file.error() != QFileDevice::NoError) {
        // Whatever was written stays in the temporary file, which cancelling removes.
        const QString error = file.errorString();
        file.cancelWriting();
        file.commit();
        return error;
    }
    if (!file.commit())
        return file.errorString();
    return std::nullopt;
}

} // namespace pavisto
