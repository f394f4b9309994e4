#include "framework/whole_file.h"
#include "people/csv_persons.h"
#include "people/person_import.h"
#include "people/persons_files.h"
#include "people/vcard_file.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

// One contact a line: QStringLiteral("name|birth"), the birth as a date, QStringLiteral("sans"),
// QStringLiteral("sans année") or QStringLiteral("illisible:...").
QStringList Shown(const QList<Contact> &contacts)
{
    QStringList lines;
    for (const Contact &contact : contacts) {
        QString birth;
        switch (contact.birth) {
        case Contact::Birth::Dated:
            birth = contact.birthDate.toString(Qt::ISODate);
            break;
        case Contact::Birth::Missing:
            birth = QStringLiteral("sans");
            break;
        case Contact::Birth::YearLess:
            birth = QStringLiteral("sans année");
            break;
        case Contact::Birth::Unreadable:
            birth = QStringLiteral("illisible:") + contact.birthText;
            break;
        }
        lines.append(contact.name + u'|' + birth);
    }
    return lines;
}

ContactsRead ReadBytes(const QByteArray &bytes, bool vcard)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return vcard ? vcard_file::Read(buffer) : csv_persons::Read(buffer);
}

NamesList ListOf(const QList<PersonRecord> &records)
{
    NamesList list;
    for (const PersonRecord &record : records)
        list.Append(record);
    return list;
}

Contact Dated(const QString &name, int year, int month, int day)
{
    return Contact{name, Contact::Birth::Dated, QDate(year, month, day), {}};
}

} // namespace

Q_DECLARE_METATYPE(QList<Contact>)

class PersonsFilesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsFixtures_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("vCard 3.0, CR LF, folded")
            << QStringLiteral("address_book_30.vcf")
            << QStringList{
                   QStringLiteral("Anne-Sophie Lefèvre|1985-07-14"),
                   QStringLiteral("Zoé Élodie|1990-02-03"),
                   QStringLiteral("Sans Date|sans"),
                   QStringLiteral("Paul Anniversaire|sans année"),
                   QStringLiteral("Dupont, Marie; dite \\M\\|1970-01-01"),
               };
        QTest::newRow("vCard 4.0, LF, names from N")
            << QStringLiteral("address_book_40.vcf")
            << QStringList{QStringLiteral("José Østergaard|1962-11-30"),
                           QStringLiteral("M. Louis Martin|sans année"),
                           QStringLiteral("Louise Martin|2001-09-08"),
                           QStringLiteral("Léa|illisible:vers 1980")};
        QTest::newRow("CSV with heading, quotes, CR LF")
            << QStringLiteral("persons.csv")
            << QStringList{QStringLiteral("Anne-Sophie Lefèvre|1985-07-14"),
                           QStringLiteral("Dupont; Marie \"Mimi\"|1970-01-01"),
                           QStringLiteral("Sans Date|sans"),
                           QStringLiteral("Léa|illisible:31/02/1980")};
        QTest::newRow("CSV of Windows-1252") << QStringLiteral("persons_cp1252.csv")
                                             << QStringList{QStringLiteral("Hélène|1950-03-02")};
    }
    void readsFixtures()
    {
        QFETCH(QString, fixture);
        QFETCH(QStringList, expected);
        const persons_files::Outcome outcome =
            persons_files::ReadFile(QFINDTESTDATA(QStringLiteral("data/") + fixture));
        QCOMPARE(outcome.read.error, QString());
        QCOMPARE(Shown(outcome.read.contacts), expected);
    }

    void refusesBadFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("vcard");
        QTest::addColumn<QString>("reason");
        QTest::newRow("empty vCard") << QByteArray() << true << QStringLiteral("aucune fiche");
        QTest::newRow("not a vCard")
            << QByteArray("Nom;Naissance\r\n") << true << QStringLiteral("pas un carnet");
        QTest::newRow("truncated card")
            << QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Anne\r\nBDAY:1985") << true
            << QStringLiteral("tronqué");
        QTest::newRow("card inside a card")
            << QByteArray("BEGIN:VCARD\nFN:A\nBEGIN:VCARD\nEND:VCARD\nEND:VCARD\n") << true
            << QStringLiteral("avant la fin");
        QTest::newRow("line after the last card")
            << QByteArray("BEGIN:VCARD\nFN:A\nEND:VCARD\nFN:B\n") << true
            << QStringLiteral("hors d'une fiche");
        QTest::newRow("empty CSV")
            << QByteArray("\xEF\xBB\xBF\r\n") << false << QStringLiteral("aucune");
        QTest::newRow("CSV quote never closed")
            << QByteArray("\"Anne;14/07/1985\r\n") << false << QStringLiteral("jamais fermé");
    }
    void refusesBadFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, vcard);
        QFETCH(QString, reason);
        const ContactsRead read = ReadBytes(bytes, vcard);
        QVERIFY2(read.error.contains(reason), qPrintable(read.error));
    }

    void badFileChangesNothing()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tronqué.vcf"));
        QVERIFY(!WriteWholeFile(path, QByteArray("BEGIN:VCARD\nFN:Anne\nBDAY:19850714\n")));
        const persons_files::Outcome outcome = persons_files::ReadFile(path);
        QVERIFY(outcome.read.error.startsWith(
            QStringLiteral("Le fichier « tronqué.vcf » ne peut être importé")));
        QVERIFY(outcome.read.contacts.isEmpty());
        QVERIFY(!outcome.openFailed);
        const persons_files::Outcome missing =
            persons_files::ReadFile(dir.filePath(QStringLiteral("absent.csv")));
        QVERIFY(missing.openFailed);
        QVERIFY(persons_files::ReadFile(dir.filePath(QStringLiteral("carnet.txt")))
                    .read.error.contains(QStringLiteral("ni un carnet d'adresses vCard")));
    }

    void merges_data()
    {
        QTest::addColumn<int>("registered"); // persons already in the list
        QTest::addColumn<QList<Contact>>("contacts");
        QTest::addColumn<int>("added");
        QTest::addColumn<QString>("report");

        const Contact anne = Dated(QStringLiteral("Anne"), 1985, 7, 14);
        QTest::newRow("new and already there")
            << 1 << QList<Contact>{Dated(QStringLiteral("Personne 0"), 1980, 1, 1), anne, anne} << 1
            << QStringLiteral("Personnes ajoutées : 1\n"
                              "Déjà enregistrées (même nom, même date de naissance) : 2\n"
                              "Sans date de naissance, ignorées : 0\n"
                              "Sans année de naissance, ignorées : 0\n"
                              "Refusées : 0\n");
        QTest::newRow("same name, other birth date")
            << 1 << QList<Contact>{Dated(QStringLiteral("Personne 0"), 1980, 1, 2)} << 1
            << QStringLiteral("Personnes ajoutées : 1\n");
        QTest::newRow("skipped and refused, never altered")
            << 0
            << QList<Contact>{Contact{QStringLiteral("Sans Date"), Contact::Birth::Missing, {}, {}},
                              Contact{QStringLiteral("Paul"), Contact::Birth::YearLess, {}, {}},
                              Dated(QStringLiteral(""), 1980, 1, 1),
                              Dated(QStringLiteral("Deux\nlignes"), 1980, 1, 1),
                              Dated(QString(31, u'é'), 1980, 1, 1),
                              Dated(QString(30, u'é'), 1980, 1, 1),
                              Contact{QStringLiteral("Léa"),
                                      Contact::Birth::Unreadable,
                                      {},
                                      QStringLiteral("vers 1980")}}
            << 1
            << QStringLiteral(
                   "Personnes ajoutées : 1\n"
                   "Déjà enregistrées (même nom, même date de naissance) : 0\n"
                   "Sans date de naissance, ignorées : 1\n"
                   "Sans année de naissance, ignorées : 1\n"
                   "Refusées : 4\n"
                   "  (sans nom) : sans nom\n"
                   "  Deux lignes : nom sur plusieurs lignes ou avec des caractères de contrôle\n"
                   "  ééééééééééééééééééééééééééééééé : nom de plus de 30 caractères\n"
                   "  Léa : date de naissance illisible (vers 1980)\n");
        QTest::newRow("the limit of 100 holds, the rest named")
            << 99
            << QList<Contact>{anne, Dated(QStringLiteral("Bruno"), 1990, 5, 6),
                              Dated(QStringLiteral("Chloé"), 1991, 6, 7)}
            << 1
            << QStringLiteral("Personnes ajoutées : 1\n"
                              "Déjà enregistrées (même nom, même date de naissance) : 0\n"
                              "Sans date de naissance, ignorées : 0\n"
                              "Sans année de naissance, ignorées : 0\n"
                              "Refusées : 2\n"
                              "  Bruno : liste pleine (100 personnes)\n"
                              "  Chloé : liste pleine (100 personnes)\n");
    }
    void merges()
    {
        QFETCH(int, registered);
        QFETCH(QList<Contact>, contacts);
        QFETCH(int, added);
        QFETCH(QString, report);
        NamesList list;
        for (int i = 0; i < registered; ++i)
            list.Append({QStringLiteral("Personne %1").arg(i), COleDateTime(1980, 1, 1, 12, 30)});
        const NamesList before = list;
        const ImportReport result = MergeContacts(list, contacts);
        QCOMPARE(result.added, added);
        QCOMPARE(list.count, registered + added);
        QVERIFY(ReportText(result).startsWith(report));
        for (int i = 0; i < registered; ++i)
            QCOMPARE(list.records[size_t(i)].name, before.records[size_t(i)].name);
    }

    void writesAndReadsBack_data()
    {
        QTest::addColumn<QString>("file");
        QTest::newRow("vCard") << QStringLiteral("personnes.vcf");
        QTest::newRow("CSV") << QStringLiteral("personnes.csv");
    }
    void writesAndReadsBack()
    {
        QFETCH(QString, file);
        const NamesList list = ListOf({
            {QStringLiteral("Anne-Sophie Lefèvre"), COleDateTime(1985, 7, 14, 9, 41)},
            {QStringLiteral("Dupont; Marie, \"Mimi\" \\"), COleDateTime(1970, 1, 1)},
            // Longer than a vCard line: folded inside its characters.
            {QStringLiteral("Ωmega ééééééééééééééééééééééééééééééééééééé 😀"),
             COleDateTime(850, 3, 4)},
            {QStringLiteral("Sans date"), COleDateTime(1980, 2, 31)},
        });
        QTemporaryDir dir;
        const QString path = dir.filePath(file);
        QCOMPARE(persons_files::WriteFile(path, list), std::nullopt);
        const persons_files::Outcome outcome = persons_files::ReadFile(path);
        QCOMPARE(outcome.read.error, QString());
        QCOMPARE(
            Shown(outcome.read.contacts),
            (QStringList{QStringLiteral("Anne-Sophie Lefèvre|1985-07-14"),
                         QStringLiteral("Dupont; Marie, \"Mimi\" \\|1970-01-01"),
                         QStringLiteral("Ωmega ééééééééééééééééééééééééééééééééééééé 😀|0850-03-04"),
                         QStringLiteral("Sans date|sans")}));
    }

    void writesTheFormats()
    {
        const NamesList list = ListOf({{QStringLiteral("Zoé; \"Z\""), COleDateTime(1990, 2, 3)},
                                       {QStringLiteral("Loïc"), COleDateTime(1980, 2, 31)}});
        QCOMPARE(csv_persons::Write(list), QByteArray("\xEF\xBB\xBFNom;Naissance\r\n"
                                                      "\"Zoé; \"\"Z\"\"\";03/02/1990\r\n"
                                                      "Loïc;\r\n"));
        QCOMPARE(vcard_file::Write(list), QByteArray("BEGIN:VCARD\r\nVERSION:3.0\r\n"
                                                     "UID:39c34798-1823-5ec6-8d48-9731c41fcec3\r\n"
                                                     "FN:Zoé\\; \"Z\"\r\nN:;;;;\r\n"
                                                     "BDAY:1990-02-03\r\nEND:VCARD\r\n"
                                                     "BEGIN:VCARD\r\nVERSION:3.0\r\n"
                                                     "UID:4371da5f-0eae-5a30-8fb5-e542bf75d0d4\r\n"
                                                     "FN:Loïc\r\nN:;;;;\r\nEND:VCARD\r\n"));
        const QByteArray folded = vcard_file::Write(ListOf({{QString(60, u'é'), {}}}));
        for (const QByteArray &line : folded.split('\n'))
            QVERIFY(line.size() <= 76); // 75 bytes and the CR
    }

    void failedWriteLeavesTheFile()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("personnes.csv"));
        QVERIFY(!WriteWholeFile(path, QByteArray("avant")));
        whole_file_testing::FailAt(WriteStage::Flush);
        const std::optional<QString> error = persons_files::WriteFile(
            path, ListOf({{QStringLiteral("Anne"), COleDateTime(1985, 7, 14)}}));
        whole_file_testing::FailAt(std::nullopt);
        QVERIFY(error && error->startsWith(
                             QStringLiteral("Impossible d'écrire le fichier « personnes.csv »")));
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("avant"));
    }
};

QTEST_MAIN(PersonsFilesTest)
#include "persons_files_test.moc"
