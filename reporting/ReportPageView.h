#pragma once

#include <QAbstractScrollArea>
#include <QImage>

#include <list>
#include <memory>

namespace tavrix {

class ReportDocument;

// Shows one page of a rendered report at a zoom. Pages are drawn once per zoom
// into images that are kept, so repainting or scrolling never lays the
// document out again.
class ReportPageView : public QAbstractScrollArea {
    Q_OBJECT
public:
    enum class Zoom { PageWidth, WholePage, Percent };

    explicit ReportPageView(QWidget* parent = nullptr);

    void setDocument(std::shared_ptr<ReportDocument> document);
    int page() const { return page_; }
    void setPage(int page);
    void setZoom(Zoom zoom, int percent = 100);
    Zoom zoom() const { return zoom_; }
    qreal scale() const; // screen pixels per layout unit
    // Forgets the drawn pages: their footers change once the page count is known.
    void refresh();
    // The image the view shows for a page (drawn when not yet kept); null before the page is ready.
    QImage pageImage(int page);

signals:
    void pageChanged(int page);
    void zoomStepped(int delta); // Ctrl+wheel

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    void updateScrollBars();

    struct Drawn {
        int page;
        qreal scale;
        QImage image;
    };
    std::shared_ptr<ReportDocument> document_;
    std::list<Drawn> drawn_; // most recent first
    int page_ = 0;
    Zoom zoom_ = Zoom::PageWidth;
    int percent_ = 100;
    static constexpr int Border = 16;
    static constexpr std::size_t KeptPages = 6;
};

} // namespace tavrix
