#pragma once
// What the catalogue of qualifications reads: its own two files and the tables the other
// sections loaded (degrees and higher FP from the degrees form, intermediate FP and the
// information paragraphs from the secondary form, the programmes and the certificates from
// their sections). Nothing here is a copy.
#include "common/texts/interface_texts.h"
#include "degrees/data/degree_catalog.h"
#include "degrees/data/fp_catalog.h"
#include "secondary/catalogue/data/catalogue_files.h"
#include "secondary/data/fp2_catalog.h"
#include "vocational/certificates/data/certificate_files.h"
#include "vocational/initial/data/programme_files.h"

namespace rumbelo::catalogue {

// The five levels, in list order.
enum Level { kDegrees = 1, kHigherFp, kMediumFp, kProgrammes, kCertificates };
inline constexpr int kLevels = 5;
// The rows key 5 shows for its higher and intermediate levels.
inline constexpr int kArtsHigherRow = 130;
inline constexpr int kArtsMediumRow = 98;

struct CatalogueSources {
    const CatalogueFiles& files;
    const InterfaceTexts& texts;
    const degrees::DegreeCatalog& degrees;
    const degrees::FpCatalog& fp;
    const secondary::Fp2Catalog& fp2;
    const LineTable& information;  // "INFORMA"
    const initial::ProgrammeFiles& programmes;
    const certificates::CertificateFiles& certificates;
};

}  // namespace rumbelo::catalogue
