#include "vocational/certificates/listing/certificate_browser.h"

#include "vocational/certificates/listing/certificate_lists.h"

namespace rumbelo::certificates {

void CertificateBrowser::clickGroup(int group) {
    group_ = group;
    hoverLock_ = false;
    hoveredRow_ = -1;
    families_ = familiesOfGroup(*files_, group);
    certificates_.clear();
    chosen_ = 0;
}

void CertificateBrowser::listFamily(int row) {
    hoveredRow_ = row;
    certificates_ = certificatesOfFamily(*files_, families_[static_cast<std::size_t>(row)]);
}

bool CertificateBrowser::hoverFamily(int row) {
    if (hoverLock_ || row < 0 || row >= static_cast<int>(families_.size()) || row == hoveredRow_)
        return false;
    listFamily(row);
    return true;
}

void CertificateBrowser::clickFamily(int row) {
    if (row < 0 || row >= static_cast<int>(families_.size())) return;
    // A click always fixes the family it is on, even when no hover reached it first.
    if (row != hoveredRow_) listFamily(row);
    hoverLock_ = !hoverLock_;
}

bool CertificateBrowser::clickCertificate(int row) {
    hoverLock_ = false;
    if (row < 0 || row >= static_cast<int>(certificates_.size())) return false;
    chosen_ = certificates_[static_cast<std::size_t>(row)];
    return true;
}

void CertificateBrowser::backToGroups() {
    hoverLock_ = false;
    hoveredRow_ = -1;
}

}  // namespace rumbelo::certificates
