#include "reporting/ReportLayout.h"

#include "reporting/HtmlEntities.h"

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <stdexcept>

namespace tavrix {

namespace {

// Layout at a fixed 96 dots per inch whatever the screen, so the preview, the
// PDF and the printer break pages at the same places.
QPaintDevice* layoutDevice() {
    static QImage device = [] {
        QImage image(1, 1, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        return image;
    }();
    return &device;
}

QString escapeText(QStringView s) {
    QString out;
    out.reserve(s.size());
    for (const QChar c : s) {
        if (c == u'&')
            out += QLatin1String("&amp;");
        else if (c == u'<')
            out += QLatin1String("&lt;");
        else if (c == u'>')
            out += QLatin1String("&gt;");
        else
            out += c;
    }
    return out;
}

QString escapeAttribute(QStringView s) {
    QString out = escapeText(s);
    out.replace(u'"', QLatin1String("&quot;"));
    return out;
}

bool isVoid(QStringView name) {
    static const QSet<QString> names = {
        QStringLiteral("br"),    QStringLiteral("hr"),   QStringLiteral("img"),
        QStringLiteral("col"),   QStringLiteral("meta"), QStringLiteral("link"),
        QStringLiteral("input"), QStringLiteral("area"), QStringLiteral("wbr")};
    return names.contains(name.toString().toLower());
}

QString attributesText(const QXmlStreamAttributes& attributes, const QStringList& skip = {}) {
    QString out;
    for (const auto& a : attributes) {
        const QString name = a.qualifiedName().toString();
        if (skip.contains(name, Qt::CaseInsensitive))
            continue;
        out += u' ' + name + QLatin1String("=\"") + escapeAttribute(a.value()) + u'"';
    }
    return out;
}

// Writes the element the reader stands on (its start tag) through its end tag.
void copyElement(QXmlStreamReader& r, QString& out, int* textLength = nullptr) {
    int depth = 0;
    do {
        switch (r.tokenType()) {
        case QXmlStreamReader::StartElement:
            ++depth;
            out += u'<' + r.qualifiedName().toString() + attributesText(r.attributes());
            if (isVoid(r.name())) {
                out += QLatin1String("/>");
                r.skipCurrentElement();
                --depth;
            } else {
                out += u'>';
            }
            break;
        case QXmlStreamReader::EndElement:
            --depth;
            out += QLatin1String("</") + r.qualifiedName().toString() + u'>';
            break;
        case QXmlStreamReader::Characters:
            out += escapeText(r.text());
            if (textLength)
                *textLength += static_cast<int>(r.text().size());
            break;
        default:
            break;
        }
        if (depth == 0)
            return;
    } while (!r.atEnd() && r.readNext() != QXmlStreamReader::Invalid);
}

// The inside of the element the reader stands on, without its own tags.
QString innerOf(QXmlStreamReader& r, int* textLength) {
    QString out;
    while (!r.atEnd()) {
        const auto token = r.readNext();
        if (token == QXmlStreamReader::EndElement)
            break;
        if (token == QXmlStreamReader::StartElement)
            copyElement(r, out, textLength);
        else if (token == QXmlStreamReader::Characters) {
            out += escapeText(r.text());
            *textLength += static_cast<int>(r.text().size());
        }
    }
    return out;
}

bool styleSays(const QXmlStreamAttributes& attributes, const char* property) {
    const QString style = attributes.value(QLatin1String("style")).toString().toLower().remove(u' ');
    return style.contains(QLatin1String(property) + QLatin1String(":always"));
}

bool flag(const QXmlStreamAttributes& attributes, const char* name) {
    if (!attributes.hasAttribute(QLatin1String(name)))
        return false;
    const QString v = attributes.value(QLatin1String(name)).toString().trimmed().toLower();
    return v != u"0" && v != u"false" && v != u"no";
}

struct RowBox {
    qreal top = std::numeric_limits<qreal>::max();
    qreal bottom = std::numeric_limits<qreal>::lowest();
    bool spansDown = false; // a cell of this row or above reaches the next row
};

QTextTable* firstTable(QTextDocument& doc) {
    for (QTextFrame* f : doc.rootFrame()->childFrames())
        if (auto* t = qobject_cast<QTextTable*>(f))
            return t;
    return nullptr;
}

std::vector<RowBox> rowBoxes(QTextDocument& doc) {
    std::vector<RowBox> boxes;
    QTextTable* table = firstTable(doc);
    if (!table)
        return boxes;
    auto* layout = doc.documentLayout();
    boxes.resize(static_cast<std::size_t>(table->rows()));
    int spanEnd = -1;
    for (int r = 0; r < table->rows(); ++r) {
        RowBox& box = boxes[static_cast<std::size_t>(r)];
        for (int c = 0; c < table->columns(); ++c) {
            const QTextTableCell cell = table->cellAt(r, c);
            if (!cell.isValid() || cell.row() != r || cell.column() != c)
                continue;
            const QRectF first = layout->blockBoundingRect(cell.firstCursorPosition().block());
            const QRectF last = layout->blockBoundingRect(cell.lastCursorPosition().block());
            box.top = std::min(box.top, first.top());
            if (cell.rowSpan() == 1)
                box.bottom = std::max(box.bottom, last.bottom());
            else
                spanEnd = std::max(spanEnd, r + cell.rowSpan() - 1);
        }
        if (box.top > box.bottom)
            box.bottom = box.top == std::numeric_limits<qreal>::max() ? 0 : box.top;
        if (box.top == std::numeric_limits<qreal>::max())
            box.top = box.bottom;
        box.spansDown = spanEnd > r;
    }
    return boxes;
}

qreal tableBottom(QTextDocument& doc) {
    if (QTextTable* t = firstTable(doc))
        return doc.documentLayout()->frameBoundingRect(t).bottom();
    return doc.documentLayout()->documentSize().height();
}

} // namespace

// The table being paged: its measured columns, its repeated header and where it stands.
struct ReportLayout::TableRun {
    const Table* table = nullptr;
    QStringList widths; // per column, "12.5%"
    QString tableWidth; // the measured width, the same in every chunk
    qreal gap = 0;      // between the content of two rows
    int headerDoc = -1;
    qreal headerEnd = 0;
    std::size_t nextRow = 0;
    bool started = false;
    bool rowsOnPage = false; // the current page holds rows of this table under its header

