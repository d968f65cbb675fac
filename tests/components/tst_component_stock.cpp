// The supplies list and the drug and stock component: a location's items,
// prices, and the stock card that moves the stock on hand.

#include "components/DialogSuppliesList.h"
#include "components/StockDrugInfo.h"
#include "components/frmLookup.h"
#include "data/ConnectionBackend.h"
#include "data/DbError.h"
#include "data/ModFunc.h"
#include "data/SessionContext.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"

#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QtTest>

using namespace tavrix;
using tavrix::test::ScriptedPrompts;
using tavrix::test::TestSession;

namespace {

// A server on which the stock procedures do not exist.
class FailingBackend : public ConnectionBackend {
public:
    ResultSet execute(const QString& statement, qint64&) override {
        throw DbError(2812, QStringLiteral("Could not find stored procedure."), statement);
    }
    void begin() override {}
    void commit() override {}
    void rollback() override {}
    bool inTransaction() const override { return false; }
    void setCommandTimeout(int) override {}
    QString serverName() const override { return QStringLiteral("nowhere"); }
    QString databaseName() const override { return QStringLiteral("nothing"); }
};

frmLookup& lookup(QDialog& d) {
    return static_cast<frmLookup&>(d);
}

} // namespace

class TestComponentStock : public QObject {
    Q_OBJECT

private slots:
    void init() {
        session_ = std::make_unique<TestSession>(TestSession::Data::Demo);
        supplies_ = DialogSuppliesList();
        drugs_ = std::make_unique<StockDrugInfo>();
        QVERIFY(supplies_.InitConnection(&session_->db()));
        QVERIFY(drugs_->InitConnect(&session_->db()));
        SessionContext::instance().drugInfo = drugs_.get();
        session_->clearLog();
    }
    void cleanup() {
        SessionContext::instance().drugInfo = nullptr;
        session_.reset();
    }

    void unusableConnections() {
        Connection closed;
        Connection failing;
        failing.open(std::make_unique<FailingBackend>());
        DialogSuppliesList s;
        StockDrugInfo d;
        QVERIFY(!s.InitConnection(nullptr));
        QVERIFY(!s.InitConnection(&closed));
        QVERIFY(!s.InitConnection(&failing));
        QVERIFY(!d.InitConnect(nullptr));
        QVERIFY(!d.InitConnect(&closed));
        QVERIFY(!d.InitConnect(&failing));
    }

