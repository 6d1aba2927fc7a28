#pragma once
// Sources made of keyed blocks, the shape of the degree catalogue's sources:
//
//   [key]                 opens a block
//   field: value          a field of the block (field names are lower case)
//   field:                a text field: the '|' lines that follow are its lines
//   |text                 one line of the last text field, exactly as written after '|'
//   anything else         a row of the block, its words separated by blanks or tabs
//
// '#' lines are comments and blank lines are ignored, as in every source.
#include <optional>
#include <string>
#include <vector>

#include "data/diagnostics.h"
#include "data/source.h"

namespace rumbelo::data::degrees {

struct BlockField {
    SourcePos pos;
    std::string name;
    std::string value;                     // UTF-8, trimmed
    std::vector<std::string> text;         // the '|' lines, UTF-8
    std::vector<SourcePos> textPositions;  // where each '|' line stands
};

struct BlockRow {
    SourcePos pos;
    std::vector<std::string> words;
};

struct SourceBlock {
    SourcePos pos;
    std::string key;
    std::vector<BlockField> fields;
    std::vector<BlockRow> rows;

    const BlockField* find(const std::string& name) const;
    // The words of a field's value (blank-separated); none when the field is absent.
    std::vector<std::string> words(const std::string& name) const;
};

// The blocks of a source file. Fields not in `knownFields` are errors; so are rows when
// `rowsAllowed` is false, lines before the first block, and a field given twice.
std::vector<SourceBlock> readBlocks(const SourceFile& file, Diagnostics& diag,
                                    const std::vector<std::string>& knownFields, bool rowsAllowed);

}  // namespace rumbelo::data::degrees
