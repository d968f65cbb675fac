#include "reporting/ReportDocument.h"

#include "data/DbError.h"
#include "data/SessionContext.h"
#include "reporting/DirectPrintCapture.h"
#include "reporting/ReportData.h"
#include "reporting/ReportError.h"
#include "reporting/ReportFormat.h"
#include "reporting/ReportLayout.h"
#include "reporting/Reports.h"
#include "reporting/frmReport.h"
#include "ui/Prompts.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QPrinterInfo>

namespace tavrix {

namespace km = kainjow::mustache;

namespace {

constexpr qreal LayoutDpi = 96.0;

// The fonts beside the templates, so a PDF looks the same on every workstation.
void loadReportFonts() {
    static bool loaded = false;
    if (loaded || !QGuiApplication::instance())
        return;
    loaded = true;
    const QDir dir(Reports::programPath(QStringLiteral("\\Report\\fonts")));
    for (const QString& f : dir.entryList({QStringLiteral("*.ttf"), QStringLiteral("*.otf")}, QDir::Files))
        QFontDatabase::addApplicationFont(dir.filePath(f));
}

std::unique_ptr<km::mustache> compile(const QString& path, const QString& part, const QString& text) {
    auto m = std::make_unique<km::mustache>(text.toStdString());
    if (!m->is_valid())
        throw ReportError(path, QStringLiteral("the %1 does not parse: %2.")
                                    .arg(part, QString::fromStdString(m->error_message())));
    // Values are escaped when they are read, once; the template's own text is HTML.
    m->set_custom_escape([](const std::string& s) { return s; });
    return m;
}

} // namespace

struct ReportDocument::Impl {
    std::unique_ptr<ReportTemplate> report;
    std::vector<QVariant> parameters;
    QHash<QString, QString> texts;
    Connection* connection = nullptr;
    std::unique_ptr<km::mustache> header, body, footer;
    km::data values;
    std::unique_ptr<ReportLayout> layout;

    const ReportTemplate& require() const {
        if (!report)
            throw ReportError(QString(), QStringLiteral("no template is open."));
        return *report;
    }

    void invalidate() { layout.reset(); }

    QString renderPart(km::mustache& part, const char* name, int page, const QString& pages) {
        km::data pageValues(km::data::type::object);
        pageValues["page"] = km::data(std::to_string(page));
        pageValues["pages"] = km::data(pages.toStdString());
        pageValues["first"] = km::data(page == 1);
        pageValues["last"] = km::data(pages == QString::number(page));
        km::context<std::string> context(&values);
        context.push(&pageValues);
        const std::string out = part.render(context);
        if (!part.is_valid())
            throw ReportError(report->path,
                              QStringLiteral("the %1 cannot be filled: %2.")
                                  .arg(QLatin1String(name), QString::fromStdString(part.error_message())));
        return QString::fromStdString(out);
    }

    ReportLayout& laidOut() {
        if (!layout)
            throw ReportError(report ? report->path : QString(),
                              QStringLiteral("the report has not been rendered."));
        return *layout;
    }

