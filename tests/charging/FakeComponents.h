#pragma once

// Small stand-ins for the look-up components, so the charging screens can be
// driven without their dialogs. Each records how it was called; what the
// "user" picks in a list is set by the test.

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/ValueText.h"
#include "data/components/CodeSearch.h"
#include "data/components/DrugInfo.h"
#include "data/components/RadiologySearch.h"
#include "data/components/SuppliesList.h"

#include <QList>
#include <QMap>
#include <QStringList>

#include <memory>

namespace tavrix::test {

// Doctors and exams from the demo catalogue. A seed that is one code picks
// it; a seed that begins one or more codes picks listChoice (empty: the user
// cancels); a seed that finds nothing throws 3021, as the real search does.
class FakeCodeSearch : public CodeSearch {
public:
    QMap<QString, DoctorRecord> doctors;
    QMap<QString, OtherRevenueRecord> exams;
    QString listChoice;
    QStringList calls; // "seed|mode|section"

    void loadFrom(Connection& db) {
        const ResultSet d =
            db.execute("SELECT DoctorID, LastName, FirstName, MiddleName FROM BUILD_FILE..tbCoDoctor");
        for (int r = 0; r < d.rowCount(); ++r)
            doctors.insert(d.text(r, 0), {d.text(r, 0), d.text(r, 1), d.text(r, 2), d.text(r, 3)});
        const ResultSet e =
            db.execute("SELECT OtherRevenueID, OtherRevenue, RateA, RateB, RateC, RateD, RateE, RateF, "
                       "RateG, RateH, Fixrate FROM BUILD_FILE..tbCoOtherRevenue WHERE RevenueID = 'MI'");
        for (int r = 0; r < e.rowCount(); ++r) {
            OtherRevenueRecord x;
            x.ResultCode = e.text(r, 0);
            x.OtherRevenue = e.text(r, 1);
            double* rates[] = {&x.RateA, &x.RateB, &x.RateC, &x.RateD,
                               &x.RateE, &x.RateF, &x.RateG, &x.RateH};
            for (int i = 0; i < 8; ++i)
                *rates[i] = ValueText::number(e.value(r, 2 + i));
            x.Fixrate = e.text(r, 10);
            exams.insert(x.ResultCode, x);
        }
    }

    bool SearchListing(const QString& text, int mode) override {
        calls << text + u'|' + QString::number(mode) + u'|' + OtherSectionID;
        const QString seed = text.trimmed().toUpper();
        if (mode == Doctors) {
            const QString code = pick(doctors.keys(), seed);
            if (code.isEmpty())
                return false;
            doctorRecord = doctors.value(code);
            return true;
        }
        const QString code = pick(exams.keys(), seed);
        if (code.isEmpty())
            return false;
        otherRevenueRecord = exams.value(code);
        ctExamRecord = {code,
                        otherRevenueRecord.OtherRevenue,
                        otherRevenueRecord.RateA,
                        otherRevenueRecord.RateB,
                        otherRevenueRecord.RateC,
                        otherRevenueRecord.RateD,
                        otherRevenueRecord.RateE,
                        otherRevenueRecord.RateF,
                        otherRevenueRecord.RateG,
                        otherRevenueRecord.RateH};
        return true;
    }

private:
    QString pick(const QStringList& codes, const QString& seed) const {
        if (codes.contains(seed))
            return seed;
        const bool any = seed.isEmpty() || std::any_of(codes.begin(), codes.end(),
                                                       [&](const QString& c) { return c.startsWith(seed); });
        if (!any)
            throw DbError(DbError::NoCurrentRow, QStringLiteral("No current row."));
        return listChoice;
    }
};

// The admitted patient the user picks in the list (none when not set).
class FakeRadiologySearch : public RadiologySearch {
public:
    std::optional<PatientRecord> pickInpatient;
    QStringList calls; // "seed|list"

    bool PatientListing(const QString& text, int list, bool) override {
        calls << text + u'|' + QString::number(list);
        if (!pickInpatient)
            return false;
        Inpatient = *pickInpatient;
        return true;
    }
    bool SearchListing(const QString&, int, bool) override { return false; }
    bool FileNumFound(const QString&) override { return false; }

