#pragma once

#include <QFont>
#include <QMarginsF>
#include <QSizeF>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QTextDocument;

namespace tavrix {

// Lays a filled report body out onto pages, one piece at a time, so a preview
// can show the first page while the rest is still being paged.
//
// The body is split at its top level: runs of ordinary content become one text
// document each, and every top-level table is laid out in chunks of rows, each
// chunk its own small document with the same column widths. Pages are then
// filled with slices of those documents, breaking between lines or between
// rows; a table's <thead> rows are repeated at the top of every page it runs
// onto. Small documents keep the time linear in the number of rows, where one
// document holding a table of thousands of rows grows much faster.
//
// Units are pixels at 96 per inch; the caller scales the painter to its device.
class ReportLayout {
public:
    struct Geometry {
        QSizeF pageSize;   // the whole sheet
        QMarginsF margins; // left, top, right, bottom
        QFont font;
        QString styleSheet;
    };
    // The HTML of the page header or footer for page k of n (n is "…" until all pages are known).
    using PartHtml = std::function<QString(int page, const QString& pages)>;

    // Throws std::runtime_error when the body is not well-formed.
    ReportLayout(Geometry geometry, const QString& bodyHtml, PartHtml header, PartHtml footer);
    ~ReportLayout();
    ReportLayout(const ReportLayout&) = delete;
    ReportLayout& operator=(const ReportLayout&) = delete;

    // Lays out the next piece (a run of content or a chunk of table rows); true once every page is known.
    bool step();
    void finish();
    bool isComplete() const { return complete_; }

    // Pages whose content is final (all of them once complete).
    int pagesReady() const;
    // Pages known so far; the count once complete.
    int pageCount() const { return static_cast<int>(pages_.size()); }

    QSizeF pageSize() const { return geometry_.pageSize; }
    // Paints page index (from 0) with its header and footer, in layout units from the sheet's corner.
    void paintPage(QPainter& painter, int index) const;
    // The text of a page: header, body lines in order, footer.
    QString pageText(int index) const;

    // Rows per table chunk: small enough that a chunk lays out in a few milliseconds.
    static constexpr int ChunkRows = 80;

private:
    struct Placement {
        int doc;
        qreal srcTop, srcBottom, destY;
    };
    struct Page {
        std::vector<Placement> parts;
    };
    struct Cell {
        QString tag, attributes, width, inner;
        int colspan = 1, rowspan = 1, textLength = 0;
    };
    struct Row {
        QString attributes;
        std::vector<Cell> cells;
        bool keepWithNext = false;
    };
    struct Table {
        QString attributes, width;
        std::vector<Row> head, rows;
    };
    struct Item {
        enum class Kind { Content, Table, PageBreak } kind;
        QString html;
        std::shared_ptr<Table> table;
    };
    struct TableRun; // the table being paged

    void parseBody(const QString& bodyHtml);
    std::unique_ptr<QTextDocument> makeDocument(const QString& html) const;
    int keep(std::unique_ptr<QTextDocument> doc);
    void placeContent(const QString& html);
    void startTable(const Table& table);
    void placeTableChunk();
    void placeHeaderOfTable();
    void newPage();
    void place(int doc, qreal top, qreal bottom);
    // The first page may have a header of its own height ({{#first}} in the template).
    qreal headerHeight(std::size_t page) const { return page == 0 ? headerFirst_ : headerRest_; }
    qreal bodyHeight(std::size_t page) const { return pageBody_ - headerHeight(page); }
    qreal remaining() const { return bodyHeight(pages_.empty() ? 0 : pages_.size() - 1) - y_; }
    QString partHtml(const PartHtml& part, int index) const;
    // The page header or footer laid out; the last one is kept, as most pages repeat it.
    QTextDocument& partDocument(const QString& html, bool header) const;

    Geometry geometry_;
    PartHtml header_, footer_;
    qreal bodyWidth_ = 0, pageBody_ = 0, headerFirst_ = 0, headerRest_ = 0, footerHeight_ = 0;
    std::vector<Item> items_;
    std::size_t nextItem_ = 0;
    std::unique_ptr<TableRun> table_;
    std::vector<std::unique_ptr<QTextDocument>> docs_;
    std::vector<Page> pages_;
    qreal y_ = 0;
    bool complete_ = false;
    struct KeptPart {
        QString html;
        std::unique_ptr<QTextDocument> doc;
    };
    mutable KeptPart keptHeader_, keptFooter_;
};

} // namespace tavrix
