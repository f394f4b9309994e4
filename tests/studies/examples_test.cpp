#include "studies/affinite_doc.h"
#include "studies/biorythme_doc.h"
#include "studies/compatibilite_doc.h"
#include "studies/groupe_doc.h"
#include "studies/study_loader.h"
#include "study_bytes.h"

#include <QFile>
#include <QTest>

using namespace study_bytes;

// The studies of examples/ are written by this test: with ONDARIS_WRITE_EXAMPLES=1 it writes
// them, otherwise it checks that they are still what Ondaris writes.
class ExamplesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void examples_data();
    void examples();
};

namespace {

QByteArray Biorythme(NamesList &names)
{
    COndarisDoc doc(names);
    doc.name = QStringLiteral("Claire Fontaine");
    doc.birthDate = COleDateTime(1985, 7, 14);
    doc.startDate = COleDateTime(2027, 1, 4);
    doc.comment = QStringLiteral("Un mois de janvier pour Claire.\r\nBonne lecture !");
    return Write(doc);
}

QByteArray Compatibilite(NamesList &names)
{
    COndarisDoc2 doc(names);
    doc.name1 = QStringLiteral("Claire Fontaine");
    doc.birthDate1 = COleDateTime(1985, 7, 14);
    doc.name2 = QStringLiteral("Julien Marchand");
    doc.birthDate2 = COleDateTime(1982, 11, 2);
    doc.startDate = COleDateTime(2027, 1, 4);
    doc.comment = QStringLiteral("Claire et Julien, au fil du mois.");
    return Write(doc);
}

QByteArray Affinite(NamesList &names)
{
    COndarisDoc3 doc(names);
    doc.name1 = QStringLiteral("Élodie Garnier");
    doc.birthDate1 = COleDateTime(1991, 4, 23);
    doc.name2 = QStringLiteral("Mathis Lefèvre");
    doc.birthDate2 = COleDateTime(1989, 9, 8);
    return Write(doc);
}

// A family of eight, three generations.
QByteArray Groupe(NamesList &names)
{
    CGroupeDoc doc(names);
    doc.SetMembers({{QStringLiteral("Bernard Fontaine"), COleDateTime(1948, 2, 11)},
                    {QStringLiteral("Monique Fontaine"), COleDateTime(1951, 9, 30)},
                    {QStringLiteral("Philippe Fontaine"), COleDateTime(1976, 5, 3)},
                    {QStringLiteral("Sophie Fontaine"), COleDateTime(1978, 12, 19)},
                    {QStringLiteral("Claire Fontaine"), COleDateTime(1985, 7, 14)},
                    {QStringLiteral("Julien Marchand"), COleDateTime(1982, 11, 2)},
                    {QStringLiteral("Léa Fontaine"), COleDateTime(2008, 4, 6)},
                    {QStringLiteral("Hugo Fontaine"), COleDateTime(2011, 10, 25)}});
    doc.comment = QStringLiteral("La famille Fontaine réunie pour Noël.\r\nQui s'entend le mieux "
                                 "avec qui ?");
    return Write(doc);
}

} // namespace

void ExamplesTest::examples_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("firstName");
    NamesList names;
    QTest::newRow("bio") << QStringLiteral("exemple.bio") << Biorythme(names)
                         << QStringLiteral("Claire Fontaine");
    QTest::newRow("bi2") << QStringLiteral("exemple.bi2") << Compatibilite(names)
                         << QStringLiteral("Claire Fontaine");
    QTest::newRow("aff") << QStringLiteral("exemple.aff") << Affinite(names)
                         << QStringLiteral("Élodie Garnier");
    QTest::newRow("grp") << QStringLiteral("exemple.grp") << Groupe(names)
                         << QStringLiteral("Bernard Fontaine");
}

void ExamplesTest::examples()
{
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, firstName);
    if (qEnvironmentVariableIsSet("ONDARIS_WRITE_EXAMPLES")) {
        QFile out(QStringLiteral(QT_TESTCASE_SOURCEDIR "/../../examples/") + fileName);
        QVERIFY(out.open(QIODevice::WriteOnly));
        QCOMPARE(out.write(bytes), bytes.size());
        return;
    }
    const QString path = QFINDTESTDATA(QStringLiteral("../../examples/") + fileName);
    QVERIFY2(!path.isEmpty(), qPrintable(fileName));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);

    const LoadedStudy study = LoadStudy(path);
    QVERIFY(study.document);
    QCOMPARE(study.names->records[0].name, firstName);
    QCOMPARE(study.document->GetTitle(), fileName);
}

QTEST_MAIN(ExamplesTest)
#include "examples_test.moc"
