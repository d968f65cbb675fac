// The report engine: parameter fields, data sets, groups and sums, paging with
// repeated table headers and "Page k of n", escaping, failures, the preview
// window and direct printing; and the department's own templates on the demo
// hospital.

#include "data/SessionContext.h"
#include "reporting/DirectPrintCapture.h"
#include "reporting/ReportDocument.h"
#include "reporting/ReportError.h"
#include "reporting/ReportPageView.h"
#include "reporting/Reports.h"
#include "reporting/frmReport.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TestSession.h"

#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

using namespace tavrix;
using test::ScriptedPrompts;
using test::TestSession;

namespace {

// A register of charge lines: parameters of every type, a data set grouped by
// department with subtotals, a grand total, a repeated table header and page numbers.
const char* kRegister = R"(<?xml version="1.0" encoding="UTF-8"?>
<report title="Register">
  <page size="A5" margins="10" font-size="9"/>
  <parameters>
    <parameter name="Title" type="text"/>
    <parameter name="Copies" type="number"/>
    <parameter name="Day" type="date" format="date:MMMM d, yyyy"/>
    <parameter name="Until" type="datetime"/>
    <parameter name="Note" type="text"/>
  </parameters>
  <dataset name="lines" location="REPORTS.dbo.tbChargeSlip">
    <statement>SELECT RevenueID, ItemID, Description, Amount FROM REPORTS..tbChargeSlip WHERE UserID = '{$user}' AND Description &lt;&gt; '{Title}' ORDER BY RevenueID, LineID</statement>
    <format column="Amount" as="amount"/>
    <sum column="Amount"/>
    <group name="byDept" by="RevenueID"/>
  </dataset>
  <header><p>{{param.Title}}</p></header>
  <body>
    <h3>{{param.Title}} of {{param.Day}} [{{param.Note}}] copies {{param.Copies}} until {{param.Until}}</h3>
    <table width="100%" cellspacing="0" cellpadding="2" border="1">
      <thead><tr><th>Item code</th><th>Description</th><th>Amount</th></tr></thead>
      <tbody>
      {{#lines.byDept}}
        <tr data-keep-with-next="1"><td colspan="3">Department {{RevenueID}}</td></tr>
        {{#rows}}<tr><td>{{ItemID}}</td><td>{{Description}}</td><td align="right">{{Amount}}</td></tr>
        {{/rows}}
        <tr data-keep-with-previous="1"><td colspan="3">Subtotal {{RevenueID}}: {{sum.Amount}} in {{count}} lines</td></tr>
      {{/lines.byDept}}
      </tbody>
      <tfoot><tr><td colspan="3">Grand total: {{lines.sum.Amount}} in {{lines.count}} lines</td></tr></tfoot>
    </table>
  </body>
  <footer><p>Page {{page}} of {{pages}}</p></footer>
</report>
)";

class ReportFixture {
public:
    ReportFixture() : session_(TestSession::Data::SchemaOnly) {
        auto& s = SessionContext::instance();
        s.HospitalCompany = QStringLiteral("ST. ANSELM MEDICAL CENTER");
        s.HospitalAddress = QStringLiteral("1200 Mabini Street");
    }
    TestSession& session() { return session_; }
    QString write(const QString& name, const QString& text) {
        const QString path = dir_.filePath(name);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write(text.toUtf8());
        return path;
    }
    QString registerTemplate() { return write(QStringLiteral("Register.rpt"), QString::fromUtf8(kRegister)); }
    // Lines of the current user, in departments of the given sizes; amounts vary.
    void addLines(const QList<QPair<QString, int>>& departments) {
        Connection& db = session_.db();
        db.beginTransaction();
        int n = 0;
        for (const auto& [dept, count] : departments)
            for (int i = 0; i < count; ++i, ++n)
                db.execute(
                    QStringLiteral("INSERT INTO REPORTS..tbChargeSlip (UserID, ItemID, Description, Amount, "
                                   "RevenueID) VALUES ('E0101', 'IT%1', 'LINE %1', '%2', '%3')")
                        .arg(n)
                        .arg(double(100 + (n * 37) % 900) + 0.25 * (n % 4), 0, 'f', 2)
                        .arg(dept));
        db.commitTransaction();
        session_.clearLog();
    }
    QString path(const QString& name) const { return dir_.filePath(name); }

private:
    TestSession session_;
    QTemporaryDir dir_;
};

std::shared_ptr<ReportDocument> openDocument(const QString& path) {
    auto doc = std::make_shared<ReportDocument>();
    doc->open(path);
    return doc;
}

double amount(const QString& text) {
    return QString(text).remove(u',').toDouble();
}

QString pdfText(const QString& pdf) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    p.waitForFinished(30000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

} // namespace

class TestReporting : public QObject {
    Q_OBJECT

private slots:
    void parametersByNameAndByPositionGiveTheSameOutput_data() {
        QTest::addColumn<QVariantList>("values");
        QTest::newRow("texts as screens pass them") << QVariantList{
            QStringLiteral("DAILY REGISTER"), QStringLiteral("2"), QStringLiteral("03/22/2005"),
            QStringLiteral("03/22/2005 2:30 PM"), QStringLiteral("first")};
        QTest::newRow("typed values")
            << QVariantList{QStringLiteral("DAILY REGISTER"), 2, QDate(2005, 3, 22),
                            QDateTime(QDate(2005, 3, 22), QTime(14, 30)), QStringLiteral("first")};
        QTest::newRow("fewer values than fields")
            << QVariantList{QStringLiteral("DAILY REGISTER"), QStringLiteral("2")};
    }
    void parametersByNameAndByPositionGiveTheSameOutput() {
        QFETCH(QVariantList, values);
        ReportFixture f;
        f.addLines({{QStringLiteral("MI"), 3}});
        auto byPosition = openDocument(f.registerTemplate());
        byPosition->setParameterValues(values);
        auto byName = openDocument(f.registerTemplate());
        const auto fields = byName->parameterFields();
        for (const auto& field : fields)
            if (field.position < values.size())
                QVERIFY(byName->setParameter(field.name, values[field.position]));
        const QStringList a = byPosition->pageTexts(), b = byName->pageTexts();
        QCOMPARE(a, b);
        QVERIFY(a.first().contains(QStringLiteral("DAILY REGISTER")));
        QVERIFY(a.first().contains(QStringLiteral("copies 2")));
    }

    void dateFieldsTakeTheValueAsADate_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("date from text") << "Day" << QVariant(QStringLiteral("03/22/2005"))
                                        << QVariant(QDate(2005, 3, 22)) << "of March 22, 2005";
        QTest::newRow("date from a date and time: the day")
            << "Day" << QVariant(QDateTime(QDate(2024, 3, 5), QTime(10, 15))) << QVariant(QDate(2024, 3, 5))
            << "of March 5, 2024";
        QTest::newRow("date-time keeps the time")
            << "Until" << QVariant(QStringLiteral("03/22/2005 2:30 PM"))
            << QVariant(QDateTime(QDate(2005, 3, 22), QTime(14, 30))) << "until 03/22/2005 02:30 PM";
        QTest::newRow("empty text leaves the field unset")
            << "Day" << QVariant(QString()) << QVariant() << "of [";
    }
    void dateFieldsTakeTheValueAsADate() {
        QFETCH(QString, field);
        QFETCH(QVariant, value);
        QFETCH(QVariant, stored);
        QFETCH(QString, shown);
        ReportFixture f;
        auto doc = openDocument(f.registerTemplate());
        int position = -1;
        for (const auto& p : doc->parameterFields())
            if (p.name == field)
                position = p.position;
        QVERIFY(doc->setParameter(position, value)); // by position, as PreviewReport fills them
        QCOMPARE(doc->parameterValue(field), stored);
        QVERIFY2(doc->pageText(0).contains(shown), qPrintable(doc->pageText(0)));
    }

    void aValueThatIsNoDateIsRefused() {
        ReportFixture f;
        auto doc = openDocument(f.registerTemplate());
        QVERIFY_THROWS_EXCEPTION(ReportError,
                                 doc->setParameter(QStringLiteral("Day"), QStringLiteral("soon")));
        QVERIFY_THROWS_EXCEPTION(ReportError,
                                 doc->setParameter(QStringLiteral("Copies"), QStringLiteral("two")));
        QVERIFY(!doc->setParameter(QStringLiteral("NoSuchField"), QStringLiteral("x")));
        QVERIFY(!doc->setParameter(9, QStringLiteral("past the fields")));
    }

    void aFieldNeverSetPrintsEmpty() {
        ReportFixture f;
        auto doc = openDocument(f.registerTemplate());
        doc->setParameter(0, QStringLiteral("REGISTER"));
        QVERIFY(doc->pageText(0).contains(QStringLiteral("REGISTER of [] copies until")));
    }

    void everyPageCarriesTheTableHeaderAndItsNumber() {
        ReportFixture f;
        f.addLines({{QStringLiteral("MD"), 70}, {QStringLiteral("MI"), 150}, {QStringLiteral("MS"), 25}});
        auto doc = openDocument(f.registerTemplate());
        doc->setParameter(0, QStringLiteral("REGISTER"));
        const QStringList pages = doc->pageTexts();
        QVERIFY2(pages.size() >= 5, qPrintable(QString::number(pages.size())));
        int lines = 0;
        for (int k = 0; k < pages.size(); ++k) {
            const QStringList text = pages[k].split(u'\n');
            QVERIFY2(text.contains(QStringLiteral("Item code")), qPrintable(pages[k]));
            QCOMPARE(text.last(), QStringLiteral("Page %1 of %2").arg(k + 1).arg(pages.size()));
            lines += static_cast<int>(text.filter(QRegularExpression(QStringLiteral("^LINE \\d+$"))).size());
            // A department's heading never ends a page: it stays with its first line.
            const QStringList body = text.mid(0, text.size() - 1);
            QVERIFY2(!body.last().startsWith(QLatin1String("Department")), qPrintable(pages[k]));
        }
        QCOMPARE(lines, 245); // every line once
        QCOMPARE(doc->pageCount(), pages.size());
    }

    void subtotalsAddUpToTheGrandTotal() {
        ReportFixture f;
        f.addLines({{QStringLiteral("MD"), 12},
                    {QStringLiteral("MI"), 40},
                    {QStringLiteral("MS"), 7},
                    {QStringLiteral("MZ"), 1}});
        auto doc = openDocument(f.registerTemplate());
        const QString all = doc->pageTexts().join(u'\n');
        static const QRegularExpression subtotal(
            QStringLiteral(R"(Subtotal (\w+): ([\d,]+\.\d\d) in (\d+) lines)"));
        double sum = 0;
        int count = 0, groups = 0;
        for (auto it = subtotal.globalMatch(all); it.hasNext();) {
            const auto m = it.next();
            sum += amount(m.captured(2));
            count += m.captured(3).toInt();
            ++groups;
        }
        QCOMPARE(groups, 4);
        const auto grand =
            QRegularExpression(QStringLiteral(R"(Grand total: ([\d,]+\.\d\d) in (\d+) lines)")).match(all);
        QVERIFY(grand.hasMatch());
        QCOMPARE(amount(grand.captured(1)), sum);
        QCOMPARE(grand.captured(2).toInt(), count);
        QCOMPARE(count, 60);
        const double server =
            f.session()
                .scalar(QStringLiteral("SELECT sum(CAST(Amount AS REAL)) FROM REPORTS..tbChargeSlip"))
                .toDouble();
        QCOMPARE(sum, server);
    }

    void textPrintsLiterally_data() {
        QTest::addColumn<QString>("text");
        QTest::newRow("markup") << "<b>BOLD</b> <img src=x>";
        QTest::newRow("ampersand and entities") << "A & B &amp; &lt;C&gt;";
        QTest::newRow("quotes") << "O'BRIEN \"PAT\"";
        QTest::newRow("mustache in data") << "{{param.Title}} {{#x}}";
    }
    void textPrintsLiterally() {
        QFETCH(QString, text);
        ReportFixture f;
        f.session().db().execute(
            QStringLiteral("INSERT INTO REPORTS..tbChargeSlip (UserID, ItemID, Description, "
                           "Amount, RevenueID) VALUES ('E0101', 'X1', '%1', '1', 'MI')")
                .arg(QString(text).replace(u'\'', QLatin1String("''"))));
        auto doc = openDocument(f.registerTemplate());
        doc->setParameter(QStringLiteral("Note"), text);
        doc->setParameter(QStringLiteral("Title"), QStringLiteral("IT'S ' OR '1'='1"));
        const QString page = doc->pageText(0);
        QVERIFY2(page.contains(QStringLiteral("[") + text + QStringLiteral("]")), qPrintable(page));
        QVERIFY2(page.split(u'\n').contains(text), qPrintable(page));
        // The quote in the parameter stays inside its literal: one statement, the row still found.
        QVERIFY(f.session().log().last().contains(QStringLiteral("Description <> 'IT''S '' OR ''1''=''1'")));
    }

    void failuresNameTheTemplateAndLeaveTheScreenAlone_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("problem");
        QTest::newRow("missing file") << "Missing.rpt" << QString() << "the template file does not exist.";
        QTest::newRow("not XML")
            << "Broken.rpt"
            << "<report><body><p>unclosed</body></report>"
            << "the template does not parse: Opening and ending tag mismatch. (line 1, column 32).";
        QTest::newRow("placeholder outside quotes")
            << "Raw.rpt"
            << "<report><parameters><parameter name='Key'/></parameters><dataset name='d'><statement>"
               "SELECT 1 FROM REPORTS..tbChargeSlip WHERE UserID = "
               "{Key}</statement></dataset><body/></report>"
            << "data set \"d\": the placeholder {Key} must stand inside quotes.";
        QTest::newRow("unknown parameter") << "Unknown.rpt"
                                           << "<report><dataset name='d'><statement>REPORTS..spX "
                                              "'{Nobody}'</statement></dataset><body/></report>"
                                           << "data set \"d\": {Nobody} names no parameter field.";
        QTest::newRow("body that does not parse")
            << "Mustache.rpt"
            << "<report><body>{{#open}} never closed</body></report>"
            << "the body does not parse: Unclosed section \"open\" at 0.";
        QTest::newRow("failing data set")
            << "Fails.rpt"
            << "<report><dataset name='lines'><statement>SELECT x FROM "
               "RADIOLOGY..tbNoSuchTable</statement></dataset>"
               "<body/></report>"
            << "the data set \"lines\" failed: Invalid object name 'RADIOLOGY..tbNoSuchTable'. "
               "(statement: SELECT x FROM RADIOLOGY..tbNoSuchTable)";
    }
    void failuresNameTheTemplateAndLeaveTheScreenAlone() {
        QFETCH(QString, file);
        QFETCH(QString, content);
        QFETCH(QString, problem);
        ReportFixture f;
        const QString path = content.isEmpty() ? f.path(file) : f.write(file, content);
        const QString text = QStringLiteral("The report %1 could not be produced: %2").arg(path, problem);
        {
            ScriptedPrompts prompts;
            prompts.expect(Ui::Message{text, Ui::appTitle(), Ui::Icon::Critical, Ui::Buttons::Ok, {}},
                           Ui::Answer::Ok);
            QVERIFY(
                !Reports::PreviewReport(QStringLiteral("RADIOLOGY"), path, QStringLiteral("X"), false, {}));
            VERIFY_PROMPTS(prompts); // the message, and no preview window
            QVERIFY(!Reports::CurrentReport());
        }
        {
            DirectPrintCapture capture;
            ScriptedPrompts prompts;
            prompts.expect(Ui::appTitle(), text);
            QVERIFY(!Reports::PrintReportDirect(path, QStringLiteral("RADIOLOGY"), {}));
            VERIFY_PROMPTS(prompts);
            QVERIFY(capture.prints().isEmpty());
        }
    }

    void logOnReplacesTheDatabasePartOfEachTable() {
        ReportFixture f;
        auto doc = openDocument(f.registerTemplate());
        QCOMPARE(doc->tables(), QStringList{QStringLiteral("lines")});
        QCOMPARE(doc->tableLocation(QStringLiteral("lines")), QStringLiteral("REPORTS.dbo.tbChargeSlip"));
        QVERIFY(doc->SetTableLogOn(QStringLiteral("lines"), QStringLiteral("RADIOLOGY")));
        QCOMPARE(doc->tableLocation(QStringLiteral("lines")), QStringLiteral("RADIOLOGY.dbo.tbChargeSlip"));
        QVERIFY(!doc->SetTableLogOn(QStringLiteral("other"), QStringLiteral("RADIOLOGY")));
    }

    // The preview opens modal with the caller's caption and the document, and
    // keeps that document after CurrentReport is released or reused.
    void previewShowsTheDocumentModal() {
        ReportFixture f;
        f.addLines({{QStringLiteral("MI"), 120}});
        const QString path = f.registerTemplate();
        const QString other =
            f.write(QStringLiteral("Other.rpt"), QStringLiteral("<report><body>other</body></report>"));
        ScriptedPrompts prompts;
        prompts.expectModal(QStringLiteral("frmReport"), [&](QDialog& d) {
            auto* w = qobject_cast<frmReport*>(&d);
            if (!w)
                return 0;
            w->show();
            [&] {
                QCOMPARE(w->windowTitle(), QStringLiteral("LINES"));
                QVERIFY(w->windowState() & Qt::WindowMaximized);
                QVERIFY(!Reports::CurrentReport()); // released; the preview holds its own
                Reports::OpenCurrentReport(other);  // another screen prints meanwhile
                auto doc = w->reportSource();
                QCOMPARE(doc->templatePath(), path);
                QCOMPARE(doc->text(ReportDocument::hospitalCompanyText()),
                         QStringLiteral("ST. ANSELM MEDICAL CENTER"));
                QCOMPARE(doc->parameterValue(QStringLiteral("Day")), QVariant(QDate(2005, 3, 22)));
                QVERIFY(!w->view()->pageImage(0).isNull());
                const int pages = doc->pageCount();
                QVERIFY(pages >= 3);
                QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnNext")), Qt::LeftButton);
                QCOMPARE(w->currentPage(), 1);
                QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnLast")), Qt::LeftButton);
                QCOMPARE(w->currentPage(), pages - 1);
                QCOMPARE(w->findChild<QLabel*>(QStringLiteral("lblPage"))->text(),
                         QStringLiteral("Page %1 of %1").arg(pages));
                QVERIFY(doc->pageText(pages - 1).contains(QStringLiteral("Grand total")));
                QTest::mouseClick(w->findChild<QPushButton*>(QStringLiteral("btnFirst")), Qt::LeftButton);
                QCOMPARE(w->currentPage(), 0);
                // The pages follow the window's width.
                w->resize(900, 700);
                const QImage narrow = w->view()->pageImage(0);
                w->resize(1300, 900);
                QVERIFY(w->view()->pageImage(0).width() > narrow.width());
                QVERIFY(w->findChild<QListWidget*>(QStringLiteral("lstPages"))->isVisible());
            }();
            return int(QDialog::Rejected);
        });
        QVERIFY(Reports::PreviewReport(QStringLiteral("REPORTS"), path, QStringLiteral("LINES"), false,
                                       {QStringLiteral("REGISTER"), 1, QStringLiteral("03/22/2005")}));
        VERIFY_PROMPTS(prompts);
    }

    void previewCaptionDefaultsToReportWindow() {
        ReportFixture f;
        ScriptedPrompts prompts;
        QString caption;
        prompts.expectModal(QStringLiteral("frmReport"), [&](QDialog& d) {
            caption = d.windowTitle();
            return int(QDialog::Rejected);
        });
        QVERIFY(
            Reports::PreviewReport(QStringLiteral("REPORTS"), f.registerTemplate(), QString(), false, {}));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(caption, QStringLiteral("Report Window"));
    }

    void viewerOptionsShowAndHideTheirFeatures() {
        ReportFixture f;
        frmReport w;
        w.setReportSource(openDocument(f.registerTemplate()));
        w.setViewerOption(frmReport::PageList, false);
        w.setViewerOption(frmReport::FindText, true);
        w.setViewerOption(frmReport::PrintFocus, true);
        QVERIFY(w.viewReport());
        w.show();
        QVERIFY(!w.findChild<QListWidget*>(QStringLiteral("lstPages"))->isVisible());
        QVERIFY(w.findChild<QWidget*>(QStringLiteral("txtFind"))->isVisible());
        QVERIFY(w.findChild<QPushButton*>(QStringLiteral("btnPrint"))->isDefault());
    }

    void directPrintsCanBeCapturedAsPdf() {
        ReportFixture f;
        f.addLines({{QStringLiteral("MI"), 4}});
        DirectPrintCapture capture;
        ScriptedPrompts prompts; // no message, no window
        QVERIFY(Reports::PrintReportDirect(f.registerTemplate(), QStringLiteral("RADIOLOGY"),
                                           {QStringLiteral("SLIP")}));
        VERIFY_PROMPTS(prompts);
        QCOMPARE(capture.prints().size(), 1);
        const auto& print = capture.prints().first();
        QVERIFY(QFile::exists(print.pdfPath));
        QVERIFY(print.pageTexts.first().contains(QStringLiteral("SLIP")));
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        QVERIFY(pdfText(print.pdfPath).contains(QStringLiteral("Grand total: ")));
    }

    void directPrintWithoutPrinterOffersThePreview() {
        if (!QPrinterInfo::defaultPrinter().isNull())
            QSKIP("this workstation has a printer");
        ReportFixture f;
        const QString path = f.registerTemplate();
        ScriptedPrompts prompts;
        prompts.expect(Ui::appTitle(),
                       QStringLiteral("No printer is set up on this workstation, so \"Register\" "
                                      "cannot be printed directly.\nThe report opens in the preview "
                                      "window, where you can save it as a PDF file or print it once "
                                      "a printer is ready."));
        bool saved = false;
        prompts.expectModal(QStringLiteral("frmReport"), [&](QDialog& d) {
            auto* w = qobject_cast<frmReport*>(&d);
            saved = w && w->reportSource()->isOpen();
            if (saved) {
                w->reportSource()->exportPdf(f.path(QStringLiteral("kept.pdf")));
                saved = QFile::exists(f.path(QStringLiteral("kept.pdf")));
            }
            return int(QDialog::Rejected);
        });
        QVERIFY(!Reports::PrintReportDirect(path, QStringLiteral("RADIOLOGY"), {QStringLiteral("SLIP")}));
        VERIFY_PROMPTS(prompts);
        QVERIFY(saved);
    }

    // A row taller than a page is cut at the page's foot instead of looping.
    void rowTallerThanAPageStillPrints() {
        ReportFixture f;
        QString tall;
        for (int i = 0; i < 120; ++i)
            tall += QStringLiteral("part %1<br/>").arg(i);
        const QString path = f.write(
            QStringLiteral("Tall.rpt"),
            QStringLiteral(
                "<report><page size='A6' margins='5'/><body><table border='1'><thead><tr><th>H</th></tr>"
                "</thead><tr><td>%1</td></tr><tr><td>after</td></tr></table><p>end</p></body></report>")
                .arg(tall));
        auto doc = openDocument(path);
        const QStringList pages = doc->pageTexts();
        QVERIFY(pages.size() >= 3);
        QVERIFY(pages.last().contains(QStringLiteral("end")));
        QVERIFY(pages.join(u'\n').contains(QStringLiteral("part 119")));
    }

    // The charge slip reads the same lines whether a screen names the slip by
    // position or, as the duplicate screen does, by name.
    void chargeSlipByPositionAndByName() {
        TestSession t(TestSession::Data::Demo);
        const QString slip = Reports::programPath(QStringLiteral("\\Report\\ChargeSlip.rpt"));
        auto entry = openDocument(slip);
        entry->setParameterValues({QStringLiteral("C991S"), QStringLiteral("260101"), QStringLiteral("MI")});
        auto duplicate = openDocument(slip);
        for (const auto& field : duplicate->parameterFields()) {
            const QString n = field.name.toUpper();
            if (n == u"@REFNUM" || n == u"COSTCENTERNUM")
                duplicate->setParameter(field.name, QStringLiteral("C991S"));
            else if (n == u"@IDNUM")
                duplicate->setParameter(field.name, QStringLiteral("260101"));
            else if (n == u"CHARGEDATE")
                duplicate->setParameter(field.name, QDate(2024, 3, 5));
        }
        const QString a = entry->pageText(0), b = duplicate->pageText(0);
        for (const QString& expected :
             {QStringLiteral("No. C991S"), QStringLiteral("DELA PAZ, ROBERTO SANTOS"),
              QStringLiteral("MRI BRAIN PLAIN"), QStringLiteral("EAR PLUGS (PAIR)"),
              QStringLiteral("10,015.00")}) {
            QVERIFY2(a.contains(expected), qPrintable(a));
            QVERIFY2(b.contains(expected), qPrintable(b));
        }
        QVERIFY(b.contains(QStringLiteral("DUPLICATE")) && !a.contains(QStringLiteral("DUPLICATE")));
        // A cancelled line is not on the slip.
        auto cancelled = openDocument(slip);
        cancelled->setParameterValues(
            {QStringLiteral("C1000S"), QStringLiteral("OPD260201"), QStringLiteral("MI")});
        const QString c = cancelled->pageText(0);
        QVERIFY(c.contains(QStringLiteral("MRI SHOULDER")) && !c.contains(QStringLiteral("MRI ANKLE")));
        QVERIFY(c.contains(QStringLiteral("OPD No.")));
    }

    void resultReportShowsTheVerifiedResult() {
        TestSession t(TestSession::Data::Demo);
        const QString path =
            Reports::programPath(QStringLiteral("\\report\\mriresult.rpt")); // any letter case
        auto verified = openDocument(path);
        verified->setParameterValues({QStringLiteral("26000001")});
        const QString a = verified->pageTexts().join(u'\n');
        for (const QString& expected :
             {QStringLiteral("DELA PAZ, ROBERTO SANTOS"), QStringLiteral("MRI BRAIN PLAIN"),
              QStringLiteral("I63.9"), QStringLiteral("CEREBRAL INFARCTION, UNSPECIFIED"),
              QStringLiteral("R42"), QStringLiteral("MARIA LOURDES S. REYES, M.D., FPCR"),
              QStringLiteral("BENJAMIN L. TAN, M.D., FPCR"),
              QStringLiteral("Verified by MARIA LOURDES REYES on"), QStringLiteral("DR. RAMON AQUINO")})
            QVERIFY2(a.contains(expected), qPrintable(expected + u'\n' + a));
        auto pending = openDocument(path);
        pending->setParameterValues({QStringLiteral("26000004")});
        const QString b = pending->pageTexts().join(u'\n');
        QVERIFY2(b.contains(QStringLiteral("explain the patient's headache")),
                 qPrintable(b)); // stored with a backquote
        QVERIFY(b.contains(QStringLiteral("NOT YET VERIFIED")));
        QVERIFY(!b.contains(QStringLiteral("Verified by")));
    }

    // The sample template through the command-line tool, read back from the PDF.
    void toolRendersTheSampleToPdf() {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QSKIP("pdftotext is not installed");
        TestSession t(TestSession::Data::Demo);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("sample.pdf"));
        QProcess tool;
        tool.start(QCoreApplication::applicationDirPath() + QStringLiteral("/tavrix-report"),
                   {t.path(), Reports::programPath(QStringLiteral("\\Report\\Sample.rpt")),
                    QStringLiteral("--user"), QStringLiteral("E0101"), QStringLiteral("--value"), QString(),
                    QStringLiteral("--param"), QStringLiteral("PreparedBy=ANA SANTIAGO"),
                    QStringLiteral("--param"), QStringLiteral("AsOf=03/22/2025"), QStringLiteral("--pdf"),
                    pdf});
        QVERIFY(tool.waitForFinished(60000));
        QCOMPARE(tool.exitCode(), 0);
        const QStringList pages = pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
        QVERIFY(pages.size() >= 5);
        QVERIFY(pages.first().contains(QStringLiteral("MRI RATE SCHEDULE BY ROOM")));
        QVERIFY(pages.first().contains(QStringLiteral("All stations · as of March 22, 2025")));
        static const QRegularExpression header(QStringLiteral(R"(Code\s+Examination\s+Section\s+Rate)"));
        for (int k = 0; k < pages.size(); ++k) {
            QVERIFY2(header.match(pages[k]).hasMatch(), qPrintable(pages[k]));
            QVERIFY(pages[k].contains(QStringLiteral("Page %1 of %2").arg(k + 1).arg(pages.size())));
        }
        const QString all = pages.join(u'\n');
        QVERIFY(all.contains(QStringLiteral("Room 101: 25 examinations")));
        QVERIFY(all.contains(QStringLiteral("Grand total: 375 room rates")));
        QVERIFY(all.contains(QStringLiteral("Prepared by: ANA SANTIAGO")));
    }
};

QTEST_MAIN(TestReporting)
#include "tst_reporting.moc"