    void setParameter(std::size_t index, const QVariant& value) {
        const ReportParameterDef& def = report->parameters[index];
        bool ok = true;
        const QVariant converted = ReportFormat::convert(value, def.type, &ok);
        if (!ok)
            throw ReportError(report->path,
                              QStringLiteral("the parameter field \"%1\" cannot take \"%2\": it is not a %3.")
                                  .arg(def.name, value.toString(),
                                       def.type == ReportParameterType::Number ? QStringLiteral("number")
                                                                               : QStringLiteral("date")));
        parameters[index] = converted;
        invalidate();
    }
};

ReportDocument::ReportDocument() : d(std::make_unique<Impl>()) {}
ReportDocument::~ReportDocument() = default;

void ReportDocument::open(const QString& templatePath) {
    release();
    auto report = std::make_unique<ReportTemplate>(ReportTemplate::load(templatePath));
    d->header = compile(templatePath, QStringLiteral("page header"), report->header);
    d->body = compile(templatePath, QStringLiteral("body"), report->body);
    d->footer = compile(templatePath, QStringLiteral("page footer"), report->footer);
    d->parameters.assign(report->parameters.size(), QVariant());
    d->report = std::move(report);
    const auto& session = SessionContext::instance();
    d->texts.insert(hospitalCompanyText(), session.HospitalCompany);
    d->texts.insert(hospitalAddressText(), session.HospitalAddress);
}

bool ReportDocument::isOpen() const {
    return d->report != nullptr;
}
QString ReportDocument::templatePath() const {
    return d->report ? d->report->path : QString();
}
QString ReportDocument::title() const {
    return d->report ? d->report->title : QString();
}

QStringList ReportDocument::tables() const {
    QStringList out;
    if (d->report)
        for (const auto& ds : d->report->dataSets)
            out << ds.name;
    return out;
}

QString ReportDocument::tableLocation(const QString& table) const {
    if (d->report)
        for (const auto& ds : d->report->dataSets)
            if (ds.name == table)
                return ds.location;
    return {};
}

bool ReportDocument::SetTableLogOn(const QString& table, const QString& database) {
    if (!d->report)
        return false;
    for (auto& ds : d->report->dataSets) {
        if (ds.name != table)
            continue;
        const qsizetype dot = ds.location.indexOf(u'.');
        ds.location = database + (dot < 0 ? QStringLiteral("..") + ds.location : ds.location.mid(dot));
        return true;
    }
    return false;
}

QList<ReportDocument::ParameterField> ReportDocument::parameterFields() const {
    QList<ParameterField> out;
    if (d->report)
        for (std::size_t i = 0; i < d->report->parameters.size(); ++i)
            out << ParameterField{d->report->parameters[i].name, d->report->parameters[i].type,
                                  static_cast<int>(i)};
    return out;
}

bool ReportDocument::setParameter(const QString& name, const QVariant& value) {
    if (!d->report)
        return false;
    for (std::size_t i = 0; i < d->report->parameters.size(); ++i)
        if (d->report->parameters[i].name == name) {
            d->setParameter(i, value);
            return true;
        }
    return false;
}

bool ReportDocument::setParameter(int position, const QVariant& value) {
    if (!d->report || position < 0 || position >= static_cast<int>(d->report->parameters.size()))
        return false;
    d->setParameter(static_cast<std::size_t>(position), value);
    return true;
}

void ReportDocument::setParameterValues(const QVariantList& values) {
    for (qsizetype i = 0; i < values.size(); ++i)
        setParameter(static_cast<int>(i), values[i]);
}

QVariant ReportDocument::parameterValue(const QString& name) const {
    if (d->report)
        for (std::size_t i = 0; i < d->report->parameters.size(); ++i)
            if (d->report->parameters[i].name == name)
                return d->parameters[i];
    return {};
}

void ReportDocument::setText(const QString& name, const QString& value) {
    d->texts.insert(name, value);
    d->invalidate();
}

QString ReportDocument::text(const QString& name) const {
    return d->texts.value(name);
}

void ReportDocument::setConnection(Connection* connection) {
    d->connection = connection;
    d->invalidate();
}

void ReportDocument::prepare() {
    const ReportTemplate& report = d->require();
    loadReportFonts();
    Connection* connection = d->connection;
    if (!connection) {
        try {
            connection = &SessionContext::instance().connection();
        } catch (const DbError& e) {
            throw ReportError(report.path, e.message());
        }
    }
    ReportData::Inputs inputs;
    inputs.report = &report;
    inputs.parameters = d->parameters;
    inputs.texts = d->texts;
    inputs.user = SessionContext::instance().employeeCode();
    d->values = ReportData::build(inputs, *connection);
    const std::string bodyText = d->body->render(d->values);
    if (!d->body->is_valid())
        throw ReportError(report.path, QStringLiteral("the body cannot be filled: %1.")
                                           .arg(QString::fromStdString(d->body->error_message())));

    const QPageLayout page = pageLayout();
    const QRectF sheet = page.fullRectPoints();
    const qreal scale = LayoutDpi / 72.0;
    ReportLayout::Geometry geometry;
    geometry.pageSize = QSizeF(sheet.width() * scale, sheet.height() * scale);
    const QMarginsF& mm = report.page.marginsMm;
    const qreal perMm = LayoutDpi / 25.4;
    geometry.margins =
        QMarginsF(mm.left() * perMm, mm.top() * perMm, mm.right() * perMm, mm.bottom() * perMm);
    geometry.font = QFont(report.page.fontFamily);
    geometry.font.setPointSizeF(report.page.fontPointSize);
    geometry.styleSheet = report.style;
    Impl* impl = d.get();
    auto header = [impl](int page, const QString& pages) {
        return impl->renderPart(*impl->header, "page header", page, pages);
    };
    auto footer = [impl](int page, const QString& pages) {
        return impl->renderPart(*impl->footer, "page footer", page, pages);
    };
    try {
        d->layout =
            std::make_unique<ReportLayout>(geometry, QString::fromStdString(bodyText), header, footer);
    } catch (const ReportError&) {
        throw;
    } catch (const std::runtime_error& e) {
        throw ReportError(report.path, QString::fromStdString(e.what()));
    }
}

bool ReportDocument::isPrepared() const {
    return d->layout != nullptr;
}

bool ReportDocument::layoutStep() {
    return d->laidOut().step();
}

bool ReportDocument::isLaidOut() const {
    return d->layout && d->layout->isComplete();
}

void ReportDocument::render() {
    if (!d->layout)
        prepare();
    d->layout->finish();
}

int ReportDocument::pagesReady() const {
    return d->layout ? d->layout->pagesReady() : 0;
}

int ReportDocument::pageCount() {
    render();
    return d->layout->pageCount();
}

QPageLayout ReportDocument::pageLayout() const {
    const ReportTemplate& report = d->require();
    return QPageLayout(report.page.size, report.page.orientation, QMarginsF(0, 0, 0, 0));
}

QSizeF ReportDocument::pageSize() const {
    if (d->layout)
        return d->layout->pageSize();
    const QRectF sheet = pageLayout().fullRectPoints();
    return QSizeF(sheet.width() * LayoutDpi / 72.0, sheet.height() * LayoutDpi / 72.0);
}

void ReportDocument::paintPage(QPainter& painter, int index) const {
    if (d->layout)
        d->layout->paintPage(painter, index);
}

QString ReportDocument::pageText(int index) {
    render();
    return d->layout->pageText(index);
}

QStringList ReportDocument::pageTexts() {
    QStringList out;
    const int n = pageCount();
    for (int i = 0; i < n; ++i)
        out << d->layout->pageText(i);
    return out;
}

void ReportDocument::exportPdf(const QString& path) {
    render();
    QPdfWriter writer(path);
    writer.setPageLayout(pageLayout());
    writer.setTitle(title());
    writer.setCreator(QStringLiteral("Tavrix MRI"));
    QPainter painter;
    if (!painter.begin(&writer))
        throw ReportError(d->report->path, QStringLiteral("the PDF file %1 cannot be written.").arg(path));
    const qreal scale = writer.resolution() / LayoutDpi;
    for (int i = 0; i < d->layout->pageCount(); ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.scale(scale, scale);
        d->layout->paintPage(painter, i);
        painter.restore();
    }
    if (!painter.end())
        throw ReportError(d->report->path, QStringLiteral("the PDF file %1 cannot be written.").arg(path));
}

bool ReportDocument::print(QPrinter& printer) {
    render();
    printer.setFullPage(true);
    printer.setPageLayout(pageLayout());
    if (printer.docName().isEmpty())
        printer.setDocName(title());
    const int count = d->layout->pageCount();
    int from = 1, to = count;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        from = std::max(1, printer.fromPage());
        to = std::min(count, printer.toPage() > 0 ? printer.toPage() : count);
    }
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    const qreal scale = printer.resolution() / LayoutDpi;
    for (int page = from; page <= to; ++page) {
        if (page > from)
            printer.newPage();
        painter.save();
        painter.scale(scale, scale);
        d->layout->paintPage(painter, page - 1);
        painter.restore();
    }
    return painter.end();
}

