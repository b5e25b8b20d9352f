#include "skinforms/UserObject.h"

#include "skinforms/RevideruDadoZiri.h"

namespace tavrik {

void TbsUserObject::Draw(TCanvas& canvas, bool repaint)
{
    (void)repaint;
    Parent->FirePaint(*this, canvas);
}

} // namespace tavrik
