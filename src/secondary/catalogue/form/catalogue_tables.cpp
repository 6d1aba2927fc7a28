// The tables the catalogue reads: the ones the other sections published when they were
// created, or, for a section this run does not create, loaded once into the shared tables
// where that section will find them too.
#include "common/program/program.h"
#include "degrees/data/degrees_form_data.h"
#include "secondary/catalogue/form/catalogue_form.h"
#include "secondary/data/secondary_data.h"

namespace rumbelo {

void TFormCat::findTables() {
    ProgramState& state = program_.state();
    DataFiles& files = state.files;
    SharedTables& tables = state.tables;
    const auto& texts = state.texts;
    const auto& degrees = tables.obtain<degrees::DegreeCatalog>(
        [&](degrees::DegreeCatalog& c) { degrees::loadDegreeCatalog(files, texts, c); });
    const auto& fp = tables.obtain<degrees::FpCatalog>([&](degrees::FpCatalog& c) {
        degrees::loadFpTexts(files, c);
        degrees::loadFpBlocks(files, c);
        degrees::finishFpTexts(c, texts);
        degrees::loadFpOffer(files, c);
        degrees::loadFpLinks(files, c);
    });
    const auto& secondary =
        tables.obtain<secondary::SecondaryData>([&](secondary::SecondaryData& d) {
            secondary::loadSecondaryTexts(files, d);
            secondary::loadSecondaryTables(files, d);
        });
    const auto& programmes = tables.obtain<initial::ProgrammeFiles>(
        [&](initial::ProgrammeFiles& p) { initial::loadProgrammeFiles(files, p); });
    const auto& certificates = tables.obtain<certificates::CertificateFiles>(
        [&](certificates::CertificateFiles& c) { certificates::loadCertificateFiles(files, c); });
    sources_ = std::make_unique<catalogue::CatalogueSources>(
        catalogue::CatalogueSources{files_, texts, degrees, fp, secondary.fp2,
                                    secondary.information, programmes, certificates});
}

}  // namespace rumbelo
