#include "app/Calvane.h"

namespace tavrik {

void TCalvane::OpenFiles(const std::vector<std::string>& files)
{
    if (files.empty()) return;
    if (files.size() > 1 && AddBatchFiles(files) > 0) bsSkinPageControl2->SetActivePage(bsSkinTabSheet3);
    OpenPictureFile(files.front());
}

} // namespace tavrik