    QString open() const {
        QString out = QStringLiteral("<table") + table->attributes;
        if (!tableWidth.isEmpty())
            out += QStringLiteral(" width=\"") + escapeAttribute(tableWidth) + u'"';
        return out + u'>';
    }
    // Rows as HTML; the first row whose cells each span one column carries the widths.
    QString rowsHtml(const std::vector<Row>& rows, std::size_t from, std::size_t to) const {
        QString out;
        bool widthsGiven = widths.isEmpty();
        for (std::size_t i = from; i < to; ++i) {
            const Row& row = rows[i];
            const bool carry =
                !widthsGiven && static_cast<qsizetype>(row.cells.size()) == widths.size() &&
                std::all_of(row.cells.begin(), row.cells.end(), [](const Cell& c) { return c.colspan == 1; });
            out += QStringLiteral("<tr") + row.attributes + u'>';
            for (std::size_t c = 0; c < row.cells.size(); ++c) {
                const Cell& cell = row.cells[c];
                out += u'<' + cell.tag + cell.attributes;
                if (carry)
                    out += QStringLiteral(" width=\"") + widths[static_cast<qsizetype>(c)] + u'"';
                out += u'>' + cell.inner + QStringLiteral("</") + cell.tag + u'>';
            }
            out += QStringLiteral("</tr>");
            widthsGiven = widthsGiven || carry;
        }
        return out;
    }
};

ReportLayout::ReportLayout(Geometry geometry, const QString& bodyHtml, PartHtml header, PartHtml footer)
    : geometry_(std::move(geometry)), header_(std::move(header)), footer_(std::move(footer)) {
    const QMarginsF& m = geometry_.margins;
    bodyWidth_ = geometry_.pageSize.width() - m.left() - m.right();
    const QString ellipsis = QStringLiteral("…");
    auto height = [&](const PartHtml& part, int page) -> qreal {
        if (!part)
            return 0;
        const QString html = part(page, ellipsis);
        return html.trimmed().isEmpty() ? 0 : makeDocument(html)->documentLayout()->documentSize().height();
    };
    headerFirst_ = height(header_, 1);
    headerRest_ = height(header_, 2);
    footerHeight_ = std::max(height(footer_, 1), height(footer_, 2));
    pageBody_ = geometry_.pageSize.height() - m.top() - m.bottom() - footerHeight_;
    if (bodyWidth_ < 20 || bodyHeight(0) < 20 || bodyHeight(1) < 20)
        throw std::runtime_error(
            "the page leaves no room for the body: check the page size, the margins and the "
            "height of the page header and footer.");
    parseBody(bodyHtml);
}

ReportLayout::~ReportLayout() = default;

void ReportLayout::parseBody(const QString& bodyHtml) {
    QXmlStreamReader r(QStringLiteral("<body>") + bodyHtml + QStringLiteral("</body>"));
    HtmlEntities entities;
    r.setEntityResolver(&entities);
    QString content;
    auto flush = [&] {
        if (!content.trimmed().isEmpty())
            items_.push_back({Item::Kind::Content, content, nullptr});
        content.clear();
    };
    r.readNextStartElement(); // <body>
    while (!r.atEnd()) {
        const auto token = r.readNext();
        if (token == QXmlStreamReader::EndElement)
            break; // </body>
        if (token == QXmlStreamReader::Characters) {
            if (!r.isWhitespace())
                content += escapeText(r.text());
            continue;
        }
        if (token != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = r.attributes();
        const bool breakBefore = styleSays(attributes, "page-break-before");
        const bool breakAfter = styleSays(attributes, "page-break-after");
        if (breakBefore) {
            flush();
            items_.push_back({Item::Kind::PageBreak, {}, nullptr});
        }
        if (r.name().compare(QLatin1String("table"), Qt::CaseInsensitive) == 0) {
            flush();
            auto table = std::make_shared<Table>();
            table->attributes = attributesText(attributes, {QStringLiteral("width")});
            table->width = attributes.value(QLatin1String("width")).toString();
            std::vector<Row> foot;
            auto readRow = [&](std::vector<Row>& into) {
                Row row;
                const QXmlStreamAttributes ra = r.attributes();
                row.attributes = attributesText(
                    ra, {QStringLiteral("data-keep-with-next"), QStringLiteral("data-keep-with-previous")});
                row.keepWithNext = flag(ra, "data-keep-with-next");
                if (flag(ra, "data-keep-with-previous") && !into.empty())
                    into.back().keepWithNext = true;
                while (r.readNextStartElement()) {
                    Cell cell;
                    cell.tag = r.name().toString().toLower();
                    const QXmlStreamAttributes ca = r.attributes();
                    cell.attributes = attributesText(ca, {QStringLiteral("width")});
                    cell.width = ca.value(QLatin1String("width")).toString();
                    cell.colspan = std::max(1, ca.value(QLatin1String("colspan")).toInt());
                    cell.rowspan = std::max(1, ca.value(QLatin1String("rowspan")).toInt());
                    cell.inner = innerOf(r, &cell.textLength);
                    row.cells.push_back(std::move(cell));
                }
                into.push_back(std::move(row));
            };
            while (r.readNextStartElement()) {
                const QString part = r.name().toString().toLower();
                if (part == u"tr") {
                    readRow(table->rows);
                } else if (part == u"thead" || part == u"tbody" || part == u"tfoot") {
                    auto& into = part == u"thead" ? table->head : part == u"tfoot" ? foot : table->rows;
                    while (r.readNextStartElement()) {
                        if (r.name().compare(QLatin1String("tr"), Qt::CaseInsensitive) == 0)
                            readRow(into);
                        else
                            r.skipCurrentElement();
                    }
                } else {
                    r.skipCurrentElement(); // caption, colgroup: not drawn
                }
            }
            // A table's closing rows stay with its last row.
            if (!foot.empty() && !table->rows.empty())
                table->rows.back().keepWithNext = true;
            for (auto& row : foot)
                table->rows.push_back(std::move(row));
            if (!table->rows.empty() || !table->head.empty())
                items_.push_back({Item::Kind::Table, {}, table});
        } else {
            copyElement(r, content);
        }
        if (breakAfter) {
            flush();
            items_.push_back({Item::Kind::PageBreak, {}, nullptr});
        }
    }
    if (r.hasError())
        throw std::runtime_error(
            QStringLiteral("the filled body is not well-formed HTML: %1 (line %2, column %3).")
                .arg(r.errorString())
                .arg(r.lineNumber())
                .arg(r.columnNumber())
                .toStdString());
    flush();
}

std::unique_ptr<QTextDocument> ReportLayout::makeDocument(const QString& html) const {
    auto doc = std::make_unique<QTextDocument>();
    doc->setUndoRedoEnabled(false);
    doc->documentLayout()->setPaintDevice(layoutDevice());
    doc->setDocumentMargin(0);
    doc->setUseDesignMetrics(true);
    doc->setDefaultFont(geometry_.font);
    doc->setDefaultStyleSheet(geometry_.styleSheet);
    doc->setTextWidth(bodyWidth_ > 0 ? bodyWidth_ : geometry_.pageSize.width());
    doc->setHtml(html);
    doc->documentLayout()->documentSize(); // lay out now, not on first paint
    return doc;
}

int ReportLayout::keep(std::unique_ptr<QTextDocument> doc) {
    docs_.push_back(std::move(doc));
    return static_cast<int>(docs_.size()) - 1;
}

void ReportLayout::newPage() {
    pages_.emplace_back();
    y_ = 0;
    if (table_)
        table_->rowsOnPage = false;
}

void ReportLayout::place(int doc, qreal top, qreal bottom) {
    if (pages_.empty())
        newPage();
    if (bottom <= top)
        return;
    auto& parts = pages_.back().parts;
    if (!parts.empty() && parts.back().doc == doc && qFuzzyCompare(parts.back().srcBottom + 1, top + 1) &&
        qFuzzyCompare(parts.back().destY + parts.back().srcBottom - parts.back().srcTop + 1, y_ + 1))
        parts.back().srcBottom = bottom;
    else
        parts.push_back({doc, top, bottom, y_});
    y_ += bottom - top;
}

bool ReportLayout::step() {
    if (complete_)
        return true;
    if (pages_.empty())
        newPage();
    if (table_) {
        placeTableChunk();
        if (table_->nextRow >= table_->table->rows.size())
            table_.reset();
        return false;
    }
    if (nextItem_ >= items_.size()) {
        complete_ = true;
        return true;
    }
    const Item& item = items_[nextItem_++];
    switch (item.kind) {
    case Item::Kind::PageBreak:
        if (y_ > 0)
            newPage();
        break;
    case Item::Kind::Content:
        placeContent(item.html);
        break;
    case Item::Kind::Table:
        startTable(*item.table);
        if (table_ && table_->nextRow >= item.table->rows.size())
            table_.reset();
        break;
    }
    return false;
}

void ReportLayout::finish() {
    while (!step()) {
    }
}

int ReportLayout::pagesReady() const {
    if (complete_)
        return pageCount();
    return std::max(0, pageCount() - 1);
}

// Ordinary content breaks between lines; a nested table or an image stays whole.
void ReportLayout::placeContent(const QString& html) {
    const int index = keep(makeDocument(html));
    QTextDocument& doc = *docs_[static_cast<std::size_t>(index)];
    auto* layout = doc.documentLayout();
    std::vector<std::pair<qreal, qreal>> units;
    QTextFrame* root = doc.rootFrame();
    for (auto it = root->begin(); !it.atEnd(); ++it) {
        if (QTextFrame* frame = it.currentFrame()) {
            const QRectF r = layout->frameBoundingRect(frame);
            units.emplace_back(r.top(), r.bottom());
            continue;
        }
        const QTextBlock block = it.currentBlock();
        const QRectF br = layout->blockBoundingRect(block);
        const QTextLayout* tl = block.layout();
        if (!tl || tl->lineCount() == 0) {
            units.emplace_back(br.top(), br.bottom());
            continue;
        }
        for (int i = 0; i < tl->lineCount(); ++i) {
            const QTextLine line = tl->lineAt(i);
            units.emplace_back(br.top() + line.y(), br.top() + line.y() + line.height());
        }
    }
    const qreal height = layout->documentSize().height();
    if (units.empty()) {
        if (height > remaining() && y_ > 0)
            newPage();
        place(index, 0, std::min(height, remaining()));
        return;
    }
    qreal pos = 0;
    std::size_t next = 0;
    while (next < units.size()) {
        std::size_t fit = next;
        while (fit < units.size() && units[fit].second - pos <= remaining() + 0.01)
            ++fit;
        if (fit == units.size()) {
            const qreal end = std::max(units.back().second, std::min(height, pos + remaining()));
            place(index, pos, end);
            return;
        }
        if (fit > next) {
            place(index, pos, units[fit - 1].second);
            newPage();
            pos = units[fit].first;
            next = fit;
            continue;
        }
        if (y_ > 0) {
            newPage();
            pos = std::max(pos, units[next].first);
            continue;
        }
        // One piece taller than a page: cut it at the page's foot.
        const qreal end = pos + remaining();
        place(index, pos, end);
        newPage();
        pos = end;
        while (next < units.size() && units[next].second <= pos)
            ++next;
    }
}

void ReportLayout::startTable(const Table& table) {
    table_ = std::make_unique<TableRun>();
    TableRun& run = *table_;
    run.table = &table;

    // Measure the columns once, on the header and on the widest cell of every
    // column, and give each chunk those widths: the columns then line up on
    // every page without laying out all rows at once.
    std::vector<std::size_t> sample;
    std::size_t columns = 0;
    for (const Row& row : table.rows) {
        std::size_t n = 0;
        for (const Cell& c : row.cells)
            n += static_cast<std::size_t>(c.colspan);
        columns = std::max(columns, n);
    }
    for (std::size_t c = 0; c < columns; ++c) {
        int best = -1;
        std::size_t bestRow = 0;
        for (std::size_t i = 0; i < table.rows.size(); ++i) {
            const Row& row = table.rows[i];
            if (row.cells.size() == columns && row.cells[c].textLength > best) {
                best = row.cells[c].textLength;
                bestRow = i;
            }
        }
        if (best >= 0 && std::find(sample.begin(), sample.end(), bestRow) == sample.end())
            sample.push_back(bestRow);
    }
    if (sample.empty() && !table.rows.empty())
        sample.push_back(0);
    std::sort(sample.begin(), sample.end());
    auto withOwnWidths = [](const Row& row) {
        QString out = QStringLiteral("<tr") + row.attributes + u'>';
        for (const Cell& cell : row.cells) {
            out += u'<' + cell.tag + cell.attributes;
            if (!cell.width.isEmpty())
                out += QStringLiteral(" width=\"") + escapeAttribute(cell.width) + u'"';
            out += u'>' + cell.inner + QStringLiteral("</") + cell.tag + u'>';
        }
        return out + QStringLiteral("</tr>");
    };
    QString html = QStringLiteral("<table") + table.attributes;
    if (!table.width.isEmpty())
        html += QStringLiteral(" width=\"") + escapeAttribute(table.width) + u'"';
    html += u'>';
    for (const Row& row : table.head)
        html += withOwnWidths(row);
    for (std::size_t i : sample)
        html += withOwnWidths(table.rows[i]);
    html += QStringLiteral("</table>");
    const auto probe = makeDocument(html);
    QTextTable* t = firstTable(*probe);
    run.tableWidth = table.width;
    if (t) {
        auto* layout = probe->documentLayout();
        const QRectF frame = layout->frameBoundingRect(t);
        if (!table.width.endsWith(u'%'))
            run.tableWidth = QString::number(frame.width(), 'f', 1);
        std::vector<qreal> left(static_cast<std::size_t>(t->columns()), -1);
        for (int r = 0; r < t->rows(); ++r)
            for (int c = 0; c < t->columns(); ++c) {
                const QTextTableCell cell = t->cellAt(r, c);
                if (cell.isValid() && cell.column() == c && cell.columnSpan() == 1 && left[c] < 0)
                    left[c] = layout->blockBoundingRect(cell.firstCursorPosition().block()).left();
            }
        const bool measured =
            t->columns() > 0 && std::all_of(left.begin(), left.end(), [](qreal x) { return x >= 0; });
        if (measured && static_cast<std::size_t>(t->columns()) == columns) {
            const qreal inset = left[0] - frame.left();
            std::vector<qreal> widths;
            for (std::size_t c = 0; c < left.size(); ++c)
                widths.push_back((c + 1 < left.size() ? left[c + 1] : frame.right() - inset) - left[c]);
            const qreal total = std::accumulate(widths.begin(), widths.end(), 0.0);
            if (total > 0 && std::all_of(widths.begin(), widths.end(), [](qreal w) { return w > 0; }))
                for (qreal w : widths)
                    run.widths << QString::number(w * 100 / total, 'f', 3) + u'%';
        }
        const auto boxes = rowBoxes(*probe);
        for (std::size_t i = 1; i < boxes.size(); ++i)
            if (boxes[i].top > boxes[i - 1].bottom) {
                run.gap = boxes[i].top - boxes[i - 1].bottom;
                break;
            }
    }
    if (!table.head.empty()) {
        run.headerDoc = keep(makeDocument(run.open() + run.rowsHtml(table.head, 0, table.head.size()) +
                                          QStringLiteral("</table>")));
        const auto boxes = rowBoxes(*docs_[static_cast<std::size_t>(run.headerDoc)]);
        run.headerEnd = boxes.empty() ? 0 : boxes.back().bottom + run.gap / 2;
    }
    if (table.rows.empty()) {
        // A table of headings only.
        if (run.headerEnd > remaining() && y_ > 0)
            newPage();
        placeHeaderOfTable();
        place(run.headerDoc, run.headerEnd, tableBottom(*docs_[static_cast<std::size_t>(run.headerDoc)]));
        return;
    }
    placeTableChunk();
}

void ReportLayout::placeHeaderOfTable() {
    if (table_->headerDoc >= 0)
        place(table_->headerDoc, 0, table_->headerEnd);
    table_->started = true;
    table_->rowsOnPage = false;
}

void ReportLayout::placeTableChunk() {
    TableRun& run = *table_;
    const auto& rows = run.table->rows;
    const std::size_t from = run.nextRow;
    std::size_t to = std::min(rows.size(), from + static_cast<std::size_t>(ChunkRows));
    while (to < rows.size() && rows[to - 1].keepWithNext &&
           to - from < 4 * static_cast<std::size_t>(ChunkRows))
        ++to;
    const bool first = from == 0, last = to == rows.size();
    const int index =
        keep(makeDocument(run.open() + run.rowsHtml(rows, from, to) + QStringLiteral("</table>")));
    QTextDocument& doc = *docs_[static_cast<std::size_t>(index)];
    const auto boxes = rowBoxes(doc);
    const std::size_t n = std::min(boxes.size(), to - from);
    if (n == 0) {
        run.nextRow = to;
        return;
    }
    qreal gap = run.gap;
    for (std::size_t i = 1; i < n; ++i)
        if (boxes[i].top > boxes[i - 1].bottom) {
            gap = boxes[i].top - boxes[i - 1].bottom;
            break;
        }
    // Where the slice of each row begins: halfway between two rows, so a
    // border between them is drawn once.
    std::vector<qreal> edge(n + 1);
    edge[0] = (first && run.headerDoc < 0) ? 0 : std::max<qreal>(0, boxes[0].top - gap / 2);
    for (std::size_t i = 1; i < n; ++i)
        edge[i] = (boxes[i - 1].bottom + boxes[i].top) / 2;
    edge[n] = last ? tableBottom(doc) : boxes[n - 1].bottom + gap / 2;

    std::size_t i = 0;
    while (i < n) {
        // The rows that must stay together.
        std::size_t j = i;
        while (j + 1 < n && (rows[from + j].keepWithNext || boxes[j].spansDown))
            ++j;
        const qreal height = edge[j + 1] - edge[i];
        if (!run.started) {
            if (run.headerEnd + height > remaining() && y_ > 0)
                newPage();
            placeHeaderOfTable();
        } else if (height > remaining() && run.rowsOnPage) {
            newPage();
            placeHeaderOfTable();
        }
        if (height <= remaining() + 0.01) {
            place(index, edge[i], edge[j + 1]);
        } else {
            // Rows taller than a page: cut at the page's foot.
            qreal pos = edge[i];
            while (edge[j + 1] - pos > remaining() + 0.01) {
                const qreal end = pos + std::max<qreal>(remaining(), 1);
                place(index, pos, end);
                newPage();
                placeHeaderOfTable();
                pos = end;
            }
            place(index, pos, edge[j + 1]);
        }
        run.rowsOnPage = true;
        i = j + 1;
    }
    run.nextRow = to;
}

QString ReportLayout::partHtml(const PartHtml& part, int index) const {
    if (!part)
        return {};
    return part(index + 1, complete_ ? QString::number(pageCount()) : QStringLiteral("…"));
}

void ReportLayout::paintPage(QPainter& painter, int index) const {
    if (index < 0 || index >= pageCount())
        return;
    const QMarginsF& m = geometry_.margins;
    QAbstractTextDocumentLayout::PaintContext context;
    context.palette.setColor(QPalette::Text, Qt::black);
    auto draw = [&](QTextDocument& doc, QPointF at, qreal top, qreal bottom) {
        painter.save();
        painter.translate(at.x(), at.y() - top);
        const QRectF clip(-2, top, std::max(bodyWidth_, doc.size().width()) + 4, bottom - top);
        painter.setClipRect(clip, painter.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
        context.clip = clip;
        doc.documentLayout()->draw(&painter, context);
        painter.restore();
    };
    const qreal bodyTop = m.top() + headerHeight(static_cast<std::size_t>(index));
    for (const Placement& p : pages_[static_cast<std::size_t>(index)].parts)
        draw(*docs_[static_cast<std::size_t>(p.doc)], QPointF(m.left(), bodyTop + p.destY), p.srcTop,
             p.srcBottom);
    const QString head = partHtml(header_, index);
    if (!head.trimmed().isEmpty()) {
        QTextDocument& doc = partDocument(head, true);
        draw(doc, QPointF(m.left(), m.top()), 0, doc.size().height());
    }
    const QString foot = partHtml(footer_, index);
    if (!foot.trimmed().isEmpty()) {
        QTextDocument& doc = partDocument(foot, false);
        const qreal h = doc.size().height();
        draw(doc, QPointF(m.left(), geometry_.pageSize.height() - m.bottom() - h), 0, h);
    }
}

QTextDocument& ReportLayout::partDocument(const QString& html, bool header) const {
    KeptPart& kept = header ? keptHeader_ : keptFooter_;
    if (!kept.doc || kept.html != html) {
        kept.doc = makeDocument(html);
        kept.html = html;
    }
    return *kept.doc;
}

QString ReportLayout::pageText(int index) const {
    if (index < 0 || index >= pageCount())
        return {};
    QStringList lines;
    const QString head = partHtml(header_, index);
    if (!head.trimmed().isEmpty())
        lines << partDocument(head, true).toPlainText().trimmed();
    for (const Placement& p : pages_[static_cast<std::size_t>(index)].parts) {
        QTextDocument& doc = *docs_[static_cast<std::size_t>(p.doc)];
        auto* layout = doc.documentLayout();
        for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
            const QRectF br = layout->blockBoundingRect(b);
            if (br.bottom() < p.srcTop || br.top() >= p.srcBottom)
                continue;
            const QTextLayout* tl = b.layout();
            QStringList parts;
            for (int i = 0; tl && i < tl->lineCount(); ++i) {
                const QTextLine line = tl->lineAt(i);
                const qreal middle = br.top() + line.y() + line.height() / 2;
                if (middle >= p.srcTop && middle < p.srcBottom)
                    parts << b.text().mid(line.textStart(), line.textLength());
            }
            const QString text = parts.join(u' ').trimmed();
            if (!text.isEmpty())
                lines << text;
        }
    }
    const QString foot = partHtml(footer_, index);
    if (!foot.trimmed().isEmpty())
        lines << partDocument(foot, false).toPlainText().trimmed();
    return lines.join(u'\n');
}

} // namespace tavrix
