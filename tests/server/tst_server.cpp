// The embedded server as the workstation meets it: which statements it takes,
// how it translates the T-SQL forms, what it refuses, and all-or-nothing procedures.

#include "server/Database.h"
#include "server/ProcedureCatalog.h"
#include "server/ServerError.h"
#include "server/Translator.h"

#include <QTemporaryDir>
#include <QtTest>

using namespace tavrix::server;

namespace {

std::string cell(const Result& r, std::size_t row, std::size_t col) {
    const Value& v = r.rows.at(row).at(col);
    switch (v.kind) {
    case Value::Kind::Null: return "<null>";
    case Value::Kind::Integer: return std::to_string(v.integer);
    case Value::Kind::Real: return std::to_string(v.real);
    default: return v.text;
    }
}

int errorOf(Database& db, const std::string& statement) {
    try {
        db.execute(statement);
    } catch (const ServerError& e) {
        return e.number();
    }
    return 0;
}

// Procedures that exist only for these tests.
const ProcedureCatalog& testCatalog() {
    static const EmbeddedFile files[] = {
        {"REPORTS/spTest_InsertThenFail.sql",
         "-- REPORTS..spTest_InsertThenFail\n-- @UserID: who\n-- @Fail: Y to fail after inserting\n"
         "INSERT INTO REPORTS..tbChargeSlip (UserID, Description) VALUES (@UserID, 'first');\n"
         "INSERT INTO REPORTS..tbChargeSlip (UserID, Description) VALUES (@UserID, 'second');\n"
         "SELECT raise_error('stopped on purpose') WHERE @Fail = 'Y';\n"},
        {"REPORTS/spTest_Echo.sql",
         "-- REPORTS..spTest_Echo\n-- @A: first\n-- @B = 'dflt': second, optional\n"
         "SELECT @A AS A, @B AS B;\n"},
        {"REPORTS/spTest_Branch.sql",
         "-- REPORTS..spTest_Branch\n-- @Mode: 1 or 2\n"
         "-- when: @Mode = '1'\nSELECT 'one' AS Answer;\n"
         "-- when: @Mode = '2'\nSELECT 'two' AS Answer, 2 AS Extra;\n"},
        {"REPORTS/spTest_Slow.sql",
         "-- REPORTS..spTest_Slow\n"
         "WITH RECURSIVE c(x) AS (SELECT 1 UNION ALL SELECT x + 1 FROM c) SELECT count(*) AS N FROM c;\n"},
    };
    static const ProcedureCatalog catalog(files);
    return catalog;
}

} // namespace

class TestServer : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    std::unique_ptr<Database> db_;

