// File paths: a path is split into folder, name and extension at the last "/".
// Every file record of the program (loaded coordinate files, epochs, projects)
// takes its parts from these helpers, so they all agree.
#pragma once

#include <string>

namespace sitmera {

// The name with its extension: the text after the last "/" (the whole path when
// there is none).
std::string ExtractFileName(const std::string& cesta);

// The folder without a trailing "/": the text before the last "/" (empty when
// there is none; "/" itself for a file in the root).
std::string ExtractFileDir(const std::string& cesta);

// The folder with its trailing "/": the text up to and including the last "/".
std::string ExtractFilePath(const std::string& cesta);

// The extension with its dot (".epc"): from the last "." of the name; empty when
// the name has no ".".
std::string ExtractFileExt(const std::string& cesta);

// The path with its extension replaced by `pripona` (which carries its own dot,
// or is empty to remove the extension).
std::string ChangeFileExt(const std::string& cesta, const std::string& pripona);

}  // namespace sitmera
