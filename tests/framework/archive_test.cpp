#include "framework/archive.h"

#include <QBuffer>
#include <QTest>
#include <algorithm>
#include <functional>
#include <limits>

using namespace Qt::StringLiterals;

namespace {

QByteArray Hex(const char *text)
{
    return QByteArray::fromHex(text);
}

QByteArray Written(const std::function<void(CArchive &)> &write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive archive(&buffer, CArchive::store);
    write(archive);
    return archive.ok() ? bytes : QByteArray("write failed");
}

// The six fields of a Biorythme study file.
struct Study
{
    QString comment;
    QString name;
    COleDateTime birth;
    COleDateTime start;
};

Study ReadStudy(CArchive &archive)
{
    Study study;
    study.comment = archive.ReadString();
    study.name = archive.ReadString();
    study.birth = archive.ReadDate();
    study.start = archive.ReadDate();
    return study;
}

// A file of `size` bytes that begins with `head` and holds zeros after it, none of them in
// memory: a file as large as a 32-bit build may meet.
class LargeFile : public QIODevice
{
public:
    LargeFile(const QByteArray &head, qint64 size) : m_head(head), m_size(size)
    {
        open(QIODevice::ReadOnly);
    }
    qint64 size() const override { return m_size; }

protected:
    qint64 readData(char *data, qint64 maxSize) override
    {
        const qint64 n = std::min(maxSize, m_size - m_at);
        for (qint64 i = 0; i < n; ++i, ++m_at)
            data[i] = m_at < m_head.size() ? m_head[m_at] : '\0';
        return n;
    }
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_head;
    qint64 m_size;
    qint64 m_at = 0;
};

const QByteArray kExample = Hex("03616263 00 00000000 00000000800AD940 00000000 00000000E0AAE240");

} // namespace

Q_DECLARE_METATYPE(CArchive::Error)

class ArchiveTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void studyExample();
    void numbers();
    void writtenTexts_data();
    void writtenTexts();
    void readTexts_data();
    void readTexts();
    void readErrors_data();
    void readErrors();
    void lengthsBeyondA32BitBuild_data();
    void lengthsBeyondA32BitBuild();
    void lengthsAtTheLargestBlock_data();
    void lengthsAtTheLargestBlock();
    void everyTruncationEndsEarly_data();
    void everyTruncationEndsEarly();
    void errorsAreSticky();
    void deviceFailure();
};

void ArchiveTest::studyExample()
{
    const QByteArray bytes = Written([](CArchive &archive) {
        archive.WriteString(QStringLiteral("abc"));
        archive.WriteString(QString());
        archive.WriteDate(COleDateTime(1970, 3, 15));
        archive.WriteDate(COleDateTime(2004, 9, 1));
    });
    QCOMPARE(bytes, kExample);

    QBuffer buffer;
    buffer.setData(kExample);
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load);
    const Study study = ReadStudy(archive);
    QVERIFY(archive.ok());
    QCOMPARE(study.comment, QStringLiteral("abc"));
    QCOMPARE(study.name, QString());
    QCOMPARE(study.birth, COleDateTime(1970, 3, 15));
    QCOMPARE(study.start, COleDateTime(2004, 9, 1));
    QVERIFY(buffer.atEnd());
}

void ArchiveTest::numbers()
{
    const QByteArray bytes = Written([](CArchive &archive) {
        archive.WriteInt32(-2);
        archive.WriteInt32(0x12345678);
        archive.WriteDouble(-1.25);
        archive.WriteDate(COleDateTime(0.5, COleDateTime::null));
    });
    QCOMPARE(bytes, Hex("FEFFFFFF 78563412 000000000000F4BF 02000000 000000000000E03F"));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load);
    QCOMPARE(archive.ReadInt32(), -2);
    QCOMPARE(archive.ReadInt32(), 0x12345678);
    QCOMPARE(archive.ReadDouble(), -1.25);
    // A date is read as it is stored; whether its status is acceptable is the reader's call.
    QCOMPARE(archive.ReadDate(), COleDateTime(0.5, COleDateTime::null));
    QVERIFY(archive.ok());
}

