// The request look-up: exact keys, the search dialog and its slip-number rule,
// film file numbers that match several requests, and which requests the
// search procedures offer.

#include "data/Connection.h"
#include "data/ResultSet.h"
#include "results/clsRequestSearch.h"
#include "results/frmSearchRequest.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"
#include "ui/TitleBand.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace tavrix;
using tavrix::test::ScriptedPrompts;
using tavrix::test::TestSession;

namespace {

clsRequestSearch lookUp(bool cancelMode = false) {
    clsRequestSearch s;
    s.RevenueID = QStringLiteral("MI");
    s.CancelMode = cancelMode;
    return s;
}

QString column(const ResultSet& rows, const QString& name) {
    QStringList values;
    for (int r = 0; r < rows.rowCount(); ++r)
        values << rows.text(r, name);
    return values.join(u',');
}

// Selects the grid row of a request (column 1 holds the request key).
bool selectRequest(QDialog& dialog, const QString& requestNum) {
    auto* grid = dialog.findChild<QTableWidget*>(QStringLiteral("grdTable"));
    for (int r = 0; r < grid->rowCount(); ++r)
        if (grid->item(r, 1) && grid->item(r, 1)->text() == requestNum) {
            grid->setCurrentCell(r, 2);
            return true;
        }
    return false;
}

} // namespace

class TestRequestSearch : public QObject {
    Q_OBJECT

private slots:
    void exactKeyNeedsNoDialog_data() {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<QString>("requestNum");
        QTest::addColumn<QString>("refNum");
        QTest::addColumn<QString>("exam");
        QTest::newRow("request number") << "26000010"
                                        << "26000010"
                                        << "C996S"
                                        << "MRI CERVICAL SPINE PLAIN";
        QTest::newRow("slip number, first line") << "C995S"
                                                 << "26000008"
                                                 << "C995S"
                                                 << "MRI BRAIN PLAIN";
        QTest::newRow("verified result, for retrieval") << "26000001"
                                                        << "26000001"
                                                        << "C991S"
                                                        << "MRI BRAIN PLAIN";
    }
    void exactKeyNeedsNoDialog() {
        QFETCH(QString, criteria);
        QFETCH(QString, requestNum);
        QFETCH(QString, refNum);
        QFETCH(QString, exam);
        TestSession t(TestSession::Data::Demo);
        ScriptedPrompts prompts;
        clsRequestSearch s = lookUp();
        QVERIFY(s.Validate(criteria));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(t.log(), QStringList{"RADIOLOGY..spMRI_SearchRequest '0','MI','" + criteria + "'"});
        QCOMPARE(s.RequestNum, requestNum);
        QCOMPARE(s.RefNum, refNum);
        QCOMPARE(s.Exam, exam);
        QVERIFY(s.SectionID.isEmpty()); // the exam has a section, but Validate does not read it
        const QDateTime when =
            t.db()
                .execute("SELECT TransDate FROM RADIOLOGY..tbMRIRequest WHERE RequestNum = '" + requestNum +
                         "'")
                .first()
                .dateTime(QStringLiteral("TransDate"));
        QVERIFY(when.isValid());
        QCOMPARE(s.TransDate, when.toString(QStringLiteral("MM/dd/yyyy")));
        QCOMPARE(s.TransTime, when.toString(QStringLiteral("hh:mm AP")));
    }

