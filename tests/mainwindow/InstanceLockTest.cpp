#include "kit/ProgramTest.h"

#include "mainwindow/InstanceLock.h"

#include <cstdlib>
#include <optional>
#include <string>

namespace tarvik::testing {
namespace {

namespace fs = std::filesystem;

// Sets an environment variable (nullopt: unsets it) for the life of the object.
class ScopedVariable {
public:
    ScopedVariable(const char* name, std::optional<std::string> value) : name_(name)
    {
        if (const char* old = std::getenv(name)) old_ = old;
        assign(value);
    }
    ~ScopedVariable() { assign(old_); }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    void assign(const std::optional<std::string>& value) const
    {
        if (value)
            ::setenv(name_, value->c_str(), 1);
        else
            ::unsetenv(name_);
    }

    const char* name_;
    std::optional<std::string> old_;
};

class InstanceLockTest : public ProgramTest {
protected:
    fs::path folder(const std::string& name)
    {
        fs::create_directory(directory() / name);
        return directory() / name;
    }
};

TEST_F(InstanceLockTest, TwoLockFilesStillShareOneWorkingDirectory)
{
    InstanceLock first;
    InstanceLock second;
    ASSERT_EQ(first.acquire(folder("a") / "tarvik.lock", "."), InstanceLock::Result::Acquired);
    EXPECT_EQ(second.acquire(folder("b") / "tarvik.lock", "."), InstanceLock::Result::HeldElsewhere);
    EXPECT_FALSE(second.held());
    EXPECT_EQ(second.acquire(folder("b") / "tarvik.lock", folder("c")), InstanceLock::Result::Acquired)
        << "another working directory and another lock file";
    second.release();

    // The user's lock alone still keeps one copy per user.
    EXPECT_EQ(second.acquire(directory() / "a" / "tarvik.lock", folder("c")), InstanceLock::Result::HeldElsewhere);
    first.release();
    EXPECT_EQ(second.acquire(directory() / "a" / "tarvik.lock", "."), InstanceLock::Result::Acquired);
}

TEST_F(InstanceLockTest, WithoutARuntimeDirectoryAProgramOfAnotherTemporaryDirectoryIsRefusedHere)
{
    const ScopedVariable noRuntimeDirectory("XDG_RUNTIME_DIR", std::nullopt);
    std::optional<ScopedVariable> temporary;
    temporary.emplace("TMPDIR", folder("tmp-a").string());
    ASSERT_TRUE(startProgram(app(), {}));
    EXPECT_TRUE(fs::exists(directory() / "tmp-a" / ("tarvik-" + std::to_string(::getuid()) + ".lock")));

    temporary.reset();
    temporary.emplace("TMPDIR", folder("tmp-b").string());
    HeadlessProgram second;
    second.host().answerMessageBox(msgbox::Ok);
    EXPECT_FALSE(startProgram(second.app(), {}));
    ASSERT_EQ(second.host().messageBoxes().size(), 1u);
    EXPECT_TRUE(second.host().messageBoxes()[0].text.starts_with("Tarvik is already running."));
}

TEST_F(InstanceLockTest, ALinkInPlaceOfTheLockFileIsNotFollowed)
{
    // Followed, the link would create a file wherever it points.
    fs::create_symlink(directory() / "elsewhere", directory() / "tarvik.lock");
    InstanceLock lock;
    EXPECT_EQ(lock.acquire(directory() / "tarvik.lock", "."), InstanceLock::Result::Unavailable);
    EXPECT_TRUE(lock.held()) << "the working directory's lock still guards the start";
    EXPECT_FALSE(fs::exists(directory() / "elsewhere"));
}

} // namespace
} // namespace tarvik::testing
