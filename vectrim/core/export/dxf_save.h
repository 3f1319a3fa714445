// Saving the drawing as a DXF for the CAM program that comes next: the file
// names of the "DXF speichern" command, the unit the file declares, and the
// save itself (written under a temporary name and renamed, so a failed save
// leaves an existing file untouched).
#pragma once

#include "export/dxf_writer.h"
#include "model/drawing.h"
#include "model/host.h"
#include "model/messages.h"
#include "model/session.h"

#include <optional>
#include <string>

namespace vectrim {

enum class DxfForm {
    LinesArcs, // "Linien und Bögen": R12 with LINE, ARC and CIRCLE
    Polylines, // "Konturen als Polylinien": R2000 with one LWPOLYLINE per contour
};

// The name the save dialog suggests: the file name of the opened DXF (the
// path up to its first NUL, without its folder) with "_opt" before the
// extension: "C:/a/part.dxf" gives "part_opt.dxf", "part" gives
// "part_opt". Empty when no DXF was opened.
std::string suggestedDxfName(const std::string& dxfPath);

// The name a chosen file is saved under: the text up to the first NUL, as
// typed, with ".dxf" appended unless the file name (the part after the last
// "/") ends in ".dxf" in any case after at least one other character. Empty
// when nothing was chosen (the dialog was cancelled) or the name is a folder.
std::string dxfFileName(const std::string& chosen);

// The $INSUNITS value a DXF file declares in its HEADER section, read from
// the group pairs up to the end of that section; nothing when the file
// cannot be read, is binary or declares none.
std::optional<int> declaredInsunits(const std::string& path);

// The unit of the drawing's numbers: inch when the opened DXF declares
// inches ($INSUNITS 1) and the drawing has not been converted to
// millimetres (InchConverted 0); millimetres in every other case, because the
// program works in millimetres.
DxfUnit drawingUnit(const MainState& state);

// Whether there is anything to save; shows "Keine Elemente vorhanden !"
// (title "Exit", information icon) when the drawing is empty.
bool dxfSaveAllowed(const Drawing& d, Host& host);

struct DxfSaved {
    bool ok = false;
    DxfContent content;
};

// Writes the drawing as it is now to `file` in the given form and unit. The
// polyline form builds the contours on a copy, so the drawing, its contour
// order and the view's marks stay as they are. On failure (a value that is
// not finite, a file that cannot be written) it shows "Datei konnte nicht
// gespeichert werden !" (title "Error", critical icon) and the file is left
// as it was.
DxfSaved savedxf(const Drawing& d, Host& host, const std::string& file, DxfForm form, DxfUnit unit);

// The "DXF speichern" command after its dialogs: `chosen` is the dialog's
// result (empty when cancelled). Applies the ".DXF" rule; when that changed
// the name and a file of the new name exists, asks first (title
// "Speichern...", text "<name> existiert bereits. Ersetzen ?") and stops on
// "N". Returns the name saved under, or nothing.
std::optional<std::string> savedxfAs(const Drawing& d, Host& host, DxfUnit unit, const std::string& chosen,
                                     DxfForm form);

} // namespace vectrim
