#include "reporting/ReportData.h"

#include "data/Connection.h"
#include "data/DbError.h"
#include "data/SqlText.h"
#include "data/ValueText.h"
#include "reporting/ReportError.h"
#include "reporting/ReportFormat.h"

#include <QDateTime>

namespace tavrix {

namespace km = kainjow::mustache;

namespace {

// An empty value is false, so a section shows only what is there:
// {{#param.HOSPITAL}}...{{/param.HOSPITAL}}.
km::data value(const QString& html) {
    return html.isEmpty() ? km::data(false) : km::data(html.toStdString());
}

km::list& items(km::data& list) {
    return const_cast<km::list&>(list.list_value());
}

struct Column {
    std::string name;
    QString format;
};

class DataSetBuilder {
public:
    DataSetBuilder(const ReportTemplate& report, const ReportDataSetDef& def, const ResultSet& rows)
        : report_(report), def_(def), rows_(rows) {
        for (int c = 0; c < rows.columnCount(); ++c)
            columns_.push_back(
                {rows.columnName(c).toStdString(), def.formats.value(rows.columnName(c).toLower())});
        for (const QString& s : def.sums)
            sumColumns_.push_back(column(s));
        rowData_.reserve(static_cast<std::size_t>(rows.rowCount()));
        for (int r = 0; r < rows.rowCount(); ++r) {
            km::data row(km::data::type::object);
            const QVariantList& values = rows.rows()[static_cast<std::size_t>(r)];
            for (std::size_t c = 0; c < columns_.size(); ++c)
                row[columns_[c].name] =
                    value(ReportFormat::html(values.value(static_cast<qsizetype>(c)), columns_[c].format));
            rowData_.push_back(std::move(row));
        }
    }

    km::data build() {
        const int n = rows_.rowCount();
        km::data set = n > 0 ? km::data(rowData_.front()) : km::data(km::data::type::object);
        set["rows"] = rowList(0, n);
        set["count"] = km::data(std::to_string(n));
        set["any"] = km::data(n > 0);
        set["sum"] = sums(0, n);
        for (const auto& g : def_.groups)
            set[g.name.toStdString()] = groups(g, 0, n);
        return set;
    }

private:
    int column(const QString& name) const {
        const int c = rows_.indexOf(name);
        if (c < 0)
            throw ReportError(
                report_.path,
                QStringLiteral("the data set \"%1\" has no column \"%2\".").arg(def_.name, name));
        return c;
    }

    km::data rowList(int from, int to) const {
        km::data list(km::data::type::list);
        items(list).reserve(static_cast<std::size_t>(to - from));
        for (int r = from; r < to; ++r) {
            km::data row = rowData_[static_cast<std::size_t>(r)];
            row["_n"] = km::data(std::to_string(r - from + 1));
            row["_odd"] = km::data((r - from) % 2 == 0);
            items(list).push_back(std::move(row));
        }
        return list;
    }

    km::data sums(int from, int to) const {
        km::data out(km::data::type::object);
        for (std::size_t s = 0; s < sumColumns_.size(); ++s) {
            const int c = sumColumns_[s];
            double total = 0;
            for (int r = from; r < to; ++r)
                total += ValueText::number(rows_.value(r, c));
            QString format = def_.formats.value(rows_.columnName(c).toLower());
            if (!format.startsWith(QLatin1String("amount")) && format != u"integer")
                format.clear();
            out[rows_.columnName(c).toStdString()] =
                km::data(ReportFormat::number(total, format).toStdString());
        }
        return out;
    }

    QString key(const std::vector<int>& by, int row) const {
        QStringList parts;
        for (int c : by)
            parts << ReportFormat::display(rows_.value(row, c),
                                           def_.formats.value(rows_.columnName(c).toLower()));
        return parts.join(QStringLiteral(" / "));
    }

