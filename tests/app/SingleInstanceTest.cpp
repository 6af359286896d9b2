#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

#include "app/SingleInstance.h"
#include "base/AppFolder.h"
#include "support/TestAppFolder.h"

using namespace sibylon;

class SingleInstanceTest : public QObject {
  Q_OBJECT

 private slots:
  // A second start of the real program hands over to the running one and ends with code 0.
  void ASecondStartHandsOverAndExitsZero() {
    test::TestAppFolder app;
    const QString executable = app.Path("sibylon");
    QVERIFY(QFile::copy(QStringLiteral(SIBYLON_EXECUTABLE), executable));
    const QString root = QString::fromStdString(
        AppFolder(QFileInfo(app.Path("")).canonicalFilePath().toStdString()).Root());

    SingleInstance running(root);
    running.Listen();
    QSignalSpy activations(&running, &SingleInstance::ActivationRequested);

    QProcess second;
    second.start(executable, {});
    QVERIFY(second.waitForStarted());
    QVERIFY(activations.wait(10000));
    if (!second.waitForFinished(10000)) {
      second.kill();
      QFAIL("the second start did not end");
    }
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(activations.count(), 1);
  }

  void TwoInstallationsDoNotBlockEachOther() {
    SingleInstance first(QStringLiteral("/opt/one/"));
    SingleInstance second(QStringLiteral("/opt/two/"));
    QVERIFY(first.ServerName() != second.ServerName());
    first.Listen();
    QVERIFY(!second.HandOverToRunning());
  }
};

QTEST_MAIN(SingleInstanceTest)
#include "SingleInstanceTest.moc"
