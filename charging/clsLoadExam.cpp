#include "charging/clsLoadExam.h"

#include "data/Connection.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"

namespace tavrix {

clsLoadExam::clsLoadExam() : connection_(&SessionContext::instance().connection()) {}

void clsLoadExam::LoadExam(const QString& examID) {
    const ResultSet rs =
        connection_->execute(SqlText::build(u"RADIOLOGY..spMRI_LoadExamEntry '{}'", {examID}));
    if (rs.isEmpty()) {
        found_ = false;
        return;
    }
    const ResultRow row = rs.first();
    found_ = true;
    examId_ = row.text(QStringLiteral("ExamID"));
    exam_ = row.text(QStringLiteral("Exam"));
    const char* rateColumns[] = {"RateA", "RateB", "RateC", "RateD", "RateE"};
    for (int i = 0; i < 5; ++i)
        rates_[i] = row.number(QLatin1String(rateColumns[i]));
    status_ = row.text(QStringLiteral("Status"));
}

bool clsLoadExam::ISExamFixRate(const QString&, const QString& itemID) {
    const ResultSet rs = connection_->execute(SqlText::build(
        u"select isnull(Fixrate,'') [FixRate] from Build_File..tbcootherrevenue where OtherRevenueID = '{}'",
        {itemID}));
    return rs.isEmpty() || rs.first().text(QStringLiteral("FixRate")) != QLatin1String("N");
}

} // namespace tavrix