void ArchiveTest::writtenTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QByteArray>("bytes");

    const auto repeated = [](qsizetype n) { return QString(n, u'a'); };
    const auto payload = [](qsizetype n) { return QByteArray(n, 'a'); };

    QTest::newRow("empty") << QString() << Hex("00");
    QTest::newRow("abc") << QStringLiteral("abc") << Hex("03616263");
    QTest::newRow("254") << repeated(254) << Hex("FE") + payload(254);
    QTest::newRow("255") << repeated(255) << Hex("FF FF00") + payload(255);
    QTest::newRow("300") << repeated(300) << Hex("FF 2C01") + payload(300);
    QTest::newRow("65533") << repeated(65533) << Hex("FF FDFF") + payload(65533);
    QTest::newRow("65534") << repeated(65534) << Hex("FF FFFF FEFF0000") + payload(65534);
    QTest::newRow("Windows-1252 bytes") << QStringLiteral("é€œ") << Hex("03 E9809C");
    QTest::newRow("Polish, in 16-bit characters")
        << QStringLiteral("Łukasz") << Hex("FF FEFF 06 4101 7500 6B00 6100 7300 7A00");
    QTest::newRow("Chinese, in 16-bit characters")
        << QStringLiteral("李") << Hex("FF FEFF 01 4E67");
    QTest::newRow("long 16-bit text")
        << QString(300, QChar(0x674E)) << Hex("FF FEFF FF 2C01") + Hex("4E67").repeated(300);
}

void ArchiveTest::writtenTexts()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, bytes);

    QCOMPARE(Written([&](CArchive &archive) { archive.WriteString(text); }), bytes);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load);
    QCOMPARE(archive.ReadString(), text);
    QVERIFY(archive.ok());
    QVERIFY(buffer.atEnd());
}

void ArchiveTest::readTexts_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");

    const QString abc = QStringLiteral("abc");
    QTest::newRow("short text, 16-bit length") << Hex("FF 0300 616263") << abc;
    QTest::newRow("short text, 32-bit length") << Hex("FF FFFF 03000000 616263") << abc;
    QTest::newRow("short text, 64-bit length")
        << Hex("FF FFFF FFFFFFFF 0300000000000000 616263") << abc;
    QTest::newRow("empty, 64-bit length") << Hex("FF FFFF FFFFFFFF 0000000000000000") << QString();
    QTest::newRow("16-bit characters") << Hex("FF FEFF 03 610062006300") << abc;
    QTest::newRow("16-bit characters, 16-bit length") << Hex("FF FEFF FF 0300 610062006300") << abc;
    QTest::newRow("16-bit characters, 64-bit length")
        << Hex("FF FEFF FF FFFF FFFFFFFF 0300000000000000 610062006300") << abc;
    QTest::newRow("16-bit characters, empty") << Hex("FF FEFF 00") << QString();
    QTest::newRow("16-bit characters keep what the code page lacks")
        << Hex("FF FEFF 02 4101 4E67") << QStringLiteral("Ł李");
    QTest::newRow("after the mark, 0xFFFE is a length")
        << Hex("FF FEFF FF FEFF") + Hex("6100").repeated(65534) << QString(65534, u'a');
    QTest::newRow("code page bytes") << Hex("04 80 8C 9C E9") << QStringLiteral("€Œœé");
}

void ArchiveTest::readTexts()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);

    QBuffer buffer;
    buffer.setData(bytes + Hex("2A000000"));
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load);
    QCOMPARE(archive.ReadString(), text);
    QCOMPARE(archive.ReadInt32(), 42); // the text took exactly its own bytes
    QVERIFY(archive.ok());
}

void ArchiveTest::readErrors_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<CArchive::Error>("error");

    const auto endOfFile = CArchive::Error::EndOfFile;
    const auto badLength = CArchive::Error::BadLength;
    QTest::newRow("nothing") << QByteArray() << endOfFile;
    QTest::newRow("text shorter than its length") << Hex("03 6162") << endOfFile;
    QTest::newRow("four gigabytes claimed in 20 bytes")
        << Hex("FF FFFF FEFFFFFF") + QByteArray(13, 'a') << endOfFile;
    QTest::newRow("four giga-characters claimed in 20 bytes")
        << Hex("FF FEFF FF FFFF FEFFFFFF") + QByteArray(10, 'a') << endOfFile;
    QTest::newRow("16-bit text with an odd last byte") << Hex("FF FEFF 02 610062") << endOfFile;
    QTest::newRow("64-bit length just below 2^31, no data")
        << Hex("FF FFFF FFFFFFFF FFFFFF7F00000000") << endOfFile;
    QTest::newRow("64-bit length of 2^31")
        << Hex("FF FFFF FFFFFFFF 0000008000000000") + Hex("61") << badLength;
    QTest::newRow("largest 64-bit length") << Hex("FF FFFF FFFFFFFF FFFFFFFFFFFFFFFF") << badLength;
    QTest::newRow("16-bit text, 64-bit length of 2^31")
        << Hex("FF FEFF FF FFFF FFFFFFFF 0000008000000000") << badLength;
}

void ArchiveTest::readErrors()
{
    QFETCH(QByteArray, bytes);
    QFETCH(CArchive::Error, error);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load);
    QCOMPARE(archive.ReadString(), QString());
    QCOMPARE(archive.error(), error);
}

