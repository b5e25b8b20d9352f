#include "imaging/OutputNames.h"

#include "core/FileName.h"

namespace tavrik {

std::string BatchOutputName(std::string_view outputFolder, std::string_view sourceFileName)
{
    return std::string(outputFolder) + "/Yarro_" + ChangeFileExt(ExtractFileName(sourceFileName), ".jpg");
}

std::string SaveAsFileName(std::string_view chosenFileName, std::string_view ext)
{
    return ChangeFileExt(chosenFileName, ext);
}

} // namespace tavrik
