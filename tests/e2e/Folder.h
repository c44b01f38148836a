// A scratch folder for one run of the program.
#pragma once

#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

class Folder {
public:
    Folder()
    {
        std::random_device rd;
        path_ = std::filesystem::temp_directory_path() / ("dorvian-e2e-" + std::to_string(rd()) + std::to_string(rd()));
        std::filesystem::create_directories(path_);
    }
    ~Folder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string file(const std::string &name) const { return (path_ / name).string(); }
    std::string path() const { return path_.string(); }
    bool has(const std::string &name) const { return std::filesystem::exists(path_ / name); }
    void copyBank() const { std::filesystem::copy_file(DORVIAN_DATA_DAT, path_ / "data.dat"); }

private:
    std::filesystem::path path_;
};

inline std::vector<unsigned char> fileBytes(const std::string &name)
{
    std::ifstream in(name, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void putBytes(const std::string &name, const std::vector<unsigned char> &bytes)
{
    std::ofstream out(name, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