void ArchiveTest::lengthsBeyondA32BitBuild_data()
{
    QTest::addColumn<QByteArray>("prefix");

    // A 32-bit build holds at most 2^31 - 1 bytes in a container, less its header: 2^30 - 32
    // characters of two bytes.
    QTest::newRow("2^31 one-byte characters") << Hex("FF FFFF 00000080");
    QTest::newRow("2^30 - 32 one-byte characters") << Hex("FF FFFF E0FFFF3F");
    QTest::newRow("2^30 16-bit characters") << Hex("FF FEFF FF FFFF 00000040");
    QTest::newRow("64-bit length, 2^31 - 1 characters") << Hex("FF FFFF FFFFFFFF FFFFFF7F00000000");
}

// The file really is that long, so only the size of the container can refuse the length; the
// text is refused before a byte of it is read.
void ArchiveTest::lengthsBeyondA32BitBuild()
{
    QFETCH(QByteArray, prefix);

    LargeFile file(prefix, qint64(5) << 30);
    const quint64 largestBlock32 = quint64(std::numeric_limits<qint32>::max()) - 64;
    CArchive archive(&file, CArchive::load, largestBlock32);
    QCOMPARE(archive.ReadString(), QString());
    QCOMPARE(archive.error(), CArchive::Error::BadLength);
    QCOMPARE(file.pos(), prefix.size());
}

void ArchiveTest::lengthsAtTheLargestBlock_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<CArchive::Error>("error");

    // In a block of 6 bytes, 3 characters of two bytes, whatever their form in the file.
    const auto none = CArchive::Error::None;
    const auto badLength = CArchive::Error::BadLength;
    QTest::newRow("3 one-byte characters") << Hex("03 616263") << u"abc"_s << none;
    QTest::newRow("4 one-byte characters") << Hex("04 61626364") << QString() << badLength;
    QTest::newRow("3 16-bit characters") << Hex("FF FEFF 03 610062006300") << u"abc"_s << none;
    QTest::newRow("4 16-bit characters")
        << Hex("FF FEFF 04 6100620063006400") << QString() << badLength;
}

// A length that exactly fills the largest block is read; one more is refused.
void ArchiveTest::lengthsAtTheLargestBlock()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(CArchive::Error, error);

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load, 6);
    QCOMPARE(archive.ReadString(), text);
    QCOMPARE(archive.error(), error);
}

void ArchiveTest::everyTruncationEndsEarly_data()
{
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("the study example") << kExample;
    QTest::newRow("long and 16-bit texts") << Written([](CArchive &archive) {
        archive.WriteString(QString(300, u'x'));
        archive.WriteString(QStringLiteral("Łukasz"));
        archive.WriteDate(COleDateTime(2004, 9, 1));
        archive.WriteDate(COleDateTime(1970, 3, 15));
    });
    QTest::newRow("wide length forms")
        << Hex("FF FFFF FFFFFFFF 0100000000000000 61") + Hex("FF FEFF FF 0100 6100") +
               Hex("00000000 0000000000000000 00000000 0000000000000000");
}

void ArchiveTest::everyTruncationEndsEarly()
{
    QFETCH(QByteArray, bytes);

    for (qsizetype size = 0; size <= bytes.size(); ++size) {
        QBuffer buffer;
        buffer.setData(bytes.left(size));
        buffer.open(QIODevice::ReadOnly);
        CArchive archive(&buffer, CArchive::load);
        ReadStudy(archive);
        const auto expected =
            size == bytes.size() ? CArchive::Error::None : CArchive::Error::EndOfFile;
        QVERIFY2(archive.error() == expected, qPrintable(QString::number(size)));
    }
}

void ArchiveTest::errorsAreSticky()
{
    QBuffer buffer;
    buffer.setData(Hex("64 61626364 05000000"));
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::load);
    QCOMPARE(archive.ReadString(), QString());
    QCOMPARE(archive.error(), CArchive::Error::EndOfFile);
    // Enough bytes are left for a number, but the archive stays failed.
    QCOMPARE(archive.ReadInt32(), 0);
    archive.SetError(CArchive::Error::BadLength);
    QCOMPARE(archive.error(), CArchive::Error::EndOfFile);

    QBuffer other;
    other.setData(kExample);
    other.open(QIODevice::ReadOnly);
    CArchive refused(&other, CArchive::load);
    refused.SetError(CArchive::Error::BadLength);
    QCOMPARE(refused.ReadString(), QString());
    QCOMPARE(refused.error(), CArchive::Error::BadLength);
}

void ArchiveTest::deviceFailure()
{
    QBuffer buffer;
    buffer.open(QIODevice::ReadOnly);
    CArchive archive(&buffer, CArchive::store);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("ReadOnly device")));
    archive.WriteString(QStringLiteral("abc"));
    archive.WriteInt32(1);
    QCOMPARE(archive.error(), CArchive::Error::Device);
}

QTEST_MAIN(ArchiveTest)
#include "archive_test.moc"