    // An admission of the demo hospital, as the patient list fills it.
    static PatientRecord admission(Connection& db, const QString& idNum) {
        const ResultSet rs = db.execute(SqlText::build(
            u"SELECT m.HospNum, p.IDNum, m.LastName, m.FirstName, m.MiddleName, m.Sex, m.CivilStatus, "
            u"m.BirthDate, "
            u"m.HouseStreet, m.Barangay, a.Town, a.Province, p.RoomID, isnull(r.RoomClassID, '') AS "
            u"RoomClassID, "
            u"p.AdmDate, p.BillingDate, p.AttendingDrID, d.LastName AS DrLast, d.FirstName AS DrFirst "
            u"FROM PATIENT_DATA..tbPatient p JOIN PATIENT_DATA..tbMaster m ON m.HospNum = p.HospNum "
            u"LEFT JOIN BUILD_FILE..tbCoAddress a ON a.ZipCode = m.ZipCode "
            u"LEFT JOIN BUILD_FILE..tbCoRoom r ON r.RoomID = p.RoomID "
            u"LEFT JOIN BUILD_FILE..tbCoDoctor d ON d.DoctorID = p.AttendingDrID WHERE p.IDNum = '{}'",
            {idNum}));
        const ResultRow row = rs.first();
        PatientRecord p;
        p.HospitalNumber = row.text("HospNum");
        p.IdNumber = row.text("IDNum");
        p.LastName = row.text("LastName");
        p.FirstName = row.text("FirstName");
        p.MiddleName = row.text("MiddleName");
        p.Sex = row.text("Sex");
        p.CivilStatus = row.text("CivilStatus");
        p.BirthDate = ValueText::usDate(row.dateTime("BirthDate"));
        p.HouseStreet = row.text("HouseStreet");
        p.Barangay = row.text("Barangay");
        p.Town = row.text("Town");
        p.Province = row.text("Province");
        p.RoomID = row.text("RoomID");
        p.RoomClassID = row.text("RoomClassID");
        p.AdmDate = ValueText::usDate(row.dateTime("AdmDate"));
        p.BillingDate = ValueText::usDate(row.dateTime("BillingDate"));
        p.AttendingDrID = row.text("AttendingDrID");
        p.AttendingDr =
            QStringLiteral("DR. ") + row.text("DrLast") + QStringLiteral(", ") + row.text("DrFirst");
        return p;
    }
};

class FakeSuppliesList : public SuppliesList {
public:
    QString choice;    // the item the user picks in the list
    QStringList calls; // "title|seed|location"
    bool InitConnection(Connection*) override { return true; }
    QString ShowList(const QString& text, bool, const QString& locationId) override {
        calls << ListTitle + u'|' + text + u'|' + locationId;
        return choice;
    }
};

// Stock items of the demo hospital. The stock card is written through the
// session's connection, as the real component does, so it shares the slip's
// transaction; failStockCard makes it fail instead.
class FakeDrug : public Drug {
public:
    QString failStockCard;  // the error to raise, when not empty
    QStringList stockCards; // "item|ref|quantity|amount|location|inventory"

    bool SearchDrug(const QString& itemCode, const QString& locationId) override {
        const ResultSet rs = SessionContext::instance().connection().execute(
            SqlText::build(u"SELECT DrugName, SellingPriceIn, SellingPriceOut FROM BUILD_FILE..tbInvMaster "
                           u"WHERE ItemID = '{}' AND "
                           u"LocationID = '{}'",
                           {itemCode, locationId}));
        if (rs.isEmpty())
            return false;
        DrugName = rs.first().text("DrugName");
        Invent.SellingPriceIn = rs.first().number("SellingPriceIn");
        Invent.SellingPriceOut = rs.first().number("SellingPriceOut");
        return true;
    }

    static QString stockCardStatement(const QString& hospNum, const QString& idNum, const QString& itemCode,
                                      const QString& refNum, double quantity, double amount,
                                      const QString& locationId) {
        return SqlText::build(
            u"INSERT INTO BUILD_FILE..tbInvStockCard (HospNum, IDNum, ItemID, RefNum, Quantity, Amount, "
            u"LocationID, TransType, Direction, PostedDate) VALUES ('{}', '{}', '{}', '{}', '{}', '{}', "
            u"'{}', 'PRN', 'O', getdate())",
            {hospNum, idNum, itemCode, refNum, QString::number(quantity), QString::number(amount),
             locationId});
    }

    void AppendStockCard(const QString& hospNum, const QString& idNum, const QString& itemCode,
                         const QString&, const QString& refNum, double quantity, double, double amount,
                         const QString&, const QString&, const QString&, const QString& locationId,
                         const QString&, const QString&, double, const QString& inventoryCode, const QString&,
                         const QString&, const std::optional<QString>&, const std::optional<QString>&,
                         const std::optional<QString>&, const QString&) override {
        stockCards
            << QStringList{itemCode,   refNum,       QString::number(quantity), QString::number(amount),
                           locationId, inventoryCode}
                   .join(u'|');
        if (!failStockCard.isEmpty())
            throw DbError(50000, failStockCard);
        SessionContext::instance().connection().execute(
            stockCardStatement(hospNum, idNum, itemCode, refNum, quantity, amount, locationId));
    }
};

class FakeDrugInfo : public DrugInfo {
public:
    FakeDrug fake;
    bool InitConnect(Connection*) override { return true; }
    Drug& drug() override { return fake; }
};

// All four installed in the session for one test.
struct FakeComponents {
    FakeCodeSearch codeSearch;
    FakeRadiologySearch radiologySearch;
    FakeSuppliesList suppliesList;
    FakeDrugInfo drugInfo;

    explicit FakeComponents(Connection& db) {
        codeSearch.loadFrom(db);
        auto& s = SessionContext::instance();
        s.codeSearch = &codeSearch;
        s.radiologySearch = &radiologySearch;
        s.suppliesList = &suppliesList;
        s.drugInfo = &drugInfo;
        db.clearLog();
    }
    ~FakeComponents() {
        auto& s = SessionContext::instance();
        s.codeSearch = nullptr;
        s.radiologySearch = nullptr;
        s.suppliesList = nullptr;
        s.drugInfo = nullptr;
    }
    FakeComponents(const FakeComponents&) = delete;
    FakeComponents& operator=(const FakeComponents&) = delete;
};

} // namespace tavrix::test
