#include "app/Calvane.h"
#include "shell/ShellNamespace.h"

namespace tavrik {

std::string UsageText()
{
    // Twelve lines: the fifth continues the fourth, the seventh is empty.
    return "一、图片处理\n"
           "    1、先打开图片。\n"
           "    2、压缩值设置范围（15％～75％）避免失真！\n"
           "    3、自定义图片的宽高来改变图片的大小，先选择自\n"
           "定义图片大小。\n"
           "    4、另存图片即完成。\n"
           "\n"
           "二、批量压缩\n"
           "    1、先导入图片，按住shift键多文件选择。\n"
           "    2、设置压缩生成的文件保存目录。\n"
           "    3、压缩值同上。\n"
           "    4、点开始批量压缩。";
}

void TCalvane::bsSkinLinkLabel2Click(TComponent*)
{
    // What the desktop does with the address is its own business; a failure is ignored.
    TShellNamespace().OpenAddress(kHomePage);
}

void TCalvane::N2Click(TComponent*) { bsSkinPageControl2->SetActivePage(bsSkinTabSheet2); }

} // namespace tavrik