bool ReportDocument::printDirect() {
    render();
    if (DirectPrintCapture* capture = DirectPrintCapture::active()) {
        const QString path = capture->nextPdfPath();
        exportPdf(path);
        capture->record({templatePath(), title(), path, pageTexts()});
        return true;
    }
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (!info.isNull()) {
        QPrinter printer(info, QPrinter::HighResolution);
        if (print(printer))
            return true;
    }
    // Nothing lost: the document opens in the preview, where it can be saved as a PDF.
    Ui::message(
        info.isNull()
            ? QStringLiteral("No printer is set up on this workstation, so \"%1\" cannot be printed "
                             "directly.\nThe report opens in the preview window, where you can save it as a "
                             "PDF file or print it once a printer is ready.")
                  .arg(title().isEmpty() ? templatePath() : title())
            : QStringLiteral("The printer %1 cannot print \"%2\" now.\nThe report opens in the preview "
                             "window, where you can save it as a PDF file or print it again.")
                  .arg(info.printerName(), title().isEmpty() ? templatePath() : title()),
        Ui::appTitle(), Ui::Icon::Warning);
    std::shared_ptr<ReportDocument> self = weak_from_this().lock();
    if (!self)
        self = std::shared_ptr<ReportDocument>(std::shared_ptr<ReportDocument>(), this);
    frmReport preview(QApplication::activeWindow());
    preview.setReportSource(self);
    if (preview.viewReport())
        Ui::runModal(preview);
    return false;
}

void ReportDocument::release() {
    d->layout.reset();
    d->header.reset();
    d->body.reset();
    d->footer.reset();
    d->values = km::data();
    d->parameters.clear();
    d->texts.clear();
    d->report.reset();
}

} // namespace tavrix
