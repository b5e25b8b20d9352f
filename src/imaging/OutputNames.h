#pragma once

#include <string>
#include <string_view>

namespace tavrik {

// The file a batch run writes for a source: the output folder exactly as typed, "/", "Yarro_"
// and the source's name without its folder, its extension replaced by ".jpg". A folder typed
// with a trailing "/" gives a double slash, which the file system reads as one:
// ("/out", "/pics/cat.bmp") -> "/out/Yarro_cat.jpg"; ("/", "/pics/cat.bmp") -> "//Yarro_cat.jpg".
std::string BatchOutputName(std::string_view outputFolder, std::string_view sourceFileName);

// The name the save command writes: the chosen name with the part from the last dot of its
// file name on replaced by ext (".jpg" or ".bmp"); a name without a dot gets ext appended.
std::string SaveAsFileName(std::string_view chosenFileName, std::string_view ext);

} // namespace tavrik
