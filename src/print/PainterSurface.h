#pragma once
// The printer surface painted with QPainter on a paged device (a PDF writer, or a
// system printer in the window ring). Twips are converted to the device's dots here.
#include "print/PrinterSurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <memory>
#include <optional>

class QPagedPaintDevice;

namespace vinaxo {

class PainterSurface : public PrinterSurface {
public:
    double pageWidth() const override;
    double pageHeight() const override;
    int orientation() const override;
    void setOrientation(int orientation) override;

protected:
    // The device must outlive the surface; it is painted on from the first output on.
    explicit PainterSurface(QPagedPaintDevice& device);
    ~PainterSurface() override;

    void fontChanged() override;
    double measureWidth(const QString& text) override;
    double measureHeight(const QString& text) override;
    void paintText(double x, double y, const QString& text) override;
    void paintLine(double x1, double y1, double x2, double y2) override;
    void startNewPage() override;
    void finishDocument() override;
    void abandonDocument() override;

    // Hooks for the owner of the output: checked before the first output, delivered after the document is complete,
    // discarded before the painter lets go of an abandoned one.
    virtual void beforeStart() {}
    virtual void delivered() {}
    virtual void discarded() {}
    bool started() const { return m_started; }

private:
    QPainter& painter();
    void ensureFont();
    double toDots(double twips, bool vertical) const;

    QPagedPaintDevice& m_device;
    QPainter m_painter;
    bool m_started = false;
    QFont m_qfont;
    std::optional<QFontMetricsF> m_metrics;
    bool m_fontDirty = true;
    bool m_painterFontDirty = true;
};

} // namespace vinaxo
