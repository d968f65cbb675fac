// The clerk's whole road on the demo hospital, through the real look-up
// dialogs and the real report preview: find an admitted patient by last name,
// charge an exam, a reader's fee and a medicine, "Save/&Print", and read the
// slip. Renders the filled screen and the slip to PNG for a person to look at.

#include "charging/frmInPatient.h"
#include "components/ComponentSet.h"
#include "components/frmLookup.h"
#include "data/SessionContext.h"
#include "reporting/ReportDocument.h"
#include "reporting/frmReport.h"
#include "tests/charging/InPatientDriver.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTableWidget>
#include <QtTest>

using namespace tavrix;
using namespace tavrix::test;

namespace {

const QString kTitle = QStringLiteral("Tavrix MRI");

// Where the pictures go for a person to look at.
QString shot(const QString& name) {
    const QString dir = QStringLiteral(TAVRIX_SHOTS_DIR);
    QDir().mkpath(dir);
    return dir + u'/' + name;
}

// Start-up's part for the components: created, connected, in the session.
struct StartedComponents {
    explicit StartedComponents(Connection& db) : set(createComponents()) {
        auto& s = SessionContext::instance();
        s.HospitalCompany = QStringLiteral("ST. ANSELM MEDICAL CENTER");
        s.HospitalAddress = QStringLiteral("1200 Mabini Street, Jaro, Iloilo City");
        s.HospitalTitle = QStringLiteral("DEPARTMENT OF RADIOLOGY");
        s.IncludeDoctorFee = true;
        set.radiologySearch->Initialize_Classes();
        set.radiologySearch->InitConnection(&db);
        set.radiologySearch->Hospital = s.HospitalCompany;
        set.radiologySearch->RevenueID = s.RevenueID;
        set.codeSearch->MTS_Server.clear();
        set.codeSearch->SearchMode = true;
        set.codeSearch->CompanyName = s.HospitalCompany;
        set.codeSearch->Initialize_Classes();
        set.codeSearch->setConnection(&db);
        ok = set.suppliesList->InitConnection(&db) && set.drugInfo->InitConnect(&db);
        s.radiologySearch = set.radiologySearch.get();
        s.codeSearch = set.codeSearch.get();
        s.suppliesList = set.suppliesList.get();
        s.drugInfo = set.drugInfo.get();
    }
    ~StartedComponents() {
        auto& s = SessionContext::instance();
        s.radiologySearch = nullptr;
        s.codeSearch = nullptr;
        s.suppliesList = nullptr;
        s.drugInfo = nullptr;
    }
    ComponentSet set;
    bool ok = false;
};

} // namespace

