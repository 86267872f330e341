#pragma once
// The printer as both reports want it: one A4 landscape copy in high resolution, drawn on
// from the corner of the paper.

#include "print/print_canvas.h"

class QPrinter;

// The margin an office laser printer cannot print on, the same on every side: 1/6 inch
// (4.23 mm), as HP's LaserJets and the many printers that follow their PCL page leave it.
inline constexpr double kOfficePrinterMarginInches = 1.0 / 6.0;

// Sets the printer up and returns its resolution and the offsets of its printable area
// (the paper less the margins the printer cannot print on), in device dots. A PDF file
// gets the offsets of an office printer.
PageGeometry setUpPrinter(QPrinter& printer);
