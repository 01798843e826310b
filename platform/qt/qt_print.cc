// Printing and previewing grids: the print dialog (a PDF file among its printers) or the
// preview window, from which the pages can be printed too.
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinterInfo>

#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_grid_paint.h"

namespace qtp {

namespace {

// Without an installed printer the pages go to a PDF file of the user's choice.
void ChooseOutput(QPrinter& printer) {
  if (QPrinterInfo::availablePrinters().isEmpty()) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName("grid.pdf");
  }
}

int Preview(QPrinter& printer, const GridModel& grid) {
  int result = 0;
  QPrintPreviewDialog dialog(&printer);
  QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                   [&grid, &result](QPrinter* target) { result = PrintPages(*target, grid); });
  dialog.exec();
  return result;
}

int Print(QPrinter& printer, const GridModel& grid) {
  QPrintDialog dialog(&printer);
  if (dialog.exec() != QDialog::Accepted) return 0;  // the user chose not to print
  if (!printer.isValid()) return 1;
  return PrintPages(printer, grid);
}

}  // namespace

int QtBackend::PrintGrid(ui::Unit& grid, bool preview) {
  if (!grid.grid) return 2;
  QPrinter printer(QPrinter::HighResolution);
  ChooseOutput(printer);
  if (!printer.isValid()) return 1;
  return preview ? Preview(printer, *grid.grid) : Print(printer, *grid.grid);
}

}  // namespace qtp
