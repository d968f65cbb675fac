#pragma once

#include "reporting/ReportTemplate.h"

#include <QHash>
#include <QString>
#include <QVariant>

#include <kainjow/mustache.hpp>

#include <vector>

namespace tavrix {

class Connection;

// The values a template is filled from: its parameter fields, the two
// descriptive texts, every data set with its groups, sums and counts, and the
// template's own values. Every value is formatted and HTML-escaped here, once,
// so nothing a user or the server typed can turn into markup.
class ReportData {
public:
    struct Inputs {
        const ReportTemplate* report = nullptr;
        std::vector<QVariant> parameters; // by position; null when never set
        QHash<QString, QString> texts;    // descriptive texts
        QString user;                     // the employee code, {$user} in statements
    };

    // Runs the data sets in order through the connection; throws ReportError
    // naming the data set and the server's message.
    static kainjow::mustache::data build(const Inputs& inputs, Connection& connection);

    // The statement a data set sends: every {Name} takes the parameter's value
    // with its quotes doubled.
    static QString statement(const Inputs& inputs, const ReportDataSetDef& dataSet);
};

} // namespace tavrix
