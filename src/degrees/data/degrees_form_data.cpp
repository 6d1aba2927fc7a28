#include "degrees/data/degrees_form_data.h"

namespace rumbelo::degrees {
namespace {

constexpr int kCommunitiesHeading = 275;
constexpr int kCentresHeading = 276;

}  // namespace

bool loadDegreesFormData(DataFiles& files, const InterfaceTexts& texts, DegreesFormData& data) {
    // Step 1: the text files.
    loadDegreeLists(files, data.degrees);       // CARRERA, OTROS, REQUISIT, SALIDAS
    loadInterestTexts(files, data.interest);    // CUALIDAD, INTERES, GRUPOS
    loadFpTexts(files, data.fp);                // FP twice, carreFP, REQFP
    loadSubjectBlocks(files, data.degrees);     // asignacar
    loadFpBlocks(files, data.fp);               // asignafp
    loadOtherStudyBlocks(files, data.degrees);  // asignaot
    // Step 2: a missing text file ends the loading.
    if (files.aborted()) return false;
    // Step 3: headings and derived values.
    finishFpTexts(data.fp, texts);
    finishDegreeLists(data.degrees, texts);
    finishInterestTexts(data.interest, texts);
    // Step 4: geography, binary tables, double degrees, comarcas and areas.
    GeographyData& geo = data.geography;
    loadPlaceFiles(files, geo);  // COMUNIDA, LUGAR, COMUINT, LU1..LU4
    geo.communities.set(0, texts[kCommunitiesHeading]);
    for (int z = 1; z <= 4; ++z)
        geo.zones[static_cast<std::size_t>(z)].lines.set(0, texts[kCentresHeading]);
    loadGroupItems(files, data.interest);    // datgru
    loadDegreeRecords(files, data.degrees);  // datcar
    loadFpOffer(files, data.fp);             // datFPL
    loadFpLinks(files, data.fp);             // datFPR
    ReadDoubleDegrees(files, "dobles", data.doubles);
    loadDistrictFiles(files, geo);  // comarcas, LU4 keys, comarcasm, LU2 keys
    return !files.aborted();
}

DegreesDataLoad::DegreesDataLoad(const DataFiles& files, const InterfaceTexts& texts) {
    // Copies of all it reads: the GUI thread goes on with the shared ones.
    result_ = std::async(std::launch::async,
                         [folder = files.folder(), language = files.language(), texts] {
                             auto result = std::make_unique<Result>();
                             DataFiles own(folder, result->messages, result->abort);
                             own.language() = language;
                             result->loaded = loadDegreesFormData(own, texts, result->data);
                             return result;
                         });
}

DegreesDataLoad::~DegreesDataLoad() {
    if (result_.valid()) result_.wait();
}

bool DegreesDataLoad::take(MessageSink& messages, bool& abortFlag, DegreesFormData& data) {
    const std::unique_ptr<Result> result = result_.get();
    for (const std::string& message : result->messages.messages)
        messages.show(message);
    if (result->abort) abortFlag = true;
    data = std::move(result->data);
    return result->loaded;
}

}  // namespace rumbelo::degrees
