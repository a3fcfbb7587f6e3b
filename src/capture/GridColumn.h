// A grid column as data: the windows declare their columns as tables of
// these, and the grid builds its model and view from them.
#pragma once

#include <QString>

namespace promocionesQEX::capture {

struct GridColumn {
  QString name;     // what the code addresses (compared without case)
  QString caption;  // what the user sees
  int width = 0;    // twips
  bool shown = true;
  bool editable = false;
  // "number": right-aligned and edited as a number; a number pattern
  // ("#,###.00") also shows numbers through it (DisplayFormat.h); "" plain
  // text.
  QString format;
  int max_length = 0;        // 0: no limit on what the editor accepts
  bool cell_button = false;  // a button in the cell (pick lists)
};

}  // namespace promocionesQEX::capture
