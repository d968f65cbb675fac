#include "reporting/ReportTemplate.h"

#include "reporting/HtmlEntities.h"
#include "reporting/ReportError.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSizeF>
#include <QXmlStreamReader>

namespace tavrix {

namespace {

[[noreturn]] void fail(const QString& path, const QString& problem) {
    throw ReportError(path, problem);
}

QString attr(const QXmlStreamReader& r, const char* name) {
    return r.attributes().value(QLatin1String(name)).toString();
}

ReportParameterType parameterType(const QString& path, const QString& name, const QString& text) {
    const QString t = text.trimmed().toLower();
    if (t.isEmpty() || t == u"text" || t == u"string")
        return ReportParameterType::Text;
    if (t == u"number")
        return ReportParameterType::Number;
    if (t == u"date")
        return ReportParameterType::Date;
    if (t == u"datetime" || t == u"date-time")
        return ReportParameterType::DateTime;
    fail(path, QStringLiteral(
                   "parameter field \"%1\" has the unknown type \"%2\" (text, number, date or datetime).")
                   .arg(name, text));
}

QPageSize pageSize(const QString& path, const QString& text) {
    const QString t = text.trimmed().toLower();
    static const QHash<QString, QPageSize::PageSizeId> named = {
        {QStringLiteral("letter"), QPageSize::Letter},
        {QStringLiteral("legal"), QPageSize::Legal},
        {QStringLiteral("a4"), QPageSize::A4},
        {QStringLiteral("a5"), QPageSize::A5},
        {QStringLiteral("a6"), QPageSize::A6},
        {QStringLiteral("a3"), QPageSize::A3},
        {QStringLiteral("folio"), QPageSize::Folio},
        {QStringLiteral("statement"), QPageSize::Statement},
        {QStringLiteral("executive"), QPageSize::Executive},
        {QStringLiteral("b5"), QPageSize::B5}};
    if (t.isEmpty())
        return QPageSize(QPageSize::Letter);
    if (named.contains(t))
        return QPageSize(named.value(t));
    // "216x140mm", "8.5x5.5in"
    static const QRegularExpression custom(QStringLiteral(R"(^\s*([\d.]+)\s*x\s*([\d.]+)\s*(mm|in)\s*$)"));
    const auto m = custom.match(t);
    if (m.hasMatch()) {
        const QSizeF size(m.captured(1).toDouble(), m.captured(2).toDouble());
        if (size.width() > 0 && size.height() > 0)
            return QPageSize(size, m.captured(3) == u"mm" ? QPageSize::Millimeter : QPageSize::Inch,
                             QStringLiteral("Custom"), QPageSize::ExactMatch);
    }
    fail(path,
         QStringLiteral("the page size \"%1\" is not known (Letter, Legal, A3, A4, A5, A6, Folio, Statement, "
                        "Executive, B5, or WIDTHxHEIGHTmm / in).")
             .arg(text));
}

QMarginsF margins(const QString& path, const QString& text, const QMarginsF& fallback) {
    if (text.trimmed().isEmpty())
        return fallback;
    const QStringList parts = text.simplified().split(u' ');
    QList<qreal> v;
    for (const QString& p : parts) {
        bool ok = false;
        const qreal d = QString(p).remove(QStringLiteral("mm")).toDouble(&ok);
        if (!ok || d < 0)
            fail(path, QStringLiteral("the page margins \"%1\" are not millimetres.").arg(text));
        v << d;
    }
    // As in CSS: one value for all sides, two for vertical/horizontal, four for top right bottom left.
    if (v.size() == 1)
        return QMarginsF(v[0], v[0], v[0], v[0]);
    if (v.size() == 2)
        return QMarginsF(v[1], v[0], v[1], v[0]);
    if (v.size() == 4)
        return QMarginsF(v[3], v[0], v[1], v[2]);
    fail(path, QStringLiteral("the page margins \"%1\" need one, two or four values.").arg(text));
}

// The text between an element's start and end tags, as written in the file.
QString innerText(QXmlStreamReader& r, const QString& source) {
    const qint64 start = r.characterOffset();
    const QString name = r.name().toString();
    int depth = 1;
    while (depth > 0 && !r.atEnd()) {
        const auto token = r.readNext();
        if (token == QXmlStreamReader::StartElement)
            ++depth;
        else if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    if (r.hasError())
        return {};
    const qint64 end = r.characterOffset();
    if (end <= start)
        return {};
    const qsizetype closing = source.lastIndexOf(QLatin1String("</"), end - 1);
    return closing >= start ? source.mid(start, closing - start) : QString();
}

ReportGroupDef readGroup(QXmlStreamReader& r, const QString& path, const QString& dataSet) {
    ReportGroupDef g;
    g.name = attr(r, "name").trimmed();
    for (const QString& c : attr(r, "by").split(u',', Qt::SkipEmptyParts))
        g.by << c.trimmed();
    if (g.name.isEmpty() || g.by.isEmpty())
        fail(path, QStringLiteral("a group of data set \"%1\" needs a name and the columns it is grouped by.")
                       .arg(dataSet));
    while (r.readNextStartElement()) {
        if (r.name() == u"group")
            g.groups.push_back(readGroup(r, path, dataSet));
        else
            fail(path, QStringLiteral("a group holds only groups, not <%1>.").arg(r.name().toString()));
    }
    return g;
}

ReportDataSetDef readDataSet(QXmlStreamReader& r, const QString& path) {
    ReportDataSetDef d;
    d.name = attr(r, "name").trimmed();
    d.location = attr(r, "location").trimmed();
    if (d.location.isEmpty())
        d.location = QStringLiteral("..") + d.name;
    while (r.readNextStartElement()) {
        const auto n = r.name();
        if (n == u"statement") {
            d.statement = r.readElementText(QXmlStreamReader::IncludeChildElements).trimmed();
        } else if (n == u"format") {
            const QString column = attr(r, "column").trimmed();
            if (column.isEmpty())
                fail(path, QStringLiteral("a format of data set \"%1\" names no column.").arg(d.name));
            d.formats.insert(column.toLower(), attr(r, "as").trimmed());
            r.skipCurrentElement();
        } else if (n == u"sum") {
            const QString column = attr(r, "column").trimmed();
            if (column.isEmpty())
                fail(path, QStringLiteral("a sum of data set \"%1\" names no column.").arg(d.name));
            d.sums << column;
            r.skipCurrentElement();
        } else if (n == u"group") {
            d.groups.push_back(readGroup(r, path, d.name));
        } else {
            fail(path, QStringLiteral("data set \"%1\" cannot hold <%2>.").arg(d.name, n.toString()));
        }
    }
    return d;
}

const QSet<QString>& reservedNames() {
    static const QSet<QString> names = {QStringLiteral("param"), QStringLiteral("text"),
                                        QStringLiteral("report"), QStringLiteral("page"),
                                        QStringLiteral("pages")};
    return names;
}

bool isName(const QString& s) {
    static const QRegularExpression re(QStringLiteral(R"(^[A-Za-z_][A-Za-z0-9_]*$)"));
    return re.match(s).hasMatch();
}

// Every {Name} of a statement stands inside the statement's quotes and names a
// parameter field: the value is then escaped into one literal and can never
// become statement text.
void checkStatement(const ReportTemplate& t, const ReportDataSetDef& d) {
    if (d.statement.isEmpty())
        fail(t.path, QStringLiteral("data set \"%1\" has no statement.").arg(d.name));
    bool quoted = false;
    const QString& s = d.statement;
    for (qsizetype i = 0; i < s.size(); ++i) {
        if (s[i] == u'\'') {
            quoted = !quoted;
        } else if (s[i] == u'{') {
            const qsizetype close = s.indexOf(u'}', i);
            if (close < 0)
                fail(t.path, QStringLiteral("data set \"%1\": a \"{\" is not closed.").arg(d.name));
            const QString name = s.mid(i + 1, close - i - 1);
            if (!quoted)
                fail(t.path, QStringLiteral("data set \"%1\": the placeholder {%2} must stand inside quotes.")
                                 .arg(d.name, name));
            const bool known = name == u"$user" || std::any_of(t.parameters.begin(), t.parameters.end(),
                                                               [&](const auto& p) { return p.name == name; });
            if (!known)
                fail(t.path,
                     QStringLiteral("data set \"%1\": {%2} names no parameter field.").arg(d.name, name));
            i = close;
        }
    }
    if (quoted)
        fail(t.path, QStringLiteral("data set \"%1\": a quote is not closed.").arg(d.name));
}

} // namespace

ReportTemplate ReportTemplate::load(const QString& path) {
    QFile file(path);
    if (!QFileInfo(path).isFile())
        fail(path, QStringLiteral("the template file does not exist."));
    if (!file.open(QIODevice::ReadOnly))
        fail(path, QStringLiteral("the template file cannot be read (%1).").arg(file.errorString()));
    return parse(QString::fromUtf8(file.readAll()), path);
}

ReportTemplate ReportTemplate::parse(const QString& text, const QString& path) {
    ReportTemplate t;
    t.path = path;
    QXmlStreamReader r(text);
    HtmlEntities entities;
    r.setEntityResolver(&entities);
    if (!r.readNextStartElement() || r.name() != u"report") {
        if (r.hasError())
            fail(path, QStringLiteral("the template does not parse: %1 (line %2, column %3).")
                           .arg(r.errorString())
                           .arg(r.lineNumber())
                           .arg(r.columnNumber()));
        fail(path, QStringLiteral("the template does not start with <report>."));
    }
    t.title = attr(r, "title");
    bool haveBody = false;
    while (r.readNextStartElement()) {
        const auto n = r.name();
        if (n == u"page") {
            t.page.size = pageSize(path, attr(r, "size"));
            const QString o = attr(r, "orientation").trimmed().toLower();
            if (o == u"landscape")
                t.page.orientation = QPageLayout::Landscape;
            else if (!o.isEmpty() && o != u"portrait")
                fail(path,
                     QStringLiteral("the orientation \"%1\" is neither portrait nor landscape.").arg(o));
            t.page.marginsMm = margins(path, attr(r, "margins"), t.page.marginsMm);
            if (!attr(r, "font").trimmed().isEmpty())
                t.page.fontFamily = attr(r, "font").trimmed();
            if (!attr(r, "font-size").isEmpty()) {
                bool ok = false;
                const qreal pt = QString(attr(r, "font-size")).remove(QStringLiteral("pt")).toDouble(&ok);
                if (!ok || pt <= 0)
                    fail(path, QStringLiteral("the font size \"%1\" is not a size in points.")
                                   .arg(attr(r, "font-size")));
                t.page.fontPointSize = pt;
            }
            r.skipCurrentElement();
        } else if (n == u"parameters") {
            while (r.readNextStartElement()) {
                if (r.name() != u"parameter")
                    fail(path, QStringLiteral("<parameters> holds only <parameter> fields."));
                ReportParameterDef p;
                p.name = attr(r, "name").trimmed();
                if (p.name.isEmpty())
                    fail(path, QStringLiteral("a parameter field has no name."));
                for (const auto& other : t.parameters)
                    if (other.name == p.name)
                        fail(path,
                             QStringLiteral("the parameter field \"%1\" is declared twice.").arg(p.name));
                p.type = parameterType(path, p.name, attr(r, "type"));
                p.format = attr(r, "format").trimmed();
                t.parameters.push_back(p);
                r.skipCurrentElement();
            }
        } else if (n == u"dataset") {
            ReportDataSetDef d = readDataSet(r, path);
            if (!isName(d.name) || reservedNames().contains(d.name))
                fail(path,
                     QStringLiteral("\"%1\" cannot name a data set (letters, digits and _; not param, text, "
                                    "report, page or pages).")
                         .arg(d.name));
            t.dataSets.push_back(std::move(d));
        } else if (n == u"value") {
            ReportValueDef v;
            v.name = attr(r, "name").trimmed();
            for (const QString& f : attr(r, "from").split(u'|', Qt::SkipEmptyParts))
                v.from << f.trimmed();
            if (!isName(v.name) || reservedNames().contains(v.name) || v.from.isEmpty())
                fail(path,
                     QStringLiteral("the value \"%1\" needs a plain name and the names it is taken from.")
                         .arg(v.name));
            t.values.push_back(v);
            r.skipCurrentElement();
        } else if (n == u"style") {
            t.style = r.readElementText();
        } else if (n == u"header") {
            t.header = innerText(r, text);
        } else if (n == u"body") {
            t.body = innerText(r, text);
            haveBody = true;
        } else if (n == u"footer") {
            t.footer = innerText(r, text);
        } else {
            fail(path, QStringLiteral("<report> cannot hold <%1>.").arg(n.toString()));
        }
    }
    if (r.hasError())
        fail(path, QStringLiteral("the template does not parse: %1 (line %2, column %3).")
                       .arg(r.errorString())
                       .arg(r.lineNumber())
                       .arg(r.columnNumber()));
    if (!haveBody)
        fail(path, QStringLiteral("the template has no <body>."));
    QSet<QString> names;
    for (const auto& d : t.dataSets) {
        if (names.contains(d.name))
            fail(path, QStringLiteral("the name \"%1\" is used twice.").arg(d.name));
        names.insert(d.name);
        checkStatement(t, d);
    }
    for (const auto& v : t.values) {
        if (names.contains(v.name))
            fail(path, QStringLiteral("the name \"%1\" is used twice.").arg(v.name));
        names.insert(v.name);
    }
    return t;
}

} // namespace tavrix