private slots:
    void init() {
        const std::string path = dir_.filePath(QString::number(QRandomGenerator::global()->generate()) + ".db").toStdString();
        db_ = Database::open(path, Database::OpenMode::CreateEmpty, &testCatalog());
        for (const char* s : {
                 "INSERT INTO BUILD_FILE..tbCoOtherRevenue (OtherRevenueID, RevenueID, OtherRevenue, Fixrate) VALUES ('MRI001', 'MI', 'MRI BRAIN', 'N')",
                 "INSERT INTO BUILD_FILE..tbICDDiagMain (Code, Description) VALUES ('R51', '  HEADACHE  ')",
                 "INSERT INTO RADIOLOGY..tbXRICD10 (IDNum, Dept, Seq, DiagnosisID) VALUES ('1001', 'MI', 1, 'r51')",
                 "INSERT INTO RADIOLOGY..tbMRIRequestNum (CSlip) VALUES (7)",
                 "INSERT INTO REPORTS..tbChargeSlip (UserID, Description) VALUES ('E1', 'old line')"})
            db_->execute(s);
    }

    // The T-SQL forms the workstation sends, run for real.
    void clientForms_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("value");
        QTest::newRow("convert 101") << "Select convert(varchar(10),getdate(),101) as DateToday" << "DateToday"
                                     << QDate::currentDate().toString("MM/dd/yyyy");
        QTest::newRow("isnull and [alias]")
            << "select isnull(Fixrate,'') [FixRate] from Build_File..tbcootherrevenue where OtherRevenueID = 'mri001'"
            << "FixRate" << "N";
        QTest::newRow("alias = (subquery) with top 1")
            << "Select *, description = (Select top 1 ltrim(rtrim(description)) from Build_File..tbICDDiagMain "
               "Where Code = D.diagnosisID) From Radiology..tbXRICD10 D Where IDNum = '1001' and dept = 'MI'"
            << "description" << "HEADACHE";
        QTest::newRow("count [RecCount]") << "select count(*) [RecCount] from RADIOLOGY.dbo.tbMRIRequestNum"
                                          << "RecCount" << "1";
        QTest::newRow("top 1 at the end") << "SELECT TOP 1 Description FROM REPORTS..tbChargeSlip ORDER BY LineID DESC"
                                          << "Description" << "old line";
        QTest::newRow("exec prefix") << "EXEC REPORTS..spTest_Echo 'x','y'" << "B" << "y";
        QTest::newRow("default argument") << "REPORTS..spTest_Echo 'x'" << "B" << "dflt";
        QTest::newRow("comma and blank separators") << "REPORTS..spTest_Echo  'a' ,'b'" << "A" << "a";
        QTest::newRow("doubled quote inside a literal") << "REPORTS..spTest_Echo 'O''Brien', 'x'" << "A" << "O'Brien";
        QTest::newRow("non-ASCII letters") << "REPORTS..spTest_Echo 'PEÑAFLOR, José'" << "A" << "PEÑAFLOR, José";
        QTest::newRow("conditional statement 1") << "REPORTS..spTest_Branch '1'" << "Answer" << "one";
        QTest::newRow("conditional statement 2") << "REPORTS..spTest_Branch '2'" << "Answer" << "two";
    }
    void clientForms() {
        QFETCH(QString, statement);
        QFETCH(QString, column);
        QFETCH(QString, value);
        const Result r = db_->execute(statement.toStdString());
        QVERIFY(r.hasResultSet);
        const auto it = std::find_if(r.columns.begin(), r.columns.end(), [&](const std::string& c) {
            return QString::fromStdString(c).compare(column, Qt::CaseInsensitive) == 0;
        });
        QVERIFY2(it != r.columns.end(), qPrintable("no column " + column));
        QCOMPARE(r.rows.size(), 1u);
        QCOMPARE(QString::fromStdString(cell(r, 0, static_cast<std::size_t>(it - r.columns.begin())).c_str()).trimmed(),
                 value);
    }

    void deleteAndUpdateForms() {
        Result r = db_->execute("DELETE REPORTS..tbChargeSlip WHERE UserID = 'E1'");
        QCOMPARE(r.rowsAffected, 1);
        QVERIFY(!r.hasResultSet);
        r = db_->execute("UPDATE RADIOLOGY..tbMRIRequestNum SET CSlip = '8' WHERE CSlip = '7'");
        QCOMPARE(r.rowsAffected, 1);
        r = db_->execute("UPDATE RADIOLOGY..tbMRIRequestNum SET CSlip = '9' WHERE CSlip = '7'");
        QCOMPARE(r.rowsAffected, 0);
    }

    void exactTranslation_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("sqlite");
        QTest::newRow("names") << "SELECT * FROM RADIOLOGY..tbMRIDefaultRadiologist"
                               << "SELECT * FROM RADIOLOGY__tbMRIDefaultRadiologist";
        QTest::newRow("owner form") << "select a from Patient_Data.dbo.tbPatient2"
                                    << "select a from PATIENT_DATA__tbPatient2";
        QTest::newRow("delete without from") << "DELETE REPORTS..tbChargeSlip WHERE UserID = 'x'"
                                             << "DELETE FROM REPORTS__tbChargeSlip WHERE UserID = 'x'";
        QTest::newRow("brackets") << "select count(*) [RecCount] from BILLING..tbCashAssessment"
                                  << "select count(*) \"RecCount\" from BILLING__tbCashAssessment";
        QTest::newRow("literal untouched") << "select 'RADIOLOGY..tb [x] top 1' as T from REPORTS..tbChargeSlip"
                                           << "select 'RADIOLOGY..tb [x] top 1' as T from REPORTS__tbChargeSlip";
        QTest::newRow("alias column") << "select D.Code from BUILD_FILE..tbICDDiagMain D"
                                      << "select D.Code from BUILD_FILE__tbICDDiagMain D";
    }
    void exactTranslation() {
        QFETCH(QString, statement);
        QFETCH(QString, sqlite);
        const ParsedStatement p = parseStatement(statement.toStdString());
        QCOMPARE(QString::fromStdString(p.sql), sqlite);
    }

    // Whatever a hostile or careless text holds, it is refused whole and changes nothing.
    void refusals_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<int>("number");
        QTest::newRow("stacked after a call") << "REPORTS..spTest_Echo 'a'; DELETE REPORTS..tbChargeSlip WHERE 1=1" << 102;
        QTest::newRow("stacked select") << "SELECT 1; DELETE REPORTS..tbChargeSlip WHERE 1=1" << 102;
        QTest::newRow("quote breaks out of a literal") << "REPORTS..spTest_Echo 'a' '; DELETE REPORTS..tbChargeSlip" << 105;
        QTest::newRow("comment in a call") << "REPORTS..spTest_Echo 'a' -- rest" << 102;
        QTest::newRow("bare word argument") << "REPORTS..spTest_Echo a" << 102;
        QTest::newRow("dangling comma") << "REPORTS..spTest_Echo 'a'," << 102;
        QTest::newRow("missing comma") << "REPORTS..spTest_Echo 'a' 'b'" << 102;
        QTest::newRow("unclosed literal") << "REPORTS..spTest_Echo 'a" << 105;
        QTest::newRow("empty") << "   " << 102;
        QTest::newRow("pragma") << "PRAGMA table_info(x)" << 102;
        QTest::newRow("attach") << "ATTACH DATABASE '/tmp/x.db' AS x" << 102;
        QTest::newRow("drop") << "DROP TABLE REPORTS..tbChargeSlip" << 102;
        QTest::newRow("create") << "CREATE TABLE REPORTS..tbX (a)" << 102;
        QTest::newRow("begin") << "BEGIN TRANSACTION" << 102;
        QTest::newRow("internal table") << "SELECT * FROM sqlite_master" << 229;
        QTest::newRow("internal table in a union") << "select 1 union select name from sqlite_schema" << 229;
        QTest::newRow("version table") << "SELECT * FROM _meta" << 229;
        QTest::newRow("insert from internal") << "INSERT INTO REPORTS..tbChargeSlip (UserID) SELECT name FROM sqlite_master" << 229;
        QTest::newRow("unknown database") << "SELECT * FROM master..sysobjects" << 208;
        QTest::newRow("unknown table") << "SELECT * FROM RADIOLOGY..tbNoSuch" << 208;
        QTest::newRow("unknown procedure") << "RADIOLOGY..spNoSuch 'a'" << 2812;
        QTest::newRow("procedure of an unknown database") << "MASTER..xp_cmdshell 'dir'" << 2812;
        QTest::newRow("too many arguments") << "REPORTS..spTest_Echo 'a','b','c'" << 8144;
        QTest::newRow("missing argument") << "REPORTS..spTest_Echo" << 201;
        QTest::newRow("raised by a procedure") << "REPORTS..spTest_InsertThenFail 'E9','Y'" << 50000;
    }
    void refusals() {
        QFETCH(QString, statement);
        QFETCH(int, number);
        QCOMPARE(errorOf(*db_, statement.toStdString()), number);
        const Result r = db_->execute("SELECT count(*) AS N FROM REPORTS..tbChargeSlip");
        QCOMPARE(r.rows[0][0].integer, 1); // the fixture line, nothing more, nothing less
    }

    void errorCarriesTheStatement() {
        try {
            db_->execute("RADIOLOGY..spNoSuch 'a'");
            QFAIL("no error");
        } catch (const ServerError& e) {
            QCOMPARE(QString::fromStdString(e.statement()), QStringLiteral("RADIOLOGY..spNoSuch 'a'"));
            QVERIFY(QString(e.what()).contains("spNoSuch"));
        }
    }

    void failingProcedureLeavesNothing() {
        QCOMPARE(errorOf(*db_, "REPORTS..spTest_InsertThenFail 'E9','Y'"), 50000);
        QCOMPARE(db_->execute("SELECT count(*) FROM REPORTS..tbChargeSlip WHERE UserID = 'E9'").rows[0][0].integer, 0);
        db_->execute("REPORTS..spTest_InsertThenFail 'E9','N'");
        QCOMPARE(db_->execute("SELECT count(*) FROM REPORTS..tbChargeSlip WHERE UserID = 'E9'").rows[0][0].integer, 2);
    }

    void procedureInsideCallerTransaction() {
        db_->begin();
        db_->execute("REPORTS..spTest_InsertThenFail 'E7','N'");
        QCOMPARE(errorOf(*db_, "REPORTS..spTest_InsertThenFail 'E8','Y'"), 50000);
        QVERIFY(db_->inTransaction()); // a failed procedure undoes only itself
        db_->rollback();
        QCOMPARE(db_->execute("SELECT count(*) FROM REPORTS..tbChargeSlip WHERE UserID IN ('E7','E8')").rows[0][0].integer, 0);
    }

    void commandTimeout() {
        db_->setCommandTimeout(std::chrono::milliseconds(150));
        QElapsedTimer t;
        t.start();
        QCOMPARE(errorOf(*db_, "REPORTS..spTest_Slow"), -2);
        QVERIFY(t.elapsed() < 5000);
        db_->setCommandTimeout(std::chrono::seconds(120));
        QCOMPARE(db_->execute("REPORTS..spTest_Echo 'ok'").rows[0][0].text, std::string("ok"));
    }

    void datesAreTyped() {
        const Result r = db_->execute("SELECT getdate() as serverdate");
        QCOMPARE(static_cast<int>(r.rows[0][0].kind), static_cast<int>(Value::Kind::DateTime));
        const Result t = db_->execute("SELECT 'not a date' AS x, '2024-03-05' AS d");
        QCOMPARE(static_cast<int>(t.rows[0][0].kind), static_cast<int>(Value::Kind::Text));
        QCOMPARE(static_cast<int>(t.rows[0][1].kind), static_cast<int>(Value::Kind::DateTime));
    }

    void schemaVersionAndReopen() {
        const std::string path = dir_.filePath("reopen.db").toStdString();
        {
            auto db = Database::open(path, Database::OpenMode::CreateDemo);
            QVERIFY(db->schemaVersion() >= 1);
            QVERIFY(db->isDemo());
        }
        auto again = Database::open(path, Database::OpenMode::Existing);
        QCOMPARE(again->execute("SELECT count(*) FROM PATIENT_DATA..tbHospitalInfo").rows[0][0].integer, 1);
        QVERIFY_THROWS_EXCEPTION(ServerError, Database::open(dir_.filePath("missing.db").toStdString()));
    }

    void everyBuiltinProcedurePrepares() {
        // A procedure file that does not compile against the schema fails here, not at a clerk's desk.
        auto db = Database::open(dir_.filePath("builtin.db").toStdString(), Database::OpenMode::CreateDemo);
        for (const Procedure* p : ProcedureCatalog::builtin().all()) {
            QVERIFY2(!p->statements.empty(), p->qualifiedName().c_str());
            std::string call = p->qualifiedName();
            for (std::size_t i = 0; i < p->parameters.size(); ++i)
                call += (i ? ",'" : " '") + std::string("0") + "'";
            try {
                db->execute(call);
            } catch (const ServerError& e) {
                QVERIFY2(e.number() == 50000, (p->qualifiedName() + ": " + e.what()).c_str());
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestServer)
#include "tst_server.moc"
