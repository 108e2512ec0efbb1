// The option and preference files as the program reads them: the first byte picks the file (one
// of the eleven option files, or the preference file), the rest is its content. A file that
// reads back whole is written back record by record, and must come out byte for byte as it was:
// nothing a record holds is lost or changed by a read and a save.

#include "program/OptionFiles.h"
#include "program/PreferenceFile.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

using namespace tarvik;

void require(bool holds)
{
    if (!holds) std::abort();
}

// A type code of each option file, in the order allOptionFiles() lists them.
constexpr std::array<int, 11> kTypeOfFile{0, 1, 2, 3, 4, 5, 6, 11, 12, 13, 14};

void put(const std::string& name, const std::uint8_t* data, std::size_t size)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

std::vector<std::uint8_t> bytesOf(const std::string& name)
{
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void preferences(const std::uint8_t* data, std::size_t size)
{
    const std::string name(PreferenceFile::kName);
    put(name, data, size);
    const FileResult<Preferences> loaded = PreferenceFile::load();
    require(loaded.ok() == (size == 8 * PreferenceFile::kRecordLength));
    if (!loaded) return;
    for (int id = 0; id < 8; ++id) require(PreferenceFile::store(id, loaded.value()[static_cast<std::size_t>(id)]).ok());
    require(bytesOf(name) == std::vector<std::uint8_t>(data, data + size));
}

void options(std::size_t fileNo, const std::uint8_t* data, std::size_t size)
{
    const OptionFile& file = allOptionFiles()[fileNo];
    const int type = kTypeOfFile[fileNo];
    require(optionFileOf(type)->name == file.name);
    const std::string name(file.name);
    put(name, data, size);
    const bool sound = size == kOptionCount * recordLengthOf(file.group);
    require(readOptionNames(type).ok() == sound);
    require(optionFileDamage(file).has_value() == !sound);
    if (!sound) return;
    SettingsTables tables;
    for (int option = 1; option <= kOptionCount; ++option) {
        const int board = option % 8;
        require(readOption(tables, type, board, option).ok());
        require(writeOption(tables, type, board, option).ok());
    }
    require(bytesOf(name) == std::vector<std::uint8_t>(data, data + size));
}

// A fresh folder of the fuzzer's own, removed when the fuzzer ends; in memory where there is
// such a place, as a file system on disk makes each run slow.
struct Folder {
    Folder()
    {
        std::error_code ec;
        const bool shared = std::filesystem::is_directory("/dev/shm", ec);
        const std::filesystem::path base = shared ? "/dev/shm" : std::filesystem::temp_directory_path();
        std::string name = (base / "tarvik-fuzz-XXXXXX").string();
        require(::mkdtemp(name.data()) != nullptr);
        path = name;
    }
    ~Folder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
    std::filesystem::path path;
};

} // namespace

// The files are opened by bare name: every input runs in the fuzzer's own folder, and the
// current folder is the fuzzer's again before it writes its findings.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const Folder folder;
    if (size == 0) return 0;
    const std::filesystem::path home = std::filesystem::current_path();
    std::filesystem::current_path(folder.path);
    const std::size_t pick = data[0] % (allOptionFiles().size() + 1);
    if (pick == allOptionFiles().size())
        preferences(data + 1, size - 1);
    else
        options(pick, data + 1, size - 1);
    std::filesystem::current_path(home);
    return 0;
}
