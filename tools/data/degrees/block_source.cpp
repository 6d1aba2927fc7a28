#include "data/degrees/block_source.h"

#include <algorithm>

namespace rumbelo::data::degrees {
namespace {

std::string trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t");
    if (first == std::string::npos) return {};
    const auto last = s.find_last_not_of(" \t");
    return s.substr(first, last - first + 1);
}

// "name: value" with a lower-case name of letters and hyphens.
bool splitField(const std::string& text, std::string& name, std::string& value) {
    const auto colon = text.find(':');
    if (colon == std::string::npos || colon == 0) return false;
    const std::string head = text.substr(0, colon);
    if (!std::all_of(head.begin(), head.end(),
                     [](char c) { return (c >= 'a' && c <= 'z') || c == '-'; }))
        return false;
    name = head;
    value = trimmed(text.substr(colon + 1));
    return true;
}

}  // namespace

const BlockField* SourceBlock::find(const std::string& name) const {
    for (const auto& field : fields)
        if (field.name == name) return &field;
    return nullptr;
}

std::vector<std::string> SourceBlock::words(const std::string& name) const {
    const BlockField* field = find(name);
    return field ? splitWords(field->value) : std::vector<std::string>{};
}

std::vector<SourceBlock> readBlocks(const SourceFile& file, Diagnostics& diag,
                                    const std::vector<std::string>& knownFields, bool rowsAllowed) {
    std::vector<SourceBlock> blocks;
    BlockField* textField = nullptr;
    for (const auto& line : file.lines) {
        const std::string text = line.text;
        if (!text.empty() && text[0] == '[') {
            const auto close = text.find(']');
            const std::string key =
                close == std::string::npos ? "" : trimmed(text.substr(1, close - 1));
            if (key.empty() || trimmed(text.substr(close + 1)) != "")
                diag.error(line.pos, "expected \"[key]\"");
            blocks.push_back({line.pos, key, {}, {}});
            textField = nullptr;
            continue;
        }
        if (blocks.empty()) {
            diag.error(line.pos, "a line before the first \"[key]\"");
            continue;
        }
        SourceBlock& block = blocks.back();
        if (!text.empty() && text[0] == '|') {
            if (!textField) {
                diag.error(line.pos, "a '|' line outside a text field");
                continue;
            }
            std::string body = text.substr(1);
            while (!body.empty() && (body.back() == ' ' || body.back() == '\t'))
                body.pop_back();
            textField->text.push_back(body);
            textField->textPositions.push_back(line.pos);
            continue;
        }
        std::string name, value;
        if (splitField(trimmed(text), name, value)) {
            if (std::find(knownFields.begin(), knownFields.end(), name) == knownFields.end()) {
                diag.error(line.pos, "unknown field \"" + name + "\"");
                textField = nullptr;
                continue;
            }
            if (block.find(name)) diag.error(line.pos, "field \"" + name + "\" given twice");
            block.fields.push_back({line.pos, name, value, {}, {}});
            textField = value.empty() ? &block.fields.back() : nullptr;
            continue;
        }
        textField = nullptr;
        if (!rowsAllowed) {
            diag.error(line.pos, "expected \"field: value\"");
            continue;
        }
        block.rows.push_back({line.pos, splitWords(text)});
    }
    return blocks;
}

}  // namespace rumbelo::data::degrees
