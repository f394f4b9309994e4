#include "build_facts.h"
#include "framework/modules.h"

#include <QCoreApplication>
#include <QTest>

// The modules are found beside the test programs as beside the program: each accessor reaches
// its module, and a module that is missing or of another version is refused with its reason.
class ModulesTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyModuleIsReached();
    void refusals_data();
    void refusals();
};

void ModulesTest::everyModuleIsReached()
{
    QVERIFY2(PrintModule(), qPrintable(PrintModule().problem));
    QVERIFY2(SvgPageModule(), qPrintable(SvgPageModule().problem));
    QVERIFY2(HandOverModule(), qPrintable(HandOverModule().problem));
    QCOMPARE(SvgPageModule().problem, QString());
}

void ModulesTest::refusals_data()
{
    QTest::addColumn<QByteArray>("module");
    QTest::addColumn<QByteArray>("function");
    QTest::addColumn<QString>("problem");

    QTest::newRow("no such module")
        << QByteArray("absent") << QByteArray(kWriteSvgPageEntry)
        << QStringLiteral("Le module SVG d'Ondaris (absent%1) est introuvable")
               .arg(QLatin1StringView(build_facts::kModuleSuffix));
    // An entry of an earlier interface, as a module file left by an older version exports.
    QTest::newRow("another version")
        << QByteArray("svgpage") << QByteArray("ondaris_write_svg_page")
        << QStringLiteral("Le module SVG d'Ondaris (svgpage%1) n'est pas de cette version "
                          "d'Ondaris")
               .arg(QLatin1StringView(build_facts::kModuleSuffix));
}

void ModulesTest::refusals()
{
    QFETCH(QByteArray, module);
    QFETCH(QByteArray, function);
    QFETCH(QString, problem);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Ondaris: ")));
    const ModuleEntry<void()> found =
        modules_testing::Find(module.constData(), function.constData(), QStringLiteral("SVG"));
    QVERIFY(!found);
    QCOMPARE(found.problem, problem);
}

QTEST_MAIN(ModulesTest)
#include "modules_test.moc"
