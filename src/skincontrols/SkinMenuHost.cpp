#include "skincontrols/SkinMenuHost.h"

#include "ui/Form.h"

namespace tavrik {

TbsSkinMenuHost* FindSkinMenuHost(const TForm* form)
{
    if (!form) return nullptr;
    for (int i = 0; i < form->ComponentCount(); ++i)
        if (auto* host = dynamic_cast<TbsSkinMenuHost*>(form->Components(i))) return host;
    return nullptr;
}

} // namespace tavrik
