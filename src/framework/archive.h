#pragma once

#include "core/ole_date_time.h"
#include "framework/container_size.h"

#include <QString>

class QIODevice;

// Little-endian reader or writer of study files on a QIODevice. Errors are sticky: after the
// first failure every read gives a default value and error() tells what went wrong, so a
// reader may read all of its fields and check once at the end. The device holds the whole of
// the data (a file or a buffer): every read checks what is left before it allocates.
class CArchive
{
public:
    enum Mode { load, store };
    enum class Error {
        None,
        EndOfFile, // the data ends before the item: "Format de fichier inattendu."
        BadLength, // a length that cannot be accepted: the generic failed-open message
        Device     // the device refused to read or write
    };

    // `largestBlock` is the most bytes that a text read may take in memory: this platform's
    // containers' by default.
    CArchive(QIODevice *device, Mode mode, quint64 largestBlock = kLargestBlock);

    bool IsLoading() const { return m_mode == load; }
    bool IsStoring() const { return m_mode == store; }
    Error error() const { return m_error; }
    bool ok() const { return m_error == Error::None; }
    // Records a failure, for instance a value that a reader cannot accept; the first one wins.
    void SetError(Error error);

    qint32 ReadInt32();
    double ReadDouble();
    // Any length form, and the 16-bit-character form; 16-bit texts keep all their characters.
    // A text longer than what is left, or than a container can hold, is refused unallocated.
    QString ReadString();
    COleDateTime ReadDate();

    void WriteInt32(qint32 value);
    void WriteDouble(double value);
    // The shortest length form and Windows-1252 bytes; a text the code page cannot carry is
    // written in the 16-bit-character form instead, so that nothing is lost.
    void WriteString(const QString &text);
    void WriteDate(const COleDateTime &date);

private:
    template <typename T> T readLittleEndian();
    template <typename T> void writeLittleEndian(T value);
    // False, with EndOfFile, when fewer than size bytes are left to read.
    bool ensureLeft(qint64 size);
    bool readRaw(char *data, qint64 size);
    bool writeRaw(const char *data, qint64 size);
    quint64 readLength(bool markAllowed, bool &markSeen);
    void writeLength(quint64 length);

    QIODevice *m_device;
    Mode m_mode;
    quint64 m_largestBlock;
    Error m_error = Error::None;
};
