#include "WsysTestUtil.h"

using namespace tavrik;
using namespace tavrik::testing;

namespace {

using FileDrop = WsysTest;

// Dragged files go to the window under the pointer that takes files, or to its nearest
// ancestor that does; the answer of that window is what the drag shows and what the other
// program is told after the drop.
TEST_F(FileDrop, FilesGoToTheNearestWindowThatTakesThemAndItsAnswerIsPassedOn)
{
    HWND outer = Create(WS_OVERLAPPEDWINDOW | WS_VISIBLE, Bounds(100, 100, 300, 200), nullptr, WS_EX_ACCEPTFILES);
    HWND panel = Child(outer, Bounds(10, 10, 120, 100));
    HWND inner = Child(panel, Bounds(5, 5, 50, 40));
    HWND other = TopLevel(Bounds(500, 100, 100, 100));
    struct TSeen {
        HWND hwnd;
        UINT msg;
        std::vector<std::string> files;
        TPoint point;
    };
    std::vector<TSeen> seen;
    bool answer = true;
    for (HWND h : {outer, panel, inner, other}) {
        Handle(h, [&](HWND hwnd, UINT msg, WPARAM wp, LPARAM) -> std::optional<LRESULT> {
            if (msg != WM_DROPFILES && msg != WM_QUERYDROPFILES) return std::nullopt;
            HDROP drop = reinterpret_cast<HDROP>(wp);
            seen.push_back({hwnd, msg, DragQueryFiles(drop), DragQueryPoint(drop)});
            return answer ? 1 : 0;
        });
    }
    const TPoint outerClient = ClientToScreen(outer, {0, 0});
    const TPoint innerAt = ClientToScreen(inner, {7, 9});
    const std::vector<std::string> files = {"/p/a.jpg", "/p/图 b.bmp"};

    struct TCase {
        const char* what;
        TPoint at;
        HWND receiver; // nullptr: nobody is asked and the answer is no
        TPoint clientPoint;
    };
    const TCase cases[] = {
        {"a child of a child: the top-level window that takes files", innerAt, outer,
         {innerAt.x - outerClient.x, innerAt.y - outerClient.y}},
        {"its own client area", {outerClient.x + 250, outerClient.y + 150}, outer, {250, 150}},
        {"its caption", {outerClient.x + 50, outerClient.y - 5}, nullptr, {}},
        {"a window that takes no files", {550, 150}, nullptr, {}},
        {"the desktop", {50, 50}, nullptr, {}},
    };
    for (const TCase& k : cases) {
        for (bool dropped : {false, true}) {
            for (bool yes : {true, false}) {
                SCOPED_TRACE(std::string(k.what) + (dropped ? ", dropped" : ", dragged") + (yes ? ", taken" : ", refused"));
                seen.clear();
                answer = yes;
                std::optional<bool> said = dropped ? screen->DropFiles(k.at.x, k.at.y, files)
                                                   : screen->DragFilesOver(k.at.x, k.at.y, files);
                EXPECT_EQ(said, std::optional<bool>(yes && k.receiver));
                if (!k.receiver) {
                    EXPECT_TRUE(seen.empty());
                    continue;
                }
                ASSERT_EQ(seen.size(), 1u);
                EXPECT_EQ(seen[0].hwnd, k.receiver);
                EXPECT_EQ(seen[0].msg, dropped ? WM_DROPFILES : WM_QUERYDROPFILES);
                EXPECT_EQ(seen[0].files, files);
                EXPECT_EQ(seen[0].point, k.clientPoint);
            }
        }
    }

    // A child that takes files itself gets them before its parent; a window held back by a
    // modal one takes nothing; DragAcceptFiles(false) ends taking files.
    DragAcceptFiles(panel, true);
    seen.clear();
    answer = true;
    EXPECT_EQ(screen->DropFiles(innerAt.x, innerAt.y, files), std::optional<bool>(true));
    ASSERT_EQ(seen.size(), 1u);
    EXPECT_EQ(seen[0].hwnd, panel);
    EnableWindow(outer, false);
    EXPECT_EQ(screen->DragFilesOver(innerAt.x, innerAt.y, files), std::optional<bool>(false));
    EnableWindow(outer, true);
    DragAcceptFiles(panel, false);
    DragAcceptFiles(outer, false);
    seen.clear();
    EXPECT_EQ(screen->DropFiles(innerAt.x, innerAt.y, files), std::optional<bool>(false));
    EXPECT_TRUE(seen.empty());
}

} // namespace
