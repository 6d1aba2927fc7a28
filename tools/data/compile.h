#pragma once
// The compiler's passes: each turns some sources of data/ into some data files. Passes run
// in a fixed order, so that a later pass can resolve keys an earlier one registered.
#include <filesystem>
#include <map>
#include <string>

#include "data/diagnostics.h"
#include "data/output.h"

namespace rumbelo::data {

// Stable keys of the sources, resolved to the line numbers the data files refer to.
class KeyRegistry {
  public:
    // Registers key -> line number in a table ("LUGAR", "CARRERA", ...); a duplicate is an
    // error at pos.
    void add(const std::string& table, const std::string& key, int line, const SourcePos& pos,
             Diagnostics& diag);
    // The line number of a key, or 0 with an error at pos naming the table.
    int resolve(const std::string& table, const std::string& key, const SourcePos& pos,
                Diagnostics& diag) const;
    bool has(const std::string& table, const std::string& key) const;
    const std::map<std::string, int>& table(const std::string& name) const;

  private:
    std::map<std::string, std::map<std::string, int>> tables_;
};

struct CompileContext {
    CompileContext(std::filesystem::path source, std::filesystem::path outDir)
        : src(std::move(source)), output(std::move(outDir), diag) {}
    std::filesystem::path src;
    Diagnostics diag;
    OutputFolder output;
    KeyRegistry keys;
};

// Runs every pass; false when any error was reported (the errors are in ctx.diag).
bool compileAll(CompileContext& ctx);

// The passes.
void compileTextos(CompileContext& ctx);
void compileGrupos(CompileContext& ctx);
void compileQuestionnaires(CompileContext& ctx);
void compileFp(CompileContext& ctx);
void compileCredits(CompileContext& ctx);

}  // namespace rumbelo::data
