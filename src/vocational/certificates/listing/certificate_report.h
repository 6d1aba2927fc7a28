#pragma once
// The printout of a family's certificates: a heading, the family, then per certificate its
// name (bold), description, requirements and hours.
#include <vector>

#include "common/print/report_table.h"
#include "common/texts/interface_texts.h"
#include "vocational/certificates/data/certificate_files.h"

namespace rumbelo::certificates {

struct CertificateReport {
    ReportTable table;
    BoldLines bold;
    int lastLine = -1;  // lines 0..lastLine are printed; -1: nothing to print
};

// The report of the listed certificates; nothing to print when none is listed.
CertificateReport certificateReport(const CertificateFiles& files, const InterfaceTexts& texts,
                                    const std::vector<int>& certificates);

}  // namespace rumbelo::certificates
