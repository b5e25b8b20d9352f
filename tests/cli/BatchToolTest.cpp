#include "cli/BatchTool.h"

#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "imaging/JpegCodec.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

TBitmap Pattern(int width, int height)
{
    TBitmap picture(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) picture.SetPixel(x, y, RGB(x * 9, y * 5, (x ^ y) * 3));
    return picture;
}

class BatchTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        dir_ = fs::temp_directory_path() / ("tavrik-cli-" + std::to_string(::getpid()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "in");
        fs::create_directories(dir_ / "out");
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string In(const std::string& name) const { return (dir_ / "in" / name).string(); }
    std::string Out(const std::string& name) const { return (dir_ / "out" / name).string(); }
    std::string OutFolder() const { return (dir_ / "out").string(); }

    int Run(const std::vector<std::string>& args)
    {
        out_.str("");
        err_.str("");
        return RunBatchTool(args, out_, err_);
    }

    fs::path dir_;
    std::ostringstream out_, err_;
};

} // namespace

TEST_F(BatchTool, HelpExplainsTheCommand)
{
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out_.str().find("Usage: tavrik-batch [-q QUALITY] -o FOLDER FILE..."), std::string::npos);
    EXPECT_NE(out_.str().find("Yarro_NAME.jpg"), std::string::npos);
    EXPECT_EQ(Run({"-o", OutFolder(), "-h", "x.jpg"}), 0);
    EXPECT_TRUE(err_.str().empty());
}

TEST_F(BatchTool, BadArgumentsGiveUsageAndStatus2)
{
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"a.jpg"},
        {"-o", OutFolder()},
        {"-o"},
        {"-q", "101", "-o", OutFolder(), "a.jpg"},
        {"-q", "-5", "-o", OutFolder(), "a.jpg"},
        {"-q", "7x", "-o", OutFolder(), "a.jpg"},
        {"-q", "", "-o", OutFolder(), "a.jpg"},
        {"-x", "-o", OutFolder(), "a.jpg"},
        {"--quality=5", "-o", OutFolder(), "a.jpg"},
        {"-o", OutFolder(), "a.jpg", "-q"},
    };
    for (const auto& args : cases) {
        std::string joined;
        for (const auto& a : args) joined += a + " ";
        SCOPED_TRACE(joined);
        EXPECT_EQ(Run(args), 2);
        EXPECT_NE(err_.str().find("Usage:"), std::string::npos) << err_.str();
        EXPECT_TRUE(out_.str().empty());
    }
    EXPECT_EQ(Run({"-o", In("no-such-folder"), In("a.jpg")}), 2);
    EXPECT_NE(err_.str().find("no-such-folder"), std::string::npos);
}

TEST_F(BatchTool, ConvertsLikeTheBatchPageAndReportsEveryFailure)
{
    const TBitmap picture = Pattern(30, 20);
    WriteFileAtomically(In("a.jpg"), JpegEncode(picture, 90));
    WriteBmpFile(picture, In("b.BMP"));
    WriteFileAtomically(In("c.jpg"), std::vector<uint8_t>(50, 7));
    WriteFileAtomically(In("d.png"), std::vector<uint8_t>{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'});
    WriteFileAtomically(In("shot"), JpegEncode(picture, 60));
    WriteBmpFile(TBitmap(0, 4), In("f.bmp"));

    const int status = Run({"-q", "50", "-o", OutFolder(), In("a.jpg"), In("b.BMP"), In("c.jpg"), In("d.png"), In("e.jpg"),
                            In("shot"), In("f.bmp")});
    EXPECT_EQ(status, 1);

    EXPECT_EQ(ReadFileBytes(Out("Yarro_a.jpg")), JpegEncode(JpegDecode(In("a.jpg")), 50));
    EXPECT_EQ(ReadFileBytes(Out("Yarro_b.jpg")), JpegEncode(picture, 50));
    EXPECT_EQ(ReadFileBytes(Out("Yarro_shot.jpg")), JpegEncode(JpegDecode(In("shot")), 50));
    for (const char* missing : {"Yarro_c.jpg", "Yarro_d.jpg", "Yarro_e.jpg", "Yarro_f.jpg"})
        EXPECT_FALSE(FileExists(Out(missing))) << missing;
    EXPECT_EQ(std::distance(fs::directory_iterator(OutFolder()), fs::directory_iterator()), 3);

    const std::string out = out_.str();
    EXPECT_NE(out.find("[1/7] " + In("a.jpg") + " -> " + OutFolder() + "/Yarro_a.jpg\n"), std::string::npos) << out;
    EXPECT_NE(out.find("[3/7] " + In("c.jpg") + ": FAILED: "), std::string::npos) << out;
    EXPECT_NE(out.find("[7/7] " + In("f.bmp") + ": FAILED: Nothing was written to " + Out("Yarro_f.jpg") +
                       ": the picture is empty, it has no pixels.\n"),
              std::string::npos)
        << out;
    EXPECT_NE(out.find("3 of 7 files converted, 4 failed.\n"), std::string::npos) << out;
    const std::string err = err_.str();
    EXPECT_NE(err.find("4 files could not be converted"), std::string::npos) << err;
    for (const char* failed : {"c.jpg", "d.png", "e.jpg", "f.bmp"})
        EXPECT_NE(err.find("  " + In(failed) + ": "), std::string::npos) << failed;
}

TEST_F(BatchTool, DefaultQualityIs75AndZeroEqualsOne)
{
    const TBitmap picture = Pattern(17, 9);
    WriteBmpFile(picture, In("p.bmp"));
    EXPECT_EQ(Run({"-o", OutFolder(), In("p.bmp")}), 0);
    EXPECT_TRUE(err_.str().empty());
    EXPECT_EQ(ReadFileBytes(Out("Yarro_p.jpg")), JpegEncode(picture, 75));
    EXPECT_EQ(Run({"-q0", "-o" + OutFolder(), "--", In("p.bmp")}), 0);
    const std::vector<uint8_t> q0 = ReadFileBytes(Out("Yarro_p.jpg"));
    EXPECT_EQ(Run({"-q", "1", "-o", OutFolder(), In("p.bmp")}), 0);
    EXPECT_EQ(ReadFileBytes(Out("Yarro_p.jpg")), q0);
}

TEST_F(BatchTool, TheProgramItselfExitsWithTheSameStatus)
{
    auto run = [](const std::string& args) {
        int status = std::system((std::string(TAVRIK_BATCH_PROGRAM) + " " + args + " >/dev/null 2>&1").c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    };
    EXPECT_EQ(run("--help"), 0);
    EXPECT_EQ(run(""), 2);
    WriteBmpFile(Pattern(4, 4), In("x.bmp"));
    EXPECT_EQ(run("-o " + OutFolder() + " " + In("x.bmp")), 0);
    EXPECT_TRUE(FileExists(Out("Yarro_x.jpg")));
    EXPECT_EQ(run("-o " + OutFolder() + " " + In("missing.bmp")), 1);
}