    // "a" never matches exactly: the dialog opens on a surname search for "a";
    // the row picked there is read again with the exact look-up.
    void dialogSearchesAndPickIsReadBack() {
        TestSession t(TestSession::Data::Demo);
        ScriptedPrompts prompts;
        prompts.expectModal(QStringLiteral("frmSearchRequest"), [&](QDialog& d) {
            d.show();
            auto* text = d.findChild<QLineEdit*>(QStringLiteral("txtSearch"));
            auto* type = d.findChild<QComboBox*>(QStringLiteral("cmbSearch"));
            auto* select = d.findChild<QPushButton*>(QStringLiteral("cmdSelect"));
            [&] {
                QCOMPARE(d.windowTitle(), QStringLiteral("Search Requests"));
                QCOMPARE(d.findChild<QLabel*>(QStringLiteral("lblCaption"))->text(),
                         QStringLiteral("     Requests for Result Entry"));
                QCOMPARE(text->text(), QStringLiteral("a"));
                QCOMPARE(type->currentText(), QStringLiteral("Last Name"));
                QVERIFY(t.log().contains(QStringLiteral("RADIOLOGY..spMRI_SearchRequest '1','MI','a'")));
                QVERIFY(!select->isEnabled()); // nobody waiting is called A...
            }();
            text->clear();
            QTest::keyClicks(text, QStringLiteral(" p "));
            QTest::keyClick(text, Qt::Key_Return);
            [&] {
                QVERIFY(t.log().contains(QStringLiteral("RADIOLOGY..spMRI_SearchRequest '1','MI','P'")));
                QVERIFY(select->isEnabled());
                QVERIFY(selectRequest(d, QStringLiteral("26000010")));
            }();
            select->click();
            return d.result();
        });
        clsRequestSearch s = lookUp();
        QVERIFY(s.Validate(QStringLiteral("a")));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(t.log().last(), QStringLiteral("RADIOLOGY..spMRI_SearchRequest '0','MI','26000010'"));
        QCOMPARE(s.RequestNum, QStringLiteral("26000010"));
        QCOMPARE(s.HospNum, QStringLiteral("000112"));
    }

    void closingTheDialogFindsNothing() {
        TestSession t(TestSession::Data::Demo);
        ScriptedPrompts prompts;
        prompts.expectModal(QStringLiteral("frmSearchRequest"), [](QDialog& d) {
            d.show();
            d.findChild<QPushButton*>(QStringLiteral("cmdClose"))->click();
            return d.result();
        });
        clsRequestSearch s = lookUp(true);
        QVERIFY(!s.Validate(QStringLiteral("a")));
        VERIFY_PROMPTS(prompts);
        QVERIFY(s.RequestNum.isEmpty());
        QCOMPARE(t.log(), (QStringList{"RADIOLOGY..spMRI_SearchRequestCancel '0','MI','a'",
                                       "RADIOLOGY..spMRI_SearchRequestCancel '1','MI','a'"}));
    }

