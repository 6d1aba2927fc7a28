#pragma once
// The bundled program folder loaded as the running program holds it, for the catalogue's
// core tests: every table the catalogue reads, once for all tests.
#include <memory>

#include "common/data/readers.h"
#include "common/messages.h"
#include "secondary/catalogue/core/catalogue_sources.h"
#include "secondary/data/secondary_data.h"

namespace rumbelo::testing {

struct LoadedCatalogue {
    RecordingSink sink;
    bool aborted = false;
    DataFiles files{RUMBELO_PROGRAM_DIR, sink, aborted};
    InterfaceTexts texts;
    degrees::DegreeCatalog degrees;
    degrees::FpCatalog fp;
    secondary::SecondaryData secondary;
    initial::ProgrammeFiles programmes;
    certificates::CertificateFiles certificates;
    catalogue::CatalogueFiles index;

    LoadedCatalogue() {
        TextTable table;
        ReadTextsFile(files, "textos", table);
        texts.distribute(table);
        degrees::loadDegreeCatalog(files, texts, degrees);
        degrees::loadFpTexts(files, fp);
        degrees::loadFpBlocks(files, fp);
        degrees::finishFpTexts(fp, texts);
        degrees::loadFpOffer(files, fp);
        degrees::loadFpLinks(files, fp);
        secondary::loadSecondaryTexts(files, secondary);
        secondary::loadSecondaryTables(files, secondary);
        initial::loadProgrammeFiles(files, programmes);
        certificates::loadCertificateFiles(files, certificates);
        catalogue::loadCatalogueFiles(files, index);
    }

    // The sources with another index, programme or certificate table in place of the
    // bundled ones.
    catalogue::CatalogueSources sources(
        const catalogue::CatalogueFiles* otherIndex = nullptr,
        const initial::ProgrammeFiles* otherProgrammes = nullptr) const {
        return {otherIndex ? *otherIndex : index,
                texts,
                degrees,
                fp,
                secondary.fp2,
                secondary.information,
                otherProgrammes ? *otherProgrammes : programmes,
                certificates};
    }

    static const LoadedCatalogue& shared() {
        static const auto loaded = std::make_unique<LoadedCatalogue>();
        return *loaded;
    }
};

}  // namespace rumbelo::testing