class TestInPatientRoad : public QObject {
    Q_OBJECT

private slots:
    void clerkChargesAndPrints() {
        TestSession t(TestSession::Data::Demo);
        StartedComponents components(t.db());
        QVERIFY(components.ok);
        ScriptedPrompts prompts;
        frmInPatient screen;
        InPatientDriver drive(screen);
        QVERIFY(drive.show());

        // The list of admitted patients named MAGBANUA: the clerk takes admission 260104.
        QString listed;
        prompts.expectModal("frmLookup", [&listed](QDialog& d) {
            auto& list = static_cast<frmLookup&>(d);
            d.show();
            QTableWidget* rows = list.grid();
            for (int r = 0; r < rows->rowCount(); ++r)
                for (int c = 0; c < rows->columnCount(); ++c)
                    if (rows->item(r, c) && rows->item(r, c)->text() == "260104") {
                        rows->setCurrentCell(r, c);
                        listed = rows->item(r, c)->text();
                    }
            QTest::keyClick(rows, Qt::Key_Return);
            return d.result();
        });
        drive.findPatient("magbanua");
        VERIFY_PROMPTS(prompts);
        QCOMPARE(listed, QStringLiteral("260104"));
        QCOMPARE(drive.field("txtAdmNo")->text(), QStringLiteral("260104"));
        QCOMPARE(screen.RoomClassID, QStringLiteral("D"));

        drive.exam("MRI009");
        prompts.expectModal("frmPF", [](QDialog& d) {
            d.show();
            QTest::keyClicks(d.findChild<QLineEdit*>("txtFee"), "1500");
            d.grab().save(shot("fee-box.png"));
            QTest::keyClick(d.findChild<QLineEdit*>("txtFee"), Qt::Key_Return);
            return d.result();
        });
        drive.fee("2001");
        drive.stockItem("MZ", "20003", "2");
        VERIFY_PROMPTS(prompts);
        const QString examPrice =
            t.scalar("SELECT printf('%.2f', RateD) FROM BUILD_FILE..tbCoOtherRevenue WHERE "
                     "OtherRevenueID = 'MRI009'");
        const QString total = QString::number(examPrice.toDouble() + 1500 + 360, 'f', 2);
        QCOMPARE(drive.field("txtTotal")->text(), total);
        QVERIFY(screen.grab().save(shot("inpatient-filled.png")));

        // Save/&Print: the slip in the preview, with the three lines, the patient and the total.
        QString page;
        prompts.expect({"Saving completed...", kTitle, Ui::Icon::Information, Ui::Buttons::Ok, {}},
                       Ui::Answer::Ok);
        prompts.expectModal("frmReport", [&page](QDialog& d) {
            auto& preview = static_cast<frmReport&>(d);
            d.show();
            const auto doc = preview.reportSource();
            page = doc->pageTexts().join(u'\n');
            const QSizeF size = doc->pageSize();
            QImage image((size * 2).toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.scale(2, 2);
            doc->paintPage(painter, 0);
            painter.end();
            image.save(shot("chargeslip.png"));
            preview.grab().save(shot("chargeslip-preview.png"));
            return int(QDialog::Accepted);
        });
        QTest::mouseClick(drive.button("cmdPrint"), Qt::LeftButton);
        VERIFY_PROMPTS(prompts);
        QVERIFY(!screen.isVisible());
        QCOMPARE(screen.SlipNumber, QStringLiteral("C1001S"));

        const QLocale english(QLocale::English, QLocale::UnitedStates);
        for (const QString& text :
             {QStringLiteral("C1001S"), QStringLiteral("MAGBANUA"), QStringLiteral("CRISTINA"),
              QStringLiteral("MRI SHOULDER"), QStringLiteral("DR. REYES, MARIA LOURDES"),
              QStringLiteral("MIDAZOLAM 5MG/ML 3ML AMPULE"), english.toString(examPrice.toDouble(), 'f', 2),
              QStringLiteral("1,500.00"), QStringLiteral("360.00"),
              english.toString(total.toDouble(), 'f', 2)})
            QVERIFY2(page.contains(text), qPrintable(text + " not on the slip:\n" + page));

        // What the server holds under the slip number.
        QCOMPARE(t.scalar("SELECT group_concat(RevenueID || ':' || ItemID || ':' || Status, ' ') FROM "
                          "RADIOLOGY..tbMRIRequest WHERE RefNum = 'C1001S' AND IDNum = '260104'"),
                 QStringLiteral("MI:MRI009:W MD:2001:X MZ:20003:X"));
        QCOMPARE(
            t.scalar(
                "SELECT printf('%.2f', sum(Amount)) FROM BILLING..tbPatientCharges WHERE RefNum = 'C1001S' "
                "AND IDNum = '260104'"),
            total);
        QCOMPARE(
            t.scalar("SELECT ItemID || ':' || Quantity || ':' || LocationID FROM BUILD_FILE..tbInvStockCard "
                     "WHERE RefNum = 'C1001S' AND IDNum = '260104'"),
            QStringLiteral("20003:2.0:MRIPHA"));
        QCOMPARE(t.scalar("SELECT OnHand FROM BUILD_FILE..tbInvMaster WHERE ItemID = '20003' AND LocationID "
                          "= 'MRIPHA'"),
                 QStringLiteral("48"));
    }
};

QTEST_MAIN(TestInPatientRoad)
#include "tst_inpatient_road.moc"
