#pragma once
// The program folder as the readers see it: where files are, which language folder
// translated files come from, and where a missing or oversized file is reported.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/messages.h"

namespace rumbelo {

// The language chosen by the school profile or the command line.
struct Language {
    bool flag = false;   // a non-Spanish language was chosen
    std::string folder;  // "", "catVal/", "galego/" or "euskera/"
};

// The folder for a language number: 1 catVal, 2 galego, 3 euskera, anything else none.
std::string languageFolderFor(int number);

class DataFiles {
  public:
    DataFiles(std::filesystem::path folder, MessageSink& messages, bool& abortFlag);

    const std::filesystem::path& folder() const { return folder_; }
    Language& language() { return language_; }
    const Language& language() const { return language_; }
    MessageSink& messages() const { return *messages_; }
    bool aborted() const { return *abort_; }

    // A language-dependent file: language folder + name while the language flag is set,
    // otherwise the bare name. Files that are not language-dependent use the bare name.
    std::string localized(std::string_view name) const;

    // The file's bytes, or nothing when it cannot be opened.
    std::optional<std::string> read(const std::string& nameAsOpened) const;

    // The file existence test: the file opens for reading.
    bool exists(const std::string& nameAsOpened) const;

    std::filesystem::path pathOf(const std::string& nameAsOpened) const;

    // "Faltan ficheros (" + name + "). Vuelva a instalar el programa", and the abort flag.
    void reportMissing(const std::string& nameAsOpened);

    // A file holding more than the program's tables take: reported by name and limit, and
    // the abort flag set, so that nothing past the limit is ever stored.
    void reportOverCapacity(const std::string& nameAsOpened, long limit, std::string_view unit);

    // A binary file shorter than its records: reported like a missing file's content.
    void reportTooShort(const std::string& nameAsOpened);

    // Any other fatal load failure: the message, then the abort flag.
    void fail(const std::string& message);

  private:
    std::filesystem::path folder_;
    Language language_;
    MessageSink* messages_;
    bool* abort_;
};

}  // namespace rumbelo
