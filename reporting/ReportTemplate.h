#pragma once

#include <QHash>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QString>
#include <QStringList>

#include <vector>

namespace tavrix {

enum class ReportParameterType { Text, Number, Date, DateTime };

struct ReportParameterDef {
    QString name;
    ReportParameterType type = ReportParameterType::Text;
    QString format; // how the value shows in the body; empty: by its type
};

struct ReportGroupDef {
    QString name;
    QStringList by; // columns whose values start a new group when they change
    std::vector<ReportGroupDef> groups;
};

struct ReportDataSetDef {
    QString name;
    QString location;  // "DATABASE.owner.object": the part before the first "." is what a log-on replaces
    QString statement; // with {Parameter} placeholders inside quotes
    QHash<QString, QString> formats; // column (lower case) -> format
    QStringList sums;
    std::vector<ReportGroupDef> groups;
};

// A value that takes the first non-empty of several names: a heading that a
// screen may pass as a parameter and the template otherwise reads from the server.
struct ReportValueDef {
    QString name;
    QStringList from;
};

struct ReportPageDef {
    QPageSize size = QPageSize(QPageSize::Letter);
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QMarginsF marginsMm = QMarginsF(15, 12, 15, 12); // left, top, right, bottom
    QString fontFamily = QStringLiteral("DejaVu Sans");
    qreal fontPointSize = 9;
};

// A report template as read from its file: an XML envelope (page, parameter
// fields, data sets, groups, values) around a page header, a body and a page
// footer written in HTML with mustache placeholders. The format is described in
// docs/reports.md.
class ReportTemplate {
public:
    // Reads and checks a template file; throws ReportError naming the file and what is wrong.
    static ReportTemplate load(const QString& path);
    // The same from text; path only names it in messages.
    static ReportTemplate parse(const QString& text, const QString& path);

    QString path;
    QString title;
    ReportPageDef page;
    std::vector<ReportParameterDef> parameters;
    std::vector<ReportDataSetDef> dataSets;
    std::vector<ReportValueDef> values;
    QString style;  // CSS for every part
    QString header; // painted at the top of every page
    QString body;
    QString footer; // painted at the foot of every page
};

} // namespace tavrix
