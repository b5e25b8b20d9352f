#include "cli/BatchTool.h"

#include "core/FileIO.h"
#include "gfx/BmpFile.h"
#include "imaging/HeldFile.h"
#include "imaging/JpegCodec.h"
#include "support/Pictures.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <map>
#include <spawn.h>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

using namespace tavrik;
namespace fs = std::filesystem;

namespace {

class BatchTool : public ::testing::Test {
protected:
    void SetUp() override
    {
        fs::create_directories(dir_.Root() / "in");
        fs::create_directories(dir_.Root() / "out");
    }

    std::string In(const std::string& name) const { return dir_.Path("in/" + name); }
    std::string Out(const std::string& name) const { return dir_.Path("out/" + name); }
    std::string OutFolder() const { return dir_.Path("out"); }

    int Run(const std::vector<std::string>& args)
    {
        out_.str("");
        err_.str("");
        return RunBatchTool(args, out_, err_);
    }

    // Every file of the output folder with its bytes; the folder is emptied.
    std::map<std::string, std::vector<uint8_t>> TakeOutputs()
    {
        std::map<std::string, std::vector<uint8_t>> files;
        for (const auto& entry : fs::directory_iterator(OutFolder())) {
            files[entry.path().filename().string()] = ReadFileBytes(entry.path().string());
            fs::remove(entry.path());
        }
        return files;
    }

    test::TTempFolder dir_{"tavrik-cli"};
    std::ostringstream out_, err_;
};

} // namespace

TEST_F(BatchTool, HelpAndVersionExplainTheCommand)
{
    EXPECT_EQ(Run({"--help"}), 0);
    EXPECT_NE(out_.str().find("Usage: tavrik-batch [-q QUALITY] [-j JOBS] -o FOLDER FILE..."), std::string::npos);
    EXPECT_NE(out_.str().find("Yarro_NAME.jpg"), std::string::npos);
    EXPECT_EQ(Run({"-o", OutFolder(), "-h", "x.jpg"}), 0);
    EXPECT_TRUE(err_.str().empty());
    EXPECT_EQ(Run({"--version", "-q", "500"}), 0);
    EXPECT_EQ(out_.str(), "tavrik-batch (Tavrik) 1.0.0.1\n");
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
        {"-j", "0", "-o", OutFolder(), "a.jpg"},
        {"-j257", "-o", OutFolder(), "a.jpg"},
        {"-j", "two", "-o", OutFolder(), "a.jpg"},
        {"-o", OutFolder(), "a.jpg", "-j"},
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
    const TBitmap picture = test::PatternPicture(30, 20);
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
    const TBitmap picture = test::PatternPicture(17, 9);
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
    WriteBmpFile(test::PatternPicture(4, 4), In("x.bmp"));
    EXPECT_EQ(run("-o " + OutFolder() + " " + In("x.bmp")), 0);
    EXPECT_TRUE(FileExists(Out("Yarro_x.jpg")));
    EXPECT_EQ(run("-o " + OutFolder() + " " + In("missing.bmp")), 1);
}

