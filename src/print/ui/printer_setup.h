#pragma once
// The printer as both reports want it: one A4 landscape copy in high resolution, drawn on
// from the corner of the paper.

#include "print/print_canvas.h"

class QPrinter;

// Sets the printer up and returns its resolution and the offsets of its printable area
// (the paper less the margins the printer cannot print on), in device dots.
PageGeometry setUpPrinter(QPrinter& printer);
