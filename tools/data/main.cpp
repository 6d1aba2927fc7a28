// rumbelo-data: the catalogue compiler.
//   rumbelo-data build SRC OUT    compile data/ into the program folder
//   rumbelo-data check DIR        load a built folder through the program's readers
//   rumbelo-data profile ...      write a school profile
#include <iostream>
#include <string>
#include <vector>

#include "data/check.h"
#include "data/compile.h"
#include "data/profile_tool.h"

namespace {
int usage() {
    std::cerr << "usage: rumbelo-data build SRC OUT\n"
                 "       rumbelo-data check DIR\n"
                 "       rumbelo-data profile --name NAME --language 0-3 --theme F|C|N|A|P|E "
                 "--animation 0|1 FILE\n";
    return 2;
}
}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (args.empty()) return usage();
    if (args[0] == "build" && args.size() == 3) {
        rumbelo::data::CompileContext ctx(args[1], args[2]);
        const bool ok = rumbelo::data::compileAll(ctx);
        for (const auto& error : ctx.diag.errors())
            std::cerr << error << "\n";
        return ok ? 0 : 1;
    }
    if (args[0] == "check" && args.size() == 2) {
        const auto problems = rumbelo::data::checkFolder(args[1]);
        for (const auto& problem : problems)
            std::cerr << args[1] << ": " << problem << "\n";
        return problems.empty() ? 0 : 1;
    }
    if (args[0] == "profile") {
        std::string error;
        const int code = rumbelo::data::writeProfileCommand({args.begin() + 1, args.end()}, error);
        if (code != 0) std::cerr << "rumbelo-data profile: " << error << "\n";
        return code;
    }
    return usage();
}
