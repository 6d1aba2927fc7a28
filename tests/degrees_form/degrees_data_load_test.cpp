// The degrees form's data read on a worker thread gives what the form's own reading gives:
// the same tables, and the same messages handed over in their order with the abort flag.
#include <gtest/gtest.h>

#include <filesystem>

#include "common/data/readers.h"
#include "degrees/data/degrees_form_data.h"

using namespace rumbelo;
using namespace rumbelo::degrees;

namespace {

InterfaceTexts bundledTexts() {
    RecordingSink sink;
    bool abort = false;
    DataFiles files(RUMBELO_PROGRAM_DIR, sink, abort);
    TextTable table;
    ReadTextsFile(files, "textos", table);
    InterfaceTexts texts;
    texts.distribute(table);
    return texts;
}

TEST(DegreesDataLoadTest, AheadLoadingGivesTheFormsOwnTables) {
    const InterfaceTexts texts = bundledTexts();
    RecordingSink directSink;
    bool directAbort = false;
    DataFiles direct(RUMBELO_PROGRAM_DIR, directSink, directAbort);
    DegreesFormData expected;
    ASSERT_TRUE(loadDegreesFormData(direct, texts, expected));

    RecordingSink sink;
    bool abort = false;
    const DataFiles files(RUMBELO_PROGRAM_DIR, sink, abort);
    DegreesDataLoad load(files, texts);
    DegreesFormData data;
    EXPECT_TRUE(load.take(sink, abort, data));
    EXPECT_FALSE(abort);
    EXPECT_TRUE(sink.messages.empty());
    EXPECT_EQ(data.degrees.degreeCount, expected.degrees.degreeCount);
    EXPECT_EQ(data.degrees.degrees[0], texts[48]);
    EXPECT_EQ(data.degrees.degrees[data.degrees.degreeCount],
              expected.degrees.degrees[expected.degrees.degreeCount]);
    EXPECT_EQ(data.geography.communities[0], texts[275]);
    EXPECT_EQ(data.geography.zones[2].lines[0], texts[276]);
    EXPECT_EQ(data.geography.listBarcelona, expected.geography.listBarcelona);
    EXPECT_EQ(data.doubles.count(), expected.doubles.count());
    EXPECT_EQ(data.fp.markedFamilies, expected.fp.markedFamilies);
}

TEST(DegreesDataLoadTest, MissingFilesAreReportedAfterTheWaitAsTheFormReportsThem) {
    const InterfaceTexts texts = bundledTexts();
    const auto empty = std::filesystem::temp_directory_path() / "rumbelo_degrees_load_empty";
    std::filesystem::create_directories(empty);
    RecordingSink directSink;
    bool directAbort = false;
    DataFiles direct(empty, directSink, directAbort);
    DegreesFormData ignored;
    EXPECT_FALSE(loadDegreesFormData(direct, texts, ignored));
    ASSERT_FALSE(directSink.messages.empty());

    RecordingSink sink;
    bool abort = false;
    const DataFiles files(empty, sink, abort);
    DegreesDataLoad load(files, texts);
    EXPECT_TRUE(sink.messages.empty());  // nothing reaches the sink before take()
    DegreesFormData data;
    EXPECT_FALSE(load.take(sink, abort, data));
    EXPECT_TRUE(abort);
    EXPECT_EQ(sink.messages, directSink.messages);
}

}  // namespace