    // An exact item code of the location is taken without the list.
    void suppliesExactCode_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("picked");
        QTest::newRow("item of the location") << "10004"
                                              << "MRISUP"
                                              << "10004";
        QTest::newRow("item of another location") << "10004"
                                                  << "MRIPHA"
                                                  << "";
        QTest::newRow("nothing like it") << "GLOVES"
                                         << "MRISUP"
                                         << "";
    }
    void suppliesExactCode() {
        QFETCH(QString, text);
        QFETCH(QString, location);
        QFETCH(QString, picked);
        ScriptedPrompts prompts;
        QCOMPARE(supplies_.ShowList(text, true, location), picked);
        VERIFY_PROMPTS(prompts);
    }

    void suppliesListPicksByName_data() {
        QTest::addColumn<bool>("drugsOnly");
        QTest::addColumn<QString>("location");
        QTest::addColumn<QString>("seed");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("rows");
        QTest::addColumn<QString>("picked");
        QTest::newRow("any part of the name") << false << "MRISUP"
                                              << "syringe"
                                              << "" << 2 << "10003";
        QTest::newRow("narrowed by typing") << false << "MRISUP"
                                            << ""
                                            << "ear" << 1 << "10004";
        QTest::newRow("medicines of the pharmacy") << true << "MRIPHA"
                                                   << ""
                                                   << "" << 10 << "20004";
        QTest::newRow("medicines only: no supplies") << true << "MRISUP"
                                                     << ""
                                                     << "" << 0 << "";
    }
    void suppliesListPicksByName() {
        QFETCH(bool, drugsOnly);
        QFETCH(QString, location);
        QFETCH(QString, seed);
        QFETCH(QString, typed);
        QFETCH(int, rows);
        QFETCH(QString, picked);
        ScriptedPrompts prompts;
        int shown = -1;
        QString title;
        prompts.expectModal("frmSuppliesList", [&](QDialog& d) {
            d.show();
            title = d.windowTitle();
            QTest::keyClicks(lookup(d).searchBox(), typed);
            shown = lookup(d).grid()->rowCount();
            QTest::keyClick(lookup(d).searchBox(), Qt::Key_Return);
            return d.result();
        });
        supplies_.ListTitle = QStringLiteral("Mri Supply");
        supplies_.DrugsORCSR = drugsOnly;
        QCOMPARE(supplies_.ShowList(seed, true, location), picked);
        VERIFY_PROMPTS(prompts);
        QCOMPARE(shown, rows);
        QCOMPARE(title, QStringLiteral("Mri Supply"));
    }

    void searchDrug_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("location");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("name");
        QTest::addColumn<double>("priceIn");
        QTest::addColumn<double>("priceOut");
        QTest::newRow("supply") << "10001"
                                << "MRISUP" << true << "IV CANNULA G22" << 120.0 << 150.0;
        QTest::newRow("medicine") << "20003"
                                  << "MRIPHA" << true << "MIDAZOLAM 5MG/ML 3ML AMPULE" << 180.0 << 210.0;
        QTest::newRow("other location") << "20003"
                                        << "MRISUP" << false << "" << 0.0 << 0.0;
        QTest::newRow("nothing picked") << ""
                                        << "MRISUP" << false << "" << 0.0 << 0.0;
    }
    void searchDrug() {
        QFETCH(QString, code);
        QFETCH(QString, location);
        QFETCH(bool, found);
        QFETCH(QString, name);
        QFETCH(double, priceIn);
        QFETCH(double, priceOut);
        Drug& drug = drugs_->drug();
        drug.DrugName = QStringLiteral("STALE");
        QCOMPARE(drug.SearchDrug(code, location), found);
        QCOMPARE(drug.DrugName, name);
        QCOMPARE(drug.Invent.SellingPriceIn, priceIn);
        QCOMPARE(drug.Invent.SellingPriceOut, priceOut);
    }

    // The charge screens' posting: 22 arguments, 19 to 21 left to the
    // procedure; the card is written and the stock moves, together.
    void postStockCardMovesTheStock_data() {
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("onHand");
        QTest::newRow("charged") << 2.0 << "238";
        QTest::newRow("returned") << -1.0 << "241";
    }
    void postStockCardMovesTheStock() {
        QFETCH(double, quantity);
        QFETCH(QString, onHand);
        ModFunc::PostStockCard("CSR", "000111", "260111", "10001", "C1234S", quantity, 240 * quantity,
                               "O'BRIEN REQUEST", "MRISUP", "302");
        QCOMPARE(session_->log().size(), 1);
        static const QRegularExpression when(R"('\d\d/\d\d/\d{4} \d\d:\d\d')");
        QString sent = session_->log().first();
        QVERIFY2(sent.contains(when), qPrintable(sent));
        sent.replace(when, "'WHEN'");
        QCOMPARE(sent,
                 QStringLiteral("BUILD_FILE..spInv_AppendStockCard '000111','260111','10001','WHEN','C1234S',"
                                "'%1','0.00','%2','E0101','PRN','O''BRIEN REQUEST','MRISUP','','302','0.00',"
                                "'CSR','CSR','',null,null,null,'O'")
                     .arg(quantity)
                     .arg(240 * quantity, 0, 'f', 2));
        QCOMPARE(session_->scalar("SELECT OnHand FROM BUILD_FILE..tbInvMaster WHERE ItemID = '10001' AND "
                                  "LocationID = 'MRISUP'"),
                 onHand);
        QCOMPARE(session_->scalar(
                     "SELECT HospNum || '|' || IDNum || '|' || RefNum || '|' || Quantity || '|' || "
                     "Amount || '|' || UserID || '|' || TransType || '|' || Reference || '|' || "
                     "LocationID || '|' || RoomID || '|' || InventoryCode || '|' || ChargeInvCode || "
                     "'|' || BatchNo || '|' || ifnull(ExpiryDate, 'none') || '|' || ORNumber || '|' || "
                     "Direction || '|' || length(TransDate) FROM BUILD_FILE..tbInvStockCard "
                     "WHERE RefNum = 'C1234S'"),
                 QStringLiteral(
                     "000111|260111|C1234S|%1|%2|E0101|PRN|O'BRIEN REQUEST|MRISUP|302|CSR|CSR||none||O|19")
                     .arg(quantity, 0, 'f', 1)
                     .arg(240 * quantity, 0, 'f', 1));
    }

    // An item the location does not stock: refused, nothing written.
    void itemNotStockedIsRefused() {
        const QString cards = session_->scalar("SELECT count(*) FROM BUILD_FILE..tbInvStockCard");
        try {
            ModFunc::PostStockCard("PHA", "000111", "260111", "20001", "C1235S", 1, 4800, "", "MRISUP",
                                   "302");
            QFAIL("no error");
        } catch (const DbError& e) {
            QVERIFY2(e.message().contains("not stocked"), qPrintable(e.message()));
        }
        QCOMPARE(session_->scalar("SELECT count(*) FROM BUILD_FILE..tbInvStockCard"), cards);
        QCOMPARE(session_->scalar("SELECT OnHand FROM BUILD_FILE..tbInvMaster WHERE ItemID = '20001' AND "
                                  "LocationID = 'MRIPHA'"),
                 QStringLiteral("40"));
    }

    // Batch, expiry and receipt given: stored; a receipt into stock adds.
    void givenOptionalArgumentsAndStockIn() {
        drugs_->drug().AppendStockCard("", "", "20001", "12/01/2025 08:30", "RR-1", 10, 4000, 0, "E0101",
                                       "REC", "", "MRIPHA", "delivery", "", 0, "PHA", "PHA", "",
                                       QStringLiteral("B-77"), QStringLiteral("06/30/2027"),
                                       QStringLiteral("OR-1"), "I");
        QCOMPARE(session_->scalar("SELECT OnHand FROM BUILD_FILE..tbInvMaster WHERE ItemID = '20001' AND "
                                  "LocationID = 'MRIPHA'"),
                 QStringLiteral("50"));
        QCOMPARE(
            session_->scalar("SELECT BatchNo || '|' || ExpiryDate || '|' || ORNumber || '|' || TransDate "
                             "FROM BUILD_FILE..tbInvStockCard WHERE RefNum = 'RR-1'"),
            QStringLiteral("B-77|2027-06-30 00:00:00|OR-1|2025-12-01 08:30:00"));
    }

private:
    std::unique_ptr<TestSession> session_;
    DialogSuppliesList supplies_;
    std::unique_ptr<StockDrugInfo> drugs_;
};

QTEST_MAIN(TestComponentStock)
#include "tst_component_stock.moc"
