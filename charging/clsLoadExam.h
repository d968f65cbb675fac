#pragma once

#include <QString>

namespace tavrix {

class Connection;

// Reads one exam of the department's catalogue, and tells whether an item's
// price is fixed. Each instance keeps the connection the session had when it
// was made.
class clsLoadExam {
public:
    clsLoadExam();

    // No row: Found() becomes false and the other values keep what they held.
    void LoadExam(const QString& examID);
    // False only for a catalogue item whose fixed-rate flag is exactly "N".
    bool ISExamFixRate(const QString& revenueID, const QString& itemID);

    bool Found() const { return found_; }
    const QString& ExamID() const { return examId_; }
    const QString& Exam() const { return exam_; }
    double RateA() const { return rates_[0]; }
    double RateB() const { return rates_[1]; }
    double RateC() const { return rates_[2]; }
    double RateD() const { return rates_[3]; }
    double RateE() const { return rates_[4]; }
    const QString& Status() const { return status_; }
    // Not filled by the load: always empty.
    QString SectionID() const { return {}; }
    QString Section() const { return {}; }
    QString ReportGroup() const { return {}; }
    QString ReportGroupName() const { return {}; }
    QString Classification() const { return {}; }

    QString RevenueID; // the caller may set it; the load does not use it

private:
    Connection* connection_;
    bool found_ = false;
    QString examId_, exam_, status_;
    double rates_[5] = {0, 0, 0, 0, 0};
};

} // namespace tavrix
