#include "results/clsRequestSearch.h"

#include "data/Connection.h"
#include "data/ResultSet.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/ValueText.h"
#include "results/frmSearchRequest.h"
#include "ui/Prompts.h"

namespace tavrix {

QString clsRequestSearch::formTitle() const {
    return CancelMode ? QStringLiteral("Requests for Cancellation")
                      : QStringLiteral("Requests for Result Entry");
}

QString clsRequestSearch::procedure(Kind kind) const {
    if (kind == Kind::Request)
        return CancelMode ? QStringLiteral("RADIOLOGY..spMRI_SearchRequestCancel")
                          : QStringLiteral("RADIOLOGY..spMRI_SearchRequest");
    return CancelMode ? QStringLiteral("RADIOLOGY..spRadio_SearchRequestCancel")
                      : QStringLiteral("RADIOLOGY..spRadio_SearchRequestFileNum");
}

bool clsRequestSearch::Validate(const QString& criteria, QWidget* dialogParent) {
    return lookUp(Kind::Request, criteria, dialogParent);
}

bool clsRequestSearch::ValidateFileNum(const QString& criteria, QWidget* dialogParent) {
    return lookUp(Kind::FileNumber, criteria, dialogParent);
}

bool clsRequestSearch::lookUp(Kind kind, const QString& criteria, QWidget* dialogParent) {
    Connection& db = SessionContext::instance().connection();
    const QString proc = procedure(kind);
    auto exact = [&](const QString& key) {
        return db.execute(proc + SqlText::build(u" '0','{}','{}'", {RevenueID, key}));
    };

    ResultSet rows = exact(criteria);
    if (rows.isEmpty()) {
        frmSearchRequest dialog(dialogParent);
        dialog.FormTitle = formTitle();
        dialog.Criteria = criteria;
        // The markers stay for the dialog to fill; the department is escaped now.
        dialog.Query = proc + SqlText::build(u" '@A','{}','@B'", {RevenueID});
        Ui::runModal(dialog);
        if (!dialog.Valid)
            return false;
        rows = exact(dialog.ResultCode);
        if (rows.isEmpty()) {
            // Cancelled or taken up at another workstation since the list was shown.
            Ui::message(QStringLiteral("Request %1 is no longer available. Please search again.")
                            .arg(dialog.ResultCode),
                        Ui::appTitle(), Ui::Icon::Information);
            return false;
        }
    }

    if (kind == Kind::Request) {
        copyRow(rows.first(), false);
        return true;
    }
    RequestNum.clear();
    ExamID.clear();
    Exam.clear();
    for (int i = 0; i < rows.rowCount(); ++i) {
        const ResultRow row = rows.row(i);
        if (RequestNum.isEmpty()) {
            copyRow(row, true);
        } else {
            RequestNum += u'|' + row.text(QStringLiteral("RequestNum"));
            ExamID += QStringLiteral(" | ") + row.text(QStringLiteral("ExamID"));
            Exam += QStringLiteral(" / ") + row.text(QStringLiteral("Exam"));
        }
    }
    return true;
}

void clsRequestSearch::copyRow(const ResultRow& row, bool withSection) {
    RequestNum = row.text(QStringLiteral("RequestNum"));
    RefNum = row.text(QStringLiteral("RefNum"));
    HospNum = row.text(QStringLiteral("HospNum"));
    IDNum = row.text(QStringLiteral("IDNum"));
    ExamID = row.text(QStringLiteral("ExamID"));
    Exam = row.text(QStringLiteral("Exam"));
    if (withSection)
        SectionID = row.text(QStringLiteral("SectionID"));
    DoctorID = row.text(QStringLiteral("DoctorID"));
    Status = row.text(QStringLiteral("Status"));
    const QDateTime when = row.dateTime(QStringLiteral("TransDate"));
    TransDate = when.isValid() ? when.toString(QStringLiteral("MM/dd/yyyy")) : QString();
    TransTime = when.isValid() ? when.toString(QStringLiteral("hh:mm AP")) : QString();
}

} // namespace tavrix
