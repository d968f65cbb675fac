// The shared server routines and the data access under them: counters, look-ups,
// warnings, and values that must reach the server unchanged.

#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/StoredProcs.h"
#include "data/TransactionScope.h"
#include "data/UpdatableRow.h"
#include "data/EmbeddedBackend.h"
#include "tests/support/TestSession.h"

#include <QProcess>
#include <QtTest>

#include <set>

using namespace tavrix;
using tavrix::test::TestSession;

class TestStoredProcs : public QObject {
    Q_OBJECT

private slots:
    void chargeSlipCounter() {
        TestSession t;
        t.run("INSERT INTO RADIOLOGY..tbMRIRequestNum (CSlip) VALUES (7)");
        QCOMPARE(StoredProcs::NextChargeSlipNumber(), QStringLiteral("C7S"));
        QCOMPARE(t.scalar("SELECT CSlip FROM RADIOLOGY..tbMRIRequestNum"), QStringLiteral("8"));
        QCOMPARE(StoredProcs::NextChargeSlipNumber(), QStringLiteral("C8S"));
        QCOMPARE(t.log().first(), QStringLiteral("SELECT CSlip FROM RADIOLOGY..tbMRIRequestNum"));
    }

    void counterChangedBetweenReadAndWriteFails() {
        TestSession t;
        t.run("INSERT INTO RADIOLOGY..tbMRIRequestNum (CSlip) VALUES (7)");
        UpdatableRow counter(t.db(), "SELECT CSlip FROM RADIOLOGY..tbMRIRequestNum", "RADIOLOGY..tbMRIRequestNum");
        t.db().execute("UPDATE RADIOLOGY..tbMRIRequestNum SET CSlip = 8"); // another workstation drew 7
        counter.set("CSlip", "8");
        QVERIFY_THROWS_EXCEPTION(DbError, counter.write());
        QCOMPARE(t.scalar("SELECT CSlip FROM RADIOLOGY..tbMRIRequestNum"), QStringLiteral("8"));
    }

