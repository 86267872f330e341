#pragma once
// The printer as both reports want it: one A4 landscape copy in high resolution, with
// positions counted from the corner of the paper.

#include "print/print_canvas.h"

class QPrinter;

void setUpPrinter(QPrinter& printer);

// Resolution and printable-area offsets of a set-up printer, in device dots.
PageGeometry pageGeometryOf(const QPrinter& printer);
