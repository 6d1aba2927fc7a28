#pragma once
// The certificates form's state as the pupil moves through it: the chosen group and its
// families, the family whose certificates are listed, the hover lock a family click sets so
// that the list stays while the mouse travels into it, and the chosen certificate.
#include <vector>

#include "vocational/certificates/data/certificate_files.h"

namespace rumbelo::certificates {

class CertificateBrowser {
  public:
    explicit CertificateBrowser(const CertificateFiles& files) : files_(&files) {}

    // Group click (1-based): its families are listed, the lock is off, no family hovered.
    void clickGroup(int group);
    // Family hover on row `row` (0-based) of the family list. True when the certificate list
    // changed (and the form must show it); false while locked, off the list or on the row
    // already hovered.
    bool hoverFamily(int row);
    // Family click: the row's certificates are listed if they are not yet, and the lock
    // toggles.
    void clickFamily(int row);
    // Certificate click on row `row` of the certificate list: the lock is off; false when
    // the row holds no certificate.
    bool clickCertificate(int row);
    // Back to the group list.
    void backToGroups();

    int group() const { return group_; }
    bool hoverLock() const { return hoverLock_; }
    int hoveredRow() const { return hoveredRow_; }
    int chosenCertificate() const { return chosen_; }
    const std::vector<int>& families() const { return families_; }
    const std::vector<int>& certificates() const { return certificates_; }

  private:
    void listFamily(int row);

    const CertificateFiles* files_;
    int group_ = 0;
    std::vector<int> families_;
    int hoveredRow_ = -1;
    bool hoverLock_ = false;
    std::vector<int> certificates_;
    int chosen_ = 0;
};

}  // namespace rumbelo::certificates
