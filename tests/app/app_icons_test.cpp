#include "build_facts.h"
#include "mainwindow/app_icons.h"

#include <QApplication>
#include <QImage>
#include <QTest>
#include <span>

// The program's icons read their images only at the sizes asked for, as raw pixels; what they
// give must be what a Qt icon holding every PNG file gives: the same image at every size and in
// every mode.
class AppIconsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sameAsQtWithEveryFile_data();
    void sameAsQtWithEveryFile();
};

namespace {

QIcon EveryFile(const QString &folder, const QString &name, std::span<const int> sizes)
{
    QIcon icon;
    for (const int side : sizes) {
        icon.addFile(
            QStringLiteral(ONDARIS_APP_IMAGES "/%1/%2x%2/%3.png").arg(folder).arg(side).arg(name),
            QSize(side, side));
    }
    return icon;
}

} // namespace

void AppIconsTest::sameAsQtWithEveryFile_data()
{
    QTest::addColumn<QIcon>("icon");
    QTest::addColumn<QIcon>("reference");
    QTest::newRow("tool bar") << ToolIcon(QStringLiteral("open"))
                              << EveryFile(QStringLiteral("icons"), QStringLiteral("open"),
                                           build_facts::kToolIconSizes);
    QTest::newRow("study") << ToolIcon(QStringLiteral("wizard_affinite"))
                           << EveryFile(QStringLiteral("icons"), QStringLiteral("wizard_affinite"),
                                        build_facts::kToolIconSizes);
    QTest::newRow("program") << ProgramIcon()
                             << EveryFile(QStringLiteral("program"), QStringLiteral("ondaris"),
                                          build_facts::kProgramIconSizes);
}

void AppIconsTest::sameAsQtWithEveryFile()
{
    QFETCH(QIcon, icon);
    QFETCH(QIcon, reference);
    QVERIFY(!reference.isNull());
    QCOMPARE(icon.availableSizes(), reference.availableSizes());
    for (const QIcon::Mode mode :
         {QIcon::Normal, QIcon::Disabled, QIcon::Active, QIcon::Selected}) {
        // Below, between, at and above the sizes there are files of, in squares and not.
        for (const QSize size : {QSize(8, 8), QSize(16, 16), QSize(17, 17), QSize(18, 18),
                                 QSize(20, 20), QSize(24, 24), QSize(40, 40), QSize(48, 48),
                                 QSize(100, 100), QSize(300, 300), QSize(24, 16), QSize(16, 40)}) {
            const QString where =
                QStringLiteral("%1x%2 mode %3").arg(size.width()).arg(size.height()).arg(int(mode));
            QCOMPARE(icon.actualSize(size, mode), reference.actualSize(size, mode));
            QVERIFY2(icon.pixmap(size, mode).toImage() == reference.pixmap(size, mode).toImage(),
                     qPrintable(where));
        }
    }
}

QTEST_MAIN(AppIconsTest)
#include "app_icons_test.moc"
