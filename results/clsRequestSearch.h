#pragma once

#include <QString>

class QWidget;

namespace tavrix {

class ResultRow;

// Turns what the user typed (a request or slip number, part of a surname, a
// film file number) into one request: an exact look-up first, and when
// nothing matches, the request search dialog. The outputs keep their values
// until the next look-up; create a fresh object for each look-up.
class clsRequestSearch {
public:
    QString RevenueID;
    bool CancelMode = false; // true: requests whose charges may still be cancelled

    QString RequestNum; // after a file-number look-up: every matching request, joined by "|"
    QString RefNum;
    QString HospNum;
    QString IDNum;
    QString ExamID;    // after a file-number look-up: joined by " | "
    QString Exam;      // after a file-number look-up: joined by " / "
    QString SectionID; // filled by ValidateFileNum only
    QString DoctorID;
    QString Status;
    QString TransDate; // "MM/dd/yyyy"
    QString TransTime; // "hh:mm AM"

    // True when a request was found or picked; false when the dialog was
    // closed without a pick. Database errors pass to the caller.
    bool Validate(const QString& criteria, QWidget* dialogParent = nullptr);
    bool ValidateFileNum(const QString& criteria, QWidget* dialogParent = nullptr);

    // The dialog's caption band for this mode.
    QString formTitle() const;

private:
    enum class Kind { Request, FileNumber };
    QString procedure(Kind kind) const;
    bool lookUp(Kind kind, const QString& criteria, QWidget* dialogParent);
    void copyRow(const ResultRow& row, bool withSection);
};

} // namespace tavrix