    // Rows are grouped as they come: a new group starts where a grouping value changes.
    km::data groups(const ReportGroupDef& g, int from, int to) const {
        std::vector<int> by;
        for (const QString& c : g.by)
            by.push_back(column(c));
        km::data list(km::data::type::list);
        int number = 0;
        for (int start = from; start < to;) {
            const QString k = key(by, start);
            int end = start + 1;
            while (end < to && key(by, end) == k)
                ++end;
            km::data group = rowData_[static_cast<std::size_t>(start)];
            group["key"] = value(ReportFormat::escape(k));
            group["rows"] = rowList(start, end);
            group["count"] = km::data(std::to_string(end - start));
            group["any"] = km::data(true);
            group["sum"] = sums(start, end);
            group["_n"] = km::data(std::to_string(++number));
            group["_odd"] = km::data(number % 2 == 1);
            for (const auto& sub : g.groups)
                group[sub.name.toStdString()] = groups(sub, start, end);
            items(list).push_back(std::move(group));
            start = end;
        }
        return list;
    }

    const ReportTemplate& report_;
    const ReportDataSetDef& def_;
    const ResultSet& rows_;
    std::vector<Column> columns_;
    std::vector<int> sumColumns_;
    std::vector<km::data> rowData_;
};

// The text a dotted name leads to, as the body would show it; "" when none.
std::string lookup(const km::data& root, const QString& path) {
    const km::data* at = &root;
    for (const QString& part : path.split(u'.')) {
        at = at->get(part.toStdString());
        if (!at)
            return {};
    }
    return at->is_string() ? at->string_value() : std::string();
}

} // namespace

QString ReportData::statement(const Inputs& inputs, const ReportDataSetDef& dataSet) {
    const ReportTemplate& report = *inputs.report;
    const QString& s = dataSet.statement;
    QString out;
    bool quoted = false;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\'')
            quoted = !quoted;
        if (s[i] != u'{' || !quoted) {
            out += s[i];
            continue;
        }
        const qsizetype close = s.indexOf(u'}', i);
        const QString name = s.mid(i + 1, close - i - 1);
        QString text;
        if (name == u"$user") {
            text = inputs.user;
        } else {
            for (std::size_t p = 0; p < report.parameters.size(); ++p)
                if (report.parameters[p].name == name)
                    text = ReportFormat::statementText(inputs.parameters[p], report.parameters[p].type);
        }
        out += SqlText::escaped(text);
        i = close;
    }
    return out;
}

km::data ReportData::build(const Inputs& inputs, Connection& connection) {
    const ReportTemplate& report = *inputs.report;
    km::data root(km::data::type::object);

    km::data params(km::data::type::object);
    for (std::size_t p = 0; p < report.parameters.size(); ++p)
        params[report.parameters[p].name.toStdString()] =
            value(ReportFormat::parameterHtml(inputs.parameters[p], report.parameters[p]));
    root["param"] = std::move(params);

    km::data texts(km::data::type::object);
    for (auto it = inputs.texts.begin(); it != inputs.texts.end(); ++it)
        texts[it.key().toStdString()] = value(ReportFormat::escape(it.value()));
    root["text"] = std::move(texts);

    km::data about(km::data::type::object);
    about["title"] = value(ReportFormat::escape(report.title));
    about["printed"] = value(QDateTime::currentDateTime().toString(QStringLiteral("MM/dd/yyyy hh:mm AP")));
    about["user"] = value(ReportFormat::escape(inputs.user));
    root["report"] = std::move(about);

    for (const ReportDataSetDef& def : report.dataSets) {
        const QString text = statement(inputs, def);
        ResultSet rows;
        try {
            rows = connection.execute(text);
        } catch (const DbError& e) {
            throw ReportError(report.path, QStringLiteral("the data set \"%1\" failed: %2 (statement: %3)")
                                               .arg(def.name, e.message(), text));
        }
        root[def.name.toStdString()] = DataSetBuilder(report, def, rows).build();
    }

    for (const ReportValueDef& v : report.values) {
        std::string found;
        for (const QString& from : v.from) {
            found = lookup(root, from);
            if (!found.empty())
                break;
        }
        root[v.name.toStdString()] = found.empty() ? km::data(false) : km::data(found);
    }
    return root;
}

} // namespace tavrix
