#include "common/data/readers.h"

#include "common/data/text_lines.h"
#include "common/text/fixed_text.h"

namespace rumbelo {
namespace {

// The lines of a text file, at most `capacity` of them. A missing file is reported with the
// missing-file message; a longer file by name and limit. Either sets the abort flag.
std::optional<std::vector<std::string>> loadLines(DataFiles& files, const std::string& name,
                                                  int capacity) {
    const auto bytes = files.read(name);
    if (!bytes) {
        files.reportMissing(name);
        return std::nullopt;
    }
    auto lines = splitLines(*bytes);
    if (static_cast<int>(lines.size()) > capacity) {
        files.reportOverCapacity(name, capacity, "líneas");
        lines.resize(static_cast<std::size_t>(capacity));
    }
    return lines;
}

// Entry 0 = the name as opened, entry k = line k as `shape` makes it. Returns the count.
template <typename Shape>
int fillTable(DataFiles& files, const std::string& name, FixedTable& table, Shape shape) {
    table.clear();
    table.set(0, name);
    const auto lines = loadLines(files, name, table.capacity());
    if (!lines) return 0;
    int k = 0;
    for (const auto& line : *lines)
        table.set(++k, shape(line));
    return k;
}

int fillPadded(DataFiles& files, const std::string& name, FixedTable& table, int w) {
    return fillTable(files, name, table, [w](const std::string& line) { return padTo(line, w); });
}

int fillRaw(DataFiles& files, const std::string& name, FixedTable& table) {
    return fillTable(files, name, table, [](const std::string& line) { return line; });
}

}  // namespace

int ReadLineTable(DataFiles& files, const std::string& name, LineTable& table, int w) {
    return fillPadded(files, name, table, w);
}

int ReadTextTable(DataFiles& files, const std::string& name, TextTable& table, int w) {
    return fillPadded(files, name, table, w);
}

int ReadRawTable(DataFiles& files, const std::string& name, LineTable& table) {
    return fillRaw(files, name, table);
}

int ReadWideTable(DataFiles& files, const std::string& name, WideTable& table) {
    return fillRaw(files, name, table);
}

int ReadDashIndex(DataFiles& files, const std::string& name, LineTable& table,
                  std::vector<int>& index, int w) {
    table.clear();
    table.set(0, name);
    index.clear();
    // Every line of the file counts, so the file itself is held to the table's capacity.
    const auto lines = loadLines(files, name, table.capacity());
    if (!lines) return 0;
    int lineNumber = 0;
    for (const auto& line : *lines) {
        ++lineNumber;
        if (line.empty() || line[0] != '-') continue;
        index.push_back(lineNumber);
        table.set(static_cast<int>(index.size()), padTo(colsFrom(line, 2), w));
    }
    return static_cast<int>(index.size());
}

int ReadGroupedTable(DataFiles& files, const std::string& name, const GroupedShape& shape,
                     GroupedTable& table) {
    table = GroupedTable{};
    table.groupSize = shape.groupSize;
    table.groupCapacity = shape.groupCapacity;
    const auto lines = loadLines(files, name, shape.lineLimit);
    if (!lines) return 0;
    const int period = shape.groupSize + 1;
    for (std::size_t n = 0; n < lines->size(); ++n) {
        if (n % static_cast<std::size_t>(period) == 0) {
            if (table.count() == shape.groupCapacity) {
                files.reportOverCapacity(name, shape.groupCapacity, "bloques");
                break;
            }
            table.groups.emplace_back();
            continue;  // the separator line is not stored
        }
        table.groups.back().push_back(cut(padTo((*lines)[n], kStandardWidth), 50));
    }
    if (shape.readKinds) {
        for (const auto& group : table.groups) {
            const char first = group.empty() || group[0].empty() ? ' ' : group[0][0];
            table.kinds.push_back(first >= '0' && first <= '9' ? first - '0' : 0);
        }
    }
    return table.count();
}

int PlaceList::code(int k) const {
    if (k < 1 || k >= static_cast<int>(codes.size())) return 0;
    return codes[static_cast<std::size_t>(k)];
}

int ReadPlaceList(DataFiles& files, const std::string& name, PlaceList& places) {
    places = PlaceList{};
    places.names.set(0, name);
    const auto lines = loadLines(files, name, places.names.capacity());
    if (!lines) return 0;
    int k = 0;
    for (const auto& line : *lines) {
        ++k;
        places.codes.push_back(parseNumber(cols(line, 1, 2)).value_or(0));
        places.names.set(k, cols(line, 3, 37));
        places.descriptions.set(k, TrimRight(cols(line, 38, 137)));
    }
    return k;
}

int ReadCommunityInfo(DataFiles& files, const std::string& name, LineTable& table) {
    return fillTable(files, name, table,
                     [](const std::string& line) { return TrimRight(cols(line, 15, 114)); });
}

int ReadZoneFile(DataFiles& files, const std::string& name, ZoneTable& zone) {
    zone = ZoneTable{};
    zone.lines.set(0, name);
    const auto lines = loadLines(files, name, zone.lines.capacity());
    if (!lines) return 0;
    int k = 0;
    for (const auto& line : *lines) {
        zone.lines.set(++k, cols(line, 1, 55));
        CentreCodes codes;
        for (int j = 0; j < 10; ++j) {
            const std::string pair = cols(line, 56 + 2 * j, 57 + 2 * j);
            if (pair.empty() || pair == "  ") break;
            // A pair that is not a number leaves its slot unset but still counts.
            if (const auto value = parseNumber(pair); value && *value >= 0 && *value <= 255)
                codes.codes[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(*value);
            ++codes.count;
        }
        zone.codes.push_back(codes);
    }
    return k;
}

int ReadDoubleDegrees(DataFiles& files, const std::string& name, DoubleDegrees& doubles) {
    doubles = DoubleDegrees{};
    doubles.heading = name;
    const auto lines = loadLines(files, name, 5000);
    if (!lines) return 0;
    for (const auto& line : *lines) {
        if (const auto code = parseNumber(cols(line, 1, 2))) {
            if (*code < 1 || *code > 99) continue;
            if (doubles.count() == DoubleDegrees::kGroupCapacity) {
                files.reportOverCapacity(name, DoubleDegrees::kGroupCapacity, "universidades");
                break;
            }
            doubles.groups.push_back(DoubleDegreeGroup{*code, cols(line, 3, 37), {}});
            continue;
        }
        auto& group = doubles.groups.back();
        if (static_cast<int>(group.members.size()) == DoubleDegrees::kMemberCapacity) {
            files.reportOverCapacity(name, DoubleDegrees::kMemberCapacity,
                                     "dobles titulaciones por universidad");
            break;
        }
        DoubleDegreeMember member;
        const auto field = [&](std::string text, int& out) {
            if (const auto value = parseNumber(text)) {
                out = *value;
            } else {
                files.messages().show("ERROR en fichero de dobles");
            }
        };
        field(cols(line, 4, 4), member.kind);
        field(cols(line, 5, 7), member.a);
        field(cols(line, 8, 10), member.b);
        group.members.push_back(member);
    }
    return doubles.count();
}

int ReadDistricts(DataFiles& files, const std::string& name, int w, Districts& districts) {
    const int previousCount = districts.count;
    districts = Districts{};
    districts.count = previousCount;
    const auto lines = loadLines(files, name, Districts::kCapacity);
    if (!lines) return districts.count;
    int lineNumber = 0;
    for (const auto& line : *lines) {
        ++lineNumber;
        if (lineNumber <= Districts::kCoded) {
            const auto code = parseNumber(cols(line, 3, 4));
            if (!code || *code < 1 || *code > Districts::kCapacity) {
                files.messages().show("mal " + std::to_string(lineNumber));
                return districts.count;
            }
            districts.keys[static_cast<std::size_t>(*code)] = cols(line, 1, 2);
            districts.names[static_cast<std::size_t>(*code)] = cols(line, 5, 4 + w);
            districts.codeOfLine[static_cast<std::size_t>(lineNumber)] = *code;
        } else {
            districts.keys[static_cast<std::size_t>(lineNumber)] = cols(line, 1, 2);
            districts.names[static_cast<std::size_t>(lineNumber)] = cols(line, 3, 12 + w);
        }
    }
    districts.count = Districts::kCoded + std::max(0, lineNumber - Districts::kCoded);
    return districts.count;
}

int ReadDistrictGroups(DataFiles& files, const std::string& name, int w, DistrictGroups& groups) {
    const int previousCount = groups.count;
    groups = DistrictGroups{};
    groups.count = previousCount;
    const auto lines = loadLines(files, name, DistrictGroups::kCapacity);
    if (!lines) return groups.count;
    int accepted = 0;
    for (const auto& line : *lines) {
        const auto code = parseNumber(cols(line, 3, 4));
        if (!code) {
            files.messages().show("mal " + std::to_string(accepted));
            return groups.count;
        }
        ++accepted;
        groups.keys.push_back(cols(line, 1, 2));
        groups.names.push_back(cols(line, 5, 4 + w));
        groups.codes.push_back(*code);
    }
    for (int k = 1; k <= accepted; ++k) {
        const int code = groups.codes[static_cast<std::size_t>(k)];
        if (code < 1 || code > DistrictGroups::kGroups) continue;
        auto& list = groups.linesOfGroup[static_cast<std::size_t>(code)];
        if (list.size() < 3) list.push_back(k);
    }
    groups.count = accepted;
    return accepted;
}

std::optional<std::vector<std::string>> ReadBinaryRecords(DataFiles& files, const std::string& name,
                                                          std::size_t recordSize, int count) {
    const auto bytes = files.read(name);
    if (!bytes) {
        files.reportMissing(name);
        return std::nullopt;
    }
    if (bytes->size() < recordSize * static_cast<std::size_t>(count)) {
        files.reportTooShort(name);
        return std::nullopt;
    }
    std::vector<std::string> records;
    for (int r = 0; r < count; ++r)
        records.push_back(bytes->substr(static_cast<std::size_t>(r) * recordSize, recordSize));
    return records;
}

std::optional<std::vector<std::string>> ReadLastRecordGroup(DataFiles& files,
                                                            const std::string& name,
                                                            std::size_t recordSize, int count) {
    const auto bytes = files.read(name);
    if (!bytes) {
        files.reportMissing(name);
        return std::nullopt;
    }
    const std::size_t groupSize = recordSize * static_cast<std::size_t>(count);
    const std::size_t groups = bytes->size() / groupSize;
    if (groups == 0) {
        files.reportTooShort(name);
        return std::nullopt;
    }
    const std::size_t last = (groups - 1) * groupSize;
    std::vector<std::string> records;
    for (int r = 0; r < count; ++r)
        records.push_back(
            bytes->substr(last + static_cast<std::size_t>(r) * recordSize, recordSize));
    return records;
}

std::optional<std::vector<std::string>> ReadRecords(DataFiles& files, const std::string& name) {
    return ReadBinaryRecords(files, name, kOfferRecordSize, 4);
}

void ReadTextsFile(DataFiles& files, const std::string& name, TextTable& table) {
    fillTable(files, name, table, [](const std::string& line) { return TrimRight(line); });
}

}  // namespace rumbelo
