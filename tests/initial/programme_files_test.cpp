// The programme files as the section reads them: a group's popup letter by letter, the
// module lines of each programme number, and files beyond the program's tables.
#include <gtest/gtest.h>

#include "support/data_folder.h"
#include "vocational/initial/data/programme_files.h"

namespace rumbelo::initial {
namespace {

std::vector<std::string> groupsThen(const std::string& first, std::vector<std::string> lines) {
    std::vector<std::string> fpip{first};
    for (int g = 2; g <= 8; ++g)
        fpip.push_back("H   Grupo");
    fpip.push_back("0   Buscar por lugar");
    fpip.insert(fpip.end(), lines.begin(), lines.end());
    return fpip;
}

TEST(ProgrammeFiles, AGroupOfTwoLettersListsTheFirstLetterThenTheSecondInFileOrder) {
    const auto files = programmeFilesFrom(
        groupsThen("AB  Oficina y campo",
                   {"B-Campo", "BAuxiliar de jardines", "A-Oficina", "AAuxiliar de oficina",
                    "HAyudante de cocina", "BAuxiliar de agricultura", "AAuxiliar de datos"}),
        {});
    EXPECT_EQ(files.groupCode(1), "AB  ");
    EXPECT_EQ(files.groupName(1), "Oficina y campo");
    EXPECT_EQ(groupRows(files, 1), (std::vector<int>{3, 4, 7, 1, 2, 6}));
    EXPECT_TRUE(files.isPlaceModeGroup(9));
    EXPECT_FALSE(files.isPlaceModeGroup(1));
    EXPECT_EQ(files.subHeadings, (std::vector<int>{1, 3}));
    EXPECT_EQ(files.text(4).substr(0, 19), "Auxiliar de oficina");
}

TEST(ProgrammeFiles, ModuleLinesFollowTheProgrammeNumberNotTheFileLine) {
    const auto files = programmeFilesFrom(groupsThen("A   Oficina", {"A-Oficina", "AAuxiliar"}),
                                          {"", "", "", "", "", "uno", "dos", "tres", "", ""});
    const auto modules = files.moduleLines(2);
    EXPECT_EQ(modules[0].substr(0, 3), "uno");
    EXPECT_EQ(modules[2].substr(0, 4), "tres");
    EXPECT_EQ(modules[4], std::string(59, ' '));
}

TEST(ProgrammeFiles, MoreSubHeadingsThanTheirListAreReportedByNameAndLimit) {
    testing::DataFolder folder;
    std::string fpip;
    for (const auto& line : groupsThen("A   Oficina", {}))
        fpip += line + "\r\n";
    for (int k = 0; k < kMaxSubHeadings + 1; ++k)
        fpip += "A-Sub\r\nAPrograma\r\n";
    folder.dir.write("fpip", fpip);
    folder.dir.write("IPmodulos", "uno\r\n");
    ProgrammeFiles files;
    EXPECT_FALSE(loadProgrammeFiles(folder.files, files));
    EXPECT_TRUE(folder.aborted);
    ASSERT_EQ(folder.sink.messages.size(), 1u);
    EXPECT_NE(folder.sink.messages[0].find("fpip"), std::string::npos);
    EXPECT_NE(folder.sink.messages[0].find("23"), std::string::npos);
}

}  // namespace
}  // namespace rumbelo::initial
