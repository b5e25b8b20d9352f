#include "skindialogs/TypedFileNames.h"

#include <gtest/gtest.h>

namespace tavrik {
namespace {

using Names = std::vector<std::string>;

TEST(TypedFileNamesTest, SplitsWhatIsTypedAndJoinsItBack)
{
    struct TCase {
        const char* typed;
        Names names;
    } cases[] = {
        {"  cat.jpg ", {"cat.jpg"}},
        {"my picture.bmp", {"my picture.bmp"}},
        {"\"a.jpg\" \"b c.bmp\"  \"/x/d.jpeg\"", {"a.jpg", "b c.bmp", "/x/d.jpeg"}},
        {"\" lead and trail .jpg \"", {" lead and trail .jpg "}}, // a name in quotes is kept exactly
        {"\"a.jpg\" \"\" \"b.jpg", {"a.jpg", "b.jpg"}},              // empty quotes, an open last quote
        {"\"a.jpg\"\"b.jpg\"", {"a.jpg", "b.jpg"}},
        {"   ", {}},
        {"\"\"", {}},
        {"\"", {}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(SplitFileNames(c.typed), c.names);
    }
    for (const Names& names : {Names{"one.jpg"}, Names{"a.jpg", "b c.bmp"}, Names{" x.jpg", "y.jpg "}}) {
        SCOPED_TRACE(names.front());
        EXPECT_EQ(SplitFileNames(JoinFileNames(names)), names);
    }
    EXPECT_EQ(JoinFileNames({"a.jpg", "b.jpg"}), "\"a.jpg\" \"b.jpg\"");
    EXPECT_EQ(JoinFileNames({}), "");
}

} // namespace
} // namespace tavrik