TEST_F(BatchTool, EveryNumberOfJobsWritesAndReportsWhatOneJobDoes)
{
    std::vector<std::string> files;
    for (int i = 0; i < 12; ++i) {
        // Sizes that differ a lot, so that later files often finish first.
        const TBitmap picture = test::PatternPicture(i % 3 == 0 ? 400 : 9 + i, i % 3 == 0 ? 300 : 7);
        files.push_back(In("p" + std::to_string(i) + (i % 2 ? ".bmp" : ".jpg")));
        if (i % 2) WriteBmpFile(picture, files.back());
        else WriteFileAtomically(files.back(), JpegEncode(picture, 85));
    }
    WriteFileAtomically(In("broken.jpg"), std::vector<uint8_t>(30, 9));
    files.insert(files.begin() + 4, In("broken.jpg"));
    files.insert(files.begin() + 7, In("missing.bmp"));
    // p1.bmp, p1.jpg and p1 share one output: the one listed last wins, also when all three
    // are in work at once.
    WriteFileAtomically(In("p1.jpg"), JpegEncode(test::PatternPicture(400, 300), 60));
    WriteFileAtomically(In("p1"), JpegEncode(test::PatternPicture(5, 5), 60));
    files.insert(files.begin() + 2, In("p1.jpg"));
    files.push_back(In("p1"));

    std::vector<std::string> args = {"-q", "70", "-o", OutFolder(), "-j", "1"};
    args.insert(args.end(), files.begin(), files.end());
    ASSERT_EQ(Run(args), 1);
    const std::string oneJobOut = out_.str(), oneJobErr = err_.str();
    const auto oneJobFiles = TakeOutputs();
    EXPECT_EQ(oneJobFiles.size(), 12u);
    EXPECT_EQ(oneJobFiles.at("Yarro_p1.jpg"), JpegEncode(JpegDecode(In("p1")), 70));
    EXPECT_NE(oneJobOut.find("14 of 16 files converted, 2 failed.\n"), std::string::npos) << oneJobOut;
    for (const char* jobs : {"2", "3", "8"}) {
        SCOPED_TRACE(std::string("-j ") + jobs);
        args[5] = jobs;
        EXPECT_EQ(Run(args), 1);
        EXPECT_EQ(out_.str(), oneJobOut);
        EXPECT_EQ(err_.str(), oneJobErr);
        EXPECT_TRUE(TakeOutputs() == oneJobFiles);
    }
}

// Ctrl+C or SIGTERM while a file is in work: that file is finished and written, no other is
// begun, nothing half-written stays, and the program ends by the signal.
TEST_F(BatchTool, AStopSignalFinishesTheFileInWorkAndBeginsNoOther)
{
    for (int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        fs::remove(In("held.jpg"));
        tavrik::test::THeldFile held(In("held.jpg"));
        for (const char* name : {"a.bmp", "b.bmp", "c.bmp"}) WriteBmpFile(test::PatternPicture(40, 30), In(name));

        int errPipe[2];
        ASSERT_EQ(::pipe(errPipe), 0);
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (dir_.Root() / "stdout").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        posix_spawn_file_actions_adddup2(&actions, errPipe[1], 2);
        posix_spawn_file_actions_addclose(&actions, errPipe[0]);
        std::vector<std::string> args = {TAVRIK_BATCH_PROGRAM, "-j", "1", "-o", OutFolder(), held.Path(),
                                         In("a.bmp"), In("b.bmp"), In("c.bmp")};
        std::vector<char*> argv;
        for (std::string& a : args) argv.push_back(a.data());
        argv.push_back(nullptr);
        pid_t pid = 0;
        ASSERT_EQ(posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ), 0);
        posix_spawn_file_actions_destroy(&actions);
        ::close(errPipe[1]);

        held.WaitForReader();
        ::kill(pid, signal);
        std::string err;
        char chunk[256];
        while (err.find('\n') == std::string::npos) {
            ssize_t n = ::read(errPipe[0], chunk, sizeof chunk);
            if (n <= 0) break;
            err.append(chunk, size_t(n));
        }
        EXPECT_EQ(err, "tavrik-batch: stopping; finishing the 1 file in work\n");
        const std::vector<uint8_t> jpeg = JpegEncode(test::PatternPicture(20, 10), 90);
        held.Release(jpeg);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        ::close(errPipe[0]);
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;

        const auto outputs = TakeOutputs();
        ASSERT_EQ(outputs.size(), 1u) << "no other output and no temporary file";
        EXPECT_EQ(outputs.begin()->first, "Yarro_held.jpg");
        EXPECT_EQ(outputs.begin()->second, JpegEncode(JpegDecode(jpeg), 75));
        const std::vector<uint8_t> printed = ReadFileBytes((dir_.Root() / "stdout").string());
        const std::string text(printed.begin(), printed.end());
        EXPECT_NE(text.find("[1/4] " + held.Path() + " -> "), std::string::npos) << text;
        EXPECT_NE(text.find("Stopped: 1 of 4 files converted, 0 failed, 3 not begun.\n"), std::string::npos) << text;
    }
}
