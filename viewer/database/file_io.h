#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <functional>
#include <optional>

class QIODevice;

namespace pavisto {

struct FileContents {
    QByteArray bytes;            // everything read, also when reading failed part way
    std::optional<QString> error; // the system's description of a failure
};

// Reads an open device to its end in one buffer.
FileContents readAllBytes(QIODevice &device);
FileContents readFileBytes(const QString &path);

// Writes all of the bytes, retrying after a short write, so that a full disk or a
// file size limit shows as the device's error instead of a silently shorter file.
bool writeAll(QIODevice &out, QByteArrayView bytes);

// Writes `path` through a temporary file in the same folder that replaces the target
// only when everything was written, so a failure leaves the old file as it was.
// Returns the system's description of a failure, nothing on success.
// `write` must use writeAll().
std::optional<QString> writeFileAtomically(const QString &path, const std::function<void(QIODevice &)> &write);

} // namespace pavisto
