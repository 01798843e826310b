// Printing and previewing grids: the print dialog, or straight into a PDF file in the run
// folder where no printer is installed; the preview window, whose 打印 prints the same way.
#include <QPrintDialog>
#include <QPrinterInfo>

#include "common/grid/grid_ops.h"
#include "platform/qt/qt_backend.h"
#include "platform/qt/qt_grid_paint.h"
#include "platform/qt/qt_print_preview.h"
#include "platform/qt/qt_text.h"

namespace qtp {

namespace {

// Without an installed printer the pages go into GridPrintFile(), as a PDF.
bool PrintToFile(QPrinter& printer) {
  if (!QPrinterInfo::availablePrinters().isEmpty()) return false;
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(Q(GridPrintFile()));
  return true;
}

// 0 printed, 2 printing failed, 3 printed into GridPrintFile() for want of a printer; with
// a printer the print dialog asks first.
int Print(QPrinter& printer, bool to_file, const GridModel& grid) {
  if (to_file) {
    const int result = PrintPages(printer, grid);
    return result == 0 ? 3 : result;
  }
  QPrintDialog dialog(&printer);
  if (dialog.exec() != QDialog::Accepted) return 0;  // the user chose not to print
  if (!printer.isValid()) return 1;
  return PrintPages(printer, grid);
}

}  // namespace

int QtBackend::PrintGrid(ui::Unit& grid, bool preview) {
  if (!grid.grid) return 2;
  QPrinter printer(QPrinter::HighResolution);
  const bool to_file = PrintToFile(printer);
  if (!printer.isValid()) return 1;
  if (preview) {
    PrintPreview window(*grid.grid, SetupOf(printer));
    if (window.exec() != QDialog::Accepted) return 0;  // closed without printing
  }
  return Print(printer, to_file, *grid.grid);
}

}  // namespace qtp
