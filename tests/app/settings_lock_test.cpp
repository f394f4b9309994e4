#include "persistence/app_settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QTest>

// The lock file beside the settings: one that no running program holds goes before the first
// write waits on it; one that a running program holds stays.
class SettingsLockTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void clearsOnlyLocksNobodyHolds_data();
    void clearsOnlyLocksNobodyHolds();
};

namespace {

QString LockPath()
{
    return app_settings::Store().fileName() + QStringLiteral(".lock");
}

} // namespace

void SettingsLockTest::clearsOnlyLocksNobodyHolds_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("held");
    QTest::addColumn<bool>("kept");

    QTest::newRow("empty, left by a kill") << QByteArray() << false << false;
    QTest::newRow("half written") << QByteArray("12") << false << false;
    QTest::newRow("of a program that ended")
        << QByteArray("2147483646\nondaris\nailleurs\n") << false << false;
    QTest::newRow("held by a running program") << QByteArray() << true << true;
}

void SettingsLockTest::clearsOnlyLocksNobodyHolds()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, held);
    QFETCH(bool, kept);

    QVERIFY(QDir().mkpath(QFileInfo(LockPath()).absolutePath()));
    QLockFile holder(LockPath());
    if (held) {
        QVERIFY(holder.tryLock());
    } else {
        QFile lock(LockPath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(content);
    }

    app_settings::ClearStaleLock();
    QCOMPARE(QFileInfo::exists(LockPath()), kept);

    holder.unlock();
    QVERIFY(!QFileInfo::exists(LockPath()));
    // With no lock left, a write goes through at once.
    app_settings::Write(app_settings::kSplash, 0);
    QCOMPARE(app_settings::Read(app_settings::kSplash), 0);
}

QTEST_MAIN(SettingsLockTest)
#include "settings_lock_test.moc"
