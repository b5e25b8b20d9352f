#include "shell/ShellEnvironment.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>

using namespace tavrik;

namespace {

// Sets an environment variable for the life of the object and restores it afterwards.
class TScopedVariable {
public:
    TScopedVariable(const char* name, const char* value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        value ? ::setenv(name, value, 1) : ::unsetenv(name);
    }
    ~TScopedVariable() { old_ ? ::setenv(name_, old_->c_str(), 1) : ::unsetenv(name_); }

private:
    const char* name_;
    std::optional<std::string> old_;
};

} // namespace

TEST(ShellEnvironment, FollowsTheXdgConventions)
{
    TShellEnvironment fake = TShellEnvironment::ForHome("/home/anna/");
    EXPECT_EQ(fake.homeDir, "/home/anna");
    EXPECT_EQ(fake.configHome, "/home/anna/.config");
    EXPECT_EQ(fake.dataHome, "/home/anna/.local/share");
    EXPECT_EQ(fake.mountTable, "/proc/self/mounts");
    EXPECT_EQ(fake.openCommand, std::vector<std::string>{"xdg-open"});
    EXPECT_EQ(TShellEnvironment::ForHome("/").configHome, "/.config");

    {
        TScopedVariable home("HOME", "/home/ben");
        TScopedVariable config("XDG_CONFIG_HOME", "/cfg/");
        TScopedVariable data("XDG_DATA_HOME", "relative/ignored");
        TShellEnvironment env;
        EXPECT_EQ(env.homeDir, "/home/ben");
        EXPECT_EQ(env.configHome, "/cfg");
        EXPECT_EQ(env.dataHome, "/home/ben/.local/share");
    }
    {
        TScopedVariable home("HOME", nullptr);
        TScopedVariable config("XDG_CONFIG_HOME", nullptr);
        TShellEnvironment env;
        EXPECT_EQ(env.homeDir.front(), '/');
        EXPECT_EQ(env.configHome, (env.homeDir == "/" ? "" : env.homeDir) + "/.config");
    }
}
