#include "wsys/UriList.h"

#include <gtest/gtest.h>

using namespace tavrik;
using namespace std::string_literals;

TEST(UriList, LocalFilesAreDecodedAndEverythingElseLeftOut)
{
    struct TCase {
        std::string list;
        std::vector<std::string> files;
    };
    const std::vector<TCase> cases = {
        {"file:///home/u/a.jpg\r\nfile:///home/u/b.BMP\r\n", {"/home/u/a.jpg", "/home/u/b.BMP"}},
        {"file:///a.jpg", {"/a.jpg"}}, // no line end after the last one
        {"file:///x/%E5%9B%BE%20%231.jpg\n", {"/x/\xE5\x9B\xBE #1.jpg"}},
        {"file:///x/图片.jpg\n", {"/x/图片.jpg"}}, // unescaped UTF-8, as some programs send it
        {"FILE://localhost/p.jpg\nfile://studio/q.jpg\nfile://elsewhere/r.jpg\n", {"/p.jpg", "/q.jpg"}},
        {"file:/s.jpg\nfile:t.jpg\nfile://studio\n", {"/s.jpg"}},
        {"# from the file manager\r\n\r\n  file:///c.jpg  \r\nhttp://example.org/d.jpg\r\nsmb://srv/e.jpg\r\n",
         {"/c.jpg"}},
        {"file:///p%2\nfile:///p%zz.jpg\nfile:///p%00.jpg\nfile:///ok%2Fx.jpg\n", {"/ok/x.jpg"}},
        {"file:///raw\0nul.jpg\nfile:///fine.jpg\n"s, {"/fine.jpg"}},
        {"file:///a.jpg?size=1\nfile:///b.jpg#frag\n", {"/a.jpg", "/b.jpg"}},
        {"", {}},
        {"\r\n\r\n", {}},
    };
    for (const TCase& k : cases) {
        SCOPED_TRACE(k.list);
        EXPECT_EQ(LocalFilesOfUriList(k.list, "studio"), k.files);
    }
}
