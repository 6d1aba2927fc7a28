#include "common/data/data_files.h"

#include <fstream>
#include <iterator>

#include "common/text/cp1252.h"

namespace rumbelo {

std::string languageFolderFor(int number) {
    switch (number) {
        case 1:
            return "catVal/";
        case 2:
            return "galego/";
        case 3:
            return "euskera/";
        default:
            return "";
    }
}

DataFiles::DataFiles(std::filesystem::path folder, MessageSink& messages, bool& abortFlag)
    : folder_(std::move(folder)), messages_(&messages), abort_(&abortFlag) {}

std::string DataFiles::localized(std::string_view name) const {
    if (language_.flag) return language_.folder + std::string(name);
    return std::string(name);
}

std::filesystem::path DataFiles::pathOf(const std::string& nameAsOpened) const {
    return folder_ / nameAsOpened;
}

std::optional<std::string> DataFiles::read(const std::string& nameAsOpened) const {
    if (nameAsOpened.empty()) return std::nullopt;
    const auto path = pathOf(nameAsOpened);
    std::error_code ec;
    if (!std::filesystem::is_regular_file(path, ec)) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    // In one read: byte by byte through a stream iterator was a tenth of the start-up.
    std::string bytes;
    const auto size = std::filesystem::file_size(path, ec);
    if (!ec) {
        bytes.resize(static_cast<std::size_t>(size));
        in.read(bytes.data(), static_cast<std::streamsize>(size));
        bytes.resize(static_cast<std::size_t>(in.gcount()));
    }
    // A file that grows while read (or whose size is unknown) is read on to its end.
    char chunk[4096];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0)
        bytes.append(chunk, static_cast<std::size_t>(in.gcount()));
    return bytes;
}

bool DataFiles::exists(const std::string& nameAsOpened) const {
    if (nameAsOpened.empty()) return false;
    std::error_code ec;
    if (!std::filesystem::is_regular_file(pathOf(nameAsOpened), ec)) return false;
    std::ifstream in(pathOf(nameAsOpened), std::ios::binary);
    return static_cast<bool>(in);
}

void DataFiles::reportMissing(const std::string& nameAsOpened) {
    fail("Faltan ficheros (" + nameAsOpened + "). Vuelva a instalar el programa");
}

void DataFiles::reportOverCapacity(const std::string& nameAsOpened, long limit,
                                   std::string_view unit) {
    fail(utf8ToCp1252(
        "El fichero " + nameAsOpened + " es demasiado grande: el programa admite como máximo " +
        std::to_string(limit) + " " + std::string(unit) + ". Vuelva a instalar el programa"));
}

void DataFiles::reportTooShort(const std::string& nameAsOpened) {
    fail(utf8ToCp1252("El fichero " + nameAsOpened +
                      " está incompleto. Vuelva a instalar el programa"));
}

void DataFiles::fail(const std::string& message) {
    messages_->show(message);
    *abort_ = true;
}

}  // namespace rumbelo