    void slipNumberPreselection_data() {
        QTest::addColumn<QString>("criteria");
        QTest::addColumn<bool>("slip");
        QTest::newRow("two letters, five digits, a letter") << "AB12345C" << true;
        QTest::newRow("charge slip") << "C996S" << true;
        QTest::newRow("four characters, third a letter") << "abcd" << false;
        QTest::newRow("four characters, third a digit") << "ab1c" << true;
        QTest::newRow("three characters") << "C12" << false;
        QTest::newRow("surname") << "PEÑAFLOR" << false;
        QTest::newRow("film file number") << "M26-00012" << false;
    }
    void slipNumberPreselection() {
        QFETCH(QString, criteria);
        QFETCH(bool, slip);
        TestSession t(TestSession::Data::Demo);
        frmSearchRequest dialog;
        dialog.Criteria = criteria;
        dialog.Query = QStringLiteral("RADIOLOGY..spMRI_SearchRequest '@A','MI','@B'");
        dialog.show();
        QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("cmbSearch"))->currentIndex(), slip ? 1 : 0);
        QCOMPARE(t.log().value(0), "RADIOLOGY..spMRI_SearchRequest '" + QString(slip ? "2" : "1") +
                                       "','MI','" + criteria + "'");
    }

    // Typed quotes reach the server as one intact statement.
    void quoteInCriteria() {
        TestSession t(TestSession::Data::Demo);
        ScriptedPrompts prompts;
        prompts.expectModal(QStringLiteral("frmSearchRequest"), [&](QDialog& d) {
            d.show();
            [&] { QVERIFY(selectRequest(d, QStringLiteral("26000011"))); }();
            d.findChild<QPushButton*>(QStringLiteral("cmdSelect"))->click();
            return d.result();
        });
        clsRequestSearch s = lookUp();
        QVERIFY(s.Validate(QStringLiteral("O'BRIEN")));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(t.log().value(1), QStringLiteral("RADIOLOGY..spMRI_SearchRequest '1','MI','O''BRIEN'"));
        QCOMPARE(s.RequestNum, QStringLiteral("26000011"));
    }

    void fileNumberOfTwoRequestsJoinsThem() {
        TestSession t(TestSession::Data::Demo);
        t.run("INSERT INTO RADIOLOGY..tbRadioFileNum (RevenueID, FileNum, HospNum, ControlNum, CreatedDate) "
              "VALUES ('MI', 'M26-00031', '000105', '0000000002', '2026-01-05 08:00:00')");
        ScriptedPrompts prompts;
        clsRequestSearch s = lookUp();
        QVERIFY(s.ValidateFileNum(QStringLiteral("M26-00031")));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(t.log(), QStringList{"RADIOLOGY..spRadio_SearchRequestFileNum '0','MI','M26-00031'"});
        QCOMPARE(s.RequestNum, QStringLiteral("26000008|26000009"));
        QCOMPARE(s.ExamID, QStringLiteral("MRI001 | MRI012"));
        QCOMPARE(s.Exam, QStringLiteral("MRI BRAIN PLAIN / MR ANGIOGRAPHY (BRAIN)"));
        QCOMPARE(s.HospNum, QStringLiteral("000105"));
        QCOMPARE(s.RefNum, QStringLiteral("C995S"));
        QCOMPARE(s.SectionID, QStringLiteral("NR"));
    }

    // Which requests each search offers: waiting ones for result entry;
    // unpaid, uncancelled lines for cancellation.
    void whatTheSearchesOffer_data() {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("requests");
        QTest::newRow("everyone waiting, by surname")
            << "RADIOLOGY..spMRI_SearchRequest '1','MI',''"
            << "26000016,26000007,26000014,26000011,26000008,26000009,26000010";
        QTest::newRow("surname typed with a backquote") << "RADIOLOGY..spMRI_SearchRequest '1','MI','o`b'"
                                                        << "26000011";
        QTest::newRow("slip number prefix") << "RADIOLOGY..spMRI_SearchRequest '2','MI','C99'"
                                            << "26000007,26000011,26000008,26000009,26000010";
        QTest::newRow("cancelled request") << "RADIOLOGY..spMRI_SearchRequest '0','MI','26000015'"
                                           << "";
        QTest::newRow("saved results are not listed") << "RADIOLOGY..spMRI_SearchRequest '2','MI','C992S'"
                                                      << "";
        QTest::newRow("slip to cancel, exam first") << "RADIOLOGY..spMRI_SearchRequestCancel '0','MI','C991S'"
                                                    << "26000001,26000002,26000003";
        QTest::newRow("paid slip is not cancellable")
            << "RADIOLOGY..spMRI_SearchRequestCancel '0','MI','OR-104480'"
            << "";
        QTest::newRow("cancelled line is not offered")
            << "RADIOLOGY..spMRI_SearchRequestCancel '0','MI','C1000S'"
            << "26000014";
        QTest::newRow("file number without waiting requests")
            << "RADIOLOGY..spRadio_SearchRequestFileNum '0','MI','M26-00030'"
            << "";
        QTest::newRow("file number to cancel")
            << "RADIOLOGY..spRadio_SearchRequestCancel '0','MI','M26-00030'"
            << "26000004,26000005";
    }
    void whatTheSearchesOffer() {
        QFETCH(QString, statement);
        QFETCH(QString, requests);
        TestSession t(TestSession::Data::Demo);
        QCOMPARE(column(t.db().execute(statement), QStringLiteral("RequestNum")), requests);
    }
};

QTEST_MAIN(TestRequestSearch)
#include "tst_requestsearch.moc"
