// Saving the drawing of a graph window (the network and the displacement
// drawing alike): the picture save dialog asks for the path and the kind
// (its filter item, kept in the settings' souborVystup.typGrafika); then
//   0 PNG, 1 BMP, 2 JPEG: the window's bitmap as that image file
//     (drawing/Obrazky.h: libpng, BMP, libjpeg-turbo);
//   3 DXF: the window's own DXF export, given as zapisDXF(path, reason),
//     which fills a writer with the window's options and returns createdxf's
//     result (the reason: the writer's duvodOtevreni when it is false).
// Any failure of the chosen kind (a folder that does not exist or cannot be
// written, a full disk, a writer that returns false or throws) shows notice
// 28 (saving failed) and changes nothing else: an existing file stays as it
// was (the writers write in one go) and the window stays as it is. The
// notice shows the file's message (ChybaSouboru, or the reason the DXF
// export gave) under its own; any other failure the notice alone. A cancelled
// dialog does nothing. The dialog's close locks the window it was opened
// over (its processing label); the lock is undone when the saving is over.
//
// Settings, texts and the notice state come from Prostredi(); without them
// nothing is saved.
#pragma once

#include <functional>
#include <string>

class QImage;

namespace sitmera {

// Path -> true when the DXF drawing was written; when false, duvod may hold
// the file's message.
using TzapisDXF = std::function<bool(const std::string& cesta, std::string& duvod)>;

// True when the drawing was saved; false when the dialog was cancelled or
// the saving failed (notice 28 shown).
bool UlozKresbu(const QImage& bitmapa, const TzapisDXF& zapisDXF);

}  // namespace sitmera