    void missingCounterRowFails() {
        TestSession t;
        try {
            StoredProcs::NextChargeSlipNumber();
            QFAIL("no error");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), DbError::NoCurrentRow);
        }
    }

    // Several workstations drawing at once: a number is handed out once or the draw fails.
    void concurrentDrawsNeverRepeat() {
        TestSession t;
        t.run("INSERT INTO RADIOLOGY..tbMRIRequestNum (CSlip) VALUES (1)");
        const int workers = 4, draws = 40;
        QList<QProcess*> procs;
        for (int i = 0; i < workers; ++i) {
            auto* p = new QProcess(this);
            p->start(QCoreApplication::applicationFilePath(), {"--draw-slips", t.path(), QString::number(draws)});
            procs << p;
        }
        std::set<QString> numbers;
        int drawn = 0;
        for (QProcess* p : procs) {
            QVERIFY(p->waitForFinished(120000));
            QCOMPARE(p->exitCode(), 0);
            for (const QByteArray& line : p->readAllStandardOutput().split('\n')) {
                if (line.isEmpty())
                    continue;
                ++drawn;
                QVERIFY2(numbers.insert(QString::fromLatin1(line)).second, line.constData());
            }
        }
        QVERIFY(drawn > 0);
        QCOMPARE(t.scalar("SELECT CSlip FROM RADIOLOGY..tbMRIRequestNum").toInt(), 1 + drawn);
    }

    void searchAccount_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("expected");
        QTest::newRow("admission") << "260101" << "C001 - ILOILO PORT SERVICES CORP.";
        QTest::newRow("out-patient") << "OPD260202" << "H001 - MEDIHEALTH HMO, INC.";
        QTest::newRow("account itself") << "H002" << "H002 - CAREPLUS HEALTH PLANS";
        QTest::newRow("unknown") << "NOPE" << "";
        QTest::newRow("personal account") << "OPD260203" << "";
    }
    void searchAccount() {
        QFETCH(QString, key);
        QFETCH(QString, expected);
        TestSession t(TestSession::Data::Demo);
        QCOMPARE(StoredProcs::SearchAccount(key), expected);
        QCOMPARE(t.log().last(), "Radiology..spRadio_SearchAccount '" + key + "'");
    }

    void alreadyChargedWarning_data() {
        QTest::addColumn<QString>("charges");
        QTest::addColumn<bool>("warns");
        QTest::newRow("no charge") << "" << false;
        QTest::newRow("charged") << "1500" << true;
        QTest::newRow("charged and reversed") << "1500,-1500" << false;
        QTest::newRow("negative") << "-200" << false;
    }
    void alreadyChargedWarning() {
        QFETCH(QString, charges);
        QFETCH(bool, warns);
        TestSession t;
        for (const QString& amount : charges.split(',', Qt::SkipEmptyParts))
            t.run("INSERT INTO BILLING..tbPatientCharges (PatientType, IDNum, RevenueID, ItemID, Amount, TransDate) "
                  "VALUES ('I', '5001', 'MI', 'MRI001', " + amount + ", '2026-03-05 10:15:00')");
        const QString text = StoredProcs::WarnIfAlreadyCharged("5001", "MI", "MRI001", "MRI BRAIN PLAIN");
        QCOMPARE(t.log().last(), QStringLiteral("Reports..sp_Check_CurrentCharges '5001', 'MI', 'MRI001'"));
        if (warns)
            QCOMPARE(text, QStringLiteral("Patient was already charged with (MRI001) MRI BRAIN PLAIN at 03/05/2026 10:15:00 AM"));
        else
            QVERIFY(text.isEmpty());
    }

    void resultVerified_data() {
        QTest::addColumn<QString>("verifier");
        QTest::addColumn<bool>("verified");
        QTest::newRow("verified") << "'E0102'" << true;
        QTest::newRow("empty verifier") << "''" << false;
        QTest::newRow("null verifier") << "NULL" << false;
        QTest::newRow("no result") << "" << false;
    }
    void resultVerified() {
        QFETCH(QString, verifier);
        QFETCH(bool, verified);
        TestSession t;
        if (!verifier.isEmpty())
            t.run("INSERT INTO RADIOLOGY..tbMRIResult (RequestNum, VerifyByID) VALUES ('26000001', " + verifier + ")");
        QCOMPARE(StoredProcs::IsResultVerified("26000001"), verified);
        QCOMPARE(t.log().last(), QStringLiteral("Radiology..spRadio_IsResultVerified '26000001', '4'"));
    }

    void defaultRadiologist() {
        TestSession t;
        auto& s = SessionContext::instance();
        StoredProcs::LoadDefaultRadiologist(); // no row: stays empty
        QVERIFY(s.DefaultRadiologistCode.isEmpty() && s.DefaultRadiologistName.isEmpty());
        t.run("INSERT INTO RADIOLOGY..tbMRIDefaultRadiologist (Code, LastName, FirstName, MiddleName) "
              "VALUES ('2001', 'REYES', 'MARIA', NULL)");
        StoredProcs::LoadDefaultRadiologist();
        QCOMPARE(s.DefaultRadiologistCode, QStringLiteral("2001"));
        QCOMPARE(s.DefaultRadiologistName, QStringLiteral("MARIA  REYES"));
    }

    void serverDateAndDump() {
        TestSession t;
        QCOMPARE(StoredProcs::GetServerDateText(), QDate::currentDate().toString("MM/dd/yyyy"));
        QVERIFY(qAbs(StoredProcs::GetServerDateTime().secsTo(QDateTime::currentDateTime())) < 5);
        QCOMPARE(StoredProcs::PendingCheckCommand(), QStringLiteral("RADIOLOGY..spRadio_CheckPending 'MI'"));
        t.run("INSERT INTO REPORTS..tbChargeSlip (UserID) VALUES ('E0101');"
              "INSERT INTO REPORTS..tbChargeSlip (UserID) VALUES ('E0999')");
        StoredProcs::ClearChargeSlipDump();
        QCOMPARE(t.log().last(), QStringLiteral("DELETE REPORTS..tbChargeSlip WHERE UserID = 'E0101'"));
        QCOMPARE(t.scalar("SELECT count(*) FROM REPORTS..tbChargeSlip"), QStringLiteral("1"));
    }

    // Typed values reach the server unchanged and never break or extend a statement.
    void valuesReachTheServerUnchanged_data() {
        QTest::addColumn<QString>("value");
        QTest::newRow("apostrophe") << "O'BRIEN";
        QTest::newRow("statement inside") << "x'; DELETE REPORTS..tbChargeSlip WHERE ''='";
        QTest::newRow("comment markers") << "a -- b /* c */";
        QTest::newRow("semicolon") << "a; b";
        QTest::newRow("non-ASCII") << "PEÑAFLOR, José Ñiño";
        QTest::newRow("doubled quotes") << "a''b";
        QTest::newRow("line break") << "line one\nline two";
    }
    void valuesReachTheServerUnchanged() {
        QFETCH(QString, value);
        TestSession t;
        t.db().execute(SqlText::build(u"INSERT INTO REPORTS..tbChargeSlip (UserID, Description) VALUES ('U', '{}')", {value}));
        QCOMPARE(t.scalar("SELECT Description FROM REPORTS..tbChargeSlip WHERE UserID = 'U'"), value);
        QCOMPARE(t.scalar("SELECT count(*) FROM REPORTS..tbChargeSlip"), QStringLiteral("1"));
        const ResultSet rs = t.db().execute(SqlText::build(u"REPORTS..sp_Check_CurrentCharges '{}', '{}', '{}'", {value, value, value}));
        QVERIFY(rs.isEmpty());
    }

    void documentedTextsStayExact() {
        QCOMPARE(SqlText::build(u"Radiology..spRadio_SearchAccount '{}'", {"260101"}),
                 QStringLiteral("Radiology..spRadio_SearchAccount '260101'"));
        QCOMPARE(SqlText::build(u"X..sp '{}','{}', '{}'", {"", "O'B", "c"}), QStringLiteral("X..sp '','O''B', 'c'"));
        QCOMPARE(SqlText::toBackquotes("it's"), QStringLiteral("it`s"));
        QCOMPARE(SqlText::fromBackquotes("it`s"), QStringLiteral("it's"));
    }

    void resultSetReading() {
        TestSession t(TestSession::Data::Demo);
        const ResultSet rs = t.db().execute("select * from PATIENT_DATA..tbHospitalInfo");
        QCOMPARE(rs.rowCount(), 1);
        QCOMPARE(rs.first().text("company"), QStringLiteral("ST. ANSELM MEDICAL CENTER")); // any letter case
        QCOMPARE(rs.first().text("TIN"), rs.text(0, rs.indexOf("tin")));
        const ResultSet empty = t.db().execute("SELECT * FROM RADIOLOGY..tbMRIResult WHERE RequestNum = 'none'");
        QVERIFY(empty.hasColumns() && empty.isEmpty());
        QVERIFY_THROWS_EXCEPTION(DbError, empty.first());
        QVERIFY_THROWS_EXCEPTION(DbError, rs.first().text("NoSuchColumn"));
        const ResultSet typed = t.db().execute(
            "SELECT AdmDate, DcrDate, AccountNum FROM PATIENT_DATA..tbPatient WHERE IDNum = '260101'");
        QCOMPARE(typed.first().value("AdmDate").typeId(), QMetaType::QDateTime);
        QVERIFY(typed.first().isNull("DcrDate"));
        QCOMPARE(typed.first().text("DcrDate"), QString());
    }

    void transactionScopeRollsBack() {
        TestSession t;
        {
            TransactionScope scope(t.db());
            t.db().execute("INSERT INTO REPORTS..tbChargeSlip (UserID) VALUES ('X')");
        }
        QCOMPARE(t.scalar("SELECT count(*) FROM REPORTS..tbChargeSlip"), QStringLiteral("0"));
        {
            TransactionScope scope(t.db());
            t.db().execute("INSERT INTO REPORTS..tbChargeSlip (UserID) VALUES ('X')");
            scope.commit();
        }
        QCOMPARE(t.scalar("SELECT count(*) FROM REPORTS..tbChargeSlip"), QStringLiteral("1"));
    }

    void errorsCarryNumberMessageAndStatement() {
        TestSession t;
        try {
            t.db().execute("RADIOLOGY..spNoSuch 'a'");
            QFAIL("no error");
        } catch (const DbError& e) {
            QCOMPARE(e.number(), 2812);
            QCOMPARE(e.statement(), QStringLiteral("RADIOLOGY..spNoSuch 'a'"));
            QVERIFY(e.message().contains("spNoSuch"));
        }
    }
};

// Worker mode for the concurrency test: draw N slip numbers and print each one drawn.
static int drawSlips(const QString& path, int count) {
    test::TestCurrentUser user;
    user.sqlconnection().open(std::make_unique<EmbeddedBackend>(path, EmbeddedBackend::Create::No));
    user.setEmployee("E0101", "worker");
    SessionContext::instance().currentUser = &user;
    QTextStream out(stdout);
    for (int i = 0; i < count; ++i) {
        try {
            out << StoredProcs::NextChargeSlipNumber() << '\n';
        } catch (const DbError&) {
            // another workstation drew in between: no number handed out
        }
    }
    return 0;
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc == 4 && QByteArray(argv[1]) == "--draw-slips")
        return drawSlips(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestStoredProcs tc;
    return QTest::qExec(&tc, argc, argv);
}
#include "tst_storedprocs.moc"
