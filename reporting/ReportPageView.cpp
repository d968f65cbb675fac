#include "reporting/ReportPageView.h"

#include "reporting/ReportDocument.h"

#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace tavrix {

ReportPageView::ReportPageView(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("crvReport"));
    setFocusPolicy(Qt::StrongFocus);
    setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(false);
}

void ReportPageView::setDocument(std::shared_ptr<ReportDocument> document) {
    document_ = std::move(document);
    page_ = 0;
    refresh();
}

void ReportPageView::setPage(int page) {
    if (!document_)
        return;
    page = std::max(0, page);
    if (page == page_)
        return;
    page_ = page;
    verticalScrollBar()->setValue(0);
    updateScrollBars();
    viewport()->update();
    emit pageChanged(page_);
}

void ReportPageView::setZoom(Zoom zoom, int percent) {
    zoom_ = zoom;
    percent_ = std::clamp(percent, 10, 800);
    updateScrollBars();
    viewport()->update();
}

qreal ReportPageView::scale() const {
    if (!document_ || !document_->isOpen())
        return 1;
    const QSizeF page = document_->pageSize();
    const qreal byWidth = (viewport()->width() - 2 * Border) / page.width();
    const qreal byHeight = (viewport()->height() - 2 * Border) / page.height();
    switch (zoom_) {
    case Zoom::PageWidth:
        return std::max<qreal>(0.1, byWidth);
    case Zoom::WholePage:
        return std::max<qreal>(0.1, std::min(byWidth, byHeight));
    case Zoom::Percent:
        break;
    }
    return percent_ / 100.0 * logicalDpiX() / 96.0;
}

void ReportPageView::refresh() {
    drawn_.clear();
    updateScrollBars();
    viewport()->update();
}

QImage ReportPageView::pageImage(int page) {
    if (!document_ || page < 0 || page >= document_->pagesReady())
        return {};
    const qreal s = scale();
    for (auto it = drawn_.begin(); it != drawn_.end(); ++it)
        if (it->page == page && qFuzzyCompare(it->scale, s)) {
            drawn_.splice(drawn_.begin(), drawn_, it);
            return drawn_.front().image;
        }
    const qreal ratio = devicePixelRatioF();
    const QSizeF size = document_->pageSize() * s;
    QImage image((size * ratio).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing |
                           QPainter::SmoothPixmapTransform);
    painter.scale(s, s);
    document_->paintPage(painter, page);
    painter.end();
    drawn_.push_front({page, s, image});
    while (drawn_.size() > KeptPages)
        drawn_.pop_back();
    return image;
}

void ReportPageView::updateScrollBars() {
    if (!document_ || !document_->isOpen()) {
        horizontalScrollBar()->setRange(0, 0);
        verticalScrollBar()->setRange(0, 0);
        return;
    }
    const QSizeF size = document_->pageSize() * scale();
    const int w = qRound(size.width()) + 2 * Border, h = qRound(size.height()) + 2 * Border;
    horizontalScrollBar()->setRange(0, std::max(0, w - viewport()->width()));
    horizontalScrollBar()->setPageStep(viewport()->width());
    verticalScrollBar()->setRange(0, std::max(0, h - viewport()->height()));
    verticalScrollBar()->setPageStep(viewport()->height());
    verticalScrollBar()->setSingleStep(40);
}

void ReportPageView::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    painter.fillRect(viewport()->rect(), QColor(0x80, 0x80, 0x80));
    if (!document_ || !document_->isOpen())
        return;
    const QImage image = pageImage(page_);
    const QSizeF size = document_->pageSize() * scale();
    const qreal x =
        std::max<qreal>(Border, (viewport()->width() - size.width()) / 2) - horizontalScrollBar()->value();
    const qreal y = Border - verticalScrollBar()->value();
    const QRectF sheet(QPointF(x, y), size);
    painter.fillRect(sheet.translated(4, 4), QColor(0, 0, 0, 90));
    if (image.isNull()) {
        painter.fillRect(sheet, Qt::white);
        painter.setPen(Qt::darkGray);
        painter.drawText(sheet, Qt::AlignCenter, tr("Preparing page %1…").arg(page_ + 1));
        return;
    }
    painter.drawImage(sheet.topLeft(), image);
}

void ReportPageView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars(); // the page width follows the window: drawn again at the new scale
}

void ReportPageView::wheelEvent(QWheelEvent* event) {
    if (event->modifiers() & Qt::ControlModifier) {
        emit zoomStepped(event->angleDelta().y() > 0 ? 1 : -1);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

} // namespace tavrix
