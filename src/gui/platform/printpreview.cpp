// The print preview; see printpreview.h.
#include "gui/platform/printpreview.h"

#include "gui/common/screenplacement.h"

#include <QAction>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

namespace tarvik::gui {

PrintOutcome showPrintPreview(QWidget *parent, QPrinter &printer, const PagePainter &paint,
    const std::function<QString(QWidget *)> &askPdfName,
    const std::function<void(QWidget *, const QString &)> &reportFailure)
{
    QPrintPreviewDialog preview(&printer, parent);
    preview.setObjectName(QStringLiteral("PrintPreview"));
    preview.setWindowTitle(QObject::tr("Print Preview"));
    keepOnScreen(&preview);
    // The preview and the print itself both come here; after the dialog is
    // accepted the last drawing was the print.
    bool lastDrawn = true;
    QObject::connect(&preview, &QPrintPreviewDialog::paintRequested,
        [&](QPrinter *target) { lastDrawn = paint(*target); });

    auto *exportPdf = new QAction(QObject::tr("Export PDF..."), &preview);
    exportPdf->setObjectName(QStringLiteral("ExportPdf"));
    exportPdf->setToolTip(QObject::tr("Write these pages to a PDF file"));
    QObject::connect(exportPdf, &QAction::triggered, &preview, [&] {
        const QString file = askPdfName(&preview);
        if (file.isEmpty()) {
            return;
        }
        QPrinter pdf(QPrinter::HighResolution);
        pdf.setOutputFormat(QPrinter::PdfFormat);
        pdf.setPageLayout(printer.pageLayout());
        pdf.setDocName(printer.docName());
        pdf.setOutputFileName(file);
        if (!paint(pdf)) {
            reportFailure(&preview, QObject::tr("The PDF file could not be written."));
        }
    });
    if (auto *tools = preview.findChild<QToolBar *>()) {
        tools->addSeparator();
        tools->addAction(exportPdf);
        if (QWidget *button = tools->widgetForAction(exportPdf)) {
            button->setObjectName(QStringLiteral("ExportPdfButton"));
        }
    } else {
        preview.addAction(exportPdf);
    }
    preview.resize(900, 760);
    if (preview.exec() != QDialog::Accepted) {
        return PrintOutcome::Cancelled;
    }
    return lastDrawn ? PrintOutcome::Printed : PrintOutcome::Failed;
}

} // namespace tarvik::gui
