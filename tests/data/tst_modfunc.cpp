// The small shared routines: key filter, doctor title, file look-ups, stock-card posting.

#include "data/ModFunc.h"
#include "data/SessionContext.h"
#include "tests/support/Fakes.h"
#include "tests/support/TestSession.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tavrix;
using namespace tavrix::test;

class TestModFunc : public QObject {
    Q_OBJECT

private slots:
    void upperCaseKey_data() {
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("expected");
        QTest::newRow("letter") << int('a') << int('A');
        QTest::newRow("capital") << int('Q') << int('Q');
        QTest::newRow("digit") << int('7') << int('7');
        QTest::newRow("punctuation") << int(',') << int(',');
        QTest::newRow("enter") << 13 << 13;
        QTest::newRow("backspace") << 8 << 8;
        QTest::newRow("n with tilde") << 0xF1 << 0xD1;
    }
    void upperCaseKey() {
        QFETCH(int, key);
        QFETCH(int, expected);
        QCOMPARE(ModFunc::UpperCaseKey(key), expected);
    }

    void doctorTitle_data() {
        QTest::addColumn<QString>("doctor");
        QTest::addColumn<QString>("title");
        QTest::newRow("with a title") << "2001" << "M.D., FPCR";
        QTest::newRow("empty title") << "1008" << "M.D.";
        QTest::newRow("unknown doctor") << "9999" << "M.D.";
        QTest::newRow("apostrophe in the code") << "10'08" << "M.D.";
    }
    void doctorTitle() {
        QFETCH(QString, doctor);
        QFETCH(QString, title);
        TestSession t(TestSession::Data::Demo);
        QCOMPARE(ModFunc::GetDoctorTitle(doctor), title);
        QCOMPARE(t.log().last(), "select * from BUILD_FILE..tbCoDoctor where DoctorID = '" +
                                     QString(doctor).replace("'", "''") + "'");
    }

    void doctorTitleNeverFails() {
        TestSession t(TestSession::Data::Demo);
        t.db().close();
        QCOMPARE(ModFunc::GetDoctorTitle("2001"), QStringLiteral("M.D."));
    }

    void lookUps() {
        TestSession t(TestSession::Data::Demo);
        SessionContext::instance().RevenueID = "MI";
        QCOMPARE(ModFunc::FindFileNumber("000101"), QStringLiteral("M26-00012"));
        QCOMPARE(t.log().last(), QStringLiteral("Radiology..spRadio_SearchFileNum 'MI','2','000101'"));
        QCOMPARE(ModFunc::FindFileNumber("000999"), QString());
        QCOMPARE(ModFunc::GetVerifyingRadiologist("26000001"), QStringLiteral("2001"));
        QCOMPARE(ModFunc::GetVerifyingRadiologist("26000004"), QString()); // saved, not verified
        QCOMPARE(t.log().last(), QStringLiteral("Select RadCode From Radiology..tbMRIResult Where Requestnum = "
                                                "'26000004' and isnull(VerifyByID,'') <> ''"));
        QTemporaryDir dir;
        QVERIFY(!ModFunc::CheckFileExists(dir.path())); // a folder is not a file
        QFile f(dir.filePath("x.rpt"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(ModFunc::CheckFileExists(dir.filePath("x.rpt")));
        QVERIFY(!ModFunc::CheckFileExists(dir.filePath("y.rpt")));
    }

    void stockCardArguments() {
        TestSession t;
        FakeDrugInfo drugs;
        SessionContext::instance().drugInfo = &drugs;
        const QDateTime before = QDateTime::currentDateTime();
        ModFunc::PostStockCard("PHA", "000101", "260101", "20001", "C7S", 2, 9600, "", "MRIPHA", "101");
        const QVariantList& a = drugs.fake.lastStockCard;
        QCOMPARE(a.size(), 22);
        const QVariantList expected = {"000101", "260101", "20001", a[3], "C7S", 2.0, 0.0, 9600.0, "E0101", "PRN", "",
                                       "MRIPHA", "", "101", 0.0, "PHA", "PHA", "", "<default>", "<default>",
                                       "<default>", "O"};
        QCOMPARE(a, expected);
        const QDateTime stamped = QDateTime::fromString(a[3].toString(), "MM/dd/yyyy hh:mm");
        QVERIFY(stamped.isValid());
        QVERIFY(qAbs(stamped.secsTo(before)) < 120);
        SessionContext::instance().drugInfo = nullptr;
    }
};

QTEST_GUILESS_MAIN(TestModFunc)
#include "tst_modfunc.moc"
