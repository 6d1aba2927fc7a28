#pragma once
// Reports for the printing tests: numbered lines that tell where each one landed.
#include <string>

#include "common/print/recording_canvas.h"
#include "common/print/report_heading.h"
#include "common/print/report_table.h"

namespace rumbelo::testing {

// "Linea 0001", "Linea 0002", ...: what report line k says.
inline std::string lineText(int k) {
    std::string number = std::to_string(k);
    return "Linea " + std::string(4 - number.size(), '0') + number;
}

// Lines 1..n numbered, the title in entry 0.
inline ReportTable numberedReport(int n, const std::string& title = "Informe de prueba") {
    ReportTable report;
    report.setTitle(title);
    for (int k = 1; k <= n; ++k)
        report.set(k, lineText(k));
    return report;
}

struct StubPicture : PagePicture {};

inline HeadingTexts sampleHeading(const PagePicture* guide = nullptr) {
    return {"IES Rumbelo de Prueba", "Curso", guide};
}

// The op that printed report line k, or nullptr.
inline const CanvasOp* printedLine(const RecordingCanvas& canvas, int k) {
    return canvas.findText(lineText(k));
}

}  // namespace rumbelo::testing
