#pragma once

#include <QList>
#include <QString>

#include <stdexcept>

namespace tavrix {

// Posts the lines of an in-patient charge slip: exams, readers' fees, stock
// items and the ward's request updates, in row order, with the statements and
// texts the hospital's server expects. The whole slip is one transaction: when
// a statement fails, nothing of the slip stays posted.
class InChargePosting {
public:
    struct Patient {
        QString hospNum;
        QString idNum; // admission number
        QString doctorId;
        QString room;
    };

    struct Line {
        int row = 0; // the grid row it came from
        QString department, code, name, quantity, amount, requestRef, location, inventoryCode;
    };

    // The line that could not be posted, and the server's reason.
    class Failure : public std::runtime_error {
    public:
        Failure(const Line& line, const QString& reason)
            : std::runtime_error(reason.toStdString()), line(line), reason(reason) {}
        Line line;
        QString reason;
    };

    // Lines without a code are skipped. Throws Failure when a line fails; the
    // slip is then rolled back as a whole.
    static void post(const QString& slipNumber, const Patient& patient, const QList<Line>& lines);
};

} // namespace tavrix
