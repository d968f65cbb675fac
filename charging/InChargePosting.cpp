#include "charging/InChargePosting.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/ModFunc.h"
#include "data/SessionContext.h"
#include "data/SqlText.h"
#include "data/TransactionScope.h"
#include "data/ValueText.h"

namespace tavrix {

namespace {

void postLine(Connection& db, const QString& slip, const InChargePosting::Patient& p,
              const InChargePosting::Line& l) {
    auto& session = SessionContext::instance();
    const QString& revenueId = session.RevenueID;
    const QString user = session.employeeCode();
    if (l.department.compare(revenueId, Qt::CaseInsensitive) == 0) {
        db.execute(
            SqlText::build(u"RADIOLOGY..spMRI_SaveInCharge '{}','{}','{}','{}','{}','{}','{}','{}','{}','{}',"
                           u"'{}','{}','{}','{}','{}','{}','{}', '{}'",
                           {p.idNum.trimmed(), l.code, l.name, l.quantity, l.amount, p.hospNum.trimmed(),
                            p.doctorId.trimmed(), p.room.trimmed(), user, slip, QString(), QString(),
                            QString(), QString(), QString(), QString(), QString(), l.requestRef}));
    } else if (l.department.compare(QLatin1String("MD"), Qt::CaseInsensitive) == 0) {
        db.execute(SqlText::build(u"RADIOLOGY..spMRI_DoctorCharge 'I','{}','{}','{}','{}','{}'",
                                  {slip, p.idNum, l.code, l.amount, user}));
    } else if (!l.location.trimmed().isEmpty()) {
        ModFunc::PostStockCard(l.inventoryCode, p.hospNum, p.idNum, l.code, slip,
                               ValueText::leadingNumber(l.quantity), ValueText::leadingNumber(l.amount),
                               QString(), l.location, p.room);
        db.execute(
            SqlText::build(u"RADIOLOGY..spRadio_SaveRequestOnly '{}','{}','{}','{}','{}','{}','{}','{}','{}',"
                           u"'{}','{}'",
                           {revenueId, p.hospNum, p.idNum, l.code, p.doctorId, l.quantity, l.amount, p.room,
                            slip, l.department, user}));
    }
    db.execute(SqlText::build(u"RADIOLOGY..spMRI_InNurseUpdate '{}','{}','{}','{}'",
                              {p.hospNum, p.idNum, l.code, revenueId}));
}

} // namespace

void InChargePosting::post(const QString& slipNumber, const Patient& patient, const QList<Line>& lines) {
    Connection& db = SessionContext::instance().connection();
    TransactionScope transaction(db);
    for (const Line& line : lines) {
        if (line.code.trimmed().isEmpty())
            continue;
        try {
            postLine(db, slipNumber, patient, line);
        } catch (const DbError& e) {
            throw Failure(line, e.message());
        } catch (const std::exception& e) {
            throw Failure(line, QString::fromUtf8(e.what()));
        }
    }
    transaction.commit();
}

} // namespace tavrix
